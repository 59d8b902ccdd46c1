#pragma once

#include <QByteArray>
#include <QString>

// Giving an element a new name, and creating a new file, without ever
// replacing an element that already has the name. A plain rename(2) silently
// replaces an existing file or empty folder; here the kernel refuses instead
// (renameat2 with RENAME_NOREPLACE). File systems without that flag get an
// existence check followed by a rename, the best they allow.
namespace navneskift {

enum class Udfald {
    Ok,
    Findes,      // the new name is taken; nothing was changed
    AndetDrev,   // the two paths are on different volumes; nothing was changed
    Fejl,        // any other refusal (rights, a vanished source, …)
};

// Renames `fra` to `til`. A change of letter case alone also works on
// volumes that ignore letter case, where `til` seems taken by `fra` itself.
Udfald flyt(const QString &fra, const QString &til);

// Renames `fra` to `til`, replacing a file that already has the name in one
// step (the old file stays until the new one stands in its place). A folder
// is never replaced this way: that gives Findes.
Udfald flytOver(const QString &fra, const QString &til);

// True when `til` only seems to exist because the volume ignores letter
// case: it leads to the very element `fra` names, in the same folder, and
// the folder holds no entry spelt exactly as `til`.
bool erKunStavemaade(const QString &fra, const QString &til);

// Writes a new file at `sti` holding `data`: the bytes go to a temporary
// file in the same folder, are flushed to disk, and the file then takes its
// name in one step that refuses an existing element. Nothing is left behind
// on failure. The new file gets the usual permissions (0666 less the umask).
Udfald opretFil(const QString &sti, const QByteArray &data);

// Tests replace the system call to reach the fallbacks; nullptr restores it.
using RenameKald = int (*)(const char *fra, const char *til, unsigned int flag);
void saetRenameKald(RenameKald kald);

} // namespace navneskift
