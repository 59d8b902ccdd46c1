#include "engines/tstarter.h"

#include "core/dialogs.h"
#include "platform/aabner.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcess>

TStarter::TStarter(Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
{
}

int TStarter::meld(int kode)
{
    if (kode <= 32)
        m_dialogs.inform(ErrorTekst(kode, kode == aabner::ProgramMangler ? aabner::manglendeProgram() : QString())
                         + u'\r');
    return kode;
}

std::function<void(int)> TStarter::senereFejl()
{
    QPointer<TStarter> selv(this);
    return [selv](int kode) {
        if (selv)
            selv->ErrorInfo(kode);
    };
}

int TStarter::runFilname(const QString &aFilename, quint8 fileRunNumber)
{
    if (!QFileInfo::exists(aFilename))
        return aabner::FilIkkeFundet;
    return OpenFilen(aFilename, fileRunNumber != 0);
}

int TStarter::OpenFilen(const QString &aFilnavn, bool forRedigering)
{
    const aabner::Verbum verbum = forRedigering ? aabner::Verbum::Rediger : aabner::Verbum::Aabn;
    return meld(aabner::execute(verbum, aFilnavn, {}, QFileInfo(aFilnavn).absolutePath(), senereFejl()));
}

int TStarter::OpenFilMedProgram(const QString &aProgram, const QString &aFilnavn)
{
    return OpenFilMedProgram(aProgram, parametreFraTekst(aFilnavn));
}

int TStarter::OpenFilMedProgram(const QString &aProgram, const QStringList &parametre, bool maksimeret)
{
    return meld(aabner::koerProgram(aProgram, parametre, {}, maksimeret, senereFejl()));
}

QStringList TStarter::parametreFraTekst(const QString &tekst)
{
    return QProcess::splitCommand(tekst);
}

void TStarter::ErrorInfo(int Nr)
{
    m_dialogs.inform(ErrorTekst(Nr) + u'\r');
}

QString TStarter::ErrorTekst(int Nr, const QString &program)
{
    if (Nr == aabner::ProgramMangler && !program.isEmpty())
        return QStringLiteral("Programmet ") + program + QStringLiteral(" blev ikke fundet.\r")
               + QStringLiteral("Det skal være installeret, før det kan startes.");
    return ErrorTekst(Nr);
}

QString TStarter::ErrorTekst(int Nr)
{
    switch (Nr) {
    case 0:
        return QStringLiteral("Operationssystemet er løbet tør for hukommelse eller resourcer.");
    case 2:
        return QStringLiteral("Den specificerede fil blev ikke fundet.");
    case 3:
        return QStringLiteral("Stien blev ikke fundet.");
    case 5:
        return QStringLiteral("Operationssystemet forbød adgang til filen.");
    case 8:
        return QStringLiteral("Der var ikke hukommelse nok til at fuldføre operationen.");
    case 11:
        return QStringLiteral("Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).");
    // Two situations the shell's codes have no text for: the program that
    // should run or open the file, or the terminal it needs, is missing.
    case aabner::ProgramMangler:
        return QStringLiteral("Programmet, der skulle startes, blev ikke fundet.");
    case aabner::IngenTerminal:
        return QStringLiteral("Der blev ikke fundet et terminalprogram at køre det i.\r"
                              "Installer for eksempel xterm.");
    case 26:
        return QStringLiteral("Der opstod en \"sharing violation\".");
    case 27:
        return QStringLiteral("Filnavnsassociatonen er ukomplet eller invalid");
    case 28:
        return QStringLiteral("\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".");
    case 29:
        return QStringLiteral("\"DDE transaction\" mislykkedes.");
    case 30:
        return QStringLiteral("Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\r"
                              "fordi andre \"DDE transactions\" skulle udføres.");
    case 31:
        return QStringLiteral("Der er ikke associeret noget program til givne filefternavn.\r"
                              "Der er muligvist valgt: For redigering.\r"
                              "Der skal muligvist vælges: For kørsel.");
    case 32:
        return QStringLiteral("Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.");
    default:
        return QStringLiteral("Meningsløs operation eller ukendt fejl.");
    }
}
