#include "engines/tdeletecompo.h"
#include "engines/tmetodecompo.h"
#include "platform/navnekode.h"

#include "fakebekraeftelse.h"
#include "fakedialogs.h"
#include "fakeprogress.h"
#include "rodfiksturer.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace testfiler;

namespace {

// One delete engine with its scripted windows, the mount table faked so a
// test never depends on the machine's own mounts.
struct Sletter
{
    FakeDialogs dialogs;
    FakeBekraeftelse bekraeftelse;
    FakeProgress vindue;
    TDeleteCompo motor{&dialogs, &bekraeftelse, &vindue};
    Sletter() { motor.setMonteringspunkter(QSet<QString>{"/"}); }
};

} // namespace

Q_DECLARE_METATYPE(Spoergsmaal)

class TestSletning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    // Always, only before a permanent deletion, never. A "Nej"
    // deletes nothing and shows no delete window.
    void spoergsmaalsmaader_data()
    {
        QTest::addColumn<Spoergsmaal>("spm");
        QTest::addColumn<bool>("tilPapirkurv");
        QTest::addColumn<bool>("spoerges");
        QTest::newRow("altid, papirkurv") << Spoergsmaal::Altid << true << true;
        QTest::newRow("altid, permanent") << Spoergsmaal::Altid << false << true;
        QTest::newRow("kun før slet, papirkurv") << Spoergsmaal::KunFoerSlet << true << false;
        QTest::newRow("kun før slet, permanent") << Spoergsmaal::KunFoerSlet << false << true;
        QTest::newRow("aldrig, papirkurv") << Spoergsmaal::Aldrig << true << false;
        QTest::newRow("aldrig, permanent") << Spoergsmaal::Aldrig << false << false;
    }
    void spoergsmaalsmaader()
    {
        QFETCH(Spoergsmaal, spm);
        QFETCH(bool, tilPapirkurv);
        QFETCH(bool, spoerges);
        MidlertidigHjem hjem;
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/m/a.txt"));
        QVERIFY(lavFil(d.path() + "/b.txt"));
        Sletter s;
        s.motor.setIntSpm(spm);

        s.bekraeftelse.svar.enqueue(false);
        const bool koerte = s.motor.DeleteElementer({d.path() + "/m"}, {d.path() + "/b.txt"}, tilPapirkurv);
        QCOMPARE(s.bekraeftelse.kald.size(), spoerges ? 1 : 0);
        QCOMPARE(koerte, !spoerges);
        QCOMPARE(QFile::exists(d.path() + "/b.txt"), spoerges);
        if (spoerges) {
            const FakeBekraeftelse::Kald &k = s.bekraeftelse.kald.first();
            QCOMPARE(k.tekster.caption, QString("Sletning af elementer"));
            QCOMPARE(k.tekster.destination,
                     tilPapirkurv ? QString("Papirkurv") : QString("Ingen: Elementerne slettes permanent."));
            QCOMPARE(k.mapper, QStringList{d.path() + "/m"});
            QCOMPARE(k.filer, QStringList{d.path() + "/b.txt"});
            QVERIFY(!s.vindue.forloeb.contains("vis"));
            QCOMPARE(s.motor.getResult(), QString());

            s.bekraeftelse.svar.enqueue(true);
            QVERIFY(s.motor.DeleteElementer({d.path() + "/m"}, {d.path() + "/b.txt"}, tilPapirkurv));
        }
        QCOMPARE(navne(d.path()), QStringList());
        QVERIFY(s.dialogs.informationer.isEmpty());
        QCOMPARE(QFile::exists(hjem.sti() + "/.local/share/Trash/files/b.txt"), tilPapirkurv);
        QCOMPARE(s.motor.getResult(), QString("2 bytes"));
    }

    // The delete window: two folders and three files.
    void vinduetsTekster()
    {
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/m1/a.txt", "12345"));
        QVERIFY(lavFil(d.path() + "/m1/u/b.txt", "123"));
        QVERIFY(lavFil(d.path() + "/m2/c.txt", "1"));
        for (const char *f : {"/x.txt", "/y.txt", "/z.txt"})
            QVERIFY(lavFil(d.path() + f, "1024"));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        s.motor.setCloseBoxAfter(false);
        QVERIFY(s.motor.DeleteElementer({d.path() + "/m1", d.path() + "/m2"},
                                        {d.path() + "/x.txt", d.path() + "/y.txt", d.path() + "/z.txt"}, false));
        QVERIFY(s.vindue.forloeb.contains("mapper: Følgende 2 mapper slettes:"));
        QVERIFY(s.vindue.forloeb.contains("information: Antal filer: 6"));
        QVERIFY(s.vindue.forloeb.contains("destination: Vedvarende sletning: 21 bytes"));
        QCOMPARE(s.vindue.mapper, QStringList({d.path() + "/m1", d.path() + "/m2"}));
        QCOMPARE(s.vindue.markerede, QList<int>({0, 1}));
        QCOMPARE(s.vindue.procent, 100);
        QCOMPARE(s.vindue.resterende, QString("0 (0 bytes)"));
        QVERIFY(s.vindue.vist);   // "Luk progressbokse" off keeps it open
        QCOMPARE(s.motor.getResult(), QString("21 bytes"));
        QCOMPARE(navne(d.path()), QStringList());

        // One folder: singular.
        QVERIFY(lavFil(d.path() + "/m3/a.txt"));
        QVERIFY(s.motor.DeleteElementer({d.path() + "/m3"}, {}, false));
        QVERIFY(s.vindue.forloeb.contains("mapper: Følgende 1 mappe slettes:"));
    }

    // An empty file weighs one byte, so the total and the result are never
    // "0 bytes" for something that was deleted.
    void tomFilTaellerEnByte()
    {
        MidlertidigHjem hjem;
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/tom.txt", ""));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        QVERIFY(s.motor.DeleteElementer({}, {d.path() + "/tom.txt"}, true));
        QVERIFY(s.vindue.forloeb.contains("destination: Papirkurvs sletning: 1 bytes"));
        QCOMPARE(s.motor.getResult(), QString("1 bytes"));
        QVERIFY(!s.vindue.vist);
    }

    // A folder listed twice, or inside another listed folder, is deleted,
    // counted and listed once, and no error is reported for it.
    void mappeListetToGange()
    {
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/m/u/a.txt", "abc"));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        QVERIFY(s.motor.DeleteElementer({d.path() + "/m", d.path() + "/m", d.path() + "/m/u"},
                                        {d.path() + "/m/u/a.txt"}, false));
        QCOMPARE(s.vindue.mapper, QStringList{d.path() + "/m"});
        QVERIFY(s.vindue.forloeb.contains("information: Antal filer: 1"));
        QVERIFY(s.dialogs.informationer.isEmpty());
        QCOMPARE(navne(d.path()), QStringList());
        QCOMPARE(s.motor.getResult(), QString("3 bytes"));
    }

    // A listed folder gone since the selection is reported once and passed over.
    void mappeFindesIkke()
    {
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/b.txt"));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        QVERIFY(s.motor.DeleteElementer({d.path() + "/borte"}, {d.path() + "/b.txt"}, false));
        QCOMPARE(s.dialogs.informationer, QStringList{"Mappen\r" + d.path() + "/borte\reksisterer ikke."});
        QCOMPARE(navne(d.path()), QStringList());
    }

    // "/", the home folder, a folder above it and the data folder are never
    // deleted, in either mode, and the user is told; the rest of the
    // selection goes ahead.
    void beskyttedeMapper_data()
    {
        QTest::addColumn<bool>("tilPapirkurv");
        QTest::newRow("papirkurv") << true;
        QTest::newRow("permanent") << false;
    }
    void beskyttedeMapper()
    {
        QFETCH(bool, tilPapirkurv);
        MidlertidigHjem hjem;
        const QString data = hjem.sti() + "/Marvikel";
        QVERIFY(lavFil(data + "/bruger/Egenskaber/MainEgenskaber.txt"));
        QVERIFY(lavFil(hjem.sti() + "/Dokumenter/slet-mig.txt"));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        s.motor.setBeskyttede({data});
        const QString over = QFileInfo(hjem.sti()).path();
        QVERIFY(s.motor.DeleteElementer({"/", hjem.sti() + "/", over, data}, {hjem.sti() + "/Dokumenter/slet-mig.txt"},
                                        tilPapirkurv));
        QCOMPARE(s.dialogs.informationer.size(), 1);
        QCOMPARE(s.dialogs.informationer.first(),
                 "Følgende må aldrig slettes og bliver ikke slettet:\r/ (roden af filsystemet)\r" + hjem.sti()
                     + " (en beskyttet mappe)\r" + over + " (rummer en beskyttet mappe)\r" + data
                     + " (en beskyttet mappe)");
        QVERIFY(QFile::exists(data + "/bruger/Egenskaber/MainEgenskaber.txt"));
        QVERIFY(!QFile::exists(hjem.sti() + "/Dokumenter/slet-mig.txt"));

        // Nothing left to delete: no question, no window.
        s.motor.setIntSpm(Spoergsmaal::Altid);
        QVERIFY(!s.motor.DeleteElementer({data}, {}, tilPapirkurv));
        QVERIFY(s.bekraeftelse.kald.isEmpty());
    }

    // A drive (mount point) is refused; a mount point inside a folder
    // deleted permanently is not entered, and the result counts only what
    // went.
    void monteringspunkter()
    {
        QTemporaryDir d;
        const QString rod = QFileInfo(d.path()).canonicalFilePath();
        QVERIFY(lavFil(rod + "/drev/paa-drevet.txt"));
        QVERIFY(lavFil(rod + "/m/a.txt", "1234"));
        QVERIFY(lavFil(rod + "/m/mnt/fremmed.txt", "fremmed"));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        s.motor.setMonteringspunkter(QSet<QString>{"/", rod + "/drev", rod + "/m/mnt"});
        QVERIFY(s.motor.DeleteElementer({rod + "/drev", rod + "/m"}, {}, false));
        QCOMPARE(s.dialogs.informationer.size(), 2);
        QCOMPARE(s.dialogs.informationer[0],
                 "Følgende må aldrig slettes og bliver ikke slettet:\r" + rod + "/drev (et drev)");
        QCOMPARE(s.dialogs.informationer[1],
                 "Dette element blev ikke slettet:\r" + rod
                     + "/m/mnt (mappen hører til et andet monteret drev og blev ikke åbnet)");
        QVERIFY(QFile::exists(rod + "/drev/paa-drevet.txt"));
        QVERIFY(QFile::exists(rod + "/m/mnt/fremmed.txt"));
        QVERIFY(!QFile::exists(rod + "/m/a.txt"));
        QCOMPARE(s.motor.getResult(), QString("4 bytes"));
    }

    // A real mount point inside a folder deleted permanently is never
    // entered, whatever its name: also a bind mount of the same file system
    // (same device) whose name is not valid UTF-8, and the folder itself
    // when it is the mount point. What is mounted there lies outside the
    // selection and stays.
    void monteretMappeMedVilkaarligtNavn_data()
    {
        QTest::addColumn<QByteArray>("navn");
        QTest::newRow("latin-1") << QByteArray("\xe6ndret");
        QTest::newRow("ugyldig utf-8") << QByteArray("ugyldig\xff\xfe");
        QTest::newRow("utf-8") << QByteArray("\xc3\xa6" "ble");
    }
    void monteretMappeMedVilkaarligtNavn()
    {
        QFETCH(QByteArray, navn);
        QTemporaryDir d;
        const QByteArray rod = QFile::encodeName(QFileInfo(d.path()).canonicalFilePath());
        QVERIFY(lavFil(QFile::decodeName(rod + "/ude/fremmed.txt"), "fremmed"));
        QVERIFY(lavFil(QFile::decodeName(rod + "/m/a.txt"), "1234"));
        QVERIFY(::mkdir((rod + "/m/" + navn).constData(), 0755) == 0);
        // Qt cannot remove a name that is not valid UTF-8: removed here,
        // after the mount is undone and before the temporary folder goes.
        struct FjernMappe
        {
            QByteArray sti;
            ~FjernMappe() { ::rmdir(sti.constData()); }
        } fjern{rod + "/m/" + navn};
        const rodfiksturer::Montering bind = rodfiksturer::Montering::bind(rod + "/ude", rod + "/m/" + navn);
        if (!bind.ok())
            QSKIP(qPrintable(bind.grund()));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        s.motor.setMonteringspunkter(std::nullopt);

        QVERIFY(s.motor.DeleteElementer({QFile::decodeName(rod + "/m")}, {}, false));
        QCOMPARE(indhold(QFile::decodeName(rod + "/ude/fremmed.txt")), QByteArray("fremmed"));
        QVERIFY(!QFile::exists(QFile::decodeName(rod + "/m/a.txt")));
        QCOMPARE(s.motor.ikkeSlettet().size(), 1);
        QCOMPARE(s.motor.ikkeSlettet().first().grund,
                 QString("mappen hører til et andet monteret drev og blev ikke åbnet"));
        QCOMPARE(s.motor.getResult(), QString("4 bytes"));

        // The mount point itself is a drive: refused before the question.
        s.dialogs.informationer.clear();
        QVERIFY(!s.motor.DeleteElementer({navnekode::dekod(rod + "/m/" + navn)}, {}, false));
        QCOMPARE(s.dialogs.informationer.size(), 1);
        QVERIFY(s.dialogs.informationer.first().endsWith(" (et drev)"));
        QCOMPARE(indhold(QFile::decodeName(rod + "/ude/fremmed.txt")), QByteArray("fremmed"));
    }

    // An element that cannot go to a trash stays where it is and is named;
    // it is never deleted permanently instead.
    void papirkurvUmulig()
    {
        QTemporaryDir d;
        const QString rod = QFileInfo(d.path()).canonicalFilePath();
        QVERIFY(lavFil(rod + "/data/Trash", "en fil, ingen mappe"));
        QVERIFY(lavFil(rod + "/.Trash-" + QString::number(::getuid()), "heller ikke her"));
        QVERIFY(lavFil(rod + "/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n23 22 8:2 / " + rod.toUtf8()
                                       + " rw - ext4 /dev/sda2 rw\n"));
        QVERIFY(lavFil(rod + "/bliver.txt", "12"));
        papirkurv::Kilder k;
        k.dataHjem = rod + "/data";
        k.mountinfo = rod + "/mountinfo";
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        s.motor.setPapirkurvKilder(k);
        QVERIFY(s.motor.DeleteElementer({}, {rod + "/bliver.txt"}, true));
        QVERIFY(QFile::exists(rod + "/bliver.txt"));
        QCOMPARE(s.motor.ikkeSlettet().size(), 1);
        QCOMPARE(s.dialogs.informationer.size(), 1);
        QVERIFY(s.dialogs.informationer.first().startsWith("Dette element blev ikke slettet:\r" + rod
                                                           + "/bliver.txt (kan ikke lægges i en papirkurv: "));
        QCOMPARE(s.motor.getResult(), QString("0 bytes"));
    }

    // "Tøm": the program's own question names the volume and the count;
    // "Nej" keeps everything, "Ja" empties the home trash.
    void toemPapirkurv()
    {
        // The fixture is a volume of its own with the home folder on it, so
        // no real trash is ever touched.
        QTemporaryDir d;
        const QString rod = QFileInfo(d.path()).canonicalFilePath();
        QVERIFY(lavFil(rod + "/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n23 22 8:2 / " + rod.toUtf8()
                                       + " rw - ext4 /dev/sda2 rw\n"));
        papirkurv::Kilder k;
        k.dataHjem = rod + "/hjem/.local/share";
        k.mountinfo = rod + "/mountinfo";
        QVERIFY(lavFil(rod + "/a.txt"));
        QVERIFY(lavFil(rod + "/m/b.txt"));
        Sletter s;
        s.motor.setIntSpm(Spoergsmaal::Aldrig);
        s.motor.setPapirkurvKilder(k);
        QVERIFY(s.motor.DeleteElementer({rod + "/m"}, {rod + "/a.txt"}, true));
        const QString trash = rod + "/hjem/.local/share/Trash";
        QCOMPARE(navne(trash + "/files"), QStringList({"a.txt", "m"}));

        FakeDialogs dialogs;
        TMetodeCompo metode(&dialogs);
        metode.setPapirkurvKilder(k);
        dialogs.svarNej();
        QCOMPARE(metode.EmptyRecycleBin(true, rod), TMetodeCompo::Toemning::Afvist);
        QCOMPARE(dialogs.spoergsmaal,
                 QStringList{"Skal papirkurven på drevet " + rod + " tømmes?\rDe 2 elementer i den slettes permanent."});
        QCOMPARE(navne(trash + "/files"), QStringList({"a.txt", "m"}));
        dialogs.svarJa();
        QCOMPARE(metode.EmptyRecycleBin(true, rod), TMetodeCompo::Toemning::Tom);
        QCOMPARE(navne(trash + "/files"), QStringList());
        QCOMPARE(navne(trash + "/info"), QStringList());
        QCOMPARE(metode.EmptyRecycleBin(true, rod), TMetodeCompo::Toemning::Tom);
        QCOMPARE(dialogs.informationer, QStringList{"Papirkurven på drevet " + rod + " er tom."});
    }
};

QTEST_GUILESS_MAIN(TestSletning)
#include "tst_sletning.moc"
