#include "engines/strukturrec.h"
#include "engines/tfilmodel.h"
#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tmappemodel.h"
#include "engines/tmetodecompo.h"
#include "engines/tpasteobjekt.h"
#include "engines/tstrukturcompo.h"

#include "fakebekraeftelse.h"
#include "fakedialogs.h"
#include "fakekonflikt.h"
#include "fakeprogress.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace testfiler;

namespace {

QStringList stier(const TKopiliste *liste)
{
    QStringList ud;
    for (const TKopiliste::Post &p : liste->poster())
        ud.append(p.sti);
    return ud;
}

// One explorer window's engines without the window: tree models, the
// operations object, a paste driver with recording windows and its
// clipboard side over the given lists.
struct Vindue
{
    FakeDialogs dialogs;
    FakeKonflikt konflikt;
    FakeBekraeftelse bekraeftelse;
    FakeProgress progress;
    FakeProgress sletning;
    TMappeModel mapper;
    TFilModel filer;
    TMetodeCompo metode{&dialogs};
    TPasteObjekt paste{TPasteCompo::Vinduer{&dialogs, &konflikt, &bekraeftelse, &progress, &sletning}};
    TKlipbord klipbord;
    TKlipbord::Valg valg;

    explicit Vindue(TKopilister *lister)
        : klipbord(&metode, lister, &paste, &dialogs)
    {
        metode.StrukturY->setStruktur1(&mapper);
        metode.StrukturY->setStruktur2(&filer);
        valg.saetIndSlet = 2;
        valg.saetInd = 0;
        valg.navn = "Stifinder 1";
    }

    // Selects the folder in the folder tree and makes that tree active.
    void vaelgMappe(const QString &sti)
    {
        const QModelIndex node = mapper.tilfoejNode({}, QFileInfo(sti).fileName(), 0, StrukturRec{sti, {}, IdMappe});
        mapper.vaelg(node);
        metode.StrukturY->setAktiveStruktur(Trae::Mappe);
    }

    // Lists `mappe` in the file tree, selects the rows named and makes that
    // tree active.
    void vaelgIFiltrae(const QString &mappe, const QStringList &navne)
    {
        metode.StrukturY->makeStruktur2(mappe);
        QList<int> raekker;
        for (int r = 0; r < filer.antal(); ++r)
            if (navne.contains(filer.raekke(r).tekst))
                raekker.append(r);
        filer.vaelgFlere(raekker);
        metode.StrukturY->setAktiveStruktur(Trae::Fil);
    }
};

} // namespace

class TestKopilister : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void tilfoejOgRegistrer();
    void mangeIEnOmgang();
    void valgtAntalOgRaekkerAfOverlappendeValg();
    void listevinduetsKommandoer();
    void kopierFraMappetrae();
    void kopierFraFiltrae();
    void destination();
    void indsaetSpringerDestinationenOverOgFjernerForsvundne();
    void indsaetUdenPosterEllerDestination();
    void rydVedBekraeftelseOgGendan();
    void flytteflagetGaelderAlleMarkerede();
    void delteOgEgneLister();
    void overfoerRegel_data();
    void overfoerRegel();
    void stoerrelsenBeregnesIBaggrunden();
};

void TestKopilister::tilfoejOgRegistrer()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("M/f")));
    TKopilister l("Stifinder 1");
    QSignalSpy antal(&l, &TKopilister::antalAendret);

    QVERIFY(l.CopyListAdd(1, 4, dir.filePath("M"), true));
    QVERIFY(!l.CopyListAdd(1, 4, dir.filePath("M"), false));
    // Linux names differ by case: another spelling is another element.
    QVERIFY(l.CopyListAdd(1, 4, dir.filePath("m"), false));
    QVERIFY(l.RegisterElements(dir.filePath("M/f")));
    QVERIFY(l.RegisterElements(dir.filePath("M") + "/"));
    QVERIFY(!l.RegisterElements(dir.filePath("væk")));
    QCOMPARE(stier(l.Mappeliste()), (QStringList{dir.filePath("M"), dir.filePath("m")}));
    QCOMPARE(stier(l.Filliste()), QStringList{dir.filePath("M/f")});
    QCOMPARE(l.Filliste()->poster().first().billede, 2);
    QCOMPARE(l.getElementAntal(), 2);
    QCOMPARE(antal.size(), 3);
    QCOMPARE(antal.last(), (QList<QVariant>{2, 1}));

    // A path read back loses one trailing line feed, then one return.
    l.CopyListAdd(2, 6, dir.filePath("M/f2") + "\r\n", true);
    QCOMPARE(l.Filliste()->sti(1), dir.filePath("M/f2"));
    QCOMPARE(l.Filliste()->data(l.Filliste()->index(1, 0), TKopiliste::Billede).toInt(), 6);
    QCOMPARE(l.Mappeliste()->headerData(1, Qt::Horizontal).toString(), QString("Mappenavn"));
}

// A selection of many rows, a drop or a restore reaches the lists as one
// change, and a path already there (also earlier in the same batch) stays
// out as it does one by one.
void TestKopilister::mangeIEnOmgang()
{
    QTemporaryDir dir;
    const int Filer = 300;
    for (int i = 0; i < Filer; ++i)
        QVERIFY(lavFil(dir.filePath(QString("D/f%1.txt").arg(i))));
    for (const char *m : {"D/A", "D/B"})
        QDir().mkpath(dir.filePath(m));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    v.metode.StrukturY->makeStruktur2(dir.filePath("D"));
    QVERIFY(QFile::remove(dir.filePath("D/f7.txt")));   // its row stays in the tree
    v.filer.vaelgAlle();
    v.metode.StrukturY->setAktiveStruktur(Trae::Fil);
    QSignalSpy antal(&l, &TKopilister::antalAendret);
    QSignalSpy filraekker(l.Filliste(), &QAbstractItemModel::rowsInserted);

    QCOMPARE(v.klipbord.CopyElementer(), Filer + 2);
    QCOMPARE(antal.size(), 1);
    QCOMPARE(antal.last(), (QList<QVariant>{2, Filer - 1}));
    QCOMPARE(filraekker.size(), 1);
    QVERIFY(!stier(l.Filliste()).contains(dir.filePath("D/f7.txt")));
    QCOMPARE(l.getElementAntal(), Filer + 1);

    // The same selection again adds nothing and tells nobody.
    QCOMPARE(v.klipbord.CopyElementer(), Filer + 2);
    QCOMPARE(antal.size(), 1);
    QCOMPARE(l.Filliste()->antal(), Filer - 1);

    // Duplicates inside one batch; a path with a trailing line feed is
    // another path until it is read back without it.
    TKopiliste *m = l.Mappeliste();
    QCOMPARE(m->tilfoejFlere({{4, "/x", true}, {4, "/x", false}, {4, "/x\n", true}, {4, "/y", true}}), 3);
    QCOMPARE(antal.size(), 2);
    QVERIFY(!m->tilfoej(4, "/x", true));
    m->fjern(m->antal() - 3);   // "/x" goes, "/x\n" still reads back as "/x"
    QVERIFY(!m->tilfoej(4, "/x", true));
    QVERIFY(m->tilfoej(4, "/x\n", true));

    // Many paths registered at once; elements that are neither are left out.
    TKopilister drop("Stifinder 2");
    QSignalSpy dropAntal(&drop, &TKopilister::antalAendret);
    const QStringList slippede{dir.filePath("D/f1.txt"), dir.filePath("D/A/"), dir.filePath("D/f7.txt"),
                               dir.filePath("D/f2.txt"), dir.filePath("D/f1.txt")};
    QCOMPARE(drop.RegisterElements(slippede), 4);
    QCOMPARE(dropAntal.size(), 1);
    QCOMPARE(stier(drop.Filliste()), (QStringList{dir.filePath("D/f1.txt"), dir.filePath("D/f2.txt")}));
    QCOMPARE(stier(drop.Mappeliste()), QStringList{dir.filePath("D/A")});

    // Transfer and removal of many are one change each too.
    QCOMPARE(l.overfoerTil(drop), Filer - 1 + 2 - 3);
    QCOMPARE(dropAntal.size(), 2);
    l.Filliste()->setMarkeret(5, false);
    const qsizetype foer = antal.size();
    l.ClearCopyLister();
    QCOMPARE(antal.size(), foer + 1);
    QCOMPARE(l.Filliste()->antal(), 1);
    QCOMPARE(l.Mappeliste()->antal(), 0);
    // Removed paths can come back.
    QVERIFY(l.CopyListAdd(1, 4, dir.filePath("D/A"), true));
}

// The window asks for the count of selected rows on every change; it is
// read from the selection's ranges, which may overlap after extending.
void TestKopilister::valgtAntalOgRaekkerAfOverlappendeValg()
{
    TFilModel filer;
    std::vector<FilRaekke> raekker;
    for (int i = 0; i < 10; ++i)
        raekker.push_back(FilRaekke{QString::number(i), StrukturRec{{}, "/" + QString::number(i), IdFil}, 2});
    filer.saet(std::move(raekker));
    QCOMPARE(filer.antalValgte(), 0);
    QCOMPARE(filer.valgtRaekke(), -1);
    filer.vaelgFlere({8, 1, 2, 5});
    filer.valg()->select(QItemSelection(filer.index(4), filer.index(6)), QItemSelectionModel::Select);
    filer.valg()->select(QItemSelection(filer.index(2), filer.index(2)), QItemSelectionModel::Select);
    QCOMPARE(filer.valgteRaekker(), (QList<int>{1, 2, 4, 5, 6, 8}));
    QCOMPARE(filer.antalValgte(), 6);
    filer.fravaelg(8);
    filer.valg()->clearCurrentIndex();
    QCOMPARE(filer.valgtRaekke(), 1);
    QCOMPARE(filer.antalValgte(), 5);
    filer.vaelgAlle();
    QCOMPARE(filer.antalValgte(), 10);
}

void TestKopilister::listevinduetsKommandoer()
{
    TKopilister l("Stifinder 1");
    for (const char *s : {"/a", "/b", "/c", "/d"})
        l.CopyListAdd(1, 4, s, true);
    TKopiliste *m = l.Mappeliste();
    m->setData(m->index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
    QCOMPARE(l.getElementAntal(), 3);

    // "Fjern": only rows both selected and ticked go; the row after the
    // last removed one is selected.
    QCOMPARE(m->fjernValgteMarkerede({1, 2}), 2);
    QCOMPARE(stier(m), (QStringList{"/a", "/b", "/d"}));
    QCOMPARE(m->fjernValgteMarkerede({2}), 1);   // past the end: the row above
    QCOMPARE(m->fjernValgteMarkerede({1}), -1);  // unticked: stays
    QCOMPARE(stier(m), (QStringList{"/a", "/b"}));

    m->markerAlle(false);
    QCOMPARE(l.getElementAntal(), 0);
    m->markerAlle(true);
    m->setMarkeret(0, false);
    m->fjernMarkerede();   // "Ryd"
    QCOMPARE(stier(m), QStringList{"/a"});

    QSignalSpy vist(&l, &TKopilister::stoerrelseVist);
    l.CopyListAdd(2, 2, "/f", false);
    l.sletBeggeLister();
    QCOMPARE(m->antal() + l.Filliste()->antal(), 0);
    QCOMPARE(vist.size(), 1);
}

void TestKopilister::kopierFraMappetrae()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("M"));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    QSignalSpy vis(&v.klipbord, &TKlipbord::visKlipbordOensket);
    QSignalSpy indstillinger(&v.klipbord, &TKlipbord::visIndstillingerOensket);
    v.vaelgMappe(dir.filePath("M"));
    v.metode.setBoolVisKlipbord(true);
    v.valg.gaaTilIndstillinger = true;

    v.klipbord.KopierElementer(true, v.valg);
    QVERIFY(v.metode.FlytElementer);
    QCOMPARE(stier(l.Mappeliste()), QStringList{dir.filePath("M")});
    QCOMPARE(vis.size(), 1);
    QCOMPARE(indstillinger.size(), 1);
    v.klipbord.KopierElementer(false, v.valg);
    QVERIFY(!v.metode.FlytElementer);
    QCOMPARE(l.Mappeliste()->antal(), 1);
}

void TestKopilister::kopierFraFiltrae()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("D/billede.png")));
    QVERIFY(lavFil(dir.filePath("D/tekst.txt")));
    QDir().mkpath(dir.filePath("D/Under"));
    TKopilister l("Stifinder 1");
    Vindue v(&l);

    v.vaelgIFiltrae(dir.filePath("D"), {"billede.png", "Under"});
    QCOMPARE(v.klipbord.CopyElementer(), 2);
    QCOMPARE(stier(l.Filliste()), QStringList{dir.filePath("D/billede.png")});
    QCOMPARE(l.Filliste()->poster().first().billede, 3);
    QCOMPARE(stier(l.Mappeliste()), QStringList{dir.filePath("D/Under")});

    v.metode.StrukturY->makeStruktur2(dir.filePath("tom-findes-ikke"));
    v.filer.ryd();
    QCOMPARE(v.klipbord.CopyElementer(), 0);
    QCOMPARE(v.dialogs.informationer,
             QStringList{"Der er ikke valgt elementer til kopiering.\rDer skal vælges elementer til kopiering."});
}

void TestKopilister::destination()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("D/fil")));
    QDir().mkpath(dir.filePath("D/Under"));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    v.metode.StrukturY->setAktiveStruktur(Trae::Mappe);
    QCOMPARE(v.klipbord.getDestination(), QString());
    v.vaelgMappe(dir.filePath("D"));
    QCOMPARE(v.klipbord.getDestination(), dir.filePath("D"));

    v.vaelgIFiltrae(dir.filePath("D"), {"Under"});
    QCOMPARE(v.klipbord.getDestination(), dir.filePath("D/Under"));
    v.vaelgIFiltrae(dir.filePath("D"), {"fil"});
    QCOMPARE(v.klipbord.getDestination(), dir.filePath("D"));
    QDir(dir.filePath("D")).removeRecursively();
    QCOMPARE(v.klipbord.getDestination(), QString());
}

void TestKopilister::indsaetSpringerDestinationenOverOgFjernerForsvundne()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("Dest/x")));
    QVERIFY(lavFil(dir.filePath("A/a")));
    QVERIFY(lavFil(dir.filePath("f1")));
    QVERIFY(lavFil(dir.filePath("f2")));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    for (const char *m : {"A", "Dest", "Borte"})
        l.CopyListAdd(1, 4, dir.filePath(m), true);
    for (const char *f : {"f1", "borte.txt", "f2"})
        l.CopyListAdd(2, 2, dir.filePath(f), true);
    l.CopyListAdd(2, 2, dir.filePath("ikke-markeret-og-borte"), false);
    v.vaelgMappe(dir.filePath("Dest"));

    QVERIFY(v.klipbord.PasteExecute(v.valg));
    // The lists are handed over in reverse order, the destination left out.
    QCOMPARE(v.paste.PasteMapper, QStringList{dir.filePath("A")});
    QCOMPARE(v.paste.PasteFiler, (QStringList{dir.filePath("f2"), dir.filePath("f1")}));
    QCOMPARE(QDir(dir.filePath("Dest")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{"A", "f1", "f2", "x"}));
    QCOMPARE(stier(l.Mappeliste()), (QStringList{dir.filePath("A"), dir.filePath("Dest")}));
    QCOMPARE(stier(l.Filliste()),
             (QStringList{dir.filePath("f1"), dir.filePath("f2"), dir.filePath("ikke-markeret-og-borte")}));
    QCOMPARE(v.progress.caption, QString("Stifinder 1 kopierer valgte elementer"));
    QCOMPARE(v.klipbord.getResult(), QString("3 filer: 3 bytes"));

    // The destination as the only entry: nothing to paste.
    l.Mappeliste()->setMarkeret(0, false);
    l.Filliste()->markerAlle(false);
    QVERIFY(!v.klipbord.PasteExecute(v.valg));
    QCOMPARE(v.dialogs.informationer,
             (QStringList{"Der mangler elementer til kopiering.\rKilde og destination er muligvist den samme eller "
                          "der mangler elementer i Klipbordet.",
                          "Der er ingen gyldige elementer i Klipbordet.\rIndsæt elementer og prøv igen."}));
}

void TestKopilister::indsaetUdenPosterEllerDestination()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("f")));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    QVERIFY(!v.klipbord.PasteExecute(v.valg));
    l.CopyListAdd(2, 2, dir.filePath("f"), true);
    v.metode.StrukturY->setAktiveStruktur(Trae::Mappe);
    QVERIFY(!v.klipbord.PasteExecute(v.valg));
    QCOMPARE(v.dialogs.informationer,
             (QStringList{"Der er ingen elementer i Klipbordet.\rVælg elementer og prøv igen.",
                          "Der mangler en destination for \"Sæt-ind\" funktionen.\rVælg mappen, hvor elementerne "
                          "skal kopieres til og prøv igen."}));
    QCOMPARE(l.Filliste()->antal(), 1);
}

void TestKopilister::rydVedBekraeftelseOgGendan()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Dest"));
    QVERIFY(lavFil(dir.filePath("A/a")));
    QVERIFY(lavFil(dir.filePath("f")));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    l.RegisterElements(dir.filePath("A"));
    l.RegisterElements(dir.filePath("f"));
    l.CopyListAdd(2, 2, dir.filePath("umarkeret"), false);
    v.vaelgMappe(dir.filePath("Dest"));
    v.valg.saetIndSlet = 0;
    v.valg.rydLister = true;
    v.valg.gaaTilIndstillinger = true;
    QVERIFY(!v.klipbord.kanGendanne());

    // Declined: nothing changes.
    v.bekraeftelse.svar.enqueue(false);
    QVERIFY(!v.klipbord.PasteExecute(v.valg));
    QCOMPARE(l.getElementAntal(), 2);

    v.bekraeftelse.svar.enqueue(true);
    QVERIFY(v.klipbord.PasteExecute(v.valg));
    QCOMPARE(stier(l.Mappeliste()), QStringList());
    QCOMPARE(stier(l.Filliste()), QStringList{dir.filePath("umarkeret")});
    QVERIFY(QFileInfo::exists(dir.filePath("Dest/A/a")));

    QSignalSpy indstillinger(&v.klipbord, &TKlipbord::visIndstillingerOensket);
    QVERIFY(v.klipbord.kanGendanne());
    v.klipbord.klipbordsGendannelse(v.valg);
    QCOMPARE(stier(l.Mappeliste()), QStringList{dir.filePath("A")});
    QCOMPARE(stier(l.Filliste()), (QStringList{dir.filePath("umarkeret"), dir.filePath("f")}));
    QCOMPARE(indstillinger.size(), 1);
}

void TestKopilister::flytteflagetGaelderAlleMarkerede()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("K/a")));
    QVERIFY(lavFil(dir.filePath("K/b")));
    QDir().mkpath(dir.filePath("Dest"));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    v.vaelgIFiltrae(dir.filePath("K"), {"a"});
    v.klipbord.KopierElementer(true, v.valg);
    v.vaelgIFiltrae(dir.filePath("K"), {"b"});
    v.klipbord.KopierElementer(false, v.valg);   // Copy clears the flag for both
    v.vaelgMappe(dir.filePath("Dest"));
    QVERIFY(v.klipbord.PasteExecute(v.valg));
    QVERIFY(QFileInfo::exists(dir.filePath("K/a")) && QFileInfo::exists(dir.filePath("K/b")));
    QVERIFY(QFileInfo::exists(dir.filePath("Dest/a")) && QFileInfo::exists(dir.filePath("Dest/b")));

    // After Cut the paste moves, and the flag stays for the next paste.
    QDir(dir.filePath("Dest")).removeRecursively();
    QDir().mkpath(dir.filePath("Dest"));
    v.metode.setFlytElementer(true);
    QVERIFY(v.klipbord.PasteExecute(v.valg));
    QVERIFY(!QFileInfo::exists(dir.filePath("K/a")));
    QVERIFY(QFileInfo::exists(dir.filePath("Dest/a")));
    QVERIFY(v.metode.FlytElementer);
}

void TestKopilister::delteOgEgneLister()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("f")));
    QVERIFY(lavFil(dir.filePath("g")));
    QDir().mkpath(dir.filePath("M"));

    // Shared: what one window copies, the other sees; the move flag is each
    // window's own.
    TKopilister faelles("Stifinder 1");
    Vindue v1(&faelles), v2(&faelles);
    v1.vaelgIFiltrae(dir.path(), {"f"});
    v1.klipbord.KopierElementer(true, v1.valg);
    QCOMPARE(v2.klipbord.lister()->getElementAntal(), 1);
    QVERIFY(v1.metode.FlytElementer && !v2.metode.FlytElementer);
    QVERIFY(v1.metode.Klipbord == v2.metode.Klipbord);
    QVERIFY(!TKlipbord::kanOverfoere(true, true, 2, 1, 0));

    // Own lists: a transfer adds the ticked, existing entries once.
    TKopilister egne1("Stifinder 1"), egne2("Stifinder 2");
    Vindue w1(&egne1), w2(&egne2);
    egne1.CopyListAdd(2, 6, dir.filePath("f") + " ", true);
    egne1.CopyListAdd(2, 2, dir.filePath("g"), false);
    egne1.CopyListAdd(2, 2, dir.filePath("borte"), true);
    egne1.CopyListAdd(1, 4, dir.filePath("M"), true);
    egne2.CopyListAdd(1, 4, dir.filePath("M"), true);
    // Entries whose path names the other kind of element stay behind.
    egne1.CopyListAdd(1, 4, dir.filePath("g"), true);
    egne1.CopyListAdd(2, 2, dir.filePath("M"), true);
    w1.klipbord.kopierKlipbordsdata({&w1.klipbord, &w2.klipbord});
    QCOMPARE(stier(egne2.Mappeliste()), QStringList{dir.filePath("M")});
    QCOMPARE(stier(egne2.Filliste()), QStringList{dir.filePath("f")});
    QCOMPARE(egne2.Filliste()->poster().first().billede, 6);
    QCOMPARE(stier(egne1.Filliste()).size(), 4);   // the sender keeps its entries

    // Switching a window to the shared lists: its size computation follows.
    w2.klipbord.setLister(&faelles);
    QVERIFY(w2.metode.Klipbord == &faelles);
}

void TestKopilister::overfoerRegel_data()
{
    QTest::addColumn<bool>("delt");
    QTest::addColumn<bool>("aktiver");
    QTest::addColumn<int>("vinduer");
    QTest::addColumn<int>("poster");
    QTest::addColumn<int>("processer");
    QTest::addColumn<bool>("tilladt");
    QTest::newRow("alt i orden") << false << true << 2 << 1 << 0 << true;
    QTest::newRow("fælles klipbord") << true << true << 2 << 1 << 0 << false;
    QTest::newRow("ikke aktiveret") << false << false << 2 << 1 << 0 << false;
    QTest::newRow("kun én stifinder") << false << true << 1 << 1 << 0 << false;
    QTest::newRow("ingen poster") << false << true << 3 << 0 << 0 << false;
    QTest::newRow("en funktion kører") << false << true << 2 << 1 << 1 << false;
}

void TestKopilister::overfoerRegel()
{
    QFETCH(bool, delt);
    QFETCH(bool, aktiver);
    QFETCH(int, vinduer);
    QFETCH(int, poster);
    QFETCH(int, processer);
    QFETCH(bool, tilladt);
    QCOMPARE(TKlipbord::kanOverfoere(delt, aktiver, vinduer, poster, processer), tilladt);
}

void TestKopilister::stoerrelsenBeregnesIBaggrunden()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("M/a"), QByteArray(1000, 'a')));
    QVERIFY(lavFil(dir.filePath("M/U/b"), QByteArray(24, 'b')));
    QVERIFY(lavFil(dir.filePath("f"), QByteArray(1024, 'f')));
    TKopilister l("Stifinder 1");
    Vindue v(&l);
    l.RegisterElements(dir.filePath("M"));
    l.RegisterElements(dir.filePath("f"));
    l.CopyListAdd(1, 4, dir.filePath("borte"), true);
    QSignalSpy vist(&l, &TKopilister::stoerrelseVist);
    QSignalSpy felt(&v.klipbord, &TKlipbord::stoerrelsesfelt);

    v.metode.getSizeOfKlipbord();
    QCOMPARE(vist.first(), (QList<QVariant>{"?", "?", "?", "Beregner..."}));
    QCOMPARE(stier(l.Mappeliste()), QStringList{dir.filePath("M")});
    QVERIFY(QSignalSpy(&v.metode, &TMetoder::klipbordBeregnet).wait(5000));
    QCOMPARE(vist.last(), (QList<QVariant>{"2,00 KB (2.048 bytes)", "2", "3", ""}));
    QCOMPARE(felt.last(), QList<QVariant>{"2,00 KB  Filer: 3"});
}

QTEST_GUILESS_MAIN(TestKopilister)
#include "tst_kopilister.moc"
