#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;

// A shipped helper script whose exit code matters (the applets scripts exit
// 127 when nothing on the machine fits). Like skript::start it runs the
// script with /bin/sh and never waits: the exit code is handed to
// `udfald` from the event loop when the script ends, as long as `kontekst`
// lives.
namespace skriptudfald {

// Results as skript::start: above 32 started, 2 when the script is missing,
// 1 when the system would not start it; `udfald` is called only after a
// start, with the exit code (-1 when the script crashed).
int start(const QString &script, const QStringList &argumenter, QObject *kontekst,
          const std::function<void(int exitkode)> &udfald);

} // namespace skriptudfald
