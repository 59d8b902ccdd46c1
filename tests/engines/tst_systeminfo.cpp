#include "engines/systeminfo/tapplets.h"
#include "engines/systeminfo/twmi.h"
#include "fakedialogs.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString scriptMappe = QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/scripts");
const QString appletMappe = QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/Window applets/");

// Runs a shell script to its end; its output, or a failure.
QByteArray koer(const QString &script, const QStringList &argumenter, int *kode = nullptr,
                const QProcessEnvironment &miljoe = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(miljoe);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("/bin/sh", QStringList{script} + argumenter);
    p.waitForFinished(60000);
    if (kode)
        *kode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return p.readAll();
}

QByteArray udskrift(const QString &program, const QStringList &argumenter = {})
{
    QProcess p;
    p.start(program, argumenter);
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

// The parse error of an XML document; empty when it is well-formed.
QString xmlFejl(const QByteArray &data)
{
    QXmlStreamReader r(data);
    while (!r.atEnd())
        r.readNext();
    return r.hasError() ? r.errorString() + " line " + QString::number(r.lineNumber()) : QString();
}

QStringList klasser()
{
    QTemporaryDir tmp;
    koer(scriptMappe + "/_wmiClasses.sh", {tmp.path()});
    return QString::fromUtf8(testfiler::indhold(tmp.path() + "/classes.txt")).split("\r\n", Qt::SkipEmptyParts)
        .join('\n').split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TestSysteminfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    // The window's workflow: the class list is fetched once and loaded; a
    // program is written into the user's folder, waited for and run; the
    // folder is shown.
    void arbejdsgang()
    {
        QTemporaryDir tmp;
        FakeDialogs d;
        const QString wmiMappe = tmp.path() + "/WMI";
        TWmi wmi(d, scriptMappe, wmiMappe);
        wmi.setInterval(20);
        QVERIFY(QFileInfo(wmiMappe).isDir());
        QStringList koert, sider, viste;
        wmi.koerTekstprogram = [&](const QString &p) { koert << p; return 42; };
        wmi.aabnSide = [&](const QString &s) { sider << s; return 42; };
        wmi.visMappe = [&](const QString &m) { viste << m; };

        QVERIFY(!wmi.kanIndlaese());
        QSignalSpy klar(&wmi, &TWmi::klasserKlar);
        QVERIFY(wmi.hentClasses());
        QVERIFY(!wmi.hentClasses());   // once per window
        QVERIFY(klar.wait(10000));
        QVERIFY(wmi.kanIndlaese());
        const QStringList liste = wmi.indlaesClasses();
        QCOMPARE(liste.first(), "Vælg en wmi class");
        QCOMPARE(liste.mid(1), klasser());
        QVERIFY(!liste.contains(QString()));
        QVERIFY(!wmi.kanIndlaese());
        QCOMPARE(testfiler::navne(scriptMappe).filter("classes").size(), 0);   // nothing in the shipped folder

        QVERIFY(!wmi.kanSkrive("Vælg en wmi class", false));
        QVERIFY(!wmi.kanSkrive("../x", false));
        QVERIFY(!wmi.skrivProgram("", true));

        // Text: an earlier program of the class is removed first.
        QVERIFY(testfiler::lavFil(wmiMappe + "/Linux_OperatingSystem.sh", "gammel"));
        QSignalSpy koerte(&wmi, &TWmi::programKoert);
        QVERIFY(wmi.skrivProgram("Linux_OperatingSystem", false));
        QVERIFY(koerte.wait(10000));
        QCOMPARE(koert, QStringList{wmiMappe + "/Linux_OperatingSystem.sh"});
        QVERIFY(testfiler::indhold(koert.first()).startsWith("#!/bin/sh"));
        QCOMPARE(viste, QStringList{wmiMappe});

        // HTML: the program runs for real and its page is opened.
        QVERIFY(wmi.skrivProgram("Linux_DiskDrive", true));
        QVERIFY(koerte.wait(10000));
        QCOMPARE(sider, QStringList{wmiMappe + "/Linux_DiskDrive.html"});
        QCOMPARE(xmlFejl(testfiler::indhold(sider.first())), QString());
        QCOMPARE(viste.size(), 2);
        QCOMPARE(d.informationer, QStringList());
        for (const QString &navn : testfiler::navne(wmiMappe))
            QVERIFY2(!navn.startsWith('.'), qPrintable(navn));   // no temporaries left
    }

    void manglendeScripts()
    {
        QTemporaryDir tmp;
        FakeDialogs d;
        TWmi wmi(d, tmp.path() + "/ingen", tmp.path() + "/WMI");
        QVERIFY(!wmi.hentClasses());
        QVERIFY(!wmi.namespaceDone());
        QVERIFY(!wmi.kanSkrive("Linux_BIOS", false));
        QVERIFY(!wmi.kanSkrive("Linux_BIOS", true));
    }

    // Every class, both programs, run for real on this machine.
    void alleKlasser_data()
    {
        QTest::addColumn<QString>("klasse");
        const QStringList k = klasser();
        QCOMPARE(k.size(), 16);
        for (const QString &klasse : k)
            QTest::newRow(qPrintable(klasse)) << klasse;
    }
    void alleKlasser()
    {
        QFETCH(QString, klasse);
        QTemporaryDir tmp;
        int kode = -1;
        koer(scriptMappe + "/_udskrivKode.sh", {klasse, tmp.path()}, &kode);
        QCOMPARE(kode, 0);
        koer(scriptMappe + "/_udskrivKodeHTML.sh", {klasse, tmp.path()}, &kode);
        QCOMPARE(kode, 0);
        const QByteArray tekst = koer(tmp.path() + "/" + klasse + ".sh", {}, &kode);
        QCOMPARE(kode, 0);
        QVERIFY(tekst.startsWith(klasse.toUtf8() + "\n"));
        koer(tmp.path() + "/" + klasse + "_Html.sh", {}, &kode);
        QCOMPARE(kode, 0);
        const QByteArray side = testfiler::indhold(tmp.path() + "/" + klasse + ".html");
        QVERIFY(side.startsWith("<!DOCTYPE html>"));
        QCOMPARE(xmlFejl(side), QString());

        // What the system tools print is in the text output.
        const QHash<QString, QStringList> vaerktoej{
            {"Linux_OperatingSystem", {"uname", "-a"}},
            {"Linux_LogicalDisk", {"df", "-hT"}},
            {"Linux_DiskDrive", {"lsblk", "-o", "NAME,TYPE,SIZE,RM,RO,FSTYPE,LABEL,MOUNTPOINTS"}},
        };
        if (vaerktoej.contains(klasse)) {
            const QStringList v = vaerktoej.value(klasse);
            const QByteArray forventet = udskrift(v.first(), v.mid(1)).split('\n').first();
            QVERIFY(!forventet.isEmpty());
            QVERIFY2(tekst.contains(forventet), tekst.constData());
        }
    }

    void ukendtKlasseFaarIntetProgram()
    {
        QTemporaryDir tmp;
        int kode = 0;
        koer(scriptMappe + "/_udskrivKode.sh", {"../Linux_BIOS", tmp.path()}, &kode);
        QCOMPARE(kode, 2);
        koer(scriptMappe + "/_udskrivKodeHTML.sh", {"Linux_Ingen", tmp.path()}, &kode);
        QCOMPARE(kode, 2);
        QCOMPARE(testfiler::navne(tmp.path()), QStringList());
    }

    // A process whose name is markup shows as text on the page.
    void htmlEscaper()
    {
        QTemporaryDir tmp;
        const QString navn = "<b>&\"x\"'";
        const QString program = tmp.path() + "/" + navn;
        QVERIFY(QFile::copy("/bin/sleep", program));
        QProcess p;
        p.start(program, {"60"});
        QVERIFY(p.waitForStarted());
        int kode = -1;
        koer(scriptMappe + "/_udskrivKodeHTML.sh", {"Linux_Process", tmp.path()}, &kode);
        koer(tmp.path() + "/Linux_Process_Html.sh", {}, &kode);
        p.kill();
        p.waitForFinished();
        QCOMPARE(kode, 0);
        const QByteArray side = testfiler::indhold(tmp.path() + "/Linux_Process.html");
        QCOMPARE(xmlFejl(side), QString());
        QVERIFY2(side.contains("&lt;b&gt;&amp;&quot;x&quot;&#39;"), side.constData());
        QVERIFY(!side.contains(navn.toUtf8()));
    }

    // The choice of the applets script by desktop and what is installed,
    // with a PATH of recording stand-ins.
    void appletValg_data()
    {
        QTest::addColumn<QString>("skrivebord");
        QTest::addColumn<QStringList>("installeret");
        QTest::addColumn<QString>("noegle");
        QTest::addColumn<QString>("startet");   // empty: exits 127
        const QStringList alle{"gnome-control-center", "systemsettings", "kcmshell5", "xfce4-display-settings",
                               "arandr", "pavucontrol"};
        QTest::newRow("GNOME") << "ubuntu:GNOME" << alle << "vis_egenskaber" << "gnome-control-center display";
        QTest::newRow("KDE") << "KDE" << alle << "vis_egenskaber" << "systemsettings kcm_kscreen";
        QTest::newRow("KDE kcmshell5") << "KDE" << QStringList{"kcmshell5"} << "lyd" << "kcmshell5 kcm_pulseaudio";
        QTest::newRow("Xfce") << "XFCE" << alle << "vis_egenskaber" << "xfce4-display-settings";
        QTest::newRow("none, generic") << "" << alle << "vis_egenskaber" << "arandr";
        QTest::newRow("GNOME without its panel") << "GNOME" << QStringList{"pavucontrol"} << "lyd" << "pavucontrol";
        QTest::newRow("none, nothing") << "" << QStringList{} << "kontrolpanel" << "";
        QTest::newRow("GNOME, no panel for it") << "GNOME" << alle << "game_controllers" << "";
        QTest::newRow("Xfce control panel") << "XFCE" << QStringList{"xfce4-settings-manager"} << "kontrolpanel"
                                            << "xfce4-settings-manager";
    }
    void appletValg()
    {
        QFETCH(QString, skrivebord);
        QFETCH(QStringList, installeret);
        QFETCH(QString, noegle);
        QFETCH(QString, startet);
        QTemporaryDir tmp;
        const QString bin = tmp.path() + "/bin";
        const QString log = tmp.path() + "/log";
        QDir().mkpath(bin);
        for (const QString &p : installeret)
            testfiler::skrivFil(bin + "/" + p,
                                ("#!/bin/sh\necho \"${0##*/} $*\" > '" + log + ".tmp'\n/bin/mv '" + log + ".tmp' '" + log
                                 + "'\n").toUtf8(),
                                true);
        QProcessEnvironment miljoe;
        miljoe.insert("PATH", bin);
        if (!skrivebord.isEmpty())
            miljoe.insert("XDG_CURRENT_DESKTOP", skrivebord);
        int kode = -1;
        koer(appletMappe + "_applet.sh", {noegle}, &kode, miljoe);
        if (startet.isEmpty()) {
            QCOMPARE(kode, 127);
            QVERIFY(!QFile::exists(log));
            return;
        }
        QCOMPARE(kode, 0);
        QTRY_VERIFY(QFile::exists(log));
        QCOMPARE(testfiler::indhold(log).trimmed(), startet.toUtf8());
    }

    // Every button has its script, and each one knows its key: on a
    // machine with nothing installed every one ends with 127.
    void hverKnapHarSitScript()
    {
        QTemporaryDir tom;
        QProcessEnvironment miljoe;
        miljoe.insert("PATH", tom.path());
        for (const TApplets::Applet &a : TApplets::tabel) {
            const QString script = appletMappe + QString::fromUtf8(a.script);
            QVERIFY2(QFileInfo(script).isFile(), qPrintable(script));
            int kode = -1;
            const QByteArray ud = koer(script, {}, &kode, miljoe);
            QVERIFY2(kode == 127, qPrintable(QString::fromUtf8(a.script) + ": " + ud));
        }
    }

    void appletFejlMeldes()
    {
        QTemporaryDir tmp;
        FakeDialogs d;
        testfiler::skrivFil(tmp.path() + "/ingen.sh", "exit 127\n");
        testfiler::skrivFil(tmp.path() + "/fint.sh", "exit 0\n");
        TApplets applets(d, tmp.path());
        QSignalSpy slut(&applets, &TApplets::afsluttet);
        QVERIFY(applets.koer("fint.sh", "Lyd") > 32);
        QVERIFY(slut.wait(10000));
        QCOMPARE(d.informationer, QStringList());
        QVERIFY(applets.koer("ingen.sh", "Lyd") > 32);
        QVERIFY(slut.wait(10000));
        QCOMPARE(slut.last().at(1).toInt(), 127);
        QCOMPARE(d.informationer, QStringList{TApplets::ingenTekst("Lyd")});
        QVERIFY(d.informationer.first().contains("\"Lyd\""));
        QVERIFY(applets.koer("mangler.sh", "Lyd") <= 32);
        QCOMPARE(d.informationer.size(), 2);
        QCOMPARE(d.informationer.last(), "Den specificerede fil blev ikke fundet.");
    }
};

QTEST_GUILESS_MAIN(TestSysteminfo)
#include "tst_systeminfo.moc"
