#include "app/tstilmanager.h"
#include "testmiljoe.h"

#include <QApplication>
#include <QSet>
#include <QStyle>
#include <QtTest>

#include <cmath>

namespace {

double lysstyrke(const QColor &c)
{
    auto kanal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}

double kontrast(const QColor &a, const QColor &b)
{
    const double la = lysstyrke(a), lb = lysstyrke(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class TestStilManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void navneIRaekkefoelge()
    {
        QCOMPARE(TStilManager::designNavne(),
                 (QStringList{"Windows", "Amethyst Kamri", "Aqua Light Slate", "Iceberg Classico",
                              "Light", "Sky", "Smokey Quartz Kamri", "Windows10 Clear Day",
                              "Windows11 Modern Light", "Zircon"}));
    }

    void hvertDesignHolderTekstenLaeselig_data()
    {
        QTest::addColumn<QString>("navn");
        for (const QString &navn : TStilManager::designNavne().mid(1))
            QTest::newRow(qPrintable(navn)) << navn;
    }
    void hvertDesignHolderTekstenLaeselig()
    {
        QFETCH(QString, navn);
        const QPalette p = TStilManager::palet(navn);
        const struct
        {
            QPalette::ColorRole tekst, baggrund;
        } par[] = {
            {QPalette::WindowText, QPalette::Window},
            {QPalette::Text, QPalette::Base},
            {QPalette::Text, QPalette::AlternateBase},
            {QPalette::ButtonText, QPalette::Button},
            {QPalette::HighlightedText, QPalette::Highlight},
            {QPalette::ToolTipText, QPalette::ToolTipBase},
            {QPalette::Link, QPalette::Base},
        };
        for (const auto &pp : par) {
            const double k = kontrast(p.color(QPalette::Active, pp.tekst), p.color(QPalette::Active, pp.baggrund));
            QVERIFY2(k >= 4.5, qPrintable(QString("%1/%2: %3").arg(pp.tekst).arg(pp.baggrund).arg(k)));
        }
        // Disabled text is weaker than enabled text, but still visible.
        const double svag = kontrast(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Window));
        QVERIFY(svag >= 1.8);
        QVERIFY(svag < kontrast(p.color(QPalette::WindowText), p.color(QPalette::Window)));
    }

    void designsErForskellige()
    {
        QSet<QRgb> baggrunde, fremhaevninger;
        for (const QString &navn : TStilManager::designNavne().mid(1)) {
            baggrunde.insert(TStilManager::palet(navn).color(QPalette::Window).rgb());
            fremhaevninger.insert(TStilManager::palet(navn).color(QPalette::Highlight).rgb());
        }
        QCOMPARE(baggrunde.size(), 9);
        QCOMPARE(fremhaevninger.size(), 9);
    }

    void skiftAnvenderStraksOgUkendtNavnRoererIntet()
    {
        const QPalette platform = QApplication::palette();
        QVERIFY(TStilManager::anvend("Zircon"));
        QCOMPARE(QApplication::palette().color(QPalette::Window), TStilManager::palet("Zircon").color(QPalette::Window));
        QCOMPARE(TStilManager::grundstil().toLower(), QString("fusion"));
        // One icon per standard picture: the same icon each time it is asked
        // for, so the picture cache does not fill with copies.
        QCOMPARE(QApplication::style()->standardIcon(QStyle::SP_DirIcon).cacheKey(),
                 QApplication::style()->standardIcon(QStyle::SP_DirIcon).cacheKey());

        QVERIFY(!TStilManager::anvend("Ukendt design"));
        QCOMPARE(QApplication::palette().color(QPalette::Window), TStilManager::palet("Zircon").color(QPalette::Window));
        QCOMPARE(TStilManager::aktiv(), QString("Zircon"));

        QVERIFY(TStilManager::anvend("Windows"));
        QCOMPARE(QApplication::palette().color(QPalette::Window), platform.color(QPalette::Window));
    }
};

QTEST_MAIN(TestStilManager)
#include "tst_stilmanager.moc"
