#include "engines/mappestruktur/mappestrukturer.h"
#include "engines/mappestruktur/tstrukturredigering.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <QtTest>

namespace ms = mappestrukturer;

namespace {

// A structures folder with folders to put in structures, and an editor
// working on it with a scripted Dialogs.
struct Fikstur
{
    QTemporaryDir tmp;
    QString mappe;   // the structures folder, ending in "/"
    FakeDialogs d;
    bool MsRedigeret = false;
    int genindlaest = 0;
    TStrukturredigering r{d, MsRedigeret};

    Fikstur()
        : mappe(tmp.path() + "/Mappestrukturer/")
    {
        QDir().mkpath(mappe);
        for (const char *m : {"A", "B", "C"})
            QDir().mkpath(tmp.path() + "/" + m);
        r.setMappe(mappe);
        r.loadMappeStruktur = [this] { ++genindlaest; };
    }
    QString sti(const char *navn) const { return tmp.path() + "/" + navn; }
    QStringList navne() const
    {
        QStringList n;
        for (const auto &s : r.strukturer())
            n << s.navn;
        return n;
    }
    int index(const QString &navn) const { return int(navne().indexOf(navn)); }
    // A new structure saved through the editor.
    void gemNy(const QString &navn, const QStringList &mapper)
    {
        QVERIFY(r.klargoer());
        for (const QString &m : mapper)
            r.tilfoej(m);
        r.setNavn(navn);
        QVERIFY(r.gem());
    }
};

// A file size limit makes every write beyond `bytes` fail, as a full disk
// would; the signal the limit would send is ignored.
class Filgraense
{
public:
    explicit Filgraense(rlim_t bytes)
    {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_gemt);
        rlimit lav = m_gemt;
        lav.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lav);
    }
    ~Filgraense() { ::setrlimit(RLIMIT_FSIZE, &m_gemt); }

private:
    rlimit m_gemt {};
};

} // namespace

class TestMappestrukturer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void navnBlivFilnavn_data()
    {
        QTest::addColumn<QString>("skrevet");
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("fil");
        QTest::newRow("plain") << "Projekter" << "Projekter" << "Projekter.txt";
        QTest::newRow(".txt not doubled") << "Projekter.txt" << "Projekter" << "Projekter.txt";
        QTest::newRow(".TXT") << "Projekter.TXT" << "Projekter" << "Projekter.txt";
        QTest::newRow("other dots stay") << "Version 2.0" << "Version 2.0" << "Version 2.0.txt";
        QTest::newRow("blanks") << "  Noter  " << "Noter" << "Noter.txt";
        QTest::newRow("slash") << "Ind/Ud" << "Ind/Ud" << "Ind%2FUd.txt";
        QTest::newRow("leading dot") << ".skjult" << ".skjult" << "%2Eskjult.txt";
    }
    void navnBlivFilnavn()
    {
        QFETCH(QString, skrevet);
        QFETCH(QString, navn);
        QFETCH(QString, fil);
        QCOMPARE(ms::navnAf(skrevet), navn);
        QCOMPARE(ms::filFor("/x/", navn), "/x/" + fil);
    }

    // Names with "/" and of 300 bytes are saved as files of their own,
    // listed under the name typed, and found again for overwriting.
    void navneSomIkkeErFilnavne()
    {
        Fikstur f;
        const QString lang = QString(150, QChar(u'æ'));   // 300 bytes
        f.gemNy("Ind/Ud", {f.sti("A")});
        f.gemNy(lang, {f.sti("B")});
        QCOMPARE(f.d.spoergsmaal, QStringList());
        const QStringList filer = testfiler::navne(f.mappe);
        QCOMPARE(filer.size(), 2);
        for (const QString &fil : filer) {
            QVERIFY(fil.endsWith(".txt"));
            QVERIFY(fil.toUtf8().size() <= 255);
        }
        QVERIFY(filer.contains("Ind%2FUd.txt"));
        QVERIFY(f.navne().contains("Ind/Ud"));
        QCOMPARE(testfiler::indhold(f.mappe + "Ind%2FUd.txt"), (f.sti("A") + "\r\n").toUtf8());

        // The long one, fetched for editing and saved under the name shown,
        // overwrites its own file.
        QStringList navne = f.navne();
        navne.removeOne("Ind/Ud");
        f.r.vaelg(f.index(navne.first()));
        QCOMPARE(f.r.mapper(), QStringList{f.sti("B")});
        QVERIFY(f.r.rediger());
        f.r.tilfoej(f.sti("C"));
        f.d.svarJa();
        QVERIFY(f.r.gem());
        QCOMPARE(f.d.spoergsmaal.size(), 1);
        QCOMPARE(testfiler::navne(f.mappe).size(), 2);
        f.r.vaelg(f.index(f.r.navn()));
        QCOMPARE(f.r.mapper(), QStringList({f.sti("B"), f.sti("C")}));
    }

    // A damaged file loads what it can; a folder that went away is kept.
    void skadetFil_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("mapper");
        QTest::addColumn<int>("sprunget");
        QTest::newRow("CR LF and BOM") << QByteArray("\xEF\xBB\xBF/a\r\n/b\r\n") << QStringList{"/a", "/b"} << 0;
        QTest::newRow("LF, no final break") << QByteArray("/a\n/b") << QStringList{"/a", "/b"} << 0;
        QTest::newRow("blank lines") << QByteArray("\r\n/a\r\n   \r\n\r\n/b\r\n") << QStringList{"/a", "/b"} << 3;
        QTest::newRow("not folders") << QByteArray("hej\r\nC:\\Windows\r\n/a\r\nrelativ/sti\r\n")
                                     << QStringList{"/a"} << 3;
        QTest::newRow("Windows-1252") << QByteArray("/h\xE6k\r\n") << QStringList{QString::fromUtf8("/hæk")} << 0;
        QTest::newRow("blanks around") << QByteArray("  /a  \r\n") << QStringList{"/a"} << 0;
        QTest::newRow("NUL in a line") << QByteArray("/a\0b\r\n/c\r\n", 9) << QStringList{"/c"} << 1;
        QTest::newRow("empty") << QByteArray() << QStringList{} << 0;
    }
    void skadetFil()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, mapper);
        QFETCH(int, sprunget);
        Fikstur f;
        QVERIFY(testfiler::lavFil(f.mappe + "Skadet.txt", bytes));
        const ms::Indhold i = ms::hent(f.mappe + "Skadet.txt");
        QVERIFY(i.laest);
        QCOMPARE(i.mapper, mapper);
        QCOMPARE(i.sprunget, sprunget);
    }

    void manglendeOgUlaeseligFil()
    {
        Fikstur f;
        QStringList beskeder;
        tekstfil::saetMelder([&](const QString &b) { beskeder << b; });
        QVERIFY(!ms::hent(f.mappe + "Findes ikke.txt").laest);
        QDir().mkpath(f.mappe + "Mappe.txt");   // a folder in a file's place is no structure
        QVERIFY(!f.navne().contains("Mappe"));
        QVERIFY(!ms::hent(f.mappe + "Mappe.txt").laest);
        // A structure clicked after its file went away shows nothing.
        f.gemNy("Væk", {f.sti("A")});
        QFile::remove(f.mappe + "Væk.txt");
        f.r.vaelg(f.index("Væk"));
        QCOMPARE(f.r.mapper(), QStringList());
        tekstfil::saetMelder({});
    }

    void forsvundenMappeBliverIFilen()
    {
        Fikstur f;
        f.gemNy("S", {f.sti("A"), f.sti("B")});
        QDir(f.sti("A")).removeRecursively();
        f.r.vaelg(f.index("S"));
        QCOMPARE(f.r.mapper(), QStringList({f.sti("A"), f.sti("B")}));
        QVERIFY(f.r.rediger());
        f.r.tilfoej(f.sti("C"));
        f.d.svarJa();
        QVERIFY(f.r.gem());
        QCOMPARE(ms::hent(f.mappe + "S.txt").mapper, QStringList({f.sti("A"), f.sti("B"), f.sti("C")}));
    }

    void gemOgOverskriv()
    {
        Fikstur f;
        f.gemNy("Projekter.txt", {f.sti("A"), f.sti("B") + "/"});
        QCOMPARE(testfiler::navne(f.mappe), QStringList{"Projekter.txt"});
        QCOMPARE(testfiler::indhold(f.mappe + "Projekter.txt"), (f.sti("A") + "\r\n" + f.sti("B") + "\r\n").toUtf8());
        QVERIFY(!f.MsRedigeret);
        QCOMPARE(f.genindlaest, 1);
        QCOMPARE(f.navne(), QStringList{"Projekter"});

        // Over an existing one: "Nej" writes nothing and keeps the flag.
        f.r.tilfoej(f.sti("C"));
        QVERIFY(f.MsRedigeret);
        f.d.svarNej();
        QVERIFY(!f.r.gem());
        QCOMPARE(f.d.spoergsmaal, QStringList{"Skal filen \"Projekter.txt\" overskrives?"});
        QVERIFY(f.MsRedigeret);
        QCOMPARE(ms::hent(f.mappe + "Projekter.txt").mapper.size(), 2);
        f.d.svarJa();
        QVERIFY(f.r.gem());
        QCOMPARE(ms::hent(f.mappe + "Projekter.txt").mapper.size(), 3);
        QVERIFY(!f.MsRedigeret);
        QCOMPARE(f.genindlaest, 2);
        QCOMPARE(testfiler::navne(f.mappe), QStringList{"Projekter.txt"});   // no temporary left
    }

    // "Gem strukturen" follows the flag: a name typed over an empty list does
    // not set it, removing the last folder does, and an empty structure is
    // a valid one.
    void gemRegel()
    {
        Fikstur f;
        f.r.setNavn("Tom");
        QVERIFY(!f.MsRedigeret);
        QVERIFY(!f.r.kanGemme());
        f.r.tilfoej(f.sti("A"));
        QVERIFY(f.r.kanGemme());
        f.r.setNavn("   ");
        QVERIFY(!f.r.kanGemme());
        f.r.setNavn("Tom");
        QVERIFY(f.r.gem());
        QVERIFY(f.r.fjern(0));
        QVERIFY(f.MsRedigeret);
        f.d.svarJa();
        QVERIFY(f.r.gem());
        QCOMPARE(testfiler::indhold(f.mappe + "Tom.txt"), QByteArray());
        f.r.vaelg(f.index("Tom"));
        QCOMPARE(f.r.mapper(), QStringList());
        QVERIFY(!f.r.fjern(0));
    }

    void flyt()
    {
        Fikstur f;
        for (const char *m : {"A", "B", "C"})
            f.r.tilfoej(f.sti(m));
        QVERIFY(!f.r.kanFlytte(0, -1));
        QVERIFY(!f.r.kanFlytte(2, 1));
        QVERIFY(!f.r.kanFlytte(-1, 1));
        QVERIFY(f.r.flyt(0, 1));
        QVERIFY(f.r.flyt(2, -1));
        QCOMPARE(f.r.redigering(), QStringList({f.sti("B"), f.sti("C"), f.sti("A")}));
    }

    void redigerOgKlargoer()
    {
        Fikstur f;
        f.gemNy("S", {f.sti("A"), f.sti("B")});
        f.r.klargoer();
        f.r.tilfoej(f.sti("C"));
        f.r.vaelg(f.index("S"));
        f.d.svarNej();
        QVERIFY(!f.r.rediger());
        QCOMPARE(f.r.redigering(), QStringList{f.sti("C")});
        f.d.svarJa();
        QVERIFY(f.r.rediger());
        QCOMPARE(f.d.spoergsmaal,
                 QStringList(2, "En struktur er ikke gemt! Ændringerne vil gå tabt, hvis der hentes en anden.\r"
                                "Skal den valgte hentes til redigering?"));
        QCOMPARE(f.r.redigering(), QStringList({f.sti("A"), f.sti("B")}));
        QCOMPARE(f.r.navn(), "S");
        QVERIFY(!f.MsRedigeret);

        f.r.fjern(0);
        f.d.svarNej();
        QVERIFY(!f.r.klargoer());
        QCOMPARE(f.d.spoergsmaal.last(), "Der er rediget i strukturen! Skal der klargøres alligevel?");
        f.d.svarJa();
        QVERIFY(f.r.klargoer());
        QVERIFY(f.r.redigering().isEmpty() && f.r.navn().isEmpty() && !f.MsRedigeret);
    }

    // Deleting asks first and removes only the chosen file.
    void slet()
    {
        Fikstur f;
        f.gemNy("Bliver", {f.sti("A")});
        f.gemNy("Går", {f.sti("B")});
        QVERIFY(testfiler::lavFil(f.mappe + "andet.dat", "x"));
        f.r.vaelg(f.index("Går"));
        f.d.svarNej();
        QVERIFY(!f.r.slet());
        QCOMPARE(f.d.spoergsmaal, QStringList{"Skal elementet \"Går\" slettes permanent?"});
        QVERIFY(QFile::exists(f.mappe + "Går.txt"));

        f.r.tilfoej(f.sti("C"));
        f.d.svarJa();
        const int foer = f.genindlaest;
        QVERIFY(f.r.slet());
        QCOMPARE(f.d.spoergsmaal.last(), "En struktur er ikke gemt! Ændringerne vil gå tabt, hvis der slettes.\r"
                                         "Skal elementet \"Går\" slettes permanent?");
        QCOMPARE(testfiler::navne(f.mappe), QStringList({"Bliver.txt", "andet.dat"}));
        QVERIFY(!f.MsRedigeret);
        QCOMPARE(f.genindlaest, foer + 1);
        QVERIFY(f.r.mapper().isEmpty() && f.r.redigering().isEmpty() && f.r.navn().isEmpty());
        QCOMPARE(f.navne(), QStringList{"Bliver"});

        // A file that went away since the list was read.
        f.r.vaelg(f.index("Bliver"));
        QFile::remove(f.mappe + "Bliver.txt");
        f.d.svarJa();
        QVERIFY(!f.r.slet());
        QCOMPARE(f.d.informationer, QStringList{"Filen blev ikke fundet."});
        QCOMPARE(f.r.mapper(), QStringList{f.sti("A")});
    }

    void lukning()
    {
        Fikstur f;
        QVERIFY(f.r.maaLukke());
        QCOMPARE(f.d.spoergsmaal.size(), 0);
        f.r.tilfoej(f.sti("A"));
        f.d.svarNej();
        QVERIFY(!f.r.maaLukke());
        QVERIFY(f.MsRedigeret);
        f.d.svarJa();
        QVERIFY(f.r.maaLukke());
        QVERIFY(!f.MsRedigeret);
        QCOMPARE(f.d.spoergsmaal.last(), "Den hjemmelavede struktur er ikke gemt. Hvis der lukkes, går ændringerne tabt.\r"
                                         "Skal der lukkes alligevel?");
    }

    // A save that fails (a full disk) leaves the old file and the flag.
    void gemFejlerTaberIntet()
    {
        Fikstur f;
        f.gemNy("S", {f.sti("A")});
        f.r.tilfoej(f.sti("B"));
        f.d.svarJa();
        {
            Filgraense graense(8);
            QVERIFY(!f.r.gem());
        }
        QVERIFY(f.MsRedigeret);
        QCOMPARE(f.d.informationer.size(), 1);
        QVERIFY(f.d.informationer.first().startsWith("Strukturen blev ikke gemt."));
        QCOMPARE(ms::hent(f.mappe + "S.txt").mapper, QStringList{f.sti("A")});
        QCOMPARE(testfiler::navne(f.mappe), QStringList{"S.txt"});
    }
};

QTEST_GUILESS_MAIN(TestMappestrukturer)
#include "tst_mappestrukturer.moc"
