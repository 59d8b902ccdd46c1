#pragma once

#include <QObject>
#include <QStringList>

class Dialogs;

// Writes the film, music and picture pages: a small web page in the folder
// of the listed files that plays or shows them one at a time. A file's name
// is shown HTML-escaped and every link is a percent-encoded file URL of its
// exact bytes, so any name plays and none can add markup or script. The
// page is UTF-8 with a byte-order mark and CR LF line ends, written whole
// under a free name: an existing page is never replaced.
class THtmlLister : public QObject
{
    Q_OBJECT

public:
    enum class Art { Film, Musik, Billeder };

    explicit THtmlLister(Dialogs *dialogs, QObject *ejer = nullptr);

    // The file name of each kind of page: "Film_afspilningsliste.html", …
    static QString sidenavn(Art art);

    // Each writes the page for `navne` (file names in the folder of
    // aFilename) at a free path near aFilename and returns that path, or
    // empty when nothing was written (the reason was told).
    QString opretFilmliste(const QString &aFilename, const QStringList &navne);
    QString opretMusikliste(const QString &aFilename, const QStringList &navne);
    QString opretBilledliste(const QString &aFilename, const QStringList &navne);
    QString opret(Art art, const QString &aFilename, const QStringList &navne);

    // The page's lines for the files `navne` in `hovedmappe`.
    static QStringList linjer(Art art, const QString &hovedmappe, const QStringList &navne);

    // Text made safe for HTML text and attribute values; bytes of a name
    // that are not valid UTF-8 and control characters show as U+FFFD.
    static QString htmlTekst(const QString &navn);
    // "file:///…" with every byte but letters, digits, "-._~" and "/"
    // percent-encoded.
    static QString filUrl(const QString &sti);

private:
    Dialogs *m_dialogs;
};
