#include "platform/tinstansbro.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

// The bridge between a second start and the running program.
class TestInstansbro : public QObject
{
    Q_OBJECT

    QTemporaryDir m_koersel;

private slots:
    void initTestCase()
    {
        QVERIFY(m_koersel.isValid());
        qputenv("XDG_RUNTIME_DIR", m_koersel.path().toUtf8());
        QFile::setPermissions(m_koersel.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void udenKoerendeProgramSvarerIngen()
    {
        TInstansbro anden("/hjem/a/Marvikel");
        QVERIFY(!anden.send({"/tmp"}, 200));
    }

    void stierNaarFrem()
    {
        TInstansbro koerende("/hjem/a/Marvikel");
        QVERIFY(koerende.lyt());
        QSignalSpy modtaget(&koerende, &TInstansbro::modtaget);

        // The second start blocks while it waits for the answer, so it runs
        // beside the event loop that serves it.
        bool sendt = false;
        std::thread anden([&] { sendt = TInstansbro("/hjem/a/Marvikel").send({"/hjem/a/æ ø", "/tmp"}); });
        QTRY_COMPARE(modtaget.count(), 1);
        anden.join();
        QVERIFY(sendt);
        QCOMPARE(modtaget.first().first().toStringList(), QStringList({"/hjem/a/æ ø", "/tmp"}));
    }

    void enAndenDatamappeMoedesIkke()
    {
        TInstansbro koerende("/hjem/a/Marvikel");
        QVERIFY(koerende.lyt());
        QVERIFY(TInstansbro::socketnavn("/hjem/a/Marvikel") != TInstansbro::socketnavn("/hjem/b/Marvikel"));
        QVERIFY(!TInstansbro("/hjem/b/Marvikel").send({}, 200));
    }
};

QTEST_GUILESS_MAIN(TestInstansbro)
#include "tst_instansbro.moc"
