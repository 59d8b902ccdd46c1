#include "engines/kopilister.h"
#include "engines/tmetoder.h"

#include "fakedialogs.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Callers wrap it in QVERIFY: a fixture that could not be written stops the test.
[[nodiscard]] bool lavFil(const QString &sti, qint64 bytes = 0)
{
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    return f.open(QIODevice::WriteOnly) && f.write(QByteArray(bytes, 'x')) == bytes && f.flush();
}

class FalskeKopilister : public Kopilister
{
public:
    QList<Post> mapper, filer;
    QStringList etiketter;
    QString felt;
    QList<Post> mappePoster() const override { return mapper; }
    QList<Post> filPoster() const override { return filer; }
    void fjernMappePost(int r) override { mapper.removeAt(r); }
    void fjernFilPost(int r) override { filer.removeAt(r); }
    void visStoerrelse(const QString &s, const QString &m, const QString &f, const QString &i) override
    {
        etiketter = {s, m, f, i};
    }
    void skrivStoerrelsesfelt(const QString &t) override { felt = t; }
};

} // namespace

class TestTMetoder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void stier_data();
    void stier();
    void stoerrelsestekst_data();
    void stoerrelsestekst();
    void filbilleder_data();
    void filbilleder();
    void filstoerrelse();
    void nytMappenavn_data();
    void nytMappenavn();
    void nytFilnavnVedOmdoebning();
    void nytFilnavnTilKopi_data();
    void nytFilnavnTilKopi();
    void mappeInfoFoelgerIkkeLinks();
    void mappeInfoUdenMappe();
    void klipbordIBaggrunden();

private:
    QTemporaryDir m_dir;
};

void TestTMetoder::stier_data()
{
    QTest::addColumn<QString>("sti");
    QTest::addColumn<QString>("delim");
    QTest::addColumn<QString>("sidste");
    QTest::newRow("root") << "/" << "/" << "/";
    QTest::newRow("folder") << "/home/ann" << "/home/ann/" << "ann";
    QTest::newRow("trailing slash") << "/home/ann/" << "/home/ann/" << "ann";
    QTest::newRow("empty") << "" << "/" << "";
}

void TestTMetoder::stier()
{
    QFETCH(QString, sti);
    QFETCH(QString, delim);
    QFETCH(QString, sidste);
    QCOMPARE(TMetoder::delimKon(sti), delim);
    QCOMPARE(TMetoder::getLastDirectory(sti), sidste);
}

void TestTMetoder::stoerrelsestekst_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("0") << qint64(0) << "0 bytes (0 bytes)";
    QTest::newRow("512") << qint64(512) << "512 bytes (512 bytes)";
    QTest::newRow("1023") << qint64(1023) << "1.023 bytes (1.023 bytes)";
    QTest::newRow("1024 is a KB") << qint64(1024) << "1,00 KB (1.024 bytes)";
    QTest::newRow("1.5 MB") << qint64(1572864) << "1,50 MB (1.572.864 bytes)";
    QTest::newRow("just below GB") << qint64(1073741823) << "1.024,00 MB (1.073.741.823 bytes)";
    QTest::newRow("1 TB") << (qint64(1) << 40) << "1,00 TB (1.099.511.627.776 bytes)";
    QTest::newRow("beyond 32 bits") << (qint64(5) << 40) * 1024 << "5.120,00 TB (5.629.499.534.213.120 bytes)";
}

void TestTMetoder::stoerrelsestekst()
{
    QFETCH(qint64, n);
    QFETCH(QString, tekst);
    QCOMPARE(TMetoder::getSizeString(n), tekst);
    QCOMPARE(TMetoder::kortStoerrelse(n), tekst.left(tekst.indexOf(" (")));
}

void TestTMetoder::filbilleder_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<int>("billede");
    QTest::newRow("picture, capitals") << "FOTO.JPG" << 3;
    QTest::newRow("text") << "noter.txt" << 6;
    QTest::newRow("html") << "side.html" << 23;
    QTest::newRow("shortcut of this system") << "editor.desktop" << 11;
    QTest::newRow("console script") << "ryd.sh" << 25;
    QTest::newRow("pdf") << "a.b.pdf" << 28;
    QTest::newRow("unknown") << "data.bin" << 2;
    QTest::newRow("none") << "Makefile" << 2;
    QTest::newRow("dot file has no extension") << ".txt" << 2;
    QTest::newRow("longer than any known") << "x.desktops" << 2;
    QTest::newRow("not ASCII") << "billede.jpæg" << 2;
    QTest::newRow("dot in the folder only") << "/hjem/a.b/Makefile" << 2;
}

void TestTMetoder::filbilleder()
{
    QFETCH(QString, navn);
    QFETCH(int, billede);
    QCOMPARE(TMetoder::getFilensImageIndex(navn), billede);
}

void TestTMetoder::filstoerrelse()
{
    const QString d = m_dir.path() + "/stoerrelse";
    QVERIFY(lavFil(d + "/tom.txt"));
    QVERIFY(lavFil(d + "/fem.txt", 5));
    QCOMPARE(TMetoder::getFilensSize(d + "/tom.txt"), qint64(1));
    QCOMPARE(TMetoder::getFilensSize(d + "/fem.txt"), qint64(5));
    QCOMPARE(TMetoder::getFilensSize(d + "/mangler.txt"), qint64(-1));
}

void TestTMetoder::nytMappenavn_data()
{
    QTest::addColumn<QStringList>("findes");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("forventet");
    QTest::newRow("free name stays, trimmed") << QStringList{} << " Ny mappe " << "Ny mappe";
    QTest::newRow("taken gets Kopi (1)") << QStringList{"Ny mappe"} << "Ny mappe" << "Ny mappe Kopi (1)";
    QTest::newRow("next number") << QStringList{"Ny mappe", "Ny mappe Kopi (1)"} << "Ny mappe"
                                 << "Ny mappe Kopi (2)";
    QTest::newRow("marker stripped back") << QStringList{} << "Ny mappe Kopi (1)" << "Ny mappe";
    QTest::newRow("marker in any case") << QStringList{"Ny mappe"} << "Ny mappe kopi (4)" << "Ny mappe Kopi (1)";
    QTest::newRow("a file blocks the name too") << QStringList{"fil:Rapport"} << "Rapport" << "Rapport Kopi (1)";
    QTest::newRow("marker alone is kept") << QStringList{} << "Kopi af noget" << "Kopi af noget";
    QTest::newRow("parent with the marker word") << QStringList{"Kopi x"} << "Kopi x/Ny mappe"
                                                 << "Kopi x/Ny mappe";
}

void TestTMetoder::nytMappenavn()
{
    QFETCH(QStringList, findes);
    QFETCH(QString, navn);
    QFETCH(QString, forventet);
    QTemporaryDir dir;
    for (const QString &f : findes) {
        if (f.startsWith("fil:"))
            QVERIFY(lavFil(dir.path() + "/" + f.mid(4)));
        else
            QDir().mkpath(dir.path() + "/" + f);
    }
    const QString ud = TMetoder::getNewDirectoryName(" " + dir.path() + "/" + navn.trimmed() + " ", "Kopi");
    QCOMPARE(ud, dir.path() + "/" + forventet);
}

void TestTMetoder::nytFilnavnVedOmdoebning()
{
    QTemporaryDir dir;
    const QString a = dir.path() + "/a.txt";
    QVERIFY(lavFil(a));
    FakeDialogs d;
    TMetoder m(&d);

    QCOMPARE(m.getNewFilename(a, "b", ""), dir.path() + "/b.txt");
    QCOMPARE(m.getNewFilename(a, "b.TXT", ""), dir.path() + "/b.txt");
    QVERIFY(d.spoergsmaal.isEmpty());

    d.svarNej();
    QCOMPARE(m.getNewFilename(a, "b.doc", ""), dir.path() + "/b.txt");
    QCOMPARE(d.spoergsmaal.last(), QString("Filen var af type: .txt\rSkal den omdøbes til at være af type .doc?"));
    QCOMPARE(d.alleVist.last(), false);

    d.svarJa();
    QCOMPARE(m.getNewFilename(a, "b.doc", ""), dir.path() + "/b.doc");

    QVERIFY(lavFil(dir.path() + "/b.txt"));
    QVERIFY(lavFil(dir.path() + "/b (1).txt"));
    QCOMPARE(m.getNewFilename(a, "b", ""), dir.path() + "/b (2).txt");
    QCOMPARE(m.getNewFilename(a, "b", "_ny"), dir.path() + "/b_ny.txt");
    QCOMPARE(d.ubesvarede, 0);
}

void TestTMetoder::nytFilnavnTilKopi_data()
{
    QTest::addColumn<QStringList>("findes");
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("forventet");
    QTest::newRow("free") << QStringList{} << "rapport.txt" << "rapport.txt";
    QTest::newRow("taken") << QStringList{"rapport.txt"} << "rapport.txt" << "rapport Kopi (1).txt";
    QTest::newRow("taken twice") << QStringList{"rapport.txt", "rapport Kopi (1).txt"} << "rapport.txt"
                                 << "rapport Kopi (2).txt";
    QTest::newRow("copy of a copy") << QStringList{} << "rapport Kopi (3).txt" << "rapport.txt";
    QTest::newRow("no extension") << QStringList{"Makefile"} << "Makefile" << "Makefile Kopi (1)";
}

void TestTMetoder::nytFilnavnTilKopi()
{
    QFETCH(QStringList, findes);
    QFETCH(QString, navn);
    QFETCH(QString, forventet);
    QTemporaryDir dir;
    for (const QString &f : findes)
        QVERIFY(lavFil(dir.path() + "/" + f));
    QCOMPARE(TMetoder::getNewFilnavn(dir.path() + "/" + navn, "Kopi"), dir.path() + "/" + forventet);
}

void TestTMetoder::mappeInfoFoelgerIkkeLinks()
{
    QTemporaryDir dir;
    const QString d = dir.path();
    QVERIFY(lavFil(d + "/rod/a.txt", 10));
    QVERIFY(lavFil(d + "/rod/under/b.txt", 20));
    QVERIFY(lavFil(d + "/rod/under/.skjult", 5));
    QVERIFY(lavFil(d + "/ude/stor.bin", 1000));
    QFile::link(d + "/ude", d + "/rod/link-til-ude");
    QFile::link(d + "/rod", d + "/rod/under/sloejfe");

    FakeDialogs dialogs;
    TMetoder m(&dialogs);
    QVERIFY(m.getMappeInfo(d + "/rod"));
    QCOMPARE(m.antalMapper, qint64(1));
    QCOMPARE(m.antalFiler, qint64(5));   // three files and two links
    QCOMPARE(m.totalSize, qint64(35) + QFileInfo(d + "/rod/link-til-ude").symLinkTarget().size()
                              + QFileInfo(d + "/rod/under/sloejfe").symLinkTarget().size());
    QVERIFY(dialogs.informationer.isEmpty());
}

void TestTMetoder::mappeInfoUdenMappe()
{
    FakeDialogs dialogs;
    TMetoder m(&dialogs);
    QVERIFY(!m.getMappeInfo("/findes/ikke"));
    QCOMPARE(dialogs.informationer, QStringList{"Der opstod en ukendt fejl.\r"});
}

void TestTMetoder::klipbordIBaggrunden()
{
    QTemporaryDir dir;
    const QString d = dir.path();
    QVERIFY(lavFil(d + "/m1/x.bin", 1024));
    QVERIFY(lavFil(d + "/m1/y/z.bin", 1024));
    QVERIFY(lavFil(d + "/f.txt", 0));
    QVERIFY(lavFil(d + "/umarkeret.txt", 99));

    FalskeKopilister k;
    k.mapper = {{d + "/m1\r\n", true}, {d + "/fjernet", true}, {d + "/ogsaa-fjernet", false}};
    k.filer = {{d + "/f.txt\n", true}, {d + "/vaek.txt", true}, {d + "/umarkeret.txt", false}};

    FakeDialogs dialogs;
    TMetoder m(&dialogs);
    m.setKlipbord(&k);
    QSignalSpy faerdig(&m, &TMetoder::klipbordBeregnet);
    QCOMPARE(m.getSizeOfKlipbord(), QString());
    QCOMPARE(k.etiketter, (QStringList{"?", "?", "?", "Beregner..."}));
    // Vanished ticked entries leave the lists; unticked ones are not looked at.
    QCOMPARE(k.mapper.size(), 2);
    QCOMPARE(k.mapper[1].sti, d + "/ogsaa-fjernet");
    QCOMPARE(k.filer.size(), 2);
    QCOMPARE(k.filer[1].sti, d + "/umarkeret.txt");

    QVERIFY(faerdig.wait(5000));
    QCOMPARE(m.totalSize, qint64(2049));
    QCOMPARE(m.antalMapper, qint64(2));
    QCOMPARE(m.antalFiler, qint64(3));
    QCOMPARE(k.etiketter, (QStringList{"2,00 KB (2.049 bytes)", "2", "3", ""}));
    QCOMPARE(k.felt, QString("2,00 KB  Filer: 3"));
    QCOMPARE(m.listeMapper, QStringList{d + "/m1"});
    QCOMPARE(m.listeFiler, QStringList{d + "/f.txt"});
}

QTEST_GUILESS_MAIN(TestTMetoder)
#include "tst_tmetoder.moc"
