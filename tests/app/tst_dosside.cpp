#include "app/tdosside.h"
#include "app/tegenskabsside.h"
#include "app/tmainform.h"
#include "engines/dos/tdosbibliotek.h"
#include "fakedialogs.h"
#include "platform/aabner.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

using namespace testfiler;

// The "Dos" page driven as the user drives it: typing and saving commands,
// the enable rules of its buttons, the description box, and the consoles
// started through a fake terminal that logs where it was started.
class TestDosside : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;
    QString m_rod;
    QString m_log;
    QByteArray m_gammelPath;
    QString m_editSti;
    QList<int> m_fejl;
    QList<QUrl> m_urler;

    std::unique_ptr<TDosside> nySide(FakeDialogs &d)
    {
        TDosside::Hovedvindue h;
        h.editSti = [this] { return m_editSti; };
        h.fejl = [this](int kode) { m_fejl.append(kode); };
        h.aabnUrl = [this](const QUrl &url) {
            m_urler.append(url);
            return true;
        };
        auto s = std::make_unique<TDosside>(d, h);
        s->saetMapper(m_rod + "/Dos/", m_rod + "/Egenskaber/");
        s->hent();
        return s;
    }

    static QLineEdit *dosEdit(TDosside &s) { return s.findChild<QLineEdit *>("dosEdit"); }
    static QPlainTextEdit *dosMemo(TDosside &s) { return s.findChild<QPlainTextEdit *>("dosMemo"); }
    static QPlainTextEdit *memoDos(TDosside &s) { return s.findChild<QPlainTextEdit *>("MemoDos"); }

    static void skriv(TDosside &s, const QString &kommando, const QString &beskrivelse)
    {
        dosEdit(s)->setFocus();
        QTest::keyClicks(dosEdit(s), kommando);
        QTest::keyClicks(dosMemo(s), beskrivelse);
    }

    static bool slaaet(TDosside &s, const char *navn) { return s.kommando(navn)->isEnabled(); }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hjem = std::make_unique<MidlertidigHjem>();
        m_rod = m_hjem->sti();
        m_log = m_rod + "/log.txt";
        QDir().mkpath(m_rod + "/Dos");
        QDir().mkpath(m_rod + "/Egenskaber");
        QDir().mkpath(m_rod + "/tom");
        qunsetenv("XDG_CURRENT_DESKTOP");
        m_gammelPath = qgetenv("PATH");
        // The fake terminal logs its folder and its arguments.
        skrivLogprogram(m_rod + "/bin/x-terminal-emulator", m_log, "\"$PWD\"");
        skrivLogprogram(m_rod + "/pwsh/pwsh", m_log, "pwsh");
    }

    void cleanupTestCase() { qputenv("PATH", m_gammelPath); }

    void init()
    {
        QFile::remove(m_log);
        QFile::remove(m_rod + "/Egenskaber/dosfiler.txt");
        QDir(m_rod + "/Dos").removeRecursively();
        QDir().mkpath(m_rod + "/Dos");
        m_fejl.clear();
        m_urler.clear();
        qputenv("PATH", (m_rod + "/bin:/usr/bin:/bin").toUtf8());
    }

    void gemOgKlargoerTilNy()
    {
        FakeDialogs d;
        auto s = nySide(d);
        s->show();
        QVERIFY(QTest::qWaitForWindowActive(s.get()));
        s->undersider()->setCurrentIndex(1);
        QVERIFY(!slaaet(*s, "aInsertDos"));
        QVERIFY(!slaaet(*s, "aNyDos"));
        QVERIFY(!slaaet(*s, "googleUrlDos"));
        skriv(*s, "ping -c 4 æ.dk", "Spørger fire gange");
        QVERIFY(slaaet(*s, "aInsertDos"));
        QVERIFY(slaaet(*s, "googleUrlDos"));

        s->kommando("aInsertDos")->trigger();
        QCOMPARE(s->bibliotek()->dosFiler()->antal(), 1);
        QCOMPARE(indhold(m_rod + "/Dos/ping -c 4 æ.dk.txt"), QByteArray("Spørger fire gange\r\n"));
        // Saved and unchanged: "Gem" waits for a change, "Ny" can clear.
        QVERIFY(!slaaet(*s, "aInsertDos"));
        QVERIFY(slaaet(*s, "aNyDos"));

        s->findChild<QCheckBox *>("dosCheck")->setChecked(true);
        QTest::keyClicks(dosMemo(*s), " igen");
        d.svarJa();
        s->kommando("aInsertDos")->trigger();
        QCOMPARE(d.spoergsmaal, QStringList{"Filen ping -c 4 æ.dk eksisterer allerede.\rSkal den overskrives?"});
        QCOMPARE(s->bibliotek()->dosFiler()->antal(), 1);
        QCOMPARE(dosEdit(*s)->text(), QString());
        QCOMPARE(dosMemo(*s)->toPlainText(), QString());
        QCOMPARE(dosEdit(*s)->placeholderText(), QString("Indfør ny kommando"));
        QCOMPARE(QApplication::focusWidget(), dosEdit(*s));
        QVERIFY(!slaaet(*s, "aNyDos"));
    }

    void visBeskrivelseOgRediger()
    {
        FakeDialogs d;
        auto s = nySide(d);
        QVERIFY(s->bibliotek()->gem("df -h", "Plads på drevene"));
        s->show();
        QVERIFY(QTest::qWaitForWindowExposed(s.get()));
        s->undersider()->setCurrentIndex(0);
        auto *boks = s->findChild<QListView *>("dosBoxen");
        const QRect r = boks->visualRect(boks->model()->index(0, 0));
        QCOMPARE(r.height(), qMax(19, boks->fontMetrics().height() + 2));
        QTest::mouseClick(boks->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(memoDos(*s)->toPlainText(), QString("Plads på drevene"));
        QVERIFY(slaaet(*s, "aRediger"));
        QVERIFY(slaaet(*s, "aSletDos"));
        QVERIFY(!slaaet(*s, "aDosOp"));
        QVERIFY(!slaaet(*s, "aDosNed"));

        s->kommando("aRediger")->trigger();
        QCOMPARE(s->undersider()->currentIndex(), 1);
        QCOMPARE(dosEdit(*s)->text(), QString("df -h"));
        QCOMPARE(dosMemo(*s)->toPlainText(), QString("Plads på drevene"));
        QVERIFY(!slaaet(*s, "aInsertDos"));

        s->kommando("googleUrlDos")->trigger();
        QCOMPARE(m_urler, QList<QUrl>{QUrl("https://www.google.com/search?q=df%20-h")});
    }

    void gemListeKnappen()
    {
        FakeDialogs d;
        auto s = nySide(d);
        for (const char *k : {"b", "a"})
            QVERIFY(s->bibliotek()->gem(k, "x"));
        QVERIFY(slaaet(*s, "aGemDosListe"));   // enabled at start
        s->kommando("aGemDosListe")->trigger();
        QVERIFY(!slaaet(*s, "aGemDosListe"));
        s->kommando("aSorter")->trigger();
        QVERIFY(slaaet(*s, "aGemDosListe"));
        s->kommando("aGemDosListe")->trigger();
        QVERIFY(!slaaet(*s, "aGemDosListe"));
        s->kommando("aSorter")->trigger();   // already sorted: stays as it was
        QVERIFY(!slaaet(*s, "aGemDosListe"));
        QCOMPARE(d.informationer.size(), 1);
        s->bibliotek()->dosFiler()->vaelgLinje(0);
        s->opdaterKommandoer();
        s->kommando("aDosNed")->trigger();
        QVERIFY(slaaet(*s, "aGemDosListe"));
        QVERIFY(slaaet(*s, "aDosOp"));
        QVERIFY(!slaaet(*s, "aDosNed"));
    }

    void konsolMappe_data()
    {
        QTest::addColumn<QString>("editSti");
        QTest::addColumn<QString>("mappe");
        QTest::newRow("a file") << "<rod>/Dos/a b.txt" << "<rod>/Dos";
        QTest::newRow("a folder") << "<rod>/tom" << "<rod>/tom";
        QTest::newRow("empty") << "" << "<rod>";   // the home folder
    }

    void konsolMappe()
    {
        QFETCH(QString, editSti);
        QFETCH(QString, mappe);
        skrivFil(m_rod + "/Dos/a b.txt", "x");
        m_editSti = QString(editSti).replace("<rod>", m_rod);
        FakeDialogs d;
        auto s = nySide(d);
        s->kommando("aKonsol")->trigger();
        QTRY_COMPARE(tekstlinjer(m_log), QStringList{"[" + QString(mappe).replace("<rod>", m_rod) + "]"});
        QCOMPARE(m_fejl, QList<int>());
    }

    void powerShellEllerSkal()
    {
        FakeDialogs d;
        auto s = nySide(d);
        s->kommando("aPowerShell")->trigger();
        QTRY_COMPARE(tekstlinjer(m_log), QStringList{"[" + m_rod + "]"});
        QFile::remove(m_log);
        qputenv("PATH", (m_rod + "/bin:" + m_rod + "/pwsh:/usr/bin:/bin").toUtf8());
        s->kommando("aPowerShell")->trigger();
        QTRY_COMPARE(tekstlinjer(m_log), QStringList{"[" + m_rod + "][-e][" + m_rod + "/pwsh/pwsh]"});
    }

    void ingenTerminal()
    {
        qputenv("PATH", (m_rod + "/tom").toUtf8());
        FakeDialogs d;
        auto s = nySide(d);
        s->kommando("aKonsol")->trigger();
        s->kommando("aPowerShell")->trigger();
        QCOMPARE(m_fejl, (QList<int>{aabner::IngenTerminal, aabner::IngenTerminal}));
    }

    void koerkassen()
    {
        FakeDialogs d;
        auto s = nySide(d);
        s->kommando("aGoBoks")->trigger();
        QCOMPARE(d.informationer, QStringList{"Tryk Alt+F2 for at åbne kør-kassen."});
    }

    // The page in the main window: the third sub-page of the functions page,
    // with the shipped commands; "Udfør" on the settings page is in use.
    void iHovedvinduet()
    {
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *bog = w.findChild<QTabWidget *>("funktionsBog");
        QCOMPARE(bog->tabText(2), QString("Dos"));
        QCOMPARE(bog->widget(2), w.dosside());
        TReopenFilerY *liste = w.dosside()->bibliotek()->dosFiler();
        QVERIFY(liste->antal() >= 10);
        for (int i = 0; i < liste->antal(); ++i)
            QVERIFY2(liste->findes(i), qPrintable(liste->GetFilnavn(i)));
        QVERIFY(w.egenskabsside()->findChild<QToolButton *>("startUpKnap")->isEnabled());
    }
};

QTEST_MAIN(TestDosside)
#include "tst_dosside.moc"
