// The explorer window's toolbar keeps every command in reach: at the
// width the window has in the default main window, and wider.
#include "explorer/tstifinderkommandoer.h"
#include "explorer/tstifinderlinjer.h"
#include "testmiljoe.h"

#include <QAction>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtTest>

class TestStifinderlinjer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void alleKommandoerNaaes_data()
    {
        QTest::addColumn<int>("bredde");
        QTest::addColumn<bool>("toRaekker");
        // 660 is the toolbar's width in a main window of 1270 pixels with
        // its left panel and the side book shown.
        QTest::newRow("standardbredde") << 660 << true;
        QTest::newRow("bred") << 1100 << false;
    }

    void alleKommandoerNaaes()
    {
        QFETCH(int, bredde);
        QFETCH(bool, toRaekker);
        QWidget vindue;
        TStifinderKommandoer k(&vindue);
        TStifinderLinjer linjer(&k, &vindue);
        auto *layout = new QVBoxLayout(&vindue);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(linjer.redskabslinje());
        layout->addStretch();
        linjer.venstreGruppe()->setFixedWidth(300);
        vindue.resize(bredde, 200);
        vindue.show();
        QVERIFY(QTest::qWaitForWindowExposed(&vindue));
        QTRY_COMPARE(linjer.toRaekker(), toRaekker);
        for (QToolBar *gruppe : linjer.redskabslinje()->findChildren<QToolBar *>()) {
            for (QAction *a : gruppe->actions()) {
                QWidget *knap = gruppe->widgetForAction(a);
                if (a->isSeparator() || !knap)
                    continue;
                QTRY_VERIFY2(knap->isVisible() && knap->geometry().right() < gruppe->width(),
                             qPrintable(gruppe->objectName() + ": " + a->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestStifinderlinjer)
#include "tst_stifinderlinjer.moc"
