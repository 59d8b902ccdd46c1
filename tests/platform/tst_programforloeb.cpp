#include "platform/tafslutningssignal.h"
#include "platform/tenkeltinstans.h"
#include "testmiljoe.h"

#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// One running program per data root, and the signals that end a session.
class TestProgramforloeb : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        QVERIFY(m_tmp.isValid());
    }

    void andenStartAfvises()
    {
        const QString grund = m_tmp.path() + "/anden/Marvikel";   // made by the first start
        auto foerste = std::make_unique<TEnkeltInstans>(grund);
        QCOMPARE(foerste->laas(), TEnkeltInstans::Status::Laast);
        QCOMPARE(foerste->grund(), QString());

        TEnkeltInstans anden(grund);
        QCOMPARE(anden.laas(), TEnkeltInstans::Status::KoererAllerede);
        QCOMPARE(anden.grund(), QString("Marvikel kører allerede for denne bruger.\r"
                                        "Brug det vindue, der allerede er åbent."));

        foerste.reset();   // the first program ends normally
        TEnkeltInstans tredje(grund);
        QCOMPARE(tredje.laas(), TEnkeltInstans::Status::Laast);
    }

    void laasEfterNedbrudOvertages()
    {
        const QString grund = m_tmp.path() + "/nedbrud";
        QVERIFY(QDir().mkpath(grund));
        // A program that takes the lock and dies without releasing it.
        const pid_t barn = ::fork();
        QVERIFY(barn >= 0);
        if (barn == 0) {
            QLockFile laas(TEnkeltInstans::laasFilnavn(grund));
            ::_exit(laas.tryLock(0) ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(barn, &status, 0), barn);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(TEnkeltInstans::laasFilnavn(grund)));

        TEnkeltInstans efter(grund);
        QCOMPARE(efter.laas(), TEnkeltInstans::Status::Laast);
    }

    void gammelLaasFraLevendeProgramHolder()
    {
        // Held for hours by a running program: never taken over by its age.
        const QString grund = m_tmp.path() + "/gammel";
        TEnkeltInstans foerste(grund);
        QCOMPARE(foerste.laas(), TEnkeltInstans::Status::Laast);
        QFile laasfil(TEnkeltInstans::laasFilnavn(grund));
        QVERIFY(laasfil.open(QIODevice::ReadWrite));
        QVERIFY(laasfil.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        laasfil.close();

        TEnkeltInstans anden(grund);
        QCOMPARE(anden.laas(), TEnkeltInstans::Status::KoererAllerede);
    }

    void grundMappeDerIkkeKanOprettes()
    {
        QFile fil(m_tmp.path() + "/en-fil");
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.close();
        TEnkeltInstans instans(fil.fileName() + "/Marvikel");
        QCOMPARE(instans.laas(), TEnkeltInstans::Status::UdenLaas);
        QCOMPARE(instans.grund(), QString());
    }

    void afslutningssignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGHUP") << SIGHUP;
        QTest::newRow("SIGINT") << SIGINT;
    }
    void afslutningssignal()
    {
        QFETCH(int, signal);
        TAfslutningsSignal *afslutning = TAfslutningsSignal::installer();
        QVERIFY(afslutning);
        QCOMPARE(TAfslutningsSignal::installer(), afslutning);
        QSignalSpy spion(afslutning, &TAfslutningsSignal::afslut);
        QCOMPARE(::raise(signal), 0);
        // Delivered through the event loop, not inside the handler.
        QCOMPARE(spion.count(), 0);
        QTRY_COMPARE(spion.count(), 1);
    }

    void flereSignalerPaaEnGangGiverEnAfslutning()
    {
        TAfslutningsSignal *afslutning = TAfslutningsSignal::installer();
        QSignalSpy spion(afslutning, &TAfslutningsSignal::afslut);
        ::raise(SIGTERM);
        ::raise(SIGHUP);
        QTRY_COMPARE(spion.count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(spion.count(), 1);
    }

    void filstoerrelsesgraenseGiverFejlIkkeDoed()
    {
        TAfslutningsSignal::installer();
        rlimit gemt {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &gemt), 0);
        rlimit lav = gemt;
        lav.rlim_cur = 1024;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &lav), 0);

        const QByteArray sti = QFile::encodeName(m_tmp.path() + "/stor.bin");
        const int fd = ::open(sti.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const QByteArray data(4096, 'x');
        ssize_t skrevet = ::write(fd, data.constData(), data.size());
        if (skrevet == 1024)   // a short write first, then the error
            skrevet = ::write(fd, data.constData(), data.size());
        const int fejl = errno;
        ::close(fd);
        ::setrlimit(RLIMIT_FSIZE, &gemt);

        QCOMPARE(skrevet, ssize_t(-1));
        QCOMPARE(fejl, EFBIG);
    }
};

QTEST_GUILESS_MAIN(TestProgramforloeb)
#include "tst_programforloeb.moc"
