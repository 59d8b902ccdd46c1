#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class TDeleteCompo;
class TMetodeCompo;
class TOmdoebDialog;
class TRammeForbindelse;
class TSkrivTekstfiler;
class TStrukturCompo;
class TextForm;
class TrenameForm;
class Twinform;

// The explorer window's commands that act on the selected elements: rename
// by dialog, new extensions, new folder, new file from a template, delete
// to the trash or permanently, the desktop's recent files, emptying the
// trash and the explanation of the media lists. Each runs the engines and
// then brings the window back in line through its public methods.
//
// The window creates one with its frame connection, its operations object
// and its delete object; the window's command table runs its commands.
class TElementKommandoer : public QObject
{
    Q_OBJECT

public:
    TElementKommandoer(Twinform &vindue, TRammeForbindelse &ramme, TMetodeCompo &metode, TDeleteCompo &sletter);
    ~TElementKommandoer() override;

    void Rename();
    void RenameExt();
    void NyMappe();
    void nyFil(const QString &filnavn);
    void slet(bool tilPapirkurv);
    void tilfoejSeneste();
    void rensSeneste();
    void toemPapirkurv();
    void htmlForklaring();

    // While another function runs and the frame's "Informer" is on, asks
    // "Der er allerede en funktion kørende." with the command's own last
    // lines; true when the command may go on.
    bool maaKoere(const QString &spoergsmaal);

    // Shows a dialog filled with folder, old value and new value and says
    // whether "Omdøb" was pressed. Tests replace it to play the user.
    using DialogVisning = std::function<bool(TOmdoebDialog &dialog, const QString &mappe, const QString &gammel,
                                             const QString &ny)>;
    void setDialogVisning(DialogVisning visning) { m_visDialog = std::move(visning); }

    TrenameForm *renameForm();
    TextForm *extForm();

private:
    bool visDialog(TOmdoebDialog &dialog, const QString &mappe, const QString &gammel, const QString &ny = {});
    void startOmdoebIStedet();

    Twinform &m_vindue;
    TRammeForbindelse &m_ramme;
    TMetodeCompo &m_metode;
    TDeleteCompo &m_sletter;
    TStrukturCompo *m_motor;
    TSkrivTekstfiler *m_skriver;
    QPointer<TrenameForm> m_renameForm;
    QPointer<TextForm> m_extForm;
    DialogVisning m_visDialog;
};
