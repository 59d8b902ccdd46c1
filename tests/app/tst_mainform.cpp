#include "app/mainegenskaber.h"
#include "app/mainregler.h"
#include "app/tegenskabsside.h"
#include "app/tindholdsside.h"
#include "app/tinfobar.h"
#include "app/tmainform.h"
#include "app/tstilmanager.h"
#include "app/tstistrimmel.h"
#include "engines/datamappe/tdatamappe.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "shell/tlinjetrae.h"
#include "skaerme.h"
#include "testmiljoe.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include <sys/stat.h>

// The main window driven as the user drives it, in a temporary home folder,
// with every message and question going to the scripted dialogs.
class TestMainform : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;

    // The settings file of the temporary home, made before a window exists.
    static QString optFil() { return TDataMappe::CreateMapper().mapper.optFilnavn; }

    static void skrivLinjer(const QStringList &linjer) { QVERIFY(tekstfil::gem(optFil(), linjer)); }

    static void visOgAktiver(Tmainform &w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    template<typename T>
    static T *barn(const Tmainform &w, const char *navn)
    {
        T *b = w.findChild<T *>(QLatin1String(navn));
        if (!b)
            qFatal("mangler %s", navn);
        return b;
    }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init() { m_hjem = std::make_unique<MidlertidigHjem>(); }
    void cleanup() { m_hjem.reset(); }

    void foersteOgAndenStart()
    {
        FakeDialogs d;
        {
            Tmainform w(&d);
            QCOMPARE(w.windowTitle(), "Marvikel: " + w.mapper().Abrugernavn);
            QCOMPARE(w.size(), QSize(1270, 870));
            QCOMPARE(w.pos(), QPoint(250, 50));
            QCOMPARE(w.minimumHeight(), 776);
            QCOMPARE(TStilManager::aktiv(), QString("Sky"));
            QCOMPARE(barn<QComboBox>(w, "designBox")->currentText(), QString("Sky"));

            visOgAktiver(w);
            QVERIFY(!w.opstart);
            QCOMPARE(w.TryedBefore, 1);
            QCOMPARE(w.Hovedbog()->currentIndex(), 4);
            QCOMPARE(w.egenskabsside()->undersider()->currentIndex(), 0);
            QCOMPARE(w.sidetitel(), QString("Egenskaber"));
            QVERIFY(w.close());
        }
        const QStringList linjer = tekstfil::hent(optFil());
        QCOMPARE(linjer.size(), 45);
        QCOMPARE(linjer.at(31), QString("1"));
        QCOMPARE(linjer.at(22), QString("4"));

        Tmainform igen(&d);
        visOgAktiver(igen);
        QCOMPARE(igen.TryedBefore, 1);
        QCOMPARE(igen.sidetitel(), QString("Program Egenskaber"));   // no first-run page switch
        QVERIFY(d.informationer.isEmpty());
        QVERIFY(d.spoergsmaal.isEmpty());
    }

    void lukning_data()
    {
        QTest::addColumn<bool>("redigeret");
        QTest::addColumn<int>("processer");
        QTest::addColumn<int>("svar");   // -1 no answer queued, 0 "Nej", 1 "Ja"
        QTest::addColumn<bool>("lukket");
        QTest::addColumn<int>("spoergsmaal");
        QTest::newRow("intet kører") << false << 0 << -1 << true << 0;
        QTest::newRow("struktur under redigering afviser stille") << true << 0 << -1 << false << 0;
        QTest::newRow("redigering går forud for kørende") << true << 2 << -1 << false << 0;
        QTest::newRow("kørende, Nej") << false << 1 << 0 << false << 1;
        QTest::newRow("kørende, Ja") << false << 1 << 1 << true << 1;
    }
    void lukning()
    {
        QFETCH(bool, redigeret);
        QFETCH(int, processer);
        QFETCH(int, svar);
        QFETCH(bool, lukket);
        FakeDialogs d;
        if (svar == 0)
            d.svarNej();
        if (svar == 1)
            d.svarJa();
        Tmainform w(&d);
        visOgAktiver(w);
        w.MsRedigeret = redigeret;
        w.processCount = processer;

        QCOMPARE(w.close(), lukket);
        QTEST(int(d.spoergsmaal.size()), "spoergsmaal");
        if (!d.spoergsmaal.isEmpty())
            QCOMPARE(d.spoergsmaal.first(),
                     QString("Der er en funktion kørende.\r"
                             "Skal programmet lukkes alligevel med risiko for fejl ved lukning?"));
        QCOMPARE(QFile::exists(w.mapper().optFilnavn), lukket);
        QCOMPARE(w.isVisible(), !lukket);
        QVERIFY(d.informationer.isEmpty());
    }

    void sessionensAfslutningLukkerUdenSpoergsmaal()
    {
        // At log-out nobody can answer: neither a running function nor a
        // structure under edit keeps the program open, and it saves.
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        w.MsRedigeret = true;
        w.processCount = 1;
        w.sessionSlut();
        QVERIFY(!w.isVisible());
        QVERIFY(d.spoergsmaal.isEmpty());
        QCOMPARE(tekstfil::hent(w.mapper().optFilnavn).size(), 45);
    }

    void gemteFilerDerIkkeErFiler()
    {
        // The program list a link to a pipe, a favourites list a link to the
        // zero device: the program starts without waiting for a writer or
        // reading without end, says once per file what is wrong with it, and
        // leaves both links and what they lead to as they were at exit.
        const DataMapper m = TDataMappe::CreateMapper().mapper;
        const QString ror = m_hjem->sti() + "/ror";
        QCOMPARE(::mkfifo(QFile::encodeName(ror).constData(), 0600), 0);
        QVERIFY(QFile::link(ror, m.OptMappe + "ProgItem.txt"));
        QVERIFY(QFile::link("/dev/zero", m.OptMappe + "favoritmapper1.txt"));

        FakeDialogs d;
        {
            Tmainform w(&d);
            visOgAktiver(w);
            QTRY_COMPARE(d.informationer.size(), 2);
            QVERIFY(d.informationer.filter(m.OptMappe + "ProgItem.txt").size() == 1);
            QVERIFY(d.informationer.filter(m.OptMappe + "favoritmapper1.txt").size() == 1);
            QVERIFY(w.close());
        }
        QCOMPARE(d.informationer.size(), 2);
        QCOMPARE(QFileInfo(m.OptMappe + "ProgItem.txt").symLinkTarget(), ror);
        QCOMPARE(QFileInfo(m.OptMappe + "favoritmapper1.txt").symLinkTarget(), QString("/dev/zero"));
        QVERIFY(!QFileInfo(ror).isFile() && QFileInfo::exists(ror));
        QCOMPARE(tekstfil::hent(m.optFilnavn).size(), 45);   // the other files are saved
    }

    // Stored numbers that no screen can show: the window opens on a screen,
    // no larger than its available area, and the fitted values are what is
    // written back. Skaerm1 is 1600 x 1200 at (0, 0), Skaerm2 1366 x 768 at
    // (1600, 0); the offscreen frame adds 2 pixels on every side.
    void gemtGeometriPasserTilSkaermen_data()
    {
        QTest::addColumn<QRect>("gemt");       // left, top, width, height as stored
        QTest::addColumn<QRect>("skaerm");
        QTest::newRow("kæmpe tal") << QRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX) << QRect(0, 0, 1600, 1200);
        QTest::newRow("negative tal") << QRect(-5000, -5000, -10, 0) << QRect(0, 0, 1600, 1200);
        QTest::newRow("standard på den lille skærm") << QRect(1700, 50, 1270, 870) << QRect(1600, 0, 1366, 768);
        QTest::newRow("delvis uden for den lille skærm") << QRect(2900, 700, 800, 600) << QRect(1600, 0, 1366, 768);
        QTest::newRow("skærm der er væk") << QRect(9000, 9000, 1000, 700) << QRect(0, 0, 1600, 1200);
    }
    void gemtGeometriPasserTilSkaermen()
    {
        QFETCH(QRect, gemt);
        QFETCH(QRect, skaerm);
        QStringList linjer = MainEgenskaber().tilLinjer();
        linjer[1] = QString::number(gemt.top());
        linjer[2] = QString::number(gemt.left());
        linjer[3] = QString::number(gemt.width());
        linjer[4] = QString::number(gemt.height());
        skrivLinjer(linjer);

        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        QVERIFY2(skaerm.contains(w.frameGeometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                  .arg(w.frameGeometry().x())
                                                                  .arg(w.frameGeometry().y())
                                                                  .arg(w.frameGeometry().width())
                                                                  .arg(w.frameGeometry().height())));
        QVERIFY(w.minimumHeight() <= skaerm.height() - 4);
        if (gemt.width() == 1270)
            QCOMPARE(w.width(), 1270);   // the standard width fits; only the height gives way

        if (skaerm.height() == 768) {
            // The small screen's window can be made short enough for a
            // panel and a title bar; the standard minimum holds elsewhere.
            w.resize(w.width(), 690);
            QTRY_COMPARE(w.height(), 690);
        } else {
            QCOMPARE(w.minimumHeight(), 776);
        }

        QVERIFY(w.close());
        const QStringList gemtIgen = tekstfil::hent(optFil());
        QCOMPARE(gemtIgen.mid(1, 4), (QStringList{QString::number(w.y()), QString::number(w.x()),
                                                  QString::number(w.width()), QString::number(w.height())}));
    }

    void standardstoerrelsenPaaDenLilleSkaerm()
    {
        // The standard size where it fits, otherwise as much of it as the
        // screen allows; the command then stays off at that size.
        QStringList linjer = MainEgenskaber().tilLinjer();
        linjer[2] = "1700";
        linjer[3] = "900";
        linjer[4] = "500";
        skrivLinjer(linjer);
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        QAction *standard = w.kommando("standardSize");
        QVERIFY(standard->isEnabled());
        standard->trigger();
        QTRY_COMPARE(w.size(), QSize(1270, 768 - 4));
        QVERIFY(QRect(1600, 0, 1366, 768).contains(w.frameGeometry()));
        w.opdaterKommandoer();
        QVERIFY(!standard->isEnabled());
    }

    void mislykketSkrivningMeldes()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        // The settings folder vanished while the program ran.
        QVERIFY(QDir(w.mapper().OptMappe).removeRecursively());
        QVERIFY(w.close());
        // Every file that could not be written is named, the explorer
        // window's first, the main window's last.
        const QString egenskaber = w.mapper().OptMappe;
        QCOMPARE(d.informationer,
                 QStringList({"Stifinderens egenskaber kunne ikke gemmes i:\r" + egenskaber + "Stifinder 1.txt",
                              "Filstrukturens detaljer kunne ikke gemmes i:\r" + egenskaber + "Stifinder 1 detaljer.txt",
                              "Listen kunne ikke gemmes i:\r" + egenskaber + "favoritmapper1.txt",
                              "Listen kunne ikke gemmes i:\r" + egenskaber + "favoritfiler1.txt",
                              "Programmets egenskaber kunne ikke gemmes i:\r" + w.mapper().optFilnavn}));
    }

    void panelSkjulesOgVisesToGange()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        QAction *panel = w.kommando("aPanelV");
        QAction *openElement = w.kommando("OpenElement");
        const int bredde = w.width();
        QVERIFY(w.minimumWidth() < 1228 - 302);   // only the layout's own until the first toggle
        QVERIFY(!openElement->isEnabled());

        for (int gang = 0; gang < 2; ++gang) {
            panel->trigger();
            QVERIFY(!w.panelVist());
            QTRY_COMPARE(w.width(), bredde - 302);
            QCOMPARE(w.minimumWidth(), 1228 - 302);
            QVERIFY(openElement->isEnabled());
            panel->trigger();
            QVERIFY(w.panelVist());
            QTRY_COMPARE(w.width(), bredde);
            QCOMPARE(w.minimumWidth(), 1228);
            QVERIFY(!openElement->isEnabled());
        }

        // F10 shows the panel on the program functions page.
        panel->trigger();
        openElement->trigger();
        QVERIFY(w.panelVist());
        QTRY_COMPARE(w.width(), bredde);
        QCOMPARE(w.Hovedbog()->currentIndex(), 0);
        QCOMPARE(w.sidetitel(), QString("Programmer med funktioner"));
    }

    void sidekommandoer()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        w.kommando("visGT3")->trigger();
        QCOMPARE(w.Hovedbog()->currentIndex(), 6);
        QCOMPARE(w.sidetitel(), QString("Program genveje"));
        QVERIFY(!w.kommando("visGT3")->isEnabled());
        QVERIFY(w.kommando("visGT1")->isEnabled());

        w.kommando("aVisInfoStruk")->trigger();
        QCOMPARE(w.Hovedbog()->currentIndex(), 5);
        QCOMPARE(w.sidetitel(), QString("Velkommen"));
        QVERIFY(!w.kommando("aVisInfoStruk")->isEnabled());
        QVERIFY(w.kommando("visGT3")->isEnabled());
    }

    // The left panel's web, notes, help, shortcut and contents pages are
    // built when first shown. Built after the start, the shortcut page
    // shows the list the settings chose, and the help page the settings'
    // tree lines and the structure the start read.
    void siderByggesNaarDeVises()
    {
        MainEgenskaber e;
        e.TryedBefore = 1;
        e.hovedSide = mainregler::SideEgenskaber;
        e.genvejsSide = 2;
        e.CheckStrukturLinjer = true;
        QVERIFY(e.GemOpt(optFil()));
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        QVERIFY(!w.findChild<QTabWidget *>("genvejslister"));
        QVERIFY(!w.findChild<QTreeWidget *>("Struktur"));
        QCOMPARE(w.samlEgenskaber().genvejsSide, 2);

        w.vaelgSide(mainregler::SideGenveje);
        QCOMPARE(barn<QTabWidget>(w, "genvejslister")->currentIndex(), 2);
        QVERIFY(!w.kommando("visGT3")->isEnabled());
        w.vaelgSide(mainregler::SideInformation);
        auto *struktur = barn<TLinjeTrae>(w, "Struktur");
        QVERIFY(struktur->linjer());
        QVERIFY(struktur->topLevelItemCount() > 0);
    }

    void indholdssidensRaekker()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        w.vaelgSide(mainregler::SideIndhold);
        QCOMPARE(w.sidetitel(), QString("Indhold"));
        TIndholdsside *indhold = w.indholdsside();
        QTreeWidget *liste = indhold->liste();
        QCOMPARE(liste->topLevelItemCount(), 7);
        QCOMPARE(liste->topLevelItem(0)->text(0), QString("Side 1: Programmer"));
        QCOMPARE(liste->topLevelItem(0)->childCount(), 6);
        QCOMPARE(liste->topLevelItem(4)->child(1)->text(0), QString("Lidt design og funktion"));

        // The first show folds every group.
        QVERIFY(!liste->topLevelItem(0)->isExpanded());
        barn<QToolButton>(w, "foldUdKnap")->click();
        QVERIFY(liste->topLevelItem(6)->isExpanded());

        auto klik = [&](int raekke) {
            QTreeWidgetItem *item = indhold->raekke(raekke);
            liste->scrollToItem(item);
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualItemRect(item).center());
        };
        klik(13);   // a help row leaves the page where it is
        QCOMPARE(w.Hovedbog()->currentIndex(), 7);
        QVERIFY(liste->selectedItems().isEmpty());
        klik(10);   // "Program egenskaber"
        QCOMPARE(w.Hovedbog()->currentIndex(), 4);
        QCOMPARE(w.sidetitel(), QString("Program Egenskaber"));
        QVERIFY(liste->selectedItems().isEmpty());

        w.vaelgSide(mainregler::SideIndhold);
        barn<QToolButton>(w, "foldSammenKnap")->click();
        QVERIFY(!liste->topLevelItem(6)->isExpanded());
    }

    void informationsknappen()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        auto *knap = barn<QToolButton>(w, "informationsKnappen");

        w.vaelgSide(mainregler::SideEgenskaber, 4);
        QCOMPARE(w.sidetitel(), QString());
        QVERIFY(knap->isEnabled());
        knap->click();
        QCOMPARE(d.informationer, QStringList{mainregler::panelIndholdBesked()});

        w.vaelgSide(mainregler::SideIndhold);
        knap->click();
        QCOMPARE(d.informationer.last(), QString("Indholdsstruktur med informations genveje."));

        // Pages whose information is a help page wait for the help browser.
        w.vaelgSide(mainregler::SideProgrammer);
        QCOMPARE(knap->isEnabled(), w.kanViseHjaelp());
    }

    void ukendtDesignMeldesEnGangOgBevares()
    {
        QStringList linjer = MainEgenskaber().tilLinjer();
        linjer[0] = "Findes ikke";
        skrivLinjer(linjer);
        TStilManager::anvend("Light");
        const QColor foer = QApplication::palette().color(QPalette::Window);

        FakeDialogs d;
        Tmainform w(&d);
        QCOMPARE(QApplication::palette().color(QPalette::Window), foer);
        QCOMPARE(barn<QComboBox>(w, "designBox")->currentIndex(), -1);
        visOgAktiver(w);
        QTRY_COMPARE(d.informationer.size(), 1);
        QVERIFY(d.informationer.first().contains("\"Findes ikke\""));
        w.hide();
        visOgAktiver(w);
        QCoreApplication::processEvents();
        QCOMPARE(d.informationer.size(), 1);

        QVERIFY(w.close());
        QCOMPARE(tekstfil::hent(optFil()).at(0), QString("Findes ikke"));

        // Choosing a style in the box applies it at once.
        Tmainform andet(&d);
        QComboBox *box = barn<QComboBox>(andet, "designBox");
        const int zircon = box->findText("Zircon");
        box->setCurrentIndex(zircon);
        emit box->activated(zircon);
        QCOMPARE(andet.designName, QString("Zircon"));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 TStilManager::palet("Zircon").color(QPalette::Window));
    }

    void kontakterStyrerSiderne()
    {
        QStringList linjer = MainEgenskaber().tilLinjer();
        linjer[39] = "2";
        linjer[42] = "1";
        skrivLinjer(linjer);
        FakeDialogs d;
        Tmainform w(&d);
        QVERIFY(!w.Hovedbog()->isTabVisible(2));
        QVERIFY(w.Hovedbog()->isTabVisible(3));
        QVERIFY(!w.Hovedbog()->isTabVisible(6));
        QVERIFY(w.Hovedbog()->isTabVisible(7));

        barn<QAbstractButton>(w, "tabVisCheck1")->click();
        QVERIFY(w.Hovedbog()->isTabVisible(2));
        QCOMPARE(barn<QAbstractButton>(w, "tabVisCheck1")->text(), QString("Vist"));
        barn<QAbstractButton>(w, "tabVisCheck4")->click();
        QVERIFY(!w.Hovedbog()->isTabVisible(7));
        QCOMPARE(barn<QAbstractButton>(w, "tabVisCheck4")->text(), QString("Skjult"));
    }

    void vinduetGemmerHvadDetLaeste()
    {
        // Every line in range of its control comes back out of the window
        // unchanged, so controls and lines are wired to each other.
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
        e.exeProgram = "/usr/bin/true";
        e.openInfo = 1;
        e.openKalender = 1;
        e.OnClickIndex = 4;
        e.OnClickCaption = "Min struktur";
        e.FremFormCheck = 1;
        e.openWmi = 1;
        e.hovedSide = 5;
        e.egenskabsSide = 2;
        e.PlaceringsMappe = m_hjem->sti();
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
        QVERIFY(e.GemOpt(optFil()));

        FakeDialogs d;
        Tmainform w(&d);
        QCOMPARE(w.samlEgenskaber().tilLinjer(), e.tilLinjer());
        QVERIFY(!barn<QAbstractButton>(w, "aSammeKlipbord")->isChecked());
    }

    void maxElementerKnapperne()
    {
        QStringList linjer = MainEgenskaber().tilLinjer();
        linjer[5] = "15";
        skrivLinjer(linjer);
        FakeDialogs d;
        Tmainform w(&d);
        auto *felt = barn<QLineEdit>(w, "maxFindEdit");
        QVERIFY(felt->isReadOnly());
        QCOMPARE(felt->text(), QString("15"));
        barn<QToolButton>(w, "maxFindNed")->click();
        QCOMPARE(felt->text(), QString("10"));
        barn<QToolButton>(w, "maxFindNed")->click();
        QCOMPARE(felt->text(), QString("10"));
        barn<QToolButton>(w, "maxFindOp")->click();
        QCOMPARE(w.maxElementer(), 20);
        QCOMPARE(w.samlEgenskaber().maxElementer, 20);
    }

    void standardstoerrelse()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        QAction *standard = w.kommando("standardSize");
        QVERIFY(!standard->isEnabled());
        w.resize(1000, 800);
        QTRY_COMPARE(barn<QLabel>(w, "breddeLabel")->text(), QString("1000"));
        QCOMPARE(barn<QLabel>(w, "hojdeLabel")->text(), QString("800"));
        QVERIFY(standard->isEnabled());
        barn<QToolButton>(w, "standardKnap")->click();
        QTRY_COMPARE(w.size(), QSize(1270, 870));
        QCOMPARE(barn<QLabel>(w, "breddeLabel")->text(), QString("1270"));
        QVERIFY(!standard->isEnabled());
    }

    void ulaeseligDatamappeGiverEnBeskedOgEtBrugbartProgram()
    {
        // HOME below a regular file: no folder can be made there.
        QFile blokerer(m_hjem->sti() + "/fil");
        QVERIFY(blokerer.open(QIODevice::WriteOnly));
        blokerer.close();
        qputenv("HOME", (m_hjem->sti() + "/fil/hjem").toUtf8());

        FakeDialogs d;
        Tmainform w(&d);
        QVERIFY(!w.dataSkrivbar());
        visOgAktiver(w);
        QTRY_COMPARE(d.informationer.size(), 1);
        w.kommando("aPanelV")->trigger();
        QVERIFY(!w.panelVist());
        QVERIFY(w.close());
        QCOMPARE(d.informationer.size(), 1);
        QVERIFY(!QFile::exists(w.mapper().optFilnavn));
    }

    void statuslinjen()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        TInfobar *bar = w.infobar();

        // A hint travels from the control to panel 2 of the status line.
        auto *knap = barn<QToolButton>(w, "klipbordStiKnap");
        QStatusTipEvent tip(knap->statusTip());
        QApplication::sendEvent(knap, &tip);
        QCOMPARE(bar->panelTekst(2), QString("Kopier aktuelle sti til klipbordet"));

        w.InfoProg("Teksteditor");
        QFont ni = bar->font();
        ni.setPointSize(9);
        QTRY_COMPARE(bar->panelBredde(0), QFontMetrics(ni).horizontalAdvance("Teksteditor") + 8);
        QCOMPARE(bar->panelTekst(0), QString("Teksteditor"));
    }

    void stistrimlensKnapper()
    {
        FakeDialogs d;
        Tmainform w(&d);
        visOgAktiver(w);
        const QString mappe = m_hjem->sti() + "/mappe æ";
        QVERIFY(QDir().mkpath(mappe));
        const QString fil = mappe + "/brev.txt";
        QFile f(fil);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TStistrimmel *strimmel = w.stistrimmel();
        QClipboard *klip = QApplication::clipboard();

        strimmel->setSti(fil);
        barn<QToolButton>(w, "klipbordStiKnap")->click();
        QCOMPARE(klip->text(), mappe);
        QCOMPARE(w.infobar()->panelTekst(2), QString("Stien blev kopieret til klipbordet"));
        QCOMPARE(strimmel->sti(), fil);
        barn<QToolButton>(w, "klipbordStiFilKnap")->click();
        QCOMPARE(klip->text(), fil);
        QCOMPARE(w.infobar()->panelTekst(2), QString("Filnavnet blev kopieret til klipbordet"));

        strimmel->setSti(mappe);
        barn<QToolButton>(w, "klipbordStiFilKnap")->click();
        QCOMPARE(klip->text(), fil);   // nothing copied
        QCOMPARE(w.infobar()->panelTekst(2), QString("Der er ikke valgt et filnavn"));
        barn<QToolButton>(w, "klipbordStiKnap")->click();
        QCOMPARE(klip->text(), mappe);

        strimmel->setSti(mappe + "/forsvundet");
        w.kommando("aOpenStifinder")->trigger();
        QCOMPARE(w.infobar()->panelTekst(2), QString("Mappen blev ikke fundet."));
        QCOMPARE(TStistrimmel::mappeAt(fil), mappe);
        QCOMPARE(TStistrimmel::mappeAt(mappe), mappe);
    }
};

MARVIKEL_TEST_MED_SKAERME(TestMainform)
#include "tst_mainform.moc"
