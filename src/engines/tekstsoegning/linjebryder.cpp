#include "engines/tekstsoegning/linjebryder.h"

#include <QTextLayout>

#include <cmath>

namespace {

constexpr int Enheder = 64;   // the layout measures in 1/64 pixel
constexpr int LinjeBredde = int((Linjebryder::Bredde - 2 * Linjebryder::Margin) * Enheder);
// Paragraphs longer than this are split into several shaping items by the
// layout, and kerning does not cross items.
constexpr int MaksEnkelt = 4000;

// Characters whose lines are computed here: printable Latin-1 without the
// ones that give line breaks of their own (hyphens, slashes, symbols),
// without the no-break and soft-hyphen characters and without tabs.
constexpr bool tilladt(char16_t c)
{
    if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
        return true;
    switch (c) {
    case u' ': case u'.': case u',': case u';': case u':': case u'!': case u'?':
    case u'\'': case u'"': case u'(': case u')':
        return true;
    default:
        return c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7;
    }
}

int enheder(qreal px)
{
    // The layout converts to its fixed-point type by truncation.
    return int(px * Enheder);
}

} // namespace

QFont Linjebryder::dokumentSkrift()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(12);
    return f;
}

Linjebryder::Linjebryder()
    : m_skrift(dokumentSkrift())
    , m_maal(m_skrift)
    , m_kerning(256 * 256, INT_MIN)
{
    m_valg.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_mindsteBaering = -qMin(0, enheder(m_maal.minRightBearing()));
    m_bredde.fill(-1);
    m_baering.fill(-1);
}

Linjebryder::~Linjebryder() = default;

bool Linjebryder::enkelt(const QString &afsnit) const
{
    if (afsnit.size() > MaksEnkelt)
        return false;
    for (QChar c : afsnit)
        if (!tilladt(c.unicode()))
            return false;
    return true;
}

void Linjebryder::setAfsnit(const QString &afsnit)
{
    m_afsnit = afsnit;
    m_linjer.clear();
    m_naesteFra = 0;
    m_layout.reset();
    m_lagtUd = 0;
    if (!enkelt(afsnit))
        brugLayout();
}

int Linjebryder::fremrykning(int i)
{
    const char16_t c = m_afsnit.at(i).unicode();
    int &b = m_bredde[c];
    if (b < 0)
        b = enheder(m_maal.horizontalAdvance(QString(QChar(c))));
    if (i + 1 >= m_afsnit.size())
        return b;
    // The pair's kerning goes with the first glyph, as the shaper gives it.
    const char16_t d = m_afsnit.at(i + 1).unicode();
    int &k = m_kerning[size_t(c) * 256 + d];
    if (k == INT_MIN) {
        if (m_bredde[d] < 0)
            m_bredde[d] = enheder(m_maal.horizontalAdvance(QString(QChar(d))));
        const QChar par[2] = {QChar(c), QChar(d)};
        k = enheder(m_maal.horizontalAdvance(QString(par, 2))) - b - m_bredde[d];
    }
    return b + k;
}

int Linjebryder::hoejreBaering(char16_t c)
{
    int &b = m_baering[c];
    if (b < 0)
        b = -qMin(0, enheder(m_maal.rightBearing(QChar(c))));
    return b;
}

bool Linjebryder::naesteLinje()
{
    const int n = int(m_afsnit.size());
    const int fra = m_naesteFra;
    int linjeBredde = 0, linjeLaengde = 0;   // what the line holds so far
    int blankBredde = 0, blanke = 0;          // blanks waiting behind it
    int sidste = -1;                          // the line's last character
    int p = fra;
    // A decision this close to the edge is left to the layout.
    auto taet = [](int bredde) { return std::abs(bredde - LinjeBredde) <= 1; };
    auto afslut = [&](int laengde) {
        m_linjer.push_back({fra, laengde});
        m_naesteFra = fra + laengde;
    };
    while (p < n) {
        if (m_afsnit.at(p) == u' ') {
            while (p < n && m_afsnit.at(p) == u' ') {
                blankBredde += fremrykning(p++);
                ++blanke;
            }
            if (blankBredde > LinjeBredde)
                return false;
            continue;
        }
        int q = p, ordBredde = 0;
        while (q < n && m_afsnit.at(q) != u' ')
            ordBredde += fremrykning(q++);
        const int ny = linjeBredde + blankBredde + ordBredde;
        const int medBaering = ny + m_mindsteBaering > LinjeBredde ? ny + hoejreBaering(m_afsnit.at(q - 1).unicode()) : ny;
        if (taet(medBaering))
            return false;
        if (medBaering > LinjeBredde) {
            // A word wider than the line by itself is broken anywhere.
            if (linjeLaengde == 0)
                return false;
            if (taet(linjeBredde + hoejreBaering(m_afsnit.at(sidste).unicode()))
                || linjeBredde + hoejreBaering(m_afsnit.at(sidste).unicode()) > LinjeBredde)
                return false;
            afslut(linjeLaengde + blanke);
            return true;
        }
        linjeBredde = ny;
        linjeLaengde += blanke + (q - p);
        blankBredde = blanke = 0;
        sidste = q - 1;
        p = q;
    }
    // The paragraph's end: blanks at the end stay with the last line.
    afslut(linjeLaengde + blanke);
    return true;
}

void Linjebryder::brugLayout()
{
    m_layout = std::make_unique<QTextLayout>(m_afsnit, m_skrift);
    m_layout->setTextOption(m_valg);
    m_layout->setCacheEnabled(false);
    m_layout->beginLayout();
    m_lagtUd = 0;
}

QString Linjebryder::layoutLinje(int position)
{
    // The layout stays open so a later hit in the same paragraph goes on
    // from the last line made.
    while (m_lagtUd <= position && m_lagtUd < m_afsnit.size()) {
        QTextLine l = m_layout->createLine();
        if (!l.isValid())
            break;
        l.setLineWidth(Bredde - 2 * Margin);
        if (l.textLength() == 0)
            break;
        m_lagtUd = l.textStart() + l.textLength();
    }
    for (int i = m_layout->lineCount() - 1; i >= 0; --i) {
        const QTextLine l = m_layout->lineAt(i);
        if (l.textStart() <= position)
            return m_afsnit.mid(l.textStart(), l.textLength());
    }
    return m_afsnit;
}

QString Linjebryder::linjeVed(int position)
{
    if (!m_layout) {
        while (m_naesteFra <= position && m_naesteFra < m_afsnit.size()) {
            if (!naesteLinje()) {
                brugLayout();
                break;
            }
        }
        if (!m_layout) {
            for (auto it = m_linjer.rbegin(); it != m_linjer.rend(); ++it)
                if (it->fra <= position)
                    return m_afsnit.mid(it->fra, it->laengde);
            return m_afsnit;
        }
    }
    return layoutLinje(position);
}
