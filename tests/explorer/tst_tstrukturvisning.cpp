#include "explorer/tstrukturvisning.h"

#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"

#include "testmiljoe.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

class TestStrukturVisning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void traeerFoelgerMotoren();
};

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

QTEST_MAIN(TestStrukturVisning)
#include "tst_tstrukturvisning.moc"
