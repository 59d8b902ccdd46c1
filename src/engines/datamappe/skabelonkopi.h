#pragma once

#include <QString>

#include <functional>

// Copies a shipped template folder into the user's data folder so that the
// target either appears complete or not at all: the copy is made in a hidden
// temporary sibling and renamed into place. A crash mid-copy leaves only that
// sibling, which the next copy removes, so it never blocks a later start.
namespace skabelonkopi {

// Called on the finished temporary copy before it is renamed into place, to
// adapt its files; returning false abandons the copy.
using Tilpasning = std::function<bool(const QString &kopi)>;

// Copies `skabelon` (a folder) to `maal`, which must not exist. Files are
// copied byte for byte and made writable by their owner (the template may be
// read-only when installed); links and special files are skipped, never
// followed. Returns false, leaving `maal` missing, on any failure or when
// `maal` appeared meanwhile.
bool kopier(const QString &skabelon, const QString &maal, const Tilpasning &tilpas = {});

// The prefix of the temporary sibling used for `maal`.
QString midlertidigPraefiks(const QString &maal);

} // namespace skabelonkopi
