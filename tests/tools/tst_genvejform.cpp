#include "app/tboernevinduer.h"
#include "app/tegenskabsside.h"
#include "app/tmainform.h"
#include "app/tstistrimmel.h"
#include "engines/genveje/tgenvejsmager.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "shell/tvinduesstyring.h"
#include "testfiler.h"
#include "testmiljoe.h"
#include "tools/tgenvejform.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

using namespace testfiler;

// The shortcut maker: its two ways of running, its settings file, the
// enable rules that follow the current element, the fixed placement and its
// list, and a shortcut made from start to end.
class TestGenvejform : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;
    QString m_rod;
    QString m_opt;
    QString m_fast;
    QString m_placeringsMappe;
    QString m_editSti;
    QStringList m_viste;
    QStringList m_aktiveret;
    QStringList m_koert;

    std::unique_ptr<Tgenvejform> nytVindue(FakeDialogs &d, bool inde)
    {
        Tgenvejform::Hovedvindue h;
        h.editSti = [this] { return m_editSti; };
        h.PlaceringsMappe = &m_placeringsMappe;
        h.visKalMappe = [this](const QString &m) { m_viste << m; };
        h.aktiverWinform = [this](const QString &m) { m_aktiveret << m; };
        h.runFilname = [this](const QString &f) { m_koert << f; };
        h.scriptDir = QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/scripts/");
        h.programfil = m_rod + "/marvikel";
        return std::make_unique<Tgenvejform>(d, inde, m_opt, h);
    }

    static bool slaaet(Tgenvejform &g, const char *navn) { return g.kommando(navn)->isEnabled(); }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hjem = std::make_unique<MidlertidigHjem>();
        m_rod = m_hjem->sti();
        m_opt = m_rod + "/Egenskaber/";
        m_fast = m_rod + "/Genveje";
        skrivFil(m_rod + "/marvikel", "#!/bin/sh\n", true);
    }

    void init()
    {
        QDir(m_opt).removeRecursively();
        QDir(m_fast).removeRecursively();
        QDir().mkpath(m_opt);
        QDir().mkpath(m_fast);
        m_placeringsMappe = m_fast;
        m_editSti.clear();
        m_viste.clear();
        m_aktiveret.clear();
        m_koert.clear();
    }

    void eksterntVindue()
    {
        FakeDialogs d;
        auto g = nytVindue(d, false);
        QCOMPARE(g->size(), QSize(570, 620));
        QCOMPARE(g->minimumSize(), g->maximumSize());
        QVERIFY(g->findChild<QFrame *>("sidepanel")->isHidden());
        QVERIFY(!g->findChild<QToolButton *>("infoKnap")->isHidden());
        QCOMPARE(g->windowTitle(), QString("Genveje"));
        QCOMPARE(g->fastPlaceringFelt()->text(), m_fast);
        QCOMPARE(g->placeringFelt()->text(), m_fast);
        g->show();
        QVERIFY(QTest::qWaitForWindowExposed(g.get()));
        g->close();
        const QStringList linjer = tekstfil::hent(m_opt + "Genveje.txt");
        QCOMPARE(linjer.size(), 3);
        QCOMPARE(linjer.at(2), QString("0"));
    }

    void interntVindueHenterVedOpstart()
    {
        tekstfil::gem(m_opt + "Genveje.txt", {"5", "6", "1"});
        skrivFil(m_fast + "/a.b.desktop", "x");
        skrivFil(m_fast + "/notes.desktop.txt", "x");
        FakeDialogs d;
        auto g = nytVindue(d, true);
        QVERIFY(!g->findChild<QFrame *>("sidepanel")->isHidden());
        QVERIFY(g->findChild<QToolButton *>("infoKnap")->isHidden());
        QVERIFY(g->loadCheck()->isChecked());
        g->FormActivate();
        QCOMPARE(g->genvejsliste()->count(), 1);
        QCOMPARE(g->genvejsliste()->item(0)->text(), QString("a.b"));

        // Space runs the selected shortcut, the file with its extension.
        g->genvejsliste()->setCurrentRow(0);
        QVERIFY(slaaet(*g, "aKoer"));
        QTest::keyClick(g->genvejsliste(), Qt::Key_Space);
        QCOMPARE(m_koert, QStringList{m_fast + "/a.b.desktop"});

        g->loadCheck()->setChecked(false);
        g->close();
        QCOMPARE(tekstfil::hent(m_opt + "Genveje.txt"), (QStringList{"5", "6", "0"}));
    }

    void hentUdenGenveje()
    {
        FakeDialogs d;
        auto g = nytVindue(d, true);
        g->kommando("aHent")->trigger();
        QCOMPARE(d.informationer,
                 QStringList{"Der blev ikke fundet nogen genveje i mappen til \"Fast placering\"."});
        g->kommando("aVis")->trigger();
        QCOMPARE(m_viste, QStringList{m_fast});
    }

    void reglerFoelgerAktuelleElement_data()
    {
        QTest::addColumn<QString>("editSti");
        QTest::addColumn<bool>("mappe");
        QTest::addColumn<bool>("fil");
        QTest::addColumn<QString>("placering");   // after "Indfør placering"
        QTest::newRow("a folder") << "<rod>/Genveje" << true << false << "<rod>/Genveje";
        QTest::newRow("a file") << "<rod>/marvikel" << false << true << "<rod>";
        QTest::newRow("nothing there") << "<rod>/ingen" << false << false << "<uændret>";
    }

    void reglerFoelgerAktuelleElement()
    {
        QFETCH(QString, editSti);
        QFETCH(bool, mappe);
        QFETCH(bool, fil);
        QFETCH(QString, placering);
        FakeDialogs d;
        auto g = nytVindue(d, true);
        g->placeringFelt()->setText("<uændret>");
        m_editSti = QString(editSti).replace("<rod>", m_rod);
        g->opdaterKommandoer();
        QCOMPARE(slaaet(*g, "aIndfoerMappe"), mappe);
        QCOMPARE(slaaet(*g, "aIndfoerFast"), mappe);
        QCOMPARE(slaaet(*g, "aIndfoerProgram"), fil);
        QVERIFY(slaaet(*g, "aIndfoerPlacering"));
        g->kommando("aIndfoerPlacering")->trigger();
        QCOMPARE(g->placeringFelt()->text(), QString(placering).replace("<rod>", m_rod));
    }

    void fastPlaceringGemmes()
    {
        FakeDialogs d;
        auto g = nytVindue(d, true);
        QVERIFY(!slaaet(*g, "aGemFast"));   // the same folder
        QDir().mkpath(m_rod + "/Andre");
        m_editSti = m_rod + "/Andre";
        g->opdaterKommandoer();
        g->kommando("aIndfoerFast")->trigger();
        QCOMPARE(g->fastPlaceringFelt()->text(), m_editSti);
        QCOMPARE(g->placeringFelt()->text(), m_editSti);
        QVERIFY(slaaet(*g, "aGemFast"));
        g->placeringFelt()->clear();
        g->kommando("aGemFast")->trigger();
        QCOMPARE(m_placeringsMappe, m_editSti);
        QCOMPARE(g->placeringFelt()->text(), m_editSti);
        QVERIFY(!slaaet(*g, "aGemFast"));
        g->fastPlaceringFelt()->setText(m_rod + "/ingen");
        QVERIFY(!slaaet(*g, "aGemFast"));
        QVERIFY(!slaaet(*g, "aHent"));
        QVERIFY(!slaaet(*g, "aVis"));
    }

    void opretGenvejMedEnter()
    {
        FakeDialogs d;
        auto g = nytVindue(d, true);
        g->mager()->venter()->setInterval(20);
        g->mager()->venter()->setMaksTik(500);
        g->genvejsliste()->addItem("gammel");   // a loaded list is refreshed
        g->udfyld(m_rod + "/Egenskaber", m_fast, QString::fromUtf8("Indstillinger æ"));
        QVERIFY(slaaet(*g, "aOpretGenvej"));
        QSignalSpy lavet(g->mager(), &TGenvejsmager::genvejLavet);
        QTest::keyClick(g->navnFelt(), Qt::Key_Return);
        QVERIFY2(lavet.wait(10000), qPrintable(d.informationer.join(" | ")));
        QCOMPARE(d.informationer, QStringList{QString::fromUtf8("Genvejen er lavet:\rIndstillinger æ.desktop")});
        QCOMPARE(g->maalFelt()->text(), QString());
        QCOMPARE(g->navnFelt()->text(), QString());
        QCOMPARE(g->placeringFelt()->text(), m_fast);
        QCOMPARE(m_aktiveret, QStringList{m_fast});
        QCOMPARE(g->genvejsliste()->count(), 1);
        QCOMPARE(g->genvejsliste()->item(0)->text(), QString::fromUtf8("Indstillinger æ"));
        QVERIFY(!slaaet(*g, "aOpretGenvej"));
    }

    // In the main window: "Opret" fills the maker from the current element,
    // "Genveje" needs a current element, and "Udfør" on the settings page
    // registers the program at start-up and removes it again.
    void iHovedvinduet()
    {
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_VERIFY(!w.boernevinduer()->stifindere().isEmpty());
        // The welcome page comes first; "Opret" works from an explorer.
        w.kommando("aVisStifinder")->trigger();
        QTRY_COMPARE(w.boernevinduer()->styring()->aktivArt(), Vinduesart::Stifinder);
        const QString mappe = hjem.sti() + "/Skrivebord æ";
        QDir().mkpath(mappe);
        w.stistrimmel()->setSti(mappe);
        w.opdaterKommandoer();
        QVERIFY(w.kommando("opretGenveje")->isEnabled());
        QVERIFY(w.kommando("aInsertGenvej")->isEnabled());
        w.kommando("aInsertGenvej")->trigger();
        auto *g = qobject_cast<Tgenvejform *>(w.boernevinduer()->styring()->vaerktoej(Vinduesart::Genveje));
        QVERIFY(g);
        QVERIFY(g->showInternt());
        QCOMPARE(g->maalFelt()->text(), mappe);
        QCOMPARE(g->navnFelt()->text(), QString::fromUtf8("Skrivebord æ"));
        QCOMPARE(g->placeringFelt()->text(), w.PlaceringsMappe);
        w.stistrimmel()->setSti(QString());
        w.opdaterKommandoer();
        QVERIFY(!w.kommando("opretGenveje")->isEnabled());

        const QString entry = hjem.sti() + "/.config/autostart/Marvikel.desktop";
        auto *udfoer = w.egenskabsside()->findChild<QToolButton *>("startUpKnap");
        d.informationer.clear();
        udfoer->click();
        QCOMPARE(d.informationer.value(0), QString("Det kan tage lidt tid.\rTryk OK-Knappen for at starte funktionen.\r"
                                                   "Der bringes en information, når funktionen er gennemført."));
        QTRY_COMPARE(d.informationer.value(1), QString("Programmet er indført som StartUp-program."));
        QVERIFY(indhold(entry).contains(QCoreApplication::applicationFilePath().toUtf8()));
        udfoer->click();
        QTRY_COMPARE(d.informationer.value(3), QString("Programmet blev fjernet som StartUp-program."));
        QVERIFY(!QFileInfo::exists(entry));
    }
};

QTEST_MAIN(TestGenvejform)
#include "tst_genvejform.moc"
