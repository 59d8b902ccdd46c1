#pragma once

#include <QByteArray>
#include <QString>

// The hidden temporary files the program writes beside a file before it
// takes its final name: ".NAME.marvikel-PID-N" (or ".marvikel-PID-N" where
// the name would not fit). One that belongs to a process that no longer runs
// was left by a copy or a save that was interrupted; it holds nothing the
// user can miss, as the file it was meant to become never got its name.
namespace midlertidige {

// The name part of a temporary file for `navn` written by process `pid`:
// ".navn.marvikel-PID-N" with a number N that the caller keeps unique.
QByteArray navn(const QByteArray &navn, qint64 pid, quint64 nummer);

// The process that wrote the temporary file `navn`; -1 when `navn` is not
// one of ours.
qint64 pidAf(const QByteArray &navn);

// Removes the temporary files in `mappe` that processes no longer running
// left behind (files and links of this user only, never folders, and none
// changed in the last minute, so a copy running on another machine that
// shares the folder is left alone). The number removed.
int fjernForladte(const QString &mappe);

} // namespace midlertidige
