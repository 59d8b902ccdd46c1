#include "app/tbakkeikon.h"
#include "app/tboernevinduer.h"
#include "app/tinfobar.h"
#include "app/tmainform.h"
#include "app/tnetside.h"
#include "app/tnotatside.h"
#include "app/tstifinderramme.h"
#include "app/tstrukturmenu.h"
#include "engines/tstrukturcompo.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "privatbus.h"
#include "shell/tvinduesstyring.h"
#include "shell/vinduesart.h"
#include "testmiljoe.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusContext>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

// Stands in for the desktop's notification server on the test's own bus.
class FalskNotifikationsserver : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Modtaget
    {
        QString program, overskrift, tekst;
        QVariantMap hints;
        int udloeb = 0;
    };
    QList<Modtaget> modtaget;
    QStringList evner{"body"};

public slots:
    uint Notify(const QString &program, uint erstatter, const QString &ikon, const QString &overskrift,
                const QString &tekst, const QStringList &handlinger, const QVariantMap &hints, int udloeb)
    {
        Q_UNUSED(erstatter);
        Q_UNUSED(ikon);
        Q_UNUSED(handlinger);
        modtaget.append({program, overskrift, tekst, hints, udloeb});
        return uint(modtaget.size());
    }
    QStringList GetCapabilities() { return evner; }
};

// The ties to the desktop: notifications with their fallbacks, the tray
// icon, the message centre, the notes page and the web search page.
class TestBeskedcenter : public QObject
{
    Q_OBJECT

    std::unique_ptr<PrivatBus> m_bus;
    QTemporaryDir m_tmp;
    QString m_afspilningslog;
    FalskNotifikationsserver m_server;

    QDBusConnection falsk() { return QDBusConnection::connectToBus(m_bus->adresse(), "falsk"); }

    bool tilmeldServer()
    {
        QDBusConnection bus = falsk();
        return bus.registerObject("/org/freedesktop/Notifications", &m_server, QDBusConnection::ExportAllSlots)
            && bus.registerService("org.freedesktop.Notifications");
    }

    void afmeldServer()
    {
        QDBusConnection bus = falsk();
        bus.unregisterService("org.freedesktop.Notifications");
        bus.unregisterObject("/org/freedesktop/Notifications");
    }

    QString afspillet()
    {
        QFile f(m_afspilningslog);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).trimmed() : QString();
    }

    template<typename T>
    static T *barn(const QObject *o, const char *navn)
    {
        T *b = o->findChild<T *>(QLatin1String(navn));
        if (!b)
            qFatal("mangler %s", navn);
        return b;
    }

    static void vaelgRaekke(QListWidget *liste, const QString &titel)
    {
        const QList<QListWidgetItem *> fundne = liste->findItems(titel, Qt::MatchExactly);
        QCOMPARE(fundne.size(), 1);
        liste->setCurrentItem(fundne.first());
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        // A stand-in sound player first on PATH that records what it plays.
        m_afspilningslog = m_tmp.path() + "/afspillet.log";
        QVERIFY(QDir().mkpath(m_tmp.path() + "/bin"));
        QFile skript(m_tmp.path() + "/bin/pw-play");
        QVERIFY(skript.open(QIODevice::WriteOnly));
        skript.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + QFile::encodeName(m_afspilningslog) + ".tmp\"\n"
                     "mv \"" + QFile::encodeName(m_afspilningslog) + ".tmp\" \"" + QFile::encodeName(m_afspilningslog) + "\"\n");
        skript.close();
        skript.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(m_tmp.path() + "/bin:") + qgetenv("PATH"));

        m_bus = std::make_unique<PrivatBus>();
        // Must be set before the program's first use of the session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->adresse().isEmpty() ? QByteArray("unix:path=/findes/ikke")
                                                                       : m_bus->adresse().toUtf8());
    }

    void cleanupTestCase()
    {
        QDBusConnection::disconnectFromBus("falsk");
        m_bus.reset();
    }

    void notifikationerNaarServerenOgUdenServer()
    {
        if (m_bus->adresse().isEmpty())
            QSKIP("dbus-daemon is not installed");
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        QVERIFY(tilmeldServer());

        w.makeInfo("Overskrift", "Tekst med æøå");
        QTRY_COMPARE(m_server.modtaget.size(), 1);
        const auto m = m_server.modtaget.at(0);
        QCOMPARE(m.program, QString("Marvikel"));
        QCOMPARE(m.overskrift, QString("Overskrift"));
        QCOMPARE(m.tekst, QString("Tekst med æøå"));
        QCOMPARE(m.udloeb, -1);
        const QString lyd = w.mapper().programmappe + "/Lydfiler/Musik06.wav";
        QVERIFY(QFileInfo(lyd).isFile());
        QCOMPARE(m.hints.value("sound-file").toString(), lyd);
        QCOMPARE(m.hints.value("x-marvikel-navn").toString(), QString("Marvikel 1"));
        QCOMPARE(w.ncNumber, 1);
        // The server does not play sounds itself: the program does.
        QTRY_COMPARE(afspillet(), lyd);

        // The message centre sends through the same call.
        TNetside *side = w.netside();
        barn<QLineEdit>(side, "bcEdit")->setText("Fra centret");
        barn<QLineEdit>(side, "bcEditTekst")->setText("Beskeden");
        barn<QPushButton>(side, "bcSend")->click();
        QTRY_COMPARE(m_server.modtaget.size(), 2);
        QCOMPARE(m_server.modtaget.at(1).overskrift, QString("Fra centret"));
        QCOMPARE(m_server.modtaget.at(1).tekst, QString("Beskeden"));
        QCOMPARE(m_server.modtaget.at(1).hints.value("x-marvikel-navn").toString(), QString("Marvikel 2"));

        // The explorer windows report through the same call.
        TStifinderRamme ramme(w, *w.strukturmenu());
        ramme.makeInfo("Information", "Der blev slettet 2 bytes");
        QTRY_COMPARE(m_server.modtaget.size(), 3);
        QCOMPARE(m_server.modtaget.at(2).tekst, QString("Der blev slettet 2 bytes"));

        // Without a server (and without a tray) the status line tells it.
        afmeldServer();
        w.makeInfo("Information", "Der blev kopieret 3 bytes");
        QTRY_COMPARE(w.infobar()->panelTekst(2), QString("Information: Der blev kopieret 3 bytes"));
        QCOMPARE(m_server.modtaget.size(), 3);
        QVERIFY(d.informationer.isEmpty());
    }

    void bakkeikonetSkjulerKunNaarDetSes()
    {
        QWidget vindue;
        vindue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vindue));
        {
            // No tray on this desktop: minimising leaves the window in the
            // taskbar, and the icon shows no messages.
            TBakkeikon ikon(&vindue, [] { return false; });
            QCOMPARE(ikon.ikon()->toolTip(), QString("Marvikel"));
            QVERIFY(ikon.ikon()->contextMenu() == nullptr);
            QVERIFY(!ikon.visBesked("a", "b"));
            vindue.showMinimized();
            QTRY_VERIFY(vindue.isMinimized());
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            QVERIFY(vindue.isVisible());
            vindue.showNormal();
        }
        TBakkeikon ikon(&vindue, [] { return true; });
        vindue.showMinimized();
        QTRY_VERIFY(!vindue.isVisible());
        emit ikon.ikon()->activated(QSystemTrayIcon::Trigger);
        QTRY_VERIFY(vindue.isVisible());
        QVERIFY(!vindue.isMinimized());
    }

    void noter()
    {
        QTemporaryDir tmp;
        const QString mappe = tmp.path() + "/Noter/";
        QVERIFY(QDir().mkpath(mappe));
        QVERIFY(tekstfil::gem(mappe + "gammel.txt", {"gammel tekst"}));
        FakeDialogs d;
        QStringList soegninger;
        QStringList visteFiler;
        TNotatside side({&d, [&](const QUrl &u) { soegninger << u.toString(QUrl::FullyEncoded); },
                         [&](const QString &fil) { visteFiler << fil; }});
        side.setMappe(mappe);
        side.show();
        QVERIFY(QTest::qWaitForWindowExposed(&side));
        side.hentNotater();
        auto *titel = barn<QLineEdit>(&side, "notatEdit");
        auto *memo = barn<QPlainTextEdit>(&side, "notatMemo");
        auto *liste = barn<QListWidget>(&side, "notatBox");
        auto *label = barn<QLabel>(&side, "notatLabel");
        QAction *gem = side.kommando("aGemNotat");
        QAction *hent = side.kommando("aHentNotat");
        QCOMPARE(label->text(), QString("Eksisterende notater: 1"));
        QVERIFY(!gem->isEnabled());
        QVERIFY(!hent->isEnabled());

        // A new note with a title that is no file name of its own.
        QTest::keyClicks(titel, "a/b ..");
        QVERIFY(side.nytNotatNavn());
        QVERIFY(gem->isEnabled());
        memo->setPlainText("linje 1\nlinje 2");
        gem->trigger();
        QVERIFY(d.spoergsmaal.isEmpty());
        QCOMPARE(tekstfil::hent(mappe + "a%2Fb ...txt"), QStringList({"linje 1", "linje 2"}));
        QCOMPARE(liste->count(), 2);
        QCOMPARE(label->text(), QString("Eksisterende notater: 1"));   // recounted only on refresh
        QVERIFY(!gem->isEnabled());
        QVERIFY(!side.nytNotatNavn());

        // Typing an existing title asks before overwriting; "Nej" keeps the old note.
        titel->clear();
        QTest::keyClicks(titel, "gammel");
        memo->setPlainText("ny tekst");
        gem->trigger();
        QCOMPARE(d.spoergsmaal, QStringList{"Filnavn:\r" + mappe + "gammel.txt\rSkal denne fil overskrives?"});
        QCOMPARE(tekstfil::hent(mappe + "gammel.txt"), QStringList{"gammel tekst"});
        QVERIFY(gem->isEnabled());
        d.svarJa();
        gem->trigger();
        QCOMPARE(tekstfil::hent(mappe + "gammel.txt"), QStringList{"ny tekst"});
        QCOMPARE(liste->count(), 2);

        // Loading and saving again without touching the title does not ask.
        d.spoergsmaal.clear();
        vaelgRaekke(liste, "a/b ..");
        QVERIFY(hent->isEnabled());
        hent->trigger();
        QCOMPARE(titel->text(), QString("a/b .."));
        QCOMPARE(memo->toPlainText(), QString("linje 1\nlinje 2"));
        QVERIFY(!gem->isEnabled());
        memo->appendPlainText("linje 3");
        gem->trigger();
        QVERIFY(d.spoergsmaal.isEmpty());
        QCOMPARE(tekstfil::hent(mappe + "a%2Fb ...txt").size(), 3);

        // Unsaved changes: loading and a new note ask first.
        memo->appendPlainText("ikke gemt");
        hent->trigger();
        QCOMPARE(d.spoergsmaal.value(0), QString("Nuværende notat er ikke gemt.\rSkal der åbnes et nyt notat alligevel?"));
        QVERIFY(memo->toPlainText().endsWith("ikke gemt"));
        side.kommando("nytNotat")->trigger();
        QCOMPARE(d.spoergsmaal.value(1),
                 QString("Nuværende notat er redigeret men ikke gemt.\rSkal der startes et nyt notat alligevel?"));
        QVERIFY(memo->toPlainText().endsWith("ikke gemt"));
        d.svarJa();
        side.kommando("nytNotat")->trigger();
        QVERIFY(titel->text().isEmpty() && memo->toPlainText().isEmpty());

        // A note that vanished.
        QVERIFY(QFile::remove(mappe + "gammel.txt"));
        vaelgRaekke(liste, "gammel");
        hent->trigger();
        QCOMPARE(d.informationer.value(0), QString("Filen blev ikke fundet.\r"));

        // The folder and the Google search of the title.
        side.kommando("visNotatmappe")->trigger();
        QCOMPARE(visteFiler, QStringList{mappe + "gammel.txt"});
        titel->setText("a&b");
        side.kommando("googleUrl2")->trigger();
        QCOMPARE(soegninger, QStringList{"https://www.google.com/search?q=a%26b"});

        // The list after a refresh.
        side.kommando("opdaterNotater")->trigger();
        QCOMPARE(label->text(), QString("Eksisterende notater: 1"));
        QVERIFY(titel->text().isEmpty());
    }

    void notatmappenVisesIDenAktiveStifinder()
    {
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        QAction *visMappe = w.notatside()->kommando("visNotatmappe");
        // No explorer window is active before the window is on screen.
        visMappe->trigger();
        QCOMPARE(d.informationer,
                 QStringList{"Der skal være en Stifinder aktiv for denne funktion.\rAktiver en Stifinder og prøv igen!"});
        d.informationer.clear();

        const QString note = w.mapper().NotatMappe + "huskeliste.txt";
        QVERIFY(tekstfil::gem(note, {"x"}));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        Twinform *stifinder = w.findChild<Twinform *>();
        QVERIFY(stifinder);
        auto *liste = barn<QListWidget>(w.notatside(), "notatBox");
        QTRY_COMPARE(liste->count(), 1);   // the notes are listed at the first show
        // The first run shows the welcome page in front of the explorer.
        w.boernevinduer()->styring()->visBarn(stifinder);
        QTRY_COMPARE(w.boernevinduer()->styring()->aktivArt(), Vinduesart::Stifinder);

        visMappe->trigger();   // nothing selected: the folder
        QCOMPARE(d.informationer, QStringList());
        QCOMPARE(stifinder->aktuelleSti(), w.mapper().NotatMappe.chopped(1));
        liste->setCurrentRow(0);
        visMappe->trigger();   // the selected note
        QCOMPARE(stifinder->motor()->filnavn(), note);
        QVERIFY(d.informationer.isEmpty());
        w.close();
    }

    void mislykketGemmeBeholderTeksten()
    {
        QTemporaryDir tmp;
        QFile blokering(tmp.path() + "/Noter");   // a file where the folder should be
        QVERIFY(blokering.open(QIODevice::WriteOnly));
        blokering.close();
        FakeDialogs d;
        TNotatside side({&d, [](const QUrl &) {}, [](const QString &) {}});
        side.setMappe(tmp.path() + "/Noter/");
        side.hentNotater();
        QCOMPARE(d.informationer, QStringList{"Der opstod en fejl i forbindelse med indlæsningen af notatfiler."});
        d.informationer.clear();
        QTest::keyClicks(barn<QLineEdit>(&side, "notatEdit"), "x");
        barn<QPlainTextEdit>(&side, "notatMemo")->setPlainText("vigtig tekst");
        side.kommando("aGemNotat")->trigger();
        QCOMPARE(d.informationer.size(), 1);
        QVERIFY(d.informationer.first().startsWith("Notatet kunne ikke gemmes i:\r" + tmp.path() + "/Noter/x.txt"));
        QCOMPARE(barn<QPlainTextEdit>(&side, "notatMemo")->toPlainText(), QString("vigtig tekst"));
        QVERIFY(side.kommando("aGemNotat")->isEnabled());
        QCOMPARE(barn<QListWidget>(&side, "notatBox")->count(), 0);
    }

    void netsoegning()
    {
        QList<QUrl> aabnet;
        QStringList beskeder;
        TNetside side({[&](const QUrl &u) { aabnet << u; },
                       [&](const QString &o, const QString &t) { beskeder << o + "|" + t; }});
        side.show();
        QVERIFY(QTest::qWaitForWindowActive(&side));
        QAction *google = side.kommando("googleUrlen");
        QAction *tube = side.kommando("tubeUrl");
        auto *checkFind = barn<QRadioButton>(&side, "CheckFind");
        auto *checkTube = barn<QRadioButton>(&side, "CheckTube");
        auto *memo = barn<QPlainTextEdit>(&side, "findMemo");
        QVERIFY(checkFind->isChecked());
        QVERIFY(!google->isEnabled() && !tube->isEnabled());
        QVERIFY(!side.kommando("aClearMemo")->isEnabled());

        // Text only in the memo while the field is chosen: the missing word is searched.
        memo->setPlainText("i boksen");
        QVERIFY(google->isEnabled());
        QVERIFY(side.kommando("aClearMemo")->isEnabled());
        google->trigger();
        QCOMPARE(QUrlQuery(aabnet.value(0)).queryItemValue("q", QUrl::FullyDecoded), QString("Der mangler et søgeord"));

        // The memo's whole text with the memo chosen, on Bing.
        QTest::mouseClick(barn<QRadioButton>(&side, "CheckMemo"), Qt::LeftButton);
        QVERIFY(!checkFind->isChecked());
        QVERIFY(memo->hasFocus());
        memo->setPlainText("to ord & mere");
        side.kommando("bingUrl")->trigger();
        QCOMPARE(aabnet.value(1).host(), QString("www.bing.com"));
        QCOMPARE(QUrlQuery(aabnet.value(1)).queryItemValue("q", QUrl::FullyDecoded), QString("to ord & mere"));
        side.kommando("aClearMemo")->trigger();
        QVERIFY(memo->toPlainText().isEmpty());

        // YouTube: its own button and field.
        QTest::mouseClick(checkTube, Qt::LeftButton);
        QVERIFY(checkTube->isChecked() && !checkFind->isChecked());
        QVERIFY(!google->isEnabled());
        QTest::mouseClick(checkTube, Qt::LeftButton);   // a second click keeps it selected
        QVERIFY(checkTube->isChecked());
        QTest::keyClicks(barn<QLineEdit>(&side, "tubeEdit"), "c++ #1 æøå");
        QVERIFY(tube->isEnabled());
        tube->trigger();
        QCOMPARE(aabnet.value(2).path(), QString("/results"));
        QCOMPARE(QUrlQuery(aabnet.value(2)).queryItemValue("search_query", QUrl::FullyDecoded), QString("c++ #1 æøå"));

        // The message centre: Enter moves on, "Send" sends, "Ny" empties.
        auto *bcEdit = barn<QLineEdit>(&side, "bcEdit");
        auto *bcTekst = barn<QLineEdit>(&side, "bcEditTekst");
        bcEdit->setFocus();
        QTest::keyClicks(bcEdit, "Hej");
        QTest::keyClick(bcEdit, Qt::Key_Return);
        QVERIFY(bcTekst->hasFocus());
        QTest::keyClicks(bcTekst, "med dig");
        QTest::keyClick(bcTekst, Qt::Key_Return);
        QVERIFY(barn<QPushButton>(&side, "bcSend")->hasFocus());
        barn<QPushButton>(&side, "bcSend")->click();
        QCOMPARE(beskeder, QStringList{"Hej|med dig"});
        barn<QPushButton>(&side, "bcNy")->click();
        QVERIFY(bcEdit->text().isEmpty() && bcTekst->text().isEmpty() && bcEdit->hasFocus());
    }
};

QTEST_MAIN(TestBeskedcenter)
#include "tst_beskedcenter.moc"
