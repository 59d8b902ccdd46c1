#include "engines/mappestruktur/mappestrukturer.h"

#include "core/dansk.h"
#include "core/filnavn.h"
#include "platform/tekstfil.h"

#include <QDir>

namespace mappestrukturer {

namespace {

const QString endelse = QStringLiteral(".txt");

// A line names a folder when it is an absolute path; blanks around it are
// what editors leave behind, never part of a path typed into this program.
QString somSti(const QString &linje)
{
    const QString sti = linje.startsWith(u'/') ? linje : linje.trimmed();
    if (!sti.startsWith(u'/') || sti.contains(QChar(0)))
        return {};
    return sti;
}

} // namespace

QList<Struktur> liste(const QString &mappe)
{
    QList<Struktur> strukturer;
    if (mappe.isEmpty())
        return strukturer;
    const QDir dir(mappe);
    const QFileInfoList filer = dir.entryInfoList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden);
    QStringList navne;
    QHash<QString, QStringList> filAf;   // a name may stand for two files ("x.txt", "x.TXT")
    for (const QFileInfo &f : filer) {
        const QString navn = filnavn::tilNavn(f.completeBaseName());
        navne << navn;
        filAf[navn].append(f.absoluteFilePath());
    }
    dansk::sorterNavne(navne);
    for (const QString &navn : navne)
        strukturer.append({navn, filAf[navn].takeFirst()});
    return strukturer;
}

QString navnAf(const QString &skrevet)
{
    QString navn = skrevet.trimmed();
    if (navn.endsWith(endelse, Qt::CaseInsensitive))
        navn.chop(endelse.size());
    return navn.trimmed();
}

QString filFor(const QString &mappe, const QString &navn)
{
    return mappe + filnavn::fraNavn(navn, int(endelse.size())) + endelse;
}

Indhold hent(const QString &fil)
{
    Indhold indhold;
    tekstfil::Laesning status;
    const QStringList linjer = tekstfil::hent(fil, tekstfil::Art::Liste, &status);
    indhold.laest = status == tekstfil::Laesning::Ok;
    for (const QString &linje : linjer) {
        const QString sti = somSti(linje);
        if (sti.isEmpty())
            ++indhold.sprunget;
        else
            indhold.mapper.append(sti);
    }
    return indhold;
}

} // namespace mappestrukturer
