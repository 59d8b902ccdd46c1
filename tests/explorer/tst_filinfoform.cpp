#include "engines/tfilmappedrevinfo.h"
#include "engines/tfilmodel.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tegenskabskommandoer.h"
#include "explorer/tfilinfoform.h"
#include "explorer/twinform.h"

#include "fakedialogs.h"
#include "fakeramme.h"
#include "testfiler.h"
#include "testmappe.h"
#include "testmiljoe.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

using stifinderregler::Kommando;

class TestFilinfoform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void siderneLaases();
    void stoerrelsesknapper();
    void skjultOmdoeberOgMelder();
    void lukningStopperOptaelling();
    void manglendeFilLukkerVinduet();
    void egenskaberFraStifinderen();
};

// The user cannot leave the page of the element's kind.
void TestFilinfoform::siderneLaases()
{
    Testmappe tmp;
    QVERIFY(testfiler::lavFil(tmp.path() + "/a.txt"));
    FakeDialogs d;
    Tfilinfoform f(&d);
    QVERIFY(f.showFileInfo(tmp.path() + "/a.txt"));
    QCOMPARE(f.windowTitle(), "Fil egenskaber");
    f.sider()->setCurrentIndex(1);
    QCOMPARE(f.sider()->currentIndex(), 0);

    QVERIFY(f.showMappeInfo(tmp.path()));
    QCOMPARE(f.windowTitle(), "Mappe egenskaber");
    QCOMPARE(f.sider()->tabText(f.sider()->currentIndex()), "Mappe");
    f.sider()->setCurrentIndex(0);
    f.sider()->setCurrentIndex(2);
    QCOMPARE(f.sider()->tabText(f.sider()->currentIndex()), "Mappe");

    QVERIFY(f.showDriveInfo("/"));
    QCOMPARE(f.windowTitle(), "Drev egenskaber");
    QCOMPARE(f.sider()->tabText(f.sider()->currentIndex()), "Drev");
    QVERIFY(f.ProgressBar->value() >= 0 && f.ProgressBar->value() <= 100);
    QVERIFY(f.EditDisknavn->text().endsWith(" (/)"));
    QVERIFY(d.informationer.isEmpty());
}

void TestFilinfoform::stoerrelsesknapper()
{
    FakeDialogs d;
    Tfilinfoform f(&d);
    f.resize(350, f.height());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.width(), 350);
    QVERIFY(!f.Mindre->isEnabled());
    f.Stoerre->click();
    f.Stoerre->click();
    QCOMPARE(f.width(), 350 + 280);
    QVERIFY(f.Mindre->isEnabled());
    f.Mindre->click();
    QCOMPARE(f.width(), 350);
    QVERIFY(!f.Mindre->isEnabled());
}

// "Skjult" renames the file; the explorer hears of it and the page shows
// the new name. Anvend is enabled only by a change.
void TestFilinfoform::skjultOmdoeberOgMelder()
{
    Testmappe tmp;
    const QString sti = tmp.path() + "/a.txt";
    QVERIFY(testfiler::lavFil(sti));
    FakeDialogs d;
    Tfilinfoform f(&d);
    QSignalSpy omdoebt(&f, &Tfilinfoform::omdoebt);
    QVERIFY(f.showFileInfo(sti));
    QVERIFY(!f.Anvend->isEnabled());
    f.cbHidden->click();
    f.cbReadOnly->click();
    QVERIFY(f.Anvend->isEnabled());
    f.Anvend->click();
    QVERIFY(!f.Anvend->isEnabled());
    QCOMPARE(omdoebt.size(), 1);
    QCOMPARE(omdoebt.first().at(1).toString(), tmp.path() + "/.a.txt");
    QCOMPARE(f.Filnavn, tmp.path() + "/.a.txt");
    QCOMPARE(f.EditFilnavn->text(), ".a.txt");
    QVERIFY(f.cbHidden->isChecked());
    QVERIFY(f.cbReadOnly->isChecked());
    QVERIFY(d.informationer.isEmpty());
}

void TestFilinfoform::lukningStopperOptaelling()
{
    Testmappe tmp;
    for (int i = 0; i < 200; ++i)
        QVERIFY(testfiler::lavFil(tmp.path() + QString("/m%1/f").arg(i % 20) + QString::number(i)));
    FakeDialogs d;
    Tfilinfoform f(&d);
    QVERIFY(f.showMappeInfo(tmp.path()));
    QCOMPARE(f.LabelMappeIndhold->text(), "0 filer, 0 mapper");
    f.close();
    QTRY_VERIFY(!f.motor()->totallerer());
    QVERIFY(f.isHidden());

    // Shown again, the total runs to its end.
    QVERIFY(f.showMappeInfo(tmp.path()));
    QTRY_COMPARE(f.LabelMappeIndhold->text(), "200 filer, 20 mapper");
    QTRY_VERIFY(!f.motor()->totallerer());
    QVERIFY(f.LabelOversprunget->isHidden());
}

void TestFilinfoform::manglendeFilLukkerVinduet()
{
    Testmappe tmp;
    FakeDialogs d;
    Tfilinfoform f(&d);
    f.show();
    QVERIFY(!f.showFileInfo(tmp.path() + "/væk.txt"));
    QVERIFY(f.isHidden());
    QCOMPARE(d.informationer, QStringList{"Der opstod en fejl.\rFilen er muligvist i brug."});
}

// Ctrl+E's command on a file selected in the file tree, then on the folder
// shown when nothing is selected there.
void TestFilinfoform::egenskaberFraStifinderen()
{
    MidlertidigHjem hjem;
    const QString mappe = hjem.sti() + "/data";
    QVERIFY(testfiler::lavFil(mappe + "/b.txt", "12345"));
    QTemporaryDir opt;
    FakeRamme ramme(opt.path() + "/");
    Twinform w(1, ramme);
    ramme.registrer(&w);
    w.resize(1000, 700);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.motor()->setAktiveStruktur(Trae::Fil);
    w.mappeKontrol(w.motor()->SelectFil(mappe + "/b.txt"), true);
    w.opdaterKommandoer();
    QVERIFY(w.kommando(Kommando::Info)->isEnabled());
    w.kommando(Kommando::Info)->trigger();
    Tfilinfoform *f = w.egenskabsKommandoer()->infoForm();
    QVERIFY(f->isVisible());
    QCOMPARE(f->SideNummer, 0);
    QCOMPARE(f->EditFilnavn->text(), "b.txt");
    QCOMPARE(f->LabelSize->text(), "5 bytes (5 bytes)");

    // Hidden through the window: the explorer moves to the new name, or to
    // its folder while hidden elements are not shown.
    w.motor()->setShowHidden(true);
    f->cbHidden->click();
    f->Anvend->click();
    QCOMPARE(w.motor()->filnavn(), mappe + "/.b.txt");
    QCOMPARE(ramme.editSti(), mappe + "/.b.txt");
    w.motor()->setShowHidden(false);
    f->cbHidden->click();
    f->Anvend->click();
    QCOMPARE(w.motor()->filnavn(), mappe + "/b.txt");
    f->cbHidden->click();
    f->Anvend->click();
    QCOMPARE(ramme.editSti(), mappe);
    QVERIFY(!QFile::exists(mappe + "/b.txt"));

    // With nothing selected in the file tree the command itself is off;
    // its work shows the folder the tree lists.
    w.motor()->struktur2()->fravaelgAlle();
    w.egenskabsKommandoer()->Info();
    QCOMPARE(f->SideNummer, 2);
    QCOMPARE(f->EditMappenavn->text(), "data");
    QTRY_COMPARE(f->LabelMappeIndhold->text(), "1 filer, 0 mapper");
    QVERIFY(ramme.beskeder.informationer.isEmpty());
}

QTEST_MAIN(TestFilinfoform)
#include "tst_filinfoform.moc"
