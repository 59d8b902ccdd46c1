#include "platform/brugernavn.h"
#include "platform/klipbord.h"
#include "platform/systemmapper.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void brugernavnFaldTilbage_data()
    {
        QTest::addColumn<QString>("konto");
        QTest::addColumn<QString>("miljoe");
        QTest::addColumn<QString>("navn");
        QTest::newRow("kontoen vinder") << "anna" << "bent" << "anna";
        QTest::newRow("ingen konto") << "" << "bent" << "bent";
        QTest::newRow("intet af dem") << "" << "" << "Brugernavn";
        QTest::newRow("æøå bevares") << "søren" << "" << "søren";
        QTest::newRow("skråstreg i USER") << "" << "../x" << "Brugernavn";
        QTest::newRow("punktummer") << "." << ".." << "Brugernavn";
        QTest::newRow("skråstreg i konto") << "a/b" << "bent" << "bent";
        QTest::newRow("nul-tegn") << QString("a") + QChar(0) + "b" << "" << "Brugernavn";
    }
    void brugernavnFaldTilbage()
    {
        QFETCH(QString, konto);
        QFETCH(QString, miljoe);
        QFETCH(QString, navn);
        QCOMPARE(brugernavn::vaelg(konto, miljoe), navn);
    }

    void brugernavnFraKontoen()
    {
        // The account wins even when $USER says something else or is missing.
        const QByteArray gemt = qgetenv("USER");
        qputenv("USER", "ikke-mig");
        const QString navn = brugernavn::hent();
        qputenv("USER", gemt);
        QCOMPARE(navn, QFile::decodeName(::getpwuid(::geteuid())->pw_name));
    }

    void grundMappeIHjemmet()
    {
        MidlertidigHjem hjem;
        QCOMPARE(systemmapper::grundMappe(), hjem.sti() + "/Marvikel");
    }

    void hjemFaldTilbage_data()
    {
        QTest::addColumn<QString>("miljoe");
        QTest::addColumn<QString>("konto");
        QTest::addColumn<QString>("hjem");
        QTest::newRow("HOME vinder") << "/home/anna" << "/home/bent" << "/home/anna";
        QTest::newRow("tom HOME") << "" << "/home/bent" << "/home/bent";
        QTest::newRow("relativ HOME") << "anna" << "/home/bent" << "/home/bent";
        QTest::newRow("intet brugbart") << "" << "" << "/";
        QTest::newRow("renses") << "/home//anna/" << "" << "/home/anna";
    }
    void hjemFaldTilbage()
    {
        QFETCH(QString, miljoe);
        QFETCH(QString, konto);
        QTEST(brugernavn::vaelgHjem(miljoe, konto), "hjem");
    }

    void tomHomeGiverKontoensHjem()
    {
        // An empty $HOME must not put the data under "/Marvikel".
        const QByteArray gemt = qgetenv("HOME");
        qputenv("HOME", "");
        const QString grund = systemmapper::grundMappe();
        brugernavn::retHjem();
        const QByteArray rettet = qgetenv("HOME");
        qputenv("HOME", gemt);
        const QString konto = QDir::cleanPath(QFile::decodeName(::getpwuid(::geteuid())->pw_dir));
        QCOMPARE(grund, QDir::cleanPath(konto + "/Marvikel"));
        QCOMPARE(QFile::decodeName(rettet), konto);
    }

    void programMappeFraByggetraeet()
    {
        // Tests run from <build>/bin beside the mirrored <build>/share/marvikel/Program.
        const QString program = systemmapper::programMappe();
        QCOMPARE(program, QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/marvikel/Program"));
        QVERIFY(QFileInfo(program + "/Egenskaber").isDir());
        QVERIFY(QFileInfo(program + "/Dos").isDir());
    }

    void programMappeValg_data()
    {
        QTest::addColumn<QStringList>("indhold");   // per candidate: its one subfolder, "" for none
        QTest::addColumn<int>("valgt");
        QTest::newRow("første med hjælpesider") << QStringList{"Stifinder", "Egenskaber"} << 0;
        QTest::newRow("første uden indhold springes over") << QStringList{"", "Egenskaber"} << 1;
        QTest::newRow("anden med hjælpesider") << QStringList{"Dos", "Stifinder"} << 1;
        QTest::newRow("ingen: den første") << QStringList{"", ""} << 0;
    }
    void programMappeValg()
    {
        QFETCH(QStringList, indhold);
        QFETCH(int, valgt);
        QTemporaryDir tmp;
        QStringList kandidater;
        for (int i = 0; i < indhold.size(); ++i) {
            kandidater << tmp.path() + "/kandidat" + QString::number(i);
            if (!indhold.at(i).isEmpty())
                QVERIFY(QDir().mkpath(kandidater.last() + "/" + indhold.at(i)));
        }
        QCOMPARE(systemmapper::programMappeBlandt(kandidater), kandidater.at(valgt));
    }

    void programMappeKandidaterneIOrden()
    {
        MidlertidigHjem hjem;
        const QStringList kandidater = systemmapper::programMappeKandidater();
        QVERIFY(kandidater.size() >= 3);
        QCOMPARE(kandidater.at(0), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/marvikel/Program"));
        QVERIFY(kandidater.at(1).endsWith("/share/marvikel/Program"));
        QVERIFY(kandidater.contains(hjem.sti() + "/.local/share/marvikel/Program"));
    }

    void klipbordTekst()
    {
        const QString tekst = "/tmp/mappe med æøå/fil.txt";
        klipbord::saetTekst(tekst);
        QCOMPARE(klipbord::tekst(), tekst);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
