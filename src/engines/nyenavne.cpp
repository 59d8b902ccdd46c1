#include "engines/nyenavne.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "platform/filinfo.h"

namespace nyenavne {

namespace {

// The name before a blank-separated piece equal to the marker word, trimmed;
// the name itself when there is none. A marker word at the very start is
// kept: stripping it would leave no name at all.
QString udenMarkoer(const QString &navn, const QString &konstantS)
{
    const QStringList dele = navn.split(QLatin1Char(' '));
    if (dele.size() < 2)
        return navn;
    qsizetype start = 0;
    for (const QString &del : dele) {
        if (dansk::ensAZ(del.trimmed(), konstantS)) {
            const QString foran = navn.left(start).trimmed();
            return foran.isEmpty() ? navn : foran;
        }
        start += del.size() + 1;
    }
    return navn;
}

QString forbind(const QString &mappe, const QString &navn)
{
    return mappe.isEmpty() ? navn : stier::delimKon(mappe) + navn;
}

} // namespace

QString getNewDirectoryName(const QString &aName, const QString &konstantS)
{
    const QString fuld = aName.trimmed();
    // Only the folder's own name is looked at: a parent folder whose name
    // holds the marker word must never move the new folder elsewhere.
    const QString mappe = stier::mappeAf(fuld);
    const QString base = forbind(mappe, udenMarkoer(stier::getLastDirectory(fuld), konstantS));
    QString kandidat = base;
    // The marker word always stands between two blanks, so without one the
    // number follows the name after two blanks ("B  (1)"); names given by
    // earlier versions rely on that form and are found again by it.
    const QString foerTal = base + QLatin1Char(' ') + konstantS;
    for (int i = 1; filinfo::findes(kandidat); ++i)
        kandidat = foerTal + QStringLiteral(" (") + QString::number(i) + QLatin1Char(')');
    return kandidat;
}

QString getNewFilename(const QString &oldFilename, const QString &newName, const QString &suffix,
                       Dialogs *dialogs)
{
    const QString mappe = stier::delimKon(stier::mappeAf(oldFilename));
    const QString oldExt = stier::udvidelse(stier::getLastDirectory(oldFilename));
    QString newExt = stier::udvidelse(newName);
    if (newExt.isEmpty() || dansk::ensAZ(oldExt, newExt)) {
        newExt = oldExt;
    } else {
        const QString spm = QStringLiteral("Filen var af type: ") + oldExt + QLatin1Char('\r')
                            + QStringLiteral("Skal den omdøbes til at være af type ") + newExt + QLatin1Char('?');
        if (!dialogs || !dialogs->ask(spm, false))
            newExt = oldExt;
    }
    const QString base = mappe + stier::udenUdvidelse(newName) + suffix;
    QString kandidat = base + newExt;
    for (int i = 1; filinfo::findes(kandidat); ++i)
        kandidat = base + QStringLiteral(" (") + QString::number(i) + QLatin1Char(')') + newExt;
    return kandidat;
}

QString medFiltype(const QString &skrevet, const QString &ext)
{
    // A name that is only the extension (".txt") is a name of its own.
    const bool harDenAllerede = !ext.isEmpty() && skrevet.size() > ext.size()
                                && dansk::ensAZ(skrevet.right(ext.size()), ext);
    return harDenAllerede ? skrevet : skrevet + ext;
}

QString getNewFilnavn(const QString &aFilnavn, const QString &konstantS)
{
    const QString mappe = stier::mappeAf(aFilnavn);
    const QString filnavn = stier::getLastDirectory(aFilnavn);
    const QString ext = stier::udvidelse(filnavn);
    const QString navn = stier::udenUdvidelse(filnavn);
    const QString rent = udenMarkoer(navn, konstantS);
    QString kandidat = rent == navn ? aFilnavn : forbind(mappe, rent + ext);
    for (int i = 1; filinfo::findes(kandidat); ++i)
        kandidat = forbind(mappe, rent + QLatin1Char(' ') + konstantS + QStringLiteral(" (") + QString::number(i)
                                      + QLatin1Char(')') + ext);
    return kandidat;
}

} // namespace nyenavne
