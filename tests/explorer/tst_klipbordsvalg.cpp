#include "explorer/tindstillingsside.h"
#include "explorer/tstifinderegenskabsside.h"

#include "testmiljoe.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

// The copy-list controls of the explorer window: counts, size and cancel on
// the settings page; transfer, shared clipboard and restore, once each, on
// the properties page.
class TestKlipbordsvalg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void hjaelpetekster_data();
    void hjaelpetekster();
    void gendanOgOverfoer();
    void antalOgStoerrelse();
};

void TestKlipbordsvalg::hjaelpetekster_data()
{
    QTest::addColumn<QString>("knap");
    QTest::addColumn<bool>("delt");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("gendan") << "gendanInfo" << false << "Gendan klipbordsdata.\rEr kun muligt efter kopiering.";
    QTest::newRow("overfør med egne lister")
        << "overfoerInfo" << false
        << "Overfør data fra klipbordet til andre klipborde.\rAfkryds feltet for at aktivere muligheden for at "
           "overføre data.";
    QTest::newRow("overfør med fælles klipbord")
        << "overfoerInfo" << true << "Denne funktion er ikke anvendelig, når filfinderne har fælles klipbord.";
    QTest::newRow("fælles klipbord")
        << "bestemIndstillingInfo" << false
        << "Hvis \"Anvend samme klipbord\" vælges, anvender alle stifindere samme klipbord.\rI modsat fald har hver "
           "stifinder sit eget klipbord.";
}

void TestKlipbordsvalg::hjaelpetekster()
{
    QFETCH(QString, knap);
    QFETCH(bool, delt);
    QFETCH(QString, tekst);
    TStifinderEgenskabsside side;
    side.setDeltKlipbord(delt);
    QSignalSpy info(&side, &TStifinderEgenskabsside::information);
    side.findChild<QToolButton *>(knap)->click();
    QCOMPARE(info.value(0).value(0).toString(), tekst);
}

void TestKlipbordsvalg::gendanOgOverfoer()
{
    // The settings page holds none of them.
    QAction f1(nullptr), f2(nullptr);
    TIndstillingsside indstillinger(&f1, &f2);
    for (const char *navn : {"klipbordsGendannelse", "KlipbordsdataTransfer", "aktiver"})
        QVERIFY2(!indstillinger.findChild<QWidget *>(navn), navn);

    TStifinderEgenskabsside side;
    auto *gendan = side.findChild<QPushButton *>("klipbordsGendannelse");
    auto *overfoer = side.findChild<QPushButton *>("KlipbordsdataTransfer");
    auto *aktiver = side.findChild<QCheckBox *>("aktiver");
    QCOMPARE(gendan->text(), QString("Gendan data"));
    QCOMPARE(overfoer->text(), QString("Overfør klipbords data"));
    QCOMPARE(gendan->toolTip(), QString("Gendan sidste klipbordsdata"));
    QCOMPARE(overfoer->toolTip(), QString("Overfør klipbordsdata til andre klipborde"));
    QCOMPARE(aktiver->toolTip(), QString("Aktiver funktionen"));
    QVERIFY(!gendan->isEnabled() && !overfoer->isEnabled());

    QSignalSpy gendanSpy(&side, &TStifinderEgenskabsside::gendanOensket);
    QSignalSpy overfoerSpy(&side, &TStifinderEgenskabsside::overfoerOensket);
    QSignalSpy aktiverSpy(&side, &TStifinderEgenskabsside::aktiverAendret);
    side.setKanGendanne(true);
    side.setKanOverfoere(true);
    gendan->click();
    overfoer->click();
    QCOMPARE(gendanSpy.size(), 1);
    QCOMPARE(overfoerSpy.size(), 1);
    aktiver->click();
    QVERIFY(side.aktiver());
    QCOMPARE(aktiverSpy.size(), 1);
    side.setAktiver(false);
    QVERIFY(!aktiver->isChecked());
}

void TestKlipbordsvalg::antalOgStoerrelse()
{
    QAction f1(nullptr), f2(nullptr);
    TIndstillingsside side(&f1, &f2);
    side.setKlipbordAntal(1234, 0);
    QCOMPARE(side.findChild<QLabel *>("antalMapper")->text(), QString("1.234"));
    QCOMPARE(side.findChild<QLabel *>("antalFiler")->text(), QString("Ingen"));

    auto *info = side.findChild<QPushButton *>("aMappeFilSize");
    QSignalSpy beregn(&side, &TIndstillingsside::beregnOensket);
    info->click();
    QCOMPARE(beregn.size(), 1);
    side.setBeregner(true);
    QVERIFY(!info->isEnabled());
    QCOMPARE(side.findChild<QLabel *>("stoerrelse")->text(), QString("Beregner..."));
    side.setBeregner(false);
    side.setStoerrelse("2,00 KB  Filer: 3");

    QSignalSpy mapper(&side, &TIndstillingsside::annullerMapperOensket);
    QSignalSpy filer(&side, &TIndstillingsside::annullerFilerOensket);
    side.findChild<QToolButton *>("aAnnullerMapper")->click();
    QCOMPARE(side.findChild<QToolButton *>("aAnnullerFiler")->toolTip(), QString("Annuller kopiering af filer"));
    QCOMPARE(mapper.size(), 1);
    QCOMPARE(filer.size(), 0);
    QVERIFY(info->isEnabled());
    QCOMPARE(side.findChild<QLabel *>("stoerrelse")->text(), QString("2,00 KB  Filer: 3"));
}

QTEST_MAIN(TestKlipbordsvalg)
#include "tst_klipbordsvalg.moc"
