#include "platform/terminal.h"

#include "platform/aabner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace terminal {

namespace {

QString skrivebordetsTerminal()
{
    const QStringList skriveborde =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toUpper().split(u':', Qt::SkipEmptyParts);
    for (const QString &s : skriveborde) {
        if (s == QLatin1String("GNOME") || s == QLatin1String("UNITY") || s == QLatin1String("X-CINNAMON")
            || s == QLatin1String("CINNAMON"))
            return QStringLiteral("gnome-terminal");
        if (s == QLatin1String("KDE"))
            return QStringLiteral("konsole");
        if (s == QLatin1String("XFCE"))
            return QStringLiteral("xfce4-terminal");
        if (s == QLatin1String("MATE"))
            return QStringLiteral("mate-terminal");
        // LXQt's and LXDE's terminals take -e as one string that they parse
        // themselves; Debian's x-terminal-emulator wrapper takes separate
        // arguments, so those desktops go through it.
    }
    return {};
}

} // namespace

QString find()
{
    QStringList kandidater;
    const QString egen = skrivebordetsTerminal();
    if (!egen.isEmpty())
        kandidater << egen;
    kandidater << QStringLiteral("x-terminal-emulator") << QStringLiteral("gnome-terminal")
               << QStringLiteral("konsole") << QStringLiteral("xfce4-terminal")
               << QStringLiteral("mate-terminal") << QStringLiteral("terminator") << QStringLiteral("xterm");
    for (const QString &k : kandidater) {
        const QString sti = QStandardPaths::findExecutable(k);
        if (!sti.isEmpty())
            return sti;
    }
    return {};
}

QStringList argumenter(const QString &program, const QString &mappe, const QStringList &kommando)
{
    const QString navn = QFileInfo(program).fileName();
    const QString wd = QStringLiteral("--working-directory=") + mappe;
    QStringList a;
    if (navn == QLatin1String("gnome-terminal")) {
        a << wd;
        if (!kommando.isEmpty())
            a << QStringLiteral("--") << kommando;
    } else if (navn == QLatin1String("konsole")) {
        a << QStringLiteral("--workdir") << mappe;
        if (!kommando.isEmpty())
            a << QStringLiteral("-e") << kommando;
    } else if (navn == QLatin1String("xfce4-terminal") || navn == QLatin1String("mate-terminal")
               || navn == QLatin1String("terminator")) {
        a << wd;
        if (!kommando.isEmpty())
            a << QStringLiteral("-x") << kommando;
    } else if (!kommando.isEmpty()) {
        // xterm and x-terminal-emulator: "-e program args…", folder by cwd.
        a << QStringLiteral("-e") << kommando;
    }
    return a;
}

QStringList blivAaben(const QStringList &kommando)
{
    // The command arrives as "$@"; nothing of it is ever part of the script.
    return QStringList{QStringLiteral("sh"), QStringLiteral("-c"),
                       QStringLiteral("\"$@\"; exec \"${SHELL:-/bin/sh}\""), QStringLiteral("sh")}
           + kommando;
}

QStringList scriptkommando(const QString &mappe, const QString &navn)
{
    const QString sti = mappe + u'/' + navn;
    // "./" keeps a name that starts with "-" from being read as an option.
    const QString lokal = QStringLiteral("./") + navn;
    QFile f(sti);
    const bool udfoerbar = QFileInfo(sti).isExecutable();
    if (udfoerbar && f.open(QIODevice::ReadOnly) && f.read(2) == "#!")
        return {lokal};
    return {QStringLiteral("sh"), lokal};
}

int start(const QString &mappe, const QStringList &kommando)
{
    if (!QFileInfo(mappe).isDir())
        return aabner::StiIkkeFundet;
    const QString program = find();
    if (program.isEmpty())
        return aabner::IngenTerminal;
    if (!QProcess::startDetached(program, argumenter(program, mappe, kommando), mappe))
        return aabner::UkendtFejl;
    return aabner::Ok;
}

int koerScript(const QString &script)
{
    const QFileInfo fi(script);
    if (!fi.exists())
        return fi.dir().exists() ? aabner::FilIkkeFundet : aabner::StiIkkeFundet;
    const QString mappe = fi.absolutePath();
    return start(mappe, blivAaben(scriptkommando(mappe, fi.fileName())));
}

} // namespace terminal
