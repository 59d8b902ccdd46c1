#pragma once

#include <QObject>
#include <QPointer>

class QMenu;
class QPushButton;
class TMenuExeFiler;

// Fills a menu with the registered programs whose files exist, in columns
// of `breakNr` items with a bar between them, and rebuilds it when it opens
// after the list changed. A click starts the program through the list. Qt's menus
// only break into columns at the screen's edge, so the items are buttons
// laid out in a grid inside the menu; arrow keys, Enter and Space work as
// in a menu.
class TProgrammenu : public QObject
{
    Q_OBJECT

public:
    // The menu is owned by the caller; this object lives as its child.
    TProgrammenu(QMenu *menu, TMenuExeFiler &menuExe, int breakNr = 16);

    // Fills the menu now; it is also filled when it opens after a change.
    void MakeMenu();

    // The column of the k-th item shown (0-based).
    static int kolonne(int k, int breakNr);

    // The items now shown, in order; each knows its record by the
    // property "post".
    QList<QPushButton *> punkter();

private:
    void listeAendret();
    void klikket(int post);

    QPointer<QMenu> m_menu;
    TMenuExeFiler &m_menuExe;
    int m_breakNr;
    bool m_forandret = true;   // the list changed since the menu was filled
};
