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

} // namespace brugernavn
