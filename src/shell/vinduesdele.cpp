#include "shell/vinduesdele.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace vinduesdele {

QLabel *overskrift(const QString &tekst, qreal skala)
{
    auto *l = new QLabel(tekst);
    QFont f = l->font();
    f.setBold(true);
    if (skala != 1.0)
        f.setPointSizeF(f.pointSizeF() * skala);
    l->setFont(f);
    return l;
}

QToolButton *stifinderKnap(QAction *aVisStifinder)
{
    if (!aVisStifinder)
        return nullptr;
    auto *knap = new QToolButton;
    knap->setObjectName(QStringLiteral("stifinderKnap"));
    knap->setDefaultAction(aVisStifinder);
    knap->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return knap;
}

TMaerketRaekke::TMaerketRaekke(Maerke maerke, int mindsteHoejde, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_maerke(std::move(maerke))
    , m_mindsteHoejde(mindsteHoejde)
{
}

void TMaerketRaekke::paint(QPainter *maler, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    const QPalette &p = option.palette;
    maler->save();
    maler->fillRect(r, valgt ? p.highlight() : p.base());
    m_maerke(maler, QRect(r.left() + 2, r.top() + 5, 10, 10), valgt, p);
    maler->setPen(valgt ? p.color(QPalette::HighlightedText) : p.color(QPalette::Text));
    const QRect tekst(r.left() + 14, r.top() + 1, r.width() - 16, r.height() - 2);
    maler->drawText(tekst, Qt::AlignLeft | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, tekst.width()));
    maler->setPen(QColor(192, 192, 192));
    maler->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    maler->restore();
}

QSize TMaerketRaekke::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), qMax(m_mindsteHoejde, option.fontMetrics.height() + 2)};
}

} // namespace vinduesdele
