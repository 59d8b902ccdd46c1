#include "engines/detaljeegenskaber.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"
#include "platform/navnekode.h"

#include "testfiler.h"
#include "testmappe.h"
#include "testmiljoe.h"
#include "traemotor.h"

#include <QDateTime>
#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace testfiler;

// The file tree's columns (size, modified, type), its sort by any column and
// the settings file that keeps the details of a window.
class TestFildetaljer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void kolonnetekster_data();
    void kolonnetekster();
    void sortering_data();
    void sortering();
    void sorteringFoelgerNyListning();
    void isoleretFiltypeSorteres();
    void omdoebtRaekkeLaesesIgen();
    void mangeStierSpoergesSomEn();
    void indstillingerGemmesOgHentes();
    void beskadigetFilGiverStandard_data();
    void beskadigetFilGiverStandard();

private:
    QStringList tekster() const;
    void detaljerFoelgerRaekkerne();
    static qint64 tid(int dag, int time, int minut);
    static bool saetTid(const QString &sti, qint64 msek);
    static bool saetStoerrelse(const QString &sti, qint64 bytes);

    Testmappe m_tmp;
    QString D;   // the sort fixture
    QString K;   // the column fixture
    Traemotor m_trae;
};

qint64 TestFildetaljer::tid(int dag, int time, int minut)
{
    return QDateTime(QDate(2025, 12, dag), QTime(time, minut)).toMSecsSinceEpoch();
}

bool TestFildetaljer::saetTid(const QString &sti, qint64 msek)
{
    struct timespec t[2];
    t[0].tv_sec = t[1].tv_sec = time_t(msek / 1000);
    t[0].tv_nsec = t[1].tv_nsec = 0;
    return ::utimensat(AT_FDCWD, QFile::encodeName(sti).constData(), t, 0) == 0;
}

bool TestFildetaljer::saetStoerrelse(const QString &sti, qint64 bytes)
{
    return lavFil(sti, {}) && ::truncate(QFile::encodeName(sti).constData(), off_t(bytes)) == 0;
}

void TestFildetaljer::initTestCase()
{
    saetDanskLocale();

    // Sort fixture: folders and files with Danish names and numbers, each
    // with its own size and time.
    D = m_tmp.path() + "/sort";
    const struct { const char *navn; int stoerrelse; int dag; } filer[] = {
        {"fil10.txt", 300, 23}, {"fil9.txt", 50, 21}, {"æble.txt", 1000, 22},
        {"øl.txt", 10, 25},     {"ål.txt", 200, 24},  {"b.png", 5, 20},
    };
    for (const auto &f : filer) {
        QVERIFY(saetStoerrelse(D + '/' + QString::fromUtf8(f.navn), f.stoerrelse));
        QVERIFY(saetTid(D + '/' + QString::fromUtf8(f.navn), tid(f.dag, 12, 0)));
    }
    const struct { const char *navn; int dag; } mapper[] = {
        {"mappe2", 24}, {"mappe10", 21}, {"æble", 23}, {"øl", 20}, {"ål", 22},
    };
    for (const auto &m : mapper) {
        QVERIFY(QDir().mkpath(D + '/' + QString::fromUtf8(m.navn)));
        QVERIFY(saetTid(D + '/' + QString::fromUtf8(m.navn), tid(m.dag, 12, 0)));
    }

    // Column fixture: the size texts, a Danish date, known and unknown types.
    K = m_tmp.path() + "/kolonner";
    QVERIFY(QDir().mkpath(K + "/undermappe"));
    QVERIFY(saetStoerrelse(K + "/tom.txt", 0));
    QVERIFY(saetStoerrelse(K + "/lille.pdf", 1500));
    QVERIFY(saetStoerrelse(K + "/stor.png", 1572864));
    QVERIFY(saetStoerrelse(K + "/ukendt.xyzq", 1));
    QVERIFY(saetStoerrelse(K + "/uden", 2));
    for (const QString &n : navne(K))
        QVERIFY(saetTid(K + '/' + n, tid(24, 18, 5)));
}

void TestFildetaljer::init()
{
    m_trae.forny();
}

QStringList TestFildetaljer::tekster() const
{
    QStringList ud;
    for (int r = 0; r < m_trae.filer->antal(); ++r)
        ud << m_trae.filer->tekst(r);
    return ud;
}

void TestFildetaljer::kolonnetekster_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("stoerrelse");
    QTest::addColumn<QString>("type");

    // The MIME database's Danish descriptions, with a capital first letter.
    QTest::newRow("tom tekstfil") << "tom.txt" << "0 bytes" << "Rent tekstdokument";
    QTest::newRow("kilobytes") << "lille.pdf" << "1,46 KB" << "PDF-dokument";
    QTest::newRow("megabytes") << "stor.png" << "1,50 MB" << "PNG-billede";
    QTest::newRow("ukendt type viser udvidelsen") << "ukendt.xyzq" << "1 bytes" << ".xyzq";
    QTest::newRow("mappe uden størrelse") << "undermappe" << "" << "Mappe";
}

void TestFildetaljer::kolonnetekster()
{
    QFETCH(QString, navn);
    QFETCH(QString, stoerrelse);
    QFETCH(QString, type);

    m_trae.motor->makeStruktur2(K);
    const int r = int(tekster().indexOf(navn));
    QVERIFY(r >= 0);
    QCOMPARE(m_trae.filer->columnCount(), AntalFilKolonner);
    QCOMPARE(m_trae.filer->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Størrelse"));
    QCOMPARE(m_trae.filer->data(m_trae.filer->index(r, 0)).toString(), navn);
    QCOMPARE(m_trae.filer->data(m_trae.filer->index(r, 1)).toString(), stoerrelse);
    QCOMPARE(m_trae.filer->data(m_trae.filer->index(r, 2)).toString(), QStringLiteral("24.12.2025 18:05"));
    QCOMPARE(m_trae.filer->data(m_trae.filer->index(r, 3)).toString(), type);
}

void TestFildetaljer::sortering_data()
{
    QTest::addColumn<int>("kolonne");
    QTest::addColumn<bool>("faldende");
    QTest::addColumn<QStringList>("forventet");

    const QStringList mapperNavn{"mappe2", "mappe10", "æble", "øl", "ål"};
    QTest::newRow("navn stigende") << 0 << false
        << mapperNavn + QStringList{"b.png", "fil9.txt", "fil10.txt", "æble.txt", "øl.txt", "ål.txt"};
    QTest::newRow("navn faldende") << 0 << true
        << QStringList{"ål", "øl", "æble", "mappe10", "mappe2",
                       "ål.txt", "øl.txt", "æble.txt", "fil10.txt", "fil9.txt", "b.png"};
    // Folders show no size and keep their name order.
    QTest::newRow("størrelse stigende") << 1 << false
        << mapperNavn + QStringList{"b.png", "øl.txt", "fil9.txt", "ål.txt", "fil10.txt", "æble.txt"};
    QTest::newRow("størrelse faldende") << 1 << true
        << mapperNavn + QStringList{"æble.txt", "fil10.txt", "ål.txt", "fil9.txt", "øl.txt", "b.png"};
    QTest::newRow("ændret stigende") << 2 << false
        << QStringList{"øl", "mappe10", "ål", "æble", "mappe2",
                       "b.png", "fil9.txt", "æble.txt", "fil10.txt", "ål.txt", "øl.txt"};
    QTest::newRow("ændret faldende") << 2 << true
        << QStringList{"mappe2", "æble", "ål", "mappe10", "øl",
                       "øl.txt", "ål.txt", "fil10.txt", "æble.txt", "fil9.txt", "b.png"};
    // Equal types stay in name order both ways.
    QTest::newRow("type stigende") << 3 << false
        << mapperNavn + QStringList{"b.png", "fil9.txt", "fil10.txt", "æble.txt", "øl.txt", "ål.txt"};
    QTest::newRow("type faldende") << 3 << true
        << mapperNavn + QStringList{"fil9.txt", "fil10.txt", "æble.txt", "øl.txt", "ål.txt", "b.png"};
}

// Listed in that order, and sorted in place from the name order with the
// selection and the current row kept on the same element.
void TestFildetaljer::sortering()
{
    QFETCH(int, kolonne);
    QFETCH(bool, faldende);
    QFETCH(QStringList, forventet);
    const Sortering s{FilKolonne(kolonne), faldende ? Qt::DescendingOrder : Qt::AscendingOrder};

    m_trae.motor->setSortering(s);
    m_trae.motor->makeStruktur2(D);
    QCOMPARE(tekster(), forventet);
    detaljerFoelgerRaekkerne();

    init();
    m_trae.motor->makeStruktur2(D);
    m_trae.filer->vaelgFlere({int(tekster().indexOf("fil9.txt")), int(tekster().indexOf("øl"))});
    m_trae.filer->valg()->setCurrentIndex(m_trae.filer->index(int(tekster().indexOf("fil9.txt"))), QItemSelectionModel::NoUpdate);
    m_trae.motor->setSortering(s);
    QCOMPARE(tekster(), forventet);
    QStringList valgte;
    for (int r : m_trae.filer->valgteRaekker())
        valgte << m_trae.filer->tekst(r);
    valgte.sort();
    QCOMPARE(valgte, (QStringList{"fil9.txt", "øl"}));
    QCOMPARE(m_trae.filer->tekst(m_trae.filer->valg()->currentIndex().row()), QStringLiteral("fil9.txt"));
    QCOMPARE(m_trae.filer->raekke(m_trae.filer->valgtRaekke()).rec.filnavn, D + "/fil9.txt");
    detaljerFoelgerRaekkerne();
}

// Every row's size and date are its own element's, after the rows moved.
void TestFildetaljer::detaljerFoelgerRaekkerne()
{
    for (int r = 0; r < m_trae.filer->antal(); ++r) {
        const QFileInfo fi(D + '/' + m_trae.filer->tekst(r));
        const filinfo::Detaljer d = m_trae.filer->detaljer(r);
        if (fi.isFile())
            QCOMPARE(d.stoerrelse, fi.size());
        QCOMPARE(d.aendret, fi.lastModified().toMSecsSinceEpoch());
    }
}

// The sort is the window's: the next folder listed, or the same one listed
// again, comes in the same order.
void TestFildetaljer::sorteringFoelgerNyListning()
{
    m_trae.motor->setSortering({FilKolonne::Stoerrelse, Qt::DescendingOrder});
    m_trae.motor->makeStruktur2(K);
    QCOMPARE(tekster(), (QStringList{"undermappe", "stor.png", "lille.pdf", "uden", "ukendt.xyzq", "tom.txt"}));
    m_trae.motor->makeStruktur2(D);
    QCOMPARE(tekster().mid(5, 2), (QStringList{"æble.txt", "fil10.txt"}));
    QCOMPARE(m_trae.motor->sortering(), (Sortering{FilKolonne::Stoerrelse, Qt::DescendingOrder}));
}

void TestFildetaljer::isoleretFiltypeSorteres()
{
    m_trae.motor->makeStruktur2(D);
    m_trae.motor->setSortering({FilKolonne::Aendret, Qt::DescendingOrder});
    QCOMPARE(m_trae.motor->makeStrukturFil("txt"), 5);
    QCOMPARE(tekster(), (QStringList{"øl.txt", "ål.txt", "fil10.txt", "æble.txt", "fil9.txt"}));
}

// A renamed row shows the renamed element's size, not what was read before.
void TestFildetaljer::omdoebtRaekkeLaesesIgen()
{
    Testmappe tmp;
    QVERIFY(saetStoerrelse(tmp.path() + "/a.txt", 10));
    m_trae.motor->makeStruktur2(tmp.path());
    QCOMPARE(m_trae.filer->kolonneTekst(0, FilKolonne::Stoerrelse), QStringLiteral("10 bytes"));
    QVERIFY(saetStoerrelse(tmp.path() + "/b.txt", 20));
    m_trae.filer->setTekst(0, "b.txt");
    m_trae.filer->setRec(0, StrukturRec{{}, tmp.path() + "/b.txt", IdFil});
    QCOMPARE(m_trae.filer->kolonneTekst(0, FilKolonne::Stoerrelse), QStringLiteral("20 bytes"));
}

// A long list is asked in two halves side by side; each answer lands on its
// own path's place.
void TestFildetaljer::mangeStierSpoergesSomEn()
{
    const QStringList slags{D + "/fil9.txt", D + "/mappe2", D + "/væk.txt", D + "/æble"};
    QStringList stier;
    for (int i = 0; i < 6000; ++i)
        stier << slags;
    const std::vector<filinfo::Art> arter = filinfo::arter(stier);
    QCOMPARE(arter.size(), size_t(stier.size()));
    for (qsizetype i = 0; i < stier.size(); ++i)
        QCOMPARE(arter[size_t(i)], filinfo::art(stier.at(i)));
    QCOMPARE(arter[1], filinfo::Art::Mappe);
    QCOMPARE(arter[2], filinfo::Art::Ingen);
    QCOMPARE(arter[stier.size() - 4], filinfo::Art::Fil);
}

void TestFildetaljer::indstillingerGemmesOgHentes()
{
    Testmappe tmp;
    const QString fil = tmp.path() + "/Stifinder 1 detaljer.txt";
    DetaljeEgenskaber d;
    QVERIFY(!d.HentOpt(fil));   // a new window: details shown, sorted by name
    QCOMPARE(d, DetaljeEgenskaber());
    QVERIFY(d.visDetaljer);

    d.visDetaljer = false;
    d.setKolonneVist(FilKolonne::Type, false);
    d.setBredde(FilKolonne::Navn, 333);
    d.setBredde(FilKolonne::Aendret, 5000);   // brought within range
    d.setSortering({FilKolonne::Aendret, Qt::DescendingOrder});
    QVERIFY(d.GemOpt(fil));
    QCOMPARE(indhold(fil), QByteArray("0\r\n1\r\n1\r\n0\r\n333\r\n80\r\n2000\r\n150\r\n2\r\n1\r\n"));

    DetaljeEgenskaber hentet;
    QVERIFY(hentet.HentOpt(fil));
    QCOMPARE(hentet, d);
    // Without details the tree keeps the name order; the stored sort waits.
    QCOMPARE(hentet.vistSortering(), Sortering());
    hentet.visDetaljer = true;
    QCOMPARE(hentet.vistSortering(), (Sortering{FilKolonne::Aendret, Qt::DescendingOrder}));
}

void TestFildetaljer::beskadigetFilGiverStandard_data()
{
    QTest::addColumn<QByteArray>("indhold");
    QTest::newRow("en linje for lidt") << QByteArray("0\r\n1\r\n1\r\n0\r\n333\r\n90\r\n120\r\n160\r\n2\r\n");
    QTest::newRow("en linje for meget") << QByteArray("0\r\n1\r\n1\r\n0\r\n333\r\n90\r\n120\r\n160\r\n2\r\n1\r\n1\r\n");
    QTest::newRow("ikke et tal") << QByteArray("0\r\n1\r\n1\r\n0\r\nbred\r\n90\r\n120\r\n160\r\n2\r\n1\r\n");
    QTest::newRow("tom") << QByteArray();
    QTest::newRow("binær") << QByteArray("\x00\x01\x02\xff", 4);
}

void TestFildetaljer::beskadigetFilGiverStandard()
{
    QFETCH(QByteArray, indhold);
    Testmappe tmp;
    const QString fil = tmp.path() + "/Stifinder 1 detaljer.txt";
    QVERIFY(lavFil(fil, indhold));
    DetaljeEgenskaber d;
    d.visDetaljer = false;
    d.breddeNavn = 999;
    QVERIFY(!d.HentOpt(fil));
    QCOMPARE(d, DetaljeEgenskaber());
}

QTEST_GUILESS_MAIN(TestFildetaljer)
#include "tst_fildetaljer.moc"
