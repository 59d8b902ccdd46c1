#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QSplitter;
class QTreeView;
class TKopiliste;
class TKopilister;

// The copy lists window "Klipbord": the folder list and the file list of one
// explorer window (or of all of them when they share one), with commands to
// tick, untick and remove entries, the size of the ticked elements, and the
// way back to the explorer window. It only shows the lists: they belong to
// the explorer window, which goes on using them when this window goes. Its
// settings file is written when "Linjevalg" is clicked, never at close.
class Tlisteform : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MinBredde = 632;
    static constexpr int StandardPanel = 350;

    // `nummer` is the explorer window's number (NewCount); with `delt` the
    // caption and the settings file are those of the one shared window.
    Tlisteform(TKopilister *lister, int nummer, bool delt, const QString &optMappe, QWidget *parent = nullptr);

    static QString settingsfil(const QString &optMappe, int nummer, bool delt);

    TKopilister *lister() const { return m_lister; }
    QString optfilnavn() const { return m_optfilnavn; }
    bool linjevalg() const;
    int mappePanelBredde() const;
    QAction *kommando(const QString &navn) const;
    QTreeView *Mappeliste() const { return m_mappeVisning; }
    QTreeView *Filliste() const { return m_filVisning; }

    int getElementAntal() const;
    void ClearCopyLister();
    void sletAlt1Execute();
    void sletAlt2Execute();
    void sletBeggeListerExecute();
    // Shows the counts; an empty text leaves that label as it is.
    void udskrivMappeFilInf(const QString &mapper, const QString &filer);
    void opdaterKommandoer();

signals:
    // "Stifinderen": bring the owning explorer window to the front.
    void stifinderOensket(const QString &winformCaption);
    // "Info": the owning explorer window computes the size.
    void beregnOensket();

private:
    QAction *kommando(const QString &navn, const QString &tekst, const QString &hint);
    QWidget *listePanel(TKopiliste *liste, QTreeView *&visning, const QStringList &kommandoer, bool medSletBegge);
    void fjernValgte(TKopiliste *liste, QTreeView *visning);
    void anvendLinjevalg();
    void gemIndstillinger();
    void visStoerrelse(const QString &stoerrelse, const QString &mapper, const QString &filer,
                       const QString &information);

    TKopilister *m_lister;
    QString m_optfilnavn;
    QTreeView *m_mappeVisning = nullptr;
    QTreeView *m_filVisning = nullptr;
    QSplitter *m_deler = nullptr;
    QLabel *m_stoerrelse = nullptr;
    QLabel *m_antalMapper = nullptr;
    QLabel *m_antalFiler = nullptr;
    QLabel *m_information = nullptr;
    QCheckBox *m_linjevalg = nullptr;
    int m_panelFraFil = StandardPanel;
};
