#include "engines/datamappe/skabelonkopi.h"

#include "platform/navneskift.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace skabelonkopi {

namespace {

bool kopierFil(const QString &fra, const QString &til)
{
    if (!QFile::copy(fra, til))
        return false;
    const QFileDevice::Permissions rettigheder = QFile::permissions(til);
    return QFile::setPermissions(til, rettigheder | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

bool kopierIndhold(const QString &fra, const QString &til)
{
    const QFileInfoList poster = QDir(fra).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &post : poster) {
        const QString ny = til + "/" + post.fileName();
        if (post.isSymLink())
            continue;
        if (post.isDir()) {
            if (!QDir().mkdir(ny) || !kopierIndhold(post.filePath(), ny))
                return false;
        } else if (post.isFile()) {
            if (!kopierFil(post.filePath(), ny))
                return false;
        }
    }
    return true;
}

// Leftovers of a copy that was cut short; they hold nothing the user made.
void fjernRester(const QString &maal)
{
    const QFileInfo info(maal);
    const QString praefiks = QFileInfo(midlertidigPraefiks(maal)).fileName();
    const QFileInfoList rester = info.dir().entryInfoList({praefiks + "*"},
                                                          QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo &rest : rester) {
        if (!rest.isSymLink())
            QDir(rest.filePath()).removeRecursively();
    }
}

QString lavMidlertidigMappe(const QString &maal)
{
    for (int forsoeg = 0; forsoeg < 16; ++forsoeg) {
        const QString navn = midlertidigPraefiks(maal)
                             + QString::number(QRandomGenerator::global()->generate(), 36);
        if (QDir().mkdir(navn))
            return navn;
    }
    return {};
}

// Never replaces a target that appeared meanwhile (plain rename(2) would
// silently replace an empty folder).
bool flytPaaPlads(const QString &fra, const QString &til)
{
    return navneskift::flyt(fra, til) == navneskift::Udfald::Ok;
}

} // namespace

QString midlertidigPraefiks(const QString &maal)
{
    const QFileInfo info(maal);
    return info.path() + "/." + info.fileName() + ".ufaerdig-";
}

bool kopier(const QString &skabelon, const QString &maal, const Tilpasning &tilpas)
{
    if (!QFileInfo(skabelon).isDir() || QFileInfo::exists(maal))
        return false;
    fjernRester(maal);
    const QString kopi = lavMidlertidigMappe(maal);
    if (kopi.isEmpty())
        return false;
    const bool faerdig = kopierIndhold(skabelon, kopi) && (!tilpas || tilpas(kopi))
                         && flytPaaPlads(kopi, maal);
    if (!faerdig)
        QDir(kopi).removeRecursively();
    return faerdig;
}

} // namespace skabelonkopi
