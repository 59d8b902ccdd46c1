#include "platform/aabner.h"
#include "platform/desktopfil.h"
#include "platform/programikon.h"
#include "platform/standardprogrammer.h"
#include "platform/terminal.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace testfiler;

// Launching against a desktop of our own making: a temporary home with its
// own applications, mimeapps.list and PATH, so nothing depends on what the
// machine has installed. Every fake program records how it was started.
class TestAabner : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;
    QString m_rod;
    QString m_bin;
    QString m_log;
    QByteArray m_gammelPath;

    // A program that appends one line: its folder and its arguments, each in [].
    void lavLogprogram(const QString &sti)
    {
        skrivLogprogram(sti, m_log, "\"$PWD\"");
    }

    QStringList logLinjer() { return tekstlinjer(m_log); }

    QString applikationer() const { return m_rod + "/.local/share/applications/"; }

    void lavEntry(const QString &navn, const QByteArray &linjer)
    {
        skrivFil(applikationer() + navn, "[Desktop Entry]\nType=Application\nName=" + navn.toUtf8() + "\n" + linjer);
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hjem = std::make_unique<MidlertidigHjem>();
        m_rod = m_hjem->sti();
        m_bin = m_rod + "/bin";
        m_log = m_rod + "/log.txt";
        // Only our own folders count: no system entries, no system defaults.
        // The MIME database is the machine's, seen through our data folder.
        qputenv("XDG_DATA_DIRS", (m_rod + "/sys").toUtf8());
        QDir().mkpath(m_rod + "/sys");
        QFile::link("/usr/share/mime", m_rod + "/sys/mime");
        qputenv("XDG_CONFIG_DIRS", (m_rod + "/etc").toUtf8());
        qunsetenv("XDG_CURRENT_DESKTOP");
        m_gammelPath = qgetenv("PATH");
        qputenv("PATH", (m_bin + ":/usr/bin:/bin").toUtf8());

        lavLogprogram(m_bin + "/logargs");
        lavEntry("editor.desktop", "Exec=logargs --rediger %F\nMimeType=text/plain;\n");
        lavEntry("viser.desktop", "Exec=logargs --vis %f\n");
        lavEntry("cache-valg.desktop", "Exec=logargs --cache %f\nMimeType=text/plain;\n");
        lavEntry("skjult.desktop", "Exec=logargs --skjult %f\nHidden=true\n");
        lavEntry("fjernet.desktop", "Exec=logargs --fjernet %f\n");
        skrivFil(m_rod + "/.config/mimeapps.list",
                 "[Default Applications]\n"
                 "text/plain=skjult.desktop;editor.desktop;\n"
                 "[Added Associations]\n"
                 "image/png=fjernet.desktop;viser.desktop;\n"
                 "[Removed Associations]\n"
                 "image/png=fjernet.desktop;\n");
    }

    void cleanupTestCase() { qputenv("PATH", m_gammelPath); }
    void init() { QFile::remove(m_log); }

    void execLinjerUdvides_data()
    {
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QStringList>("filer");
        QTest::addColumn<QStringList>("kommandoer");   // one per start, arguments joined by "|"

        QTest::newRow("%f starts once per file") << "prog %f" << QStringList{"/a b", "/c"}
                                                 << QStringList{"prog|/a b", "prog|/c"};
        QTest::newRow("%F takes every file") << "prog --x %F" << QStringList{"/a", "/b"}
                                             << QStringList{"prog|--x|/a|/b"};
        QTest::newRow("%f without a file vanishes") << "prog %f -n" << QStringList{} << QStringList{"prog|-n"};
        QTest::newRow("embedded code") << "prog --fil=%u" << QStringList{"/a"} << QStringList{"prog|--fil=/a"};
        QTest::newRow("quoted program and escapes")
            << "\"/opt/mit program/x\" \"a \\\"q\\\" \\$HOME \\\\ `\"" << QStringList{}
            << QStringList{"/opt/mit program/x|a \"q\" $HOME \\ `"};
        QTest::newRow("per cent, icon, name, deprecated codes")
            << "prog 100%% %i %c %d %m" << QStringList{} << QStringList{"prog|100%|--icon|ikon|Navn"};
        QTest::newRow("per cent inside quotes") << "\"/a b/100%% x\" y%%" << QStringList{}
                                                << QStringList{"/a b/100% x|y%"};
        QTest::newRow("no file code: files are not passed") << "prog" << QStringList{"/a"} << QStringList{"prog"};
        QTest::newRow("unclosed quotation mark") << "prog \"a" << QStringList{"/a"} << QStringList{};
    }

    void execLinjerUdvides()
    {
        QFETCH(QString, exec);
        QFETCH(QStringList, filer);
        QFETCH(QStringList, kommandoer);
        // The file holds the value with the string-level escapes doubled.
        QString vaerdi = exec;
        vaerdi.replace("\\", "\\\\");
        const Desktopfil d = Desktopfil::fortolk(
            "[Desktop Entry]\nType=Application\nName=Navn\nIcon=ikon\nExec=" + vaerdi + "\n[Desktop Action x]\nExec=andet\n");
        QVERIFY(d.gyldig());
        QStringList faktisk;
        for (const QStringList &k : d.kommandoer(filer))
            faktisk.append(k.join('|'));
        QCOMPARE(faktisk, kommandoer);
    }

    void standardprogramFindesEfterReglerne()
    {
        auto id = [](const QString &type) { return QFileInfo(standardprogrammer::desktopfilFor(type)).fileName(); };
        // The first default is hidden, so the next one is used, before the
        // cache (here: the MimeType lines of the folder's entries).
        QCOMPARE(id("text/plain"), QString("editor.desktop"));
        // A type without an entry of its own uses what it derives from.
        QCOMPARE(id("text/x-csrc"), QString("editor.desktop"));
        // A removed association is skipped.
        QCOMPARE(id("image/png"), QString("viser.desktop"));
        QCOMPARE(id("application/x-ukendt-type"), QString());
    }

    void dokumentAabnesMedStandardprogram()
    {
        const QString fil = skrivFil(m_rod + "/docs/brev \"1\" $HOME.txt", "hej");
        QCOMPARE(aabner::execute(aabner::Verbum::Aabn, fil), int(aabner::Ok));
        // The name arrives as one argument, untouched by any shell.
        QTRY_COMPARE(logLinjer(), QStringList{"[" + QDir::currentPath() + "][--rediger][" + fil + "]"});
    }

    void redigeringGaarTilTekstprogrammet()
    {
        const QString script = skrivFil(m_rod + "/docs/koer.sh", "echo hej\n");
        QCOMPARE(aabner::execute(aabner::Verbum::Rediger, script), int(aabner::Ok));
        QTRY_COMPARE(logLinjer().size(), 1);
        QVERIFY(logLinjer().first().endsWith("[--rediger][" + script + "]"));
        // A picture has no editing verb.
        const QString png = m_rod + "/docs/b.png";
        QImage(2, 2, QImage::Format_RGB32).save(png);
        QCOMPARE(aabner::execute(aabner::Verbum::Rediger, png), int(aabner::IngenTilknytning));
    }

    void fejlkoderFraTjekFoerStart_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<int>("verbum");   // 0 open, 1 edit, 2 run as program
        QTest::addColumn<int>("kode");

        QTest::newRow("missing file") << "/docs/mangler.txt" << 0 << 2;
        QTest::newRow("missing folder") << "/mangler/x.txt" << 0 << 3;
        QTest::newRow("program not on PATH") << "findesikke-prog" << 2 << 12;
        QTest::newRow("no application for the type") << "/docs/data.ukendt" << 0 << 31;
        QTest::newRow("folder cannot be edited") << "/docs" << 1 << 31;
        QTest::newRow("program without execute bit") << "/docs/ikkekoerbar" << 2 << 5;
        QTest::newRow("execute bit, not a program") << "/docs/falsk.prog" << 2 << 11;
        QTest::newRow("hidden desktop entry") << "/docs/skjult.desktop" << 0 << 31;
        QTest::newRow("entry whose program is missing") << "/docs/borte.desktop" << 0 << 12;
        QTest::newRow("entry whose TryExec is missing") << "/docs/tryexec.desktop" << 0 << 12;
        QTest::newRow("entry with a missing folder") << "/docs/mappeborte.desktop" << 0 << 3;
    }

    void fejlkoderFraTjekFoerStart()
    {
        QFETCH(QString, fil);
        QFETCH(int, verbum);
        QFETCH(int, kode);
        skrivFil(m_rod + "/docs/data.ukendt", QByteArray(64, '\x01'));
        skrivFil(m_rod + "/docs/ikkekoerbar", "#!/bin/sh\n");
        skrivFil(m_rod + "/docs/falsk.prog", "MZ not a program", true);
        skrivFil(m_rod + "/docs/skjult.desktop", "[Desktop Entry]\nType=Application\nExec=logargs\nHidden=true\n");
        skrivFil(m_rod + "/docs/borte.desktop", "[Desktop Entry]\nType=Application\nExec=/ingen/steder %f\n");
        skrivFil(m_rod + "/docs/mappeborte.desktop", "[Desktop Entry]\nType=Application\nExec=logargs\nPath=/ingen/mappe\n");
        skrivFil(m_rod + "/docs/tryexec.desktop", "[Desktop Entry]\nType=Application\nExec=logargs\nTryExec=ikke-her\n");
        const QString sti = fil.startsWith('/') ? m_rod + fil : fil;
        const int faktisk = verbum == 2 ? aabner::koerProgram(sti, {})
                                        : aabner::execute(verbum ? aabner::Verbum::Rediger : aabner::Verbum::Aabn, sti);
        QCOMPARE(faktisk, kode);
        QVERIFY(logLinjer().isEmpty());
        // The message can name what is missing.
        if (kode == aabner::ProgramMangler)
            QVERIFY(QStringList({"findesikke-prog", "/ingen/steder", "ikke-her"}).contains(aabner::manglendeProgram()));
    }

    void programKoerersMedSeparateArgumenter()
    {
        QCOMPARE(aabner::koerProgram("logargs", {"a b", "$(id)", "--"}, m_rod + "/docs"), int(aabner::Ok));
        QTRY_COMPARE(logLinjer(), QStringList{"[" + m_rod + "/docs][a b][$(id)][--]"});
    }

    void udfoerbartDokumentAabnesSomDokument()
    {
        // Files on FAT volumes carry execute bits; a document stays a document.
        const QString fil = skrivFil(m_rod + "/usb/noter.txt", "tekst", true);
        QCOMPARE(aabner::execute(aabner::Verbum::Aabn, fil), int(aabner::Ok));
        QTRY_COMPARE(logLinjer().size(), 1);
        QVERIFY(logLinjer().first().endsWith("[--rediger][" + fil + "]"));
    }

    void desktopfilerStartes()
    {
        const QString mappe = m_rod + "/arbejde";
        QDir().mkpath(mappe);
        const QString app = skrivFil(m_rod + "/genveje/app.desktop",
                                     "[Desktop Entry]\nType=Application\nName=App\nExec=logargs --app %F\nPath=" +
                                         mappe.toUtf8() + "\n");
        QCOMPARE(aabner::koerProgram(app, {"/x y"}), int(aabner::Ok));
        QTRY_COMPARE(logLinjer(), QStringList{"[" + mappe + "][--app][/x y]"});

        // A link entry opens its target with the target's own application.
        QFile::remove(m_log);
        const QString maal = skrivFil(m_rod + "/docs/mål æ.txt", "x");
        const QString link = skrivFil(m_rod + "/genveje/link.desktop",
                                      "[Desktop Entry]\nType=Link\nName=L\nURL=" +
                                          QUrl::fromLocalFile(maal).toEncoded() + "\n");
        QCOMPARE(aabner::execute(aabner::Verbum::Aabn, link), int(aabner::Ok));
        QTRY_COMPARE(logLinjer().size(), 1);
        QVERIFY(logLinjer().first().endsWith("[--rediger][" + maal + "]"));

        // A link to itself ends instead of looping.
        const QString loekke = m_rod + "/genveje/loekke.desktop";
        skrivFil(loekke, "[Desktop Entry]\nType=Link\nName=L\nURL=" + QUrl::fromLocalFile(loekke).toEncoded() + "\n");
        QCOMPARE(aabner::execute(aabner::Verbum::Aabn, loekke), int(aabner::IngenTilknytning));
    }

    void terminalensArgumenter_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("kommando");
        QTest::addColumn<QStringList>("forventet");
        const QStringList k{"sh", "./a b.sh"};
        QTest::newRow("gnome-terminal") << "/usr/bin/gnome-terminal" << k
                                        << QStringList{"--working-directory=/m p", "--", "sh", "./a b.sh"};
        QTest::newRow("konsole") << "konsole" << k << QStringList{"--workdir", "/m p", "-e", "sh", "./a b.sh"};
        QTest::newRow("xfce4-terminal") << "xfce4-terminal" << k
                                        << QStringList{"--working-directory=/m p", "-x", "sh", "./a b.sh"};
        QTest::newRow("x-terminal-emulator") << "x-terminal-emulator" << k << QStringList{"-e", "sh", "./a b.sh"};
        QTest::newRow("shell only") << "xterm" << QStringList{} << QStringList{};
        QTest::newRow("gnome-terminal, shell only") << "gnome-terminal" << QStringList{}
                                                    << QStringList{"--working-directory=/m p"};
    }

    void terminalensArgumenter()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, kommando);
        QFETCH(QStringList, forventet);
        QCOMPARE(terminal::argumenter(program, "/m p", kommando), forventet);
    }

    void terminalVaelgesEfterSkrivebordet()
    {
        const QString gnome = skrivFil(m_rod + "/term/gnome-terminal", "#!/bin/sh\n", true);
        const QString x = skrivFil(m_rod + "/term/x-terminal-emulator", "#!/bin/sh\n", true);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", (m_rod + "/term").toUtf8());
        QCOMPARE(terminal::find(), x);
        qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
        QCOMPARE(terminal::find(), gnome);
        qputenv("XDG_CURRENT_DESKTOP", "LXQt");
        QCOMPARE(terminal::find(), x);
        qputenv("PATH", (m_rod + "/ingen").toUtf8());
        QCOMPARE(terminal::find(), QString());
        QCOMPARE(terminal::koerScript(m_rod + "/docs/koer.sh"), int(aabner::IngenTerminal));
        qunsetenv("XDG_CURRENT_DESKTOP");
        qputenv("PATH", path);
    }

    // A document whose only application runs in a terminal, with no terminal
    // installed: the result names the terminal, not a missing file.
    void dokumentUdenTerminal()
    {
        lavEntry("termvis.desktop", "Exec=logargs --term %f\nTerminal=true\n");
        skrivFil(m_rod + "/.config/mimeapps.list",
                 "[Default Applications]\ntext/plain=skjult.desktop;editor.desktop;\ntext/csv=termvis.desktop;\n"
                 "[Added Associations]\nimage/png=fjernet.desktop;viser.desktop;\n"
                 "[Removed Associations]\nimage/png=fjernet.desktop;\n");
        const QString fil = skrivFil(m_rod + "/docs/tal.csv", "1;2\n");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", m_bin.toUtf8());
        const int kode = aabner::execute(aabner::Verbum::Aabn, fil);
        qputenv("PATH", path);
        QCOMPARE(kode, int(aabner::IngenTerminal));
        QVERIFY(logLinjer().isEmpty());
    }

    void scriptKoererITerminalDerBliverAaben()
    {
        // The fake terminal logs how it was started, then runs what it was
        // given with a shell that ends at once.
        const QString term = m_rod + "/falskterm";
        skrivFil(term + "/x-terminal-emulator",
                 "#!/bin/sh\n"
                 "printf '%s\\n' \"$(printf '[%s]' \"$PWD\" \"$@\")\" >> '" + m_log.toUtf8() + "'\n"
                 "shift\nSHELL=/bin/true exec \"$@\"\n",
                 true);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", (term + ":/usr/bin:/bin").toUtf8());
        const QString mappe = m_rod + "/mine scripts";
        const QString script = skrivFil(mappe + "/-kør mig.sh", "echo kørt > resultat.txt\n");
        QCOMPARE(aabner::execute(aabner::Verbum::Aabn, script), int(aabner::Ok));
        qputenv("PATH", path);
        QTRY_COMPARE(logLinjer().size(), 1);
        QCOMPARE(logLinjer().first(), "[" + mappe + "][-e][sh][-c][\"$@\"; exec \"${SHELL:-/bin/sh}\"][sh][sh][./-kør mig.sh]");
        // The script really ran, in its own folder.
        QTRY_VERIFY(QFile::exists(mappe + "/resultat.txt"));
    }

    void programikonFraDesktopfil()
    {
        const QString ikonfil = m_rod + "/ikoner/prog.png";
        QDir().mkpath(m_rod + "/ikoner");
        QImage billede(32, 32, QImage::Format_ARGB32);
        billede.fill(Qt::red);
        QVERIFY(billede.save(ikonfil));
        const QString prog = skrivFil(m_bin + "/mitprog", "#!/bin/sh\n", true);
        const QString andet = skrivFil(m_bin + "/andetprog", "#!/bin/sh\n", true);
        skrivFil(m_bin + "/udenikon", "#!/bin/sh\n", true);
        QDir().mkpath(m_rod + "/.local/share/icons/hicolor/48x48/apps");
        QVERIFY(billede.save(m_rod + "/.local/share/icons/hicolor/48x48/apps/andet-ikon.png"));
        lavEntry("mitprog.desktop", "Exec=mitprog %U\nIcon=" + ikonfil.toUtf8() + "\n");
        lavEntry("andet.desktop", "Exec=sh -c x\nTryExec=" + andet.toUtf8() + "\nIcon=andet-ikon\n");

        const Programikoner ikoner;
        // Found by the Exec name on PATH, by TryExec, and by a theme name.
        QVERIFY(!ikoner.ikon(prog).isNull());
        QCOMPARE(ikoner.ikonnavn(prog), ikonfil);
        QCOMPARE(ikoner.ikonnavn(andet), QString("andet-ikon"));
        QVERIFY(!ikoner.ikon(andet).isNull());
        QVERIFY(ikoner.ikon(m_bin + "/udenikon").isNull());
        QVERIFY(ikoner.ikon(m_rod + "/findes/ikke").isNull());
        QVERIFY(!Programikoner::blank().pixmap(32, 32).isNull());
    }
};

QTEST_MAIN(TestAabner)
#include "tst_aabner.moc"
