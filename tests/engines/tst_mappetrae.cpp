#include "../platform/falskmaskine.h"

#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "platform/tekstfil.h"

#include "fakedialogs.h"
#include "testmiljoe.h"
#include "traemotor.h"

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
    Traemotor m_trae;
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
    m_trae.forny();
    m_trae.motor->setDialogs(&m_dialogs);
    m_trae.motor->setBrugernavn("ann");
    m_trae.motor->setDrevKilder(m_maskine.kilder);
    m_trae.motor->setSpecialMapper(SpecialMapper(m_hjem, m_hjem + "/.config", m_hjem + "/.local/share"));
    m_dialogs = FakeDialogs();
}

void TestMappetrae::drevRaekker()
{
    QCOMPARE(m_trae.motor->makeStruktur1(), QString("/"));
    QCOMPARE(tekster(*m_trae.mapper), (QStringList{" (/)", "Diskdrev(" + m_maskine.cd() + ")",
                                              "DATA (" + m_maskine.data() + ")",
                                              "MIN USB (" + m_maskine.usb() + ")"}));
    QList<int> billeder;
    for (int i = 0; i < m_trae.mapper->rowCount(); ++i) {
        const QModelIndex n = m_trae.mapper->index(i, 0);
        billeder << m_trae.mapper->billede(n);
        QCOMPARE(m_trae.mapper->rec(n).ID, int(IdDrev));
        QVERIFY(m_trae.mapper->rec(n).filnavn.isEmpty());
    }
    QCOMPARE(billeder, (QList<int>{1, 12, 2, 2}));
    QCOMPARE(m_trae.mapper->valgtNode(), m_trae.mapper->foersteNode());
    QCOMPARE(m_trae.motor->getDrevType(m_maskine.ram() + "/"), int(Drev::Ram));
    QCOMPARE(m_trae.motor->getVolumeLabel(m_maskine.data()), QString("DATA"));
}

void TestMappetrae::privatSektion()
{
    m_trae.motor->setShowPrivate(true);
    m_trae.motor->makePreDrives();
    const QModelIndex bruger = m_trae.mapper->foersteNode();
    QCOMPARE(m_trae.mapper->tekst(bruger), QString("ann"));
    QCOMPARE(m_trae.mapper->billede(bruger), 11);
    QCOMPARE(m_trae.mapper->rec(bruger).mappe, m_hjem);
    QCOMPARE(m_trae.mapper->rec(bruger).ID, int(IdPrivat));
    QVERIFY(m_trae.mapper->erUdfoldet(bruger));
    // Music points at the home itself and Pictures does not exist: left out.
    QCOMPARE(tekster(*m_trae.mapper, bruger), (QStringList{"Skrivebord", "Dokumenter", "Favoritter"}));
    QList<int> billeder;
    for (int i = 0; i < 3; ++i) {
        billeder << m_trae.mapper->billede(m_trae.mapper->index(i, 0, bruger));
        QCOMPARE(m_trae.mapper->rec(m_trae.mapper->index(i, 0, bruger)).ID, int(IdPrivat));
    }
    QCOMPARE(billeder, (QList<int>{9, 6, 10}));
    QCOMPARE(m_trae.mapper->rowCount(), 5);
    QCOMPARE(m_trae.mapper->tekst(m_trae.mapper->index(1, 0)), QString(" (/)"));

    // Walking to a folder starts at the drives, below the private section.
    QVERIFY(m_trae.motor->udfoldStruktur1(T + "/A/B", true));
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->valgtNode()).mappe, T + "/A/B");
    QCOMPARE(m_trae.mapper->tekst(m_trae.mapper->foersteNode()), QString("ann"));

    // One drive with the private section: the section comes collapsed.
    m_trae.motor->makeDrive(m_maskine.data());
    QCOMPARE(tekster(*m_trae.mapper), (QStringList{"ann", "DATA (" + m_maskine.data() + ")"}));
    QVERIFY(!m_trae.mapper->erUdfoldet(m_trae.mapper->foersteNode()));
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
    m_trae.motor->setShowHidden(visSkjulte);
    QVERIFY(m_trae.motor->udfoldStruktur1(T + "/x", true));
    const QModelIndex x = m_trae.mapper->valgtNode();
    QCOMPARE(m_trae.mapper->rec(x).mappe, T + "/x");
    QCOMPARE(tekster(*m_trae.mapper, x), boern);
    QList<int> ider;
    for (int i = 0; i < m_trae.mapper->rowCount(x); ++i)
        ider << m_trae.mapper->rec(m_trae.mapper->index(i, 0, x)).ID;
    QCOMPARE(ider, id);
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->index(0, 0, x)).mappe, T + "/x/" + boern.first());
}

// Subfolders in Danish order with numbers by value.
void TestMappetrae::danskNavneorden()
{
    QVERIFY(m_trae.motor->udfoldStruktur1(T + "/dk", true));
    QCOMPARE(tekster(*m_trae.mapper, m_trae.mapper->valgtNode()), (QStringList{"Uge 9", "Uge 10", "æble", "øl", "ål"}));
}

void TestMappetrae::beskyttetUnderRoden()
{
    m_trae.motor->makeStruktur1();
    QVERIFY(m_trae.motor->udfoldNode(m_trae.mapper->foersteNode()));
    const QModelIndex usr = find(*m_trae.mapper, "/usr");
    const QModelIndex tmp = find(*m_trae.mapper, "/tmp");
    QVERIFY(usr.isValid() && tmp.isValid());
    QCOMPARE(m_trae.mapper->rec(usr).ID, int(IdBeskyttet));
    QCOMPARE(m_trae.mapper->rec(tmp).ID, int(IdMappe));
    QCOMPARE(m_trae.mapper->billede(usr), 3);
}

void TestMappetrae::cdUdenMapperBliverTom()
{
    m_trae.motor->makeDrive(m_maskine.cd());
    QCOMPARE(m_trae.motor->udfoldDirectory(), QString("Ikke tilgængeligt"));
    const QModelIndex cd = m_trae.mapper->foersteNode();
    QCOMPARE(m_trae.mapper->tekst(cd), "Diskdrev(" + m_maskine.cd() + ") TOM");
    QVERIFY(!m_trae.mapper->aktiv(cd));
    m_trae.mapper->vaelg(cd);
    QCOMPARE(m_trae.motor->udfoldDirectory(), QString("Ikke tilgængeligt"));
    QCOMPARE(m_trae.mapper->tekst(cd), "Diskdrev(" + m_maskine.cd() + ") TOM");

    // A drive that is not a CD just has no children.
    m_trae.motor->makeDrive(m_maskine.data());
    QCOMPARE(m_trae.motor->udfoldDirectory(), m_maskine.data());
    QCOMPARE(tekster(*m_trae.mapper, m_trae.mapper->foersteNode()), QStringList{"Arkiv"});
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
    QSignalSpy valg(m_trae.mapper->valg(), &QItemSelectionModel::currentChanged);
    QVERIFY(m_trae.motor->udfoldStruktur1(sti, alleDrev));
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->valgtNode()).mappe, valgt);
    QCOMPARE(m_trae.mapper->rowCount(), topnoder);
    QVERIFY(valg.count() >= 1);
}

void TestMappetrae::udfoldStruktur1UdenGyldigSti()
{
    m_trae.motor->makeStruktur1();
    m_trae.mapper->fravaelgAlle();
    QVERIFY(!m_trae.motor->udfoldStruktur1(T + "/findes-ikke", true));
    QCOMPARE(m_trae.mapper->rowCount(), 4);

    // With a selected folder that folder is shown instead.
    m_trae.mapper->vaelg(m_trae.mapper->index(2, 0));
    QVERIFY(m_trae.motor->udfoldStruktur1(T + "/findes-ikke", false));
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->valgtNode()).mappe, m_maskine.data());
}

void TestMappetrae::niveaustruktur()
{
    QStringList liste{T + "/A/B", T + "/findes-ikke", T + "/A/C/", "/"};
    m_trae.motor->makeHistoryStruktur(liste);
    QCOMPARE(liste, (QStringList{T + "/A/B", T + "/A/C", "/"}));
    QCOMPARE(tekster(*m_trae.mapper), QStringList{" (/)"});
    QCOMPARE(m_trae.motor->startNo(), 1);
    const QModelIndex a = find(*m_trae.mapper, T + "/A");
    QVERIFY(a.isValid());
    QCOMPARE(m_trae.mapper->tekst(a), QString("A"));
    QCOMPARE(tekster(*m_trae.mapper, a), (QStringList{"B", "C"}));
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->index(1, 0, a)).mappe, T + "/A/C");
    for (QModelIndex n = a; n.isValid(); n = n.parent())
        QVERIFY(m_trae.mapper->erUdfoldet(n));
    // The structure is built from the path texts alone: nothing else is read.
    QCOMPARE(m_trae.mapper->rowCount(find(*m_trae.mapper, T)), 1);

    // Protected names keep their kind in a level structure.
    QStringList system{"/usr/lib"};
    m_trae.motor->makeHistoryStruktur(system);
    QCOMPARE(m_trae.mapper->rec(find(*m_trae.mapper, "/usr")).ID, int(IdBeskyttet));
}

void TestMappetrae::niveaustrukturDrevRaekkefoelge()
{
    QStringList liste{m_maskine.data() + "/Arkiv", T + "/A", m_maskine.usb()};
    m_trae.motor->makeHistoryStruktur(liste);
    // Read from the end: the drive of the last entry comes first.
    QCOMPARE(tekster(*m_trae.mapper), (QStringList{"MIN USB (" + m_maskine.usb() + ")", " (/)",
                                              "DATA (" + m_maskine.data() + ")"}));
    QCOMPARE(tekster(*m_trae.mapper, m_trae.mapper->index(2, 0)), QStringList{"Arkiv"});
    QCOMPARE(m_trae.mapper->rowCount(m_trae.mapper->index(0, 0)), 0);

    QStringList tom{T + "/findes-ikke"};
    m_trae.motor->makeHistoryStruktur(tom);
    QVERIFY(tom.isEmpty());
    QCOMPARE(m_trae.mapper->rowCount(), 4);
}

void TestMappetrae::punktstruktur()
{
    QStringList liste{m_maskine.data(), T + "/A/B", T + "/x/PROGRAM FILES/"};
    m_trae.motor->makePunktStruktur(liste);
    QCOMPARE(tekster(*m_trae.mapper), (QStringList{"DATA (" + m_maskine.data() + ")", "B", "PROGRAM FILES"}));
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->index(1, 0)).mappe, T + "/A/B");
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->index(1, 0)).ID, int(IdMappe));
    QCOMPARE(m_trae.mapper->rec(m_trae.mapper->index(2, 0)).ID, int(IdBeskyttet));
    QCOMPARE(m_trae.mapper->billede(m_trae.mapper->index(1, 0)), 3);
    QCOMPARE(m_trae.mapper->valgtNode(), m_trae.mapper->foersteNode());

    QStringList kunDrev{"/", m_maskine.usb()};
    m_trae.motor->makePunktStruktur(kunDrev);
    QCOMPARE(tekster(*m_trae.mapper), (QStringList{" (/)", "MIN USB (" + m_maskine.usb() + ")"}));
}

void TestMappetrae::udfoldMappe()
{
    QCOMPARE(m_trae.motor->udfoldMappe(T + "/A/"), T + "/A/");
    QCOMPARE(tekster(*m_trae.mapper), QStringList{" (/)"});
    const QModelIndex a = find(*m_trae.mapper, T + "/A");
    QVERIFY(a.isValid());
    QVERIFY(m_trae.mapper->erUdfoldet(a.parent()));
    QCOMPARE(m_trae.mapper->rowCount(a), 0);

    QCOMPARE(m_trae.motor->udfoldMappe(m_maskine.usb()), m_maskine.usb() + "/");
    QCOMPARE(m_trae.motor->udfoldMappe("/"), QString("/"));
    QCOMPARE(m_trae.motor->udfoldMappe(T + "/findes-ikke"), QString());
    QCOMPARE(m_trae.mapper->rowCount(), 4);
}

void TestMappetrae::gemOgHentMedSammenfoldetGren()
{
    const QString fil = T + "/GemHentStruktur Stifinder 1.txt";
    m_trae.motor->setGemHentFilnavn(fil);
    QVERIFY(!m_trae.motor->GemStrukturen());   // nothing to save in an empty tree

    QVERIFY(m_trae.motor->udfoldStruktur1(T + "/A/B", false));
    const QModelIndex a = find(*m_trae.mapper, T + "/A");
    m_trae.mapper->foldSammen(a);
    QVERIFY(m_trae.motor->GemStrukturen());
    const QStringList linjer = tekstfil::hent(fil);
    QVERIFY(linjer.contains(T + "/A"));
    QVERIFY(linjer.contains(T + "/A/B"));
    QVERIFY(linjer.contains(T + "/A/C"));
    QCOMPARE(linjer.first(), QString("/"));
    QVERIFY(linjer.indexOf(T + "/A") < linjer.indexOf(T + "/A/B"));

    QDir(T + "/A/C").removeRecursively();
    QVERIFY(m_trae.motor->HentStrukturen(0));
    const QModelIndex nyA = find(*m_trae.mapper, T + "/A");
    QCOMPARE(tekster(*m_trae.mapper, nyA), QStringList{"B"});
    QVERIFY(m_trae.mapper->erUdfoldet(nyA));
    QDir().mkpath(T + "/A/C");

    QVERIFY(m_trae.motor->HentStrukturen(1));
    QCOMPARE(tekster(*m_trae.mapper).first(), QString(" (/)"));
    QVERIFY(tekster(*m_trae.mapper).contains("B"));
    QVERIFY(m_dialogs.informationer.isEmpty());
}

void TestMappetrae::hentUdenGemtStruktur()
{
    m_trae.motor->makeStruktur1();
    m_trae.motor->setGemHentFilnavn(T + "/ingen.txt");
    QVERIFY(!m_trae.motor->HentStrukturen(0));
    QCOMPARE(m_dialogs.informationer, QStringList{"Der er ikke gemt en struktur."});
    QCOMPARE(m_trae.mapper->rowCount(), 4);
}

void TestMappetrae::drevmenu()
{
    QObject ejer;
    const QList<QAction *> menu = m_trae.motor->makeDrevMenu(&ejer);
    QCOMPARE(menu.size(), 4);
    QCOMPARE(menu[3]->text(), "MIN USB (" + m_maskine.usb() + ")");
    QCOMPARE(menu[3]->data().toString(), m_maskine.usb());
    QCOMPARE(menu[1]->property("billede").toInt(), 12);

    QSignalSpy skift(m_trae.motor, &TStrukturCompo::onDirectoryChange);
    m_trae.motor->setAktiveStruktur(Trae::Mappe);
    menu[3]->trigger();
    QCOMPARE(tekster(*m_trae.mapper), QStringList{"MIN USB (" + m_maskine.usb() + ")"});
    QCOMPARE(tekster(*m_trae.mapper, m_trae.mapper->foersteNode()), QStringList{"Billeder"});
    QCOMPARE(skift.takeFirst(), (QVariantList{m_maskine.usb(), false}));

    m_trae.motor->setAktiveStruktur(Trae::Fil);
    menu[2]->trigger();
    QCOMPARE(m_trae.motor->mappenavn(), m_maskine.data());
    QCOMPARE(m_trae.filer->antal(), 1);
    QCOMPARE(skift.takeFirst(), (QVariantList{m_maskine.data(), true}));
}

QTEST_MAIN(TestMappetrae)
#include "tst_mappetrae.moc"
