#pragma once

#include <QString>

// The type column of the file tree: what kind of file a name is, in Danish.
namespace typetekster {

// The description the shared MIME database gives the name's type in the
// program's language ("Tekstdokument"); where it has none, the name's
// extension (".xyz"); a folder is "Mappe". Descriptions are looked up once
// per extension and kept, so a big folder costs a handful of look-ups.
// Safe to call from any thread.
QString typeTekst(QStringView navn, bool mappe);

} // namespace typetekster
