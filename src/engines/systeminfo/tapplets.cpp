#include "engines/systeminfo/tapplets.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tstarter.h"
#include "platform/skriptudfald.h"

const TApplets::Applet TApplets::tabel[20] = {
    {"Kontrolpanel", "Åbner skrivebordets indstillinger med adgang til forskellige computerindstillinger",
     "kontrolpanel.sh"},
    {"Windows firewall", "Åbner indstillingerne for firewallen", "windows_firewall.sh"},
    {"Brugerkonti", "Åbner indstillingernes side Brugere", "bruger_konti.sh"},
    {"Netværks forbindelser", "Åbner indstillingerne for netværksforbindelser", "net_forbindelser.sh"},
    {"Sikkerhed", "Åbner indstillingernes side om sikkerhed", "actioncenter.sh"},
    {"Programmer", "Åbner programmet til at installere og fjerne programmer", "add_remove_programmer.sh"},
    {"Skærmopløsning", "Åbner indstillingerne for skærme og skærmopløsning", "vis_egenskaber.sh"},
    {"Strømstyring", "Åbner indstillingerne for strømstyring", "power_options.sh"},
    {"Internet indstillinger", "Åbner en dialogboks med indstillinger for internettet", "internet_egenskaber.sh"},
    {"Dato og klokken", "Åbner boks med mulighed for at indstille dato og klokkeslet", "dato_tid.sh"},
    {"Område", "Åbner en boks med mulighed for at bestemme sprog, dato og klokkesletsformater",
     "region_sprog-info.sh"},
    {"ODBC", "Åbner ODBC-driverlisten /etc/odbcinst.ini til redigering", "ODBC.sh"},
    {"Telefon og modem", "Åbner indstillingerne for mobilt bredbånd", "telefon_modem.sh"},
    {"Lyd", "Åbner en boks angående afspilning, optagelse, lyde samt kommunikation", "lyd.sh"},
    {"Spilleenheder", "Fører til boksen Spilleenheder", "game_controllers.sh"},
    {"Enhedshåndtering", "Viser en liste over enheder i computeren eller forbundet hermed", "enhedshåndtering.sh"},
    {"Egenskaber for mus", "Åbner boks hvor der kan bestemmes egenskaber for mus", "mus_egenskaber.sh"},
    {"Skrifttyper", "Åbner indstillingerne for skrifttyper", "fonts.sh"},
    {"System oplysninger", "Åbner en oversigt med oplysninger om systemets elementer", "systemoplysninger.sh"},
    {"Egenskaber for system", "Åbner en dialogboks med egenskaber for system", "system_egenskaber.sh"},
};

const TApplets::Applet *TApplets::find(const QString &script)
{
    for (const Applet &a : tabel)
        if (script == QString::fromUtf8(a.script))
            return &a;
    return nullptr;
}

TApplets::TApplets(Dialogs &dialogs, const QString &appletsDir, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_appletsDir(stier::delimKon(appletsDir))
{
}

QString TApplets::ingenTekst(const QString &tekst)
{
    return QStringLiteral("Der er intet program på denne computer, som kan åbne \"") + tekst
           + QStringLiteral("\".\rSkrivebordets indstillingsprogram eller et passende værktøj er ikke installeret.");
}

int TApplets::koer(const QString &script, const QString &tekst)
{
    const QString sti = m_appletsDir + script;
    const int kode = skriptudfald::start(sti, {}, this, [this, script, tekst](int exitkode) {
        if (exitkode == 127)
            m_dialogs.inform(ingenTekst(tekst));
        else if (exitkode != 0)
            m_dialogs.inform(QStringLiteral("Der opstod en ukendt fejl."));
        emit afsluttet(script, exitkode);
    });
    if (kode <= 32)
        m_dialogs.inform(TStarter::ErrorTekst(kode));
    return kode;
}
