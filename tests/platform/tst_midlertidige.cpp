#include "platform/midlertidige.h"

#include "testfiler.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testfiler;

namespace {

// A process id that surely ran and no longer runs.
pid_t doedProces()
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

void goerGammel(const QString &sti)
{
    const struct timespec tid[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(sti).constData(), tid, AT_SYMLINK_NOFOLLOW);
}

} // namespace

class TestMidlertidige : public QObject
{
    Q_OBJECT

private slots:
    void navneGenkendes_data()
    {
        QTest::addColumn<QByteArray>("navn");
        QTest::addColumn<qint64>("pid");
        QTest::newRow("med navn") << QByteArray(".rapport.txt.marvikel-123-4") << qint64(123);
        QTest::newRow("uden navn") << QByteArray(".marvikel-123-4") << qint64(123);
        QTest::newRow("navn der ikke er utf-8") << QByteArray(".\xe6" "ble.marvikel-77-1") << qint64(77);
        QTest::newRow("ikke skjult") << QByteArray("rapport.marvikel-123-4") << qint64(-1);
        QTest::newRow("uden nummer") << QByteArray(".rapport.marvikel-123") << qint64(-1);
        QTest::newRow("omdøbningens stedfortræder") << QByteArray(".marvikel-omdoeb-Ab12Cd") << qint64(-1);
        QTest::newRow("brugerens egen fil") << QByteArray(".marvikel-noter.txt") << qint64(-1);
    }
    void navneGenkendes()
    {
        QFETCH(QByteArray, navn);
        QFETCH(qint64, pid);
        QCOMPARE(midlertidige::pidAf(navn), pid);
        QCOMPARE(midlertidige::pidAf(midlertidige::navn("a.txt", 42, 7)), qint64(42));
        QCOMPARE(midlertidige::navn("a.txt", 42, 7), QByteArray(".a.txt.marvikel-42-7"));
    }

    // Only old files and links of processes that no longer run go; a running
    // process's file, a fresh one, a folder and the user's files stay.
    void forladteFjernes()
    {
        QTemporaryDir dir;
        const QString doed = QString::number(doedProces());
        const QString levende = QString::number(::getppid());
        const QStringList fjernes = {".a.txt.marvikel-" + doed + "-1", ".marvikel-" + doed + "-2", ".link.marvikel-" + doed + "-3"};
        const QStringList bliver = {".b.txt.marvikel-" + levende + "-1", ".frisk.marvikel-" + doed + "-4", "a.txt",
                                    ".mappe.marvikel-" + doed + "-5"};
        for (const QString &n : {fjernes[0], fjernes[1], bliver[0], bliver[1], bliver[2]})
            QVERIFY(lavFil(dir.filePath(n), "halv"));
        QVERIFY(QFile::link("a.txt", dir.filePath(fjernes[2])));
        QVERIFY(QDir().mkdir(dir.filePath(bliver[3])));
        for (const QString &n : fjernes + bliver)
            if (!n.startsWith(".frisk"))
                goerGammel(dir.filePath(n));

        QCOMPARE(midlertidige::fjernForladte(dir.path()), 3);
        QStringList forventet = bliver;
        forventet.sort();
        QCOMPARE(navne(dir.path()), forventet);
        QCOMPARE(midlertidige::fjernForladte(dir.filePath("findes-ikke")), 0);
    }
};

QTEST_GUILESS_MAIN(TestMidlertidige)
#include "tst_midlertidige.moc"
