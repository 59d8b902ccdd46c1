#include "platform/tafslutningssignal.h"
#include "platform/tenkeltinstans.h"
#include "testmiljoe.h"

#include <QFile>
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

    QString koersel() const { return m_tmp.path() + "/run"; }

    void andenStartAfvises()
    {
        const QString grund = m_tmp.path() + "/anden/Marvikel";
        auto foerste = std::make_unique<TEnkeltInstans>(grund, koersel());
        QCOMPARE(foerste->laas(), TEnkeltInstans::Status::Laast);
        QCOMPARE(foerste->grund(), QString());

        TEnkeltInstans anden(grund, koersel());
        QCOMPARE(anden.laas(), TEnkeltInstans::Status::KoererAllerede);
        QCOMPARE(anden.grund(), QString("Marvikel kører allerede for denne bruger.\r"
                                        "Brug det vindue, der allerede er åbent."));
        // The refused start left the first program's lock alone.
        QVERIFY(QFile::exists(TEnkeltInstans::laasFilnavn(koersel(), grund)));
        TEnkeltInstans igen(grund, koersel());
        QCOMPARE(igen.laas(), TEnkeltInstans::Status::KoererAllerede);

        // Another data root is another program.
        TEnkeltInstans andetSted(m_tmp.path() + "/andet/Marvikel", koersel());
        QCOMPARE(andetSted.laas(), TEnkeltInstans::Status::Laast);

        foerste.reset();   // the first program ends normally
        TEnkeltInstans tredje(grund, koersel());
        QCOMPARE(tredje.laas(), TEnkeltInstans::Status::Laast);
    }

    // What a power cut or a crash leaves behind never stops a start.
    void efterladtLaasfilOvertages_data()
    {
        QTest::addColumn<QByteArray>("indhold");
        QTest::newRow("tom") << QByteArray();
        QTest::newRow("skrald") << QByteArray("\x00\xff garbage\n\n\x01", 14);
        QTest::newRow("en anden proces' id") << QByteArray("1\nvært\nMarvikel\n");
    }
    void efterladtLaasfilOvertages()
    {
        QFETCH(QByteArray, indhold);
        const QString grund = m_tmp.path() + "/efterladt-" + QTest::currentDataTag();
        QVERIFY(QDir().mkpath(koersel()));
        QFile laasfil(TEnkeltInstans::laasFilnavn(koersel(), grund));
        QVERIFY(laasfil.open(QIODevice::WriteOnly));
        laasfil.write(indhold);
        laasfil.close();

        TEnkeltInstans efter(grund, koersel());
        QCOMPARE(efter.laas(), TEnkeltInstans::Status::Laast);
    }

    void laasHoldesAfLevendeProgramOgSlippesVedDoed()
    {
        const QString grund = m_tmp.path() + "/barn";
        QVERIFY(QDir().mkpath(koersel()));
        int ror[2];
        QCOMPARE(::pipe(ror), 0);
        // Another program that takes the lock and holds it until told to end.
        const pid_t barn = ::fork();
        QVERIFY(barn >= 0);
        if (barn == 0) {
            ::close(ror[1]);
            TEnkeltInstans laas(grund, m_tmp.path() + "/run");
            const bool ok = laas.laas() == TEnkeltInstans::Status::Laast;
            char c;
            [[maybe_unused]] const ssize_t n = ::read(ror[0], &c, 1);   // until the parent closes the pipe
            ::_exit(ok ? 0 : 1);
        }
        ::close(ror[0]);
        // The other program writes its id once it holds the lock.
        const QString laasfil = TEnkeltInstans::laasFilnavn(koersel(), grund);
        const auto indhold = [&laasfil] {
            QFile f(laasfil);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QTRY_COMPARE(indhold(), QByteArray::number(barn) + '\n');
        QCOMPARE(TEnkeltInstans(grund, koersel()).laas(), TEnkeltInstans::Status::KoererAllerede);

        ::close(ror[1]);   // the other program ends without cleaning up
        int status = 0;
        QCOMPARE(::waitpid(barn, &status, 0), barn);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(QFile::exists(TEnkeltInstans::laasFilnavn(koersel(), grund)));

        TEnkeltInstans efter(grund, koersel());
        QCOMPARE(efter.laas(), TEnkeltInstans::Status::Laast);
    }

    void gammelLaasFraLevendeProgramHolder()
    {
        // Held for hours by a running program: never taken over by its age.
        const QString grund = m_tmp.path() + "/gammel";
        TEnkeltInstans foerste(grund, koersel());
        QCOMPARE(foerste.laas(), TEnkeltInstans::Status::Laast);
        QFile laasfil(TEnkeltInstans::laasFilnavn(koersel(), grund));
        QVERIFY(laasfil.open(QIODevice::ReadWrite));
        QVERIFY(laasfil.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        laasfil.close();

        TEnkeltInstans anden(grund, koersel());
        QCOMPARE(anden.laas(), TEnkeltInstans::Status::KoererAllerede);
    }

    void laasVirkerUdenSkrivbarDatamappe()
    {
        // The data root cannot be made (a file stands where its parent should
        // be): the runtime folder still holds the lock.
        QFile fil(m_tmp.path() + "/en-fil");
        QVERIFY(fil.open(QIODevice::WriteOnly));
        fil.close();
        const QString grund = fil.fileName() + "/Marvikel";
        TEnkeltInstans foerste(grund, koersel());
        QCOMPARE(foerste.laas(), TEnkeltInstans::Status::Laast);
        TEnkeltInstans anden(grund, koersel());
        QCOMPARE(anden.laas(), TEnkeltInstans::Status::KoererAllerede);

        // Nowhere to lock at all: the program runs without a lock.
        TEnkeltInstans uden(grund, fil.fileName() + "/run");
        QCOMPARE(uden.laas(), TEnkeltInstans::Status::UdenLaas);
        QCOMPARE(uden.grund(), QString());
    }

    void afslutningssignal_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("session");   // the session ends, rather than a close being asked for
        QTest::newRow("SIGTERM") << SIGTERM << true;
        QTest::newRow("SIGHUP") << SIGHUP << true;
        QTest::newRow("SIGINT") << SIGINT << false;
    }
    void afslutningssignal()
    {
        QFETCH(int, signal);
        QFETCH(bool, session);
        TAfslutningsSignal *afslutning = TAfslutningsSignal::installer();
        QVERIFY(afslutning);
        QCOMPARE(TAfslutningsSignal::installer(), afslutning);
        QSignalSpy slut(afslutning, &TAfslutningsSignal::sessionSlut);
        QSignalSpy luk(afslutning, &TAfslutningsSignal::lukOensket);
        QCOMPARE(::raise(signal), 0);
        // Delivered through the event loop, not inside the handler.
        QCOMPARE(slut.count() + luk.count(), 0);
        QTRY_COMPARE(slut.count() + luk.count(), 1);
        QCOMPARE(slut.count(), session ? 1 : 0);
    }

    void flereSignalerPaaEnGangGiverEnAfslutning()
    {
        TAfslutningsSignal *afslutning = TAfslutningsSignal::installer();
        QSignalSpy slut(afslutning, &TAfslutningsSignal::sessionSlut);
        QSignalSpy luk(afslutning, &TAfslutningsSignal::lukOensket);
        ::raise(SIGINT);
        ::raise(SIGTERM);
        ::raise(SIGHUP);
        QTRY_COMPARE(slut.count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(slut.count(), 1);
        QCOMPARE(luk.count(), 0);
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
