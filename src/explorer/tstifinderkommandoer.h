#pragma once

#include "engines/stifinderregler.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QStyle>

#include <array>
#include <functional>

class QAction;
class QIcon;
class QMenu;
class QWidget;
class Twinform;

namespace stifinderkommandoer {

using stifinderregler::Kommando;

// What a command needs beyond its rule: a piece of work the rest of the
// program hands the window, or (Mangler) a window the program does not have,
// which keeps the command disabled.
enum class Forudsaetning { Ingen, Starter, MedProgram, Omdoebning, Mangler };

using Handling = void (*)(Twinform &vindue);

// One command of the explorer window: everything about it in one row.
struct Raekke
{
    Kommando id;
    const char *navn;       // the action's object name
    const char *tekst;
    const char *hint;
    QList<QKeySequence> taster;
    const char *tema;       // theme icon names, "|" between alternatives
    QStyle::StandardPixmap reserve;  // SP_CustomBase: no picture
    stifinderregler::Regel regel;
    Handling handling;      // null only with Forudsaetning::Mangler
    Forudsaetning kraever = Forudsaetning::Ingen;
};

// The rows in toolbar order, row i holding command i.
const QList<Raekke> &tabel();
const Raekke &raekke(Kommando id);

} // namespace stifinderkommandoer

// The explorer window's command table made into actions: each row's
// caption, hint, keys and picture, the menus built from them, the rows'
// enable rules applied from a snapshot of the window's state, and each
// row's handler run on the window.
class TStifinderKommandoer : public QObject
{
    Q_OBJECT

public:
    using Kommando = stifinderregler::Kommando;

    // The actions become the window's own, with keys that act while the
    // window or any of its children has the focus. The handlers run on
    // `maal`; without one the commands only show.
    explicit TStifinderKommandoer(QWidget *vindue, Twinform *maal = nullptr);

    QAction *kommando(Kommando id) const { return m_kommandoer.at(int(id)); }

    // Replaces a command's work by other work (a test watching a command).
    void erstat(Kommando id, std::function<void()> arbejde);
    // Whether the window has what the command needs beyond its rule.
    std::function<bool(stifinderkommandoer::Forudsaetning)> harForudsaetning;
    bool tilgaengelig(Kommando id) const;
    // Runs a command's work. While it runs (a paste keeps the program alive
    // by processing events, a dialog waits for its answer) the window must
    // not go away under it: koerer() says so, and ledig() follows when the
    // last running command has returned.
    void koer(Kommando id);
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
    QMenu *lavMenu(QWidget *vindue, const QList<Kommando> &kommandoer);
    QMenu *lavGenvejsmenu(QWidget *vindue, const QList<QPair<QString, Kommando>> &punkter);

    Twinform *m_maal;
    std::array<QAction *, stifinderregler::AntalKommandoer> m_kommandoer{};
    std::array<std::function<void()>, stifinderregler::AntalKommandoer> m_erstatninger;
    int m_koerer = 0;
    QMenu *m_elementMenu = nullptr;
    QMenu *m_drevMenu = nullptr;
    QMenu *m_privatMenu = nullptr;
    QMenu *m_nyFilMenu = nullptr;
    QMenu *m_koerMenu = nullptr;
    QMenu *m_htmlMenu = nullptr;
    QMenu *m_markerMenu = nullptr;
};
