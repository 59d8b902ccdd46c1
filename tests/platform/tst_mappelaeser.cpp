#include "platform/mappelaeser.h"
#include "platform/navnekode.h"

#include "testmappe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestMappeLaeser : public QObject
{
    Q_OBJECT

private slots:
    void navnekodeRundtur_data();
    void navnekodeRundtur();
    void ugyldigtUtf8NavnBevares();
    void arterOgLinks();
    void skjulteNavne();
    void manglendeMappe();
};

void TestMappeLaeser::navnekodeRundtur_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QByteArray("rapport.txt");
    QTest::newRow("utf-8 danish") << QByteArray("r\xc3\xa6kke \xc3\xb8\xc3\xa5.txt");
    QTest::newRow("latin-1 byte") << QByteArray("r\xe6kke.txt");
    QTest::newRow("truncated sequence") << QByteArray("ab\xc3");
    QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf" "b");
    QTest::newRow("emoji") << QByteArray("\xf0\x9f\x98\x80.png");
    QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80");
}

void TestMappeLaeser::navnekodeRundtur()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(navnekode::kod(navnekode::dekod(bytes)), bytes);
}

void TestMappeLaeser::ugyldigtUtf8NavnBevares()
{
    Testmappe dir;
    const QByteArray sti = QFile::encodeName(dir.path()) + "/r\xe6kke.txt";
    const int fd = ::open(sti.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);

    MappeLaeser l(dir.path());
    MappeLaeser::Post p;
    QVERIFY(l.naeste(p));
    QCOMPARE(p.art, MappeLaeser::Art::Fil);
    // The name found leads back to the very same file.
    struct stat st;
    QCOMPARE(::stat(navnekode::kod(dir.path() + "/" + p.navn).constData(), &st), 0);
    QVERIFY(!l.naeste(p));
    QVERIFY(!l.fejlede());
}

void TestMappeLaeser::arterOgLinks()
{
    Testmappe dir;
    const QString d = dir.path();
    QDir().mkdir(d + "/mappe");
    QFile f(d + "/fil.txt");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("12345");
    f.close();
    QFile::link(d + "/mappe", d + "/link-til-mappe");
    QFile::link(d + "/fil.txt", d + "/link-til-fil");
    QFile::link(d + "/findes-ikke", d + "/brudt-link");
    QCOMPARE(::mkfifo(QFile::encodeName(d + "/roer").constData(), 0600), 0);

    QHash<QString, MappeLaeser::Post> poster;
    MappeLaeser l(d, true);
    MappeLaeser::Post p;
    while (l.naeste(p))
        poster.insert(p.navn, p);
    QCOMPARE(poster.size(), 6);
    QCOMPARE(poster["mappe"].art, MappeLaeser::Art::Mappe);
    QCOMPARE(poster["fil.txt"].art, MappeLaeser::Art::Fil);
    QCOMPARE(poster["fil.txt"].stoerrelse, 5);
    QCOMPARE(poster["link-til-mappe"].art, MappeLaeser::Art::Mappe);
    QVERIFY(poster["link-til-mappe"].erLink);
    QVERIFY(!poster["mappe"].erLink);
    QCOMPARE(poster["link-til-fil"].art, MappeLaeser::Art::Fil);
    QCOMPARE(poster["brudt-link"].art, MappeLaeser::Art::Andet);
    QCOMPARE(poster["roer"].art, MappeLaeser::Art::Andet);
}

void TestMappeLaeser::skjulteNavne()
{
    Testmappe dir;
    QFile f(dir.path() + "/.hidden");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("snap\nNoter med blank\n\n*.txt\n");
    f.close();
    const QSet<QString> s = MappeLaeser::skjulteNavne(dir.path());
    QVERIFY(MappeLaeser::erSkjult("snap", s));
    QVERIFY(MappeLaeser::erSkjult("Noter med blank", s));
    QVERIFY(MappeLaeser::erSkjult(".profile", s));
    QVERIFY2(!MappeLaeser::erSkjult("a.txt", s), "the file lists names, not patterns");
    QVERIFY(!MappeLaeser::erSkjult("Snap", s));

    // A pipe named .hidden must not block the listing.
    Testmappe dir2;
    QCOMPARE(::mkfifo(QFile::encodeName(dir2.path() + "/.hidden").constData(), 0600), 0);
    QVERIFY(MappeLaeser::skjulteNavne(dir2.path()).isEmpty());
}

void TestMappeLaeser::manglendeMappe()
{
    MappeLaeser l("/findes/ikke");
    MappeLaeser::Post p;
    QVERIFY(!l.aaben());
    QVERIFY(!l.naeste(p));
}

QTEST_GUILESS_MAIN(TestMappeLaeser)
#include "tst_mappelaeser.moc"
