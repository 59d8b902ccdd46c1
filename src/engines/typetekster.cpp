#include "engines/typetekster.h"

#include "core/stier.h"

#include <QHash>
#include <QMimeDatabase>
#include <QMutex>

namespace typetekster {

namespace {

// The description in Danish whatever the user's language is: the MIME
// database answers in the default locale's language, which the program sets
// to Danish at start, and a type without a Danish text falls back to its
// English one, never to the bare MIME name.
QString beskrivelse(const QString &navn)
{
    static const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForFile(navn, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault())
        return {};
    const QString tekst = type.comment();
    if (tekst.isEmpty() || tekst == type.name())
        return {};
    // The database writes most descriptions in lower case ("tekstdokument");
    // a column reads better with a capital first letter.
    return tekst.at(0).toUpper() + tekst.mid(1);
}

} // namespace

QString typeTekst(QStringView navn, bool mappe)
{
    if (mappe)
        return QStringLiteral("Mappe");
    const QString n = navn.toString();
    const qsizetype punktum = n.indexOf(QLatin1Char('.'), 1);
    if (punktum < 0)
        return beskrivelse(n); // "Makefile", "README": a few names are types of their own
    // Everything after the first dot is the key, so ".tar.gz" and ".gz" stay apart.
    const QString noegle = n.mid(punktum);
    static QMutex laas;
    static QHash<QString, QString> kendte;
    {
        const QMutexLocker l(&laas);
        const auto k = kendte.constFind(noegle);
        if (k != kendte.constEnd())
            return *k;
    }
    QString tekst = beskrivelse(n);
    if (tekst.isEmpty())
        tekst = stier::udvidelse(n);
    const QMutexLocker l(&laas);
    kendte.insert(noegle, tekst);
    return tekst;
}

} // namespace typetekster
