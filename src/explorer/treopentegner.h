#pragma once

#include <QStyledItemDelegate>

class QItemSelectionModel;
class QListView;

// Draws the rows of the explorer window's lists: a small square in the
// list's colour (money green for folders, the menu highlight for files),
// the caption beside it and a thin silver line under each row.
class TReopenTegner : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *maler, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // A list view set up for a reopen list: this delegate, single selection,
    // no editing.
    static QListView *lavListeboks(QAbstractItemModel *model, QItemSelectionModel *valg, QWidget *parent);
};
