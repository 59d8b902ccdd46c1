#pragma once

#include <QTreeWidget>

class QPainter;

// Dotted connecting lines between a node and its parent and siblings, drawn
// in the branch area of a tree view. The program's styles draw none, so trees
// that offer "med linjer" paint them themselves.
void tegnGrenlinjer(const QTreeView *trae, QPainter *painter, const QRect &rect, const QModelIndex &index);

// A tree view whose connecting lines can be switched on and off.
class TLinjeVisning : public QTreeView
{
    Q_OBJECT

public:
    using QTreeView::QTreeView;

    void setLinjer(bool medLinjer);
    bool linjer() const { return m_linjer; }

protected:
    void drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const override;

private:
    bool m_linjer = false;
};

// A tree widget whose connecting lines can be switched on and off.
class TLinjeTrae : public QTreeWidget
{
    Q_OBJECT

public:
    using QTreeWidget::QTreeWidget;

    void setLinjer(bool medLinjer);
    bool linjer() const { return m_linjer; }

protected:
    void drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const override;

private:
    bool m_linjer = false;
};
