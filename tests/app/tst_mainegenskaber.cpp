#include "app/mainegenskaber.h"
#include "app/mainregler.h"
#include "app/tegenskabsside.h"
#include "platform/tekstfil.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>
#include <sys/stat.h>

using namespace mainregler;

// The main settings file as a value, the main window's rules and its page
// titles, all without a window.
class TestMainEgenskaber : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString fil(const QString &navn = QStringLiteral("MainEgenskaber.txt")) const
    {
        return m_dir.filePath(navn);
    }

    // Every line differs from its default, so a line applied to the wrong
    // field or not at all shows.
    static MainEgenskaber ikkeStandard()
    {
        MainEgenskaber e;
        e.designName = "Zircon";
        e.top = 11;
        e.left = 22;
        e.width = 1300;
        e.height = 800;
        e.maxElementer = 40;
        e.Fontbox = 2;
        e.trayCheck = true;
        e.panelVist = false;
        e.FontnavnBox = 3;
        e.exeProgram = "/usr/bin/kate æøå";
        e.openInfo = 1;
        e.openGenveje = 1;
        e.openProgrammer = 1;
        e.openStrukturer = 1;
        e.openTekstfiler = 1;
        e.openBilleder = 1;
        e.openKalender = 1;
        e.OnClickIndex = 4;
        e.OnClickCaption = "Min struktur";
        e.FremFormCheck = 1;
        e.openWmi = 1;
        e.hovedSide = 3;
        e.egenskabsSide = 2;
        e.PlaceringsMappe = "/home/x/Genveje";
        e.visProgrammer = 1;
        e.funktionsSide = 2;
        e.GBoxV = 3;
        e.GBoxL = 4;
        e.colIndex = 7;
        e.CheckStrukturLinjer = true;
        e.TryedBefore = 1;
        e.Vistoppanel = 0;
        e.bogfanerBox = 0;
        e.genvejsSide = 3;
        e.sammeKlipbord = false;
        e.minimerCheck = true;
        e.sikkerhedsCheck = false;
        e.blokerCheck = true;
        e.tabVisCheck1 = false;
        e.tabVisCheck2 = false;
        e.tabVisCheck3 = true;
        e.tabVisCheck4 = true;
        e.beskedCheck = true;
        e.vhaFunkCheck = true;
        return e;
    }

    void skrivBytes(const QByteArray &bytes)
    {
        QFile f(fil());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        QVERIFY(m_dir.isValid());
    }
    void cleanup() { QFile::remove(fil()); }

    void rundturAfAlle45Vaerdier()
    {
        const MainEgenskaber skrevet = ikkeStandard();
        QVERIFY(skrevet.GemOpt(fil()));
        // Every line by its index, so two fields that swapped places in the
        // file would show even though they still round-trip.
        const QStringList forventet = {
            "Zircon", "11", "22", "1300", "800",                    // 0-4: design, place, size
            "40", "2", "1", "0", "3",                               // 5-9
            "/usr/bin/kate æøå", "1", "1", "1", "1",                // 10-14
            "1", "1", "1", "4", "Min struktur",                     // 15-19
            "1", "1", "3", "2", "/home/x/Genveje",                  // 20-24
            "1", "2", "3", "4", "7",                                // 25-29
            "1", "1", "0", "0", "3",                                // 30-34
            "0", "1", "0", "1", "0",                                // 35-39
            "0", "1", "1", "1", "1",                                // 40-44
        };
        const QStringList linjer = tekstfil::hent(fil());
        QCOMPARE(linjer.size(), 45);
        for (int i = 0; i < forventet.size(); ++i)
            QVERIFY2(linjer.at(i) == forventet.at(i),
                     qPrintable(QStringLiteral("linje %1: \"%2\"").arg(i).arg(linjer.at(i))));

        MainEgenskaber laest;
        QCOMPARE(laest.HentOpt(fil()), MainEgenskaber::Udfald::Laest);
        QCOMPARE(laest, skrevet);
    }

    void negativtTalOgStandardLinjer()
    {
        // A first start's values, as the file a first start writes.
        QVERIFY(MainEgenskaber().GemOpt(fil()));
        const QStringList linjer = tekstfil::hent(fil());
        QCOMPARE(linjer.at(0), QString("Sky"));
        QCOMPARE(linjer.mid(1, 5), (QStringList{"50", "250", "1270", "870", "120"}));
        QCOMPARE(linjer.at(18), QString("-1"));
        QCOMPARE(linjer.mid(39, 4), (QStringList{"1", "1", "0", "0"}));
    }

    void forkertAntalLinjerGiverStandard_data()
    {
        QTest::addColumn<int>("antal");
        QTest::newRow("44 linjer") << 44;
        QTest::newRow("46 linjer") << 46;
        QTest::newRow("tom fil") << 0;
    }
    void forkertAntalLinjerGiverStandard()
    {
        QFETCH(int, antal);
        QStringList linjer = ikkeStandard().tilLinjer();
        while (linjer.size() > antal)
            linjer.removeLast();
        while (linjer.size() < antal)
            linjer.append("1");
        QVERIFY(tekstfil::gem(fil(), linjer));

        MainEgenskaber e;
        QCOMPARE(e.HentOpt(fil()), MainEgenskaber::Udfald::ForkertAntal);
        QCOMPARE(e, MainEgenskaber());
        QCOMPARE(e.designName, QString("Sky"));
        QCOMPARE(e.width, 1270);
        QCOMPARE(e.height, 870);
    }

    void manglendeFilGiverStandard()
    {
        MainEgenskaber e;
        QCOMPARE(e.HentOpt(fil("findes-ikke.txt")), MainEgenskaber::Udfald::Mangler);
        QCOMPARE(e, MainEgenskaber());
    }

    void ikkeEtTalStopperLaesningen()
    {
        // Line 9 is not a number: lines 0-8 were applied, then the default
        // routine reset its own fields; lines 9-44 were never applied.
        QStringList linjer = ikkeStandard().tilLinjer();
        linjer[9] = "Arial";
        QVERIFY(tekstfil::gem(fil(), linjer));

        MainEgenskaber e;
        QCOMPARE(e.HentOpt(fil()), MainEgenskaber::Udfald::IkkeEtTal);

        MainEgenskaber forventet;   // defaults and initial states
        forventet.Fontbox = 2;      // line 6 as read
        forventet.trayCheck = true; // line 7 as read
        QCOMPARE(e, forventet);
    }

    void linjekonvertering_data()
    {
        QTest::addColumn<int>("linje");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("laest");
        QTest::addColumn<bool>("vaerdi");   // the field's value afterwards
        // Page switches are shown only for exactly 1.
        QTest::newRow("kontakt 1 vist") << 39 << "1" << true << true;
        QTest::newRow("kontakt 2 skjult") << 39 << "2" << true << false;
        QTest::newRow("kontakt -1 skjult") << 39 << "-1" << true << false;
        QTest::newRow("kontakt 0 skjult") << 42 << "0" << true << false;
        // Other booleans: every number but 0 is true.
        QTest::newRow("bool 2 sand") << 37 << "2" << true << true;
        QTest::newRow("bool 0 falsk") << 37 << "0" << true << false;
        QTest::newRow("bool tekst stopper") << 37 << "ja" << false << true;
        QTest::newRow("bool tom stopper") << 37 << "" << false << true;
        QTest::newRow("bool kommatal stopper") << 37 << "1,0" << false << true;
    }
    void linjekonvertering()
    {
        QFETCH(int, linje);
        QFETCH(QString, tekst);
        QFETCH(bool, laest);
        QFETCH(bool, vaerdi);
        QStringList linjer = MainEgenskaber().tilLinjer();
        linjer[linje] = tekst;
        MainEgenskaber e;
        QCOMPARE(e.anvendLinjer(linjer) == MainEgenskaber::Udfald::Laest, laest);
        const bool felt = linje == 39 ? e.tabVisCheck1 : linje == 42 ? e.tabVisCheck4 : e.sikkerhedsCheck;
        QCOMPARE(felt, vaerdi);
    }

    void tekstMedLinjeskiftOedelaeggerIkkeFilen()
    {
        // A path may hold a line break on this system; written as it is, it
        // would shift every later line and cost all settings at next start.
        MainEgenskaber e = ikkeStandard();
        e.exeProgram = "/tmp/to\nlinjer";
        QVERIFY(e.GemOpt(fil()));
        MainEgenskaber laest;
        QCOMPARE(laest.HentOpt(fil()), MainEgenskaber::Udfald::Laest);
        QCOMPARE(laest.exeProgram, QString());
        QCOMPARE(laest.vhaFunkCheck, true);
    }

    void skraldGiverStandardUdenNedbrud_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray tilfaeldig(4096, '\0');
        QRandomGenerator rng(7);
        for (char &c : tilfaeldig)
            c = char(rng.bounded(256));
        QTest::newRow("tilfældige bytes") << tilfaeldig;
        // 45 lines of binary junk: the count is right, the numbers are not.
        QByteArray linjer;
        for (int i = 0; i < 45; ++i)
            linjer += QByteArray("\x00\xff\xfe\x01", 4) + "\r\n";
        QTest::newRow("45 linjer skrald") << linjer;
        QTest::newRow("for stor") << QByteArray(MainEgenskaber::maxFilstoerrelse + 1, '7');
    }
    void skraldGiverStandardUdenNedbrud()
    {
        QFETCH(QByteArray, bytes);
        skrivBytes(bytes);
        MainEgenskaber e;
        QVERIFY(e.HentOpt(fil()) != MainEgenskaber::Udfald::Laest);
        QCOMPARE(e, MainEgenskaber());
    }

    void ikkeAlmindeligFilLaesesIkke()
    {
        // A folder or a pipe in the file's place: defaults, and reading a
        // pipe must not wait for a writer that never comes.
        QVERIFY(QDir(m_dir.path()).mkpath("mappe.txt"));
        MainEgenskaber e;
        QCOMPARE(e.HentOpt(fil("mappe.txt")), MainEgenskaber::Udfald::Ulaeselig);
        QCOMPARE(e, MainEgenskaber());
        const QByteArray ror = fil("ror.txt").toLocal8Bit();
        QCOMPARE(::mkfifo(ror.constData(), 0600), 0);
        QCOMPARE(e.HentOpt(fil("ror.txt")), MainEgenskaber::Udfald::Ulaeselig);
    }

    void maxElementerKnapper_data()
    {
        QTest::addColumn<bool>("op");
        QTest::addColumn<int>("foer");
        QTest::addColumn<int>("efter");
        QTest::newRow("ned fra 15") << false << 15 << 10;
        QTest::newRow("ned fra 10") << false << 10 << 10;
        QTest::newRow("ned fra 120") << false << 120 << 110;
        QTest::newRow("ned fra 5 rører ikke") << false << 5 << 5;
        QTest::newRow("op fra 120") << true << 120 << 130;
        QTest::newRow("op ved loftet") << true << INT_MAX << INT_MAX;
    }
    void maxElementerKnapper()
    {
        QFETCH(bool, op);
        QFETCH(int, foer);
        QFETCH(int, efter);
        QCOMPARE(op ? TEgenskabsside::maxElementerOp(foer) : TEgenskabsside::maxElementerNed(foer), efter);
    }

    void kommandoregler_data()
    {
        QTest::addColumn<bool>("panel");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("genvejsSide");
        QTest::addColumn<bool>("openElement");
        QTest::addColumn<bool>("visInfoStruk");
        QTest::addColumn<QList<bool>>("visGT");
        const QList<bool> alle{true, true, true, true};
        QTest::newRow("panel vist, side 0") << true << 0 << 0 << false << true << alle;
        QTest::newRow("panel skjult, side 5") << false << 5 << 0 << true << true << alle;
        QTest::newRow("panel vist, side 5") << true << 5 << 0 << false << false << alle;
        QTest::newRow("side 6 underside 2")
            << true << 6 << 2 << false << true << QList<bool>{true, true, false, true};
        QTest::newRow("side 6 men panel skjult") << false << 6 << 2 << true << true << alle;
    }
    void kommandoregler()
    {
        QFETCH(bool, panel);
        QFETCH(int, side);
        QFETCH(int, genvejsSide);
        Tilstand t;
        t.panelVist = panel;
        t.side = side;
        t.genvejsSide = genvejsSide;
        QTEST(kanOpenElement(t), "openElement");
        QTEST(kanVisInfoStruk(t), "visInfoStruk");
        QList<bool> gt;
        for (int i = 0; i < 4; ++i)
            gt.append(kanVisGT(t, i));
        QTEST(gt, "visGT");
    }

    void boernereglerOgStandardstoerrelse()
    {
        Tilstand t;
        QVERIFY(!kanStandardSize(t));
        t.bredde = 1271;
        QVERIFY(kanStandardSize(t));
        t.bredde = 1270;
        t.hoejde = 869;
        QVERIFY(kanStandardSize(t));

        QVERIFY(kanSammeKlipbord(t));
        QVERIFY(!kanCloseElement(t));
        QVERIFY(!kanCloseAlleElementer(t));
        t.antalBoern = 2;
        QVERIFY(!kanSammeKlipbord(t));
        QVERIFY(kanCloseAlleElementer(t));   // a tool window is active
        t.aktivErStifinder = true;
        QVERIFY(kanCloseElement(t));
        QVERIFY(!kanCloseAlleElementer(t));
        t.processCount = 1;
        QVERIFY(!kanCloseElement(t));
        t.aktivErStifinder = false;
        t.aktivErKlipbord = true;
        QVERIFY(!kanCloseAlleElementer(t));
    }

    void sidetitler_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("underside");
        QTest::addColumn<bool>("direkte");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("hjaelp");
        QTest::addColumn<bool>("besked");
        QTest::newRow("0/0") << 0 << 0 << false << "Programmer med funktioner"
                             << "Programmer med funktioner.html" << false;
        QTest::newRow("0/1") << 0 << 1 << false << "Programmer: Egenskaber"
                             << "Programmer med funktioner.html" << false;
        QTest::newRow("0/2") << 0 << 2 << false << "Dos kommandoer" << "Dos.html" << false;
        QTest::newRow("1") << 1 << 0 << false << "Udvalgte programmer" << "Programmer.html" << false;
        QTest::newRow("2") << 2 << 0 << false << "Søg på nettet" << "Søg på nettet.html" << false;
        QTest::newRow("3") << 3 << 0 << false << "Notater" << "Notater.html" << false;
        QTest::newRow("4/0") << 4 << 0 << false << "Program Egenskaber" << "Egenskaber1.html" << false;
        QTest::newRow("4/0 direkte") << 4 << 0 << true << "Egenskaber" << "Egenskaber1.html" << false;
        QTest::newRow("4/1") << 4 << 1 << true << "Klipbord" << "Egenskaber2.html" << false;
        QTest::newRow("4/2") << 4 << 2 << false << "Strukturer" << "Egenskaber3.html" << false;
        QTest::newRow("4/3") << 4 << 3 << false << "Sikkerhed" << "Egenskaber4.html" << false;
        QTest::newRow("4/4") << 4 << 4 << false << "" << "" << true;
        QTest::newRow("5") << 5 << 1 << false << "Velkommen" << "qenStifinder.html" << false;
        QTest::newRow("6") << 6 << 3 << false << "Program genveje" << "Program genveje.html" << false;
        QTest::newRow("7") << 7 << 0 << false << "Indhold" << "" << true;
    }
    void sidetitler()
    {
        QFETCH(int, side);
        QFETCH(int, underside);
        QFETCH(bool, direkte);
        const SideInfo info = sideInfo(side, underside, direkte);
        QTEST(info.titel, "titel");
        QTEST(info.hjaelpeside, "hjaelp");
        QTEST(!info.besked.isEmpty(), "besked");
    }

    void panelIndholdBeskedensStykker()
    {
        const QStringList linjer = panelIndholdBesked().split(u'\r');
        QCOMPARE(linjer.size(), 3);
        QCOMPARE(linjer.at(0), QString("Tabbene vises i venstre side af panelet."));
        QCOMPARE(linjer.at(1), QString());
        QCOMPARE(linjer.at(2), QString("Siderne ") + "\"Søg på nettet\"" + ", " + "\"Notater\"" + ","
                                   + "\"Program genveje\"" + " samt " + "\"Indhold\""
                                   + " kan vises eller skjules.");
        QCOMPARE(sideInfo(7, 0).besked, QString("Indholdsstruktur med informations genveje."));
    }
};

QTEST_GUILESS_MAIN(TestMainEgenskaber)
#include "tst_mainegenskaber.moc"
