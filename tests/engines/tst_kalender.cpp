#include "engines/kalender/dagsnotater.h"
#include "engines/kalender/datomappe.h"
#include "engines/kalender/kalenderdatoer.h"
#include "engines/kalender/tdatoforskel.h"
#include "fakedialogs.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

namespace kd = kalenderdatoer;

namespace {

// Easter Sunday by the anonymous Gregorian algorithm (Meeus/Jones/Butcher),
// a computation that shares nothing with Gauss's rule but the result.
QDate anonymPaaske(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int maaned = (h + l - 7 * m + 114) / 31;
    const int dag = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, maaned, dag);
}

const QString scriptMappe = QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/scripts");

} // namespace

// The calendar's engines: dates and holidays, notes and date folders on
// disk, and the date difference through the shipped script.
class TestKalender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void paaskeSomDenAnonymeRegelFra1583Til4099()
    {
        for (int aar = 1583; aar <= 4099; ++aar) {
            const QDate forventet = anonymPaaske(aar);
            const kd::Paaske p = kd::beregnPaaskeS(aar);
            if (p.dag != forventet.day() || p.maaned != forventet.month())
                QFAIL(qPrintable(QStringLiteral("%1: %2/%3, ventet %4").arg(aar).arg(p.dag).arg(p.maaned)
                                     .arg(forventet.toString(Qt::ISODate))));
        }
    }

    void paaskeINavngivneAar_data()
    {
        QTest::addColumn<int>("aar");
        QTest::addColumn<QDate>("paaske");
        QTest::newRow("2013") << 2013 << QDate(2013, 3, 31);
        QTest::newRow("2014") << 2014 << QDate(2014, 4, 20);
        QTest::newRow("2018") << 2018 << QDate(2018, 4, 1);
        QTest::newRow("1981 d=29 e=6") << 1981 << QDate(1981, 4, 19);
        QTest::newRow("1954 d=28 e=6 a>10") << 1954 << QDate(1954, 4, 18);
    }
    void paaskeINavngivneAar()
    {
        QFETCH(int, aar);
        QFETCH(QDate, paaske);
        QCOMPARE(kd::paaskedag(aar), paaske);
    }

    void helligdagsraekker_data()
    {
        QTest::addColumn<int>("aar");
        QTest::addColumn<QStringList>("datoer");
        QTest::newRow("2013") << 2013
                              << QStringList{"28. Marts - Torsdag ", "29. Marts - Fredag ", "31.  Marts - Søndag ",
                                             "1.  April - Mandag ", "26.  April - Fredag ", "9.  Maj - Torsdag ",
                                             "19.  Maj - Søndag ", "20.  Maj - Mandag ", "24. December - Tirsdag ",
                                             "25. December - Onsdag ", "26. December - Torsdag ",
                                             "01. Januar - Onsdag "};
        QTest::newRow("2018") << 2018
                              << QStringList{"29. Marts - Torsdag ", "30. Marts - Fredag ", "1.  April - Søndag ",
                                             "2.  April - Mandag ", "27.  April - Fredag ", "10.  Maj - Torsdag ",
                                             "20.  Maj - Søndag ", "21.  Maj - Mandag ", "24. December - Mandag ",
                                             "25. December - Tirsdag ", "26. December - Onsdag ",
                                             "01. Januar - Tirsdag "};
        QTest::newRow("2285 påske 22. marts")
            << 2285
            << QStringList{"19. Marts - Torsdag ", "20. Marts - Fredag ", "22.  Marts - Søndag ",
                           "23.  Marts - Mandag ", "17.  April - Fredag ", "30.  April - Torsdag ",
                           "10.  Maj - Søndag ", "11.  Maj - Mandag ", "24. December - Torsdag ",
                           "25. December - Fredag ", "26. December - Lørdag ", "01. Januar - Fredag "};
    }
    void helligdagsraekker()
    {
        QFETCH(int, aar);
        QFETCH(QStringList, datoer);
        const QStringList captions{"Skærtorsdag:", "Langfredag:", "Påskedag:", "Anden påskedag:",
                                   "Store bededag:", "Kristi himmelfartsdag: ", "Pinsedag:", "2. pinsedag:",
                                   "Juleaften:", "1. Juledag:", "2. juledag:", "Nytårsdag:"};
        const QList<kd::Helligdag> raekker = kd::findDatoer(aar);
        QCOMPARE(raekker.size(), 12);
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(raekker[i].caption, captions[i]);
            QCOMPARE(raekker[i].dato, datoer[i]);
        }
    }

    void startraekkerOgBededagensHint()
    {
        QStringList start;
        for (const kd::Helligdag &h : kd::startraekker())
            start.append(h.dato);
        QCOMPARE(start, (QStringList{"?", "?", "?", "?", "?", "?", "?", "?", "24. December", "25. December",
                                     "26. December", "01. Januar"}));
        QVERIFY(kd::findDatoer(2023)[4].hint.isEmpty());
        QCOMPARE(kd::findDatoer(2024)[4].hint, QString("Store bededag er ikke længere en helligdag fra og med 2024."));
        QCOMPARE(kd::findDatoer(2024)[4].dato, QString("26.  April - Fredag "));
        QVERIFY(kd::findDatoer(0).isEmpty());
        QVERIFY(kd::findDatoer(-7).isEmpty());
        QCOMPARE(kd::findDatoer(9999)[11].dato, QString("01. Januar - Lørdag "));
    }

    void rensTal_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("tal");
        QTest::newRow("tal") << "20" << 20;
        QTest::newRow("minus") << "-5" << -5;
        QTest::newRow("kun cifre tæller") << "a1b2 " << 12;
        QTest::newRow("minus inde i teksten") << "x-5" << 5;
        QTest::newRow("tom") << "" << 0;
        QTest::newRow("kun minus") << "-" << 0;
        QTest::newRow("for stort") << "99999999999" << INT_MAX;
    }
    void rensTal()
    {
        QFETCH(QString, tekst);
        QFETCH(int, tal);
        QCOMPARE(kd::rensTal(tekst), tal);
    }

    void opdaterMedFelterne_data()
    {
        QTest::addColumn<QDate>("aktuel");
        QTest::addColumn<int>("dag");
        QTest::addColumn<int>("maaned");
        QTest::addColumn<int>("aar");
        QTest::addColumn<QDate>("ny");
        const QDate okt15(2013, 10, 15);
        QTest::newRow("20-11-2014") << okt15 << 20 << 11 << 2014 << QDate(2014, 11, 20);
        QTest::newRow("år -5 ignoreres") << okt15 << 15 << 10 << -5 << okt15;
        QTest::newRow("0 overalt") << okt15 << 0 << 0 << 0 << okt15;
        QTest::newRow("kun måneden gælder") << okt15 << 32 << 2 << 0 << QDate(2013, 2, 15);
        QTest::newRow("31-3 fra februar") << QDate(2014, 2, 15) << 31 << 3 << 2014 << QDate(2014, 3, 31);
        QTest::newRow("30-2 ender på februars sidste dag") << QDate(2024, 1, 31) << 30 << 2 << 2024
                                                            << QDate(2024, 2, 29);
        QTest::newRow("år 10000 ignoreres") << okt15 << 1 << 1 << 10000 << QDate(2013, 1, 1);
    }
    void opdaterMedFelterne()
    {
        QFETCH(QDate, aktuel);
        QFETCH(int, dag);
        QFETCH(int, maaned);
        QFETCH(int, aar);
        QFETCH(QDate, ny);
        QCOMPARE(kd::anvendFelter(aktuel, dag, maaned, aar), ny);
    }

    void maanedsOgAarsskridt()
    {
        QCOMPARE(kd::flytMaaneder(QDate(2023, 1, 31), 1), QDate(2023, 2, 28));
        QCOMPARE(kd::flytMaaneder(QDate(2024, 1, 31), 1), QDate(2024, 2, 29));
        QCOMPARE(kd::flytMaaneder(QDate(2024, 3, 31), -1), QDate(2024, 2, 29));
        QCOMPARE(kd::flytAar(QDate(2024, 2, 29), 1), QDate(2025, 2, 28));
        QCOMPARE(kd::flytMaaneder(QDate(1, 1, 15), -1), QDate(1, 1, 15));
        QCOMPARE(kd::flytAar(QDate(9999, 6, 1), 1), QDate(9999, 6, 1));
    }

    void datotekstOgNotatfil()
    {
        QCOMPARE(kd::datotekst(QDate(2014, 3, 5)), QString("05-03-2014"));
        QCOMPARE(kd::datotekst(QDate(987, 12, 24)), QString("24-12-0987"));
        QCOMPARE(dagsnotater::notatfil("/n/Notater", QDate(2013, 10, 30)), QString("/n/Notater/30-10-2013.txt"));
        QCOMPARE(kd::fraDatotekst("5-3-2014"), QDate(2014, 3, 5));
        QCOMPARE(kd::fraDatotekst("05-03-2014"), QDate(2014, 3, 5));
        for (const char *ugyldig : {"30-2-2023", "0-1-2000", "1-1-0", "1-1-10000", "a-1-2000", "1-1", "-1-1-2000"})
            QVERIFY2(!kd::fraDatotekst(ugyldig).isValid(), ugyldig);
    }

    void datomappeOprettesOgEksisterendeDeleBevares()
    {
        QTemporaryDir tmp;
        const QString kal = tmp.path() + "/Kalender";
        QDir().mkpath(kal + "/2013/10 Oktober");
        QVERIFY(testfiler::lavFil(kal + "/2013/10 Oktober/gammel.txt", "bevar"));
        FakeDialogs d;
        const auto k = datomappe::opret(kal, QDate(2013, 10, 30), d);
        QVERIFY(k);
        QCOMPARE(k->dagsmappe, kal + "/2013/10 Oktober/30 Onsdag");
        QCOMPARE(k->mapper.mid(k->mapper.size() - 4),
                 (QStringList{kal, kal + "/2013", kal + "/2013/10 Oktober", kal + "/2013/10 Oktober/30 Onsdag"}));
        QCOMPARE(k->mapper.size(), 5);   // the drive first
        QVERIFY(kal.startsWith(k->mapper.first()));
        QCOMPARE(testfiler::trae(kal), (QStringList{"2013/", "2013/10 Oktober/", "2013/10 Oktober/30 Onsdag/",
                                                    "2013/10 Oktober/gammel.txt=bevar"}));
        // A second time finds everything in place.
        QVERIFY(datomappe::opret(kal, QDate(2013, 10, 30), d));
        QVERIFY(d.forloeb.isEmpty());
    }

    void datomappeFejl()
    {
        QTemporaryDir tmp;
        FakeDialogs d;
        // A calendar folder that is gone is not made again.
        QVERIFY(!datomappe::opret(tmp.path() + "/USB/Kalender", QDate(2020, 1, 1), d));
        QVERIFY(!QFileInfo::exists(tmp.path() + "/USB"));
        QCOMPARE(d.informationer.size(), 1);
        QVERIFY(d.informationer[0].startsWith("Kalendermappen findes ikke:\r" + tmp.path() + "/USB/Kalender"));
        // A file where the year folder should be.
        QVERIFY(testfiler::lavFil(tmp.path() + "/2020", "fil"));
        QVERIFY(!datomappe::opret(tmp.path(), QDate(2020, 1, 1), d));
        QCOMPARE(d.informationer.last(), "Mappen kunne ikke oprettes:\r" + tmp.path() + "/2020");
        QCOMPARE(testfiler::indhold(tmp.path() + "/2020"), QByteArray("fil"));
    }

    void notatGemmesHentesOgSlettes()
    {
        QTemporaryDir tmp;
        const QString mappe = tmp.path() + "/Notater";   // made by the first save
        const QString fil = dagsnotater::notatfil(mappe, QDate(2013, 10, 30));
        FakeDialogs d;
        QCOMPARE(dagsnotater::hent(fil, d).status, dagsnotater::Status::Mangler);
        QVERIFY(dagsnotater::gem(fil, "Tandlæge kl. 9\nKøb mælk", d));
        QCOMPARE(testfiler::indhold(fil), QByteArray("Tandlæge kl. 9\r\nKøb mælk\r\n"));
        const dagsnotater::Notat n = dagsnotater::hent(fil, d);
        QCOMPARE(n.status, dagsnotater::Status::Ok);
        QCOMPARE(n.tekst, QString("Tandlæge kl. 9\nKøb mælk"));

        QVERIFY(testfiler::lavFil(mappe + "/31-10-2013.txt", "naboen"));
        QVERIFY(dagsnotater::slet(fil, d));
        QCOMPARE(testfiler::navne(mappe), QStringList{"31-10-2013.txt"});
        QVERIFY(dagsnotater::slet(fil, d));   // already gone
        QVERIFY(d.forloeb.isEmpty());
    }

    void notatDerIkkeKanLaesesEllerGemmes()
    {
        QTemporaryDir tmp;
        FakeDialogs d;
        // A folder of a note's name: it can be neither read nor replaced.
        const QString fil = tmp.path() + "/01-01-2020.txt";
        QDir().mkpath(fil + "/indhold");
        QCOMPARE(dagsnotater::hent(fil, d).status, dagsnotater::Status::Fejl);
        QCOMPARE(d.informationer.last(), "Dagens notater kunne ikke læses fra:\r" + fil);
        QVERIFY(!dagsnotater::gem(fil, "tekst", d));
        QVERIFY(d.informationer.last().startsWith("Dagens notater kunne ikke gemmes i:\r" + fil));
        QVERIFY(!dagsnotater::slet(fil, d));
        QVERIFY(d.informationer.last().startsWith("Dagens notater kunne ikke slettes:\r" + fil));
        QVERIFY(QFileInfo::exists(fil + "/indhold"));
    }

    void datoforskelMedDetLeveredeScript_data()
    {
        QTest::addColumn<QString>("dato1");
        QTest::addColumn<QString>("dato2");
        QTest::addColumn<QString>("forskel");
        QTest::addColumn<QString>("ialt");
        QTest::newRow("en måned og en dag") << "15-10-2013" << "16-11-2013" << "0 år, 1 måned samt 1 dag."
                                            << "32 dage ialt.";
        QTest::newRow("senere dato først") << "16-11-2013" << "15-10-2013" << "0 år, 1 måned samt 1 dag."
                                           << "32 dage ialt.";
        QTest::newRow("31. januar til 28. februar") << "31-1-2023" << "28-2-2023" << "0 år, 1 måned samt 0 dage."
                                                    << "28 dage ialt.";
        QTest::newRow("31. januar til skuddagen") << "31-1-2024" << "29-2-2024" << "0 år, 1 måned samt 0 dage."
                                                  << "29 dage ialt.";
        QTest::newRow("skuddag til 28. februar") << "29-2-2024" << "28-2-2025" << "1 år, 0 måneder samt 0 dage."
                                                 << "365 dage ialt.";
        QTest::newRow("skuddag til 1. marts") << "29-2-2024" << "1-3-2025" << "1 år, 0 måneder samt 1 dag."
                                              << "366 dage ialt.";
        QTest::newRow("foranstillede nuller") << "01-01-2000" << "08-09-2009" << "9 år, 8 måneder samt 7 dage."
                                              << "3538 dage ialt.";
        QTest::newRow("samme dag") << "5-5-2020" << "5-5-2020" << "0 år, 0 måneder samt 0 dage." << "0 dage ialt.";
    }
    void datoforskelMedDetLeveredeScript()
    {
        QFETCH(QString, dato1);
        QFETCH(QString, dato2);
        QFETCH(QString, forskel);
        QFETCH(QString, ialt);
        QTemporaryDir opt;
        // An earlier computation's result must never be taken for this one's.
        QVERIFY(testfiler::lavFil(opt.path() + "/datediff.txt", "9\r\n9\r\n9\r\n9\r\n"));
        FakeDialogs d;
        TDatoforskel f(d, scriptMappe, opt.path());
        f.setInterval(10);
        QSignalSpy spion(&f, &TDatoforskel::beregnet);
        QVERIFY(f.Beregn(dato1, dato2));
        QVERIFY(spion.wait(10000));
        QCOMPARE(spion.first().at(0).toString(), forskel);
        QCOMPARE(spion.first().at(1).toString(), ialt);
        QVERIFY(d.forloeb.isEmpty());
        QVERIFY(!f.venter());
        QCOMPARE(testfiler::navne(opt.path()), QStringList{"datediff.txt"});
    }

    void datoforskelUdenScriptOgMedUgyldigDato()
    {
        QTemporaryDir tom;
        FakeDialogs d;
        TDatoforskel uden(d, tom.path(), tom.path());
        QVERIFY(!uden.Beregn("1-1-2020", "2-2-2020"));
        QCOMPARE(d.informationer, QStringList{"Der mangler en fil!"});
        QVERIFY(!uden.venter());

        TDatoforskel med(d, scriptMappe, tom.path());
        QVERIFY(!med.Beregn("30-2-2023", "1-3-2023"));
        QCOMPARE(d.informationer.last(),
                 QString("Datoen \"30-2-2023\" er ikke en gyldig dato.\rRet dag, måned og år og prøv igen."));
        QVERIFY(!med.venter());
    }

    // Scripts that never answer, or answer nonsense, end the wait with a
    // message.
    void scriptUdenBrugbartSvar_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QString>("besked");
        QTest::newRow("intet svar") << QByteArray("exit 0\n")
                                    << "Forskellen mellem datoerne blev ikke beregnet.\r"
                                       "Der kom intet resultat inden for 1 sekund.";
        QTest::newRow("sludder") << QByteArray("printf 'x\\n' > \"$1\"\n")
                                 << "Resultatet af beregningen kunne ikke læses i:\r%1/datediff.txt";
    }
    void scriptUdenBrugbartSvar()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, besked);
        QTemporaryDir tmp;
        QVERIFY(testfiler::lavFil(tmp.path() + "/datediff.sh", script));
        FakeDialogs d;
        TDatoforskel f(d, tmp.path(), tmp.path());
        f.setInterval(10);
        f.setMaksVentetid(1000);
        QSignalSpy spion(&f, &TDatoforskel::beregnet);
        QVERIFY(f.Beregn("1-1-2020", "2-2-2020"));
        QTRY_VERIFY_WITH_TIMEOUT(!f.venter(), 10000);
        QCOMPARE(d.informationer, QStringList{QString(besked).replace("%1", tmp.path())});
        QCOMPARE(spion.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestKalender)
#include "tst_kalender.moc"
