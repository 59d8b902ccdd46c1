#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "app/tstistrimmel.h"
#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "gallery/tbibpan.h"
#include "gallery/tgalform.h"
#include "shell/tprogramfunktioner.h"
#include "shell/tvinduesstyring.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QAction>
#include <QImage>
#include <QRadioButton>
#include <QToolButton>
#include <QTabBar>
#include <QtTest>

// The gallery in the frame: opened by its command as a single window,
// loading the current element's folder, and deleting and registering its
// pictures through a real explorer window.
class TestGalleriramme : public QObject
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

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init() { m_hjem = std::make_unique<MidlertidigHjem>(); }
    void cleanup() { m_hjem.reset(); }

    void galleriGennemStifinderen()
    {
        const QString mappe = m_hjem->sti() + "/Fotos";
        QVERIFY(QDir().mkpath(mappe));
        for (const char *n : {"a.jpg", "b.jpg"}) {
            QImage img(40, 30, QImage::Format_RGB32);
            img.fill(Qt::red);
            QVERIFY(img.save(mappe + "/" + n, "JPEG"));
        }
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        TBoernevinduer *b = w.boernevinduer();
        Twinform *stifinder = b->stifindere().value(0);
        QVERIFY(stifinder);
        // Deleting from the gallery asks once, in the gallery.
        stifinder->findChild<QRadioButton *>("saetIndSlet2")->click();   // "Spørg aldrig"
        stifinder->motor()->setAktiveStruktur(Trae::Fil);
        stifinder->mappeKontrol(stifinder->motor()->makeStruktur2(mappe), true);
        QCOMPARE(w.stistrimmel()->sti(), mappe);

        w.colIndex = 2;
        QAction *galleri = w.kommando("aBilledGal");
        QVERIFY(galleri);
        w.opdaterKommandoer();
        QVERIFY(galleri->isEnabled());
        galleri->trigger();
        auto *g = qobject_cast<TGalForm *>(b->styring()->aktivtBarn());
        QVERIFY(g);
        QVERIFY(g->showInternt());
        QCOMPARE(g->gitter()->FeltFarve(), QColor(0x00, 0x00, 0x9B));   // the kept colour, "Blå"
        QVERIFY(faner(w).contains("Billeder"));
        QVERIFY(b->aabningsvalg()->erLaast(Vinduesart::Billeder));
        galleri->trigger();   // the same single window
        QCOMPARE(b->styring()->vaerktoej(Vinduesart::Billeder), g);

        g->kommando("aIndlaes")->trigger();
        QCOMPARE(g->gitter()->AntalIalt(), 2);
        // The pictures come in the file system's order.
        const QString foerste = g->picFilnavn();
        const QString navn = QFileInfo(foerste).fileName();
        const QString anden = mappe + (navn == "a.jpg" ? "/b.jpg" : "/a.jpg");
        QCOMPARE(foerste, mappe + "/" + g->gitter()->Bil().at(0).Filnavn);

        // "Kopier til klipbordet" puts the picture on the explorer's copy list.
        g->kommando("aKopierBillede")->trigger();
        TKopilister *lister = stifinder->klipbordsKommandoer()->lister();
        QCOMPARE(lister->getElementAntal(), 1);
        b->aabnGalleri();
        g = qobject_cast<TGalForm *>(b->styring()->aktivtBarn());
        QVERIFY(g);

        d.svarJa();
        g->kommando("aSletBillede")->trigger();
        QCOMPARE(d.spoergsmaal, QStringList{"Filnavn:\r" + navn + "\rSkal filen slettes til papirkurven?"});
        QVERIFY(!QFile::exists(foerste));
        QVERIFY(QFile::exists(m_hjem->sti() + "/.local/share/Trash/files/" + navn));
        QVERIFY(QFile::exists(anden));
        QCOMPARE(g->gitter()->AntalIalt(), 1);

        // A file the explorer does not list is never swapped for another.
        b->selectFromGal(mappe + "/findes-ikke.jpg", true);
        QVERIFY(QFile::exists(anden));
        QCOMPARE(d.informationer.last(), QString("Elementet blev ikke fundet."));

        // The grid is kept in the main settings; closing unlocks the choice.
        g->findChild<QToolButton *>("plusV")->click();
        QCOMPARE(w.samlEgenskaber().GBoxV, g->AntalV());
        g->close();
        QTRY_VERIFY(!b->aabningsvalg()->erLaast(Vinduesart::Billeder));
        QVERIFY(!faner(w).contains("Billeder"));
    }
};

QTEST_MAIN(TestGalleriramme)
#include "tst_galleriramme.moc"
