#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The helper scripts shipped with the program are POSIX shell scripts. They
// are run by /bin/sh, so they need no execute bit in an installation, and
// their arguments travel as separate arguments, never through a command
// line. Nothing waits for a script: it reports by the files it writes.
namespace skript {

// Starts `script` with `argumenter`. The result follows the shell convention
// of aabner: above 32 started, 2 when the script is missing, 1 when the
// system would not start it.
int start(const QString &script, const QStringList &argumenter);
// The same with the environment `miljoe` in place of the program's own.
int start(const QString &script, const QStringList &argumenter, const QProcessEnvironment &miljoe);

} // namespace skript
