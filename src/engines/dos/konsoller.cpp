#include "engines/dos/konsoller.h"

#include "core/stier.h"
#include "platform/aabner.h"
#include "platform/filinfo.h"
#include "platform/terminal.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>

namespace konsoller {

QString konsolmappe(const QString &editSti)
{
    if (!editSti.isEmpty() && filinfo::erMappe(editSti))
        return stier::udenSkraastreg(editSti);
    const QString mappe = editSti.isEmpty() ? QString() : stier::mappeAf(editSti);
    if (!mappe.isEmpty() && filinfo::erMappe(mappe))
        return mappe;
    return QDir::homePath();
}

int aabnKonsol(const QString &editSti)
{
    return terminal::start(konsolmappe(editSti), {});
}

int aabnPowerShell()
{
    const QString pwsh = QStandardPaths::findExecutable(QStringLiteral("pwsh"));
    // Without a command the terminal runs the user's login shell.
    return terminal::start(QDir::homePath(), pwsh.isEmpty() ? QStringList() : QStringList{pwsh});
}

QString koerkasseTekst()
{
    return QStringLiteral("Tryk Alt+F2 for at åbne kør-kassen.");
}

int aabnKoerkasse()
{
    // The run dialogs that can be started as programs, by desktop.
    const struct
    {
        const char *skrivebord;
        const char *program;
        const char *argument;
    } koerkasser[] = {
        {"KDE", "krunner", nullptr},
        {"XFCE", "xfce4-appfinder", "--collapsed"},
        {"MATE", "mate-panel", "--run-dialog"},
        {"LXQT", "lxqt-runner", nullptr},
    };
    const QStringList skriveborde =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toUpper().split(u':', Qt::SkipEmptyParts);
    for (const auto &k : koerkasser) {
        if (!skriveborde.contains(QLatin1String(k.skrivebord)))
            continue;
        const QString program = QStandardPaths::findExecutable(QLatin1String(k.program));
        if (program.isEmpty())
            continue;
        const QStringList arg = k.argument ? QStringList{QLatin1String(k.argument)} : QStringList();
        return aabner::koerProgram(program, arg);
    }
    return aabner::IngenTilknytning;
}

} // namespace konsoller
