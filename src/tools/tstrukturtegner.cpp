#include "tools/tstrukturtegner.h"

#include "core/stier.h"
#include "platform/filinfo.h"

#include <QPainter>

TStrukturtegner::TStrukturtegner(const QColor &cirkel, bool visMangler, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_cirkel(cirkel)
    , m_visMangler(visMangler)
{
}

QString TStrukturtegner::tekst(const QModelIndex &index) const
{
    const QString t = index.data(Qt::DisplayRole).toString();
    if (m_visMangler && !filinfo::erMappe(t))
        return t + manglerTekst();
    return t;
}

void TStrukturtegner::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(r, valgt ? option.palette.highlight() : option.palette.base());
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(m_cirkel);
    painter->setBrush(m_cirkel);
    painter->drawEllipse(QRect(QPoint(r.left() + 2, r.top() + 5), QPoint(r.left() + 11, r.top() + 14)));
    painter->setRenderHint(QPainter::Antialiasing, false);
    const QString t = tekst(index);
    const bool mangler = m_visMangler && t.endsWith(manglerTekst());
    QColor farve = valgt ? option.palette.highlightedText().color() : option.palette.text().color();
    if (mangler && !valgt)
        farve = option.palette.color(QPalette::Disabled, QPalette::Text);
    painter->setPen(farve);
    painter->setFont(option.font);
    const QRect tekstfelt(r.left() + 14, r.top() + 1, r.width() - 14, r.height() - 2);
    painter->drawText(tekstfelt, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      option.fontMetrics.elidedText(t, Qt::ElideMiddle, tekstfelt.width()));
    painter->setPen(soelv());
    painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter->restore();
}

QSize TStrukturtegner::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(option.fontMetrics.horizontalAdvance(tekst(index)) + 20, raekkehoejde);
}
