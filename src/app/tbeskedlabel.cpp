#include "app/tbeskedlabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace {

// The program writes a hard line break as a single CR; texts from files or
// other code may carry LF or CR LF. Each of them is one break.
QStringList afsnit(const QString &tekst)
{
    QString ens = tekst;
    ens.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    ens.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return ens.split(QLatin1Char('\n'));
}

void ombrydAfsnit(const QString &afsnit, const QFont &font, int bredde, QStringList &linjer)
{
    if (afsnit.isEmpty()) {
        linjer.append(QString());
        return;
    }
    QTextLayout layout(afsnit, font);
    QTextOption valg;
    // Break between words, and inside a word only when it cannot fit alone.
    valg.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(valg);
    layout.beginLayout();
    for (QTextLine linje = layout.createLine(); linje.isValid(); linje = layout.createLine()) {
        linje.setLineWidth(bredde);
        linjer.append(afsnit.mid(linje.textStart(), linje.textLength()));
    }
    layout.endLayout();
}

QString udenSlutmellemrum(const QString &linje)
{
    qsizetype slut = linje.size();
    while (slut > 0 && linje.at(slut - 1).isSpace())
        --slut;
    return linje.left(slut);
}

} // namespace

TBeskedLabel::TBeskedLabel(QWidget *parent)
    : QLabel(parent)
{
    // File names may contain '<' and '&': never guess rich text.
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList TBeskedLabel::ombrudteLinjer(const QString &tekst, const QFont &font, int bredde)
{
    QStringList linjer;
    const int linjebredde = qMax(1, bredde);
    for (const QString &stykke : afsnit(tekst))
        ombrydAfsnit(stykke, font, linjebredde, linjer);
    return linjer;
}

int TBeskedLabel::hoejdeVedBredde(int bredde) const
{
    const int antal = int(ombrudteLinjer(text(), font(), bredde).size());
    return antal * QFontMetrics(font()).lineSpacing();
}

int TBeskedLabel::heightForWidth(int bredde) const
{
    return hoejdeVedBredde(bredde);
}

QSize TBeskedLabel::sizeHint() const
{
    return QSize(width(), hoejdeVedBredde(width()));
}

QSize TBeskedLabel::minimumSizeHint() const
{
    return QSize(0, QFontMetrics(font()).lineSpacing());
}

void TBeskedLabel::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    maler.setFont(font());
    maler.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 foregroundRole()));
    const QFontMetrics maal(font());
    int y = maal.ascent();
    for (const QString &linje : ombrudteLinjer(text(), font(), width())) {
        maler.drawText(QPoint(0, y), udenSlutmellemrum(linje));
        y += maal.lineSpacing();
    }
}
