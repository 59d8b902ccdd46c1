#pragma once

#include <QString>

// Why a call on the file system failed, in Danish, from its errno value:
// one table for every engine, so the same failure reads the same wherever
// the user meets it.
namespace fejlgrund {

// A short reason to stand after a path, "sti (grund)": "adgang nægtet".
QString grund(int fejlnummer);

// The reason as a sentence of its own: "Der er ikke plads nok på drevet.".
// Missing rights give the paste's own "Måske mangler der rettigheder
// dertil."; an unknown reason (0) gives "Der opstod en ukendt fejl.".
QString saetning(int fejlnummer);

} // namespace fejlgrund
