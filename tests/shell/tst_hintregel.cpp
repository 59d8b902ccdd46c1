#include "shell/thintregel.h"
#include "shell/vinduesart.h"
#include "testmiljoe.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

// The hint rule of child windows: pop-up hints only while a function runs
// and "Vis hints" is checked; status tips of free windows reach the frame.
class TestHintregel : public QObject
{
    Q_OBJECT

    // A window with one button; `art` says what kind of window it is.
    struct Vindue
    {
        QWidget w;
        QPushButton *knap;
        explicit Vindue(Vinduesart art)
            : knap(new QPushButton("Knap", &w))
        {
            if (art != Vinduesart::Andet)
                saetVinduesart(&w, art);
            knap->setToolTip("Tryk her");
            knap->setStatusTip("Tryk her");
            (new QVBoxLayout(&w))->addWidget(knap);
            w.show();
        }
    };

    // Whether the button's hint pops up when the mouse rests on it.
    static bool hintVises(QPushButton *knap)
    {
        // A shown hint fades out before the next is asked for.
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return true;
        const QPoint p = knap->rect().center();
        QHelpEvent e(QEvent::ToolTip, p, knap->mapToGlobal(p));
        QApplication::sendEvent(knap, &e);
        return QToolTip::isVisible() && QToolTip::text() == knap->toolTip();
    }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void cleanup() { QToolTip::hideText(); }

    void hintsEfterReglen_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<bool>("regel");   // processCount > 0 and "Vis hints"
        QTest::addColumn<bool>("vises");
        QTest::newRow("værktøj, reglen opfyldt") << int(Vinduesart::Kalender) << true << true;
        QTest::newRow("værktøj, ingen funktion kører") << int(Vinduesart::Kalender) << false << false;
        QTest::newRow("kopilister") << int(Vinduesart::Klipbord) << false << false;
        QTest::newRow("stifinder") << int(Vinduesart::Stifinder) << false << false;
        QTest::newRow("rammens egne") << int(Vinduesart::Andet) << false << true;
    }
    void hintsEfterReglen()
    {
        QFETCH(int, art);
        QFETCH(bool, regel);
        QFETCH(bool, vises);
        THintregel hintregel([regel] { return regel; });
        qApp->installEventFilter(&hintregel);
        Vindue v{Vinduesart(art)};
        QVERIFY(QTest::qWaitForWindowExposed(&v.w));
        QCOMPARE(hintVises(v.knap), vises);
    }

    void statustipFraFritVindueNaarStatuslinjen()
    {
        THintregel hintregel([] { return false; });
        QStringList statuslinje;
        hintregel.hintInfo = [&](const QString &t) { statuslinje.append(t); };
        qApp->installEventFilter(&hintregel);
        Vindue frit{Vinduesart::Information};
        Vindue rammens{Vinduesart::Andet};
        QStatusTipEvent tip("Tryk her");
        QApplication::sendEvent(frit.knap, &tip);
        QCOMPARE(statuslinje, QStringList{"Tryk her"});
        // The frame's own windows keep their status tips to themselves.
        QApplication::sendEvent(rammens.knap, &tip);
        QCOMPARE(statuslinje, QStringList{"Tryk her"});
    }
};

QTEST_MAIN(TestHintregel)
#include "tst_hintregel.moc"
