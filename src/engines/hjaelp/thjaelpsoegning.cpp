#include "engines/hjaelp/thjaelpsoegning.h"

#include "core/dansk.h"
#include "engines/hjaelp/thjaelpindhold.h"
#include "engines/ordtegn.h"
#include "platform/tekstfil.h"

#include <QDir>
#include <QFile>

bool indeholderHeltOrd(const QString &tekst, const QString &ord)
{
    if (ord.isEmpty())
        return false;
    qsizetype fra = 0;
    while ((fra = tekst.indexOf(ord, fra, Qt::CaseInsensitive)) >= 0) {
        const qsizetype slut = fra + ord.size();
        const bool venstreFri = fra == 0 || !erOrdtegn(tekst.at(fra - 1).unicode()) || !erOrdtegn(ord.front().unicode());
        const bool hoejreFri = slut >= tekst.size() || !erOrdtegn(tekst.at(slut).unicode()) || !erOrdtegn(ord.back().unicode());
        if (venstreFri && hoejreFri)
            return true;
        ++fra;
    }
    return false;
}

QStringList soegIHjaelpesider(const QString &infoDir, const QString &soegetekst)
{
    QStringList fund;
    const QDir mappe(infoDir);
    const auto filer = mappe.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &fil : filer) {
        // Only regular files are read: a pipe in the folder would block.
        tekstfil::Laesning status = tekstfil::Laesning::Ok;
        const QByteArray data =
            tekstfil::hentBytes(fil.filePath(), tekstfil::maksStoerrelse(tekstfil::Art::Liste), &status, false);
        if (status != tekstfil::Laesning::Ok)
            continue;
        if (indeholderHeltOrd(tekstfil::dekod(data), soegetekst))
            fund.append(udenEndelse(fil.fileName()));
    }
    dansk::sorterNavne(fund);
    return fund;
}

QString findHjaelpeside(const QString &infoDir, const QString &sidenavn)
{
    if (sidenavn.isEmpty() || sidenavn.contains(u'/'))
        return {};
    const QDir mappe(infoDir);
    const QFileInfo eksakt(mappe.filePath(sidenavn));
    if (eksakt.isFile())
        return eksakt.filePath();
    const auto filer = mappe.entryList(QDir::Files, QDir::Name);
    for (const QString &navn : filer)
        if (navn.compare(sidenavn, Qt::CaseInsensitive) == 0)
            return mappe.filePath(navn);
    return {};
}
