#pragma once

#include <QString>
#include <QStringList>

// The console of the desktop: a terminal emulator started in a folder,
// optionally running a command. Paths always travel as separate arguments,
// never inside a command line a shell would parse.
namespace terminal {

// The terminal to use: the desktop's own (by XDG_CURRENT_DESKTOP), then
// Debian's x-terminal-emulator, then the first installed of a fixed list.
// Empty when none is installed.
QString find();

// The arguments for terminal `program` (a path or a name) to start in
// `mappe` and run `kommando` (none: the user's shell). Each terminal gets
// its own working-folder option where it has one; all of them also get
// `mappe` as their process folder.
QStringList argumenter(const QString &program, const QString &mappe, const QStringList &kommando);

// `kommando` wrapped so the terminal stays open with the user's shell after
// the command has ended, as "cmd /K" does.
QStringList blivAaben(const QStringList &kommando);

// The command that runs the script `navn` (a file in the current folder):
// directly when it is executable and starts with "#!", else through sh.
QStringList scriptkommando(const QString &mappe, const QString &navn);

// Starts a terminal; results as aabner: > 32 started, IngenTerminal when
// none is installed, UkendtFejl when it could not be started, 3 the folder
// is missing.
int start(const QString &mappe, const QStringList &kommando);

// Runs a shell script in a terminal in its own folder; the terminal stays
// open afterwards.
int koerScript(const QString &script);

} // namespace terminal
