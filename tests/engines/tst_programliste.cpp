#include "engines/kendteprogrammer.h"
#include "engines/tmenuexefiler.h"
#include "engines/tstarter.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

using namespace testfiler;

// The program list, its file, the active program and starting programs and
// files, against fake programs that record how they were started.
class TestProgramliste : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;
    QString m_rod;
    QString m_log;
    QString m_itemfil;
    QByteArray m_gammelPath;

    // A program that appends one line to the log: its folder and its
    // arguments, each in [], led by its own name.
    QString program(const QString &navn)
    {
        return skrivLogprogram(m_rod + "/programmer/" + navn, m_log, "\"" + navn.toUtf8() + "\" \"$PWD\"");
    }

    QStringList logLinjer() { return tekstlinjer(m_log); }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hjem = std::make_unique<MidlertidigHjem>();
        m_rod = m_hjem->sti();
        m_log = m_rod + "/log.txt";
        qputenv("XDG_DATA_DIRS", (m_rod + "/sys").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (m_rod + "/etc").toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        QDir().mkpath(m_rod + "/sys");
        QFile::link("/usr/share/mime", m_rod + "/sys/mime");
        m_gammelPath = qgetenv("PATH");
        qputenv("PATH", (m_rod + "/bin:/usr/bin:/bin").toUtf8());

        // A text editor as the default for text, and a terminal.
        const QString editor = program("editor");
        skrivFil(m_rod + "/.local/share/applications/editor.desktop",
                 "[Desktop Entry]\nType=Application\nName=E\nExec=" + editor.toUtf8() + " %F\nMimeType=text/plain;\n");
        skrivFil(m_rod + "/.config/mimeapps.list", "[Default Applications]\ntext/plain=editor.desktop;\n");
        skrivLogprogram(m_rod + "/bin/x-terminal-emulator", m_log, "terminal \"$PWD\"");
    }

    void cleanupTestCase() { qputenv("PATH", m_gammelPath); }

    void init()
    {
        QFile::remove(m_log);
        QDir(m_rod + "/Egenskaber").removeRecursively();
        QDir().mkpath(m_rod + "/Egenskaber");
        m_itemfil = m_rod + "/Egenskaber/ProgItem.txt";
    }

    void listenGemmesOgHentesIgen()
    {
        FakeDialogs d;
        TStarter starter(d);
        TMenuExeFiler liste(m_itemfil, starter, d);
        liste.InsertItem(program("a"), "Ærlig talt", {}, 1);
        liste.InsertItem(program("b"), "B\r\nmed linjeskift", {}, 3);
        QVERIFY(liste.GemProgrammer());
        QCOMPARE(tekstfil::hent(m_itemfil),
                 (QStringList{"2", "Ærlig talt", m_rod + "/programmer/a", "", "1",
                              "B  med linjeskift", m_rod + "/programmer/b", "", "3"}));

        TMenuExeFiler igen(m_itemfil, starter, d);
        QSignalSpy aendret(&igen, &TMenuExeFiler::listeAendret);
        igen.HentProgrammer();
        QCOMPARE(aendret.count(), 1);
        QCOMPARE(igen.antal(), 2);
        QCOMPARE(igen.GetCaption(0), QString("Ærlig talt"));
        QCOMPARE(igen.Prog()[1].ShowType, quint8(3));
        QCOMPARE(igen.GetFilnavn(2), QString());
        QVERIFY(d.informationer.isEmpty());
    }

    void beskadigetFilLaeggesTilSide_data()
    {
        QTest::addColumn<QByteArray>("indhold");
        QTest::addColumn<bool>("beskadiget");
        QTest::newRow("count larger than the records") << QByteArray("2\r\nA\r\n/a\r\n\r\n1\r\n") << true;
        QTest::newRow("short record") << QByteArray("1\r\nA\r\n/a\r\n") << true;
        QTest::newRow("count not a number") << QByteArray("to\r\nA\r\n/a\r\n\r\n1\r\n") << true;
        QTest::newRow("huge count") << QByteArray("2147483647\r\nA\r\n/a\r\n\r\n1\r\n") << true;
        QTest::newRow("count beyond any integer") << QByteArray("99999999999999999999999\r\n") << true;
        QTest::newRow("ShowType not a number") << QByteArray("1\r\nA\r\n/a\r\n\r\nmax\r\n") << true;
        QTest::newRow("ShowType above 255") << QByteArray("1\r\nA\r\n/a\r\n\r\n256\r\n") << true;
        QTest::newRow("zero") << QByteArray("0\r\n") << false;
        QTest::newRow("negative count") << QByteArray("-4\r\nA\r\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
    }

    void beskadigetFilLaeggesTilSide()
    {
        QFETCH(QByteArray, indhold);
        QFETCH(bool, beskadiget);
        skrivFil(m_itemfil, indhold);
        FakeDialogs d;
        TStarter starter(d);
        TMenuExeFiler liste(m_itemfil, starter, d);
        liste.HentProgrammer();
        QCOMPARE(liste.antal(), 0);
        QCOMPARE(QFile::exists(m_itemfil + ".beskadiget"), beskadiget);
        QCOMPARE(d.informationer.size(), beskadiget ? 1 : 0);
        if (!beskadiget)
            return;
        QVERIFY(d.informationer.first().contains(m_itemfil + ".beskadiget"));
        // The damaged file is kept byte for byte; the new list goes beside it.
        liste.InsertItem(program("a"), "A", {}, 1);
        QVERIFY(liste.GemProgrammer());
        QFile gemt(m_itemfil + ".beskadiget");
        QVERIFY(gemt.open(QIODevice::ReadOnly));
        QCOMPARE(gemt.readAll(), indhold);
        // A second damaged file does not push the first one out.
        skrivFil(m_itemfil, indhold);
        liste.HentProgrammer();
        QVERIFY(QFile::exists(m_itemfil + ".beskadiget2"));
    }

    void manglendeProgramFjernesVedKlik()
    {
        const QString a = program("a"), b = program("b"), c = program("c");
        tekstfil::gem(m_itemfil, {"3", "A", a, "", "1", "B", b, "", "1", "C", c, "", "1"});
        QFile::remove(b);
        FakeDialogs d;
        TStarter starter(d);
        TMenuExeFiler liste(m_itemfil, starter, d);
        liste.HentProgrammer();
        // Every record stays listed, the missing one with the blank icon.
        QCOMPARE(liste.antal(), 3);
        QCOMPARE(liste.ikon(1).pixmap(32).toImage().pixelColor(5, 5).alpha(), 0);

        liste.klik(2);
        QTRY_COMPARE(logLinjer(), QStringList{"[c][" + QDir::currentPath() + "]"});
        QCOMPARE(liste.aktuelleProgram(), c);

        QSignalSpy aendret(&liste, &TMenuExeFiler::listeAendret);
        liste.klik(1);
        QCOMPARE(d.informationer, QStringList{"B blev ikke fundet.\rDet vil blive slettet fra listen."});
        QCOMPARE(aendret.count(), 1);
        QCOMPARE(liste.antal(), 2);
        QCOMPARE(liste.GetCaption(1), QString("C"));
        QCOMPARE(tekstfil::hent(m_itemfil), (QStringList{"2", "A", a, "", "1", "C", c, "", "1"}));
    }

    void aktivtProgramOgFiler()
    {
        const QString a = program("a"), b = program("b");
        FakeDialogs d;
        TStarter starter(d);
        TMenuExeFiler liste(m_itemfil, starter, d);
        liste.InsertItem(a, "A", {}, 1);
        liste.InsertItem(b, "B", {}, 1);
        QSignalSpy info(&liste, &TMenuExeFiler::infoProg);
        QSignalSpy exe(&liste, &TMenuExeFiler::exeProgramSkiftet);

        // Case of A–Z is ignored when the caption is looked up.
        liste.setAktuelleProgram(b.toUpper());
        QCOMPARE(liste.getAktuelleCaption(), QString("B"));
        liste.setAktuelleProgram("/ikke/registreret");
        QCOMPARE(liste.getAktuelleCaption(), QString());

        // A menu click makes the program active and hands it the files.
        liste.OnParam = [] { return QStringList{"/x y/1.txt", "/2.txt"}; };
        liste.klik(0);
        QCOMPARE(liste.exeProgram(), a);
        QCOMPARE(exe.count(), 1);
        QCOMPARE(info.takeLast().first().toString(), QString("A"));
        QTRY_COMPARE(logLinjer().size(), 1);
        QCOMPARE(logLinjer().first(), "[a][" + QDir::currentPath() + "][/x y/1.txt][/2.txt]");

        // The box: a click selects, a double click starts with the files.
        liste.vaelgProgram(1);
        QCOMPARE(liste.exeProgram(), b);
        QCOMPARE(info.takeLast().first().toString(), QString("B"));
        liste.OnParam = [] { return QStringList(); };
        liste.startProgram(0);
        QTRY_COMPARE(logLinjer().size(), 2);
        QCOMPARE(logLinjer().last(), "[a][" + QDir::currentPath() + "]");

        liste.rydAktivtProgram();
        QCOMPARE(liste.exeProgram(), QString());
        QCOMPARE(info.takeLast().first().toString(), QString());
        liste.visGemtProgram(b);
        QCOMPARE(info.takeLast().first().toString(), QString("B"));
        QVERIFY(d.informationer.isEmpty());
    }

    void parametre_data()
    {
        QTest::addColumn<bool>("stifinder");
        QTest::addColumn<QStringList>("valgte");
        QTest::addColumn<QString>("editSti");
        QTest::addColumn<QStringList>("forventet");
        QTest::newRow("explorer active: its selected files")
            << true << QStringList{"/a b.txt", "/c"} << "/d" << QStringList{"/a b.txt", "/c"};
        QTest::newRow("explorer active, nothing selected") << true << QStringList{} << "/d" << QStringList{};
        QTest::newRow("no explorer: the current element") << false << QStringList{"/a"} << "/d e" << QStringList{"/d e"};
        QTest::newRow("no explorer, no element") << false << QStringList{} << "" << QStringList{};
    }

    void parametre()
    {
        QFETCH(bool, stifinder);
        QFETCH(QStringList, valgte);
        QFETCH(QString, editSti);
        QFETCH(QStringList, forventet);
        QCOMPARE(TMenuExeFiler::parametre(stifinder, valgte, editSti), forventet);
    }

    void parameterstrengDelesIStier()
    {
        FakeDialogs d;
        TStarter starter(d);
        const QString a = program("a");
        QVERIFY(starter.OpenFilMedProgram(a, "\"/mine filer/æ ø.txt\" \"/b.txt\"") > 32);
        QTRY_COMPARE(logLinjer().size(), 1);
        QCOMPARE(logLinjer().first(), "[a][" + QDir::currentPath() + "][/mine filer/æ ø.txt][/b.txt]");
        QVERIFY(starter.OpenFilMedProgram(m_rod + "/programmer/borte", QString()) <= 32);
        QCOMPARE(d.informationer, QStringList{"Den specificerede fil blev ikke fundet.\r"});
    }

    void runFilnameKoererOgRedigerer()
    {
        FakeDialogs d;
        TStarter starter(d);
        const QString mappe = m_rod + "/scripts";
        const QString script = skrivFil(mappe + "/koer.sh", "echo hej\n");
        QVERIFY(starter.runFilname(script, 0) > 32);
        QTRY_COMPARE(logLinjer().size(), 1);
        // Run in a terminal, in the script's folder, by its name only.
        QCOMPARE(logLinjer().first(),
                 "[terminal][" + mappe + "][-e][sh][-c][\"$@\"; exec \"${SHELL:-/bin/sh}\"][sh][sh][./koer.sh]");
        QVERIFY(starter.runFilname(script, 1) > 32);
        QTRY_COMPARE(logLinjer().size(), 2);
        QCOMPARE(logLinjer().last(), "[editor][" + mappe + "][" + script + "]");

        // Nothing happens for a missing file; a type without an
        // application gets its message.
        starter.runFilname(mappe + "/borte.sh", 0);
        QVERIFY(d.informationer.isEmpty());
        const QString data = skrivFil(mappe + "/data.ukendt", QByteArray(32, '\x02'));
        QCOMPARE(starter.runFilname(data, 0), 31);
        QCOMPARE(d.informationer, QStringList{TStarter::ErrorTekst(31) + "\r"});
    }

    void fejltekster_data()
    {
        QTest::addColumn<int>("kode");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("0") << 0 << "Operationssystemet er løbet tør for hukommelse eller resourcer.";
        QTest::newRow("2") << 2 << "Den specificerede fil blev ikke fundet.";
        QTest::newRow("3") << 3 << "Stien blev ikke fundet.";
        QTest::newRow("5") << 5 << "Operationssystemet forbød adgang til filen.";
        QTest::newRow("8") << 8 << "Der var ikke hukommelse nok til at fuldføre operationen.";
        QTest::newRow("11") << 11 << "Invalid exe fil (non-Microsoft Win32 .exe eller fejl i .exe image).";
        QTest::newRow("26") << 26 << "Der opstod en \"sharing violation\".";
        QTest::newRow("27") << 27 << "Filnavnsassociatonen er ukomplet eller invalid";
        QTest::newRow("28") << 28 << "\"DDE transaction\" kunne ikke udføres fordi \"the request timed out\".";
        QTest::newRow("29") << 29 << "\"DDE transaction\" mislykkedes.";
        QTest::newRow("30") << 30 << "Den \"Dynamic Data Exchange (DDE) transaction\" kunne ikke fuldføres\r"
                                     "fordi andre \"DDE transactions\" skulle udføres.";
        QTest::newRow("31") << 31 << "Der er ikke associeret noget program til givne filefternavn.\r"
                                     "Der er muligvist valgt: For redigering.\rDer skal muligvist vælges: For kørsel.";
        QTest::newRow("32") << 32 << "Det specificerede \"dynamic-link library (DLL)\" blev ikke fundet.";
        QTest::newRow("program missing") << 12 << "Programmet, der skulle startes, blev ikke fundet.";
        QTest::newRow("no terminal") << 13 << "Der blev ikke fundet et terminalprogram at køre det i.\r"
                                              "Installer for eksempel xterm.";
        QTest::newRow("other") << 1 << "Meningsløs operation eller ukendt fejl.";
        QTest::newRow("negative") << -7 << "Meningsløs operation eller ukendt fejl.";
    }

    void fejltekster()
    {
        QFETCH(int, kode);
        QFETCH(QString, tekst);
        FakeDialogs d;
        TStarter(d).ErrorInfo(kode);
        QCOMPARE(d.informationer, QStringList{tekst + "\r"});
    }

    // A program that is not installed is named, not reported as a missing file.
    void manglendeProgramNavngives()
    {
        FakeDialogs d;
        TStarter starter(d);
        QCOMPARE(starter.OpenFilMedProgram("findes-ikke-program", QStringList{}), 12);
        QCOMPARE(d.informationer, QStringList{"Programmet findes-ikke-program blev ikke fundet.\r"
                                              "Det skal være installeret, før det kan startes.\r"});
    }

    void flytningHolderIkonerMedPosterne()
    {
        FakeDialogs d;
        TStarter starter(d);
        TMenuExeFiler liste(m_itemfil, starter, d);
        liste.InsertItem(program("a"), "A", {}, 1);
        liste.InsertItem(m_rod + "/ingen", "B", {}, 1);
        const qint64 ikonB = liste.ikon(1).cacheKey();
        QVERIFY(!liste.flytOp(0));
        QVERIFY(!liste.flytNed(1));
        QVERIFY(liste.flytOp(1));
        QCOMPARE(liste.GetCaption(0), QString("B"));
        QCOMPARE(liste.ikon(0).cacheKey(), ikonB);
        QVERIFY(liste.flytNed(0));
        QCOMPARE(liste.GetCaption(1), QString("B"));
    }

    void kendteProgrammerFindes()
    {
        const QString rod = m_rod + "/maskine";
        skrivFil(rod + "/usr/bin/vlc", "#!/bin/sh\n", true);
        skrivFil(rod + "/usr/bin/gedit", "#!/bin/sh\n", true);
        FakeDialogs d;
        TStarter starter(d);
        TMenuExeFiler liste(m_itemfil, starter, d);
        liste.InsertItem(rod + "/usr/bin/vlc", "VLC", {}, 1);
        QHash<QString, QString> fundet;
        for (const KendtProgram &p : kendteprogrammer::tabel())
            fundet.insert(p.knap, kendteprogrammer::find(p, liste, rod));
        QCOMPARE(fundet.value("VLC medie player"), QString());    // already registered
        QCOMPARE(fundet.value("Teksteditor"), rod + "/usr/bin/gedit");   // the second place looked at
        QCOMPARE(fundet.value("Firefox"), QString());
    }
};

QTEST_MAIN(TestProgramliste)
#include "tst_programliste.moc"
