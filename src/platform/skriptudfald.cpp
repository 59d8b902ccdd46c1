#include "platform/skriptudfald.h"

#include "platform/aabner.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcess>

namespace skriptudfald {

int start(const QString &script, const QStringList &argumenter, QObject *kontekst,
          const std::function<void(int exitkode)> &udfald)
{
    if (!QFileInfo(script).isFile())
        return aabner::FilIkkeFundet;
    auto *p = new QProcess;
    p->setProgram(QStringLiteral("/bin/sh"));
    p->setArguments(QStringList{script} + argumenter);
    p->setWorkingDirectory(QFileInfo(script).absolutePath());
    // A program the script starts in the background may outlive it; it
    // must not hold pipes the process object waits on.
    p->setStandardInputFile(QProcess::nullDevice());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    QPointer<QObject> vagt(kontekst);
    QObject::connect(p, &QProcess::finished, p, [p, vagt, udfald](int kode, QProcess::ExitStatus status) {
        p->deleteLater();
        if (vagt && udfald)
            udfald(status == QProcess::NormalExit ? kode : -1);
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [p](QProcess::ProcessError fejl) {
        if (fejl == QProcess::FailedToStart)
            p->deleteLater();
    });
    p->start();
    if (!p->waitForStarted(5000)) {
        p->deleteLater();
        return aabner::UkendtFejl;
    }
    return aabner::Ok;
}

} // namespace skriptudfald
