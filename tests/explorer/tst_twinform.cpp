#include "core/stier.h"
#include "engines/detaljeegenskaber.h"
#include "engines/filbilleder.h"
#include "engines/stifinderegenskaber.h"
#include "engines/tfilmodel.h"
#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tmappemodel.h"
#include "engines/treopenfilerx.h"
#include "engines/treopenfilery.h"
#include "engines/tstrukturcompo.h"
#include "explorer/taktivitetsviser.h"
#include "explorer/tfavoritside.h"
#include "explorer/thistorieside.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tsidebog.h"
#include "explorer/tstedredigering.h"
#include "explorer/tstiboks.h"
#include "explorer/tstifinderlinjer.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "platform/tekstfil.h"

#include "fakeramme.h"
#include "testmiljoe.h"

#include "testmappe.h"

#include <QAction>
#include <QCheckBox>
#include <QToolButton>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QtTest>

using stifinderregler::Kommando;

class TestTwinform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void opstart_data();
    void opstart();
    void nummerGenbrugesMedSineFiler();
    void detaljerIEgenFil();
    void stiboksensDele();
    void klikOgDobbeltklik();
    void tasterVaelgerSomKlik();
    void kontekstmenuEfterNodeart_data();
    void kontekstmenuEfterNodeart();
    void toOverlappendeFunktioner_data();
    void toOverlappendeFunktioner();
    void opdateringsmetode();
    void kommandoUdenArbejdeErSlaaetFra();
    void favoritterOgBesoegte();
    void tilbageOgFremRunderHjoernet();
    void tasterVirkerOgsaaIFelter();
    void stedOmdoebning();
    void stedOmdoebningAfFil();
    void slipFraSkrivebordet();
    void saetIndMelderUdeladte();
    void saetIndViserDestinationenIPrivatafsnittet();
    void favoritfilKopieresMedSitBillede();
    void egenskabssiden();
    void sidernesBeskeder();
    void siderByggesNaarDeVises();

private:
    Twinform *aabn(int nummer);
    QString d(const QString &rel) const { return m_data.path() + QLatin1Char('/') + rel; }
    QString opt() const { return m_opt.path() + QLatin1Char('/'); }
    void vaelgIMappetrae(Twinform *w, const QString &mappe);

    MidlertidigHjem *m_hjem = nullptr;
    Testmappe m_data;
    Testmappe m_opt;
    FakeRamme *m_ramme = nullptr;
    QList<QPointer<Twinform>> m_vinduer;
};

void TestTwinform::initTestCase()
{
    saetDanskLocale();
    m_hjem = new MidlertidigHjem;
    for (const char *m : {"a/b", "Arkiv", "Windows", "x/y/z"})
        QVERIFY(QDir().mkpath(d(QLatin1String(m))));
    QVERIFY(tekstfil::gem(d("a/c.txt"), {"c"}));
    QVERIFY(tekstfil::gem(d("x/noter.txt"), {"n"}));
}

void TestTwinform::cleanupTestCase()
{
    delete m_hjem;
    m_hjem = nullptr;
}

void TestTwinform::init()
{
    for (const QString &f : QDir(m_opt.path()).entryList(QDir::Files))
        QFile::remove(opt() + f);
    m_ramme = new FakeRamme(opt());
}

void TestTwinform::cleanup()
{
    for (const QPointer<Twinform> &w : m_vinduer)
        delete w.data();
    m_vinduer.clear();
    delete m_ramme;
}

Twinform *TestTwinform::aabn(int nummer)
{
    auto *w = new Twinform(nummer, *m_ramme);
    m_ramme->registrer(w);
    m_vinduer.append(w);
    w->resize(1270, 870);
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("vinduet blev ikke vist");
    w->FormActivate();
    return w;
}

void TestTwinform::vaelgIMappetrae(Twinform *w, const QString &mappe)
{
    w->motor()->setAktiveStruktur(Trae::Mappe);
    QVERIFY(w->motor()->udfoldStruktur1(mappe, true));
    const QModelIndex node = w->visning()->mappeModel()->valgtNode();
    QTreeView *trae = w->visning()->mappeStruktur();
    trae->scrollTo(node);
    QTest::mouseClick(trae->viewport(), Qt::LeftButton, {}, trae->visualRect(node).center());
}

void TestTwinform::opstart_data()
{
    QTest::addColumn<QStringList>("linjer");
    QTest::addColumn<QString>("sti");   // what the frame's path field shows

    StifinderEgenskaber e;
    e.programOpstart = 1;
    e.Mappenavn = d("a");
    QTest::newRow("gemt mappe, aktuelle drev") << e.tilLinjer() << d("a");
    e.Filnavn = d("a/c.txt");
    e.programOpstart = 2;
    QTest::newRow("gemt fil, alle drev") << e.tilLinjer() << d("a/c.txt");
    e.Filnavn.clear();
    e.Mappenavn = d("slettet");
    e.programOpstart = 1;
    QTest::newRow("slettet mappe") << e.tilLinjer() << "/";
    QStringList kort = StifinderEgenskaber().tilLinjer();
    kort[0] = d("a");
    kort[4] = "1";
    QStringList lang = kort;
    kort.removeLast();
    lang.append("1");
    QTest::newRow("23 linjer") << kort << "/";
    QTest::newRow("25 linjer") << lang << "/";
}

void TestTwinform::opstart()
{
    QFETCH(QStringList, linjer);
    QFETCH(QString, sti);
    QVERIFY(tekstfil::gem(opt() + "Stifinder 1.txt", linjer));
    Twinform *w = aabn(1);
    QCOMPARE(m_ramme->editSti(), sti);
    QCOMPARE(w->aktuelleSti(), sti);
    QCOMPARE(w->stiboks()->getStien(w->stiboks()->currentIndex()), sti);
    if (sti.endsWith(".txt")) {
        const int r = w->visning()->filModel()->valgtRaekke();
        QVERIFY(r >= 0);
        QCOMPARE(w->visning()->filModel()->raekke(r).rec.filnavn, sti);
    }
}

void TestTwinform::nummerGenbrugesMedSineFiler()
{
    StifinderEgenskaber e;
    e.Mappenavn = d("a");
    e.programOpstart = 2;
    e.mappeBredde = 420;
    QVERIFY(e.GemOpt(opt() + "Stifinder 2.txt"));
    QVERIFY(tekstfil::gem(opt() + "favoritmapper2.txt", {"Arkivet", d("Arkiv")}));

    QPointer<Twinform> w = aabn(2);
    QCOMPARE(w->windowTitle(), QStringLiteral("Stifinder 2"));
    QCOMPARE(w->motor()->mappenavn(), d("a"));
    QCOMPARE(w->FavDir()->GetCaption(0), QStringLiteral("Arkivet"));
    QTRY_COMPARE(w->visning()->mappeStruktur()->width(), 420);

    // The user goes elsewhere and hides "Kendte mapper"; closing writes it all.
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(d("x")), true);
    w->findChild<QPushButton *>("visKendte")->click();
    QVERIFY(!w->sidebog()->isTabVisible(TSidebog::KendteMapper));
    w->FavDir()->flytOp(0);   // nothing to move; the list is saved at close anyway
    w->close();
    QTRY_VERIFY(!w);
    const QStringList linjer = tekstfil::hent(opt() + "Stifinder 2.txt");
    QCOMPARE(linjer.size(), 24);
    QCOMPARE(linjer.at(0), d("x"));
    QCOMPARE(linjer.at(2), QStringLiteral("420"));
    QCOMPARE(linjer.at(20), QStringLiteral("0"));
    QCOMPARE(tekstfil::hent(opt() + "favoritmapper2.txt"), QStringList({"Arkivet", d("Arkiv")}));
    QVERIFY(!QFile::exists(opt() + "historiemapper2.txt"));   // saved only by "Gem"

    // A new window with the same number takes up the same files.
    Twinform *igen = aabn(2);
    QCOMPARE(m_ramme->editSti(), d("x"));
    QVERIFY(!igen->sidebog()->isTabVisible(TSidebog::KendteMapper));
    QCOMPARE(igen->FavDir()->antal(), 1);
}

// The file tree's details: shown in a new window, switched by the settings
// page's check box and the header's menu, sorted by a header click, and kept
// in a file of their own while the window's settings file keeps its 24 lines.
void TestTwinform::detaljerIEgenFil()
{
    DetaljeEgenskaber gemt;
    gemt.breddeNavn = 333;
    QVERIFY(gemt.GemOpt(opt() + "Stifinder 1 detaljer.txt"));

    QPointer<Twinform> w = aabn(1);
    QTreeView *filer = w->visning()->filStruktur();
    QHeaderView *hoved = filer->header();
    auto *boks = w->findChild<QCheckBox *>("visDetaljer");
    QVERIFY(boks);
    QVERIFY(boks->isChecked());
    QVERIFY(!filer->isHeaderHidden());
    // A narrow file tree squeezes the name column; the chosen width is kept.
    QCOMPARE(w->visning()->detaljer().breddeNavn, 333);
    QVERIFY(hoved->sectionSize(0) <= 333);
    QVERIFY(hoved->sectionViewportPosition(3) < filer->viewport()->width());
    for (int k = 1; k < AntalFilKolonner; ++k)
        QVERIFY(!filer->isColumnHidden(k));

    // A click on "Størrelse" sorts by size, a second click turns it round.
    const int x = hoved->sectionViewportPosition(1) + hoved->sectionSize(1) / 2;
    QTest::mouseClick(hoved->viewport(), Qt::LeftButton, {}, QPoint(x, hoved->height() / 2));
    QCOMPARE(w->motor()->sortering(), (Sortering{FilKolonne::Stoerrelse, Qt::AscendingOrder}));
    QTest::mouseClick(hoved->viewport(), Qt::LeftButton, {}, QPoint(x, hoved->height() / 2));
    QCOMPARE(w->motor()->sortering(), (Sortering{FilKolonne::Stoerrelse, Qt::DescendingOrder}));

    // The header's menu hides one column, then all details in one click.
    emit hoved->customContextMenuRequested(QPoint(5, 5));
    QMenu *menu = w->visning()->kolonnemenu();
    QTRY_VERIFY(menu->isVisible());
    menu->findChild<QAction *>("kolonne3")->trigger();
    QVERIFY(filer->isColumnHidden(3));
    menu->hide();
    emit hoved->customContextMenuRequested(QPoint(5, 5));
    QTRY_VERIFY(menu->isVisible());
    menu->findChild<QAction *>("visDetaljer")->trigger();
    menu->hide();
    QVERIFY(filer->isHeaderHidden());
    QVERIFY(filer->isColumnHidden(1) && filer->isColumnHidden(2));
    QVERIFY(!boks->isChecked());
    QCOMPARE(w->motor()->sortering(), Sortering());   // names only: name order

    // The check box brings them back with the chosen sort.
    boks->click();
    QVERIFY(!filer->isHeaderHidden());
    QVERIFY(!filer->isColumnHidden(1) && filer->isColumnHidden(3));
    QCOMPARE(w->motor()->sortering(), (Sortering{FilKolonne::Stoerrelse, Qt::DescendingOrder}));
    boks->click();

    w->close();
    QTRY_VERIFY(!w);
    QCOMPARE(tekstfil::hent(opt() + "Stifinder 1.txt").size(), 24);
    DetaljeEgenskaber hentet;
    QVERIFY(hentet.HentOpt(opt() + "Stifinder 1 detaljer.txt"));
    QVERIFY(!hentet.visDetaljer);
    QVERIFY(!hentet.visType && hentet.visStoerrelse);
    QCOMPARE(hentet.breddeNavn, 333);
    QCOMPARE(hentet.sortering(), (Sortering{FilKolonne::Stoerrelse, Qt::DescendingOrder}));

    Twinform *igen = aabn(1);
    QVERIFY(igen->visning()->filStruktur()->isHeaderHidden());
    QVERIFY(!igen->findChild<QCheckBox *>("visDetaljer")->isChecked());
}

void TestTwinform::stiboksensDele()
{
    Twinform *w = aabn(1);
    TStiboks *boks = w->stiboks();
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(d("x/y/z")), true);
    const QStringList dele = stier::dele(d("x/y/z"), "/");
    QCOMPARE(boks->count(), dele.size());
    QCOMPARE(boks->currentIndex(), dele.size() - 1);
    QCOMPARE(boks->tabText(boks->count() - 1), QStringLiteral("z"));
    QCOMPARE(boks->tabText(0), QStringLiteral("/"));

    // Choosing "x" lists it and leaves every tab in place to step down again.
    const int x = dele.size() - 3;
    QTest::mouseClick(boks, Qt::LeftButton, {}, boks->tabRect(x).center());
    QCOMPARE(m_ramme->editSti(), d("x"));
    QCOMPARE(w->motor()->mappenavn(), d("x"));
    QCOMPARE(w->visning()->filModel()->antal(), 2);   // y and noter.txt
    QCOMPARE(boks->count(), dele.size());
    QTest::mouseClick(boks, Qt::LeftButton, {}, boks->tabRect(x + 1).center());
    QCOMPARE(w->motor()->mappenavn(), d("x/y"));

    // With a file selected in the file tree the press first takes the
    // selection away; the tab clicked is still the one chosen.
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->SelectFil(d("x/noter.txt")), true);
    w->opdaterKommandoer();
    QVERIFY(w->kommando(Kommando::deselectElementer)->isEnabled());
    QCOMPARE(boks->tabText(boks->count() - 1), QStringLiteral("noter.txt"));
    QTest::mouseClick(boks, Qt::LeftButton, {}, boks->tabRect(boks->count() - 1).center());
    QCOMPARE(m_ramme->editSti(), d("x/noter.txt"));
    QCOMPARE(boks->tabText(boks->count() - 1), QStringLiteral("noter.txt"));
    QCOMPARE(boks->currentIndex(), boks->count() - 1);
    QTest::mouseClick(boks, Qt::LeftButton, {}, boks->tabRect(boks->count() - 2).center());
    QCOMPARE(m_ramme->editSti(), d("x"));
    QCOMPARE(boks->count(), dele.size() - 1);   // the tabs of x/noter.txt stay

    // The last tab of a file selects that file in its folder.
    w->mappeKontrol(d("x/noter.txt"), true);
    QCOMPARE(boks->tabText(boks->count() - 1), QStringLiteral("noter.txt"));
    w->motor()->makeStruktur2(d("a"));
    QTest::mouseClick(boks, Qt::LeftButton, {}, boks->tabRect(boks->count() - 1).center());
    QCOMPARE(w->motor()->mappenavn(), d("x"));
    const int r = w->visning()->filModel()->valgtRaekke();
    QVERIFY(r >= 0);
    QCOMPARE(w->visning()->filModel()->raekke(r).rec.filnavn, d("x/noter.txt"));
    QCOMPARE(w->motor()->aktiveStruktur(), Trae::Fil);
}

void TestTwinform::klikOgDobbeltklik()
{
    Twinform *w = aabn(1);
    QStringList aabnet;
    w->setStarter([&](const QString &sti, int maade) { aabnet << QString::number(maade) + sti; }, {});

    vaelgIMappetrae(w, d("a"));
    QCOMPARE(w->motor()->aktiveStruktur(), Trae::Mappe);
    QCOMPARE(m_ramme->editSti(), d("a"));
    TFilModel *filer = w->visning()->filModel();
    QCOMPARE(filer->antal(), 2);
    QCOMPARE(w->historieDir()->GetFilnavn(w->historieDir()->antal() - 1), d("a"));

    QTreeView *filtrae = w->visning()->filStruktur();
    auto dobbelt = [filtrae](int r) {
        const QPoint p = filtrae->visualRect(filtrae->model()->index(r, 0)).center();
        QTest::mouseClick(filtrae->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(filtrae->viewport(), Qt::LeftButton, {}, p);
    };
    dobbelt(1);   // c.txt
    QCOMPARE(aabnet, QStringList({"0" + d("a/c.txt")}));
    QCOMPARE(w->funkNo(), int(IdFil));
    dobbelt(0);   // b
    QCOMPARE(w->motor()->mappenavn(), d("a/b"));
    QCOMPARE(m_ramme->editSti(), d("a/b"));
    QCOMPARE(aabnet.size(), 1);
}

// A node reached with the keys is taken up exactly as a click: the path
// field, the settings page's names, the path box, and F2's field.
void TestTwinform::tasterVaelgerSomKlik()
{
    Twinform *w = aabn(1);
    vaelgIMappetrae(w, d("a"));
    QTreeView *mapper = w->visning()->mappeStruktur();
    QTest::keyClick(mapper, Qt::Key_Down);   // a → its child b
    QCOMPARE(m_ramme->editSti(), d("a/b"));
    QCOMPARE(w->findChild<QLabel *>("mappenavn")->text(), QStringLiteral("b"));
    QCOMPARE(w->stiboks()->tabText(w->stiboks()->currentIndex()), QStringLiteral("b"));
    w->opdaterKommandoer();
    w->kommando(Kommando::Rename2)->trigger();
    auto *felt = w->findChild<TStedRedigering *>();
    QVERIFY(felt);
    QCOMPARE(felt->text(), QStringLiteral("b"));
    QTest::keyClick(felt, Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<TStedRedigering *>());

    vaelgIMappetrae(w, d("a"));
    TFilModel *filer = w->visning()->filModel();
    QTreeView *filtrae = w->visning()->filStruktur();
    filer->vaelg(0);   // b
    QTest::keyClick(filtrae, Qt::Key_Down);
    QCOMPARE(w->motor()->aktiveStruktur(), Trae::Fil);
    QCOMPARE(m_ramme->editSti(), d("a/c.txt"));
    QCOMPARE(w->findChild<QLabel *>("filnavn")->text(), QStringLiteral("c.txt"));
    QCOMPARE(w->findChild<QLabel *>("elementetsArt")->text(), QStringLiteral("Fil"));
    QCOMPARE(w->funkNo(), int(IdFil));
}

void TestTwinform::kontekstmenuEfterNodeart_data()
{
    QTest::addColumn<QString>("mappe");
    QTest::addColumn<QString>("menu");
    QTest::newRow("mappe") << "a" << "elementMenu";
    QTest::newRow("Windows-mappe") << "Windows" << "";
    QTest::newRow("drev") << "/" << "drevMenu";
}

void TestTwinform::kontekstmenuEfterNodeart()
{
    QFETCH(QString, mappe);
    QFETCH(QString, menu);
    Twinform *w = aabn(1);
    vaelgIMappetrae(w, mappe == "/" ? mappe : d(mappe));
    QMenu *m = w->kontekstmenu(true);
    QCOMPARE(m ? m->objectName() : QString(), menu);
    if (menu == "drevMenu") {
        QStringList punkter;
        for (QAction *a : m->actions())
            punkter << (a->isSeparator() ? "-" : a->objectName());
        QCOMPARE(punkter, QStringList({"Paste", "NyMappe", "-", "Info"}));
    }
    // With the file tree active the folder tree offers nothing; the file
    // tree with nothing selected offers the drive menu.
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->visning()->filModel()->fravaelgAlle();
    QCOMPARE(w->kontekstmenu(true), nullptr);
    QCOMPARE(w->kontekstmenu(false)->objectName(), QStringLiteral("drevMenu"));
}

void TestTwinform::toOverlappendeFunktioner_data()
{
    QTest::addColumn<bool>("besked");
    QTest::addColumn<QStringList>("notifikationer");
    QTest::newRow("besked-centeret") << true
                                     << QStringList({"Information: Der blev kopieret 3 bytes",
                                                     "Information: Der blev slettet 0 bytes"});
    QTest::newRow("uden besked-centeret") << false << QStringList();
}

void TestTwinform::toOverlappendeFunktioner()
{
    QFETCH(bool, besked);
    QFETCH(QStringList, notifikationer);
    m_ramme->v.informerViaBeskedcenter = besked;
    Twinform *w = aabn(1);
    w->begyndFunktion();
    w->begyndFunktion();
    QCOMPARE(m_ramme->v.processCount, 2);
    QVERIFY(!w->funkTilladt());
    QVERIFY(w->linjer()->aktivitetsviser()->koerer());
    w->afslutFunktion(Twinform::Aktivitet::Kopiering, "3 bytes");
    QVERIFY(!w->funkTilladt());
    w->afslutFunktion(Twinform::Aktivitet::Sletning);
    QVERIFY(w->funkTilladt());
    QVERIFY(!w->linjer()->aktivitetsviser()->koerer());
    QCOMPARE(m_ramme->v.processCount, 0);
    QCOMPARE(m_ramme->notifikationer, notifikationer);
}

void TestTwinform::opdateringsmetode()
{
    Twinform *w = aabn(1);
    int nyeMapper = 0;
    w->setArbejde(Kommando::NyMappe, [&] { ++nyeMapper; });
    vaelgIMappetrae(w, d("a"));
    w->begyndFunktion();
    QAction *nyMappe = w->kommando(Kommando::NyMappe);
    QVERIFY(nyMappe->isEnabled());   // non-blocking: it stays open

    const qint64 blaa = w->kommando(Kommando::ActionUpd)->icon().cacheKey();
    w->kommando(Kommando::ActionUpd)->trigger();
    QVERIFY(m_ramme->v.blokerFunktioner);
    QCOMPARE(m_ramme->statuslinje.last(),
             QStringLiteral("Andre funktioner blokeres nu ved aktive tidskrævende funktioner."));
    w->opdaterKommandoer();
    QVERIFY(!nyMappe->isEnabled());
    QVERIFY(w->kommando(Kommando::ActionUpd)->icon().cacheKey() != blaa);

    m_ramme->v.informer = false;
    w->kommando(Kommando::ActionUpd)->trigger();
    QCOMPARE(m_ramme->statuslinje.last(),
             QStringLiteral("Andre funktioner blokeres ikke ved aktive tidskrævende funktioner, og der informeres ikke."));
    QTRY_VERIFY(nyMappe->isEnabled());
    w->afslutFunktion(Twinform::Aktivitet::Anden);
    nyMappe->trigger();
    QCOMPARE(nyeMapper, 1);
}

void TestTwinform::kommandoUdenArbejdeErSlaaetFra()
{
    Twinform *w = aabn(1);
    w->setKopilister([](const QStringList &, const QStringList &) {}, [] { return 2; });
    vaelgIMappetrae(w, d("a"));
    w->opdaterKommandoer();
    // The properties of the selected folder are the window's own work too.
    QVERIFY(w->kommando(Kommando::Info)->isEnabled());
    QVERIFY(w->kommando(Kommando::OpdaterAlle)->isEnabled());
    QVERIFY(w->kommando(Kommando::deselectAll)->isEnabled());
    // Renaming, new folders, deleting and the copy lists are the window's own work.
    for (const Kommando k : {Kommando::Rename2, Kommando::NyMappe, Kommando::DeleteToPapirkurv, Kommando::Paste,
                             Kommando::Copy, Kommando::Cut})
        QVERIFY2(w->kommando(k)->isEnabled(), qPrintable(w->kommando(k)->objectName()));
}

void TestTwinform::favoritterOgBesoegte()
{
    Twinform *w = aabn(1);
    QAction *favorit = w->kommando(Kommando::aInsertFavoritmappe);
    auto gaaTil = [w](const QString &sti) {
        w->motor()->setAktiveStruktur(Trae::Fil);
        w->mappeKontrol(w->motor()->makeStruktur2(sti), true);
        w->opdaterKommandoer();
    };
    gaaTil(d("a"));
    gaaTil(d("Arkiv"));
    gaaTil(d("a"));   // visited again: no new line
    QCOMPARE(w->historieDir()->stier().mid(w->historieDir()->antal() - 2), QStringList({d("a"), d("Arkiv")}));

    QVERIFY(favorit->isEnabled());
    favorit->trigger();
    QCOMPARE(w->FavDir()->GetCaption(0), QStringLiteral("a"));
    QCOMPARE(w->sidebog()->currentIndex(), int(TSidebog::Favoritter));
    QCOMPARE(tekstfil::hent(opt() + "favoritmapper1.txt"), QStringList({"a", d("a")}));
    w->opdaterKommandoer();
    QVERIFY(!favorit->isEnabled());   // nothing new since

    gaaTil("/");
    favorit->trigger();
    QCOMPARE(w->FavDir()->GetCaption(0), QStringLiteral("Drev /"));
    w->mappeKontrol(d("x/noter.txt"), true);
    w->opdaterKommandoer();
    favorit->trigger();
    QCOMPARE(w->FavFiler()->GetCaption(0), QStringLiteral("noter.txt"));
    QCOMPARE(w->sidebog()->favoritside()->currentIndex(), 1);

    // Hiding the favourites page closes the command.
    w->mappeKontrol(d("a"), true);
    w->findChild<QPushButton *>("visFavoritter")->click();
    w->opdaterKommandoer();
    QVERIFY(!favorit->isEnabled());
}

void TestTwinform::tilbageOgFremRunderHjoernet()
{
    Twinform *w = aabn(1);
    TReopenFilerY *h = w->historieDir();
    for (const char *m : {"a", "Arkiv", "x"}) {
        w->motor()->setAktiveStruktur(Trae::Fil);
        w->mappeKontrol(w->motor()->makeStruktur2(d(QLatin1String(m))), true);
    }
    const int sidste = h->antal() - 1;
    const QStringList foer = h->stier();
    h->vaelgLinje(0);
    w->opdaterKommandoer();
    w->kommando(Kommando::Tilbage)->trigger();
    QCOMPARE(h->valgtLinje(), sidste);
    QCOMPARE(m_ramme->editSti(), d("x"));
    w->opdaterKommandoer();
    w->kommando(Kommando::Frem)->trigger();
    QCOMPARE(h->valgtLinje(), 0);
    w->kommando(Kommando::Frem)->trigger();
    QCOMPARE(h->valgtLinje(), 1);
    QCOMPARE(h->stier(), foer);   // stepping through never changes the list
}

void TestTwinform::tasterVirkerOgsaaIFelter()
{
    Twinform *w = aabn(1);
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(d("a")), true);
    w->opdaterKommandoer();
    QLineEdit *felt = w->sidebog()->favoritside()->mappeFelt();
    w->sidebog()->visSide(TSidebog::Favoritter);
    QApplication::setActiveWindow(w);
    felt->setFocus();
    QTRY_VERIFY(felt->hasFocus());
    felt->setText("tekst");
    QTest::keyClick(felt, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(w->visning()->filModel()->antalValgte(), 2);
    QVERIFY(!felt->hasSelectedText());

    // A key no enabled command claims stays with the field.
    w->opdaterKommandoer();
    QVERIFY(!w->kommando(Kommando::selectAlleElementer)->isEnabled());
    QTest::keyClick(felt, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(felt->hasSelectedText());
}

void TestTwinform::stedOmdoebning()
{
    QVERIFY(QDir().mkpath(d("omdoeb/gammel")));
    Twinform *w = aabn(1);
    w->navigation()->setOmdoebInterval(0);
    QStringList kald;
    w->navigation()->setOmdoebning(
        [&](const QString &gammel, const QString &ny, const QModelIndex &) {
            kald << gammel + ">" + ny;
            QDir().rename(d("omdoeb/") + gammel, d("omdoeb/") + ny);
            w->motor()->setMappenavn(d("omdoeb/") + ny);
            return ny;
        },
        [&](const QString &, const QString &, const QModelIndex &) { return QString(); });
    vaelgIMappetrae(w, d("omdoeb/gammel"));
    w->opdaterKommandoer();

    // Escape puts the old name back and renames nothing.
    w->kommando(Kommando::Rename2)->trigger();
    auto *felt = w->findChild<TStedRedigering *>();
    QVERIFY(felt);
    QCOMPARE(felt->text(), QStringLiteral("gammel"));
    QTest::keyClick(felt, Qt::Key_Escape);
    QVERIFY(kald.isEmpty());
    QTRY_VERIFY(!w->findChild<TStedRedigering *>());

    w->kommando(Kommando::Rename2)->trigger();
    felt = w->findChild<TStedRedigering *>();
    QVERIFY(felt);
    felt->setText("ny");
    QTest::keyClick(felt, Qt::Key_Return);
    QCOMPARE(kald, QStringList({"gammel>ny"}));
    QCOMPARE(w->visning()->mappeModel()->tekst(w->visning()->mappeModel()->valgtNode()), QStringLiteral("ny"));
    // The one-shot refresh shows the renamed folder.
    QTRY_COMPARE(m_ramme->editSti(), d("omdoeb/ny"));
    QCOMPARE(w->stiboks()->tabText(w->stiboks()->count() - 1), QStringLiteral("ny"));
}

// A file renamed in place: its row shows the name the engine gave it and
// points at it until the refresh lists the folder again.
void TestTwinform::stedOmdoebningAfFil()
{
    QVERIFY(QDir().mkpath(d("omdoebfil")));
    QVERIFY(tekstfil::gem(d("omdoebfil/gammel.txt"), {"g"}));
    QVERIFY(tekstfil::gem(d("omdoebfil/ny.txt"), {"n"}));
    Twinform *w = aabn(1);
    w->navigation()->setOmdoebInterval(60000);
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->SelectFil(d("omdoebfil/gammel.txt")), true);
    TFilModel *filer = w->visning()->filModel();
    const int raekke = filer->valgtRaekke();
    QVERIFY(raekke >= 0);
    w->opdaterKommandoer();
    w->kommando(Kommando::Rename2)->trigger();
    auto *felt = w->findChild<TStedRedigering *>();
    QVERIFY(felt);
    felt->setText("ny.txt");   // taken: the engine picks a free name
    QTest::keyClick(felt, Qt::Key_Return);
    const QString ny = filer->raekke(raekke).rec.filnavn;
    QVERIFY(ny != d("omdoebfil/gammel.txt") && ny != d("omdoebfil/ny.txt"));
    QVERIFY(QFile::exists(ny));
    QVERIFY(!QFile::exists(d("omdoebfil/gammel.txt")));
    QCOMPARE(filer->raekke(raekke).tekst, stier::getLastDirectory(ny));
    QCOMPARE(w->motor()->filnavn(), ny);
}

void TestTwinform::slipFraSkrivebordet()
{
    Twinform *w = aabn(1);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(d("a")), QUrl::fromLocalFile(d("a/c.txt")),
                  QUrl("https://eksempel.dk/x"), QUrl::fromLocalFile(d("findes-ikke"))});
    const QPoint p = w->rect().center();
    QDragEnterEvent ind(p, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(w, &ind);
    QVERIFY(ind.isAccepted());
    QDropEvent slip(p, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(w, &slip);
    // The local elements that exist register in the copy lists, ticked.
    TKopilister *lister = w->klipbordsKommandoer()->lister();
    QCOMPARE(lister->Mappeliste()->antal(), 1);
    QCOMPARE(lister->Mappeliste()->sti(0), d("a"));
    QCOMPARE(lister->Filliste()->antal(), 1);
    QCOMPARE(lister->Filliste()->sti(0), d("a/c.txt"));
}

// "Overskriv ikke" leaves every taken name alone and the progress box
// closes by itself; the status line says what was left out.
void TestTwinform::saetIndMelderUdeladte()
{
    QVERIFY(QDir().mkpath(d("udeladt/kilde")) && QDir().mkpath(d("udeladt/maal")));
    for (const char *navn : {"en.txt", "to.txt", "tre.txt"}) {
        QVERIFY(tekstfil::gem(d("udeladt/kilde/") + navn, {"ny"}));
        QVERIFY(tekstfil::gem(d("udeladt/maal/") + navn, {"gammel"}));
    }
    Twinform *w = aabn(1);
    w->findChild<QRadioButton *>("saetIndSlet2")->click();   // "Spørg aldrig"
    w->findChild<QRadioButton *>("saetInd0")->click();       // "Overskriv ikke"
    TKlipbord *k = w->klipbordsKommandoer()->klipbord();
    for (const char *navn : {"en.txt", "to.txt", "tre.txt"})
        k->RegisterElements({d("udeladt/kilde/") + navn});
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(d("udeladt/maal")), true);
    w->opdaterKommandoer();
    w->kommando(Kommando::Paste)->trigger();
    QCOMPARE(tekstfil::hent(d("udeladt/maal/to.txt")), QStringList{"gammel"});
    QCOMPARE(m_ramme->statuslinje.last(),
             QStringLiteral("Sæt ind: 0 af 3 filer blev kopieret; 3 fandtes allerede og blev ikke overskrevet."));

    // A paste with nothing left out says nothing of the kind.
    const qsizetype foer = m_ramme->statuslinje.size();
    QVERIFY(tekstfil::gem(d("udeladt/kilde/fire.txt"), {"4"}));
    w->klipbordsKommandoer()->lister()->sletBeggeLister();
    k->RegisterElements({d("udeladt/kilde/fire.txt")});
    w->opdaterKommandoer();
    w->kommando(Kommando::Paste)->trigger();
    QCOMPARE(tekstfil::hent(d("udeladt/maal/fire.txt")), QStringList{"4"});
    QCOMPARE(m_ramme->statuslinje.size(), foer);
}

// With "Auto-opdater efter sæt ind" both trees show the destination; a user
// who pasted into a standard folder of the private section stays there.
void TestTwinform::saetIndViserDestinationenIPrivatafsnittet()
{
    const QString maal = m_hjem->sti() + "/Documents/maal";
    QVERIFY(QDir().mkpath(maal));
    QVERIFY(QDir().mkpath(d("privat")));
    QVERIFY(tekstfil::gem(d("privat/brev.txt"), {"b"}));
    StifinderEgenskaber e;
    e.startPrivat = true;
    QVERIFY(e.GemOpt(opt() + "Stifinder 1.txt"));
    Twinform *w = aabn(1);
    w->findChild<QRadioButton *>("saetIndSlet2")->click();
    QVERIFY(w->findChild<QCheckBox *>("autoOpdater")->isChecked());
    w->klipbordsKommandoer()->klipbord()->RegisterElements({d("privat/brev.txt")});

    TMappeModel *mapper = w->visning()->mappeModel();
    w->motor()->setAktiveStruktur(Trae::Mappe);
    QVERIFY(w->motor()->udfoldStruktur1(maal, true));
    QVERIFY(!w->motor()->valgtIPrivat());
    QVERIFY(w->motor()->udfoldIPrivat(maal));
    QVERIFY(w->motor()->valgtIPrivat());
    QTreeView *trae = w->visning()->mappeStruktur();
    trae->scrollTo(mapper->valgtNode());
    QTest::mouseClick(trae->viewport(), Qt::LeftButton, {}, trae->visualRect(mapper->valgtNode()).center());
    QCOMPARE(m_ramme->editSti(), maal);

    w->opdaterKommandoer();
    w->kommando(Kommando::Paste)->trigger();
    QVERIFY(QFile::exists(maal + "/brev.txt"));
    QVERIFY(w->motor()->valgtIPrivat());
    QCOMPARE(mapper->rec(mapper->valgtNode()).mappe, maal);
    QCOMPARE(w->motor()->mappenavn(), maal);
    TFilModel *filer = w->visning()->filModel();
    QCOMPARE(filer->antal(), 1);
    QCOMPARE(filer->raekke(0).rec.filnavn, maal + "/brev.txt");
}

void TestTwinform::favoritfilKopieresMedSitBillede()
{
    QVERIFY(QDir().mkpath(d("favorit")));
    QVERIFY(tekstfil::gem(d("favorit/sang.mp3"), {"m"}));
    Twinform *w = aabn(1);
    w->FavFiler()->InsertItem(d("favorit/sang.mp3"), "sang.mp3");
    w->FavFiler()->vaelgLinje(0);
    TFavoritside *f = w->sidebog()->favoritside();
    f->opdaterKommandoer();
    f->kommando("fLkopier")->trigger();
    const TKopiliste *liste = w->klipbordsKommandoer()->lister()->Filliste();
    QCOMPARE(liste->antal(), 1);
    QCOMPARE(liste->poster().first().billede, filbilleder::getFilensImageIndex(u"sang.mp3"));
    QVERIFY(liste->poster().first().billede != TKopilister::FilBillede);
}

void TestTwinform::egenskabssiden()
{
    Twinform *w = aabn(1);
    QWidget *linje = w->linjer()->redskabslinje();
    w->findChild<QRadioButton *>("redskabPlacering2")->click();   // "Ude"
    QVERIFY(linje->isHidden());
    w->findChild<QRadioButton *>("redskabPlacering1")->click();   // "Nede"
    QVERIFY(!linje->isHidden());
    QVERIFY(linje->y() > w->visning()->y());
    w->findChild<QRadioButton *>("fanePlacering2")->click();      // "Højre"
    QCOMPARE(w->sidebog()->tabPosition(), QTabWidget::East);

    QCheckBox *alle = w->findChild<QCheckBox *>("alleMarkerknapper");
    alle->click();
    QVERIFY(w->findChild<QToolButton *>("selectAlleElementerKnap")->isVisibleTo(w));
    QVERIFY(!w->findChild<QToolButton *>("aSelectButtonKnap")->isVisibleTo(w));
    QCOMPARE(w->kommando(Kommando::selectAlleElementer)->text(), QString());

    w->findChild<QCheckBox *>("visSkjulte")->click();
    QVERIFY(w->motor()->showHidden());
    w->findChild<QPushButton *>("visBesoegte")->click();
    QVERIFY(!w->sidebog()->isTabVisible(TSidebog::Besoegte));
    QCOMPARE(w->findChild<QPushButton *>("visBesoegte")->text(), QStringLiteral("Skjult"));

    const StifinderEgenskaber e = w->samlEgenskaber();
    QCOMPARE(e.redskabPlacering, 1);
    QCOMPARE(e.fanePlacering, 2);
    QVERIFY(e.alleMarkerknapper && e.visSkjulte && !e.visBesoegte);
}

void TestTwinform::sidernesBeskeder()
{
    Twinform *w = aabn(1);
    THistorieside *h = w->sidebog()->historieside();
    h->kommando("hHent")->trigger();
    QCOMPARE(m_ramme->beskeder.informationer.last(), QStringLiteral("Der blev ikke fundet en gemt historieliste."));

    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(d("a")), true);
    QVERIFY(h->kommando("hGem")->isEnabled());
    h->kommando("hGem")->trigger();
    QCOMPARE(m_ramme->statuslinje.last(), QStringLiteral("Listen er gemt!"));
    QVERIFY(!h->kommando("hGem")->isEnabled());
    QVERIFY(QFile::exists(opt() + "historiemapper1.txt"));

    // Favourites: a caption renamed from its field, then a structure of
    // favourites that are all gone.
    QVERIFY(QDir().mkpath(d("kortvarig")));
    w->FavDir()->InsertItem(d("kortvarig"), "kortvarig");
    TFavoritside *f = w->sidebog()->favoritside();
    w->FavDir()->vaelgLinje(0);
    f->mappeFelt()->setText("Midlertidig");
    QTest::keyClick(f->mappeFelt(), Qt::Key_Return);
    QCOMPARE(w->FavDir()->GetCaption(0), QStringLiteral("Midlertidig"));
    QCOMPARE(tekstfil::hent(opt() + "favoritmapper1.txt"), QStringList({"Midlertidig", d("kortvarig")}));
    QVERIFY(f->mappeFelt()->text().isEmpty());

    QVERIFY(QDir(d("kortvarig")).removeRecursively());
    f->kommando("fStruktur")->trigger();
    QCOMPARE(m_ramme->beskeder.informationer.last(),
             QStringLiteral("Der blev ikke fundet eksisterende emner i favoritlisten."));
    f->kommando("fKopier")->trigger();   // a favourite that is gone cannot be copied
    QCOMPARE(m_ramme->beskeder.informationer.last(), QStringLiteral("Mappen kunne ikke findes.\rSlet eventuelt valgte element."));
    QCOMPARE(w->klipbordsKommandoer()->lister()->getElementAntal(), 0);
}

// The visited, favourites and find pages are built when first asked for,
// not with the window. Each then shows what came before: the favourites
// page the settings chose, a visited list that changed since the window
// opened, and the current folder.
void TestTwinform::siderByggesNaarDeVises()
{
    StifinderEgenskaber e;
    e.favoritSide = 1;
    QVERIFY(e.GemOpt(opt() + "Stifinder 1.txt"));
    Twinform *w = aabn(1);
    TSidebog *bog = w->sidebog();
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(d("a")), true);
    for (int side : {TSidebog::Besoegte, TSidebog::Favoritter, TSidebog::Soeg})
        QVERIFY(!bog->erBygget(side));
    QCOMPARE(w->samlEgenskaber().favoritSide, 1);

    QCOMPARE(bog->favoritside()->currentIndex(), 1);
    QVERIFY(bog->historieside()->kommando("hGem")->isEnabled());
    bog->favoritside()->setCurrentIndex(0);
    QCOMPARE(w->samlEgenskaber().favoritSide, 0);

    // Chosen by its tab, the find page is built and shown whole at once.
    bog->setCurrentIndex(TSidebog::Soeg);
    QVERIFY(bog->erBygget(TSidebog::Soeg));
    QVERIFY(bog->soegMappe()->isVisible());
    QCOMPARE(bog->soegMappe()->text(), QStringLiteral("a"));
}

QTEST_MAIN(TestTwinform)
#include "tst_twinform.moc"
