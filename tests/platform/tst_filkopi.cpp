#include "platform/filkopi.h"

#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testfiler;

namespace {

struct stat lstatAf(const QString &sti)
{
    struct stat st {};
    ::lstat(QFile::encodeName(sti).constData(), &st);
    return st;
}

} // namespace

class TestFilkopi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void cleanup() { filkopi::saetSkriveFejl(nullptr); }

    void kopiHolderDataRettighederOgTid();
    void hullerForbliverHuller();
    void fremskridtPrKlumpOgStop();
    void linkKopieresSomLink();
    void specielleFilerAabnesAldrig();
    void optagetMaalOgSammeElement();
    void mislykketOverskrivningBevarerDetGamle_data();
    void mislykketOverskrivningBevarerDetGamle();
    void kopieresTilFilensEnde();
};

void TestFilkopi::kopiHolderDataRettighederOgTid()
{
    QTemporaryDir dir;
    const QString fra = dir.filePath("æøå kilde.bin");
    const QString til = dir.filePath("mål.bin");
    QByteArray data(3 * 1024 * 1024 + 17, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 31 % 251);
    QVERIFY(lavFil(fra, data));
    ::chmod(QFile::encodeName(fra).constData(), 0640);
    const struct timespec tider[2] = {{1000000000, 0}, {1200000000, 123456789}};
    ::utimensat(AT_FDCWD, QFile::encodeName(fra).constData(), tider, 0);

    const filkopi::Resultat r = filkopi::kopier(fra, til, false);
    QVERIFY(r.ok());
    QCOMPARE(r.bytes, qint64(data.size()));
    QCOMPARE(indhold(til), data);
    const struct stat st = lstatAf(til);
    QCOMPARE(st.st_mode & 07777, mode_t(0640));
    QCOMPARE(st.st_mtim.tv_sec, time_t(1200000000));
    QCOMPARE(st.st_mtim.tv_nsec, 123456789L);
    QCOMPARE(navne(dir.path()), (QStringList{"mål.bin", "æøå kilde.bin"}));

    // An empty file is a file too.
    QVERIFY(lavFil(dir.filePath("tom"), {}));
    QVERIFY(filkopi::kopier(dir.filePath("tom"), dir.filePath("tom2"), false).ok());
    QCOMPARE(QFileInfo(dir.filePath("tom2")).size(), 0);
}

void TestFilkopi::hullerForbliverHuller()
{
    QTemporaryDir dir;
    const QString fra = dir.filePath("sparsom");
    {
        QFile f(fra);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("start");
        f.seek(64 * 1024 * 1024);
        f.write("midte");
        f.resize(128 * 1024 * 1024);
    }
    if (qint64(lstatAf(fra).st_blocks) * 512 >= 64 * 1024 * 1024)
        QSKIP("the file system here does not keep holes");
    QVERIFY(filkopi::kopier(fra, dir.filePath("kopi"), false).ok());
    const struct stat st = lstatAf(dir.filePath("kopi"));
    QCOMPARE(st.st_size, off_t(128 * 1024 * 1024));
    QVERIFY2(qint64(st.st_blocks) * 512 < 1024 * 1024, "the holes were filled");
    QFile k(dir.filePath("kopi"));
    QVERIFY(k.open(QIODevice::ReadOnly));
    QCOMPARE(k.read(5), QByteArray("start"));
    k.seek(64 * 1024 * 1024);
    QCOMPARE(k.read(5), QByteArray("midte"));
}

void TestFilkopi::fremskridtPrKlumpOgStop()
{
    QTemporaryDir dir;
    const QString fra = dir.filePath("stor");
    QVERIFY(lavFil(fra, QByteArray(5 * 1024 * 1024, 'x')));

    QList<qint64> trin;
    QVERIFY(filkopi::kopier(fra, dir.filePath("a"), false, [&](qint64 k, qint64 t) {
                trin.append(k);
                return t == 5 * 1024 * 1024;
            }).ok());
    QCOMPARE(trin.size(), 5);
    QCOMPARE(trin.last(), qint64(5 * 1024 * 1024));
    QVERIFY(std::is_sorted(trin.begin(), trin.end()));

    // "Stop" after two chunks: no file under the name, no left-over.
    int kald = 0;
    const filkopi::Resultat r = filkopi::kopier(fra, dir.filePath("b"), false, [&](qint64, qint64) { return ++kald < 2; });
    QCOMPARE(r.udfald, filkopi::Udfald::Stoppet);
    QCOMPARE(navne(dir.path()), (QStringList{"a", "stor"}));
}

void TestFilkopi::linkKopieresSomLink()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("mappe/fil"), "x"));
    QVERIFY(QFile::link("mappe", dir.filePath("link")));
    QVERIFY(QFile::link("findes-ikke", dir.filePath("dinglende")));
    QVERIFY(filkopi::kopier(dir.filePath("link"), dir.filePath("link2"), false).ok());
    QVERIFY(filkopi::kopier(dir.filePath("dinglende"), dir.filePath("dinglende2"), false).ok());
    QCOMPARE(QFileInfo(dir.filePath("link2")).symLinkTarget(), dir.filePath("mappe"));
    QVERIFY(S_ISLNK(lstatAf(dir.filePath("dinglende2")).st_mode));
    QCOMPARE(QFile::symLinkTarget(dir.filePath("dinglende2")), dir.filePath("findes-ikke"));
}

void TestFilkopi::specielleFilerAabnesAldrig()
{
    QTemporaryDir dir;
    const QByteArray roer = QFile::encodeName(dir.filePath("rør"));
    QCOMPARE(::mkfifo(roer.constData(), 0600), 0);
    // Opening a pipe for reading would block for ever; it must be refused.
    QCOMPARE(filkopi::kopier(dir.filePath("rør"), dir.filePath("kopi"), false).udfald, filkopi::Udfald::Speciel);
    QCOMPARE(navne(dir.path()), QStringList{"rør"});
    QCOMPARE(filkopi::kopier(dir.filePath("væk"), dir.filePath("kopi"), false).udfald,
             filkopi::Udfald::KildeMangler);
}

void TestFilkopi::optagetMaalOgSammeElement()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("a"), "ny"));
    QVERIFY(lavFil(dir.filePath("b"), "gammel"));
    QCOMPARE(filkopi::kopier(dir.filePath("a"), dir.filePath("b"), false).udfald, filkopi::Udfald::Findes);
    QCOMPARE(indhold(dir.filePath("b")), QByteArray("gammel"));
    QVERIFY(filkopi::kopier(dir.filePath("a"), dir.filePath("b"), true).ok());
    QCOMPARE(indhold(dir.filePath("b")), QByteArray("ny"));

    // A hard link and a symbolic link to the source are the source itself.
    QCOMPARE(::link(QFile::encodeName(dir.filePath("a")).constData(), QFile::encodeName(dir.filePath("h")).constData()), 0);
    QVERIFY(QFile::link(dir.filePath("a"), dir.filePath("s")));
    for (const char *navn : {"a", "h", "s"}) {
        QCOMPARE(filkopi::kopier(dir.filePath("a"), dir.filePath(navn), true).udfald, filkopi::Udfald::SammeElement);
        QCOMPARE(indhold(dir.filePath("a")), QByteArray("ny"));
    }
    QVERIFY(filkopi::sammeElement(dir.filePath("h"), dir.filePath("a")));
    QVERIFY(!filkopi::sammeElement(dir.filePath("b"), dir.filePath("a")));

    // A folder is never replaced by a file.
    QDir().mkpath(dir.filePath("m"));
    QCOMPARE(filkopi::kopier(dir.filePath("a"), dir.filePath("m"), true).udfald, filkopi::Udfald::Findes);
    QVERIFY(QFileInfo(dir.filePath("m")).isDir());
}

void TestFilkopi::mislykketOverskrivningBevarerDetGamle_data()
{
    QTest::addColumn<int>("fejl");
    QTest::addColumn<int>("udfald");
    QTest::newRow("disken er fuld") << ENOSPC << int(filkopi::Udfald::DiskFuld);
    QTest::newRow("kvoten er brugt") << EDQUOT << int(filkopi::Udfald::DiskFuld);
    QTest::newRow("skrivefejl") << EIO << int(filkopi::Udfald::Fejl);
}

void TestFilkopi::mislykketOverskrivningBevarerDetGamle()
{
    QFETCH(int, fejl);
    QFETCH(int, udfald);
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("ny"), QByteArray(3 * 1024 * 1024, 'n')));
    QVERIFY(lavFil(dir.filePath("gammel"), "det gamle indhold"));
    int klumper = 0;
    // The second chunk fails, so something was already written.
    filkopi::saetSkriveFejl([&](const QString &maal) {
        return maal == dir.filePath("gammel") && ++klumper == 2 ? fejl : 0;
    });
    const filkopi::Resultat r = filkopi::kopier(dir.filePath("ny"), dir.filePath("gammel"), true);
    QCOMPARE(int(r.udfald), udfald);
    QCOMPARE(r.fejl, fejl);
    QCOMPARE(indhold(dir.filePath("gammel")), QByteArray("det gamle indhold"));
    QCOMPARE(navne(dir.path()), (QStringList{"gammel", "ny"}));
}

// A file is copied to its end, not to the size it reported: a file under
// /proc that says it is empty holds text, and the copy holds all of it.
void TestFilkopi::kopieresTilFilensEnde()
{
    QTemporaryDir dir;
    QFile kilde("/proc/version");
    QVERIFY(kilde.open(QIODevice::ReadOnly));
    const QByteArray forventet = kilde.readAll();
    QCOMPARE(QFileInfo(kilde).size(), 0);
    QVERIFY(!forventet.isEmpty());
    const filkopi::Resultat r = filkopi::kopier("/proc/version", dir.filePath("version"), false);
    QVERIFY(r.ok());
    QCOMPARE(indhold(dir.filePath("version")), forventet);
    QCOMPARE(r.bytes, qint64(forventet.size()));
    QCOMPARE(r.kilde.stoerrelse, 0);
}

QTEST_GUILESS_MAIN(TestFilkopi)
#include "tst_filkopi.moc"
