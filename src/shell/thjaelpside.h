#pragma once

#include "shell/tlinjetrae.h"

#include <QTabWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Dialogs;
class THjaelp;

// Page "Information" of the left panel: the help contents tree (sub-page
// "Struktur") and the full-text search over the help pages ("Søg").
class THjaelpside : public QTabWidget
{
    Q_OBJECT

public:
    THjaelpside(THjaelp &hjaelp, Dialogs &dialogs, QWidget *parent = nullptr);

    // Fills the tree from the loaded contents.
    void visStruktur();
    void saetLinjer(bool medLinjer);
    void soeg();

    QTreeWidget *struktur() const { return m_struktur; }
    QLineEdit *soegefelt() const { return m_editFind; }
    QListWidget *resultater() const { return m_findis; }

protected:
    bool eventFilter(QObject *obj, QEvent *event) override;

private:
    QWidget *bygStrukturside();
    QWidget *bygSoegeside();
    void vaelgNode(int node);
    void klikINode();
    void aabnResultat();

    THjaelp &m_hjaelp;
    Dialogs &m_dialogs;
    TLinjeTrae *m_struktur;
    QLabel *m_antalLabel;
    QLineEdit *m_editFind;
    QListWidget *m_findis;
    class QAction *m_aSearch;
    QList<QTreeWidgetItem *> m_noder;
};
