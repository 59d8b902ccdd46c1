#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "app/tstrukturmenu.h"
#include "core/stier.h"
#include "engines/mappestruktur/tstrukturredigering.h"
#include "engines/systeminfo/twmi.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "shell/tvinduesstyring.h"
#include "testfiler.h"
#include "testmiljoe.h"
#include "tools/thjaelpevisning.h"
#include "tools/tmappestrukturform.h"
#include "tools/tstrukturtegner.h"
#include "tools/twaform.h"
#include "tools/twmiform.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {

template<typename T>
T *barn(const QObject *ejer, const char *navn)
{
    T *b = ejer->findChild<T *>(QLatin1String(navn));
    if (!b)
        qWarning("mangler %s", navn);
    return b;
}

void klik(const QObject *ejer, const char *navn)
{
    QAbstractButton *k = barn<QAbstractButton>(ejer, navn);
    QVERIFY(k);
    QVERIFY2(k->isEnabled(), navn);
    k->click();
}

bool aktiv(const QObject *ejer, const char *navn)
{
    return barn<QAbstractButton>(ejer, navn)->isEnabled();
}

QStringList tekster(const QListWidget *l)
{
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}

QStringList topnoder(Twinform *w)
{
    TMappeModel *m = w->motor()->struktur1();
    QStringList t;
    for (int r = 0; r < m->rowCount(); ++r)
        t << m->tekst(m->index(r, 0));
    return t;
}

} // namespace

// The structures window alone, and the structures and system information
// windows in the frame.
class TestMappestrukturform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void vinduetAlene()
    {
        QTemporaryDir tmp;
        const QString dir = tmp.path() + "/Mappestrukturer/";
        const QString opt = tmp.path() + "/Egenskaber/";
        QDir().mkpath(opt);
        for (const char *m : {"A", "B"})
            QDir().mkpath(tmp.path() + "/" + m);
        QVERIFY(testfiler::lavFil(dir + "Ind%2FUd.txt", (tmp.path() + "/A\r\n" + tmp.path() + "/Væk\r\n").toUtf8()));
        FakeDialogs d;
        bool MsRedigeret = false;
        QString editSti = tmp.path() + "/B";
        QList<QPair<QStringList, bool>> strukturer;
        QStringList viste;
        int menuer = 0;
        Tmappestrukturform::Hovedvindue h;
        h.editSti = [&] { return editSti; };
        h.visStruktur = [&](const QStringList &m, bool punkt) { strukturer.append({m, punkt}); };
        h.visMappe = [&](const QString &m, bool) { viste << m; };
        h.loadMappeStruktur = [&] { ++menuer; };
        auto *w = new Tmappestrukturform(d, MsRedigeret, dir, opt, false, h);
        QPointer<Tmappestrukturform> vagt(w);
        // The window reaches the locals above; it must not outlive them
        // when a check fails.
        const auto ryd = qScopeGuard([&] { delete vagt.data(); });
        w->loadMappeStruktur();
        QCOMPARE(menuer, 1);
        QVERIFY(!aktiv(w, "punktKnap") && !aktiv(w, "sletKnap") && !aktiv(w, "gemKnap"));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), "Mappestruktur");
        QVERIFY(barn<QToolButton>(w, "panelKnap")->isVisible());

        auto *liste = barn<QListWidget>(w, "strukturListe");
        auto *mapper = barn<QListWidget>(w, "mappeListe");
        QCOMPARE(tekster(liste), QStringList{"Ind/Ud"});
        liste->setCurrentRow(0);
        QCOMPARE(tekster(mapper), QStringList({tmp.path() + "/A", tmp.path() + "/Væk"}));
        // Drawn rows: 19 pixels, the missing folder marked but kept.
        auto *tegner = qobject_cast<TStrukturtegner *>(mapper->itemDelegate());
        QVERIFY(tegner);
        QCOMPARE(mapper->visualItemRect(mapper->item(0)).height(), 19);
        QCOMPARE(tegner->tekst(mapper->model()->index(1, 0)), tmp.path() + "/Væk" + TStrukturtegner::manglerTekst());
        QCOMPARE(tegner->tekst(mapper->model()->index(0, 0)), tmp.path() + "/A");

        klik(w, "punktKnap");
        klik(w, "niveauKnap");
        QCOMPARE(strukturer.size(), 2);
        QVERIFY(strukturer[0].second && !strukturer[1].second);
        QCOMPARE(strukturer[0].first.size(), 2);
        emit mapper->itemDoubleClicked(mapper->item(0));
        klik(w, "visMappeKnap");
        QCOMPARE(viste, QStringList({tmp.path() + "/A", tmp.path() + "/Mappestrukturer"}));

        // Editing: fetched, extended with the current folder, moved, saved.
        klik(w, "redigerKnap");
        QCOMPARE(barn<QTabWidget>(w, "sider")->currentIndex(), 1);
        QCOMPARE(barn<QLineEdit>(w, "navnFelt")->text(), "Ind/Ud");
        auto *rl = barn<QListWidget>(w, "redigeringsListe");
        klik(w, "aktuelleKnap");
        QCOMPARE(rl->currentRow(), 2);
        QVERIFY(!aktiv(w, "nedKnap"));
        klik(w, "opKnap");
        QCOMPARE(tekster(rl), QStringList({tmp.path() + "/A", tmp.path() + "/B", tmp.path() + "/Væk"}));
        QCOMPARE(rl->currentRow(), 1);
        QVERIFY(MsRedigeret);
        editSti = tmp.path() + "/Væk";
        w->opdaterKnapper();
        QVERIFY(!aktiv(w, "aktuelleKnap"));
        d.svarJa();
        klik(w, "gemKnap");
        QCOMPARE(d.spoergsmaal, QStringList{"Skal filen \"Ind/Ud.txt\" overskrives?"});
        QCOMPARE(testfiler::navne(dir), QStringList{"Ind%2FUd.txt"});
        QVERIFY(!MsRedigeret);
        QCOMPARE(menuer, 2);

        // Typing a name over a non-empty edit list marks it edited.
        QTest::keyClicks(barn<QLineEdit>(w, "navnFelt"), "2");
        QVERIFY(MsRedigeret);
        QVERIFY(aktiv(w, "gemKnap"));

        // Hiding the left panel narrows the window by its width.
        const int bredde = w->width();
        const int panel = barn<QWidget>(w, "venstrePanel")->width();
        klik(w, "panelKnap");
        QCOMPARE(w->width(), bredde - panel);

        // Closing with unsaved changes asks; "Nej" keeps the window.
        d.svarNej();
        QVERIFY(!w->close());
        QVERIFY(vagt);
        d.svarJa();
        QVERIFY(w->close());
        QTRY_VERIFY(!vagt);
        QVERIFY(!MsRedigeret);
        const QStringList gemt = QString::fromUtf8(testfiler::indhold(opt + "mappestruktur.txt")).split("\r\n");
        QCOMPARE(gemt.size(), 6);
        QCOMPARE(gemt.at(4), "0");
        QCOMPARE(gemt.at(3).toInt(), bredde - panel);
    }

    // In the frame: three folders added with "Tilføj", saved, listed in
    // the structure menu, and shown as point and level structure.
    void iRammen()
    {
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        TBoernevinduer *b = w.boernevinduer();
        QAction *insert = w.kommando("aInsertMappe");
        QAction *opret = w.kommando("OpretSmappe");
        QVERIFY(opret->isEnabled());
        QStringList mapper;
        for (const char *m : {"Et", "To", "Tre"}) {
            mapper << hjem.sti() + "/Projekt/" + m;
            QDir().mkpath(mapper.last());
        }
        for (const QString &m : mapper) {
            QVERIFY(b->aktiverWinform(false, m));
            w.opdaterKommandoer();
            b->opdaterKommandoer();
            QVERIFY(insert->isEnabled());
            insert->trigger();
        }
        QVERIFY(w.MsRedigeret);
        auto *f = qobject_cast<Tmappestrukturform *>(b->styring()->vaerktoej(Vinduesart::Mappestruktur));
        QVERIFY(f);
        QVERIFY(f->showInternt());
        QCOMPARE(f->redigering()->redigering(), mapper);
        QCOMPARE(barn<QTabWidget>(f, "sider")->currentIndex(), 1);
        QVERIFY(!w.close());   // refused while a structure is unsaved
        QCOMPARE(d.spoergsmaal, QStringList());

        QTest::keyClicks(barn<QLineEdit>(f, "navnFelt"), "Projekt");
        klik(f, "gemKnap");
        QVERIFY(!w.MsRedigeret);
        QVERIFY(QFile::exists(w.mapper().mappestrukturDir + "Projekt.txt"));
        QStringList menu;
        for (QAction *a : w.strukturmenu()->menu()->actions())
            menu << a->text();
        QVERIFY(menu.contains("Projekt"));

        // A name with "/" is listed in the menu as typed.
        klik(f, "klargoerKnap");
        f->tilfoejMappe(mapper.first());
        QTest::keyClicks(barn<QLineEdit>(f, "navnFelt"), "Ind/Ud");
        klik(f, "gemKnap");
        QVERIFY(QFile::exists(w.mapper().mappestrukturDir + "Ind%2FUd.txt"));
        menu.clear();
        for (QAction *a : w.strukturmenu()->menu()->actions())
            menu << a->text();
        QVERIFY(menu.contains("Ind/Ud"));

        auto *liste = barn<QListWidget>(f, "strukturListe");
        liste->setCurrentRow(int(tekster(liste).indexOf("Projekt")));
        klik(f, "punktKnap");
        Twinform *sf = b->aktivStifinder();
        QVERIFY(sf);
        QCOMPARE(topnoder(sf), QStringList({"Et", "To", "Tre"}));
        b->styring()->visBarn(f);
        klik(f, "niveauKnap");
        sf = b->aktivStifinder();
        QVERIFY(sf);
        QCOMPARE(topnoder(sf).size(), 1);   // the one drive all three lie on
        QCOMPARE(sf->motor()->aktiveStruktur(), Trae::Mappe);
        QCOMPARE(d.informationer, QStringList());
    }

    void systemvinduerIRammen()
    {
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        TBoernevinduer *b = w.boernevinduer();
        QAction *aWmi = w.kommando("aWmi");
        QVERIFY(aWmi->isEnabled());
        aWmi->trigger();
        auto *wmi = qobject_cast<TwmiForm *>(b->styring()->vaerktoej(Vinduesart::Wmi));
        QVERIFY(wmi);
        QCOMPARE(wmi->windowTitle(), "WMI");
        // Output goes to the user's folder.
        QCOMPARE(wmi->wmi()->wmiMappe(), w.mapper().BrugerMappe + "/WMI");
        QVERIFY(QFileInfo(w.mapper().BrugerMappe + "/WMI").isDir());
        QVERIFY(!aktiv(wmi, "Awmi") && !aktiv(wmi, "AmakeFile"));
        wmi->wmi()->setInterval(20);
        klik(wmi, "AloadListe");
        QTRY_VERIFY(aktiv(wmi, "Awmi"));
        QVERIFY(!aktiv(wmi, "AloadListe"));
        klik(wmi, "Awmi");
        QComboBox *box = wmi->wmiBox();
        QCOMPARE(box->itemText(0), "Vælg en wmi class");
        QCOMPARE(box->count(), 17);
        QVERIFY(!aktiv(wmi, "AmakeFileHTML"));
        box->setCurrentIndex(box->findText("Linux_BIOS"));
        QCOMPARE(barn<QLineEdit>(wmi, "findEdit")->text(), "Linux_BIOS");
        QVERIFY(aktiv(wmi, "AmakeFile") && aktiv(wmi, "AmakeFileHTML"));

        QAction *winApp = w.kommando("winApp");
        QVERIFY(winApp->isEnabled());
        winApp->trigger();
        auto *wa = qobject_cast<TwaForm *>(b->styring()->vaerktoej(Vinduesart::Applets));
        QVERIFY(wa);
        QCOMPARE(wa->findChildren<QPushButton *>().size(), 21);   // twenty and "Luk"
        QCOMPARE(d.informationer, QStringList());
    }

    // Alone, the system information window has a fixed width, no help
    // panel, and remembers its place.
    void wmiVindueAlene()
    {
        QTemporaryDir tmp;
        FakeDialogs d;
        QStringList sider;
        TwmiForm::Hovedvindue h;
        h.infoHelp = [&](const QString &s) { sider << s; };
        TwmiForm::Mapper m{QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/scripts"), tmp.path() + "/WMI",
                           tmp.path(), tmp.path() + "/", tmp.path() + "/"};
        auto *w = new TwmiForm(d, m, false, h);
        QPointer<TwmiForm> vagt(w);
        const auto ryd = qScopeGuard([&] { delete vagt.data(); });
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->width(), 570);
        QVERIFY(!w->findChild<THjaelpevisning *>());
        klik(w, "infoKnap");
        QCOMPARE(sider, QStringList{"WMI.html"});
        w->move(60, 70);
        QVERIFY(w->close());
        QTRY_VERIFY(!vagt);
        const QStringList linjer = QString::fromUtf8(testfiler::indhold(tmp.path() + "/WMI.txt")).split("\r\n");
        QCOMPARE(linjer.size(), 3);
    }

    // A link on the help page beside the buttons opens that page in the
    // help browser.
    void hjaelpevisningensLinks()
    {
        QStringList sider;
        THjaelpevisning v(QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/Stifinder/tekstfiler/Applets2.html"),
                          [&](const QString &s) { sider << s; });
        QVERIFY(v.toPlainText().contains("Nem adgang"));
        emit v.anchorClicked(QUrl("WMI.html"));
        emit v.anchorClicked(v.source().resolved(QUrl("Applets.html")));
        QCOMPARE(sider, QStringList({"WMI.html", "Applets.html"}));
    }
};

QTEST_MAIN(TestMappestrukturform)
#include "tst_mappestrukturform.moc"
