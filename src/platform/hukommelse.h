#pragma once

// The process's heap.
namespace hukommelse {

// Hands the heap's free pages back to the system. A big listing makes and
// frees many small blocks; without this the process would keep their pages
// as long as it runs.
void frigivLedige();

} // namespace hukommelse
