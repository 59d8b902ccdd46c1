#include "platform/skript.h"

#include "platform/aabner.h"

#include <QFileInfo>
#include <QProcess>

namespace skript {

int start(const QString &script, const QStringList &argumenter)
{
    return start(script, argumenter, QProcessEnvironment::systemEnvironment());
}

int start(const QString &script, const QStringList &argumenter, const QProcessEnvironment &miljoe)
{
    if (!QFileInfo(script).isFile())
        return aabner::FilIkkeFundet;
    QProcess p;
    p.setProcessEnvironment(miljoe);
    p.setProgram(QStringLiteral("/bin/sh"));
    p.setArguments(QStringList{script} + argumenter);
    p.setStandardInputFile(QProcess::nullDevice());
    return p.startDetached() ? aabner::Ok : aabner::UkendtFejl;
}

} // namespace skript
