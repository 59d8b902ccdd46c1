#include "platform/skrivebord.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace skrivebord {

namespace {

const QString filhaandtering = QStringLiteral("org.freedesktop.FileManager1");

bool harFilhaandtering(const QDBusConnection &bus)
{
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusConnectionInterface *busInfo = bus.interface();
    if (busInfo->isServiceRegistered(filhaandtering))
        return true;
    const QDBusReply<QStringList> aktiverbare = busInfo->activatableServiceNames();
    return aktiverbare.isValid() && aktiverbare.value().contains(filhaandtering);
}

bool startXdgOpen(const QString &mappe)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {mappe});
}

void bedFilhaandtering(QDBusConnection bus, const QString &mappe)
{
    QDBusMessage kald = QDBusMessage::createMethodCall(
        filhaandtering, QStringLiteral("/org/freedesktop/FileManager1"), filhaandtering,
        QStringLiteral("ShowFolders"));
    kald << QStringList{QUrl::fromLocalFile(mappe).toString(QUrl::FullyEncoded)} << QString();
    // Activating a file manager can take seconds: never wait for the answer.
    auto *vagt = new QDBusPendingCallWatcher(bus.asyncCall(kald, 25000), QCoreApplication::instance());
    QObject::connect(vagt, &QDBusPendingCallWatcher::finished, vagt, [mappe](QDBusPendingCallWatcher *v) {
        if (v->isError())
            startXdgOpen(mappe);
        v->deleteLater();
    });
}

} // namespace

Aabning aabnMappe(const QString &mappe)
{
    // An absolute path can never be taken for an option by xdg-open.
    const QString sti = QFileInfo(mappe).absoluteFilePath();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (harFilhaandtering(bus)) {
        bedFilhaandtering(bus, sti);
        return Aabning::Filhaandtering;
    }
    return startXdgOpen(sti) ? Aabning::XdgOpen : Aabning::Mislykket;
}

} // namespace skrivebord
