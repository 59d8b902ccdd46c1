#include "shell/tlinjetrae.h"

#include <QPainter>

namespace {

bool harSoeskendeEfter(const QModelIndex &index)
{
    return index.sibling(index.row() + 1, 0).isValid();
}

} // namespace

void tegnGrenlinjer(const QTreeView *trae, QPainter *painter, const QRect &rect, const QModelIndex &index)
{
    const int indrykning = trae->indentation();
    QPen pen(trae->palette().color(QPalette::Mid));
    pen.setStyle(Qt::DotLine);
    painter->save();
    painter->setPen(pen);

    // The column of the node itself: a line from above to its middle, across
    // to the item, and on down when a sibling follows.
    const int midtY = rect.center().y();
    int x = rect.right() - indrykning / 2;
    const bool erRod = !index.parent().isValid();
    const bool visRodlinje = trae->rootIsDecorated() || !erRod;
    if (visRodlinje) {
        const bool foersteRod = erRod && index.row() == 0;
        painter->drawLine(x, foersteRod ? midtY : rect.top(), x, harSoeskendeEfter(index) ? rect.bottom() : midtY);
        painter->drawLine(x, midtY, rect.right(), midtY);
    }

    // The columns of the ancestors: a straight line where they have a
    // sibling further down.
    for (QModelIndex forfader = index.parent(); forfader.isValid(); forfader = forfader.parent()) {
        x -= indrykning;
        if (x < rect.left())
            break;
        if (harSoeskendeEfter(forfader) && (trae->rootIsDecorated() || forfader.parent().isValid()))
            painter->drawLine(x, rect.top(), x, rect.bottom());
    }
    painter->restore();
}
