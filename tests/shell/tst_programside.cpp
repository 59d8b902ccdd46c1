#include "shell/tprogramfunktioner.h"
#include "testmiljoe.h"

#include <QAction>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

class TestProgramside : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void knapperBindesTilKommandoer()
    {
        QAction stifinder("Stifinder");
        stifinder.setObjectName("aStifinder");
        int udloest = 0;
        connect(&stifinder, &QAction::triggered, this, [&] { ++udloest; });
        TProgramfunktioner side([&](const QString &navn) { return navn == "aStifinder" ? &stifinder : nullptr; }, {});
        auto *knap = side.findChild<QToolButton *>("knap_aStifinder");
        QVERIFY(knap && knap->isEnabled());
        knap->click();
        QCOMPARE(udloest, 1);
        // A command the program does not have yet gives a disabled button.
        QVERIFY(!side.findChild<QToolButton *>("knap_aWmi")->isEnabled());
    }

    void informationslistensRaekker()
    {
        QStringList sider;
        TProgramfunktioner side({}, [&](const QString &s) { sider.append(s); });
        QListWidget *liste = side.informationsliste();
        QCOMPARE(liste->count(), 10);
        side.aabnValgte();   // nothing selected: nothing opens
        QVERIFY(sider.isEmpty());
        liste->setCurrentRow(6);
        QTest::keyClick(liste, Qt::Key_Space);
        liste->setCurrentRow(9);
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(sider, (QStringList{"Billeder.html", "Applets.html"}));
    }

    void aabningsvalgLaasesMensVinduetFindes()
    {
        TAabningsvalg valg;
        QCOMPARE(valg.arter().size(), 8);
        QVERIFY(valg.inde(Vinduesart::Information));
        valg.saetIndex(Vinduesart::Kalender, 1);
        QCOMPARE(valg.index(Vinduesart::Kalender), 1);
        valg.saetIndex(Vinduesart::Kalender, 7);   // out of range reads as inside
        QCOMPARE(valg.index(Vinduesart::Kalender), 0);
        valg.laas(Vinduesart::Information, true);
        QVERIFY(valg.erLaast(Vinduesart::Information));
        QVERIFY(!valg.erLaast(Vinduesart::Kalender));
        valg.laas(Vinduesart::Information, false);
        QVERIFY(!valg.erLaast(Vinduesart::Information));
    }
};

QTEST_MAIN(TestProgramside)
#include "tst_programside.moc"
