#include "../platform/falskmaskine.h"

#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "platform/tekstfil.h"

#include "fakedialogs.h"
#include "testmiljoe.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

namespace {

QModelIndex find(const TMappeModel &m, const QString &mappe)
{
    for (const QModelIndex &n : m.alleNoder()) {
        if (m.rec(n).mappe == mappe)
            return n;
    }
    return {};
}

QStringList tekster(const TMappeModel &m, const QModelIndex &foraelder = {})
{
    QStringList ud;
    for (int i = 0; i < m.rowCount(foraelder); ++i)
        ud << m.tekst(m.index(i, 0, foraelder));
    return ud;
}

} // namespace

class TestMappetrae : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void drevRaekker();
    void privatSektion();
    void skjulteOgBeskyttedeMapper_data();
    void skjulteOgBeskyttedeMapper();
    void danskNavneorden();
    void beskyttetUnderRoden();
    void cdUdenMapperBliverTom();
    void udfoldStruktur1_data();
    void udfoldStruktur1();
    void udfoldStruktur1UdenGyldigSti();
    void niveaustruktur();
    void niveaustrukturDrevRaekkefoelge();
    void punktstruktur();
    void udfoldMappe();
    void gemOgHentMedSammenfoldetGren();
    void hentUdenGemtStruktur();
    void drevmenu();

private:
    FalskMaskine m_maskine;
    QString m_hjem;
    QString T;   // the fixture folder of the trees
    TMappeModel *m_mapper = nullptr;
    TFilModel *m_filer = nullptr;
    TStrukturCompo *m_motor = nullptr;
    FakeDialogs m_dialogs;
};

void TestMappetrae::initTestCase()
{
    saetDanskLocale();
    T = m_maskine.rod() + "/trae";
    for (const char *d : {"A/B", "A/C", "x/.skjult", "x/gemt", "x/synlig", "x/PROGRAM FILES", "x/windows",
                          "ann/Skrivebord", "ann/Dokumenter", "ann/Favoritter", "dk/ål", "dk/øl", "dk/æble",
                          "dk/Uge 10", "dk/Uge 9"})
        QDir().mkpath(T + '/' + QString::fromUtf8(d));
    FalskMaskine::skriv(T + "/x/.hidden", "gemt\n");
    FalskMaskine::skriv(T + "/x/fil.txt", "");
    m_hjem = T + "/ann";
    QDir().mkpath(m_hjem + "/.config");
    FalskMaskine::skriv(m_hjem + "/.config/user-dirs.dirs",
                        "XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\"\n"
                        "XDG_MUSIC_DIR=\"$HOME/\"\n");
}

void TestMappetrae::init()
{
    delete m_motor;
    delete m_mapper;
    delete m_filer;
    m_mapper = new TMappeModel;
    m_filer = new TFilModel;
    m_motor = new TStrukturCompo;
    m_motor->setStruktur1(m_mapper);
    m_motor->setStruktur2(m_filer);
    m_motor->setDialogs(&m_dialogs);
    m_motor->setBrugernavn("ann");
    m_motor->setDrevKilder(m_maskine.kilder);
    m_motor->setSpecialMapper(SpecialMapper(m_hjem, m_hjem + "/.config", m_hjem + "/.local/share"));
    m_dialogs = FakeDialogs();
}

void TestMappetrae::drevRaekker()
{
    QCOMPARE(m_motor->makeStruktur1(), QString("/"));
    QCOMPARE(tekster(*m_mapper), (QStringList{" (/)", "Diskdrev(" + m_maskine.cd() + ")",
                                              "DATA (" + m_maskine.data() + ")",
                                              "MIN USB (" + m_maskine.usb() + ")"}));
    QList<int> billeder;
    for (int i = 0; i < m_mapper->rowCount(); ++i) {
        const QModelIndex n = m_mapper->index(i, 0);
        billeder << m_mapper->billede(n);
        QCOMPARE(m_mapper->rec(n).ID, int(IdDrev));
        QVERIFY(m_mapper->rec(n).filnavn.isEmpty());
    }
    QCOMPARE(billeder, (QList<int>{1, 12, 2, 2}));
    QCOMPARE(m_mapper->valgtNode(), m_mapper->foersteNode());
    QCOMPARE(m_motor->getDrevType(m_maskine.ram() + "/"), int(Drev::Ram));
    QCOMPARE(m_motor->getVolumeLabel(m_maskine.data()), QString("DATA"));
}

void TestMappetrae::privatSektion()
{
    m_motor->setShowPrivate(true);
    m_motor->makePreDrives();
    const QModelIndex bruger = m_mapper->foersteNode();
    QCOMPARE(m_mapper->tekst(bruger), QString("ann"));
    QCOMPARE(m_mapper->billede(bruger), 11);
    QCOMPARE(m_mapper->rec(bruger).mappe, m_hjem);
    QCOMPARE(m_mapper->rec(bruger).ID, int(IdPrivat));
    QVERIFY(m_mapper->erUdfoldet(bruger));
    // Music points at the home itself and Pictures does not exist: left out.
    QCOMPARE(tekster(*m_mapper, bruger), (QStringList{"Skrivebord", "Dokumenter", "Favoritter"}));
    QList<int> billeder;
    for (int i = 0; i < 3; ++i) {
        billeder << m_mapper->billede(m_mapper->index(i, 0, bruger));
        QCOMPARE(m_mapper->rec(m_mapper->index(i, 0, bruger)).ID, int(IdPrivat));
    }
    QCOMPARE(billeder, (QList<int>{9, 6, 10}));
    QCOMPARE(m_mapper->rowCount(), 5);
    QCOMPARE(m_mapper->tekst(m_mapper->index(1, 0)), QString(" (/)"));

    // Walking to a folder starts at the drives, below the private section.
    QVERIFY(m_motor->udfoldStruktur1(T + "/A/B", true));
    QCOMPARE(m_mapper->rec(m_mapper->valgtNode()).mappe, T + "/A/B");
    QCOMPARE(m_mapper->tekst(m_mapper->foersteNode()), QString("ann"));

    // One drive with the private section: the section comes collapsed.
    m_motor->makeDrive(m_maskine.data());
    QCOMPARE(tekster(*m_mapper), (QStringList{"ann", "DATA (" + m_maskine.data() + ")"}));
    QVERIFY(!m_mapper->erUdfoldet(m_mapper->foersteNode()));
}

void TestMappetrae::skjulteOgBeskyttedeMapper_data()
{
    QTest::addColumn<bool>("visSkjulte");
    QTest::addColumn<QStringList>("boern");
    QTest::addColumn<QList<int>>("id");
    QTest::newRow("hidden off") << false << QStringList{"PROGRAM FILES", "synlig", "windows"}
                                << QList<int>{5, 0, 5};
    QTest::newRow("hidden on") << true << QStringList{".skjult", "gemt", "PROGRAM FILES", "synlig", "windows"}
                               << QList<int>{0, 0, 5, 0, 5};
}

void TestMappetrae::skjulteOgBeskyttedeMapper()
{
    QFETCH(bool, visSkjulte);
    QFETCH(QStringList, boern);
    QFETCH(QList<int>, id);
    m_motor->setShowHidden(visSkjulte);
    QVERIFY(m_motor->udfoldStruktur1(T + "/x", true));
    const QModelIndex x = m_mapper->valgtNode();
    QCOMPARE(m_mapper->rec(x).mappe, T + "/x");
    QCOMPARE(tekster(*m_mapper, x), boern);
    QList<int> ider;
    for (int i = 0; i < m_mapper->rowCount(x); ++i)
        ider << m_mapper->rec(m_mapper->index(i, 0, x)).ID;
    QCOMPARE(ider, id);
    QCOMPARE(m_mapper->rec(m_mapper->index(0, 0, x)).mappe, T + "/x/" + boern.first());
}

// Subfolders in Danish order with numbers by value.
void TestMappetrae::danskNavneorden()
{
    QVERIFY(m_motor->udfoldStruktur1(T + "/dk", true));
    QCOMPARE(tekster(*m_mapper, m_mapper->valgtNode()), (QStringList{"Uge 9", "Uge 10", "æble", "øl", "ål"}));
}

void TestMappetrae::beskyttetUnderRoden()
{
    m_motor->makeStruktur1();
    QVERIFY(m_motor->udfoldNode(m_mapper->foersteNode()));
    const QModelIndex usr = find(*m_mapper, "/usr");
    const QModelIndex tmp = find(*m_mapper, "/tmp");
    QVERIFY(usr.isValid() && tmp.isValid());
    QCOMPARE(m_mapper->rec(usr).ID, int(IdBeskyttet));
    QCOMPARE(m_mapper->rec(tmp).ID, int(IdMappe));
    QCOMPARE(m_mapper->billede(usr), 3);
}

void TestMappetrae::cdUdenMapperBliverTom()
{
    m_motor->makeDrive(m_maskine.cd());
    QCOMPARE(m_motor->udfoldDirectory(), QString("Ikke tilgængeligt"));
    const QModelIndex cd = m_mapper->foersteNode();
    QCOMPARE(m_mapper->tekst(cd), "Diskdrev(" + m_maskine.cd() + ") TOM");
    QVERIFY(!m_mapper->aktiv(cd));
    m_mapper->vaelg(cd);
    QCOMPARE(m_motor->udfoldDirectory(), QString("Ikke tilgængeligt"));
    QCOMPARE(m_mapper->tekst(cd), "Diskdrev(" + m_maskine.cd() + ") TOM");

    // A drive that is not a CD just has no children.
    m_motor->makeDrive(m_maskine.data());
    QCOMPARE(m_motor->udfoldDirectory(), m_maskine.data());
    QCOMPARE(tekster(*m_mapper, m_mapper->foersteNode()), QStringList{"Arkiv"});
}

void TestMappetrae::udfoldStruktur1_data()
{
    QTest::addColumn<QString>("sti");
    QTest::addColumn<bool>("alleDrev");
    QTest::addColumn<QString>("valgt");
    QTest::addColumn<int>("topnoder");
    QTest::newRow("folder, all drives") << T + "/A/C" << true << T + "/A/C" << 4;
    QTest::newRow("folder, own drive only") << T + "/A/C/" << false << T + "/A/C" << 1;
    QTest::newRow("a file shows its folder") << T + "/x/fil.txt" << false << T + "/x" << 1;
    QTest::newRow("on the usb stick") << m_maskine.usb() + "/Billeder" << false << m_maskine.usb() + "/Billeder"
                                      << 1;
    QTest::newRow("the drive itself") << m_maskine.data() << true << m_maskine.data() << 4;
    QTest::newRow("ram mount is reached under /") << m_maskine.ram() + "/tmp" << false
                                                  << m_maskine.ram() + "/tmp" << 1;
}

void TestMappetrae::udfoldStruktur1()
{
    QFETCH(QString, sti);
    QFETCH(bool, alleDrev);
    QFETCH(QString, valgt);
    QFETCH(int, topnoder);
    QSignalSpy valg(m_mapper->valg(), &QItemSelectionModel::currentChanged);
    QVERIFY(m_motor->udfoldStruktur1(sti, alleDrev));
    QCOMPARE(m_mapper->rec(m_mapper->valgtNode()).mappe, valgt);
    QCOMPARE(m_mapper->rowCount(), topnoder);
    QVERIFY(valg.count() >= 1);
}

void TestMappetrae::udfoldStruktur1UdenGyldigSti()
{
    m_motor->makeStruktur1();
    m_mapper->fravaelgAlle();
    QVERIFY(!m_motor->udfoldStruktur1(T + "/findes-ikke", true));
    QCOMPARE(m_mapper->rowCount(), 4);

    // With a selected folder that folder is shown instead.
    m_mapper->vaelg(m_mapper->index(2, 0));
    QVERIFY(m_motor->udfoldStruktur1(T + "/findes-ikke", false));
    QCOMPARE(m_mapper->rec(m_mapper->valgtNode()).mappe, m_maskine.data());
}

void TestMappetrae::niveaustruktur()
{
    QStringList liste{T + "/A/B", T + "/findes-ikke", T + "/A/C/", "/"};
    m_motor->makeHistoryStruktur(liste);
    QCOMPARE(liste, (QStringList{T + "/A/B", T + "/A/C", "/"}));
    QCOMPARE(tekster(*m_mapper), QStringList{" (/)"});
    QCOMPARE(m_motor->startNo(), 1);
    const QModelIndex a = find(*m_mapper, T + "/A");
    QVERIFY(a.isValid());
    QCOMPARE(m_mapper->tekst(a), QString("A"));
    QCOMPARE(tekster(*m_mapper, a), (QStringList{"B", "C"}));
    QCOMPARE(m_mapper->rec(m_mapper->index(1, 0, a)).mappe, T + "/A/C");
    for (QModelIndex n = a; n.isValid(); n = n.parent())
        QVERIFY(m_mapper->erUdfoldet(n));
    // The structure is built from the path texts alone: nothing else is read.
    QCOMPARE(m_mapper->rowCount(find(*m_mapper, T)), 1);

    // Protected names keep their kind in a level structure.
    QStringList system{"/usr/lib"};
    m_motor->makeHistoryStruktur(system);
    QCOMPARE(m_mapper->rec(find(*m_mapper, "/usr")).ID, int(IdBeskyttet));
}

void TestMappetrae::niveaustrukturDrevRaekkefoelge()
{
    QStringList liste{m_maskine.data() + "/Arkiv", T + "/A", m_maskine.usb()};
    m_motor->makeHistoryStruktur(liste);
    // Read from the end: the drive of the last entry comes first.
    QCOMPARE(tekster(*m_mapper), (QStringList{"MIN USB (" + m_maskine.usb() + ")", " (/)",
                                              "DATA (" + m_maskine.data() + ")"}));
    QCOMPARE(tekster(*m_mapper, m_mapper->index(2, 0)), QStringList{"Arkiv"});
    QCOMPARE(m_mapper->rowCount(m_mapper->index(0, 0)), 0);

    QStringList tom{T + "/findes-ikke"};
    m_motor->makeHistoryStruktur(tom);
    QVERIFY(tom.isEmpty());
    QCOMPARE(m_mapper->rowCount(), 4);
}

void TestMappetrae::punktstruktur()
{
    QStringList liste{m_maskine.data(), T + "/A/B", T + "/x/PROGRAM FILES/"};
    m_motor->makePunktStruktur(liste);
    QCOMPARE(tekster(*m_mapper), (QStringList{"DATA (" + m_maskine.data() + ")", "B", "PROGRAM FILES"}));
    QCOMPARE(m_mapper->rec(m_mapper->index(1, 0)).mappe, T + "/A/B");
    QCOMPARE(m_mapper->rec(m_mapper->index(1, 0)).ID, int(IdMappe));
    QCOMPARE(m_mapper->rec(m_mapper->index(2, 0)).ID, int(IdBeskyttet));
    QCOMPARE(m_mapper->billede(m_mapper->index(1, 0)), 3);
    QCOMPARE(m_mapper->valgtNode(), m_mapper->foersteNode());

    QStringList kunDrev{"/", m_maskine.usb()};
    m_motor->makePunktStruktur(kunDrev);
    QCOMPARE(tekster(*m_mapper), (QStringList{" (/)", "MIN USB (" + m_maskine.usb() + ")"}));
}

void TestMappetrae::udfoldMappe()
{
    QCOMPARE(m_motor->udfoldMappe(T + "/A/"), T + "/A/");
    QCOMPARE(tekster(*m_mapper), QStringList{" (/)"});
    const QModelIndex a = find(*m_mapper, T + "/A");
    QVERIFY(a.isValid());
    QVERIFY(m_mapper->erUdfoldet(a.parent()));
    QCOMPARE(m_mapper->rowCount(a), 0);

    QCOMPARE(m_motor->udfoldMappe(m_maskine.usb()), m_maskine.usb() + "/");
    QCOMPARE(m_motor->udfoldMappe("/"), QString("/"));
    QCOMPARE(m_motor->udfoldMappe(T + "/findes-ikke"), QString());
    QCOMPARE(m_mapper->rowCount(), 4);
}

void TestMappetrae::gemOgHentMedSammenfoldetGren()
{
    const QString fil = T + "/GemHentStruktur Stifinder 1.txt";
    m_motor->setGemHentFilnavn(fil);
    QVERIFY(!m_motor->GemStrukturen());   // nothing to save in an empty tree

    QVERIFY(m_motor->udfoldStruktur1(T + "/A/B", false));
    const QModelIndex a = find(*m_mapper, T + "/A");
    m_mapper->foldSammen(a);
    QVERIFY(m_motor->GemStrukturen());
    const QStringList linjer = tekstfil::hent(fil);
    QVERIFY(linjer.contains(T + "/A"));
    QVERIFY(linjer.contains(T + "/A/B"));
    QVERIFY(linjer.contains(T + "/A/C"));
    QCOMPARE(linjer.first(), QString("/"));
    QVERIFY(linjer.indexOf(T + "/A") < linjer.indexOf(T + "/A/B"));

    QDir(T + "/A/C").removeRecursively();
    QVERIFY(m_motor->HentStrukturen(0));
    const QModelIndex nyA = find(*m_mapper, T + "/A");
    QCOMPARE(tekster(*m_mapper, nyA), QStringList{"B"});
    QVERIFY(m_mapper->erUdfoldet(nyA));
    QDir().mkpath(T + "/A/C");

    QVERIFY(m_motor->HentStrukturen(1));
    QCOMPARE(tekster(*m_mapper).first(), QString(" (/)"));
    QVERIFY(tekster(*m_mapper).contains("B"));
    QVERIFY(m_dialogs.informationer.isEmpty());
}

void TestMappetrae::hentUdenGemtStruktur()
{
    m_motor->makeStruktur1();
    m_motor->setGemHentFilnavn(T + "/ingen.txt");
    QVERIFY(!m_motor->HentStrukturen(0));
    QCOMPARE(m_dialogs.informationer, QStringList{"Der er ikke gemt en struktur."});
    QCOMPARE(m_mapper->rowCount(), 4);
}

void TestMappetrae::drevmenu()
{
    QObject ejer;
    const QList<QAction *> menu = m_motor->makeDrevMenu(&ejer);
    QCOMPARE(menu.size(), 4);
    QCOMPARE(menu[3]->text(), "MIN USB (" + m_maskine.usb() + ")");
    QCOMPARE(menu[3]->data().toString(), m_maskine.usb());
    QCOMPARE(menu[1]->property("billede").toInt(), 12);

    QSignalSpy skift(m_motor, &TStrukturCompo::onDirectoryChange);
    m_motor->setAktiveStruktur(Trae::Mappe);
    menu[3]->trigger();
    QCOMPARE(tekster(*m_mapper), QStringList{"MIN USB (" + m_maskine.usb() + ")"});
    QCOMPARE(tekster(*m_mapper, m_mapper->foersteNode()), QStringList{"Billeder"});
    QCOMPARE(skift.takeFirst(), (QVariantList{m_maskine.usb(), false}));

    m_motor->setAktiveStruktur(Trae::Fil);
    menu[2]->trigger();
    QCOMPARE(m_motor->mappenavn(), m_maskine.data());
    QCOMPARE(m_filer->antal(), 1);
    QCOMPARE(skift.takeFirst(), (QVariantList{m_maskine.data(), true}));
}

QTEST_MAIN(TestMappetrae)
#include "tst_mappetrae.moc"
