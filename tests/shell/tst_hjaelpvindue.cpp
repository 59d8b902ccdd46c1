#include "core/datamapper.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "shell/thjaelp.h"
#include "shell/thjaelpside.h"
#include "shell/tinfoform.h"
#include "shell/turlform1.h"
#include "testmiljoe.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

// A small help folder: three pages, a contents tree over them.
class HjaelpFixture
{
public:
    HjaelpFixture()
    {
        QDir(m_dir.path()).mkpath("Program/Stifinder/tekstfiler");
        QDir(m_dir.path()).mkpath("Egenskaber");
        mapper.strukturDir = m_dir.path() + "/Program/Stifinder";
        mapper.infoDir = mapper.strukturDir + "/tekstfiler/";
        mapper.OptMappe = m_dir.path() + "/Egenskaber/";
        side("Velkommen", "Velkommen til programmet.");
        side("Klip", "Klip flytter elementer.");
        side("Klipbordet", "Klipbordet samler elementer.");
        tekstfil::gem(mapper.strukturDir + "/struktur.txt", {"velkommen", "Funktioner", "\tKlip", "\tKlipbordet"});
        tekstfil::gem(mapper.strukturDir + "/data.txt", {"1Velkommen", "0Funktioner", "2Klip", "2Klipbordet"});
    }
    void side(const QString &navn, const QString &tekst)
    {
        tekstfil::gem(mapper.infoDir + navn + ".html",
                      {"<html><head><title>" + navn + "</title></head><body><p>" + tekst + "</p></body></html>"});
    }
    DataMapper mapper;

private:
    QTemporaryDir m_dir;
};

class TestHjaelpvindue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void infoHelpViserSidenOgRegistrererDen()
    {
        HjaelpFixture fx;
        THjaelp hjaelp(fx.mapper);
        hjaelp.HentStruktur();
        FakeDialogs dialogs;
        THjaelpside side(hjaelp, dialogs);
        side.visStruktur();
        QPointer<Tinfoform> browser;
        hjaelp.visBrowser = [&] {
            if (!browser)
                browser = new Tinfoform(hjaelp, true, {}, {});
            return browser.data();
        };

        hjaelp.InfoHelp("Velkommen.html");
        QVERIFY(browser);
        QVERIFY(browser->browser()->toPlainText().contains("Velkommen til programmet."));
        QCOMPARE(browser->edit()->text(), QString("Velkommen.html"));
        // The node "velkommen" is found regardless of letter case.
        QCOMPARE(side.struktur()->currentItem()->text(0), QString("velkommen"));
        QCOMPARE(hjaelp.historik().emner(), QStringList{"velkommen"});

        hjaelp.InfoHelp("Klip.html");
        QCOMPARE(hjaelp.historik().emner(), (QStringList{"velkommen", "Klip"}));
        QVERIFY(browser->kommando("Aback")->isEnabled());
        QVERIFY(!browser->kommando("Aforward")->isEnabled());

        browser->kommando("Aback")->trigger();
        QVERIFY(browser->browser()->toPlainText().contains("Velkommen til programmet."));
        QCOMPARE(hjaelp.historik().aktuelIndex(), 0);
        QVERIFY(!browser->kommando("Aback")->isEnabled());
        QVERIFY(browser->kommando("Aforward")->isEnabled());

        // A missing page changes nothing and says nothing.
        hjaelp.InfoHelp("Findes ikke.html");
        QVERIFY(browser->browser()->toPlainText().contains("Velkommen til programmet."));
        QVERIFY(dialogs.forloeb.isEmpty());

        // A contents page made after help was opened shows where the user is.
        hjaelp.InfoHelp("Klipbordet.html");
        THjaelpside senere(hjaelp, dialogs);
        senere.visStruktur();
        QVERIFY(senere.struktur()->currentItem());
        QCOMPARE(senere.struktur()->currentItem()->text(0), QString("Klipbordet"));
        delete browser;
    }

    void emneknapperOgListenFlytterMed()
    {
        HjaelpFixture fx;
        THjaelp hjaelp(fx.mapper);
        auto *browser = new Tinfoform(hjaelp, true, {}, {});
        // Inside the frame the history list is lent to the browser's side panel.
        QVERIFY(browser->isAncestorOf(hjaelp.urlform()->urlListe()));
        hjaelp.fyldEmner(THjaelp::emneKlipbordet());
        QCOMPARE(hjaelp.urlform()->urlListe()->count(), 2);
        browser->close();   // deletes itself
        QVERIFY(hjaelp.urlform()->isAncestorOf(hjaelp.urlform()->urlListe()));
    }

    void udenforRammenHuskesPositionen()
    {
        HjaelpFixture fx;
        THjaelp hjaelp(fx.mapper);
        const QString fil = fx.mapper.OptMappe + "Information.txt";
        auto *browser = new Tinfoform(hjaelp, false, fil, {});
        QCOMPARE(browser->pos(), QPoint(20, 40));
        QCOMPARE(browser->size(), QSize(650, 576));
        // Topic buttons need the history window while the browser is outside.
        QVERIFY(browser->kommando("aVisUrlliste")->isEnabled());
        browser->move(100, 120);
        browser->close();
        QCOMPARE(tekstfil::hent(fil), (QStringList{"100", "120", "576"}));

        tekstfil::gem(fil, {"x", "1"});   // damaged: the defaults
        browser = new Tinfoform(hjaelp, false, fil, {});
        QCOMPARE(browser->pos(), QPoint(20, 40));
        delete browser;
    }

    void soegningPaaSiden()
    {
        HjaelpFixture fx;
        THjaelp hjaelp(fx.mapper);
        FakeDialogs dialogs;
        THjaelpside side(hjaelp, dialogs);
        side.soeg();
        QCOMPARE(dialogs.informationer, QStringList{"Der mangler en søgetekst."});
        side.soegefelt()->setText("klip");
        QTest::keyClick(side.soegefelt(), Qt::Key_Return);
        QCOMPARE(side.resultater()->count(), 1);
        QCOMPARE(side.resultater()->item(0)->text(), QString("Klip"));
    }
};

QTEST_MAIN(TestHjaelpvindue)
#include "tst_hjaelpvindue.moc"
