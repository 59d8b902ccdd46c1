#pragma once

#include <QString>

// A name the user typed (a console command, a note's title, a structure's
// name) kept as a file of its own in one of the program's folders. Linux
// refuses "/" and NUL in a file name and names over 255 bytes, and "." or
// ".." would name another folder; a leading "." would hide the file from the
// lists that read the folder. Such names are stored under an encoding that
// keeps every plain name as it is:
//   "%" -> "%25", "/" -> "%2F", NUL -> "%00", a leading "." -> "%2E";
// a name still over the limit is cut at a character boundary and given a
// stable suffix "~" + 16 hex digits of a hash of the whole name, so the same
// name always finds the same file and two long names do not collide.
namespace filnavn {

// The largest file name Linux file systems take, in bytes.
inline constexpr int maksBytes = 255;

// The file name (without folder or extension) for `navn`; `reserveret` bytes
// are kept free for an extension the caller adds (".txt"). Empty when `navn`
// is empty.
QString fraNavn(const QString &navn, int reserveret = 0);

// The name a file name made by fraNavn() stands for. A shortened name gives
// back its shortened text (the full name lives in the caller's list file).
QString tilNavn(const QString &filnavn);

} // namespace filnavn
