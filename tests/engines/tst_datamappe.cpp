#include "core/filnavn.h"
#include "engines/datamappe/skabelonkopi.h"
#include "engines/datamappe/tdatamappe.h"
#include "platform/systemmapper.h"
#include "platform/tekstfil.h"
#include "testmiljoe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

void skrivFil(const QString &sti, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(sti).path());
    QFile f(sti);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(data), data.size());
}

QByteArray laes(const QString &sti)
{
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every file below `mappe`, relative to it, links included.
QStringList indhold(const QString &mappe)
{
    QStringList navne;
    QDirIterator it(mappe, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        navne << QDir(mappe).relativeFilePath(it.next());
    navne.sort();
    return navne;
}

QMap<QString, QString> felter(const DataMapper &m)
{
    return {{"Abrugernavn", m.Abrugernavn},
            {"grundMappe", m.grundMappe},
            {"programmappe", m.programmappe},
            {"appletsDir", m.appletsDir},
            {"infoDir", m.infoDir},
            {"strukturDir", m.strukturDir},
            {"scriptDir", m.scriptDir},
            {"ikonDir", m.ikonDir},
            {"BrugerMappe", m.BrugerMappe},
            {"dosMappe", m.dosMappe},
            {"NotatMappe", m.NotatMappe},
            {"OptMappe", m.OptMappe},
            {"optFilnavn", m.optFilnavn},
            {"brugerKalenderMappe", m.brugerKalenderMappe},
            {"brugerNotatMappe", m.brugerNotatMappe},
            {"mappestrukturDir", m.mappestrukturDir}};
}

const QStringList brugerMapper = {"Dos", "Noter", "Egenskaber", "Kalender", "Notater", "Mappestrukturer"};

} // namespace

class TestDataMappe : public QObject
{
    Q_OBJECT

    QTemporaryDir m_tmp;
    QString m_grund;
    QString m_program;

    // A small template with what a copy can get wrong: a subfolder, bytes
    // that are not text, a read-only file, a link and a command list whose
    // second entry has no description file.
    void lavSkabeloner(const QString &program)
    {
        skrivFil(program + "/Dos/ping.txt", "Ping\r\nen linje\r\n");
        skrivFil(program + "/Dos/undermappe/bin.dat", QByteArray("\x00\xff\r\n\x80", 5));
        skrivFil(program + "/Dos/skrivebeskyttet.txt", "fast\r\n");
        QFile::setPermissions(program + "/Dos/skrivebeskyttet.txt",
                              QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        QFile::link(program + "/Dos/ping.txt", program + "/Dos/link.txt");
        skrivFil(program + "/udenfor/hemmelig.txt", "ikke en del af skabelonen");
        QFile::link(program + "/udenfor", program + "/Dos/udenfor");
        skrivFil(program + "/Egenskaber/Spm_kopiering.txt", "731\r\n355\r\n");
        skrivFil(program + "/Egenskaber/dosfiler.txt",
                 "ping\r\nping.txt\r\nmangler\r\nmangler.txt\r\nabsolut\r\n/etc/hostname\r\n");
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        QVERIFY(m_tmp.isValid());
    }

    void init()
    {
        const QString sag = m_tmp.path() + "/" + QTest::currentTestFunction()
                            + QString(QTest::currentDataTag()).replace(' ', '_');
        m_grund = sag + "/Marvikel";
        m_program = sag + "/Program";
        lavSkabeloner(m_program);
    }

    void felterneOgDeresSkraastreg_data()
    {
        QTest::addColumn<QString>("felt");
        QTest::addColumn<QString>("vaerdi");   // "G" = data root, "P" = program folder
        QTest::newRow("Abrugernavn") << "Abrugernavn" << "anna";
        QTest::newRow("grundMappe") << "grundMappe" << "G";
        QTest::newRow("programmappe") << "programmappe" << "P";
        QTest::newRow("appletsDir") << "appletsDir" << "P/Window applets/";
        QTest::newRow("infoDir") << "infoDir" << "P/Stifinder/tekstfiler/";
        QTest::newRow("strukturDir") << "strukturDir" << "P/Stifinder";
        QTest::newRow("scriptDir") << "scriptDir" << "P/scripts/";
        QTest::newRow("ikonDir") << "ikonDir" << "P/Ikoner/";
        QTest::newRow("BrugerMappe") << "BrugerMappe" << "G/anna";
        QTest::newRow("dosMappe") << "dosMappe" << "G/anna/Dos/";
        QTest::newRow("NotatMappe") << "NotatMappe" << "G/anna/Noter/";
        QTest::newRow("OptMappe") << "OptMappe" << "G/anna/Egenskaber/";
        QTest::newRow("optFilnavn") << "optFilnavn" << "G/anna/Egenskaber/MainEgenskaber.txt";
        QTest::newRow("brugerKalenderMappe") << "brugerKalenderMappe" << "G/anna/Kalender";
        QTest::newRow("brugerNotatMappe") << "brugerNotatMappe" << "G/anna/Notater";
        QTest::newRow("mappestrukturDir") << "mappestrukturDir" << "G/anna/Mappestrukturer/";
    }
    void felterneOgDeresSkraastreg()
    {
        QFETCH(QString, felt);
        QFETCH(QString, vaerdi);
        // A trailing "/" on the given folders must not double up.
        const DataMappeStart start = TDataMappe::CreateMapper(m_grund + "/", m_program, "anna");
        QString forventet = vaerdi;
        if (forventet.startsWith('G'))
            forventet.replace(0, 1, m_grund);
        else if (forventet.startsWith('P'))
            forventet.replace(0, 1, m_program);
        QCOMPARE(felter(start.mapper).value(felt), forventet);
    }

    void foersteStartOpretterOgKopierer()
    {
        const DataMappeStart start = TDataMappe::CreateMapper(m_grund, m_program, "anna");
        const DataMapper &m = start.mapper;
        QVERIFY(start.skrivbar);
        QCOMPARE(start.besked, QString());
        for (const QString &navn : brugerMapper)
            QVERIFY2(QFileInfo(m.BrugerMappe + "/" + navn).isDir(), qPrintable(navn));
        QVERIFY(indhold(m.NotatMappe).isEmpty());
        QVERIFY(indhold(m.brugerKalenderMappe).isEmpty());
        QVERIFY(indhold(m.brugerNotatMappe).isEmpty());
        QVERIFY(indhold(m.mappestrukturDir).isEmpty());
        // No half copies or helper folders are left beside the user's folders.
        QCOMPARE(QDir(m.BrugerMappe).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({"Dos", "Egenskaber", "Kalender", "Mappestrukturer", "Notater", "Noter"}));
        // The settings file itself is written by the main window, not copied.
        QVERIFY(!QFileInfo::exists(m.optFilnavn));

        // Byte for byte, links skipped rather than followed.
        QCOMPARE(indhold(m.dosMappe),
                 QStringList({"ping.txt", "skrivebeskyttet.txt", "undermappe", "undermappe/bin.dat"}));
        for (const char *fil : {"ping.txt", "undermappe/bin.dat", "skrivebeskyttet.txt"})
            QCOMPARE(laes(m.dosMappe + fil), laes(m_program + "/Dos/" + fil));
        QCOMPARE(laes(m.OptMappe + "Spm_kopiering.txt"), QByteArray("731\r\n355\r\n"));
        // A read-only template file becomes a file the user can change.
        QVERIFY(QFile::permissions(m.dosMappe + "skrivebeskyttet.txt") & QFileDevice::WriteOwner);

        // The command list names the user's own description files.
        QCOMPARE(tekstfil::hent(m.OptMappe + "dosfiler.txt"),
                 QStringList({"ping", m.dosMappe + "ping.txt", "absolut", "/etc/hostname"}));
    }

    void andenStartKopiererIntet()
    {
        const DataMapper m = TDataMappe::CreateMapper(m_grund, m_program, "anna").mapper;
        QFile::remove(m.OptMappe + "Spm_kopiering.txt");
        QFile::remove(m.OptMappe + "dosfiler.txt");
        skrivFil(m.dosMappe + "ping.txt", "min egen tekst\r\n");
        QDir(m.NotatMappe).removeRecursively();

        const DataMappeStart igen = TDataMappe::CreateMapper(m_grund, m_program, "anna");
        QVERIFY(igen.skrivbar);
        QCOMPARE(igen.besked, QString());
        QCOMPARE(indhold(m.OptMappe), QStringList());
        QCOMPARE(laes(m.dosMappe + "ping.txt"), QByteArray("min egen tekst\r\n"));
        QVERIFY(QFileInfo(m.NotatMappe).isDir());   // a missing empty folder is made again
    }

    void afbrudteGemningerFjernesVedStart()
    {
        // Saves killed before their rename left their temporaries beside the
        // settings; the next start removes those and nothing else.
        const DataMapper m = TDataMappe::CreateMapper(m_grund, m_program, "anna").mapper;
        const QStringList efterladte{m.OptMappe + ".MainEgenskaber.txt.marvikel-311-1",
                                     m.OptMappe + ".Stifinder 1.txt.marvikel-312-7",
                                     m.mappestrukturDir + ".Arbejde.txt.marvikel-313-2"};
        for (const QString &fil : efterladte)
            skrivFil(fil, "halv");
        skrivFil(m.OptMappe + "MainEgenskaber.txt", "hel\r\n");
        skrivFil(m.OptMappe + "noter.txt.marvikel-1-1", "brugerens\r\n");

        QVERIFY(TDataMappe::CreateMapper(m_grund, m_program, "anna").skrivbar);
        for (const QString &fil : efterladte)
            QVERIFY2(!QFileInfo::exists(fil), qPrintable(fil));
        QCOMPARE(laes(m.OptMappe + "MainEgenskaber.txt"), QByteArray("hel\r\n"));
        QCOMPARE(laes(m.OptMappe + "noter.txt.marvikel-1-1"), QByteArray("brugerens\r\n"));
    }

    void manglendeSkabelon_data()
    {
        QTest::addColumn<QStringList>("mangler");
        QTest::newRow("Dos") << QStringList{"Dos"};
        QTest::newRow("Egenskaber") << QStringList{"Egenskaber"};
        QTest::newRow("begge") << QStringList{"Dos", "Egenskaber"};
    }
    void manglendeSkabelon()
    {
        QFETCH(QStringList, mangler);
        for (const QString &navn : mangler)
            QVERIFY(QDir(m_program + "/" + navn).removeRecursively());

        const DataMappeStart start = TDataMappe::CreateMapper(m_grund, m_program, "anna");
        QVERIFY(start.skrivbar);
        const QStringList linjer = start.besked.split('\r');
        QCOMPARE(linjer.size(), mangler.size());
        for (int i = 0; i < mangler.size(); ++i) {
            const QString mappe = start.mapper.BrugerMappe + "/" + mangler.at(i);
            QCOMPARE(linjer.at(i), QString("Skabelonen %1/%2 blev ikke fundet, så %3 er oprettet tom.")
                                       .arg(m_program, mangler.at(i), mappe));
            QCOMPARE(indhold(mappe), QStringList());
        }
        for (const QString &navn : brugerMapper)
            QVERIFY(QFileInfo(start.mapper.BrugerMappe + "/" + navn).isDir());

        // Said once: the empty folder is the user's from now on.
        QCOMPARE(TDataMappe::CreateMapper(m_grund, m_program, "anna").besked, QString());
    }

    void uskrivbarGrundMappe_data()
    {
        QTest::addColumn<bool>("somFil");
        QTest::newRow("under en almindelig fil") << true;
        QTest::newRow("skrivebeskyttet") << false;
    }
    void uskrivbarGrundMappe()
    {
        QFETCH(bool, somFil);
        QString grund = m_grund;
        if (somFil) {
            skrivFil(m_grund, "en fil, ikke en mappe");
            grund = m_grund + "/Marvikel";
        } else {
            if (::geteuid() == 0)
                QSKIP("root writes in read-only folders");
            QVERIFY(QDir().mkpath(m_grund));
            QFile::setPermissions(m_grund, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }

        const DataMappeStart start = TDataMappe::CreateMapper(grund, m_program, "anna");
        QFile::setPermissions(m_grund, QFile::permissions(m_grund) | QFileDevice::WriteOwner);
        QVERIFY(!start.skrivbar);
        QCOMPARE(start.besked, QString("Mappen %1/anna kunne ikke oprettes.\r"
                                       "Programmet kan bruges, men indstillinger, lister og noter bliver ikke gemt.")
                                   .arg(grund));
        QCOMPARE(start.mapper.OptMappe, grund + "/anna/Egenskaber/");
        QVERIFY(!QFileInfo::exists(grund + "/anna"));
    }

    void afbrudtKopiSpaererIkke()
    {
        // What a crash in the middle of copying leaves behind.
        const QString brugerMappe = m_grund + "/anna";
        skrivFil(skabelonkopi::midlertidigPraefiks(brugerMappe + "/Dos") + "x1y2z3/ping.txt", "halv");

        const DataMappeStart start = TDataMappe::CreateMapper(m_grund, m_program, "anna");
        QVERIFY(start.skrivbar);
        QCOMPARE(laes(start.mapper.dosMappe + "ping.txt"), laes(m_program + "/Dos/ping.txt"));
        QCOMPARE(QDir(brugerMappe).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
                 brugerMapper.size());
    }

    void kopiErstatterIkkeEnMappeDerDukkerOp()
    {
        const QString maal = m_tmp.path() + "/dukker-op";
        const bool kopieret = skabelonkopi::kopier(m_program + "/Dos", maal, [&maal](const QString &) {
            return QDir().mkdir(maal);   // someone else makes the target meanwhile
        });
        QVERIFY(!kopieret);
        QCOMPARE(indhold(maal), QStringList());
        QCOMPARE(QDir(m_tmp.path()).entryList({".dukker-op*"}, QDir::AllEntries | QDir::Hidden), QStringList());
    }

    void placeringsMappe_data()
    {
        QTest::addColumn<QString>("gemt");
        QTest::addColumn<bool>("beholdes");
        QTest::newRow("eksisterende mappe") << "EGEN" << true;
        QTest::newRow("tom") << "" << false;
        QTest::newRow("findes ikke") << "/findes/ikke" << false;
        QTest::newRow("en fil") << "FIL" << false;
        QTest::newRow("relativ sti") << "Genveje" << false;
    }
    void placeringsMappe()
    {
        QFETCH(QString, gemt);
        QFETCH(bool, beholdes);
        const DataMapper m = TDataMappe::CreateMapper(m_grund, m_program, "anna").mapper;
        const QString egen = m_tmp.path() + "/egne genveje";
        QDir().mkpath(egen);
        skrivFil(m_tmp.path() + "/genvej.txt", "x");
        gemt.replace("EGEN", egen).replace("FIL", m_tmp.path() + "/genvej.txt");

        const QString resultat = TDataMappe::PlaceringsMappe(m, gemt);
        QCOMPARE(resultat, beholdes ? gemt : m.BrugerMappe + "/Genveje");
        QVERIFY(QFileInfo(resultat).isDir());
    }

    // The content shipped with the program, copied as a new user gets it.
    void leveretIndhold()
    {
        const QString program = systemmapper::programMappe();
        QVERIFY2(QFileInfo(program + "/Egenskaber").isDir(), qPrintable(program));
        const DataMappeStart start = TDataMappe::CreateMapper(m_grund, program, "anna");
        QVERIFY(start.skrivbar);
        QCOMPARE(start.besked, QString());
        const DataMapper &m = start.mapper;

        const QStringList kommandoer = tekstfil::hent(m.OptMappe + "dosfiler.txt");
        QVERIFY(kommandoer.size() >= 10);
        QCOMPARE(kommandoer.size() % 2, 0);
        for (qsizetype i = 0; i < kommandoer.size(); i += 2) {
            // The file is named after the command by the program's one rule
            // for typed names ("%" is written "%25").
            QCOMPARE(kommandoer.at(i + 1), m.dosMappe + filnavn::fraNavn(kommandoer.at(i), 4) + ".txt");
            QVERIFY2(QFileInfo(kommandoer.at(i + 1)).isFile(), qPrintable(kommandoer.at(i + 1)));
        }

        const QStringList typer = tekstfil::hent(m.OptMappe + "Filtertyper.txt");
        QCOMPARE(typer.size() % 3, 0);
        for (qsizetype i = 0; i < typer.size(); i += 3) {
            QVERIFY(!typer.at(i).isEmpty());
            QVERIFY(typer.at(i + 1).startsWith("*."));
            QVERIFY(typer.at(i + 2) == "0" || typer.at(i + 2) == "1");
        }
        const QStringList vindue = tekstfil::hent(m.OptMappe + "Spm_kopiering.txt");
        QCOMPARE(vindue.size(), 2);
        QVERIFY(vindue.at(0).toInt() >= 415 && vindue.at(1).toInt() > 0);

        // Text files: UTF-8, CR LF after every line; shell scripts keep LF.
        for (const QString &mappe : {m.dosMappe, m.OptMappe}) {
            for (const QString &navn : QDir(mappe).entryList(QDir::Files)) {
                const QByteArray data = laes(mappe + navn);
                QStringDecoder utf8(QStringDecoder::Utf8);
                const QString tekst = utf8.decode(data);
                QVERIFY2(!utf8.hasError(), qPrintable(navn));
                if (navn.endsWith(".sh")) {
                    QVERIFY2(!data.contains('\r'), qPrintable(navn));
                } else {
                    QVERIFY2(data.endsWith("\r\n"), qPrintable(navn));
                    QCOMPARE(data.count('\n'), data.count("\r\n"));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDataMappe)
#include "tst_datamappe.moc"
