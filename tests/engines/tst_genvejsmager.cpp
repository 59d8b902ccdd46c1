#include "engines/genveje/genvejsliste.h"
#include "engines/genveje/tgenvejsmager.h"
#include "engines/genveje/topstartsprogram.h"
#include "fakedialogs.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace testfiler;

// Shortcuts made by the shipped scripts and waited for tick by tick, the
// list of a placement folder, and start-up registration in a temporary
// autostart folder. Waits that must run out are driven tick by tick by the
// test; waits for a real script run on a short interval.
class TestGenvejsmager : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;
    QString m_rod;
    QString m_placering;
    QString m_program;

    static QString scriptDir() { return QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/scripts/"); }

    static void tik(TFilventer *v, int antal)
    {
        for (int i = 0; i < antal; ++i)
            v->tik();
    }

    static bool gyldig(const QString &fil)
    {
        QProcess p;
        p.start("desktop-file-validate", {fil});
        return p.waitForFinished(10000) && p.exitCode() == 0 && p.readAll().isEmpty();
    }

    static const QString &timeout()
    {
        static const QString t = QStringLiteral("Der er sandsynligvist opstået en fejl.\r"
                                                "Genvejen kan muligvist ikke oprettes på valgte sted.");
        return t;
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hjem = std::make_unique<MidlertidigHjem>();
        m_rod = m_hjem->sti();
        m_program = skrivFil(m_rod + "/bin/marvikel", "#!/bin/sh\n", true);
    }

    void init()
    {
        m_placering = m_rod + QString::fromUtf8("/Links æ");
        QDir(m_placering).removeRecursively();
        QDir(m_rod + "/.config/autostart").removeRecursively();
        QVERIFY(QDir().mkpath(m_placering));
    }

    // ------------------------------------------------------- the shortcut maker

    void genvejTilMappeOgFil_data()
    {
        QTest::addColumn<QString>("maal");
        QTest::addColumn<QString>("navn");
        QTest::newRow("a folder") << "/mappe" << QString::fromUtf8("Min mappe æ");
        QTest::newRow("a file") << "/mappe/brev 100%.txt" << "Notesblok";
    }

    void genvejTilMappeOgFil()
    {
        QFETCH(QString, maal);
        QFETCH(QString, navn);
        QDir().mkpath(m_rod + "/mappe");
        skrivFil(m_rod + "/mappe/brev 100%.txt", "x");
        FakeDialogs d;
        TGenvejsmager m(d, scriptDir(), m_program);
        m.venter()->setInterval(20);
        m.venter()->setMaksTik(500);
        QSignalSpy lavet(&m, &TGenvejsmager::genvejLavet);
        QVERIFY(m.makeGenvej(m_rod + maal, m_placering, navn));
        QVERIFY2(lavet.wait(10000), qPrintable(d.informationer.join(" | ")));
        const QString fil = m_placering + "/" + navn + ".desktop";
        QCOMPARE(lavet.first().at(0).toString(), fil);
        QCOMPARE(lavet.first().at(1).toString(), m_placering);
        QCOMPARE(d.informationer, QStringList{"Genvejen er lavet:\r" + navn + ".desktop"});
        QVERIFY(gyldig(fil));
        QCOMPARE(genvejsliste::hent(m_placering), QStringList{navn});
    }

    void maaletFindesIkke()
    {
        FakeDialogs d;
        TGenvejsmager m(d, scriptDir(), m_program);
        QVERIFY(!m.makeGenvej(m_rod + "/ingen", m_placering, "x"));
        QCOMPARE(d.informationer, QStringList{"Genvejens mål blev ikke fundet."});
        QVERIFY(!m.venter()->venter());
    }

    void navnDerIkkeKanVaereEtFilnavn()
    {
        FakeDialogs d;
        TGenvejsmager m(d, scriptDir(), m_program);
        QVERIFY(!m.makeGenvej(m_program, m_placering, "a/b"));
        QVERIFY(!m.makeGenvej(m_program, m_placering, QString(250, 'x')));
        QCOMPARE(d.informationer.size(), 2);
        QVERIFY(d.informationer.at(0).contains("\"/\""));
        QVERIFY(d.informationer.at(1).startsWith("Navnet på genvejen er for langt."));
        QCOMPARE(navne(m_placering), QStringList());
    }

    void ventetidenLoeberUd_data()
    {
        QTest::addColumn<bool>("placeringFindes");
        QTest::addColumn<bool>("scriptFindes");
        QTest::addColumn<QStringList>("foerst");   // told at once
        QTest::newRow("placement not a folder: no script") << false << true << QStringList();
        QTest::newRow("script missing")
            << true << false << QStringList{"Der synes at mangle en fil til skabelse af en genvej."};
    }

    void ventetidenLoeberUd()
    {
        QFETCH(bool, placeringFindes);
        QFETCH(bool, scriptFindes);
        QFETCH(QStringList, foerst);
        FakeDialogs d;
        TGenvejsmager m(d, scriptFindes ? scriptDir() : m_rod + "/ingen-scripts", m_program);
        m.venter()->setInterval(3600 * 1000);
        QVERIFY(m.makeGenvej(m_program, placeringFindes ? m_placering : m_rod + "/ingen", "x"));
        QCOMPARE(d.informationer, foerst);
        tik(m.venter(), 9);
        QCOMPARE(d.informationer, foerst);
        tik(m.venter(), 1);
        QCOMPARE(d.informationer, foerst + QStringList{timeout()});
        QVERIFY(!m.venter()->venter());
        QCOMPARE(navne(m_placering), QStringList());
    }

    void gammelGenvejTaellerIkkeSomNy()
    {
        // A script that writes nothing: the shortcut of that name already
        // there is not taken for its work.
        const QString scripts = m_rod + "/tavse-scripts/";
        skrivFil(scripts + "createShortcut.sh", "exit 0\n");
        skrivFil(m_placering + "/x.desktop", "gammel");
        FakeDialogs d;
        TGenvejsmager m(d, scripts, m_program);
        m.venter()->setInterval(3600 * 1000);
        QVERIFY(m.makeGenvej(m_program, m_placering, "x"));
        tik(m.venter(), 10);
        QCOMPARE(d.informationer, QStringList{timeout()});
    }

    void listenAfFastPlacering()
    {
        for (const char *navn : {"a.b.desktop", "notes.desktop.txt", ".skjult.desktop", "b.desktop", "c.DESKTOP"})
            skrivFil(m_placering + "/" + navn, "x");
        QDir().mkpath(m_placering + "/mappe.desktop");
        QStringList navne = genvejsliste::hent(m_placering);
        navne.sort();
        QCOMPARE(navne, (QStringList{".skjult", "a.b", "b"}));
        QCOMPARE(genvejsliste::fil(m_placering, "a.b"), m_placering + "/a.b.desktop");
        QCOMPARE(genvejsliste::hent(m_rod + "/ingen"), QStringList());
    }

    // ------------------------------------------------------ start-up registration

    void opstartsprogramSlaasTilOgFra()
    {
        const QString autostart = m_rod + "/.config/autostart";
        QCOMPARE(TOpstartsprogram::autostartMappe(), autostart);
        FakeDialogs d;
        TOpstartsprogram o(d, scriptDir());
        o.venter()->setInterval(20);
        o.venter()->setMaksTik(500);
        QSignalSpy vis(&o, &TOpstartsprogram::visMappe);

        o.makeOpstartProg(m_program, m_placering);
        QCOMPARE(o.SPtimerFilename(), m_placering + "/Marvikel.desktop");
        QVERIFY2(vis.wait(10000), qPrintable(d.informationer.join(" | ")));
        QCOMPARE(d.informationer, QStringList{"Programmet er indført som StartUp-program."});
        QCOMPARE(vis.first().first().toString(), autostart);
        const QString entry = autostart + "/Marvikel.desktop";
        QVERIFY(gyldig(entry));
        QVERIFY(indhold(entry).contains("Exec=\"" + m_program.toUtf8() + "\"\n"));

        o.makeOpstartProg(m_program, m_placering);
        QVERIFY2(vis.wait(10000), qPrintable(d.informationer.join(" | ")));
        QCOMPARE(d.informationer.last(), QString("Programmet blev fjernet som StartUp-program."));
        QCOMPARE(navne(autostart), QStringList());
        // The entry in the placement folder stays.
        QCOMPARE(navne(m_placering), QStringList{"Marvikel.desktop"});
    }

    void opstartUdenPlacering()
    {
        FakeDialogs d;
        TOpstartsprogram o(d, scriptDir());
        o.venter()->setInterval(3600 * 1000);
        o.makeOpstartProg(m_program, m_rod + "/ingen");
        QCOMPARE(o.SPtimerFilename(), QString());
        tik(o.venter(), 9);
        QCOMPARE(d.informationer, QStringList());
        tik(o.venter(), 1);
        QCOMPARE(d.informationer, QStringList{"Det lykkedes ikke at indføre programmet som startprogram."});
        QVERIFY(!QFileInfo::exists(m_rod + "/.config/autostart/Marvikel.desktop"));
    }

    void opstartUdenScriptBrugerGammelGenvej()
    {
        skrivFil(m_placering + "/Marvikel.desktop", "[Desktop Entry]\n");
        FakeDialogs d;
        TOpstartsprogram o(d, m_rod + "/ingen-scripts");
        o.venter()->setInterval(3600 * 1000);
        o.makeOpstartProg(m_program, m_placering);
        tik(o.venter(), 1);
        QCOMPARE(d.informationer, (QStringList{"Der synes at mangle en fil til skabelse af en genvej.",
                                               "Programmet er indført som StartUp-program."}));
        QVERIFY(QFileInfo::exists(m_rod + "/.config/autostart/Marvikel.desktop"));
    }

    void opstartUdenProgramfil()
    {
        FakeDialogs d;
        TOpstartsprogram o(d, scriptDir());
        o.makeOpstartProg(m_rod + "/bin/ingen", m_placering);
        QCOMPARE(d.informationer, QStringList{"Genvejens mål blev ikke fundet."});
        QVERIFY(!o.venter()->venter());
    }
};

QTEST_GUILESS_MAIN(TestGenvejsmager)
#include "tst_genvejsmager.moc"
