#include "app/mainegenskaber.h"
#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "engines/tstrukturcompo.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "shell/thjaelp.h"
#include "shell/tinfoform.h"
#include "shell/tprogramfunktioner.h"
#include "shell/tvinduesstyring.h"
#include "testmiljoe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

// The frame with its child windows, driven through its commands in a
// temporary home folder.
class TestRammevinduer : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;

    static QStringList faner(const Tmainform &w)
    {
        const QTabBar *tc = w.findChild<QTabBar *>("tc");
        QStringList t;
        for (int i = 0; i < tc->count(); ++i)
            t.append(tc->tabText(i));
        return t;
    }

    static void start(Tmainform &w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init() { m_hjem = std::make_unique<MidlertidigHjem>(); }
    void cleanup() { m_hjem.reset(); }

    void foersteStartAabnerStifinderOgVelkomst()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        // The explorer window's copy lists have their window, and its tab,
        // from the start.
        QCOMPARE(faner(w), (QStringList{"Klipbord", "Stifinder 1", "Information"}));
        Tinfoform *browser = w.boernevinduer()->hjaelp()->browser();
        QVERIFY(browser);
        QCOMPARE(browser->edit()->text(), QString("Velkommen.html"));
        QVERIFY(d.forloeb.isEmpty());
    }

    void f1UdenBoernOgNummerering()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        TVinduesstyring *s = w.boernevinduer()->styring();
        w.boernevinduer()->lukBoernevinduer();
        QTRY_VERIFY(s->boern().isEmpty());
        QCOMPARE(s->NewCount, 0);

        w.kommando("aInfo")->trigger();
        Tinfoform *browser = w.boernevinduer()->hjaelp()->browser();
        QVERIFY(browser);
        QCOMPARE(browser->edit()->text(), QString("qenStifinder.html"));
        w.kommando("aInfo2")->trigger();   // the same single browser
        QCOMPARE(w.boernevinduer()->hjaelp()->browser(), browser);
        QCOMPARE(faner(w), QStringList{"Information"});

        for (int i = 0; i < 3; ++i)
            w.kommando("aStifinder")->trigger();
        QCOMPARE(faner(w), (QStringList{"Klipbord", "Information", "Stifinder 1", "Stifinder 2", "Stifinder 3"}));
        w.opdaterKommandoer();
        // With an explorer active, "luk alle" stays off; from the help browser it works.
        QVERIFY(!w.kommando("CloseAlleElementer")->isEnabled());
        QVERIFY(!w.kommando("aVisStifinder")->isEnabled());
        emit w.findChild<QTabBar *>("tc")->tabBarClicked(1);
        QCOMPARE(s->aktivArt(), Vinduesart::Information);
        w.opdaterKommandoer();
        w.kommando("CloseAlleElementer")->trigger();
        QTRY_COMPARE(faner(w), (QStringList{"Klipbord", "Stifinder 1", "Stifinder 2", "Stifinder 3"}));
    }

    void f1IStifinderViserStrukturensSide()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        TBoernevinduer *b = w.boernevinduer();
        Twinform *v = b->stifindere().value(0);
        QVERIFY(v);
        const struct { Trae trae; const char *side; } tilfaelde[] = {{Trae::Mappe, "Mappestrukturen.html"},
                                                                 {Trae::Fil, "Filstrukturen.html"}};
        for (const auto &t : tilfaelde) {
            b->styring()->visBarn(v);
            v->motor()->setAktiveStruktur(t.trae);
            w.kommando("aInfo")->trigger();
            QCOMPARE(b->hjaelp()->browser()->edit()->text(), QString(t.side));
        }
    }

    void hjaelpUdenforRammen()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        TBoernevinduer *b = w.boernevinduer();
        // The welcome page opened the browser inside; its choice is locked.
        QVERIFY(b->aabningsvalg()->erLaast(Vinduesart::Information));
        b->hjaelp()->browser()->close();
        QTRY_VERIFY(!b->aabningsvalg()->erLaast(Vinduesart::Information));

        b->aabningsvalg()->saetIndex(Vinduesart::Information, 1);
        b->InfoHelp("Klip.html");
        Tinfoform *browser = b->hjaelp()->browser();
        QVERIFY(browser && browser->isWindow());
        QVERIFY(!faner(w).contains("Information"));
        QVERIFY(browser->browser()->source().toLocalFile().endsWith("Klip.html"));
        browser->close();
        QCOMPARE(tekstfil::hent(w.mapper().OptMappe + "Information.txt").size(), 3);

        QVERIFY(w.GemOpt());
        QCOMPARE(tekstfil::hent(w.mapper().optFilnavn).value(11), QString("1"));
    }

    // The frame applies the hint rule to its tool windows: the help browser
    // shows pop-up hints only while a function runs and "Vis hints" is on.
    void hintreglenGaelderVaerktoejsvinduer()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        Tinfoform *browser = w.boernevinduer()->hjaelp()->browser();
        QVERIFY(browser);
        QToolButton *knap = nullptr;
        for (QToolButton *b : browser->findChildren<QToolButton *>())
            if (!knap && b->isVisible() && !b->toolTip().isEmpty())
                knap = b;
        QVERIFY(knap);
        auto hintVises = [knap] {
            // A shown hint fades out before the next is asked for.
            QToolTip::hideText();
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
                return true;
            const QPoint p = knap->rect().center();
            QHelpEvent e(QEvent::ToolTip, p, knap->mapToGlobal(p));
            QApplication::sendEvent(knap, &e);
            return QToolTip::isVisible();
        };
        QVERIFY(!hintVises());
        w.processCount = 1;
        QVERIFY(!hintVises());
        w.findChild<QCheckBox *>("vhaFunkCheck")->setChecked(true);
        QVERIFY(hintVises());
        w.processCount = 0;
        QVERIFY(!hintVises());
        QToolTip::hideText();
    }

    void programmenuensIndhold()
    {
        FakeDialogs d;
        Tmainform w(&d);
        QMenu *menu = w.boernevinduer()->programmenu();
        QStringList tekster;
        for (QAction *a : menu->actions())
            tekster.append(a->isSeparator() ? QString("-") : a->text());
        QCOMPARE(tekster, (QStringList{"Stifinder", "-", "Information", "Genveje", "Indfør", "Opret", "Søg",
                                       "Billeder", "-", "Kalender", "WMI", "Applets", "-", "Programmer"}));
        QVERIFY(w.kommando("programmerAction")->isEnabled());
    }
};

QTEST_MAIN(TestRammevinduer)
#include "tst_rammevinduer.moc"
