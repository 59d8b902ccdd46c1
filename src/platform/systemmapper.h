#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps user data and where it finds its shipped,
// read-only content.
namespace systemmapper {

// The data root: the user's home folder + "/Marvikel" (see
// brugernavn::hjemmemappe), without a trailing "/". A visible folder, so
// the explorer windows can walk to the notes and lists kept there.
QString grundMappe();

// The shipped "Program" folder, without a trailing "/": the first candidate
// that holds "Stifinder" or "Egenskaber". When none does, the first candidate
// is returned, so the folder fields stay well formed and simply name missing
// content.
QString programMappe();

// The candidates in the order they are tried: beside the executable (the
// build tree mirrors the installed layout), the compiled-in install prefix,
// then every generic data folder + "/marvikel/Program".
QStringList programMappeKandidater();

// The choice rule of programMappe() over a given list.
QString programMappeBlandt(const QStringList &kandidater);

} // namespace systemmapper
