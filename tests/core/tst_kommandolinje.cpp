#include "core/kommandolinje.h"

#include <QtTest>

class TestKommandolinje : public QObject
{
    Q_OBJECT

private slots:
    void fraArgumenter_data()
    {
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<QStringList>("stier");
        QTest::addColumn<QStringList>("afviste");

        QTest::newRow("absolut sti") << QStringList{"/home/a/Billeder"} << QStringList{"/home/a/Billeder"}
                                     << QStringList{};
        QTest::newRow("relativ sti fra arbejdsmappen")
            << QStringList{"Noter/../Breve/brev.txt"} << QStringList{"/arbejde/Breve/brev.txt"} << QStringList{};
        QTest::newRow("file-URI med kodede tegn")
            << QStringList{"file:///home/a/%C3%A6bler%20og%20p%C3%A6rer"}
            << QStringList{"/home/a/æbler og pærer"} << QStringList{};
        QTest::newRow("file-URI uden skråstreger efter kolon")
            << QStringList{"file:/home/a/x"} << QStringList{"/home/a/x"} << QStringList{};
        QTest::newRow("navn med kolon er en sti")
            << QStringList{"kl:12.txt"} << QStringList{"/arbejde/kl:12.txt"} << QStringList{};
        QTest::newRow("fjern URI afvises") << QStringList{"sftp://vaert/home/a"} << QStringList{}
                                           << QStringList{"sftp://vaert/home/a"};
        QTest::newRow("file-URI på en anden vært afvises")
            << QStringList{"file://vaert/home/a"} << QStringList{} << QStringList{"file://vaert/home/a"};
        QTest::newRow("rækkefølgen holdes, tomme springes over")
            << QStringList{"/b", "", "/a/"} << QStringList{"/b", "/a"} << QStringList{};
    }

    void fraArgumenter()
    {
        QFETCH(QStringList, argumenter);
        QFETCH(QStringList, stier);
        QFETCH(QStringList, afviste);
        const kommandolinje::Elementer e = kommandolinje::fraArgumenter(argumenter, "/arbejde");
        QCOMPARE(e.stier, stier);
        QCOMPARE(e.afviste, afviste);
    }
};

QTEST_GUILESS_MAIN(TestKommandolinje)
#include "tst_kommandolinje.moc"
