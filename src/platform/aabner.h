#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Desktopfil;

// Opening, editing and running files and programs, the way the desktop
// would. Every call decides its result from checks made before anything is
// started and then starts without waiting, so the caller's thread never
// blocks. Results follow the Windows shell convention the rest of the
// program reports by: above 32 is success, 32 or less an error code.
// Arguments always travel as separate arguments, never through a shell.
namespace aabner {

enum Kode : int {
    UkendtFejl = 1,        // started nothing for a reason of its own
    FilIkkeFundet = 2,
    StiIkkeFundet = 3,
    AdgangNaegtet = 5,
    UgyldigProgram = 11,   // executable bit, but not a program the system can run
    ProgramMangler = 12,   // the program that should run or open it is not installed (manglendeProgram())
    IngenTerminal = 13,    // it must run in a terminal and no terminal is installed
    IngenTilknytning = 31, // no application for this type (or this verb)
    Ok = 42,
};

enum class Verbum { Aabn, Rediger };

// Told of a failure that only shows after the start (a helper that exits
// with an error shortly after it was started).
using SenereFejl = std::function<void(int kode)>;

// "open" or "edit" of `fil`:
// - a folder opens in the desktop's file manager ("edit": 31);
// - a desktop entry is started by its Exec, or opens its URL;
// - a ".sh" script runs in a terminal that stays open, in its own folder;
// - a program file (executable, ELF or "#!") is run with `parametre`;
// - anything else opens with the default application of its type, and
//   "edit" with the text editor when the type is text, else 31.
int execute(Verbum verbum, const QString &fil, const QStringList &parametre = {},
            const QString &arbejdsmappe = {}, const SenereFejl &senere = {});

// Runs `program` (a path, a name on PATH, or a desktop entry) with
// `parametre`. `maksimeret` asks for a maximised first window where the
// program has an option for it.
int koerProgram(const QString &program, const QStringList &parametre, const QString &arbejdsmappe = {},
                bool maksimeret = false, const SenereFejl &senere = {});

// Starts a desktop entry with `filer`.
int aabnDesktopfil(const Desktopfil &desktopfil, const QStringList &filer, const SenereFejl &senere = {});

// A regular file that this user may execute and that starts with an ELF
// header or a "#!" line.
bool erProgramfil(const QString &sti);

// A program name without "/" looked up on PATH; a path is returned as it is.
QString findProgram(const QString &navn);

// The program named by the last result ProgramMangler, so the message can
// say what to install.
QString manglendeProgram();

} // namespace aabner
