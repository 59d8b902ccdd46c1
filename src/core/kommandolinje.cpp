#include "core/kommandolinje.h"

#include <QDir>
#include <QUrl>

namespace kommandolinje {

namespace {

// A file URI gives its local path; any other scheme (sftp:, smb:) names
// something this program cannot open.
bool erUri(const QString &argument)
{
    const qsizetype kolon = argument.indexOf(QLatin1Char(':'));
    if (kolon < 2)
        return false;  // "C:" style or no scheme: a path
    for (qsizetype i = 0; i < kolon; ++i) {
        const QChar c = argument.at(i);
        if (!(c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('.')))
            return false;
    }
    return argument.mid(kolon, 3) == QLatin1String("://") || argument.startsWith(QLatin1String("file:"));
}

} // namespace

Elementer fraArgumenter(const QStringList &argumenter, const QString &arbejdsmappe)
{
    Elementer e;
    for (const QString &a : argumenter) {
        if (a.isEmpty())
            continue;
        QString sti;
        if (erUri(a)) {
            const QUrl url(a);
            if (!url.isLocalFile() || !url.host().isEmpty()) {
                e.afviste.append(a);
                continue;
            }
            sti = url.toLocalFile();
        } else {
            sti = QDir(arbejdsmappe).absoluteFilePath(a);
        }
        e.stier.append(QDir::cleanPath(sti));
    }
    return e;
}

} // namespace kommandolinje
