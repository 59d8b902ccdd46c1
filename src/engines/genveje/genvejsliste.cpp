#include "engines/genveje/genvejsliste.h"

#include "core/stier.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace genvejsliste {

QStringList hent(const QString &mappe)
{
    QStringList navne;
    if (mappe.isEmpty())
        return navne;
    const QString ext = QString::fromUtf16(endelse);
    QDirIterator it(mappe, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString navn = it.fileName();
        // Only the exact extension: "a.desktop.txt" is no shortcut.
        if (navn.size() > ext.size() && navn.endsWith(ext) && it.fileInfo().isFile())
            navne.append(navn.chopped(ext.size()));
    }
    return navne;
}

QString fil(const QString &mappe, const QString &navn)
{
    return stier::delimKon(mappe) + navn + QString::fromUtf16(endelse);
}

} // namespace genvejsliste
