#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmappevagt.h"
#include "engines/tstrukturcompo.h"

#include "testfiler.h"
#include "testmappe.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include <thread>

using namespace testfiler;

// The trees follow the disk: what another program creates, renames or
// removes in the listed folder or an open folder of the folder tree shows
// without a refresh command, the selection kept, and a burst of changes
// costs a few listings, not one per file.
class TestMappevagt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void filtraeFoelgerDisken();
    void stormSamles();
    void isoleretTypeOgMarkeringBevares();
    void forsvundenMappeGiverForaelder();
    void mappetraeFoelgerDisken();
    void strukturFaarIkkeNyeMapper();
    void kunDetVisteFoelges();
    void ventderSaaLaengeDetIkkeMaa();

private:
    QStringList tekster() const;
    QStringList valgte() const;
    QStringList boern(const QModelIndex &node) const;
    int raekke(const QString &tekst) const;

    Testmappe *m_tmp = nullptr;
    QString D;
    TMappeModel *m_mapper = nullptr;
    TFilModel *m_filer = nullptr;
    TStrukturCompo *m_motor = nullptr;
};

void TestMappevagt::initTestCase()
{
    saetDanskLocale();
}

void TestMappevagt::init()
{
    m_tmp = new Testmappe;
    D = m_tmp->path() + "/d";
    for (const char *f : {"øl.txt", "ål.txt", "fil9.txt", "fil10.txt"})
        QVERIFY(lavFil(D + '/' + QString::fromUtf8(f)));
    QVERIFY(QDir().mkpath(D + "/mappe"));
    m_mapper = new TMappeModel;
    m_filer = new TFilModel;
    m_motor = new TStrukturCompo;
    m_motor->setStruktur1(m_mapper);
    m_motor->setStruktur2(m_filer);
    m_motor->setFoelgDisken(true);
}

void TestMappevagt::cleanup()
{
    delete m_motor;
    delete m_mapper;
    delete m_filer;
    delete m_tmp;
}

QStringList TestMappevagt::tekster() const
{
    QStringList ud;
    for (int r = 0; r < m_filer->antal(); ++r)
        ud << m_filer->tekst(r);
    return ud;
}

QStringList TestMappevagt::valgte() const
{
    QStringList ud;
    for (int r : m_filer->valgteRaekker())
        ud << m_filer->tekst(r);
    return ud;
}

QStringList TestMappevagt::boern(const QModelIndex &node) const
{
    QStringList ud;
    for (int r = 0; r < m_mapper->rowCount(node); ++r)
        ud << m_mapper->tekst(m_mapper->index(r, 0, node));
    return ud;
}

int TestMappevagt::raekke(const QString &tekst) const
{
    return int(tekster().indexOf(tekst));
}

void TestMappevagt::filtraeFoelgerDisken()
{
    m_motor->makeStruktur2(D);
    m_filer->vaelgFlere({raekke("øl.txt"), raekke("ål.txt")});
    m_filer->valg()->setCurrentIndex(m_filer->index(raekke("ål.txt")), QItemSelectionModel::NoUpdate);
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(D));

    QVERIFY(lavFil(D + "/æble.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(tekster().contains("æble.txt"), 1000);
    QCOMPARE(tekster(), QStringList({"mappe", "fil9.txt", "fil10.txt", "æble.txt", "øl.txt", "ål.txt"}));
    QCOMPARE(valgte(), QStringList({"øl.txt", "ål.txt"}));
    QCOMPARE(m_filer->tekst(m_filer->valg()->currentIndex().row()), QString("ål.txt"));
    QCOMPARE(m_motor->mappenavn(), D);

    QVERIFY(QFile::rename(D + "/fil9.txt", D + "/Fil11.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(tekster().contains("Fil11.txt"), 1000);
    QVERIFY(!tekster().contains("fil9.txt"));

    QVERIFY(QFile::remove(D + "/øl.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(!tekster().contains("øl.txt"), 1000);
    QCOMPARE(valgte(), QStringList({"ål.txt"}));
}

void TestMappevagt::stormSamles()
{
    m_motor->makeStruktur2(D);
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(D));
    QSignalSpy listninger(m_filer, &QAbstractItemModel::modelReset);
    QSignalSpy meldinger(m_motor->vagt(), &TMappeVagt::aendret);
    constexpr int Antal = 10000;
    const QString mappe = D;
    bool skrevet = true;
    // Another program copies while the window goes on handling its events.
    std::thread kopi([&] {
        for (int i = 0; i < Antal; ++i)
            skrevet = lavFil(mappe + QString("/ny%1.dat").arg(i)) && skrevet;
    });
    QTRY_COMPARE_WITH_TIMEOUT(m_filer->antal(), 5 + Antal, 60000);
    kopi.join();
    QVERIFY(skrevet);
    qInfo("%d files gave %d listings from %d reports", Antal, int(listninger.size()), int(meldinger.size()));
    QVERIFY2(listninger.size() < 100, qPrintable(QString::number(listninger.size())));
    QVERIFY(meldinger.size() <= listninger.size());
}

void TestMappevagt::isoleretTypeOgMarkeringBevares()
{
    m_motor->makeStruktur2(D);
    m_motor->makeStrukturFil("txt");
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(D));
    QVERIFY(lavFil(D + "/billede.jpg"));
    QVERIFY(lavFil(D + "/ny.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(tekster().contains("ny.txt"), 1000);
    QVERIFY(!tekster().contains("billede.jpg"));
    QVERIFY(!tekster().contains("mappe"));

    m_motor->makeStruktur2(D);
    QCOMPARE(m_motor->fremvisFiltype("jpg"), 1);
    QVERIFY(lavFil(D + "/andet.jpg"));
    QTRY_VERIFY_WITH_TIMEOUT(tekster().contains("andet.jpg"), 1000);
    for (const char *navn : {"andet.jpg", "billede.jpg"})
        QCOMPARE(m_filer->raekke(raekke(navn)).billede, 15);
}

void TestMappevagt::forsvundenMappeGiverForaelder()
{
    const QString under = D + "/mappe/under";
    QVERIFY(lavFil(under + "/x.txt"));
    m_motor->makeStruktur2(under);
    m_motor->setFilnavn(under + "/x.txt");
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(under));
    QSignalSpy skift(m_motor, &TStrukturCompo::onDirectoryChange);
    QVERIFY(QDir(D + "/mappe").removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(skift.size(), 1, 1000);
    QCOMPARE(skift.at(0).at(0).toString(), D);
    QCOMPARE(m_motor->mappenavn(), D);
    QVERIFY(m_motor->filnavn().isEmpty());
    QVERIFY(tekster().contains("øl.txt"));
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(D));
}

void TestMappevagt::mappetraeFoelgerDisken()
{
    for (const char *m : {"b", "d", "d/indeni"})
        QVERIFY(QDir().mkpath(D + "/mappe/" + m));
    const QModelIndex top = m_mapper->tilfoejNode({}, "d", 3, StrukturRec{D, {}, IdMappe});
    QVERIFY(m_motor->udfoldNode(top));
    const QModelIndex mappe = m_mapper->index(0, 0, top);
    QVERIFY(m_motor->udfoldNode(mappe));
    const QPersistentModelIndex d = m_mapper->index(1, 0, mappe);
    QVERIFY(m_motor->udfoldNode(d));
    m_mapper->vaelg(d);
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(D + "/mappe"));

    for (const char *m : {"a", "c", "æ"})
        QVERIFY(QDir().mkpath(D + "/mappe/" + QString::fromUtf8(m)));
    QTRY_COMPARE_WITH_TIMEOUT(boern(mappe), QStringList({"a", "b", "c", "d", "æ"}), 1000);
    QVERIFY(d.isValid());
    QVERIFY(m_mapper->erUdfoldet(d));
    QCOMPARE(boern(d), QStringList({"indeni"}));
    QCOMPARE(m_mapper->valgtNode(), QModelIndex(d));

    QVERIFY(QDir(D + "/mappe/b").removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(boern(mappe), QStringList({"a", "c", "d", "æ"}), 1000);
    QCOMPARE(m_mapper->valgtNode(), QModelIndex(d));
    // A folder made in the top folder shows there; files do not.
    QVERIFY(lavFil(D + "/fil.txt"));
    QVERIFY(QDir().mkpath(D + "/ny"));
    QTRY_COMPARE_WITH_TIMEOUT(boern(top), QStringList({"mappe", "ny"}), 1000);
}

void TestMappevagt::strukturFaarIkkeNyeMapper()
{
    for (const char *m : {"a", "b"})
        QVERIFY(QDir().mkpath(D + "/mappe/" + m));
    QStringList liste{D + "/mappe/a", D + "/mappe/b"};
    const QModelIndex top = m_mapper->tilfoejNode({}, "mappe", 3, StrukturRec{D + "/mappe", {}, IdMappe});
    for (const QString &m : liste)
        m_mapper->tilfoejNode(top, QDir(m).dirName(), 3, StrukturRec{m, {}, IdMappe});
    m_mapper->udfold(top);
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(D + "/mappe"));
    QVERIFY(QDir().mkpath(D + "/mappe/c"));
    QVERIFY(QDir(D + "/mappe/a").removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(boern(top), QStringList({"b"}), 1000);
}

void TestMappevagt::kunDetVisteFoelges()
{
    for (const char *m : {"lukket/inde", "aaben/inde"})
        QVERIFY(QDir().mkpath(D + '/' + m));
    const QModelIndex top = m_mapper->tilfoejNode({}, "d", 3, StrukturRec{D, {}, IdMappe});
    QVERIFY(m_motor->udfoldNode(top));
    QModelIndex aaben, lukket;
    for (int r = 0; r < m_mapper->rowCount(top); ++r) {
        const QModelIndex n = m_mapper->index(r, 0, top);
        if (m_mapper->tekst(n) == "aaben")
            aaben = n;
        else if (m_mapper->tekst(n) == "lukket")
            lukket = n;
    }
    QVERIFY(m_motor->udfoldNode(aaben));
    QVERIFY(m_motor->udfoldNode(lukket));
    m_mapper->markerUdfoldet(lukket, false); // closed by the user in the view
    m_motor->makeStruktur2(D + "/mappe");
    QTRY_COMPARE(m_motor->vagt()->fulgte().size(), 3);
    const QStringList fulgte = m_motor->vagt()->fulgte();
    QVERIFY(fulgte.contains(D + "/mappe"));
    QVERIFY(fulgte.contains(D));
    QVERIFY(fulgte.contains(D + "/aaben"));

    // Closing the top hides its open children too; a folder that cannot be
    // watched is no error.
    m_mapper->foldSammen(top);
    m_motor->makeStruktur2(D + "/mappe");
    QTRY_COMPARE(m_motor->vagt()->fulgte(), QStringList({D + "/mappe"}));

    TMappeVagt vagt;
    QStringList mange{"/findes/ikke"};
    for (int i = 0; i < 2 * TMappeVagt::MaksMapper; ++i)
        mange << D;
    for (int i = 0; i < 2 * TMappeVagt::MaksMapper; ++i) {
        const QString m = m_tmp->path() + QString("/m%1").arg(i);
        QVERIFY(QDir().mkpath(m));
        mange << m;
    }
    vagt.foelg(mange);
    // Repeats count once; the missing folder takes its place unwatched.
    QCOMPARE(vagt.fulgte().size(), TMappeVagt::MaksMapper - 1);
    QVERIFY(vagt.fulgte().contains(D));
}

void TestMappevagt::ventderSaaLaengeDetIkkeMaa()
{
    bool maa = false;
    m_motor->setMaaOpdatere([&] { return maa; });
    m_motor->vagt()->setForsinkelse(10);
    m_motor->makeStruktur2(D);
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(D));
    QSignalSpy listninger(m_filer, &QAbstractItemModel::modelReset);
    QSignalSpy meldinger(m_motor->vagt(), &TMappeVagt::aendret);
    QVERIFY(lavFil(D + "/ny.txt"));
    QTRY_VERIFY(meldinger.size() >= 2); // told, refused, told again
    QCOMPARE(listninger.size(), 0);
    maa = true;
    QTRY_VERIFY_WITH_TIMEOUT(tekster().contains("ny.txt"), 1000);
}

QTEST_GUILESS_MAIN(TestMappevagt)
#include "tst_mappevagt.moc"
