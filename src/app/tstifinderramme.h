#pragma once

#include "explorer/trammeforbindelse.h"

#include <QFont>

class Tmainform;
class TStrukturmenu;

// The main window as its explorer windows see it: the shared choices of
// its settings page, its path field and status line, the program-wide
// count of running functions, help, and the homemade-structures menu.
class TStifinderRamme : public TRammeForbindelse
{
public:
    TStifinderRamme(Tmainform &hoved, TStrukturmenu &strukturmenu);

    // The trees' font for the "Fontstørrelse" and "Fontnavn" choices:
    // 8, 9 or 10 points; "Default" keeps the desktop's font family.
    static QFont traeSkrift(int Fontbox, int FontnavnBox);

    QString optMappe() const override;
    QString brugernavn() const override;
    Dialogs &dialogs() override;
    RammeValg valg() const override;
    int processCount() const override;
    void aendrProcessCount(int delta) override;
    void opdaterKommandoer() override;
    void skrivSti(const QString &sti) override;
    QString editSti() const override;
    void UdskrivInfo(const QString &tekst) override;
    void makeInfo(const QString &titel, const QString &tekst) override;
    void InfoHelp(const QString &side) override;
    void skiftBlokerFunktioner() override;
    void skiftTopPanel() override;
    void loadMappeStruktur() override;
    QMenu *strukturMenu() override;
    void aabnStrukturskabeloner() override;
    void CallOnClick() override;
    void visRammeIndstilling(bool klipbord) override;

private:
    Tmainform &m_hoved;
    TStrukturmenu &m_strukturmenu;
};
