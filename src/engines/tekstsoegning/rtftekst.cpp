#include "engines/tekstsoegning/rtftekst.h"

#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <cctype>
#include <vector>

namespace rtftekst {

bool erRtf(const QByteArray &data)
{
    return data.startsWith("{\\rtf");
}

namespace {

// Destinations whose text is not shown.
bool skjultDestination(const QByteArray &ord)
{
    static const QSet<QByteArray> skjulte = {
        "fonttbl",    "colortbl",   "stylesheet", "info",        "pict",       "object",
        "header",     "headerl",    "headerr",    "headerf",     "footer",     "footerl",
        "footerr",    "footerf",    "footnote",   "annotation",  "fldinst",    "themedata",
        "colorschememapping",       "datastore",  "latentstyles", "listtable", "listoverridetable",
        "rsidtbl",    "generator",  "xmlnstbl",   "mmathPr",     "pgdsctbl",   "filetbl",
        "revtbl",     "userprops",  "xe",         "tc",          "bkmkstart",  "bkmkend",
        "pntext",     "pntxta",     "pntxtb",     "template",    "nonshppict", "private",
    };
    return skjulte.contains(ord);
}

// Control words that stand for one character.
char16_t tegnFor(const QByteArray &ord)
{
    static const QHash<QByteArray, char16_t> tegn = {
        {"par", u'\n'},          {"line", u'\n'},         {"page", u'\n'},      {"sect", u'\n'},
        {"row", u'\n'},          {"tab", u'\t'},          {"cell", u'\t'},      {"emdash", u'\u2014'},
        {"endash", u'\u2013'},   {"bullet", u'\u2022'},   {"lquote", u'\u2018'}, {"rquote", u'\u2019'},
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
        {"qmspace", u'\u2005'},
    };
    return tegn.value(ord, 0);
}

class Laeser
{
public:
    explicit Laeser(const QByteArray &rtf) : m_rtf(rtf) {}

    QString laes()
    {
        m_grupper.push_back({});
        const qsizetype n = m_rtf.size();
        while (m_i < n) {
            const char c = m_rtf[m_i++];
            if (c == '{') {
                m_grupper.push_back(m_grupper.back());
            } else if (c == '}') {
                if (m_grupper.size() > 1)
                    m_grupper.pop_back();
                m_spring = 0;
            } else if (c == '\\') {
                kontrol();
            } else if (c != '\r' && c != '\n') {
                tekstbyte(c);
            }
        }
        toem();
        return m_ud;
    }

private:
    struct Gruppe
    {
        bool skjult = false;
        int uc = 1;   // fallback characters after \uN
    };

    bool skjult() const { return m_grupper.back().skjult; }

    void tekstbyte(char c)
    {
        if (skjult())
            return;
        if (m_spring > 0) {
            --m_spring;
            return;
        }
        m_bytes.append(c);
    }

    void tegn(char16_t c)
    {
        if (skjult())
            return;
        toem();
        m_ud.append(QChar(c));
    }

    // Bytes waiting for the code page are decoded before any other character.
    void toem()
    {
        if (m_bytes.isEmpty())
            return;
        QStringDecoder d(m_tegnsaet.constData());
        if (!d.isValid())
            d = QStringDecoder("windows-1252");
        m_ud.append(d.isValid() ? d.decode(m_bytes) : QString::fromLatin1(m_bytes));
        m_bytes.clear();
    }

    static bool hex(char c, int &v)
    {
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            return false;
        return true;
    }

    void kontrol()
    {
        const qsizetype n = m_rtf.size();
        if (m_i >= n)
            return;
        const char c = m_rtf[m_i];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_i;
            symbol(c);
            return;
        }
        const qsizetype start = m_i;
        while (m_i < n && std::isalpha(static_cast<unsigned char>(m_rtf[m_i])))
            ++m_i;
        const QByteArray ord = m_rtf.mid(start, m_i - start);
        bool harTal = false;
        long tal = 0;
        const bool negativ = m_i < n && m_rtf[m_i] == '-';
        if (negativ)
            ++m_i;
        while (m_i < n && std::isdigit(static_cast<unsigned char>(m_rtf[m_i]))) {
            tal = qMin(tal * 10 + (m_rtf[m_i++] - '0'), 1L << 30);
            harTal = true;
        }
        if (negativ)
            tal = -tal;
        if (m_i < n && m_rtf[m_i] == ' ')
            ++m_i;   // the delimiter belongs to the control word
        ord_(ord, harTal, tal);
    }

    void symbol(char c)
    {
        switch (c) {
        case '\'': {
            int hoej = 0, lav = 0;
            if (m_i + 1 < m_rtf.size() && hex(m_rtf[m_i], hoej) && hex(m_rtf[m_i + 1], lav)) {
                m_i += 2;
                tekstbyte(char(hoej * 16 + lav));
            }
            return;
        }
        case '*':
            m_grupper.back().skjult = true;
            return;
        case '{':
        case '}':
        case '\\':
            tekstbyte(c);
            return;
        case '\r':
        case '\n':
            fallbackEllerTegn(u'\n');
            return;
        case '~':
            fallbackEllerTegn(u'\u00A0');
            return;
        case '_':
            fallbackEllerTegn(u'\u2011');
            return;
        default:   // "\-" (optional hyphen) and unknown symbols show nothing
            if (m_spring > 0)
                --m_spring;
            return;
        }
    }

    void fallbackEllerTegn(char16_t c)
    {
        if (m_spring > 0)
            --m_spring;
        else
            tegn(c);
    }

    void ord_(const QByteArray &ord, bool harTal, long tal)
    {
        if (ord == "bin") {
            // Binary data: skipped whole, whatever it holds.
            m_i = qMin<qsizetype>(m_rtf.size(), m_i + qMax(0L, tal));
            return;
        }
        if (ord == "u" && harTal) {
            if (!skjult()) {
                tegn(char16_t(tal < 0 ? tal + 65536 : tal));
                m_spring = m_grupper.back().uc;
            }
            return;
        }
        if (ord == "uc" && harTal) {
            m_grupper.back().uc = int(qBound(0L, tal, 16L));
            return;
        }
        if (ord == "ansicpg" && harTal) {
            toem();
            m_tegnsaet = tal == 65001 ? QByteArray("UTF-8") : "windows-" + QByteArray::number(tal);
            return;
        }
        if (skjultDestination(ord)) {
            m_grupper.back().skjult = true;
            return;
        }
        if (const char16_t t = tegnFor(ord))
            fallbackEllerTegn(t);
        else if (m_spring > 0)
            --m_spring;   // any control word counts as one fallback character
    }

    const QByteArray &m_rtf;
    qsizetype m_i = 0;
    std::vector<Gruppe> m_grupper;
    int m_spring = 0;
    QByteArray m_bytes;
    QByteArray m_tegnsaet = "windows-1252";
    QString m_ud;
};

} // namespace

QString synligTekst(const QByteArray &rtf)
{
    return Laeser(rtf).laes();
}

} // namespace rtftekst
