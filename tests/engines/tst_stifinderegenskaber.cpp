#include "engines/stifinderegenskaber.h"
#include "platform/tekstfil.h"

#include "testmiljoe.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using Udfald = StifinderEgenskaber::Udfald;

class TestStifinderEgenskaber : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void tilbageOgFrem();
    void forkerteFiler_data();
    void forkerteFiler();
    void ikkeEtTalStopperLaesningen();
    void slettetMappeOgFil();
    void talUdenforOmraade();
    void stiMedLinjeskiftSkrivesTom();

private:
    QStringList gyldigeLinjer() const
    {
        StifinderEgenskaber e;
        e.Mappenavn = m_dir.path();
        e.Filnavn = m_dir.path() + "/fil.txt";
        e.mappeBredde = 420;
        e.startPrivat = true;
        e.programOpstart = 2;
        e.strukturVisning = 0;
        e.side = 4;
        e.saetInd = 1;
        e.alleMarkerknapper = true;
        e.redskabPlacering = 2;
        e.visKendte = false;
        return e.tilLinjer();
    }
    QString fil() const { return m_dir.path() + "/Stifinder 1.txt"; }

    QTemporaryDir m_dir;
};

void TestStifinderEgenskaber::tilbageOgFrem()
{
    QVERIFY(tekstfil::gem(m_dir.path() + "/fil.txt", {"x"}));
    QVERIFY(tekstfil::gem(fil(), gyldigeLinjer()));
    StifinderEgenskaber e;
    QCOMPARE(e.HentOpt(fil()), Udfald::Laest);
    QCOMPARE(e.tilLinjer(), gyldigeLinjer());
    QCOMPARE(e.Mappenavn, m_dir.path());
    QCOMPARE(e.mappeBredde, 420);
    QVERIFY(!e.visKendte);   // line 21 "0" hides "Kendte mapper"
    QCOMPARE(gyldigeLinjer().at(20), QStringLiteral("0"));

    QVERIFY(e.GemOpt(fil()));
    StifinderEgenskaber igen;
    igen.HentOpt(fil());
    QCOMPARE(igen, e);
}

void TestStifinderEgenskaber::forkerteFiler_data()
{
    QTest::addColumn<int>("antal");
    QTest::addColumn<int>("udfald");
    QTest::newRow("23 linjer") << 23 << int(Udfald::ForkertAntal);
    QTest::newRow("25 linjer") << 25 << int(Udfald::ForkertAntal);
    QTest::newRow("tom fil") << 0 << int(Udfald::ForkertAntal);
    QTest::newRow("ingen fil") << -1 << int(Udfald::Mangler);
}

void TestStifinderEgenskaber::forkerteFiler()
{
    QFETCH(int, antal);
    QFETCH(int, udfald);
    QFile::remove(fil());
    if (antal >= 0) {
        QStringList linjer = gyldigeLinjer();
        while (linjer.size() > antal)
            linjer.removeLast();
        while (linjer.size() < antal)
            linjer.append("1");
        QVERIFY(tekstfil::gem(fil(), linjer));
    }
    // The whole file is ignored: the window starts as on its first day.
    StifinderEgenskaber e;
    e.mappeBredde = 999;
    QCOMPARE(int(e.HentOpt(fil())), udfald);
    QCOMPARE(e, StifinderEgenskaber());
}

void TestStifinderEgenskaber::ikkeEtTalStopperLaesningen()
{
    QStringList linjer = gyldigeLinjer();
    linjer[9] = "ti";   // "Sæt ind og slet"
    QVERIFY(tekstfil::gem(fil(), linjer));
    StifinderEgenskaber e;
    QCOMPARE(e.HentOpt(fil()), Udfald::IkkeEtTal);
    // Lines before the bad one were applied; the plain defaults then won.
    QCOMPARE(e.strukturVisning, 0);
    QCOMPARE(e.side, 4);
    QCOMPARE(e.mappeBredde, 300);
    QCOMPARE(e.Mappenavn, QStringLiteral("/"));
    QVERIFY(!e.startPrivat);
    // Lines after it were never read.
    QCOMPARE(e.saetInd, 3);
    QCOMPARE(e.redskabPlacering, 0);
}

void TestStifinderEgenskaber::slettetMappeOgFil()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.path() + "/borte"));
    StifinderEgenskaber gemt;
    gemt.Mappenavn = dir.path() + "/borte";
    gemt.Filnavn = dir.path() + "/borte/fil.txt";
    gemt.programOpstart = 1;
    QVERIFY(gemt.GemOpt(fil()));
    QVERIFY(QDir(dir.path() + "/borte").removeRecursively());

    StifinderEgenskaber e;
    QCOMPARE(e.HentOpt(fil()), Udfald::Laest);
    QCOMPARE(e.Mappenavn, QStringLiteral("/"));
    QCOMPARE(e.Filnavn, QString());
    QCOMPARE(e.programOpstart, 1);
}

void TestStifinderEgenskaber::talUdenforOmraade()
{
    QStringList linjer = gyldigeLinjer();
    linjer[2] = "-40";   // folder tree width
    linjer[4] = "7";     // start-up option
    linjer[7] = "99";    // side-book page
    QVERIFY(tekstfil::gem(fil(), linjer));
    StifinderEgenskaber e;
    QCOMPARE(e.HentOpt(fil()), Udfald::Laest);
    QCOMPARE(e.mappeBredde, 100);
    QCOMPARE(e.programOpstart, 2);
    QCOMPARE(e.side, 5);
}

void TestStifinderEgenskaber::stiMedLinjeskiftSkrivesTom()
{
    StifinderEgenskaber e;
    e.Mappenavn = "/tmp/a\nb";
    const QStringList linjer = e.tilLinjer();
    QCOMPARE(linjer.size(), StifinderEgenskaber::antalLinjer);
    QCOMPARE(linjer.first(), QString());
}

QTEST_GUILESS_MAIN(TestStifinderEgenskaber)
#include "tst_stifinderegenskaber.moc"
