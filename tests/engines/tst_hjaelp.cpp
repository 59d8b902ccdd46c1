#include "engines/hjaelp/thjaelphistorik.h"
#include "engines/hjaelp/thjaelpindhold.h"
#include "engines/hjaelp/thjaelpsoegning.h"
#include "platform/tekstfil.h"
#include "testmiljoe.h"

#include <QTemporaryDir>
#include <QtTest>

class TestHjaelp : public QObject
{
    Q_OBJECT

    static THjaelpIndhold lilleIndhold()
    {
        THjaelpIndhold indhold;
        indhold.hentFraLinjer({"Velkommen", "Stifinderen", "\tKlipbordet", "\t\tKopier", "  Klip", "Programmer"},
                              {"1Velkommen", "2Stifinderen", "3Klipbordet", "4Kopier", "5Klip", "6Programmer"});
        return indhold;
    }

private slots:
    void initTestCase() { saetDanskLocale(); }

    void indholdetsTraeOgData()
    {
        const THjaelpIndhold indhold = lilleIndhold();
        QCOMPARE(indhold.antal(), 6);
        const auto &n = indhold.noder();
        QCOMPARE(n[2].tekst, QString("Klipbordet"));
        QCOMPARE(n[2].dybde, 1);
        QCOMPARE(n[2].foraelder, 1);
        QCOMPARE(n[3].foraelder, 2);
        QCOMPARE(n[4].dybde, 2);   // two spaces: depth 2, under "Klipbordet"
        QCOMPARE(n[4].foraelder, 2);
        QCOMPARE(n[5].foraelder, -1);
        QCOMPARE(n[3].billede, 4);
        QCOMPARE(n[3].side(), QString("Kopier"));
    }

    void forDybtIndrykketHaengerUnderNaermeste()
    {
        THjaelpIndhold indhold;
        indhold.hentFraLinjer({"A", "\t\t\tB"}, {});
        QCOMPARE(indhold.noder()[1].dybde, 1);
        QCOMPARE(indhold.noder()[1].foraelder, 0);
    }

    void manglendeOgOedelagteDatalinjer()
    {
        THjaelpIndhold indhold;
        indhold.hentFraLinjer({"A", "B", "C"}, {"7Aside", "xB"});
        QCOMPARE(indhold.noder()[0].side(), QString("Aside"));
        QCOMPARE(indhold.noder()[1].data, QString("0B"));   // no leading digit
        QCOMPARE(indhold.noder()[2].data, QString("0C"));   // no line at all
    }

    void filerPaaDisken()
    {
        QTemporaryDir dir;
        QVERIFY(tekstfil::gem(dir.filePath("struktur.txt"), {"Velkommen", "\tIndhold"}));
        THjaelpIndhold indhold;
        indhold.HentStruktur(dir.filePath("struktur.txt"), dir.filePath("data.txt"));
        QCOMPARE(indhold.antal(), 2);
        QCOMPARE(indhold.noder()[1].data, QString("0Indhold"));
        QVERIFY(!QFile::exists(dir.filePath("data.txt")));   // nothing written

        indhold.HentStruktur(dir.filePath("mangler.txt"), dir.filePath("data.txt"));
        QCOMPARE(indhold.antal(), 0);
    }

    void opslagEfterSide()
    {
        THjaelpIndhold indhold;
        indhold.hentFraLinjer({"velkommen"}, {"1Velkommen"});
        // The node search ignores letter case, the page-name lookup does not.
        QCOMPARE(indhold.findNodeForSide("Velkommen.html"), 0);
        QCOMPARE(indhold.getNodeTekst("Velkommen"), 0);
        QCOMPARE(indhold.getNodeTekst("velkommen"), -1);
    }

    void heleOrd_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("ord");
        QTest::addColumn<bool>("fundet");
        QTest::newRow("stort bogstav") << "<p>Klip en fil</p>" << "klip" << true;
        QTest::newRow("kun del af ord") << "Klipbordet holder" << "klip" << false;
        QTest::newRow("efter markup") << "<b>klip</b>" << "klip" << true;
        QTest::newRow("senere forekomst") << "Klipbordet og klip" << "klip" << true;
        QTest::newRow("dansk bogstav") << "ÆBLE og pære" << "æble" << true;
        QTest::newRow("ordet i ord") << "Udklip" << "klip" << false;
        QTest::newRow("tom") << "noget" << "" << false;
    }
    void heleOrd()
    {
        QFETCH(QString, tekst);
        QFETCH(QString, ord);
        QFETCH(bool, fundet);
        QCOMPARE(indeholderHeltOrd(tekst, ord), fundet);
    }

    void soegningIMappen()
    {
        QTemporaryDir dir;
        QVERIFY(tekstfil::gem(dir.filePath("Klip.html"), {"<h1>Klip</h1>"}));
        QVERIFY(tekstfil::gem(dir.filePath("Klipbordet.html"), {"<h1>Klipbordet</h1>"}));
        QVERIFY(tekstfil::gem(dir.filePath("Kopier.html"), {"Kopier og klip"}));
        QVERIFY(QDir(dir.path()).mkdir("klip"));   // folders are skipped
        QCOMPARE(soegIHjaelpesider(dir.path(), "klip"), (QStringList{"Klip", "Kopier"}));

        // Pages are found by name whatever the letter case; never outside the folder.
        QCOMPARE(findHjaelpeside(dir.path(), "klip.HTML"), dir.filePath("Klip.html"));
        QCOMPARE(findHjaelpeside(dir.path(), "Kopier.html"), dir.filePath("Kopier.html"));
        QVERIFY(findHjaelpeside(dir.path(), "Mangler.html").isEmpty());
        QVERIFY(findHjaelpeside(dir.path(), "../Klip.html").isEmpty());
        QVERIFY(findHjaelpeside(dir.path(), "klip").isEmpty());   // a folder is no page
    }

    void historikRegistrering()
    {
        const THjaelpIndhold indhold = lilleIndhold();
        THjaelpHistorik h;
        auto r = h.registrerTitel("Stifinderen.html", indhold);
        QVERIFY(r.aendret);
        QCOMPARE(r.valgtNode, 1);
        QCOMPARE(h.emner(), QStringList{"Stifinderen"});
        QCOMPARE(h.aktuelIndex(), 0);

        // The same title again (case ignored) records nothing.
        QVERIFY(!h.registrerTitel("STIFINDEREN.html", indhold).aendret);

        h.registrerTitel("Kopier.html", indhold);
        h.registrerTitel("Stifinderen.html", indhold);   // known entry: selected, not appended
        QCOMPARE(h.emner(), (QStringList{"Stifinderen", "Kopier"}));
        QCOMPARE(h.aktuelIndex(), 0);

        // A page without a contents node adds an empty entry.
        r = h.registrerTitel("Ukendt.html", indhold);
        QCOMPARE(r.valgtNode, -1);
        QCOMPARE(h.emner().last(), QString());
    }

    void historikNavigation()
    {
        const THjaelpIndhold indhold = lilleIndhold();
        THjaelpHistorik h;
        h.fyld({"Klip", "Kopier", "Programmer"});
        QCOMPARE(h.aktuelIndex(), -1);   // filling keeps the index
        h.gaaTil(0);
        QVERIFY(!h.kanGaaTilbage(true));
        QVERIFY(!h.kanGaaTilFoerste());
        QVERIFY(h.kanGaaFrem());
        QVERIFY(h.kanGaaTilSidste());
        // A change that comes from the history only selects its entry.
        const auto r = h.registrerTitel("Klip.html", indhold);
        QCOMPARE(r.valgtEmne, 0);
        QCOMPARE(r.valgtNode, -1);
        QCOMPARE(h.antal(), 3);

        h.gaaTil(h.fremIndex());
        h.gaaTil(h.fremIndex());
        QCOMPARE(h.aktuelIndex(), 2);
        QVERIFY(!h.kanGaaFrem());
        QCOMPARE(h.fremIndex(), 2);
        QVERIFY(h.kanGaaTilbage(true));
        QVERIFY(!h.kanGaaTilbage(false));

        h.sletAlle();
        QCOMPARE(h.aktuelIndex(), -1);
        QVERIFY(!h.kanGaaFrem());
    }
};

QTEST_GUILESS_MAIN(TestHjaelp)
#include "tst_hjaelp.moc"
