#pragma once

#include <QString>

// The name of the user running the program. It names the user's folder under
// the data root, so it must be usable as one folder name.
namespace brugernavn {

// The first usable candidate: the account name from the password database,
// then $USER, then "Brugernavn". A candidate is unusable when it is empty,
// "." or "..", or holds "/" or a NUL character (it would leave the data root).
QString vaelg(const QString &fraKonto, const QString &fraMiljoe);

// vaelg() applied to getpwuid(geteuid())->pw_name and $USER.
QString hent();

// The user's home folder: $HOME when it is an absolute path, else the home
// folder of the account in the password database (an empty $HOME must not
// put the data under "/Marvikel"), else "/".
QString vaelgHjem(const QString &fraMiljoe, const QString &fraKonto);

// vaelgHjem() applied to $HOME and getpwuid(geteuid())->pw_dir.
QString hjemmemappe();

// Sets $HOME to hjemmemappe() when it is not usable as it stands, so every
// part of the program (and Qt) finds the same home folder. Call once at
// start, before other threads run.
void retHjem();

} // namespace brugernavn
