#pragma once

#include "engines/treopenfilery.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <optional>

class Dialogs;

// The console-command library: the list `dosFiler` of commands (caption =
// the command line, path = its description file in the "Dos" folder) and
// what the "Dos" page does with it. A command's description lives in a
// file named after the command; a command that a file name cannot hold is
// stored under the program's reversible name encoding, and the list keeps
// the command text itself, so every command is found again.
class TDosbibliotek : public QObject
{
    Q_OBJECT

public:
    explicit TDosbibliotek(Dialogs &dialogs, QObject *parent = nullptr);

    // The "Dos" folder (ending in "/") and the settings folder whose
    // "dosfiler.txt" holds the list.
    void saetMapper(const QString &dosMappe, const QString &optMappe);
    // Reads the list file.
    void hent();

    TReopenFilerY *dosFiler() { return &m_dosFiler; }
    QString dosMappe() const { return m_dosMappe; }

    // The description file of a command.
    QString beskrivelsesfil(const QString &kommando) const;

    // The description of the selected row; none (after telling the user)
    // when its file is gone, or when no row is selected.
    std::optional<QString> valgtBeskrivelse();

    // aInsertDos: writes the description (asking first when the file
    // exists), adds the command to the list and writes the list file.
    // False when nothing was saved.
    bool gem(const QString &kommando, const QString &beskrivelse);

    // Sorts by caption (A–Z folded, stable) one swap at a time. True when
    // anything moved; otherwise the user is told the list was sorted.
    bool sorter();

    // aSletDos and aSletAltDos, after their questions. Only the list in
    // memory changes; description files stay.
    bool sletValgte();
    bool sletAlt();

    // aDosOp and aDosNed: the selected row moves and stays selected.
    bool flytOp();
    bool flytNed();

    // The save-list button.
    bool gemListe();

    // The web search for a command: Google's search with the text as the
    // value of "q", encoded so that the browser receives exactly that text.
    static QUrl googleUrl(const QString &kommando);

signals:
    // The order of the rows changed (moved or sorted).
    void raekkefoelgeAendret();

private:
    void bytRaekker(int a, int b);

    Dialogs &m_dialogs;
    TReopenFilerY m_dosFiler;
    QString m_dosMappe;
};
