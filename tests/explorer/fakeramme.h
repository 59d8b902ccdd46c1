#pragma once

#include "explorer/trammeforbindelse.h"
#include "explorer/twinform.h"

#include "fakedialogs.h"

#include <QList>
#include <QPointer>
#include <QStringList>

// A frame for explorer-window tests: the shared choices are plain fields,
// the path field is a string, and every status text, notification and help
// page asked for is recorded. Toggling "Bloker funktioner" or the function
// bar reaches every registered window, as the real frame does.
class FakeRamme : public TRammeForbindelse
{
public:
    explicit FakeRamme(const QString &optMappe) : m_optMappe(optMappe) {}

    QString optMappe() const override { return m_optMappe; }
    QString brugernavn() const override { return QStringLiteral("ann"); }
    Dialogs &dialogs() override { return beskeder; }
    RammeValg valg() const override { return v; }
    void aendrProcessCount(int delta) override { v.processCount += delta; }
    void opdaterKommandoer() override { ++rammeOpdateringer; }
    void skrivSti(const QString &sti) override { editSti_ = sti; }
    QString editSti() const override { return editSti_; }
    void UdskrivInfo(const QString &tekst) override { statuslinje.append(tekst); }
    void makeInfo(const QString &titel, const QString &tekst) override { notifikationer.append(titel + ": " + tekst); }
    void InfoHelp(const QString &side) override { hjaelpesider.append(side); }
    void skiftBlokerFunktioner() override
    {
        v.blokerFunktioner = !v.blokerFunktioner;
        for (Twinform *w : vinduer())
            w->setActionUpdates(v.blokerFunktioner);
    }
    void skiftTopPanel() override
    {
        v.vistoppanel = !v.vistoppanel;
        for (Twinform *w : vinduer())
            w->anvendFaellesValg();
    }
    void loadMappeStruktur() override { ++strukturMenuFyldt; }
    QMenu *strukturMenu() override { return nullptr; }
    void aabnStrukturskabeloner() override {}
    void CallOnClick() override {}
    void visRammeIndstilling(bool klipbord) override { rammeIndstillinger.append(klipbord); }

    void registrer(Twinform *w) { m_vinduer.append(w); }
    QList<Twinform *> vinduer() const
    {
        QList<Twinform *> ud;
        for (const QPointer<Twinform> &w : m_vinduer)
            if (w)
                ud.append(w);
        return ud;
    }

    RammeValg v;
    FakeDialogs beskeder;
    QString editSti_;
    QStringList statuslinje;
    QStringList notifikationer;
    QStringList hjaelpesider;
    QList<bool> rammeIndstillinger;
    int rammeOpdateringer = 0;
    int strukturMenuFyldt = 0;

private:
    QString m_optMappe;
    QList<QPointer<Twinform>> m_vinduer;
};
