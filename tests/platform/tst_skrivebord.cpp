#include "platform/skrivebord.h"
#include "testmiljoe.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

// Stands in for a desktop's file manager on a private session bus.
class FalskFilhaandtering : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList modtaget;
    bool afvis = false;

public slots:
    void ShowFolders(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        modtaget << uris;
        if (afvis)
            sendErrorReply(QDBusError::Failed, "kan ikke");
    }
};

class TestSkrivebord : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QProcess m_bus;
    QString m_busAdresse;
    QString m_log;
    QString m_mappe;
    FalskFilhaandtering m_falsk;

    // A bus of our own, with nothing activatable on it, so the test does not
    // depend on what the machine's session offers.
    bool startBus()
    {
        const QString konfig = m_tmp.path() + "/bus.conf";
        QFile f(konfig);
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                "<busconfig><type>session</type><listen>unix:dir=" + QFile::encodeName(m_tmp.path()) +
                "</listen><auth>EXTERNAL</auth><policy context=\"default\">"
                "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                "<allow own=\"*\"/></policy></busconfig>\n");
        f.close();
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty())
            return false;
        m_bus.start(daemon, {"--config-file=" + konfig, "--print-address=1", "--nofork"});
        if (!m_bus.waitForStarted())
            return false;
        while (!m_bus.canReadLine() && m_bus.waitForReadyRead(10000)) {
        }
        m_busAdresse = QString::fromUtf8(m_bus.readLine()).trimmed();
        return !m_busAdresse.isEmpty();
    }

    QDBusConnection falskForbindelse() { return QDBusConnection::connectToBus(m_busAdresse, "falsk"); }

    QStringList xdgOpenArgumenter()
    {
        QFile f(m_log);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        QVERIFY(m_tmp.isValid());
        // A stand-in xdg-open first on PATH that records its arguments.
        m_log = m_tmp.path() + "/xdg-open.log";
        QVERIFY(QDir().mkpath(m_tmp.path() + "/bin"));
        QFile skript(m_tmp.path() + "/bin/xdg-open");
        QVERIFY(skript.open(QIODevice::WriteOnly));
        skript.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + QFile::encodeName(m_log) + ".tmp\"\n"
                     "mv \"" + QFile::encodeName(m_log) + ".tmp\" \"" + QFile::encodeName(m_log) + "\"\n");
        skript.close();
        skript.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_tmp.path() + "/bin:") + qgetenv("PATH"));

        m_mappe = m_tmp.path() + "/mappe med æøå & 'tegn'";
        QVERIFY(QDir().mkpath(m_mappe));

        // Must be set before the program's first use of the session bus.
        if (startBus())
            qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAdresse.toUtf8());
        else
            qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/findes/ikke");
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus("falsk");
        if (m_bus.state() != QProcess::NotRunning) {
            m_bus.kill();
            m_bus.waitForFinished();
        }
    }

    void init() { QFile::remove(m_log); }

    void filhaandteringenSpoergesOverDBus()
    {
        if (m_busAdresse.isEmpty())
            QSKIP("dbus-daemon is not installed");
        QDBusConnection falsk = falskForbindelse();
        QVERIFY(falsk.registerObject("/org/freedesktop/FileManager1", &m_falsk, QDBusConnection::ExportAllSlots));
        QVERIFY(falsk.registerService("org.freedesktop.FileManager1"));

        QCOMPARE(skrivebord::aabnMappe(m_mappe), skrivebord::Aabning::Filhaandtering);
        QTRY_COMPARE(m_falsk.modtaget, QStringList{QUrl::fromLocalFile(m_mappe).toString(QUrl::FullyEncoded)});
        QVERIFY(!QFile::exists(m_log));

        // A file manager that answers with an error: xdg-open takes over.
        m_falsk.afvis = true;
        QCOMPARE(skrivebord::aabnMappe(m_mappe), skrivebord::Aabning::Filhaandtering);
        QTRY_COMPARE(xdgOpenArgumenter(), QStringList{m_mappe});

        QVERIFY(falsk.unregisterService("org.freedesktop.FileManager1"));
        falsk.unregisterObject("/org/freedesktop/FileManager1");
    }

    void udenFilhaandteringBrugesXdgOpen()
    {
        // The folder goes as one argument, never through a shell.
        QCOMPARE(skrivebord::aabnMappe(m_mappe), skrivebord::Aabning::XdgOpen);
        QTRY_COMPARE(xdgOpenArgumenter(), QStringList{m_mappe});
    }

    void relativStiBliverAbsolut()
    {
        // A name starting with "-" must not reach xdg-open as an option.
        QDir::setCurrent(m_tmp.path());
        QVERIFY(QDir().mkpath("-h"));
        QCOMPARE(skrivebord::aabnMappe("-h"), skrivebord::Aabning::XdgOpen);
        QTRY_COMPARE(xdgOpenArgumenter(), QStringList{m_tmp.path() + "/-h"});
    }
};

QTEST_GUILESS_MAIN(TestSkrivebord)
#include "tst_skrivebord.moc"
