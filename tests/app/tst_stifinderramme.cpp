#include "app/tboernevinduer.h"
#include "app/tegenskabsside.h"
#include "app/tmainform.h"
#include "app/tstifinderramme.h"
#include "app/tstistrimmel.h"
#include "app/tstrukturmenu.h"
#include "engines/tfilmodel.h"
#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tlisteform.h"
#include "explorer/tsidebog.h"
#include "explorer/tstifinderlinjer.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "shell/tvinduesstyring.h"
#include "testmiljoe.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTreeView>
#include <QtTest>

#include <memory>

using stifinderregler::Kommando;

// The main window as its explorer windows see it: the shared choices, the
// function bar, the update method and the homemade-structures menu.
class TestStifinderRamme : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;

    static void start(Tmainform &w)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    static QStringList menupunkter(const TStrukturmenu *m)
    {
        QStringList navne;
        for (QAction *a : m->menu()->actions())
            if (a->data().isValid())
                navne << a->data().toString();
        navne.sort();
        return navne;
    }

    static QStringList faner(const Tmainform &w)
    {
        const QTabBar *tc = w.findChild<QTabBar *>("tc");
        QStringList t;
        for (int i = 0; i < tc->count(); ++i)
            t.append(tc->tabText(i));
        return t;
    }

    static int antalListevinduer(const Tmainform &w)
    {
        return int(w.findChildren<Tlisteform *>().size());
    }

    static QStringList topnoder(Twinform *w)
    {
        QStringList t;
        const TMappeModel *m = w->visning()->mappeModel();
        for (int r = 0; r < m->rowCount(); ++r)
            t << m->index(r, 0).data().toString();
        return t;
    }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init() { m_hjem = std::make_unique<MidlertidigHjem>(); }
    void cleanup() { m_hjem.reset(); }

    void traeSkrift_data()
    {
        QTest::addColumn<int>("fontbox");
        QTest::addColumn<int>("fontnavn");
        QTest::addColumn<int>("punkter");
        QTest::addColumn<QString>("familie");
        const QString standard = QApplication::font().family();
        QTest::newRow("lille, Default") << 0 << 5 << 8 << standard;
        QTest::newRow("mellem, Arial") << 1 << 3 << 9 << "Arial";
        QTest::newRow("stor, Tahoma") << 2 << 0 << 10 << "Tahoma";
        QTest::newRow("out of range") << 7 << 9 << 10 << standard;
    }
    void traeSkrift()
    {
        QFETCH(int, fontbox);
        QFETCH(int, fontnavn);
        const QFont f = TStifinderRamme::traeSkrift(fontbox, fontnavn);
        QTEST(f.pointSize(), "punkter");
        QTEST(f.family(), "familie");
    }

    void faellesValgNaarAlleStifindere()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        w.kommando("aStifinder")->trigger();
        const QList<Twinform *> vinduer = w.boernevinduer()->stifindere();
        QCOMPARE(vinduer.size(), 2);

        // "Bloker funktioner" switched from one explorer window.
        QVERIFY(!w.egenskabsside()->blokerCheck()->isChecked());
        vinduer[1]->kommando(Kommando::ActionUpd)->trigger();
        QVERIFY(w.egenskabsside()->blokerCheck()->isChecked());
        for (Twinform *v : vinduer)
            QVERIFY(v->tilstand().bloker);

        // F7 hides the function bar of every explorer window.
        vinduer[0]->kommando(Kommando::aTopPanel)->trigger();
        QCOMPARE(w.Vistoppanel, 0);
        for (Twinform *v : vinduer)
            QVERIFY(v->linjer()->topPanel()->isHidden());

        // The tree font chosen on the settings page.
        auto *fontbox = w.egenskabsside()->findChild<QButtonGroup *>("Fontbox");
        QVERIFY(fontbox);
        fontbox->button(2)->click();
        for (Twinform *v : vinduer) {
            QCOMPARE(v->visning()->mappeStruktur()->font().pointSize(), 10);
            QCOMPARE(v->visning()->filStruktur()->font().pointSize(), 10);
        }
    }

    void stifinderSkriverStifeltet()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        Twinform *v = w.boernevinduer()->stifindere().value(0);
        QVERIFY(v);
        v->motor()->setAktiveStruktur(Trae::Fil);
        v->mappeKontrol(v->motor()->makeStruktur2(m_hjem->sti()), true);
        QCOMPARE(w.stistrimmel()->sti(), m_hjem->sti());
    }

    void aktiverWinformViserMappen()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        TBoernevinduer *b = w.boernevinduer();
        w.kommando("aStifinder")->trigger();
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/Musik"));
        Twinform *v = b->aktiverWinform(false, m_hjem->sti() + "/Musik");
        QCOMPARE(v, b->stifindere().first());
        QCOMPARE(b->styring()->aktivtBarn(), v);
        QCOMPARE(v->motor()->aktiveStruktur(), Trae::Fil);
        QCOMPARE(w.stistrimmel()->sti(), m_hjem->sti() + "/Musik");

        // Without an explorer window one is opened.
        b->lukBoernevinduer();
        QTRY_VERIFY(b->stifindere().isEmpty());
        QVERIFY(b->aktiverWinform(true, m_hjem->sti() + "/findes ikke"));
        QCOMPARE(b->stifindere().size(), 1);
    }

    void deltKlipbordKopieresIndIEtAndetVindue()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        w.kommando("aStifinder")->trigger();
        const QList<Twinform *> v = w.boernevinduer()->stifindere();
        QCOMPARE(v.size(), 2);
        TKopilister *delte = w.boernevinduer()->delteLister();
        for (Twinform *x : v)
            QCOMPARE(x->klipbordsKommandoer()->lister(), delte);

        QVERIFY(QDir().mkpath(m_hjem->sti() + "/kilde"));
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/mål"));
        QVERIFY(tekstfil::gem(m_hjem->sti() + "/kilde/brev.txt", {"Hej"}));
        v[0]->klipbordsKommandoer()->klipbord()->RegisterElements({m_hjem->sti() + "/kilde/brev.txt"});
        QCOMPARE(delte->getElementAntal(), 1);

        // The other window pastes into its folder without asking.
        v[1]->findChild<QRadioButton *>("saetIndSlet2")->click();   // "Spørg aldrig"
        v[1]->motor()->setAktiveStruktur(Trae::Fil);
        v[1]->mappeKontrol(v[1]->motor()->makeStruktur2(m_hjem->sti() + "/mål"), true);
        v[1]->kommando(Kommando::Paste)->trigger();
        QCOMPARE(tekstfil::hent(m_hjem->sti() + "/mål/brev.txt"), QStringList{"Hej"});
        QVERIFY(QFile::exists(m_hjem->sti() + "/kilde/brev.txt"));
        QCOMPARE(w.processCount, 0);

        // Ctrl+0 shows the one shared lists window, the first tab, which
        // stood there from the start.
        QCOMPARE(antalListevinduer(w), 1);
        QTest::keyClick(v[1]->visning()->filStruktur(), Qt::Key_0, Qt::ControlModifier);
        auto *liste = qobject_cast<Tlisteform *>(w.boernevinduer()->styring()->aktivtBarn());
        QVERIFY(liste);
        QCOMPARE(liste->lister(), delte);
        QCOMPARE(antalListevinduer(w), 1);
        QCOMPARE(faner(w).value(0), QString("Klipbord"));
        QCOMPARE(faner(w).count("Klipbord"), 1);

        // "Stifinderen" brings the first explorer window forward.
        QVERIFY(liste->kommando("StifinderEks")->isEnabled());
        liste->kommando("StifinderEks")->trigger();
        QCOMPARE(w.boernevinduer()->styring()->aktivtBarn(), v[0]);
        QVERIFY(d.informationer.isEmpty());
    }

    void egneKopilisterHarHverSinFaneFraStarten()
    {
        FakeDialogs d;
        Tmainform w(&d);
        w.egenskabsside()->sammeKlipbordCheck()->click();   // own lists per window
        start(w);
        QCOMPARE(faner(w), (QStringList{"Klipbord 1", "Stifinder 1", "Information"}));
        w.kommando("aStifinder")->trigger();
        QCOMPARE(faner(w), (QStringList{"Klipbord 1", "Klipbord 2", "Stifinder 1", "Information", "Stifinder 2"}));
        const QList<Twinform *> v = w.boernevinduer()->stifindere();
        TVinduesstyring *s = w.boernevinduer()->styring();

        // Closing a lists window hides it with its tab; the lists stay and
        // its settings file is not written.
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/kilde"));
        v[0]->klipbordsKommandoer()->klipbord()->RegisterElements({m_hjem->sti() + "/kilde"});
        QPointer<Tlisteform> liste1 = qobject_cast<Tlisteform *>(
            w.boernevinduer()->visKlipbord(v[0]->klipbordsKommandoer()->lister()));
        QVERIFY(liste1);
        QCOMPARE(s->aktivtBarn(), liste1.data());
        liste1->parentWidget()->close();
        QCOMPARE(faner(w), (QStringList{"Klipbord 2", "Stifinder 1", "Information", "Stifinder 2"}));
        QVERIFY(liste1);
        QVERIFY(s->aktivtBarn() != liste1.data());
        QCOMPARE(v[0]->klipbordsKommandoer()->lister()->getElementAntal(), 1);
        QVERIFY(!QFile::exists(liste1->optfilnavn()));

        // Ctrl+0 in its explorer window shows it again, its tab in front.
        s->visBarn(v[0]);
        w.kommando("aVisKlipbordet")->trigger();
        QCOMPARE(s->aktivtBarn(), liste1.data());
        QCOMPARE(faner(w), (QStringList{"Klipbord 1", "Klipbord 2", "Stifinder 1", "Information", "Stifinder 2"}));
        QCOMPARE(antalListevinduer(w), 2);
    }

    void ctrl0UdenKopilisterGoerIntet()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        TVinduesstyring *s = w.boernevinduer()->styring();
        w.boernevinduer()->lukBoernevinduer();
        QTRY_VERIFY(s->boern().isEmpty());   // the shared lists go with the last explorer
        w.kommando("aVisKlipbordet")->trigger();
        QVERIFY(s->boern().isEmpty());
        QCOMPARE(antalListevinduer(w), 0);
        QVERIFY(d.informationer.isEmpty());
    }

    void overfoerselTilAndreStifindere()
    {
        FakeDialogs d;
        Tmainform w(&d);
        w.egenskabsside()->sammeKlipbordCheck()->click();
        start(w);
        w.kommando("aStifinder")->trigger();
        const QList<Twinform *> v = w.boernevinduer()->stifindere();
        QCOMPARE(v.size(), 2);
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/kilde/M"));
        QVERIFY(tekstfil::gem(m_hjem->sti() + "/kilde/brev.txt", {"Hej"}));
        TKopilister *fra = v[0]->klipbordsKommandoer()->lister();
        fra->CopyListAdd(TKopilister::ListeMapper, 4, m_hjem->sti() + "/kilde/M", true);
        fra->CopyListAdd(TKopilister::ListeFiler, 6, m_hjem->sti() + "/kilde/brev.txt", true);

        // The receiver asks for its settings page after copying and has its
        // own "Aktiver" ticked.
        QVERIFY(v[1]->findChild<QCheckBox *>("gaaTilIndstillinger")->isChecked());
        v[1]->sidebog()->visSide(TSidebog::KendteMapper);
        v[1]->findChild<QCheckBox *>("aktiver")->setChecked(true);

        auto *overfoer = v[0]->findChild<QPushButton *>("KlipbordsdataTransfer");
        QVERIFY(!overfoer->isEnabled());
        v[0]->findChild<QCheckBox *>("aktiver")->click();
        QVERIFY(overfoer->isEnabled());
        overfoer->click();

        TKopilister *til = v[1]->klipbordsKommandoer()->lister();
        QCOMPARE(til->Mappeliste()->sti(0), m_hjem->sti() + "/kilde/M");
        QCOMPARE(til->Filliste()->sti(0), m_hjem->sti() + "/kilde/brev.txt");
        QCOMPARE(til->Filliste()->poster().first().billede, 6);
        QCOMPARE(v[1]->sidebog()->currentIndex(), int(TSidebog::Indstillinger));
        QVERIFY(!v[1]->findChild<QCheckBox *>("aktiver")->isChecked());
        QVERIFY(!v[0]->findChild<QCheckBox *>("aktiver")->isChecked());
        QVERIFY(!overfoer->isEnabled());
        QCOMPARE(fra->getElementAntal(), 2);
        QVERIFY(d.informationer.isEmpty());
    }

    void visKlipbordEfterKopiering()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        Twinform *v = w.boernevinduer()->stifindere().value(0);
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/kilde"));
        v->motor()->setAktiveStruktur(Trae::Fil);
        v->mappeKontrol(v->motor()->makeStruktur2(m_hjem->sti()), true);
        TFilModel *filer = v->visning()->filModel();
        filer->valg()->select(filer->index(0, 0), QItemSelectionModel::ClearAndSelect);
        v->findChild<QCheckBox *>("visKlipbord")->click();   // ticked after start-up
        v->opdaterKommandoer();
        v->kommando(Kommando::Copy)->trigger();
        auto *liste = qobject_cast<Tlisteform *>(w.boernevinduer()->styring()->aktivtBarn());
        QVERIFY(liste);
        QCOMPARE(liste->lister(), v->klipbordsKommandoer()->lister());
    }

    void egneListerLukkesMedVinduet()
    {
        FakeDialogs d;
        Tmainform w(&d);
        w.egenskabsside()->sammeKlipbordCheck()->click();   // own lists per window
        start(w);
        Twinform *v = w.boernevinduer()->stifindere().value(0);
        QVERIFY(v->klipbordsKommandoer()->lister() != w.boernevinduer()->delteLister());
        QPointer<QWidget> liste = w.boernevinduer()->visKlipbord(v->klipbordsKommandoer()->lister());
        QVERIFY(liste);
        QCOMPARE(liste->windowTitle(), QString("Klipbord 1"));
        w.boernevinduer()->lukBoernevinduer();
        QTRY_VERIFY(!liste);
    }

    void deltKlipbordMedTreStifindere()
    {
        FakeDialogs d;
        Tmainform w(&d);
        start(w);
        w.kommando("aStifinder")->trigger();
        w.kommando("aStifinder")->trigger();
        QCOMPARE(faner(w), (QStringList{"Klipbord", "Stifinder 1", "Information", "Stifinder 2", "Stifinder 3"}));
        QCOMPARE(w.boernevinduer()->delteLister()->winformCaption(), QString("Stifinder 1"));

        // The shared lists outlive "Stifinder 1"; "Stifinderen" then finds
        // another explorer window that uses them.
        const QList<Twinform *> v = w.boernevinduer()->stifindere();
        QPointer<Twinform> en = v[0];
        en->parentWidget()->close();
        QTRY_VERIFY(!en);
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/kilde"));
        v[1]->klipbordsKommandoer()->klipbord()->RegisterElements({m_hjem->sti() + "/kilde"});
        auto *liste = w.findChild<Tlisteform *>();
        QVERIFY(liste);
        liste->kommando("StifinderEks")->trigger();
        QVERIFY(qobject_cast<Twinform *>(w.boernevinduer()->styring()->aktivtBarn()));
        QVERIFY(d.informationer.isEmpty());
    }

    void hjemmelavedeStrukturer()
    {
        FakeDialogs d;
        Tmainform w(&d);
        const QString mappe = w.mapper().mappestrukturDir;
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/a"));
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/b"));
        QVERIFY(tekstfil::gem(mappe + "Arbejde.txt", {m_hjem->sti() + "/a", m_hjem->sti() + "/b"}));
        QVERIFY(tekstfil::gem(mappe + "R&D.txt", {m_hjem->sti() + "/a"}));
        QVERIFY(QDir().mkpath(mappe + "ikke en struktur.txt"));
        QVERIFY(tekstfil::gem(mappe + "noter.md", {}));
        start(w);
        TStrukturmenu *m = w.strukturmenu();
        // Filled at the first explorer window's first activation.
        QTRY_COMPARE(menupunkter(m), (QStringList{"Arbejde", "R&D"}));

        QAction *arbejde = nullptr;
        for (QAction *a : m->menu()->actions())
            if (a->data().toString() == "Arbejde")
                arbejde = a;
        arbejde->trigger();
        Twinform *v = w.boernevinduer()->aktivStifinder();
        QCOMPARE(w.OnClickCaption, QString("Arbejde"));
        QVERIFY(w.OnClickIndex >= 2);
        QCOMPARE(v->motor()->aktiveStruktur(), Trae::Mappe);
        QVERIFY(!topnoder(v).isEmpty());

        // F3 finds the structure by name after the menu was refilled.
        QVERIFY(QFile::remove(mappe + "R&D.txt"));
        m->loadMappeStruktur();
        v->kommando(Kommando::aReloadStruktur)->trigger();
        QCOMPARE(w.OnClickCaption, QString("Arbejde"));
        QVERIFY(d.informationer.isEmpty());

        // A structure whose file is gone since the menu was filled.
        QVERIFY(QFile::remove(mappe + "Arbejde.txt"));
        arbejde = m->menu()->actions().value(w.OnClickIndex);
        arbejde->trigger();
        QCOMPARE(d.informationer.value(0),
                 QString("Der opstod en fejl i forbindelse med indlæsningen af mappestrukturfiler."));

        // After a refill the last structure is no longer there.
        m->loadMappeStruktur();
        m->CallOnClick();
        QCOMPARE(d.informationer.value(1), QString("Sidste hjemmelavede struktur:\rArbejde\rblev ikke fundet.\r"
                                                   "Strukturmenuen må være blevet ændret siden sidst."));
        QCOMPARE(w.OnClickIndex, -1);
        QVERIFY(w.OnClickCaption.isEmpty());
    }

    void strukturUdenStifinderAabnerEn()
    {
        FakeDialogs d;
        Tmainform w(&d);
        QVERIFY(tekstfil::gem(w.mapper().mappestrukturDir + "Hjem.txt", {m_hjem->sti()}));
        start(w);
        w.boernevinduer()->lukBoernevinduer();
        TVinduesstyring *s = w.boernevinduer()->styring();
        QTRY_VERIFY(w.boernevinduer()->stifindere().isEmpty());
        w.strukturmenu()->loadMappeStruktur();
        w.strukturmenu()->mMsOnClick(2);
        QCOMPARE(w.boernevinduer()->stifindere().size(), 1);
        QCOMPARE(s->aktivArt(), Vinduesart::Stifinder);
        QCOMPARE(w.OnClickCaption, QString("Hjem"));
    }
};

QTEST_MAIN(TestStifinderRamme)
#include "tst_stifinderramme.moc"
