#include "platform/notifikation.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QVariantMap>

namespace notifikation {

namespace {

const QString tjeneste = QStringLiteral("org.freedesktop.Notifications");
const QString objekt = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage kald(const QString &metode)
{
    return QDBusMessage::createMethodCall(tjeneste, objekt, tjeneste, metode);
}

QVariantMap hints(const Besked &besked, bool medLyd)
{
    QVariantMap h;
    h.insert(QStringLiteral("desktop-entry"), QStringLiteral("marvikel"));
    h.insert(QStringLiteral("x-marvikel-navn"), besked.navn);
    if (medLyd)
        h.insert(QStringLiteral("sound-file"), besked.lydfil);
    return h;
}

// Servers that do not play the sound hint themselves say so by leaving
// "sound" out of their capabilities; the sound is then played here.
void spilHvisServerenIkkeGoerDet(QDBusConnection bus, const QString &lydfil)
{
    auto *vagt = new QDBusPendingCallWatcher(bus.asyncCall(kald(QStringLiteral("GetCapabilities")), svartidMs),
                                             QCoreApplication::instance());
    QObject::connect(vagt, &QDBusPendingCallWatcher::finished, vagt, [lydfil](QDBusPendingCallWatcher *v) {
        const QDBusPendingReply<QStringList> svar = *v;
        if (!svar.isError() && !svar.value().contains(QStringLiteral("sound")))
            spilLyd(lydfil);
        v->deleteLater();
    });
}

} // namespace

void send(const Besked &besked, QObject *kontekst, std::function<void()> ikkeVist)
{
    QPointer<QObject> vogter(kontekst);
    auto fejl = [vogter, ikkeVist = std::move(ikkeVist)] {
        if (vogter && ikkeVist)
            ikkeVist();
    };
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QTimer::singleShot(0, QCoreApplication::instance(), fejl);
        return;
    }
    const bool medLyd = !besked.lydfil.isEmpty() && QFileInfo(besked.lydfil).isFile();
    QDBusMessage notify = kald(QStringLiteral("Notify"));
    notify << QStringLiteral("Marvikel") << uint(0) << QString() << besked.overskrift << besked.tekst
           << QStringList() << hints(besked, medLyd) << -1;
    auto *vagt = new QDBusPendingCallWatcher(bus.asyncCall(notify, svartidMs), QCoreApplication::instance());
    const QString lydfil = medLyd ? besked.lydfil : QString();
    QObject::connect(vagt, &QDBusPendingCallWatcher::finished, vagt,
                     [bus, lydfil, fejl](QDBusPendingCallWatcher *v) {
                         if (v->isError())
                             fejl();
                         else if (!lydfil.isEmpty())
                             spilHvisServerenIkkeGoerDet(bus, lydfil);
                         v->deleteLater();
                     });
}

bool spilLyd(const QString &fil)
{
    if (fil.isEmpty() || !QFileInfo(fil).isFile())
        return false;
    for (const char *afspiller : {"pw-play", "paplay", "aplay"}) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(afspiller));
        if (program.isEmpty())
            continue;
        // aplay prints what it plays unless told to be quiet.
        const QStringList argumenter = qstrcmp(afspiller, "aplay") == 0 ? QStringList{QStringLiteral("-q"), fil}
                                                                         : QStringList{fil};
        QProcess p;
        p.setProgram(program);
        p.setArguments(argumenter);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        if (p.startDetached())
            return true;
    }
    return false;
}

} // namespace notifikation
