#include "platform/aabner.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace testfiler;

// The shipped shortcut scripts run on real paths with spaces, quotes, "%",
// "$", a backslash and æøå. What they write must pass desktop-file-validate
// and, started through the launcher, reach the program with exactly the
// path that was given.
class TestGenvejsskripter : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;
    QString m_rod;
    QString m_bin;
    QString m_log;
    QString m_svaer;   // a folder whose name has everything that needs quoting
    QString m_ud;
    QByteArray m_gammelPath;

    static QString script(const QString &navn)
    {
        return QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/scripts/") + navn;
    }

    struct Resultat
    {
        int kode = -1;
        QString fejl;
    };

    Resultat koer(const QString &navn, const QStringList &argumenter, const QString &program = {})
    {
        QProcess p;
        QProcessEnvironment miljoe = QProcessEnvironment::systemEnvironment();
        if (!program.isEmpty())
            miljoe.insert("MARVIKEL_PROGRAM", program);
        p.setProcessEnvironment(miljoe);
        p.start("/bin/sh", QStringList{script(navn)} + argumenter);
        if (!p.waitForFinished(10000))
            return {};
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hjem = std::make_unique<MidlertidigHjem>();
        m_rod = m_hjem->sti();
        m_bin = m_rod + "/bin";
        m_log = m_rod + "/log.txt";
        m_svaer = m_rod + QString::fromUtf8("/mål æøå 100% \"q\" 'a' $HOME \\x");
        m_ud = m_rod + QString::fromUtf8("/Genveje æ");
        QVERIFY(QDir().mkpath(m_svaer));
        QVERIFY(QDir().mkpath(m_ud));
        qunsetenv("XDG_CURRENT_DESKTOP");
        m_gammelPath = qgetenv("PATH");
        qputenv("PATH", (m_bin + ":/usr/bin:/bin").toUtf8());
        // The desktop's opener and the program itself, faked: each logs its
        // name and arguments.
        QVERIFY(!skrivLogprogram(m_bin + "/xdg-open", m_log, "\"${0##*/}\"").isEmpty());
        QVERIFY(!skrivLogprogram(m_bin + "/marvikel prøve", m_log, "\"${0##*/}\"").isEmpty());
        QVERIFY(!skrivLogprogram(m_svaer + "/prog \"x\".sh", m_log, "\"$PWD\"").isEmpty());
        QVERIFY(!skrivFil(m_svaer + "/brev æ 5%.txt", "Kære ven\n").isEmpty());
    }

    void cleanupTestCase() { qputenv("PATH", m_gammelPath); }
    void init() { QFile::remove(m_log); }

    void genvejeVirker_data()
    {
        QTest::addColumn<QString>("skript");
        QTest::addColumn<QStringList>("argumenter");
        QTest::addColumn<QString>("forventet");

        const QString prog = m_svaer + "/prog \"x\".sh";
        const QString brev = m_svaer + QString::fromUtf8("/brev æ 5%.txt");
        QTest::newRow("program with an argument, started in its folder")
            << "createShortcut.sh" << QStringList{m_ud, QString::fromUtf8("Prøve \"1\""), prog, "a %f \"b\" $x"}
            << "[" + m_svaer + "][a %f \"b\" $x]";
        QTest::newRow("a document opens with the default application")
            << "createShortcut.sh" << QStringList{m_ud, "Brev", brev} << "[xdg-open][" + brev + "]";
        QTest::newRow("a folder opens in the program")
            << "createShortcutMappe.sh" << QStringList{m_ud, QString::fromUtf8("Mål æ"), m_svaer}
            << QString::fromUtf8("[marvikel prøve][") + m_svaer + "]";
    }

    void genvejeVirker()
    {
        QFETCH(QString, skript);
        QFETCH(QStringList, argumenter);
        QFETCH(QString, forventet);

        const Resultat r = koer(skript, argumenter, m_bin + QString::fromUtf8("/marvikel prøve"));
        QCOMPARE(r.fejl, QString());
        QCOMPARE(r.kode, 0);
        const QString fil = argumenter.at(0) + "/" + argumenter.at(1) + ".desktop";
        QVERIFY2(QFileInfo(fil).isFile(), qPrintable(fil));
        // Nothing but finished entries in the folder.
        for (const QString &navn : navne(m_ud))
            QVERIFY2(navn.endsWith(".desktop"), qPrintable(navn));

        QProcess validering;
        validering.start("desktop-file-validate", {fil});
        QVERIFY(validering.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(validering.readAll()), QString());
        QCOMPARE(validering.exitCode(), 0);

        QVERIFY(aabner::execute(aabner::Verbum::Aabn, fil) > 32);
        QTRY_COMPARE(tekstlinjer(m_log), QStringList{forventet});
    }

    void fejlGiverBeskedOgIngenFil_data()
    {
        QTest::addColumn<QString>("skript");
        QTest::addColumn<QStringList>("argumenter");

        const QString brev = m_svaer + QString::fromUtf8("/brev æ 5%.txt");
        QTest::newRow("name with a slash") << "createShortcut.sh" << QStringList{m_ud, "a/b", brev};
        QTest::newRow("name too long") << "createShortcut.sh" << QStringList{m_ud, QString(250, 'n'), brev};
        QTest::newRow("missing folder") << "createShortcut.sh" << QStringList{m_rod + "/ingen", "x", brev};
        QTest::newRow("missing target") << "createShortcut.sh" << QStringList{m_ud, "x", m_rod + "/ingen.txt"};
        QTest::newRow("relative target") << "createShortcut.sh" << QStringList{m_ud, "x", "brev.txt"};
        QTest::newRow("target with a line break")
            << "createShortcutMappe.sh" << QStringList{m_ud, "x", m_rod + "/a\nb"};
        QTest::newRow("folder target that is a file") << "createShortcutMappe.sh" << QStringList{m_ud, "x", brev};
        QTest::newRow("too few arguments") << "createShortcut.sh" << QStringList{m_ud, "x"};
    }

    void fejlGiverBeskedOgIngenFil()
    {
        QFETCH(QString, skript);
        QFETCH(QStringList, argumenter);
        QDir().mkpath(m_rod + "/a\nb");
        const QStringList foer = navne(m_ud);

        const Resultat r = koer(skript, argumenter);
        QVERIFY(r.kode > 0);
        QVERIFY(!r.fejl.isEmpty());
        QCOMPARE(navne(m_ud), foer);
    }

    void eksisterendeGenvejErstattesHel()
    {
        const QString brev = m_svaer + QString::fromUtf8("/brev æ 5%.txt");
        const QString fil = m_ud + "/Igen.desktop";
        QVERIFY(!skrivFil(fil, "gammel").isEmpty());
        QCOMPARE(koer("createShortcut.sh", {m_ud, "Igen", brev}).kode, 0);
        QVERIFY(indhold(fil).startsWith("[Desktop Entry]\n"));
    }
};

QTEST_GUILESS_MAIN(TestGenvejsskripter)
#include "tst_genvejsskripter.moc"
