#include "platform/tinstansbro.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

// A request is one length-prefixed list; anything larger is not ours.
constexpr qint64 maksBesked = 1 << 20;

} // namespace

TInstansbro::TInstansbro(const QString &grundMappe, QObject *parent)
    : QObject(parent)
    , m_navn(socketnavn(grundMappe))
{
}

TInstansbro::~TInstansbro()
{
    if (m_server)
        m_server->close();
}

QString TInstansbro::socketnavn(const QString &grundMappe)
{
    QString mappe = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (mappe.isEmpty())
        mappe = QDir::tempPath();
    const QByteArray noegle =
        QCryptographicHash::hash(QDir::cleanPath(grundMappe).toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return mappe + QStringLiteral("/marvikel-") + QString::fromLatin1(noegle);
}

bool TInstansbro::lyt()
{
    if (m_server)
        return true;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_navn);
    if (!m_server->listen(m_navn)) {
        delete m_server;
        m_server = nullptr;
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &TInstansbro::laesForbindelse);
    return true;
}

void TInstansbro::laesForbindelse()
{
    while (QLocalSocket *s = m_server->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            if (s->bytesAvailable() > maksBesked) {
                s->abort();
                return;
            }
            QDataStream ind(s);
            ind.startTransaction();
            QStringList stier;
            ind >> stier;
            if (!ind.commitTransaction())
                return;  // the rest is still on its way
            s->write("ok");
            s->flush();
            s->disconnectFromServer();
            emit modtaget(stier);
        });
    }
}

bool TInstansbro::send(const QStringList &stier, int ventetidMs) const
{
    QLocalSocket s;
    s.connectToServer(m_navn);
    if (!s.waitForConnected(ventetidMs))
        return false;
    QByteArray data;
    QDataStream ud(&data, QIODevice::WriteOnly);
    ud << stier;
    s.write(data);
    if (!s.waitForBytesWritten(ventetidMs))
        return false;
    // The answer tells that the program took the request, not just the socket.
    while (s.bytesAvailable() < 2)
        if (!s.waitForReadyRead(ventetidMs))
            return false;
    return s.read(2) == "ok";
}
