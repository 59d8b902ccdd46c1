#include "app/tvippeknap.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {
constexpr int sporBredde = 36;
constexpr int sporHoejde = 18;
constexpr int afstand = 8;
} // namespace

TVippeknap::TVippeknap(QWidget *parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    opdaterTekst();
}

QSize TVippeknap::sizeHint() const
{
    const QFontMetrics fm(font());
    const int tekst = qMax(fm.horizontalAdvance(QStringLiteral("Vist")),
                           fm.horizontalAdvance(QStringLiteral("Skjult")));
    return {sporBredde + afstand + tekst + 4, qMax(sporHoejde + 4, fm.height() + 4)};
}

void TVippeknap::checkStateSet()
{
    opdaterTekst();
}

void TVippeknap::nextCheckState()
{
    QAbstractButton::nextCheckState();
    opdaterTekst();
}

void TVippeknap::opdaterTekst()
{
    setText(isChecked() ? QStringLiteral("Vist") : QStringLiteral("Skjult"));
    update();
}

void TVippeknap::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette &pal = palette();
    const bool til = isChecked();
    const QRectF spor(1, (height() - sporHoejde) / 2.0, sporBredde, sporHoejde);

    QColor fyld = til ? pal.color(QPalette::Highlight) : pal.color(QPalette::Mid);
    if (!isEnabled())
        fyld = pal.color(QPalette::Disabled, QPalette::Button);
    p.setPen(QPen(pal.color(QPalette::Dark), 1));
    p.setBrush(fyld);
    p.drawRoundedRect(spor, sporHoejde / 2.0, sporHoejde / 2.0);

    const qreal d = sporHoejde - 4;
    const qreal x = til ? spor.right() - d - 2 : spor.left() + 2;
    p.setPen(Qt::NoPen);
    p.setBrush(til ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Base));
    p.drawEllipse(QRectF(x, spor.top() + 2, d, d));

    const QRect tekstFelt(sporBredde + afstand, 0, width() - sporBredde - afstand, height());
    p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(tekstFelt, Qt::AlignVCenter | Qt::AlignLeft, text());

    if (hasFocus()) {
        QStyleOptionFocusRect fokus;
        fokus.initFrom(this);
        fokus.rect = tekstFelt.adjusted(-2, 2, 0, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &fokus, &p, this);
    }
}
