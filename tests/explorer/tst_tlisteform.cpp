#include "engines/tkopilister.h"
#include "explorer/tlisteform.h"
#include "platform/tekstfil.h"

#include "testmiljoe.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

class TestTlisteform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void captionOgIndstillingsfil_data();
    void captionOgIndstillingsfil();
    void linjevalgGemmesVedKlik();
    void kommandoerFoelgerListerne();
    void fjernKunValgteOgAfkrydsede();
    void stoerrelseOgStifinder();
    void lukningBevarerListerne();
};

void TestTlisteform::captionOgIndstillingsfil_data()
{
    QTest::addColumn<bool>("delt");
    QTest::addColumn<QStringList>("fil");        // null: no file
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("filnavn");
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("linjevalg");
    QTest::newRow("egne lister uden fil") << false << QStringList() << "Klipbord 3" << "listeEgenskaber3.txt" << 350 << true;
    QTest::newRow("delte lister") << true << QStringList() << "Klipbord" << "listeEgenskaber.txt" << 350 << true;
    QTest::newRow("fil med to linjer") << false << QStringList{"420", "0"} << "Klipbord 3" << "listeEgenskaber3.txt"
                                       << 420 << false;
    QTest::newRow("fil med tre linjer bruges ikke")
        << false << QStringList{"420", "0", "x"} << "Klipbord 3" << "listeEgenskaber3.txt" << 350 << true;
}

void TestTlisteform::captionOgIndstillingsfil()
{
    QFETCH(bool, delt);
    QFETCH(QStringList, fil);
    QFETCH(QString, caption);
    QFETCH(QString, filnavn);
    QFETCH(int, panel);
    QFETCH(bool, linjevalg);
    QTemporaryDir dir;
    if (!fil.isEmpty())
        QVERIFY(tekstfil::gem(dir.filePath(filnavn), fil));
    TKopilister lister(delt ? "Stifinder 1" : "Stifinder 3");
    Tlisteform f(&lister, 3, delt, dir.path());
    QCOMPARE(f.windowTitle(), caption);
    QCOMPARE(f.optfilnavn(), dir.filePath(filnavn));
    QCOMPARE(f.mappePanelBredde(), panel);
    QCOMPARE(f.linjevalg(), linjevalg);
    QCOMPARE(f.minimumWidth(), 632);
    QCOMPARE(f.Mappeliste()->selectionBehavior(),
             linjevalg ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    QCOMPARE(f.findChild<QLabel *>("stoerrelse")->text(), QString("Ukendt"));
}

void TestTlisteform::linjevalgGemmesVedKlik()
{
    QTemporaryDir dir;
    TKopilister lister("Stifinder 1");
    Tlisteform f(&lister, 1, false, dir.path());
    auto *check = f.findChild<QCheckBox *>("Linjevalg");
    QCOMPARE(check->toolTip(), QString("Ved elementvalg vælg hele linjen"));
    QVERIFY(!QFileInfo::exists(f.optfilnavn()));
    check->click();
    QCOMPARE(tekstfil::hent(f.optfilnavn()), (QStringList{"350", "0"}));
    QCOMPARE(f.Filliste()->selectionBehavior(), QAbstractItemView::SelectItems);
    check->click();
    QCOMPARE(tekstfil::hent(f.optfilnavn()), (QStringList{"350", "1"}));
}

void TestTlisteform::kommandoerFoelgerListerne()
{
    QTemporaryDir dir;
    TKopilister lister("Stifinder 1");
    Tlisteform f(&lister, 1, false, dir.path());
    const QStringList alle{"selectAlle", "selectIngen", "sletAlt1", "sletValgteFraListe", "selectAlle2",
                           "selectIngen2", "sletAlt2", "sletValgteFraListe2", "sletBeggeLister", "StifinderEks"};
    for (const QString &k : alle)
        QVERIFY2(!f.kommando(k)->isEnabled(), qPrintable(k));
    QVERIFY(f.kommando("BeregnSize")->isEnabled());
    QCOMPARE(f.kommando("sletBeggeLister")->toolTip(), QString("Sletter alle elementer uanset afkrydsning"));

    lister.CopyListAdd(2, 2, "/f", true);
    QVERIFY(f.kommando("selectAlle2")->isEnabled());
    QVERIFY(!f.kommando("selectAlle")->isEnabled());
    QVERIFY(f.kommando("sletBeggeLister")->isEnabled());
    QVERIFY(!f.kommando("sletValgteFraListe2")->isEnabled());
    f.Filliste()->selectionModel()->select(lister.Filliste()->index(0, 1), QItemSelectionModel::Select);
    QVERIFY(f.kommando("sletValgteFraListe2")->isEnabled());

    f.kommando("selectIngen2")->trigger();
    QCOMPARE(f.getElementAntal(), 0);
    f.kommando("selectAlle2")->trigger();
    QCOMPARE(f.getElementAntal(), 1);
    f.kommando("sletAlt2")->trigger();
    QCOMPARE(lister.Filliste()->antal(), 0);
}

void TestTlisteform::fjernKunValgteOgAfkrydsede()
{
    QTemporaryDir dir;
    TKopilister lister("Stifinder 1");
    Tlisteform f(&lister, 1, false, dir.path());
    for (const char *s : {"/a", "/b", "/c"})
        lister.CopyListAdd(1, 4, s, true);
    lister.Mappeliste()->setMarkeret(1, false);
    auto *valg = f.Mappeliste()->selectionModel();
    for (int r : {0, 1})
        valg->select(lister.Mappeliste()->index(r, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    f.kommando("sletValgteFraListe")->trigger();
    QCOMPARE(lister.Mappeliste()->sti(0), QString("/b"));
    QCOMPARE(lister.Mappeliste()->antal(), 2);
    // The row now at the removed one's place is selected.
    QCOMPARE(valg->selectedRows().value(0).row(), 0);
}

void TestTlisteform::stoerrelseOgStifinder()
{
    QTemporaryDir dir;
    TKopilister lister("Stifinder 2");
    Tlisteform f(&lister, 2, false, dir.path());
    QSignalSpy stifinder(&f, &Tlisteform::stifinderOensket);
    QSignalSpy beregn(&f, &Tlisteform::beregnOensket);
    lister.visStoerrelse("?", "?", "?", "Beregner...");
    QCOMPARE(f.findChild<QLabel *>("information")->text(), QString("Beregner..."));
    lister.visStoerrelse("1,00 KB (1.024 bytes)", "2", "3", {});
    QCOMPARE(f.findChild<QLabel *>("stoerrelse")->text(), QString("1,00 KB (1.024 bytes)"));
    QCOMPARE(f.findChild<QLabel *>("antalMapper")->text(), QString("2"));
    QCOMPARE(f.findChild<QLabel *>("antalFiler")->text(), QString("3"));
    f.kommando("BeregnSize")->trigger();
    QCOMPARE(beregn.size(), 1);
    lister.CopyListAdd(1, 4, "/m", true);
    f.kommando("StifinderEks")->trigger();
    QCOMPARE(stifinder.value(0).value(0).toString(), QString("Stifinder 2"));
    f.kommando("sletBeggeLister")->trigger();
    QCOMPARE(f.findChild<QLabel *>("stoerrelse")->text(), QString());
    f.udskrivMappeFilInf("4", {});
    QCOMPARE(f.findChild<QLabel *>("antalMapper")->text(), QString("4"));
}

void TestTlisteform::lukningBevarerListerne()
{
    QTemporaryDir dir;
    TKopilister lister("Stifinder 1");
    lister.CopyListAdd(1, 4, "/m", true);
    auto *f = new Tlisteform(&lister, 1, false, dir.path());
    f->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<Tlisteform> p(f);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    QVERIFY(f->close());
    QTRY_VERIFY(!p);
    QCOMPARE(lister.getElementAntal(), 1);
    // The settings file is written by "Linjevalg" only, never at close.
    QVERIFY(!QFile::exists(Tlisteform::settingsfil(dir.path(), 1, false)));
}

QTEST_MAIN(TestTlisteform)
#include "tst_tlisteform.moc"
