#pragma once

#include "core/dialogs.h"
#include "explorer/trammeforbindelse.h"

#include <QObject>

class QWidget;

// What an explorer window uses when it is made without a frame connection:
// its own settings folder, the running user, message boxes of its own and
// the frame's defaults for every shared choice. The path field is kept here
// and announced through `stiSkiftet`.
class TEgenRamme : public QObject, public TRammeForbindelse, public Dialogs
{
    Q_OBJECT

public:
    TEgenRamme(const QString &optMappe, QWidget *vindue);

    QString optMappe() const override { return m_optMappe; }
    QString brugernavn() const override;
    Dialogs &dialogs() override { return *this; }
    RammeValg valg() const override { return m_valg; }
    void aendrProcessCount(int delta) override { m_valg.processCount += delta; }
    void opdaterKommandoer() override {}
    void skrivSti(const QString &sti) override;
    QString editSti() const override { return m_sti; }
    void UdskrivInfo(const QString &) override {}
    void makeInfo(const QString &, const QString &) override {}
    void InfoHelp(const QString &) override {}
    void skiftBlokerFunktioner() override;
    void skiftTopPanel() override;
    void loadMappeStruktur() override {}
    QMenu *strukturMenu() override { return nullptr; }
    void aabnStrukturskabeloner() override {}
    void CallOnClick() override {}
    void visRammeIndstilling(bool) override {}

    void inform(const QString &tekst) override;
    bool ask(const QString &tekst, bool visAlleCheck = false, bool *alle = nullptr) override;

signals:
    void stiSkiftet(const QString &sti);

private:
    QString m_optMappe;
    QWidget *m_vindue;
    RammeValg m_valg;
    QString m_sti;
};
