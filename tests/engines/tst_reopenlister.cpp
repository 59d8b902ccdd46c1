#include "engines/treopenfilerx.h"
#include "engines/treopenfilery.h"
#include "platform/tekstfil.h"

#include "fakedialogs.h"
#include "testmiljoe.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestReopenLister : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void besoegteHolderFoersteOgNyeste();
    void besoegtIgenAendrerIntet();
    void stierSammenlignesNoejagtigt();
    void favoritIgenFlytterOeverst();
    void favoritHarIngenGraense();
    void nyTekstOverleverGenstart();
    void treLinjersFil();
    void linjeskiftAfvises_data();
    void linjeskiftAfvises();
    void kunEksisterendeFiler();
    void flytning();
    void sletAlleSpoergerForst();
    void klikPaaForsvundetElement();
    void fejlVedGemning();
    void ulaeseligListeSkrivesIkkeOver_data();
    void ulaeseligListeSkrivesIkkeOver();

private:
    QString mappe(int i) const { return m_dir.path() + QStringLiteral("/m%1").arg(i); }

    QTemporaryDir m_dir;
    FakeDialogs m_dialogs;
};

void TestReopenLister::initTestCase()
{
    saetDanskLocale();
    for (int i = 0; i < 40; ++i)
        QVERIFY(QDir().mkpath(mappe(i)));
}

void TestReopenLister::besoegteHolderFoersteOgNyeste()
{
    TReopenFilerY liste(&m_dialogs);
    for (int i = 0; i < 30; ++i)
        liste.InsertItem(mappe(i), QStringLiteral("m%1").arg(i));
    QCOMPARE(liste.antal(), 24);
    QCOMPARE(liste.rowCount(), 24);
    for (int i = 0; i < 23; ++i)
        QCOMPARE(liste.GetFilnavn(i), mappe(i));
    QCOMPARE(liste.GetFilnavn(23), mappe(29));
    QCOMPARE(liste.index(23).data().toString(), QStringLiteral("m29"));
    QCOMPARE(liste.valgtLinje(), 23);
}

void TestReopenLister::besoegtIgenAendrerIntet()
{
    TReopenFilerY liste(&m_dialogs);
    for (int i = 0; i < 3; ++i)
        liste.InsertItem(mappe(i), QStringLiteral("m%1").arg(i));
    liste.vaelgLinje(0);
    QVERIFY(!liste.InsertItem(mappe(2), "igen"));
    QCOMPARE(liste.antal(), 3);
    QCOMPARE(liste.GetCaption(2), QStringLiteral("m2"));
    QCOMPARE(liste.valgtLinje(), 0);
    // Nothing is written until the owner saves.
    liste.SetItemfile(m_dir.path() + "/historiemapper1.txt");
    liste.DeleteItem(0);
    QVERIFY(!QFile::exists(liste.itemfile()));
}

void TestReopenLister::stierSammenlignesNoejagtigt()
{
    QVERIFY(QDir().mkpath(m_dir.path() + "/Billeder"));
    QVERIFY(QDir().mkpath(m_dir.path() + "/billeder"));
    TReopenFilerY besoegte(&m_dialogs);
    besoegte.InsertItem(m_dir.path() + "/Billeder", "Billeder");
    QVERIFY(besoegte.InsertItem(m_dir.path() + "/billeder", "billeder"));
    QCOMPARE(besoegte.antal(), 2);

    TReopenFilerX favoritter(&m_dialogs);
    favoritter.InsertItem(m_dir.path() + "/Billeder", "Billeder");
    favoritter.InsertItem(m_dir.path() + "/billeder", "billeder");
    QCOMPARE(favoritter.antal(), 2);
    favoritter.DeleteItem(m_dir.path() + "/BILLEDER", true);
    QCOMPARE(favoritter.antal(), 2);
}

void TestReopenLister::favoritIgenFlytterOeverst()
{
    TReopenFilerX liste(&m_dialogs);
    for (int i = 0; i < 3; ++i)
        liste.InsertItem(mappe(i), QStringLiteral("m%1").arg(i));
    QCOMPARE(liste.stier(), QStringList({mappe(2), mappe(1), mappe(0)}));
    liste.InsertItem(mappe(0), "ny tekst");
    QCOMPARE(liste.stier(), QStringList({mappe(0), mappe(2), mappe(1)}));
    QCOMPARE(liste.GetCaption(0), QStringLiteral("ny tekst"));
    QCOMPARE(liste.GetCaption(9), QString());
}

void TestReopenLister::favoritHarIngenGraense()
{
    TReopenFilerX liste(&m_dialogs);
    for (int i = 0; i < 40; ++i)
        liste.InsertItem(mappe(i), QStringLiteral("m%1").arg(i));
    QCOMPARE(liste.antal(), 40);
}

void TestReopenLister::nyTekstOverleverGenstart()
{
    const QString fil = m_dir.path() + "/favoritmapper1.txt";
    {
        TReopenFilerX liste(&m_dialogs);
        liste.SetItemfile(fil);
        liste.InsertItem(mappe(1), "m1");
        liste.InsertItem(mappe(2), "m2");
        QVERIFY(liste.GemReopenFiler());
        QVERIFY(liste.SetCaption(1, "Arkivet"));
        QVERIFY(!liste.SetCaption(5, "x"));
    }
    TReopenFilerX igen(&m_dialogs);
    igen.SetItemfile(fil);
    QVERIFY(igen.HentReopenFiler());
    QCOMPARE(igen.GetCaption(1), QStringLiteral("Arkivet"));
    QCOMPARE(igen.GetFilnavn(1), mappe(1));
    QCOMPARE(tekstfil::hent(fil), QStringList({"m2", mappe(2), "Arkivet", mappe(1)}));

    // Deleting is saved at once, too.
    igen.DeleteItem(0);
    QCOMPARE(tekstfil::hent(fil), QStringList({"Arkivet", mappe(1)}));
}

void TestReopenLister::treLinjersFil()
{
    const QString fil = m_dir.path() + "/tre.txt";
    QVERIFY(tekstfil::gem(fil, {"a", mappe(1), "b"}));
    TReopenFilerY liste(&m_dialogs);
    liste.SetItemfile(fil);
    QVERIFY(liste.HentReopenFiler());
    QCOMPARE(liste.antal(), 2);
    QCOMPARE(liste.GetCaption(1), QStringLiteral("b"));
    QCOMPARE(liste.GetFilnavn(1), QString());

    liste.SetItemfile(m_dir.path() + "/findes-ikke.txt");
    QVERIFY(!liste.HentReopenFiler());
    QCOMPARE(liste.antal(), 0);
}

void TestReopenLister::linjeskiftAfvises_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("caption");
    QTest::newRow("sti med LF") << "a\nb" << "a";
    QTest::newRow("sti med CR") << "a\rb" << "a";
    QTest::newRow("tekst med LF") << "ab" << "to\nlinjer";
}

void TestReopenLister::linjeskiftAfvises()
{
    QFETCH(QString, navn);
    QFETCH(QString, caption);
    const QString sti = m_dir.path() + "/" + navn;
    QVERIFY(QDir().mkpath(sti));
    const QString fil = m_dir.path() + "/skift.txt";
    TReopenFilerX liste(&m_dialogs);
    liste.SetItemfile(fil);
    liste.InsertItem(mappe(1), "m1");
    QVERIFY(liste.GemReopenFiler());
    m_dialogs.informationer.clear();

    QVERIFY(!liste.InsertItem(sti, caption));
    QVERIFY(!liste.SetCaption(0, caption.contains('\n') ? caption : "x\ny"));
    QCOMPARE(liste.antal(), 1);
    QCOMPARE(m_dialogs.informationer.size(), 2);
    QVERIFY(m_dialogs.informationer.first().contains("linjeskift"));
    QCOMPARE(tekstfil::hent(fil), QStringList({"m1", mappe(1)}));

    TReopenFilerY besoegte(&m_dialogs);
    QVERIFY(!besoegte.InsertItem(sti, caption));
    QCOMPARE(besoegte.antal(), 0);
}

void TestReopenLister::kunEksisterendeFiler()
{
    const QString fil = m_dir.path() + "/noter.txt";
    QVERIFY(tekstfil::gem(fil, {"x"}));
    TReopenFilerX liste(&m_dialogs);
    liste.SetItemtype(itFil);
    QVERIFY(!liste.InsertItem(m_dir.path() + "/mangler.txt", "mangler.txt"));
    QVERIFY(!liste.InsertItem(mappe(1), "m1"));
    QVERIFY(liste.InsertItem(fil, "noter.txt"));
    QCOMPARE(liste.antal(), 1);
}

void TestReopenLister::flytning()
{
    TReopenFilerY liste(&m_dialogs);
    for (int i = 0; i < 3; ++i)
        liste.InsertItem(mappe(i), QStringLiteral("m%1").arg(i));
    QVERIFY(!liste.flytOp(0));
    QVERIFY(!liste.flytNed(2));
    QVERIFY(liste.flytNed(0));
    QCOMPARE(liste.stier(), QStringList({mappe(1), mappe(0), mappe(2)}));
    QVERIFY(liste.flytOp(2));
    QCOMPARE(liste.stier(), QStringList({mappe(1), mappe(2), mappe(0)}));
}

void TestReopenLister::sletAlleSpoergerForst()
{
    const QString filX = m_dir.path() + "/x.txt";
    const QString filY = m_dir.path() + "/y.txt";
    TReopenFilerX x(&m_dialogs);
    TReopenFilerY y(&m_dialogs);
    x.SetItemfile(filX);
    y.SetItemfile(filY);
    for (TReopenFiler *l : {static_cast<TReopenFiler *>(&x), static_cast<TReopenFiler *>(&y)}) {
        l->InsertItem(mappe(1), "m1");
        QVERIFY(l->GemReopenFiler());
    }
    m_dialogs.spoergsmaal.clear();
    m_dialogs.alleVist.clear();
    m_dialogs.svarNej();
    QVERIFY(!x.SletAlleItems());
    QCOMPARE(x.antal(), 1);

    m_dialogs.svarJa();
    m_dialogs.svarJa();
    QVERIFY(x.SletAlleItems());
    QVERIFY(y.SletAlleItems());
    QCOMPARE(m_dialogs.spoergsmaal.last(), QStringLiteral("Skal alle indførte elementer i listen slettes?"));
    QCOMPARE(m_dialogs.alleVist, QList<bool>({false, false, false}));
    QCOMPARE(x.antal() + y.antal(), 0);
    QCOMPARE(tekstfil::hent(filX), QStringList());
    QCOMPARE(tekstfil::hent(filY).size(), 2);   // the visited list waits for "Gem"
}

void TestReopenLister::klikPaaForsvundetElement()
{
    QVERIFY(QDir().mkpath(m_dir.path() + "/snart-borte"));
    TReopenFilerX liste(&m_dialogs);
    liste.InsertItem(m_dir.path() + "/snart-borte", "snart-borte");
    liste.InsertItem(mappe(3), "m3");
    QSignalSpy klik(&liste, &TReopenFiler::onListeKlik);
    QSignalSpy dobbelt(&liste, &TReopenFiler::onDblListeKlik);

    QVERIFY(!liste.listeKlik());   // nothing selected
    liste.vaelgLinje(0);
    QVERIFY(liste.dblListeKlik());
    QCOMPARE(dobbelt.takeFirst(), QVariantList({"m3", mappe(3)}));

    QVERIFY(QDir(m_dir.path() + "/snart-borte").removeRecursively());
    m_dialogs.informationer.clear();
    liste.vaelgLinje(1);
    QVERIFY(!liste.listeKlik());
    QCOMPARE(m_dialogs.informationer,
             QStringList({"Mappen blev ikke fundet.\rSlet eventuelt elementet fra listen."}));
    QCOMPARE(klik.size(), 0);
    QCOMPARE(liste.antal(), 2);
}

void TestReopenLister::fejlVedGemning()
{
    TReopenFilerX liste(&m_dialogs);
    liste.SetItemfile(m_dir.path() + "/ingen/mappe/her/fil.txt");
    liste.InsertItem(mappe(1), "m1");
    m_dialogs.informationer.clear();
    QVERIFY(!liste.GemReopenFiler());
    QCOMPARE(m_dialogs.informationer.size(), 1);
    QVERIFY(m_dialogs.informationer.first().startsWith("Listen kunne ikke gemmes i:\r"));
}

QTEST_GUILESS_MAIN(TestReopenLister)
#include "tst_reopenlister.moc"

void TestReopenLister::ulaeseligListeSkrivesIkkeOver_data()
{
    QTest::addColumn<QString>("art");
    QTest::newRow("uden læseret") << "uden læseret";
    QTest::newRow("for stor") << "for stor";
    QTest::newRow("link til rør") << "link til rør";
}

// A favourites list that is there but cannot be read loads empty; the user
// hears of it once, and closing the window (which saves the list) leaves
// the file as it was.
void TestReopenLister::ulaeseligListeSkrivesIkkeOver()
{
    QFETCH(QString, art);
    QStringList beskeder;
    tekstfil::saetMelder([&beskeder](const QString &b) { beskeder.append(b); });
    const QString fil = m_dir.path() + "/favoritmapper-" + QTest::currentDataTag() + ".txt";
    QByteArray indhold = "Arkivet\r\n" + QFile::encodeName(mappe(1)) + "\r\n";
    if (art == "uden læseret") {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QVERIFY(tekstfil::gemBytes(fil, indhold));
        QVERIFY(QFile::setPermissions(fil, QFile::WriteOwner));
    } else if (art == "for stor") {
        indhold += QByteArray(int(tekstfil::maksStoerrelse(tekstfil::Art::Liste)), '\n');
        QVERIFY(tekstfil::gemBytes(fil, indhold));
    } else {
        const QString ror = m_dir.path() + "/ror";
        QCOMPARE(::mkfifo(QFile::encodeName(ror).constData(), 0600), 0);
        QVERIFY(QFile::link(ror, fil));
        indhold.clear();
    }
    m_dialogs.informationer.clear();
    {
        TReopenFilerX liste(&m_dialogs);
        liste.SetItemfile(fil);
        QVERIFY(liste.HentReopenFiler());
        QCOMPARE(liste.antal(), 0);
        QVERIFY(!liste.GemReopenFiler());
        liste.InsertItem(mappe(2), "m2");   // saved at once, which is refused too
    }
    QCOMPARE(beskeder.size(), 1);
    QVERIFY(beskeder.first().contains(fil));
    QVERIFY(m_dialogs.informationer.isEmpty());
    QFile::setPermissions(fil, QFile::ReadOwner | QFile::WriteOwner);
    if (art == "link til rør") {
        QVERIFY(QFileInfo(fil).isSymLink());
        QVERIFY(!QFileInfo(fil).isFile());
    } else {
        QCOMPARE(tekstfil::hentBytes(fil, indhold.size(), nullptr, false), indhold);
    }
    tekstfil::saetMelder({});
}
