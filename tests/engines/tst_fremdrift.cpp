#include "engines/konfliktspoergsmaal.h"

#include "fakeprogress.h"
#include "testmiljoe.h"

#include <QtTest>

class TestFremdrift : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void haendelserHoejstEnGangPrInterval();
    void stopHoldesIndTilNaesteVisning();
    void konfliktHandlingFraGemtTal_data();
    void konfliktHandlingFraGemtTal();
};

void TestFremdrift::haendelserHoejstEnGangPrInterval()
{
    FakeProgress f;
    f.setInterval(60 * 60 * 1000);
    f.vis();
    QCOMPARE(f.behandlinger, 1);   // showing always lets the window paint
    for (int i = 0; i < 1000; ++i)
        QVERIFY(f.holdILive());
    QCOMPARE(f.behandlinger, 1);
    QVERIFY(f.holdILive(true));
    QCOMPARE(f.behandlinger, 2);

    f.setInterval(0);
    for (int i = 0; i < 10; ++i)
        f.holdILive();
    QCOMPARE(f.behandlinger, 12);
}

void TestFremdrift::stopHoldesIndTilNaesteVisning()
{
    FakeProgress f;
    f.stopEfter = 3;   // the user's click arrives with the third event round
    f.vis();
    QVERIFY(f.holdILive());
    QVERIFY(!f.holdILive());
    QVERIFY(f.stoppet());
    f.stopEfter = -1;
    QVERIFY(!f.holdILive());
    f.luk();
    QVERIFY(f.stoppet());
    f.vis();
    QVERIFY(!f.stoppet());
    QCOMPARE(f.forloeb, (QStringList{"vis", "luk", "vis"}));
}

void TestFremdrift::konfliktHandlingFraGemtTal_data()
{
    QTest::addColumn<int>("tal");
    QTest::addColumn<int>("handling");
    QTest::addColumn<bool>("overskrivDette");

    QTest::newRow("0") << 0 << int(KonfliktHandling::OverskrivIngen) << false;
    QTest::newRow("1") << 1 << int(KonfliktHandling::OverskrivAlle) << false;
    QTest::newRow("2") << 2 << int(KonfliktHandling::OpretKopier) << false;
    QTest::newRow("3") << 3 << int(KonfliktHandling::SpoergHverGang) << true;
    QTest::newRow("-1 spørger") << -1 << int(KonfliktHandling::SpoergHverGang) << true;
    QTest::newRow("4 spørger") << 4 << int(KonfliktHandling::SpoergHverGang) << true;
}

void TestFremdrift::konfliktHandlingFraGemtTal()
{
    QFETCH(int, tal);
    QFETCH(int, handling);
    QFETCH(bool, overskrivDette);
    const KonfliktHandling h = konfliktHandlingFraTal(tal);
    QCOMPARE(int(h), handling);
    QCOMPARE(KonfliktSpoergsmaal::overskrivDetteVed(h), overskrivDette);
}

QTEST_GUILESS_MAIN(TestFremdrift)
#include "tst_fremdrift.moc"
