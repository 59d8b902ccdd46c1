#pragma once

#include <QByteArray>
#include <QString>

// Reading a small file whose path may hold a name that is not valid UTF-8
// (decoded by navnekode), which the toolkit's own file calls cannot reach.
namespace raafil {

// The bytes of the regular file `sti` (a link to one is fine), at most
// `maks`. Pipes, devices and folders are never opened. False when the file
// is not there, is no regular file, is larger than `maks` or cannot be read.
bool laes(const QString &sti, qint64 maks, QByteArray &ud);

} // namespace raafil
