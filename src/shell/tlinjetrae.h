#pragma once

#include <QTreeView>
#include <QTreeWidget>

class QPainter;

// Dotted connecting lines between a node and its parent and siblings, drawn
// in the branch area of a tree view. The program's styles draw none, so trees
// that offer "med linjer" paint them themselves.
void tegnGrenlinjer(const QTreeView *trae, QPainter *painter, const QRect &rect, const QModelIndex &index);

// A tree (a QTreeView or one of its subclasses) whose connecting lines can be
// switched on and off.
template <class Trae>
class TMedLinjer : public Trae
{
public:
    using Trae::Trae;

    void setLinjer(bool medLinjer)
    {
        m_linjer = medLinjer;
        this->viewport()->update();
    }
    bool linjer() const { return m_linjer; }

protected:
    void drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const override
    {
        if (m_linjer)
            tegnGrenlinjer(this, painter, rect, index);
        Trae::drawBranches(painter, rect, index);
    }

private:
    bool m_linjer = false;
};

using TLinjeTrae = TMedLinjer<QTreeWidget>;
using TLinjeVisning = TMedLinjer<QTreeView>;
