#pragma once

#include <QString>

// The consoles of the "Dos" page and the desktop's run dialog. Results
// follow the launcher's convention: above 32 started, else an error code
// for TStarter::ErrorTekst.
namespace konsoller {

// The folder a console opens in for the current element `editSti`: the
// element itself when it is a folder, else its folder when that exists,
// else the home folder.
QString konsolmappe(const QString &editSti);

// A terminal in konsolmappe(editSti).
int aabnKonsol(const QString &editSti);

// The second console: PowerShell ("pwsh") when it is installed, else the
// user's own shell, in the home folder.
int aabnPowerShell();

// The key that opens the desktop's run dialog, as the text told the user.
QString koerkasseTekst();

// Opens the desktop's run dialog where the desktop has one that can be
// started. Ok when it was started, IngenTilknytning when this desktop has
// none to start (the key is then the way), an error code otherwise.
int aabnKoerkasse();

} // namespace konsoller
