#include "engines/tfilmappedrevinfo.h"
#include "platform/elementattributter.h"

#include "fakedialogs.h"
#include "testfiler.h"
#include "testmappe.h"

#include <QSignalSpy>
#include <QtTest>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

// Sets a file's access and change times to the given local times.
void saetTider(const QString &sti, const QDateTime &aabnet, const QDateTime &aendret)
{
    const timespec t[2] = {{time_t(aabnet.toSecsSinceEpoch()), 0}, {time_t(aendret.toSecsSinceEpoch()), 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(sti).constData(), t, 0), 0);
}

unsigned int mode(const QString &sti)
{
    struct stat st;
    return ::stat(QFile::encodeName(sti).constData(), &st) == 0 ? (st.st_mode & 07777) : 0xFFFF;
}

} // namespace

class TestEgenskaber : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void filtyper_data();
    void filtyper();
    void filensVaerdier();
    void manglendeElementer();
    void mappensTotal();
    void drevetsVaerdier();
    void skrivebeskyttet();
    void skjultVedOmdoebning();
};

void TestEgenskaber::initTestCase()
{
    // Dates are shown in local time; the fixture's times are written in it.
    qputenv("TZ", "Europe/Copenhagen");
    tzset();
}

void TestEgenskaber::filtyper_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("txt") << "rapport.txt" << "Tekstfil: TXT-fil (.txt)";
    QTest::newRow("capitals") << "FOTO.PNG" << "Billedfil: PNG-fil (.png)";
    QTest::newRow("film") << "a.mp4" << "Videofil: MP4-fil (.mp4)";
    QTest::newRow("no description") << "brev.docx" << "DOCX-fil (.docx)";
    QTest::newRow("shortcut") << "fil.desktop" << "Genvej: DESKTOP-fil (.desktop)";
    QTest::newRow("no extension") << "README" << "Fil";
    QTest::newRow("dot file") << ".bashrc" << "Fil";
}

void TestEgenskaber::filtyper()
{
    QFETCH(QString, navn);
    QFETCH(QString, tekst);
    QCOMPARE(TFilMappeDrevInfo::filtypeTekst(navn), tekst);
}

void TestEgenskaber::filensVaerdier()
{
    Testmappe tmp;
    const QString sti = tmp.path() + "/mappe/rapport.txt";
    QVERIFY(testfiler::lavFil(sti, QByteArray(1536, 'x')));
    saetTider(sti, QDateTime(QDate(2025, 12, 24), QTime(18, 5, 9)), QDateTime(QDate(2024, 2, 29), QTime(7, 0, 1)));
    QCOMPARE(::chmod(QFile::encodeName(sti).constData(), 0444), 0);

    FakeDialogs d;
    TFilMappeDrevInfo info(&d);
    TFilMappeDrevInfo::Fil f;
    QVERIFY(info.filInfo(sti, f));
    QCOMPARE(f.navn, "rapport.txt");
    QCOMPARE(f.placering, tmp.path() + "/mappe/");
    QCOMPARE(f.stoerrelse, "1,50 KB (1.536 bytes)");
    QCOMPARE(f.filtype, "Tekstfil: TXT-fil (.txt)");
    QCOMPARE(f.aabnet, "24.12.2025 18:05:09");
    QCOMPARE(f.aendret, "29.02.2024 07:00:01");
    QVERIFY(!f.oprettet.isEmpty());
    QVERIFY(f.skrivebeskyttet);
    QVERIFY(!f.skjult);

    const QString tom = tmp.path() + "/.tom";
    QVERIFY(testfiler::lavFil(tom, {}));
    QVERIFY(info.filInfo(tom, f));
    QCOMPARE(f.stoerrelse, "0 bytes (0 bytes)");
    QVERIFY(f.skjult);
    QVERIFY(d.informationer.isEmpty());
}

void TestEgenskaber::manglendeElementer()
{
    Testmappe tmp;
    FakeDialogs d;
    TFilMappeDrevInfo info(&d);
    TFilMappeDrevInfo::Fil f;
    TFilMappeDrevInfo::Mappe m;
    QVERIFY(!info.filInfo(tmp.path() + "/væk.txt", f));
    QVERIFY(!info.filInfo(tmp.path(), f));   // a folder is not a file
    QVERIFY(!info.mappeInfo(tmp.path() + "/væk", m));
    QVERIFY(!info.mappeInfo(QString(), m));
    QCOMPARE(d.informationer, QStringList({"Der opstod en fejl.\rFilen er muligvist i brug.",
                                           "Der opstod en fejl.\rFilen er muligvist i brug.",
                                           "Mappen blev ikke fundet.", "Mappen blev ikke fundet."}));
}

// The folder page's total grows in the background and ends with the exact
// figures, Danish thousands separators included.
void TestEgenskaber::mappensTotal()
{
    Testmappe tmp;
    const QString rod = tmp.path() + "/Billeder";
    for (int i = 0; i < 1500; ++i)
        QVERIFY(testfiler::lavFil(rod + (i % 2 ? "/a/" : "/b/") + QString::number(i), "12"));
    QVERIFY(testfiler::lavFil(rod + "/c/.skjult", QByteArray(1000, 'x')));

    FakeDialogs d;
    TFilMappeDrevInfo info(&d);
    TFilMappeDrevInfo::Mappe m;
    QVERIFY(info.mappeInfo(rod, m));
    QCOMPARE(m.navn, "Billeder");
    QCOMPARE(m.placering, tmp.path());
    QVERIFY(!m.oprettet.isEmpty());

    QSignalSpy faerdig(&info, &TFilMappeDrevInfo::totalFaerdig);
    info.startTotal(rod);
    QVERIFY(faerdig.wait(10000));
    QCOMPARE(faerdig.first().at(0).toString(), "3,91 KB (4.000 bytes)");
    QCOMPARE(faerdig.first().at(1).toString(), "1.501 filer, 3 mapper");
    QCOMPARE(faerdig.first().at(2).toString(), QString());
    QVERIFY(!info.totallerer());

    mappetotal::Resultat r;
    r.ulaesteMapper = 1;
    r.andreDrev = 2;
    QCOMPARE(TFilMappeDrevInfo::oversprungetTekst(r),
             "1 mappe kunne ikke læses, 2 mapper på andre drev er ikke talt med.");
}

void TestEgenskaber::drevetsVaerdier()
{
    FakeDialogs d;
    TFilMappeDrevInfo info(&d);
    TFilMappeDrevInfo::Drev drev;
    QVERIFY(info.drevInfo("/", drev));
    struct statvfs sv;
    QCOMPARE(::statvfs("/", &sv), 0);
    const qint64 kapasitet = qint64(sv.f_blocks) * qint64(sv.f_frsize);
    QCOMPARE(drev.mappe, "/");
    QVERIFY(drev.disknavn.endsWith(" (/)"));
    QCOMPARE(drev.kapasitet, TFilMappeDrevInfo::stoerrelsesTekst(kapasitet));
    QVERIFY(!drev.filsystem.isEmpty());
    QVERIFY(drev.procent >= 0 && drev.procent <= 100);
    QVERIFY(d.informationer.isEmpty());
    QCOMPARE(TFilMappeDrevInfo::getDrevTypeString(2), "Lokal disk");
    QCOMPARE(TFilMappeDrevInfo::getDrevTypeString(1), "Flytbar disk");
    QCOMPARE(TFilMappeDrevInfo::getDrevTypeString(0), QString());
}

// Read-only takes the write permission from everybody; clearing it gives
// the owner's back and keeps the rest.
void TestEgenskaber::skrivebeskyttet()
{
    Testmappe tmp;
    const QString sti = tmp.path() + "/f.txt";
    QVERIFY(testfiler::lavFil(sti));
    QCOMPARE(::chmod(QFile::encodeName(sti).constData(), 0664), 0);
    FakeDialogs d;
    TFilMappeDrevInfo info(&d);
    QCOMPARE(info.anvendAttributter(sti, true, false), sti);
    QCOMPARE(mode(sti), 0444u);
    QCOMPARE(info.anvendAttributter(sti, false, false), sti);
    QCOMPARE(mode(sti), 0644u);
    QVERIFY(d.informationer.isEmpty());
    // A file that vanished is left alone.
    QCOMPARE(info.anvendAttributter(tmp.path() + "/væk", true, false), QString());
}

void TestEgenskaber::skjultVedOmdoebning()
{
    Testmappe tmp;
    const QString sti = tmp.path() + "/f.txt";
    QVERIFY(testfiler::lavFil(sti, "1"));
    FakeDialogs d;
    TFilMappeDrevInfo info(&d);

    QCOMPARE(info.anvendAttributter(sti, false, true), tmp.path() + "/.f.txt");
    QCOMPARE(testfiler::navne(tmp.path()), QStringList{".f.txt"});
    QCOMPARE(info.anvendAttributter(tmp.path() + "/.f.txt", false, false), sti);
    QCOMPARE(testfiler::navne(tmp.path()), QStringList{"f.txt"});

    // The other name is taken: nothing is renamed and nothing is lost.
    QVERIFY(testfiler::lavFil(tmp.path() + "/.f.txt", "2"));
    QCOMPARE(info.anvendAttributter(sti, true, true), sti);
    QCOMPARE(testfiler::indhold(sti), "1");
    QCOMPARE(testfiler::indhold(tmp.path() + "/.f.txt"), "2");
    QCOMPARE(d.informationer,
             QStringList{"Filen kan ikke skjules, for der findes allerede et element med navnet:\r.f.txt"});
    QCOMPARE(mode(sti) & 0222, 0u);   // read-only was still applied

    // "..x" shown loses both dots, or it would stay hidden.
    QVERIFY(testfiler::lavFil(tmp.path() + "/..x", "3"));
    QCOMPARE(info.anvendAttributter(tmp.path() + "/..x", false, false), tmp.path() + "/x");
}

QTEST_GUILESS_MAIN(TestEgenskaber)
#include "tst_egenskaber.moc"
