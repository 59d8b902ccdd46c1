#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// A session bus of the test's own, with nothing activatable on it, so a
// test neither depends on nor disturbs what the machine's session offers
// (tests run side by side on one session bus). Set its address as
// DBUS_SESSION_BUS_ADDRESS before the program first uses the session bus.
class PrivatBus
{
public:
    PrivatBus() { start(); }
    ~PrivatBus()
    {
        if (m_bus.state() != QProcess::NotRunning) {
            m_bus.kill();
            m_bus.waitForFinished();
        }
    }

    // Empty when no bus could be started (dbus-daemon missing).
    QString adresse() const { return m_adresse; }

private:
    void start()
    {
        if (!m_tmp.isValid())
            return;
        const QString konfig = m_tmp.path() + "/bus.conf";
        QFile f(konfig);
        if (!f.open(QIODevice::WriteOnly))
            return;
        f.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                "<busconfig><type>session</type><listen>unix:dir=" + QFile::encodeName(m_tmp.path()) +
                "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                "<allow own=\"*\"/></policy></busconfig>\n");
        f.close();
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            return;
        m_bus.start(daemon, {"--config-file=" + konfig, "--print-address=1", "--nofork"});
        if (!m_bus.waitForStarted())
            return;
        while (!m_bus.canReadLine() && m_bus.waitForReadyRead(10000)) {
        }
        m_adresse = QString::fromUtf8(m_bus.readLine()).trimmed();
    }

    QTemporaryDir m_tmp;
    QProcess m_bus;
    QString m_adresse;
};
