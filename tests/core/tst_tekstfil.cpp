#include "core/dansk.h"
#include "core/tekstfil.h"
#include "testmiljoe.h"

#include <QFile>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

class TestTekstfil : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void dekodning_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("utf8") << QByteArray("\xc3\xa6\xc3\xb8\xc3\xa5") << QString("æøå");
        QTest::newRow("utf8 med bom") << QByteArray("\xef\xbb\xbf\xc3\xa6x") << QString("æx");
        QTest::newRow("utf16le med bom") << QByteArray("\xff\xfe\xe6\x00" "a\x00", 6) << QString("æa");
        QTest::newRow("windows-1252") << QByteArray("\xe6\xf8\xe5 \x80") << QString("æøå €");
        QTest::newRow("tom") << QByteArray() << QString();
    }
    void dekodning()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, tekst);
        QCOMPARE(tekstfil::dekod(bytes), tekst);
    }

    void linjeskift_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("linjer");
        QTest::newRow("crlf med slut") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lf uden slut") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("tomme linjer bevares") << "a\r\n\r\n\r\n" << QStringList{"a", "", ""};
        QTest::newRow("enlig cr") << "a\rb" << QStringList{"a", "b"};
    }
    void linjeskift()
    {
        QFETCH(QString, tekst);
        QFETCH(QStringList, linjer);
        QCOMPARE(tekstfil::splitLinjer(tekst), linjer);
    }

    void gemOgHentRundtur()
    {
        QTemporaryDir dir;
        const QString fil = dir.filePath("Egenskaber.txt");
        const QStringList linjer{"Sky", "", "-1", "Højde æøå"};
        QVERIFY(tekstfil::gem(fil, linjer));

        QFile raw(fil);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QCOMPARE(raw.readAll(), QByteArray("Sky\r\n\r\n-1\r\nH\xc3\xb8jde \xc3\xa6\xc3\xb8\xc3\xa5\r\n"));

        tekstfil::Laesning status;
        QCOMPARE(tekstfil::hent(fil, &status), linjer);
        QCOMPARE(status, tekstfil::Laesning::Ok);
    }

    void manglendeFil()
    {
        tekstfil::Laesning status;
        QVERIFY(tekstfil::hent("/findes/ikke/x.txt", &status).isEmpty());
        QCOMPARE(status, tekstfil::Laesning::Mangler);
    }

    void mislykketSkrivningEfterladerIntet()
    {
        QTemporaryDir dir;
        const QString fil = dir.filePath("gammel.txt");
        QVERIFY(tekstfil::gem(fil, {"gammel"}));
        // A target folder that does not exist: nothing is written anywhere.
        QVERIFY(!tekstfil::gem(dir.filePath("mangler/ny.txt"), {"x"}));
        // A read-only folder refuses the temporary file; the old file stays.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (!QFileInfo(dir.path()).isWritable() && ::geteuid() != 0)
            QVERIFY(!tekstfil::gem(fil, {"ny"}));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(tekstfil::hent(fil), QStringList{"gammel"});
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"gammel.txt"});
    }

    void danskeTal()
    {
        QCOMPARE(dansk::heltal(1500), QString("1.500"));
        QCOMPARE(dansk::heltal(1572864), QString("1.572.864"));
        QCOMPARE(dansk::heltal(-12), QString("-12"));
        QCOMPARE(dansk::decimaltal(1.5, 2), QString("1,50"));
    }

    void bogstavRegelAZ()
    {
        QVERIFY(dansk::ensAZ("Stifinder 1", "STIFINDER 1"));
        QVERIFY(!dansk::ensAZ("æble", "Æble"));   // only A–Z folds
        QVERIFY(dansk::sammenlignAZ("zebra", "Æble") < 0);   // æ sorts after z
        QVERIFY(dansk::sammenlignAZ("abc", "ABCD") < 0);
    }

    // Lists are sorted as a Danish user reads them, whatever the system's
    // locale is (the tests run under "C", with no Danish locale installed).
    void navneorden_data()
    {
        QTest::addColumn<QStringList>("navne");
        QTest::addColumn<QStringList>("sorteret");
        QTest::newRow("æ, ø, å after z") << QStringList{"ål", "øl", "zebra", "æble"}
                                         << QStringList{"zebra", "æble", "øl", "ål"};
        QTest::newRow("numbers by value") << QStringList{"fil10", "fil9", "fil1", "fil100"}
                                          << QStringList{"fil1", "fil9", "fil10", "fil100"};
        QTest::newRow("letter case does not split the list") << QStringList{"banan", "Appelsin", "æble", "Citron"}
                                                             << QStringList{"Appelsin", "banan", "Citron", "æble"};
        QTest::newRow("aa as å") << QStringList{"Aarhus", "Ålborg", "Odense", "abe"}
                                 << QStringList{"abe", "Odense", "Ålborg", "Aarhus"};
        QTest::newRow("equal names keep one order") << QStringList{"a", "A", "a", "A"}
                                                    << QStringList{"A", "A", "a", "a"};
    }

    void navneorden()
    {
        QFETCH(QStringList, navne);
        QFETCH(QStringList, sorteret);
        dansk::sorterNavne(navne);
        QCOMPARE(navne, sorteret);
    }
};

QTEST_GUILESS_MAIN(TestTekstfil)
#include "tst_tekstfil.moc"
