#pragma once

#include "explorer/tsoegetaster.h"
#include "engines/detaljeegenskaber.h"
#include "shell/tlinjetrae.h"

#include <QPoint>
#include <QWidget>

class QMenu;
class QModelIndex;
class QPoint;
class QSplitter;
class QTreeView;
class TFilModel;
class TMappeModel;
class TStrukturCompo;

// A tree of the explorer window that tells when a key moved its current
// node: arrowing to a node counts as the click it stands for. Typing
// letters finds the next shown node whose name starts with them.
class TTraeVisning : public TLinjeVisning
{
    Q_OBJECT

public:
    explicit TTraeVisning(QWidget *parent = nullptr);

    void keyboardSearch(const QString &search) override;
    // A name is being edited in place, in the view's own editor or in the
    // window's rename field over the node.
    bool redigerer() const;

signals:
    // The key's modifiers say whether it extended a selection.
    void tastValg(Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QModelIndex naesteViste(const QModelIndex &node) const;

    TSoegeTaster m_taster;
};

// The two trees of an explorer window over the tree engine: the folder tree
// on the left, the file tree on the right, and a drive menu. The window owns
// the models and hands them to the engine; it turns clicks into engine calls
// and answers "which node is at this point" for drops.
class TStrukturVisning : public QWidget
{
    Q_OBJECT

public:
    struct Valg
    {
        // The drive menu button above the trees; a window with its own drive
        // menus leaves it out.
        bool drevknap = true;
        // Clicks and keys in the trees drive the engine here; a window that
        // keeps its own bookkeeping of every click takes them up itself from
        // the trees' signals.
        bool egneKlik = true;
    };

    explicit TStrukturVisning(TStrukturCompo *motor, QWidget *parent = nullptr);
    TStrukturVisning(TStrukturCompo *motor, Valg valg, QWidget *parent = nullptr);

    TTraeVisning *mappeStruktur() const;
    // Connecting lines in the folder tree.
    void setMappeLinjer(bool medLinjer);
    TTraeVisning *filStruktur() const { return m_filView; }
    TMappeModel *mappeModel() const { return m_mapper; }
    TFilModel *filModel() const { return m_filer; }
    // The splitter between the two trees.
    QSplitter *deler() const { return m_deler; }

    // Hit testing in viewport coordinates: an invalid index or -1 for none.
    QModelIndex mappeNodeVed(const QPoint &punkt) const;
    int filRaekkeVed(const QPoint &punkt) const;

    // The file tree's columns, their widths and its sort. Without details
    // the file tree shows names only, without a header, in name order.
    void setDetaljer(const DetaljeEgenskaber &d);
    // What the file tree shows now, widths as the user left them.
    DetaljeEgenskaber detaljer() const;
    void setVisDetaljer(bool vis);
    void setKolonneVist(FilKolonne k, bool vist);
    // The header's menu, filled as it is shown.
    QMenu *kolonnemenu() const { return m_kolonnemenu; }

signals:
    void visDetaljerAendret(bool vis);

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    void tilpasNavnekolonne();
    void anvendDetaljer();
    void gemBredder();
    void sorteringValgt(int kolonne, Qt::SortOrder orden);
    void fyldKolonnemenu();
    void mappeKlik(const QModelIndex &node);
    void mappeDobbeltklik(const QModelIndex &node);
    void filDobbeltklik(const QModelIndex &node);
    void fyldDrevmenu();
    void foelgDisken();
    void gemRulning();
    void genskabRulning(bool sammeMappe);

    TStrukturCompo *m_motor;
    TMappeModel *m_mapper;
    TFilModel *m_filer;
    TTraeVisning *m_mappeView;
    TTraeVisning *m_filView;
    QSplitter *m_deler;
    QMenu *m_drevmenu = nullptr;
    QPoint m_filRulning;
    QPoint m_mappeRulning;
    QMenu *m_kolonnemenu = nullptr;
    DetaljeEgenskaber m_detaljer;
    bool m_tilpasser = false;
};
