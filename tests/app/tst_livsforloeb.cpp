#include "app/tboernevinduer.h"
#include "app/tinfform.h"
#include "app/tmainform.h"
#include "app/tspform.h"
#include "engines/datamappe/tdatamappe.h"
#include "engines/stifinderegenskaber.h"
#include "engines/tklipbord.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tprogressform.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

using stifinderregler::Kommando;

// Closing the program or an explorer window while a copy runs, with the
// real windows offscreen: the copy is stopped through its "Stop", it
// unwinds, and only then do windows go. Nothing copied so far is left as a
// partial file under its final name.
class TestLivsforloeb : public QObject
{
    Q_OBJECT

    static constexpr int AntalFiler = 40;

    std::unique_ptr<MidlertidigHjem> m_hjem;

    QString kilde() const { return m_hjem->sti() + "/kilde"; }
    QString maal() const { return m_hjem->sti() + "/mål"; }

    // The files to copy, and an explorer window that pastes without asking.
    void forbered()
    {
        for (int i = 0; i < AntalFiler; ++i)
            QVERIFY(testfiler::lavFil(kilde() + QStringLiteral("/fil%1.bin").arg(i, 2, 10, QLatin1Char('0')),
                              QByteArray(64 * 1024, char('a' + i % 26))));
        QVERIFY(QDir().mkpath(maal()));
        StifinderEgenskaber e;
        e.saetIndSlet = 2;   // "Spørg aldrig"
        QVERIFY(e.GemOpt(TDataMappe::CreateMapper().mapper.OptMappe + "Stifinder 1.txt"));
    }

    static Twinform *foersteStifinder(Tmainform &w)
    {
        w.show();
        if (!QTest::qWaitForWindowActive(&w))
            return nullptr;
        return w.boernevinduer()->stifindere().value(0);
    }

    // Puts the source folder in the copy lists and shows the destination.
    void klarTilSaetInd(Twinform *s)
    {
        QCOMPARE(s->klipbordsKommandoer()->klipbord()->RegisterElements({kilde()}), 1);
        s->motor()->setAktiveStruktur(Trae::Fil);
        s->mappeKontrol(s->motor()->makeStruktur2(maal()), true);
        // Events are let through at every file, so the close can come mid-copy.
        s->klipbordsKommandoer()->progressform()->setInterval(0);
        s->opdaterKommandoer();
        QVERIFY(s->kommando(Kommando::Paste)->isEnabled());
    }

    int ankomne() const { return int(QDir(maal() + "/kilde").entryList(QDir::Files).size()); }

    // What arrived is whole, and no temporary file is left beside it.
    void intetHalvtKopieret() const
    {
        for (const QString &navn : testfiler::navne(maal() + "/kilde")) {
            QVERIFY2(!navn.startsWith('.'), qPrintable(navn));
            QCOMPARE(testfiler::indhold(maal() + "/kilde/" + navn), testfiler::indhold(kilde() + "/" + navn));
        }
    }

    // Runs `handling` once the copy has put a few files in place.
    static void midtIKopieringen(QObject *ejer, int *ankomne, std::function<int()> taelle, std::function<void()> handling)
    {
        auto *ur = new QTimer(ejer);
        QObject::connect(ur, &QTimer::timeout, ejer, [=] {
            if (taelle() < 3)
                return;
            *ankomne = taelle();
            ur->stop();
            ur->deleteLater();
            handling();
        });
        ur->start(0);
    }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init() { m_hjem = std::make_unique<MidlertidigHjem>(); }
    void cleanup() { m_hjem.reset(); }

    void lukningUnderKopiering_data()
    {
        QTest::addColumn<QString>("hvordan");
        QTest::addColumn<bool>("programmetLukker");
        QTest::addColumn<bool>("stoppes");
        QTest::newRow("lukkeboksen, Ja") << "lukkeboks ja" << true << true;
        QTest::newRow("lukkeboksen, Nej") << "lukkeboks nej" << false << false;
        QTest::newRow("sessionen slutter (SIGTERM, SIGHUP)") << "session" << true << true;
        QTest::newRow("stifindervinduet lukkes") << "stifinder" << false << true;
    }
    void lukningUnderKopiering()
    {
        QFETCH(QString, hvordan);
        QFETCH(bool, programmetLukker);
        QFETCH(bool, stoppes);
        forbered();
        FakeDialogs d;
        if (hvordan == "lukkeboks ja")
            d.svarJa();
        if (hvordan == "lukkeboks nej")
            d.svarNej();
        Tmainform w(&d);
        QPointer<Twinform> s = foersteStifinder(w);
        QVERIFY(s);
        klarTilSaetInd(s);

        int ankomneVedLukning = 0;
        bool stifinderLevedeUnderKopieringen = true;
        midtIKopieringen(&w, &ankomneVedLukning, [this] { return ankomne(); }, [&] {
            if (hvordan == "session")
                w.sessionSlut();
            else if (hvordan == "stifinder")
                qobject_cast<QMdiSubWindow *>(s->parentWidget())->close();
            else
                w.close();
            // The close is handled beneath the running copy: nothing may be
            // destroyed yet, and the main window stays until the copy ends.
            stifinderLevedeUnderKopieringen = s && w.isVisible();
        });
        s->kommando(Kommando::Paste)->trigger();

        QVERIFY(ankomneVedLukning >= 3);
        QVERIFY(stifinderLevedeUnderKopieringen);
        QVERIFY(s);   // the copy has returned into a window that still exists
        if (stoppes)
            QVERIFY2(ankomne() < AntalFiler, qPrintable(QString::number(ankomne())));
        else
            QCOMPARE(ankomne(), AntalFiler);
        intetHalvtKopieret();

        if (programmetLukker) {
            QTRY_VERIFY(!w.isVisible());
            QTRY_VERIFY(s.isNull());
            QCOMPARE(tekstfil::hent(w.mapper().optFilnavn).size(), 45);
        } else if (hvordan == "stifinder") {
            QTRY_VERIFY(s.isNull());
            QVERIFY(w.isVisible());
            QVERIFY(w.boernevinduer()->stifindere().isEmpty());
        } else {
            QVERIFY(w.isVisible());
            QVERIFY(s->isVisible());
        }
        QCOMPARE(w.processCount, 0);

        const QString spoergsmaal = "Der er en funktion kørende.\r"
                                    "Skal programmet lukkes alligevel med risiko for fejl ved lukning?";
        QCOMPARE(d.spoergsmaal, hvordan.startsWith("lukkeboks") ? QStringList{spoergsmaal} : QStringList());
        // The stopped copy says what did not arrive, except at the session's
        // end, when nobody is there to read it.
        const bool meldtStop = !d.informationer.filter("Kopieringen blev stoppet.").isEmpty();
        QCOMPARE(meldtStop, stoppes && hvordan != "session");
        if (hvordan == "session")
            QVERIFY(d.informationer.isEmpty());
    }

    // With the program's real message windows: the close question opens
    // above the copy's progress window (both stay on top; the question comes
    // last and takes the focus), and the progress window's "Stop" can be
    // pressed while the question waits. The copy, paused beneath the
    // question, stops when the question is answered.
    void stopVirkerMensSpoergsmaaletVenter()
    {
        forbered();
        Tmainform w;
        QPointer<Twinform> s = foersteStifinder(w);
        QVERIFY(s);
        klarTilSaetInd(s);
        Tprogressform *progress = s->klipbordsKommandoer()->progressform();

        QStringList sete;
        bool spoergsmaaletOeverst = false;
        bool stopTrykket = false;
        int venter = 0;
        // Plays the user at every modal window that opens.
        QTimer bruger;
        connect(&bruger, &QTimer::timeout, this, [&] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || !modal->isVisible())
                return;
            if (auto *spm = qobject_cast<Tspform *>(modal)) {
                if (!sete.isEmpty() && sete.last() == spm->textLabel->text())
                    return;
                // Activation arrives through the window system a moment later.
                if (QApplication::activeWindow() != spm && ++venter < 200)
                    return;
                sete.append(spm->textLabel->text());
                spoergsmaaletOeverst = (spm->windowFlags() & Qt::WindowStaysOnTopHint)
                                       && (progress->windowFlags() & Qt::WindowStaysOnTopHint)
                                       && progress->isVisible() && QApplication::activeWindow() == spm;
                // "Stop" pressed as a user presses it, through the window system.
                const QPoint midt = progress->StopKnap->mapTo(progress, progress->StopKnap->rect().center());
                QTest::mouseClick(progress->windowHandle(), Qt::LeftButton, {}, midt);
                stopTrykket = progress->stoppet();
                spm->NejKnap->click();
            } else if (auto *info = qobject_cast<Tinfform *>(modal)) {
                sete.append(info->Label1->text());
                info->OKKnap->click();
            }
        });
        bruger.start(5);

        int ankomneVedLukning = 0;
        midtIKopieringen(&w, &ankomneVedLukning, [this] { return ankomne(); }, [&] { w.close(); });
        s->kommando(Kommando::Paste)->trigger();
        QTRY_VERIFY(sete.size() >= 2);

        QVERIFY(spoergsmaaletOeverst);
        QVERIFY(stopTrykket);
        // A window of its own, not a dialog: a window manager keeps a dialog
        // that belongs to no window above every window of the program.
        QCOMPARE(progress->windowType(), Qt::Window);
        QCOMPARE(progress->windowHandle()->transientParent(), nullptr);
        QVERIFY(ankomne() < AntalFiler);
        intetHalvtKopieret();
        QVERIFY(sete.first().startsWith("Der er en funktion kørende."));
        QVERIFY(sete.at(1).startsWith("Kopieringen blev stoppet."));
        // "Nej": the program stays, the copy stopped as "Stop" asked.
        QVERIFY(w.isVisible());
        QVERIFY(s);
        QCOMPARE(w.processCount, 0);
        QVERIFY(w.close());
    }
};

QTEST_MAIN(TestLivsforloeb)
#include "tst_livsforloeb.moc"
