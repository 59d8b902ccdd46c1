#pragma once

#include "engines/stifinderregler.h"

#include <QObject>
#include <QToolBar>

class QMenu;
class QToolButton;
class QWidget;
class TAktivitetsviser;
class TStifinderKommandoer;

// The explorer window's button rows built from its command table: the
// function bar (`topPanel`) with the activity indicator at its end, and the
// toolbar (`Redskabslinje`) with its three groups — folder tree, file tree
// and the right-hand group. The left group is kept as wide as the folder
// tree by the window. When the three groups do not fit side by side, the
// right-hand group moves to a second row below the file tree's group, so
// no command disappears behind the toolbar's overflow button.
class TStifinderLinjer : public QObject
{
    Q_OBJECT

public:
    TStifinderLinjer(TStifinderKommandoer *kommandoer, QWidget *vindue);

    QWidget *topPanel() const { return m_topPanel; }
    QWidget *redskabslinje() const { return m_redskabslinje; }
    QWidget *venstreGruppe() const { return m_venstre; }
    TAktivitetsviser *aktivitetsviser() const { return m_viser; }

    QMenu *kunDrevMenu() const { return m_kunDrevMenu; }
    QMenu *drevMenu() const { return m_drevMenu; }
    QToolButton *strukturKnap() const { return m_strukturKnap; }

    // "Vis alle markerknapper": the three select buttons in place of the
    // split button.
    void setMarkerButton(bool alle);

    // Whether the right-hand group stands in a second row.
    bool toRaekker() const { return m_toRaekker; }

protected:
    bool eventFilter(QObject *objekt, QEvent *event) override;

private:
    QToolBar *lavGruppe(const QString &navn, QWidget *parent);
    QToolButton *delt(QToolBar *gruppe, stifinderregler::Kommando kommando, QMenu *menu);
    void lavTopPanel(QWidget *vindue);
    void lavRedskabslinje(QWidget *vindue);
    void placerGrupper();

    TStifinderKommandoer *m_k;
    QWidget *m_topPanel = nullptr;
    QWidget *m_redskabslinje = nullptr;
    QToolBar *m_venstre = nullptr;
    QToolBar *m_midte = nullptr;
    QToolBar *m_hoejre = nullptr;
    bool m_toRaekker = false;
    TAktivitetsviser *m_viser = nullptr;
    QMenu *m_kunDrevMenu = nullptr;
    QMenu *m_drevMenu = nullptr;
    QToolButton *m_strukturKnap = nullptr;
    QToolButton *m_markerKnap = nullptr;
    QWidget *m_markerGruppe = nullptr;
    QList<QToolButton *> m_markerKnapper;
    int m_fuldBredde = 0;   // the function bar's width with captions
};
