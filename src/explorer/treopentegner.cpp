#include "explorer/treopentegner.h"

#include "engines/treopenfiler.h"

#include <QApplication>
#include <QListView>
#include <QPainter>

void TReopenTegner::paint(QPainter *maler, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool valgt = option.state & QStyle::State_Selected;
    const QPalette &p = option.palette;
    maler->save();
    maler->fillRect(r, valgt ? p.highlight() : p.base());

    const bool mappeliste = index.data(TReopenFiler::MappelisteRolle).toBool();
    const QColor firkant = mappeliste ? QColor(0xC0, 0xDC, 0xC0) : p.color(QPalette::Highlight);
    maler->fillRect(QRect(r.left() + 2, r.top() + 5, 10, 10), firkant);

    maler->setPen(valgt ? p.color(QPalette::HighlightedText) : p.color(QPalette::Text));
    const QRect tekst(r.left() + 14, r.top() + 1, r.width() - 16, r.height() - 2);
    maler->drawText(tekst, Qt::AlignLeft | Qt::AlignVCenter,
                    option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, tekst.width()));

    maler->setPen(QColor(0xC0, 0xC0, 0xC0));
    maler->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    maler->restore();
}

QSize TReopenTegner::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), qMax(20, option.fontMetrics.height() + 6)};
}

QListView *TReopenTegner::lavListeboks(QAbstractItemModel *model, QItemSelectionModel *valg, QWidget *parent)
{
    auto *v = new QListView(parent);
    v->setModel(model);
    v->setSelectionModel(valg);
    v->setItemDelegate(new TReopenTegner(v));
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setUniformItemSizes(true);
    return v;
}
