#pragma once

#include "engines/stifinderregler.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

class QAction;
class QIcon;
class QMenu;
class QWidget;

// The explorer window's command table: every command as a named action
// with its caption, hint, keys and picture, the menus built from them, and
// the enable rules applied from a snapshot of the window's state.
//
// A command runs only the work bound to it with setArbejde. A command with
// no work bound
// stays disabled whatever its rule says, so nothing pretends to work.
class TStifinderKommandoer : public QObject
{
    Q_OBJECT

public:
    // The actions become the window's own, with keys that act while the
    // window or any of its children has the focus.
    explicit TStifinderKommandoer(QWidget *vindue);

    QAction *kommando(const QString &navn) const;
    QStringList navne() const { return m_navne; }

    void setArbejde(const QString &navn, std::function<void()> arbejde);
    bool harArbejde(const QString &navn) const { return m_arbejde.contains(navn); }
    // Runs a command's work. While it runs (a paste keeps the program alive
    // by processing events, a dialog waits for its answer) the window must
    // not go away under it: koerer() says so, and ledig() follows when the
    // last running command has returned.
    void koer(const QString &navn);
    bool koerer() const { return m_koerer > 0; }

    void opdater(const stifinderregler::Tilstand &t);

    // Context menus of the trees.
    QMenu *elementMenu() const { return m_elementMenu; }
    QMenu *drevMenu() const { return m_drevMenu; }
    QMenu *privatMenu() const { return m_privatMenu; }
    QMenu *menuFor(stifinderregler::Kontekstmenu art) const;

    // Menus of the split buttons. Their items run the work directly, without
    // the commands' rules: they can only be reached while the button is enabled.
    QMenu *nyFilMenu() const { return m_nyFilMenu; }
    QMenu *koerMenu() const { return m_koerMenu; }
    QMenu *htmlMenu() const { return m_htmlMenu; }
    QMenu *markerMenu() const { return m_markerMenu; }

    // The two pictures of the update method and of the focus buttons.
    static QIcon opdateringsBillede(bool bloker);
    static QIcon fokusBillede(bool aktiv);

signals:
    void ledig();

private:
    void opretTabel(QWidget *vindue);
    QMenu *lavMenu(QWidget *vindue, const QStringList &navne);
    QMenu *lavGenvejsmenu(QWidget *vindue, const QList<QPair<QString, QString>> &punkter);

    QStringList m_navne;
    QHash<QString, QAction *> m_kommandoer;
    QHash<QString, std::function<void()>> m_arbejde;
    int m_koerer = 0;
    QMenu *m_elementMenu = nullptr;
    QMenu *m_drevMenu = nullptr;
    QMenu *m_privatMenu = nullptr;
    QMenu *m_nyFilMenu = nullptr;
    QMenu *m_koerMenu = nullptr;
    QMenu *m_htmlMenu = nullptr;
    QMenu *m_markerMenu = nullptr;
};
