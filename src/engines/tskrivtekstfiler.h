#pragma once

#include <QObject>
#include <QStringList>

class Dialogs;

// Writes a new text file from a template chosen by its extension, under a
// free name, so an existing file is never replaced. New files are UTF-8
// with a byte-order mark and CR LF after every line; an extension without a
// template gives a file holding only the byte-order mark.
class TSkrivTekstfiler : public QObject
{
    Q_OBJECT

public:
    explicit TSkrivTekstfiler(Dialogs *dialogs, QObject *ejer = nullptr);

    // The path actually written (a numbered name when aFilename is taken),
    // or empty when nothing could be written.
    QString opretTekstfil(const QString &aFilename);

    // aFilename when it is free, else "name (1).ext", "name (2).ext", …
    // Sets Hovedmappe and Ext.
    QString getFilnavn(const QString &aFilename);
    // Writes `linjer` (UTF-8 with a byte-order mark) into a new file under
    // the first free name for `aFilename` ("navn (1).ext", ...), never
    // replacing a file, also not one that appears meanwhile. The path, or
    // empty; `systemfejl` is then set when the system refused the file.
    QString opretUnderFritNavn(const QString &aFilename, const QStringList &linjer, bool *systemfejl = nullptr);

    // The template lines for an extension, compared with exact letter case.
    static QStringList skabelon(const QString &ext);

    QString Hovedmappe;   // the folder of the file being written
    QString Ext;          // its extension with the dot, letter case kept

private:
    Dialogs *m_dialogs;
};
