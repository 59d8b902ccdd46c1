#include "core/filnavn.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFilnavn : public QObject
{
    Q_OBJECT

private slots:
    void kodning_data()
    {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("filnavn");
        QTest::newRow("almindeligt navn er uændret") << "ipconfig /all" << "ipconfig %2Fall";
        QTest::newRow("æøå og mellemrum") << "Æbler på sø" << "Æbler på sø";
        QTest::newRow("procent") << "50% rabat" << "50%25 rabat";
        QTest::newRow("allerede kodet tekst") << "a%2Fb" << "a%252Fb";
        QTest::newRow("to punktummer") << ".." << "%2E.";
        QTest::newRow("skjult navn") << ".bashrc" << "%2Ebashrc";
        QTest::newRow("punktum inde i navnet") << "a.b.c" << "a.b.c";
        QTest::newRow("NUL") << (QStringLiteral("a") + QChar(0) + QStringLiteral("b")) << "a%00b";
    }

    void kodning()
    {
        QFETCH(QString, navn);
        QFETCH(QString, filnavn);
        QCOMPARE(filnavn::fraNavn(navn), filnavn);
        QCOMPARE(filnavn::tilNavn(filnavn), navn);
    }

    void tomtNavnGiverIntetFilnavn() { QVERIFY(filnavn::fraNavn(QString()).isEmpty()); }

    // Long names must fit with the extension, be found again and not
    // collide with another long name of the same start.
    void langeNavnAfkortesStabilt()
    {
        const QString start = QString(140, QChar(u'æ'));
        const QString a = start + QStringLiteral("/slut-a");
        const QString b = start + QStringLiteral("/slut-b");
        const QString fa = filnavn::fraNavn(a, 4);
        QVERIFY(fa.toUtf8().size() <= filnavn::maksBytes - 4);
        QCOMPARE(filnavn::fraNavn(a, 4), fa);
        QVERIFY(filnavn::fraNavn(b, 4) != fa);
        QVERIFY(!fa.contains(u'/'));

        QTemporaryDir mappe;
        QVERIFY(mappe.isValid());
        for (const QString &navn : {a, b, QStringLiteral(".."), QString(300, QChar(u'x'))}) {
            QFile fil(mappe.filePath(filnavn::fraNavn(navn, 4) + QStringLiteral(".txt")));
            QVERIFY2(fil.open(QIODevice::WriteOnly), qPrintable(fil.errorString()));
            QVERIFY(fil.write("x") == 1);
        }
        QCOMPARE(QDir(mappe.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }
};

QTEST_GUILESS_MAIN(TestFilnavn)
#include "tst_filnavn.moc"
