#include "fakedialogs.h"
#include "shell/tvinduesstyring.h"
#include "testmiljoe.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>
#include <QtTest>

// A frame in miniature: the client area and the tab bar the window manager
// works on, with plain widgets as explorer, copy-list and tool windows.
class Ramme
{
public:
    Ramme()
        : styring(&omraade, &tc, dialogs)
    {
        styring.opretStifinder = [](int n) {
            auto *w = new QWidget;
            w->setWindowTitle(QString("Stifinder %1").arg(n));
            return w;
        };
        omraade.resize(800, 600);
        omraade.show();
    }
    QStringList faner() const
    {
        QStringList t;
        for (int i = 0; i < tc.count(); ++i)
            t.append(tc.tabText(i));
        return t;
    }
    QWidget *aabnKlipbord(const QString &caption)
    {
        auto *w = new QWidget;
        w->setWindowTitle(caption);
        saetVinduesart(w, Vinduesart::Klipbord);
        styring.visIRammen(w);
        return w;
    }
    QWidget *lukStifinder(const QString &caption)
    {
        QWidget *w = styring.getWinform(caption);
        if (w)
            w->parentWidget()->close();
        return w;
    }

    FakeDialogs dialogs;
    QMdiArea omraade;
    QTabBar tc;
    TVinduesstyring styring;
};

class TestVinduesstyring : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void nummereringAfStifindere_data()
    {
        QTest::addColumn<QList<int>>("brugte");
        QTest::addColumn<int>("naeste");
        QTest::newRow("ingen") << QList<int>{} << 1;
        QTest::newRow("fortløbende") << QList<int>{1, 2, 3} << 4;
        QTest::newRow("hul i midten") << QList<int>{1, 3} << 2;
        QTest::newRow("uordnet") << QList<int>{3, 1, 2, 5} << 4;
    }
    void nummereringAfStifindere()
    {
        QFETCH(QList<int>, brugte);
        QFETCH(int, naeste);
        QCOMPARE(laveesteFrieNummer(brugte), naeste);
    }

    void treStifindereOgCloseElement()
    {
        Ramme r;
        r.styring.sammeKlipbord = false;
        for (int i = 0; i < 3; ++i)
            r.styring.makeNewStifinder();
        QCOMPARE(r.faner(), (QStringList{"Stifinder 1", "Stifinder 2", "Stifinder 3"}));
        QCOMPARE(r.styring.NewCount, 3);
        QCOMPARE(r.tc.currentIndex(), 2);

        r.styring.CloseElement();
        QCOMPARE(r.faner(), (QStringList{"Stifinder 1", "Stifinder 2"}));
        r.styring.makeNewStifinder();
        QCOMPARE(r.faner().last(), QString("Stifinder 3"));
    }

    void lukketMidtImellemGiverIngenDobbeltCaption()
    {
        Ramme r;
        for (int i = 0; i < 3; ++i)
            r.styring.makeNewStifinder();
        QVERIFY(r.lukStifinder("Stifinder 2"));
        QCOMPARE(r.styring.NewCount, 2);
        r.styring.makeNewStifinder();   // number 2 is free again and reused
        QStringList faner = r.faner();
        faner.sort();
        QCOMPARE(faner, (QStringList{"Stifinder 1", "Stifinder 2", "Stifinder 3"}));
        r.styring.makeNewStifinder();
        QCOMPARE(r.faner().last(), QString("Stifinder 4"));
    }

    void klipbordsfanerStaarForrest()
    {
        Ramme r;
        r.styring.makeNewStifinder();
        r.aabnKlipbord("Klipbord 1");
        r.styring.makeNewStifinder();
        r.aabnKlipbord("Klipbord 2");
        QCOMPARE(r.faner(), (QStringList{"Klipbord 1", "Klipbord 2", "Stifinder 1", "Stifinder 2"}));
    }

    void fanebladVaelgerVindue()
    {
        Ramme r;
        QWidget *en = r.styring.makeNewStifinder();
        r.styring.makeNewStifinder();
        emit r.tc.tabBarClicked(0);
        QCOMPARE(r.styring.aktivtBarn(), en);
        QCOMPARE(r.tc.currentIndex(), 0);
    }

    void sidsteFaneNulstillerTaelleren()
    {
        Ramme r;
        r.styring.makeNewStifinder();
        r.lukStifinder("Stifinder 1");
        QCOMPARE(r.tc.count(), 0);
        QCOMPARE(r.styring.NewCount, 0);
        QVERIFY(r.dialogs.forloeb.isEmpty());
    }

    void getWinformUdenFund()
    {
        Ramme r;
        QVERIFY(!r.styring.getWinform("Stifinder 7"));
        QCOMPARE(r.dialogs.informationer,
                 QStringList{"Der blev ikke fundet en Filfinder.\rDer skal være en Filfinder for at udføre funktionen."});
    }

    // Inside the frame or free, a tool window exists at most once, and
    // closing it ends it, so the choice of where it opens is free again.
    void vaerktoejerFindesHoejstEnGang_data()
    {
        QTest::addColumn<bool>("inde");
        QTest::newRow("i rammen") << true;
        QTest::newRow("frit vindue") << false;
    }

    void vaerktoejerFindesHoejstEnGang()
    {
        QFETCH(bool, inde);
        Ramme r;
        int oprettet = 0;
        QList<bool> skift;
        QObject::connect(&r.styring, &TVinduesstyring::vaerktoejSkiftet, [&](Vinduesart, bool f) { skift.append(f); });
        auto opret = [&](bool) {
            ++oprettet;
            auto *w = new QWidget;
            w->setWindowTitle("Information");
            return w;
        };
        QWidget *a = r.styring.aabnVaerktoej(Vinduesart::Information, inde, opret);
        QWidget *b = r.styring.aabnVaerktoej(Vinduesart::Information, inde, opret);
        QCOMPARE(a, b);
        QCOMPARE(oprettet, 1);
        QCOMPARE(r.faner(), inde ? QStringList{"Information"} : QStringList{});
        (inde ? a->parentWidget() : a)->close();
        QTRY_VERIFY(!r.styring.vaerktoej(Vinduesart::Information));
        QCOMPARE(skift, (QList<bool>{true, false}));
        QCOMPARE(r.tc.count(), 0);
    }

    void closeAlleElementerLaderStifindereVaere()
    {
        Ramme r;
        r.styring.makeNewStifinder();
        r.aabnKlipbord("Klipbord");
        r.styring.aabnVaerktoej(Vinduesart::Kalender, true, [](bool) {
            auto *w = new QWidget;
            w->setWindowTitle("Kalender");
            return w;
        });
        r.styring.CloseAlleElementer();
        QTRY_COMPARE(r.faner(), (QStringList{"Klipbord", "Stifinder 1"}));
    }
};

QTEST_MAIN(TestVinduesstyring)
#include "tst_vinduesstyring.moc"
