#include "fakedialogs.h"
#include "shell/genvejsdata.h"
#include "shell/tgenvejslister.h"
#include "testmiljoe.h"

#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

class TestGenvejslister : public QObject
{
    Q_OBJECT

    struct Opsaetning
    {
        FakeDialogs dialogs;
        QStringList sider;
        TGenvejslister lister{dialogs, [this](const QString &s) { sider.append(s); }};

        void aktiver(int underside, const QString &tast)
        {
            QTreeWidget *l = lister.liste(underside);
            const auto fund = l->findItems(tast, Qt::MatchExactly, 0);
            QVERIFY(!fund.isEmpty());
            l->setCurrentItem(fund.first());
            lister.setCurrentIndex(underside);
            QTest::keyClick(l, Qt::Key_Return);
        }
    };

private slots:
    void initTestCase() { saetDanskLocale(); }

    void fireSiderMedOverskrifter()
    {
        FakeDialogs d;
        TGenvejslister lister(d, {});
        QCOMPARE(lister.count(), 4);
        const QStringList titler{"Funktioner", "Programmer", "F taster", "Ctrl+"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(lister.tabText(i), titler.at(i));
        // All four captions fit whole in the left panel's page (260 pixels).
        QVERIFY(!lister.usesScrollButtons());
        const int bredde = lister.tabBar()->sizeHint().width();
        QVERIFY2(bredde <= 260, qPrintable(QString::number(bredde)));
        QCOMPARE(lister.liste(1)->headerItem()->text(0), QString("Ctrl+"));
        QCOMPARE(lister.liste(3)->topLevelItemCount(), 25);   // A–Z without W
    }

    void raekkernesHandlinger_data()
    {
        QTest::addColumn<int>("underside");
        QTest::addColumn<QString>("tast");
        QTest::addColumn<QStringList>("forloeb");
        QTest::addColumn<QStringList>("sider");
        QTest::newRow("side") << 0 << "Ctrl+V" << QStringList{} << QStringList{"Sæt ind.html"};
        QTest::newRow("tekst med linjeskift") << 2 << "F6"
            << QStringList{"i: Opdaterer mappe-fil strukturen.\rÅbner eventuelt en valgt mappe for at vise dens indhold."}
            << QStringList{};
        QTest::newRow("T: tekst og derefter side") << 3 << "T"
            << QStringList{"i: Tilføjer en valgt mappe til programmet \"Mappestrukturer\", også kaldet \"Tilføj\" som funktion."}
            << QStringList{"Opret mappestrukturer.html"};
        QTest::newRow("Y gør intet") << 3 << "Y" << QStringList{} << QStringList{};
        QTest::newRow("B er ikke anvendt") << 3 << "B"
            << QStringList{"i: Bogstavet er ikke anvendt til genveje."} << QStringList{};
    }
    void raekkernesHandlinger()
    {
        QFETCH(int, underside);
        QFETCH(QString, tast);
        QFETCH(QStringList, forloeb);
        QFETCH(QStringList, sider);
        Opsaetning o;
        o.aktiver(underside, tast);
        QCOMPARE(o.dialogs.forloeb, forloeb);
        QCOMPARE(o.sider, sider);
    }

    void koerFilTekstensFemLinjer()
    {
        Opsaetning o;
        o.aktiver(2, "F9");
        QCOMPARE(o.dialogs.informationer.size(), 1);
        const QStringList linjer = o.dialogs.informationer.first().split('\r');
        QCOMPARE(linjer.size(), 5);
        QCOMPARE(linjer.at(2), QString("Funktionen kan også aktiveres ved \"Ctrl+K\"."));
        QVERIFY(linjer.at(1).isEmpty() && linjer.at(3).isEmpty());
    }

    void udenValgtRaekkeSkerIntet()
    {
        Opsaetning o;
        o.lister.aktiverValgte(0);
        QVERIFY(o.dialogs.forloeb.isEmpty());
        QVERIFY(o.sider.isEmpty());
    }
};

QTEST_MAIN(TestGenvejslister)
#include "tst_genvejslister.moc"
