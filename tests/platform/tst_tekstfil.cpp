#include "core/dansk.h"
#include "platform/tekstfil.h"
#include "testmiljoe.h"

#include <QFile>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

class TestTekstfil : public QObject
{
    Q_OBJECT

    QStringList m_beskeder;

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init()
    {
        m_beskeder.clear();
        tekstfil::saetMelder([this](const QString &besked) { m_beskeder.append(besked); });
    }
    void cleanup() { tekstfil::saetMelder({}); }

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

    // What can stand where a stored file should be. Nothing of it is read
    // (a pipe would block, a zero device never ends), the user hears of it
    // once with its path, and it is never written over.
    void kunAlmindeligeFilerLaeses_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("rør") << "rør";
        QTest::newRow("link til rør") << "link til rør";
        QTest::newRow("link til nul-enhed") << "link til nul-enhed";
        QTest::newRow("mappe") << "mappe";
        QTest::newRow("link der peger ud i intet") << "dinglende link";
        QTest::newRow("for stor") << "for stor";
        QTest::newRow("uden læseret") << "uden læseret";
    }
    void kunAlmindeligeFilerLaeses()
    {
        QFETCH(QString, art);
        QTemporaryDir dir;
        const QString fil = dir.filePath("favoritmapper1.txt");
        const QByteArray sti = QFile::encodeName(fil);
        const QByteArray stor(int(tekstfil::maksStoerrelse(tekstfil::Art::Indstillinger)) + 1, 'x');
        if (art == "rør") {
            QCOMPARE(::mkfifo(sti.constData(), 0600), 0);
        } else if (art == "link til rør") {
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("ror")).constData(), 0600), 0);
            QVERIFY(QFile::link(dir.filePath("ror"), fil));
        } else if (art == "link til nul-enhed") {
            QVERIFY(QFile::link("/dev/zero", fil));
        } else if (art == "mappe") {
            QVERIFY(QDir().mkpath(fil));
        } else if (art == "dinglende link") {
            QVERIFY(QFile::link(dir.filePath("findes-ikke"), fil));
        } else if (art == "for stor") {
            QFile f(fil);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(stor);
        } else {
            if (::geteuid() == 0)
                QSKIP("root reads every file");
            QVERIFY(tekstfil::gem(fil, {"a", "/b"}));
            QVERIFY(QFile::setPermissions(fil, QFile::WriteOwner));
        }
        const QFileInfo foer(fil);

        tekstfil::Laesning status = tekstfil::Laesning::Ok;
        QVERIFY(tekstfil::hent(fil, tekstfil::Art::Indstillinger, &status).isEmpty());
        QCOMPARE(status, tekstfil::Laesning::Fejl);
        QCOMPARE(m_beskeder.size(), 1);
        QVERIFY2(m_beskeder.first().contains(fil), qPrintable(m_beskeder.first()));
        // Read again and saved: nothing more is said, and nothing is written.
        QVERIFY(tekstfil::hent(fil, tekstfil::Art::Indstillinger).isEmpty());
        QCOMPARE(tekstfil::skriv(fil, {"ny"}), tekstfil::Skrivning::Afvist);
        QVERIFY(!tekstfil::gem(fil, {"ny"}));
        QCOMPARE(m_beskeder.size(), 1);

        const QFileInfo efter(fil);
        QCOMPARE(efter.isSymLink(), foer.isSymLink());
        QCOMPARE(efter.isFile(), foer.isFile());
        QCOMPARE(efter.size(), foer.size());
        if (art == "link til rør")
            QVERIFY(!QFileInfo(dir.filePath("ror")).isFile());
        QVERIFY(!QFileInfo::exists(dir.filePath("findes-ikke")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Hidden | QDir::Files | QDir::System).filter("marvikel"), QStringList());
        QFile::setPermissions(fil, QFile::ReadOwner | QFile::WriteOwner);
    }

    // A file never read in this run is looked at before it is written: the
    // program writes through a link only to a regular file.
    void skrivningGennemLinks()
    {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("andet")));
        const QString maal = dir.filePath("andet/rigtig.txt");
        QVERIFY(tekstfil::gem(maal, {"gammel"}));
        QVERIFY(QFile::setPermissions(maal, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QFile::Permissions rettigheder = QFile::permissions(maal);
        const QString link = dir.filePath("Stifinder 1.txt");
        QVERIFY(QFile::link("andet/rigtig.txt", link));

        // Through a relative link to a regular file: the link stays, the
        // file it leads to gets the new lines and keeps its rights.
        QCOMPARE(tekstfil::skriv(link, {"ny"}), tekstfil::Skrivning::Skrevet);
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(tekstfil::hent(maal), QStringList{"ny"});
        QCOMPARE(QFile::permissions(maal), rettigheder);
        QVERIFY(m_beskeder.isEmpty());

        const QString ror = dir.filePath("ror");
        QCOMPARE(::mkfifo(QFile::encodeName(ror).constData(), 0600), 0);
        const QString tilRor = dir.filePath("MainEgenskaber.txt");
        QVERIFY(QFile::link(ror, tilRor));
        QCOMPARE(tekstfil::skriv(tilRor, {"x"}), tekstfil::Skrivning::Afvist);
        QCOMPARE(tekstfil::skriv(ror, {"x"}), tekstfil::Skrivning::Afvist);
        QVERIFY(QFileInfo(tilRor).isSymLink());
        QVERIFY(!QFileInfo(ror).isFile() && QFileInfo::exists(ror));
        QCOMPARE(m_beskeder.size(), 2);
        QVERIFY(m_beskeder.first().contains(tilRor));
    }

    void efterladteMidlertidigeFjernes()
    {
        QTemporaryDir dir;
        const QStringList efterladte{".MainEgenskaber.txt.marvikel-4242-1", ".marvikel-77-12",
                                     ".Stifinder 1.txt.marvikel-9-300"};
        const QStringList brugerens{"noter.txt.marvikel-1-2", "MainEgenskaber.txt", ".skjult", "a.txt.backup"};
        for (const QString &navn : efterladte + brugerens)
            QVERIFY(tekstfil::gem(dir.filePath(navn), {"x"}));
        QVERIFY(QFile::link(dir.filePath("MainEgenskaber.txt"), dir.filePath(".link.marvikel-5-5")));
        QVERIFY(QDir().mkpath(dir.filePath(".mappe.marvikel-6-6")));

        QCOMPARE(tekstfil::fjernEfterladte(dir.path()), 3);
        QStringList tilbage = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        tilbage.sort();
        QStringList forventet = brugerens + QStringList{".link.marvikel-5-5", ".mappe.marvikel-6-6"};
        forventet.sort();
        QCOMPARE(tilbage, forventet);
        // A save's own temporary has the shape that is recognised.
        const QByteArray tmp = tekstfil::midlertidigtNavn(QFile::encodeName(dir.filePath("Findoptions.txt")));
        QVERIFY(tekstfil::erMidlertidigtNavn(QFileInfo(QFile::decodeName(tmp)).fileName()));
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
