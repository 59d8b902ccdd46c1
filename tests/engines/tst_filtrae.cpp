#include "core/dansk.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "platform/navnekode.h"

#include "fakedialogs.h"
#include "testfiler.h"
#include "testmiljoe.h"
#include "traemotor.h"

#include "testmappe.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testfiler;

class TestFiltrae : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void listning_data();
    void listning();
    void danskNavneorden();
    void storMappeISammeOrden();
    void nyereListningVinderOverStorMappe();
    void manglendeMappeGiverFoersteNode();
    void isoleretFiltype_data();
    void isoleretFiltype();
    void fremvisFiltype();
    void nodeIdOgValgtElement();
    void loadListerIBeggeTraeer();
    void paramStreng();
    void selectFil();
    void vaelgAlleIngenOgOmvendt();
    void filMappeOgFokus();

private:
    int raekke(const QString &tekst) const;
    static QStringList lavStorMappe(const QString &dir);
    QStringList tekster() const;

    Testmappe m_tmp;
    QString D;
    QString m_ugyldig;   // a file name that is not valid UTF-8
    Traemotor m_trae;
};

void TestFiltrae::initTestCase()
{
    saetDanskLocale();
    D = m_tmp.path() + "/d";
    for (const char *m : {"Program Files", "sub", ".skjultmappe"})
        QDir().mkpath(D + '/' + m);
    for (const char *f : {"a.txt", "B.TXT", "c.doc", "med blank.txt", ".skjult.txt", "gemt.txt", "billede.JPG"})
        QVERIFY(lavFil(D + '/' + f));
    QFile::link(D + "/sub", D + "/link");
    QFile h(D + "/.hidden");
    QVERIFY(h.open(QIODevice::WriteOnly));
    h.write("gemt.txt\n");
    h.close();
    const QByteArray raa = QFile::encodeName(D) + "/r\xe6kke.txt";
    const int fd = ::open(raa.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    m_ugyldig = navnekode::dekod(QByteArray("r\xe6kke.txt"));
}

void TestFiltrae::init()
{
    m_trae.forny();
}

int TestFiltrae::raekke(const QString &tekst) const
{
    for (int r = 0; r < m_trae.filer->antal(); ++r) {
        if (m_trae.filer->raekke(r).tekst == tekst)
            return r;
    }
    return -1;
}

QStringList TestFiltrae::tekster() const
{
    QStringList ud;
    for (int r = 0; r < m_trae.filer->antal(); ++r)
        ud << m_trae.filer->raekke(r).tekst;
    return ud;
}

void TestFiltrae::listning_data()
{
    QTest::addColumn<bool>("visSkjulte");
    QTest::addColumn<QStringList>("forventet");
    const QString u = navnekode::dekod(QByteArray("r\xe6kke.txt"));
    QTest::newRow("hidden off") << false
                                << QStringList{"link", "Program Files", "sub", "a.txt", "B.TXT", "billede.JPG",
                                               "c.doc", "med blank.txt", u};
    QTest::newRow("hidden on") << true
                               << QStringList{".skjultmappe", "link", "Program Files", "sub", ".hidden",
                                              ".skjult.txt", "a.txt", "B.TXT", "billede.JPG", "c.doc",
                                              "gemt.txt", "med blank.txt", u};
}

void TestFiltrae::listning()
{
    QFETCH(bool, visSkjulte);
    QFETCH(QStringList, forventet);
    m_trae.motor->setShowHidden(visSkjulte);
    QCOMPARE(m_trae.motor->makeStruktur2(D + "/"), D);
    QCOMPARE(m_trae.motor->mappenavn(), D);
    QCOMPARE(tekster(), forventet);

    const FilRaekke &pf = m_trae.filer->raekke(raekke("Program Files"));
    QCOMPARE(pf.rec.ID, int(IdMappe));   // never protected in the file tree
    QCOMPARE(pf.rec.mappe, D + "/Program Files");
    QCOMPARE(pf.billede, 1);
    QCOMPARE(m_trae.filer->raekke(raekke("link")).rec.mappe, D + "/link");
    const FilRaekke &a = m_trae.filer->raekke(raekke("a.txt"));
    QCOMPARE(a.rec.ID, int(IdFil));
    QCOMPARE(a.rec.filnavn, D + "/a.txt");
    QVERIFY(a.rec.mappe.isEmpty());
    QCOMPARE(a.billede, 6);
    QCOMPARE(m_trae.filer->raekke(raekke("billede.JPG")).billede, 3);
    QCOMPARE(m_trae.filer->raekke(raekke("c.doc")).billede, 2);
}

// Folders first, then files, each in Danish order with numbers by value.
void TestFiltrae::danskNavneorden()
{
    Testmappe dir;
    for (const char *m : {"mappe10", "Ål", "mappe9"})
        QDir().mkpath(dir.path() + '/' + QString::fromUtf8(m));
    for (const char *f : {"ål.txt", "fil10.txt", "æble.txt", "øl.txt", "fil9.txt", "zebra.txt"})
        QVERIFY(lavFil(dir.path() + '/' + QString::fromUtf8(f)));
    m_trae.motor->makeStruktur2(dir.path());
    QCOMPARE(tekster(), (QStringList{"mappe9", "mappe10", "Ål", "fil9.txt", "fil10.txt", "zebra.txt", "æble.txt",
                                     "øl.txt", "ål.txt"}));
    // An isolated file type keeps the order.
    m_trae.motor->makeStrukturFil(".txt");
    QCOMPARE(tekster(), (QStringList{"fil9.txt", "fil10.txt", "zebra.txt", "æble.txt", "øl.txt", "ål.txt"}));
}

// A folder big enough to be read on a thread of its own and sorted in two
// halves: the expected order, folders first, as the program's one collator
// sorts names one by one.
QStringList TestFiltrae::lavStorMappe(const QString &dir)
{
    const QStringList stammer = {"æble", "Øl", "ål", "Aa", "fil", "Fil", "zebra", "Zebra", "a-b", "a b"};
    QStringList mapper, filer;
    for (int i = 0; i < 20002; ++i) {
        const QString navn = stammer[i % stammer.size()] + QString::number(i % 997) + '_' + QString::number(i);
        const QByteArray sti = QFile::encodeName(dir + '/' + navn);
        if (i % 50 == 0) {
            if (::mkdir(sti.constData(), 0755) != 0)
                return {};
            mapper << navn;
        } else {
            const int fd = ::open(sti.constData(), O_CREAT | O_WRONLY, 0644);
            if (fd < 0)
                return {};
            ::close(fd);
            filer << navn;
        }
    }
    dansk::sorterNavne(mapper);
    dansk::sorterNavne(filer);
    return mapper + filer;
}

void TestFiltrae::storMappeISammeOrden()
{
    Testmappe dir;
    const QStringList forventet = lavStorMappe(dir.path());
    QVERIFY(!forventet.isEmpty());
    // The window keeps running its timers while the folder is read.
    int runder = 0;
    QTimer ur;
    connect(&ur, &QTimer::timeout, this, [&] { ++runder; });
    ur.start(0);
    QCOMPARE(m_trae.motor->makeStruktur2(dir.path()), dir.path());
    ur.stop();
    QVERIFY(runder > 0);
    QVERIFY(!m_trae.motor->lister());
    QCOMPARE(m_trae.motor->mappenavn(), dir.path());
    QCOMPARE(tekster(), forventet);
    const FilRaekke foerste = m_trae.filer->raekke(0);
    QCOMPARE(foerste.rec.mappe, dir.path() + '/' + forventet.first());
    QCOMPARE(m_trae.filer->raekke(m_trae.filer->antal() - 1).rec.filnavn, dir.path() + '/' + forventet.last());
}

// A listing asked for while a big folder is read (by a timer, as a refresh
// would be) is the newer one: it is what the tree shows afterwards.
void TestFiltrae::nyereListningVinderOverStorMappe()
{
    Testmappe stor;
    QVERIFY(!lavStorMappe(stor.path()).isEmpty());
    QString lille;
    QTimer::singleShot(0, this, [&] {
        QVERIFY(m_trae.motor->lister());
        lille = m_trae.motor->makeStruktur2(D);
    });
    QCOMPARE(m_trae.motor->makeStruktur2(stor.path()), D);
    QCOMPARE(lille, D);
    QCOMPARE(m_trae.motor->mappenavn(), D);
    QVERIFY(tekster().contains("a.txt"));
    QCOMPARE(m_trae.filer->raekke(raekke("a.txt")).rec.filnavn, D + "/a.txt");
}

void TestFiltrae::manglendeMappeGiverFoersteNode()
{
    m_trae.mapper->tilfoejNode({}, "sub", 3, StrukturRec{D + "/sub", {}, IdMappe});
    QCOMPARE(m_trae.motor->makeStruktur2(D + "/findes-ikke"), D + "/sub");
    QCOMPARE(m_trae.filer->antal(), 0);
}

void TestFiltrae::isoleretFiltype_data()
{
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QStringList>("forventet");
    const QString u = navnekode::dekod(QByteArray("r\xe6kke.txt"));
    const QStringList txt{"a.txt", "B.TXT", "med blank.txt", u};
    QTest::newRow("txt") << "txt" << txt;
    QTest::newRow(".TXT") << ".TXT" << txt;
    QTest::newRow("no match") << "pdf" << QStringList{};
    QTest::newRow("all files") << "" << QStringList{"a.txt", "B.TXT", "billede.JPG", "c.doc", "med blank.txt", u};
}

void TestFiltrae::isoleretFiltype()
{
    QFETCH(QString, ext);
    QFETCH(QStringList, forventet);
    m_trae.motor->setShowHidden(true);   // hidden files stay out of an isolated type regardless
    m_trae.motor->makeStruktur2(D);
    QCOMPARE(m_trae.motor->makeStrukturFil(ext), int(forventet.size()));
    QCOMPARE(tekster(), forventet);
}

void TestFiltrae::fremvisFiltype()
{
    m_trae.motor->makeStruktur2(D);
    m_trae.filer->vaelg(0);
    QCOMPARE(m_trae.motor->fremvisFiltype("TXT"), 4);
    QCOMPARE(m_trae.filer->antalValgte(), 0);
    QCOMPARE(m_trae.filer->raekke(raekke("B.TXT")).billede, 15);
    QCOMPARE(m_trae.filer->raekke(raekke("c.doc")).billede, 2);
    QCOMPARE(m_trae.filer->raekke(raekke("sub")).billede, 1);
    QCOMPARE(m_trae.motor->fremvisFiltype(""), 0);
}

void TestFiltrae::nodeIdOgValgtElement()
{
    m_trae.mapper->tilfoejNode({}, "d", 3, StrukturRec{D, {}, IdMappe});
    m_trae.motor->makeStruktur2(D);
    m_trae.motor->setAktiveStruktur(Trae::Fil);
    QCOMPARE(m_trae.motor->getNodeId(), int(IdIngen));
    QCOMPARE(m_trae.motor->getSelectedMedSti(), QString());

    m_trae.filer->vaelg(raekke("med blank.txt"));
    QCOMPARE(m_trae.motor->getNodeId(), int(IdFil));
    QCOMPARE(m_trae.motor->getSelectedMedSti(), D + "/med blank.txt");
    QCOMPARE(m_trae.motor->filnavn(), D + "/med blank.txt");
    QCOMPARE(m_trae.motor->getSelected(), QString("med blank.txt"));
    QCOMPARE(m_trae.motor->udfoldFileDirectory(), D + "/med blank.txt");

    m_trae.filer->vaelg(raekke("sub"));
    QCOMPARE(m_trae.motor->getNodeId(), int(IdMappe));
    QCOMPARE(m_trae.motor->getSelected(), QString("sub"));
    QCOMPARE(m_trae.motor->mappenavn(), D + "/sub");
    QVERIFY(m_trae.motor->filnavn().isEmpty());

    m_trae.motor->setAktiveStruktur(Trae::Mappe);
    QCOMPARE(m_trae.motor->getNodeId(), int(IdIngen));
    m_trae.mapper->vaelg(m_trae.mapper->foersteNode());
    QCOMPARE(m_trae.motor->getNodeId(), int(IdMappe));
    QCOMPARE(m_trae.motor->getSelectedMedSti(), D);
    m_trae.motor->deselectMapper();
    QCOMPARE(m_trae.motor->getNodeId(), int(IdIngen));

    m_trae.motor->setAktiveStruktur(Trae::Ingen);
    QCOMPARE(m_trae.motor->getNodeId(), int(IdIngen));
}

void TestFiltrae::loadListerIBeggeTraeer()
{
    m_trae.motor->makeStruktur2(D);
    m_trae.motor->setAktiveStruktur(Trae::Fil);
    m_trae.filer->vaelgFlere({raekke("sub"), raekke("a.txt"), raekke(m_ugyldig)});
    QStringList mapper{"gammel"}, filer{"gammel"};
    QCOMPARE(m_trae.motor->loadLister(mapper, filer), 3);
    QCOMPARE(mapper, QStringList{D + "/sub"});
    QCOMPARE(filer, (QStringList{D + "/a.txt", D + "/" + m_ugyldig}));

    QStringList liste{"før"};
    QCOMPARE(m_trae.motor->getSelectListe(liste), 3);   // the folder has no extension
    QCOMPARE(liste, (QStringList{"før", "a.txt", m_ugyldig}));

    m_trae.motor->setAktiveStruktur(Trae::Mappe);
    const QModelIndex a = m_trae.mapper->tilfoejNode({}, "d", 3, StrukturRec{D, {}, IdMappe});
    const QModelIndex b = m_trae.mapper->tilfoejNode({}, "væk", 3, StrukturRec{D + "/væk", {}, IdMappe});
    m_trae.mapper->valg()->select(a, QItemSelectionModel::Select);
    m_trae.mapper->valg()->select(b, QItemSelectionModel::Select);
    QCOMPARE(m_trae.motor->loadLister(mapper, filer), 1);
    QCOMPARE(mapper, QStringList{D});
    QVERIFY(filer.isEmpty());
}

void TestFiltrae::paramStreng()
{
    m_trae.motor->makeStruktur2(D);
    m_trae.motor->setAktiveStruktur(Trae::Fil);
    m_trae.filer->vaelgFlere({raekke("sub"), raekke("a.txt"), raekke("med blank.txt")});
    QCOMPARE(m_trae.motor->makeParamString(), "\"" + D + "/a.txt\" \"" + D + "/med blank.txt\"");
    QCOMPARE(m_trae.motor->getParamListe(), (QStringList{D + "/a.txt", D + "/med blank.txt"}));
    m_trae.motor->setAktiveStruktur(Trae::Mappe);
    QCOMPARE(m_trae.motor->makeParamString(), QString());
}

void TestFiltrae::selectFil()
{
    QCOMPARE(m_trae.motor->SelectFil(D + "/c.doc"), D + "/c.doc");
    QCOMPARE(m_trae.filer->raekke(m_trae.filer->valgtRaekke()).tekst, QString("c.doc"));
    QCOMPARE(m_trae.motor->mappenavn(), D);

    // A file that is gone changes nothing.
    const int foer = m_trae.filer->antal();
    QCOMPARE(m_trae.motor->SelectFil(D + "/forsvundet.txt"), D + "/c.doc");
    QCOMPARE(m_trae.motor->filnavn(), D + "/c.doc");
    QCOMPARE(m_trae.filer->antal(), foer);
    QCOMPARE(m_trae.filer->raekke(m_trae.filer->valgtRaekke()).tekst, QString("c.doc"));

    const QString u = D + "/" + m_ugyldig;
    QCOMPARE(m_trae.motor->SelectFil(u), u);
}

void TestFiltrae::vaelgAlleIngenOgOmvendt()
{
    m_trae.motor->makeStruktur2(D);
    const int n = m_trae.filer->antal();
    QSignalSpy fokus(m_trae.filer, &TFilModel::fokusOenskes);

    m_trae.motor->setAktiveStruktur(Trae::Mappe);
    m_trae.motor->SelectMapperFiler(1);
    QCOMPARE(m_trae.filer->antalValgte(), 0);   // only acts on the file tree

    m_trae.motor->setAktiveStruktur(Trae::Fil);
    m_trae.motor->SelectMapperFiler(1);
    QCOMPARE(m_trae.filer->antalValgte(), n);
    QCOMPARE(fokus.count(), 1);

    m_trae.motor->SelectMapperFiler(3);   // inverting everything leaves nothing
    QCOMPARE(m_trae.filer->antalValgte(), 0);
    QCOMPARE(m_trae.filer->valgtRaekke(), -1);

    m_trae.filer->vaelgFlere({0, 1, n - 1});
    m_trae.motor->SelectMapperFiler(3);
    QList<int> forventet;
    for (int r = 2; r < n - 1; ++r)
        forventet << r;
    QCOMPARE(m_trae.filer->valgteRaekker(), forventet);
    QCOMPARE(fokus.count(), 2);
    QCOMPARE(m_trae.motor->filnavn(), m_trae.filer->raekke(m_trae.filer->valgtRaekke()).rec.filnavn);

    m_trae.motor->SelectMapperFiler(2);
    QCOMPARE(m_trae.filer->antalValgte(), 0);
    QVERIFY(m_trae.motor->filnavn().isEmpty());
}

void TestFiltrae::filMappeOgFokus()
{
    m_trae.motor->makeStruktur2(D);
    m_trae.motor->setFilnavn("x");
    QCOMPARE(m_trae.motor->getFileDirectory(false), D);
    QVERIFY(m_trae.motor->filnavn().isEmpty());

    m_trae.filer->vaelgFlere({raekke("a.txt"), raekke("c.doc")});
    m_trae.filer->vaelg(raekke("c.doc"));
    m_trae.filer->valg()->select(m_trae.filer->index(raekke("a.txt")), QItemSelectionModel::Select);
    QCOMPARE(m_trae.motor->getFileDirectory(true), D + "/c.doc");
    QCOMPARE(m_trae.filer->antalValgte(), 0);

    m_trae.motor->setMultiSelect(true);
    QCOMPARE(m_trae.motor->getFileDirectory(false), QString());
    m_trae.motor->setMultiSelect(false);

    QCOMPARE(m_trae.motor->getFocusFilDirectory(raekke("sub")), D + "/sub");
    QCOMPARE(m_trae.motor->mappenavn(), D + "/sub");
    m_trae.motor->setMappenavn(D);
    QCOMPARE(m_trae.motor->getFocusFilDirectory(raekke("a.txt")), D);
    QCOMPARE(m_trae.motor->filnavn(), D + "/a.txt");
    QCOMPARE(m_trae.motor->getFocusFilDirectory(-1), D);
    QCOMPARE(m_trae.filer->antalValgte(), 0);

    const QModelIndex sub = m_trae.mapper->tilfoejNode({}, "sub", 3, StrukturRec{D + "/sub", {}, IdMappe});
    const QModelIndex vaek = m_trae.mapper->tilfoejNode({}, "væk", 3, StrukturRec{D + "/væk", {}, IdMappe});
    QCOMPARE(m_trae.motor->getFocusDirectory(sub), D + "/sub");
    QCOMPARE(m_trae.mapper->valgtNode(), sub);
    QCOMPARE(m_trae.motor->getFocusDirectory(vaek), QString());
    QVERIFY(!m_trae.mapper->valgtNode().isValid());

    m_trae.mapper->vaelg(sub);
    QCOMPARE(m_trae.motor->getDirectory(), D + "/sub");
    QCOMPARE(m_trae.motor->mappenavn(), D + "/sub");
    QCOMPARE(m_trae.filer->antal(), 0);
}

QTEST_GUILESS_MAIN(TestFiltrae)
#include "tst_filtrae.moc"
