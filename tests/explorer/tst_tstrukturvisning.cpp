#include "explorer/tstrukturvisning.h"

#include "explorer/billedlager.h"

#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"

#include "testmiljoe.h"

#include <QApplication>
#include <QDir>
#include <QProxyStyle>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

class TestStrukturVisning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void traeerFoelgerMotoren();
    void billederLavesEnGangPrArt();
};

namespace {

// Counts how often each standard picture is asked for.
class TaellendeStil : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap art, const QStyleOption *valg, const QWidget *widget) const override
    {
        ++antal[art];
        return QProxyStyle::standardIcon(art, valg, widget);
    }

    mutable QHash<int, int> antal;
};

} // namespace

void TestStrukturVisning::traeerFoelgerMotoren()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/a/b");
    QDir().mkpath(dir.path() + "/c");

    TStrukturCompo motor;
    TStrukturVisning vindue(&motor);
    vindue.resize(600, 400);
    vindue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vindue));

    // The engine's expansion shows in the view.
    QVERIFY(motor.udfoldStruktur1(dir.path() + "/a", false));
    const QModelIndex a = vindue.mappeModel()->valgtNode();
    QVERIFY(vindue.mappeStruktur()->isExpanded(a));
    QCOMPARE(vindue.mappeStruktur()->currentIndex(), a);

    // A click in the folder tree lists that folder; hit testing finds the node.
    const QRect r = vindue.mappeStruktur()->visualRect(a);
    QCOMPARE(vindue.mappeNodeVed(r.center()), a);
    QTest::mouseClick(vindue.mappeStruktur()->viewport(), Qt::LeftButton, {}, r.center());
    QCOMPARE(motor.aktiveStruktur(), Trae::Mappe);
    QCOMPARE(motor.mappenavn(), dir.path() + "/a");
    QCOMPARE(vindue.filModel()->antal(), 1);

    // A double-click on a folder in the file tree opens it there.
    QTreeView *filer = vindue.filStruktur();
    const QRect br = filer->visualRect(vindue.filModel()->index(0));
    QCOMPARE(vindue.filRaekkeVed(br.center()), 0);
    // A real double-click starts with a press: the view only reports a
    // double-click on the row that was pressed.
    QTest::mouseClick(filer->viewport(), Qt::LeftButton, {}, br.center());
    QTest::mouseDClick(filer->viewport(), Qt::LeftButton, {}, br.center());
    QCOMPARE(motor.aktiveStruktur(), Trae::Fil);
    QCOMPARE(motor.mappenavn(), dir.path() + "/a/b");
    QCOMPARE(vindue.filModel()->antal(), 0);
    QCOMPARE(vindue.filRaekkeVed(br.center()), -1);

    // The user collapsing a node is remembered in the model.
    vindue.mappeStruktur()->collapse(a);
    QVERIFY(!vindue.mappeModel()->erUdfoldet(a));
}

// Scrolling a big file tree paints thousands of rows; each kind's picture is
// made once and then shared, whatever the number of rows or frames.
void TestStrukturVisning::billederLavesEnGangPrArt()
{
    auto *stil = new TaellendeStil(QStringLiteral("Fusion"));
    QApplication::setStyle(stil);
    const int foer = billedlager::antalLavede();
    TStrukturCompo motor;
    TStrukturVisning vindue(&motor);
    std::vector<FilRaekke> raekker;
    for (int i = 0; i < 3000; ++i) {
        const int billede = i % 3 == 0 ? 1 : i % 3 == 1 ? 2 : 15;
        raekker.push_back(FilRaekke{QString("fil %1").arg(i), StrukturRec{{}, QString("/x/fil %1").arg(i), IdFil}, billede});
    }
    vindue.filModel()->saet(std::move(raekker));
    vindue.resize(600, 400);
    vindue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&vindue));

    QScrollBar *rulle = vindue.filStruktur()->verticalScrollBar();
    for (int side = 0; side < 20; ++side) {
        rulle->setValue(side * rulle->pageStep());
        vindue.filStruktur()->viewport()->grab();
    }
    vindue.filModel()->vaelgAlle();
    vindue.filStruktur()->viewport()->grab();
    for (QStyle::StandardPixmap art : {QStyle::SP_DirIcon, QStyle::SP_FileIcon, QStyle::SP_DialogApplyButton})
        QVERIFY2(stil->antal.value(art) <= 1, qPrintable(QString::number(stil->antal.value(art))));
    QVERIFY(billedlager::antalLavede() - foer <= 3);
    QCOMPARE(billedlager::ikon(QStyle::SP_FileIcon).cacheKey(), billedlager::ikon(QStyle::SP_FileIcon).cacheKey());
}

QTEST_MAIN(TestStrukturVisning)
#include "tst_tstrukturvisning.moc"
