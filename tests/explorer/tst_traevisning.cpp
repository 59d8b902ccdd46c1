#include "explorer/tstedredigering.h"
#include "explorer/tstrukturvisning.h"

#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmappevagt.h"
#include "engines/tstrukturcompo.h"

#include "testfiler.h"
#include "testmappe.h"
#include "testmiljoe.h"

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace testfiler;

// The explorer's two trees as the user meets them: finding a name by
// typing, and a change on disk shown without losing one's place.
class TestTraevisning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void skrivForAtFinde_data();
    void skrivForAtFinde();
    void pauseBegynderForfra();
    void findIMappetraeet();
    void aendringBevarerPladsen();
    void omdoebningVenter();

private:
    QString aktuel(QTreeView *v) const { return v->currentIndex().data().toString(); }

    Testmappe *m_tmp = nullptr;
    TStrukturCompo *m_motor = nullptr;
    TStrukturVisning *m_vindue = nullptr;
};

void TestTraevisning::initTestCase()
{
    saetDanskLocale();
}

void TestTraevisning::init()
{
    m_tmp = new Testmappe;
    // The "å" of "årstid" is written as "a" and a combining ring, as names
    // made on some systems are.
    for (const QString &f :
         {QString("Æble.txt"), QString("æg.txt"), QString("ål.txt"), QString("a\u030Arstid.txt"), QString("abe.txt"),
          QString("Anden.txt"), QString("appelsin.txt"), QString("bil.txt"), QString("fil9.txt"), QString("fil10.txt")})
        QVERIFY(lavFil(m_tmp->path() + '/' + f));
    QApplication::setKeyboardInputInterval(60000); // every key of a test is typed "quickly"
    m_motor = new TStrukturCompo;
    m_vindue = new TStrukturVisning(m_motor);
    m_vindue->resize(700, 400);
    m_vindue->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_vindue));
}

void TestTraevisning::cleanup()
{
    delete m_vindue;
    delete m_motor;
    delete m_tmp;
}

void TestTraevisning::skrivForAtFinde_data()
{
    QTest::addColumn<QString>("taster");
    QTest::addColumn<QString>("fundet");
    QTest::newRow("æ finds Æ") << "æ"
                               << "Æble.txt";
    QTest::newRow("a passes å by") << "a"
                                   << "abe.txt";
    QTest::newRow("more letters refine") << "ap"
                                         << "appelsin.txt";
    QTest::newRow("case ignored") << "AN"
                                  << "Anden.txt";
    QTest::newRow("same letter goes on") << "aa"
                                         << "Anden.txt";
    QTest::newRow("and wraps around") << "aaaa"
                                      << "abe.txt";
    QTest::newRow("å") << "å"
                       << "ål.txt";
    QTest::newRow("å written with a ring") << "år"
                                           << "a\u030Arstid.txt";
    QTest::newRow("numbers") << "fil1"
                             << "fil10.txt";
    QTest::newRow("nothing matches") << "x"
                                     << "bil.txt";
}

void TestTraevisning::skrivForAtFinde()
{
    QFETCH(QString, taster);
    QFETCH(QString, fundet);
    m_motor->makeStruktur2(m_tmp->path());
    QTreeView *v = m_vindue->filStruktur();
    v->setFocus();
    // A search starts below the current row and wraps around.
    const QModelIndexList bil = v->model()->match(v->model()->index(0, 0), Qt::DisplayRole, "bil.txt");
    QCOMPARE(bil.size(), 1);
    v->setCurrentIndex(bil.first());
    QTest::keyClicks(v, taster);
    QCOMPARE(aktuel(v), fundet);
    QCOMPARE(m_motor->getFileDirectory(false), m_tmp->path() + '/' + fundet);
}

void TestTraevisning::pauseBegynderForfra()
{
    m_motor->makeStruktur2(m_tmp->path());
    QTreeView *v = m_vindue->filStruktur();
    QApplication::setKeyboardInputInterval(0);
    QTest::keyClicks(v, "ab");
    QCOMPARE(aktuel(v), QString("bil.txt"));
    QTest::keyClick(v, Qt::Key_A);
    QCOMPARE(aktuel(v), QString("abe.txt"));
}

void TestTraevisning::findIMappetraeet()
{
    const QString p = m_tmp->path();
    for (const char *m : {"lukket/aften", "Åben/aften", "Åben/Æske", "ø"})
        QVERIFY(QDir().mkpath(p + '/' + QString::fromUtf8(m)));
    TMappeModel *mapper = m_vindue->mappeModel();
    const QModelIndex top = mapper->tilfoejNode({}, "top", 3, StrukturRec{p, {}, IdMappe});
    QVERIFY(m_motor->udfoldNode(top));
    for (int r = 0; r < mapper->rowCount(top); ++r)
        m_motor->udfoldNode(mapper->index(r, 0, top));
    const QModelIndex lukket = mapper->index(0, 0, top);
    QCOMPARE(mapper->tekst(lukket), QString("lukket"));
    m_vindue->mappeStruktur()->collapse(lukket);

    QTreeView *v = m_vindue->mappeStruktur();
    QSignalSpy klik(m_vindue->mappeStruktur(), &TTraeVisning::tastValg);
    v->setFocus();
    QTest::keyClicks(v, "a"); // in the open folder, not under the closed one
    QCOMPARE(aktuel(v), QString("aften"));
    QCOMPARE(mapper->rec(v->currentIndex()).mappe, QString(p + "/Åben/aften"));
    QCOMPARE(klik.size(), 1);
    QApplication::setKeyboardInputInterval(0);
    QTest::keyClicks(v, "æ");
    QCOMPARE(aktuel(v), QString("Æske"));
}

void TestTraevisning::aendringBevarerPladsen()
{
    const QString p = m_tmp->path();
    for (int i = 0; i < 300; ++i)
        QVERIFY(lavFil(p + QString("/r%1.txt").arg(i)));
    m_motor->makeStruktur2(p);
    TFilModel *filer = m_vindue->filModel();
    QTreeView *v = m_vindue->filStruktur();
    int midt = -1;
    for (int r = 0; r < filer->antal(); ++r) {
        if (filer->tekst(r) == "r150.txt")
            midt = r;
    }
    QVERIFY(midt > 0);
    filer->vaelg(midt);
    v->scrollTo(filer->index(midt), QAbstractItemView::PositionAtTop);
    const int rulning = v->verticalScrollBar()->value();
    QVERIFY(rulning > 0);
    QTRY_VERIFY(!m_motor->vagt()->fulgte().isEmpty());

    QVERIFY(lavFil(p + "/abc.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(filer->antal() == 311, 1000);
    QCOMPARE(v->verticalScrollBar()->value(), rulning);
    QCOMPARE(aktuel(v), QString("r150.txt"));
    QCOMPARE(filer->valgteRaekker().size(), 1);

    // The folder itself gone: the view shows the folder above it, from the top.
    const QString under = p + "/under";
    QVERIFY(lavFil(under + "/x.txt"));
    m_motor->makeStruktur2(under);
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(under));
    QVERIFY(QDir(under).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(m_motor->mappenavn(), p, 1000);
    QCOMPARE(filer->antal(), 311);
}

// A name being edited in place keeps its row: the change waits until the
// field is closed.
void TestTraevisning::omdoebningVenter()
{
    const QString p = m_tmp->path();
    m_motor->makeStruktur2(p);
    m_motor->vagt()->setForsinkelse(10);
    QTRY_VERIFY(m_motor->vagt()->fulgte().contains(p));
    TFilModel *filer = m_vindue->filModel();
    QSignalSpy listninger(filer, &QAbstractItemModel::modelReset);
    QSignalSpy meldinger(m_motor->vagt(), &TMappeVagt::aendret);
    TStedRedigering *felt = TStedRedigering::aabn(m_vindue->filStruktur(), filer->index(0), filer->tekst(0));
    QVERIFY(lavFil(p + "/ny.txt"));
    QTRY_VERIFY(meldinger.size() >= 2);
    QCOMPARE(listninger.size(), 0);
    QTest::keyClick(felt, Qt::Key_Escape);
    QTRY_COMPARE_WITH_TIMEOUT(filer->antal(), 11, 1000);
}

QTEST_MAIN(TestTraevisning)
#include "tst_traevisning.moc"
