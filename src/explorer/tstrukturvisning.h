#pragma once

#include "shell/tlinjetrae.h"

#include <QWidget>

class QMenu;
class QModelIndex;
class QPoint;
class QTreeView;
class TFilModel;
class TMappeModel;
class TStrukturCompo;

// A tree of the explorer window that tells when a key moved its current
// node: arrowing to a node counts as the click it stands for.
class TTraeVisning : public TLinjeVisning
{
    Q_OBJECT

public:
    explicit TTraeVisning(QWidget *parent = nullptr);

signals:
    // The key's modifiers say whether it extended a selection.
    void tastValg(Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The two trees of an explorer window over the tree engine: the folder tree
// on the left, the file tree on the right, and a drive menu. The window owns
// the models and hands them to the engine; it turns clicks into engine calls
// and answers "which node is at this point" for drops.
class TStrukturVisning : public QWidget
{
    Q_OBJECT

public:
    explicit TStrukturVisning(TStrukturCompo *motor, QWidget *parent = nullptr);

    TTraeVisning *mappeStruktur() const;
    // Connecting lines in the folder tree.
    void setMappeLinjer(bool medLinjer);
    TTraeVisning *filStruktur() const { return m_filView; }
    TMappeModel *mappeModel() const { return m_mapper; }
    TFilModel *filModel() const { return m_filer; }

    // Hit testing in viewport coordinates: an invalid index or -1 for none.
    QModelIndex mappeNodeVed(const QPoint &punkt) const;
    int filRaekkeVed(const QPoint &punkt) const;

private:
    void mappeKlik(const QModelIndex &node);
    void mappeDobbeltklik(const QModelIndex &node);
    void filDobbeltklik(const QModelIndex &node);
    void fyldDrevmenu();

    TStrukturCompo *m_motor;
    TMappeModel *m_mapper;
    TFilModel *m_filer;
    TTraeVisning *m_mappeView;
    TTraeVisning *m_filView;
    QMenu *m_drevmenu;
};
