#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Dialogs;

// Starting and opening files and programs for every window, with the
// messages for the result codes. Nothing here waits for a started program;
// a failure found before the start is shown at once, one that shows only
// shortly after the start is shown when it arrives.
class TStarter : public QObject
{
    Q_OBJECT

public:
    explicit TStarter(Dialogs &dialogs, QObject *parent = nullptr);

    // Opens (fileRunNumber 0) or edits (any other value) the file; a shell
    // script is run in a terminal that stays open. A missing file does
    // nothing. Returns the result code (above 32: started).
    int runFilname(const QString &aFilename, quint8 fileRunNumber);

    // Opens the file with "edit" or "open", in its own folder.
    int OpenFilen(const QString &aFilnavn, bool forRedigering);

    // Starts aProgram with a parameter text of quoted paths ("a b" "c"),
    // split as a command line would be: each path one argument.
    int OpenFilMedProgram(const QString &aProgram, const QString &aFilnavn);
    // Starts aProgram with each entry of `parametre` as one argument.
    int OpenFilMedProgram(const QString &aProgram, const QStringList &parametre, bool maksimeret = false);

    // Shows the message of a result code.
    void ErrorInfo(int Nr);
    static QString ErrorTekst(int Nr);
    // The message naming the missing `program` for ProgramMangler.
    static QString ErrorTekst(int Nr, const QString &program);

    // A parameter text of quoted paths as separate arguments.
    static QStringList parametreFraTekst(const QString &tekst);

private:
    int meld(int kode);
    std::function<void(int)> senereFejl();

    Dialogs &m_dialogs;
};
