#include "platform/systemmapper.h"

#include "platform/brugernavn.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace systemmapper {

QString grundMappe()
{
    return QDir::cleanPath(brugernavn::hjemmemappe() + "/Marvikel");
}

QStringList programMappeKandidater()
{
    QStringList kandidater;
    kandidater << QDir::cleanPath(QCoreApplication::applicationDirPath() + "/"
                                  + QStringLiteral(MARVIKEL_REL_DATADIR));
    kandidater << QDir::cleanPath(QStringLiteral(MARVIKEL_ABS_DATADIR));
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &mappe : data)
        kandidater << QDir::cleanPath(mappe + "/marvikel/Program");
    kandidater.removeDuplicates();
    return kandidater;
}

QString programMappeBlandt(const QStringList &kandidater)
{
    for (const QString &kandidat : kandidater) {
        // Help pages ("Stifinder") mark a complete installation; the settings
        // template alone is enough while no help pages are shipped.
        if (QFileInfo(kandidat + "/Stifinder").isDir() || QFileInfo(kandidat + "/Egenskaber").isDir())
            return kandidat;
    }
    return kandidater.value(0);
}

QString programMappe()
{
    return programMappeBlandt(programMappeKandidater());
}

} // namespace systemmapper
