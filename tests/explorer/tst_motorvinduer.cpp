#include "explorer/tdeleteform.h"
#include "explorer/texistsform.h"
#include "explorer/tkopieringsform.h"
#include "explorer/tprogressform.h"

#include "testmiljoe.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

// Runs `handling` once the window is shown and its own event loop runs,
// the way a user acts on a modal window.
void naarVist(QDialog *vindue, std::function<void()> handling)
{
    auto *ur = new QTimer(vindue);
    QObject::connect(ur, &QTimer::timeout, vindue, [vindue, ur, handling] {
        if (!vindue->isVisible())
            return;
        ur->deleteLater();
        ur->stop();
        handling();
    });
    ur->start(0);
}

QRadioButton *valgknap(TExistsForm &form, const QString &tekst)
{
    for (QRadioButton *k : form.resultBox->findChildren<QRadioButton *>()) {
        if (k->text() == tekst)
            return k;
    }
    return nullptr;
}

} // namespace

class TestMotorvinduer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void konfliktCheckboksFoelgerValget_data();
    void konfliktCheckboksFoelgerValget();
    void konfliktSvarOgHukommelse();

    void kopieringsformMaal_data();
    void kopieringsformMaal();
    void kopieringsformBreddeknapper();
    void kopieringsformTekster_data();
    void kopieringsformTekster();
    void kopieringsformSvarerJaNej();

    void stopNulstillesVedVisning();
    void fremdriftNaarVinduerne();
};

void TestMotorvinduer::konfliktCheckboksFoelgerValget_data()
{
    QTest::addColumn<QString>("sidst");
    QTest::addColumn<bool>("afkrydset");

    QTest::newRow("Overskriv ingen") << "Overskriv ingen" << false;
    QTest::newRow("Overskriv alle") << "Overskriv alle" << false;
    QTest::newRow("Opret kopier") << "Opret kopier" << false;
    QTest::newRow("Spørg hver gang") << "Spørg hver gang" << true;
}

void TestMotorvinduer::konfliktCheckboksFoelgerValget()
{
    QFETCH(QString, sidst);
    QFETCH(bool, afkrydset);

    TExistsForm form;
    QCOMPARE(form.itemIndex(), KonfliktHandling::SpoergHverGang);
    QVERIFY(form.checkOverskriv->isChecked());

    // The choice left from last time, with the box set against the rule.
    valgknap(form, sidst)->setChecked(true);
    form.checkOverskriv->setChecked(!afkrydset);
    form.show();
    QCOMPARE(form.checkOverskriv->isChecked(), afkrydset);
    form.hide();

    // Every change of the choice sets the box again.
    for (const char *tekst : {"Spørg hver gang", "Overskriv alle", "Spørg hver gang", "Opret kopier"}) {
        QTest::mouseClick(valgknap(form, QString::fromUtf8(tekst)), Qt::LeftButton);
        QCOMPARE(form.checkOverskriv->isChecked(), QString::fromUtf8(tekst) == "Spørg hver gang");
    }
    QCOMPARE(form.windowTitle(), QString("Bestem handling"));
    QCOMPARE(form.height(), TExistsForm::Hoejde);
}

void TestMotorvinduer::konfliktSvarOgHukommelse()
{
    TExistsForm form;
    KonfliktSpoergsmaal &spm = form;

    // "Spørg hver gang", but not this element.
    naarVist(&form, [&] {
        QCOMPARE(form.filEdit->text(), QString("rapport.txt"));
        QCOMPARE(form.dirEdit->text(), QString("/home/ann/Dokumenter"));
        QVERIFY(form.checkOverskriv->isChecked());
        QTest::mouseClick(form.checkOverskriv, Qt::LeftButton);
        QTest::mouseClick(form.OKKnap, Qt::LeftButton);
    });
    KonfliktSvar svar = spm.askUser("rapport.txt", "/home/ann/Dokumenter");
    QCOMPARE(svar.handling, KonfliktHandling::SpoergHverGang);
    QVERIFY(!svar.overskrivDette);

    naarVist(&form, [&] {
        // Ticked again: the rule holds on every showing.
        QVERIFY(form.checkOverskriv->isChecked());
        QTest::mouseClick(valgknap(form, "Overskriv alle"), Qt::LeftButton);
        QTest::mouseClick(form.OKKnap, Qt::LeftButton);
    });
    svar = spm.askUser("b.txt", "/tmp");
    QCOMPARE(svar.handling, KonfliktHandling::OverskrivAlle);

    // The next question starts from "Overskriv alle", unticked.
    naarVist(&form, [&] {
        QCOMPARE(form.itemIndex(), KonfliktHandling::OverskrivAlle);
        QVERIFY(!form.checkOverskriv->isChecked());
        QTest::mouseClick(form.OKKnap, Qt::LeftButton);
    });
    svar = spm.askUser("c.txt", "/tmp");
    QCOMPARE(svar.handling, KonfliktHandling::OverskrivAlle);
    QVERIFY(!svar.overskrivDette);
}

void TestMotorvinduer::kopieringsformMaal_data()
{
    QTest::addColumn<QByteArray>("fil");   // "-" for no file
    QTest::addColumn<int>("bredde");
    QTest::addColumn<int>("filPanel");     // -1: not set
    QTest::addColumn<bool>("iVinduet");    // the panel width can be shown as it is

    QTest::newRow("ingen fil") << QByteArray("-") << 591 << -1 << false;
    QTest::newRow("bredde og panel") << QByteArray("900\r\n300\r\n") << 900 << 300 << true;
    QTest::newRow("for bred") << QByteArray("5000\r\n300\r\n") << 1815 << 300 << true;
    QTest::newRow("for smal") << QByteArray("100\r\n150\r\n") << 415 << 150 << true;
    QTest::newRow("panel bredere end vinduet") << QByteArray("600\r\n900\r\n") << 600 << 579 << false;
    QTest::newRow("kun en linje") << QByteArray("900\r\n") << 591 << -1 << false;
    QTest::newRow("ikke et tal") << QByteArray("bred\r\n300\r\n") << 591 << -1 << false;
    QTest::newRow("tom") << QByteArray("") << 591 << -1 << false;
}

void TestMotorvinduer::kopieringsformMaal()
{
    QFETCH(QByteArray, fil);
    QFETCH(int, bredde);
    QFETCH(int, filPanel);
    QFETCH(bool, iVinduet);

    QTemporaryDir dir;
    const QString optMappe = dir.path() + "/";
    const QString sti = optMappe + "Spm_kopiering.txt";
    if (fil != "-") {
        QFile f(sti);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(fil);
    }

    const Tkopieringsform::Maal maal = Tkopieringsform::hentMaal(sti);
    QCOMPARE(maal.bredde, bredde);
    QCOMPARE(maal.filPanel, filPanel);

    {
        Tkopieringsform form(optMappe);
        form.show();
        QCOMPARE(form.width(), bredde);
        if (iVinduet)
            QCOMPARE(form.filPanelBredde(), filPanel);
    }
    // Only read, never written or created.
    QCOMPARE(QFile::exists(sti), fil != "-");
    if (fil != "-") {
        QFile f(sti);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), fil);
    }
}

void TestMotorvinduer::kopieringsformBreddeknapper()
{
    QTemporaryDir dir;
    Tkopieringsform form(dir.path() + "/");
    form.show();
    QCOMPARE(form.width(), 591);

    QTest::mouseClick(form.stoerreKnap, Qt::LeftButton);
    QCOMPARE(form.width(), 731);
    QCOMPARE(form.mappePanelBredde(), (731 - 21) / 2);
    QTest::mouseClick(form.mindreKnap, Qt::LeftButton);
    QTest::mouseClick(form.mindreKnap, Qt::LeftButton);
    QCOMPARE(form.width(), 451);
    QCOMPARE(form.mappePanelBredde(), (451 - 21) / 2);
    QVERIFY(form.mindreKnap->isEnabled());
    QTest::mouseClick(form.mindreKnap, Qt::LeftButton);
    QCOMPARE(form.width(), 415);
    QVERIFY(!form.mindreKnap->isEnabled());

    QVERIFY(Tkopieringsform::kanGoereStoerre(1674));
    QVERIFY(!Tkopieringsform::kanGoereStoerre(1675));
    QVERIFY(Tkopieringsform::kanGoereMindre(416));
    QVERIFY(!Tkopieringsform::kanGoereMindre(415));
}

void TestMotorvinduer::kopieringsformTekster_data()
{
    QTest::addColumn<int>("art");   // 0 copy, 1 move, 2 delete to trash, 3 delete permanently
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("spoergsmaal");
    QTest::addColumn<QString>("destination");

    QTest::newRow("kopiering") << 0 << "Kopiering af elementer" << "Skal valgte elementer kopieres?" << "/mål";
    QTest::newRow("flytning") << 1 << "Flytning af elementer" << "Skal valgte elementer flyttes?" << "/mål";
    QTest::newRow("papirkurv") << 2 << "Sletning af elementer" << "Skal udvalgte elementer slettes?" << "Papirkurv";
    QTest::newRow("permanent") << 3 << "Sletning af elementer" << "Skal udvalgte elementer slettes?"
                               << "Ingen: Elementerne slettes permanent.";
}

void TestMotorvinduer::kopieringsformTekster()
{
    QFETCH(int, art);
    QFETCH(QString, caption);
    QFETCH(QString, spoergsmaal);
    QFETCH(QString, destination);

    QTemporaryDir dir;
    Tkopieringsform form(dir.path() + "/");
    const Bekraeftelse::Tekster t = art < 2 ? Bekraeftelse::kopiTekster("/mål", art == 1)
                                            : Bekraeftelse::sletTekster(art == 2);
    form.forbered(t, {"/a/x.txt", "/a/y.txt"}, {"/a/m"});
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(form.spmLabel->text(), spoergsmaal);
    QCOMPARE(form.destEdit->text(), destination);
    QCOMPARE(form.filListe->count(), 2);
    QCOMPARE(form.filListe->item(1)->text(), QString("/a/y.txt"));
    QCOMPARE(form.mappeListe->count(), 1);
    QVERIFY(!form.billede->pixmap().isNull());
}

void TestMotorvinduer::kopieringsformSvarerJaNej()
{
    QTemporaryDir dir;
    Tkopieringsform form(dir.path() + "/");
    Bekraeftelse &b = form;
    auto knap = [&](const QString &tekst) {
        for (QPushButton *k : form.findChildren<QPushButton *>()) {
            if (k->text() == tekst)
                return k;
        }
        return static_cast<QPushButton *>(nullptr);
    };

    naarVist(&form, [&] { QTest::mouseClick(knap("Ja"), Qt::LeftButton); });
    QVERIFY(b.skalElementerKopieres("/mål", false, {"/a/x.txt"}, {}));
    naarVist(&form, [&] { QTest::mouseClick(knap("Nej"), Qt::LeftButton); });
    QVERIFY(!b.skalElementerSlettes({"/a/x.txt"}, {}, true));
    naarVist(&form, [&] { form.close(); });   // the close box answers "Nej"
    QVERIFY(!b.skalElementerKopieres("/mål", true, {"/a/x.txt"}, {}));
    // The list shows this question's elements only.
    naarVist(&form, [&] {
        QCOMPARE(form.filListe->count(), 0);
        QCOMPARE(form.mappeListe->count(), 2);
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    QVERIFY(!b.skalElementerSlettes({}, {"/m1", "/m2"}, false));
}

void TestMotorvinduer::stopNulstillesVedVisning()
{
    Tprogressform form;
    KopiFremdrift &f = form;
    f.vis();
    QVERIFY(form.isVisible());
    QVERIFY(!f.stoppet());
    QVERIFY(f.holdILive(true));

    QTest::mouseClick(form.StopKnap, Qt::LeftButton);
    QVERIFY(f.stoppet());
    QVERIFY(!f.holdILive(true));
    // Neither Escape nor the close request closes it or clears the flag.
    QTest::keyClick(&form, Qt::Key_Escape);
    form.close();
    QVERIFY(form.isVisible());
    QVERIFY(f.stoppet());
    f.luk();
    QVERIFY(!form.isVisible());
    QVERIFY(f.stoppet());   // it stays set for the rest of the operation

    // The next paste starts with the flag cleared, however the window is shown.
    f.vis();
    QVERIFY(!f.stoppet());
    QTest::mouseClick(form.StopKnap, Qt::LeftButton);
    f.luk();
    form.show();
    QVERIFY(!f.stoppet());
}

void TestMotorvinduer::fremdriftNaarVinduerne()
{
    Tprogressform kopi;
    KopiFremdrift &k = kopi;
    k.setCaption("Stifinder 1 kopierer valgte elementer");
    k.setMappeOverskrift("Der kopieres 2 mapper:");
    k.tilfoejMappe("/a");
    k.tilfoejMappe("/b");
    k.markerMappe(1);
    k.markerMappe(7);   // no such line: ignored
    k.setProcent(37);
    k.setResterende("12 (3,45 MB)");
    k.setScanBar(3, 4);
    k.setIndlaesteMapper(1234);
    QCOMPARE(kopi.windowTitle(), QString("Stifinder 1 kopierer valgte elementer"));
    QCOMPARE(kopi.mappeLabel->text(), QString("Der kopieres 2 mapper:"));
    QCOMPARE(kopi.mappeListe->item(0)->checkState(), Qt::Unchecked);
    QCOMPARE(kopi.mappeListe->item(1)->checkState(), Qt::Checked);
    QCOMPARE(kopi.procentLabel->text(), QString("37%"));
    QCOMPARE(kopi.scanBar->maximum(), 4);
    QCOMPARE(kopi.indlaesteLabel->text(), QString("1.234"));
    k.rydMapper();
    QCOMPARE(kopi.mappeListe->count(), 0);

    Tdeleteform slet;
    Fremdrift &s = slet;
    QCOMPARE(slet.windowTitle(), QString("Sletter mapper og filer"));
    QCOMPARE(slet.destLabel->text(), QString("Der slettes til papirkurv / Sletningen er permanent"));
    s.setDestination("Papirkurvs sletning: 3,00 MB");
    s.setMappeOverskrift("Følgende 1 mappe slettes:");
    s.tilfoejMappe("/a");
    s.markerMappe(0);
    s.setBar(250);
    QCOMPARE(slet.destLabel->text(), QString("Papirkurvs sletning: 3,00 MB"));
    QCOMPARE(slet.mappeListe->item(0)->checkState(), Qt::Checked);
    QCOMPARE(slet.bar->value(), 100);
    s.vis();
    QVERIFY(slet.isVisible());
    slet.close();
    QVERIFY(slet.isVisible());
    s.luk();
    QVERIFY(!slet.isVisible());
}

QTEST_MAIN(TestMotorvinduer)
#include "tst_motorvinduer.moc"
