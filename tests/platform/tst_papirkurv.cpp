#include "platform/navneskift.h"
#include "platform/papirkurv.h"
#include "platform/sletning.h"

#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <stdio.h>
#include <unistd.h>

using namespace testfiler;

using papirkurv::Kilder;
using papirkurv::Kurv;
using papirkurv::Papirkurv;

namespace {

const QDateTime Tid(QDate(2026, 3, 7), QTime(9, 5, 1));

QString uid()
{
    return QString::number(::getuid());
}

// A bind mount: the same device number, but the kernel refuses a rename
// into the home trash as a move to another volume.
int g_hjemmeKurvAfvist = 0;
int bindMontering(const char *fra, const char *til, unsigned int flag)
{
    if (QByteArray(til).contains("/.local/share/Trash/")) {
        ++g_hjemmeKurvAfvist;
        errno = EXDEV;
        return -1;
    }
    return ::renameat2(AT_FDCWD, fra, AT_FDCWD, til, flag);
}

} // namespace

class TestPapirkurv : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    // The info file matches what other desktops write and read: percent-
    // encoded UTF-8 with "/" kept, local time without zone.
    void trashinfoErPraecis()
    {
        const Kurv hjem{"/h/.local/share/Trash", {}};
        QCOMPARE(papirkurv::trashinfo("/tmp/data/100% ægte#1 ø.txt", hjem, Tid),
                 QByteArray("[Trash Info]\nPath=/tmp/data/100%25%20%C3%A6gte%231%20%C3%B8.txt\n"
                            "DeletionDate=2026-03-07T09:05:01\n"));
        const Kurv volumen{"/media/usb/.Trash-1000", "/media/usb"};
        QCOMPARE(papirkurv::trashinfo("/media/usb/a b/c.txt", volumen, Tid),
                 QByteArray("[Trash Info]\nPath=a%20b/c.txt\nDeletionDate=2026-03-07T09:05:01\n"));
    }

    // With a fresh HOME the home trash is made (0700) under the data folder,
    // the element moves into files/ and its info file restores it.
    void hjemmekurvMedMidlertidigtHjem()
    {
        MidlertidigHjem hjem;
        QTemporaryDir data;
        const QString fil = data.path() + "/rapport 100%.txt";
        QVERIFY(lavFil(fil, "indhold"));
        Papirkurv kurv;
        const papirkurv::Svar s = kurv.flyt(fil, Tid);
        QVERIFY2(s.ok, qPrintable(s.grund));
        const QString trash = hjem.sti() + "/.local/share/Trash";
        QCOMPARE(QFileInfo(trash).permissions() & QFileDevice::ReadOther, QFileDevice::Permissions());
        QVERIFY(!QFile::exists(fil));
        QCOMPARE(indhold(trash + "/files/rapport 100%.txt"), QByteArray("indhold"));
        QCOMPARE(indhold(trash + "/info/rapport 100%.txt.trashinfo"),
                 "[Trash Info]\nPath=" + QFile::encodeName(data.path()).toPercentEncoding("/")
                     + "/rapport%20100%25.txt\nDeletionDate=2026-03-07T09:05:01\n");
    }

    // A second element of the same name gets a free name; its own info file
    // still names its own origin.
    void frieNavne()
    {
        MidlertidigHjem hjem;
        QTemporaryDir data;
        Papirkurv kurv;
        QVERIFY(lavFil(data.path() + "/a/notat.txt", "1"));
        QVERIFY(lavFil(data.path() + "/b/notat.txt", "2"));
        QVERIFY(kurv.flyt(data.path() + "/a/notat.txt", Tid).ok);
        const papirkurv::Svar s = kurv.flyt(data.path() + "/b/notat.txt", Tid);
        QVERIFY(s.ok);
        QCOMPARE(s.navn, QString("notat.2.txt"));
        const QString trash = hjem.sti() + "/.local/share/Trash";
        QCOMPARE(navne(trash + "/files"), QStringList({"notat.2.txt", "notat.txt"}));
        QVERIFY(indhold(trash + "/info/notat.2.txt.trashinfo").contains("/b/notat.txt\n"));
        QCOMPARE(indhold(trash + "/files/notat.2.txt"), QByteArray("2"));
    }

    // One trash run remembers the resolved path of the folder its elements
    // come from; a folder reached through a link that is pointed elsewhere
    // between two moves is resolved anew, so each info file names where its
    // element really was.
    void infoFoelgerMappelinkUnderKoersel()
    {
        MidlertidigHjem hjem;
        QTemporaryDir data;
        QVERIFY(lavFil(data.path() + "/a/1.txt"));
        QVERIFY(lavFil(data.path() + "/a/2.txt"));
        QVERIFY(lavFil(data.path() + "/b/3.txt"));
        const QString via = data.path() + "/via";
        QVERIFY(QFile::link(data.path() + "/a", via));
        Papirkurv kurv;
        QVERIFY(kurv.flyt(via + "/1.txt", Tid).ok);
        QVERIFY(QFile::remove(via));
        QVERIFY(QFile::link(data.path() + "/b", via));
        QVERIFY(kurv.flyt(via + "/3.txt", Tid).ok);
        QVERIFY(QFile::remove(via));
        QVERIFY(QFile::link(data.path() + "/a", via));
        QVERIFY(kurv.flyt(via + "/2.txt", Tid).ok);
        const QString info = hjem.sti() + "/.local/share/Trash/info/";
        const QString ophav = sletning::kanonisk(data.path() + "/x").chopped(2);
        const QByteArray rod = QFile::encodeName(ophav).toPercentEncoding("/");
        QVERIFY(indhold(info + "1.txt.trashinfo").contains("Path=" + rod + "/a/1.txt\n"));
        QVERIFY(indhold(info + "3.txt.trashinfo").contains("Path=" + rod + "/b/3.txt\n"));
        QVERIFY(indhold(info + "2.txt.trashinfo").contains("Path=" + rod + "/a/2.txt\n"));
    }

    // An element that is gone, or a trash that cannot be made, is reported
    // and nothing is deleted; no stray info file stays behind.
    void kanIkkeLaeggesIKurv()
    {
        MidlertidigHjem hjem;
        QTemporaryDir data;
        Papirkurv kurv;
        const papirkurv::Svar mangler = kurv.flyt(data.path() + "/findes-ikke", Tid);
        QVERIFY(!mangler.ok);
        QCOMPARE(mangler.grund, QString("elementet findes ikke"));

        // A home trash that is a file, not a folder, cannot be used.
        QVERIFY(lavFil(hjem.sti() + "/.local/share/Trash", "ikke en mappe"));
        Kilder k;
        k.dataHjem = hjem.sti() + "/.local/share";
        // A trash whose folders are missing refuses before the element moves.
        const QString fil = data.path() + "/bliver.txt";
        QVERIFY(lavFil(fil));
        const papirkurv::Svar s = papirkurv::flytTilKurv(fil, Kurv{data.path() + "/ingen-kurv", {}}, Tid);
        QVERIFY(!s.ok);
        QVERIFY(QFile::exists(fil));
        QCOMPARE(navne(data.path()), QStringList({"bliver.txt"}));
        QVERIFY(!Papirkurv(k).hjemmeKurv());
    }

    // Another volume's trash: "$top/.Trash-$uid" normally, "$top/.Trash/$uid"
    // when the administrator made a shared sticky ".Trash". Path= is then
    // relative to the top folder.
    void volumenKurv_data()
    {
        QTest::addColumn<bool>("deltKurv");
        QTest::newRow(".Trash-uid") << false;
        QTest::newRow(".Trash/uid") << true;
    }
    void volumenKurv()
    {
        QFETCH(bool, deltKurv);
        QTemporaryDir top;
        if (deltKurv) {
            QDir().mkpath(top.path() + "/.Trash");
            ::chmod(QFile::encodeName(top.path() + "/.Trash").constData(), 01777);
        }
        const QString mappe = top.path() + "/Billeder/ferie";
        QVERIFY(lavFil(mappe + "/strand.jpg", "jpg"));
        const std::optional<Kurv> kurv = Papirkurv::volumenKurv(top.path());
        QVERIFY(kurv);
        const QString forventet = deltKurv ? top.path() + "/.Trash/" + uid() : top.path() + "/.Trash-" + uid();
        QCOMPARE(kurv->mappe, forventet);
        QVERIFY(papirkurv::flytTilKurv(mappe, *kurv, Tid).ok);
        QVERIFY(!QFile::exists(mappe));
        QCOMPARE(indhold(forventet + "/files/ferie/strand.jpg"), QByteArray("jpg"));
        QCOMPARE(indhold(forventet + "/info/ferie.trashinfo"),
                 QByteArray("[Trash Info]\nPath=Billeder/ferie\nDeletionDate=2026-03-07T09:05:01\n"));
    }

    // Refused by the home trash as another volume, the element goes to its
    // own volume's trash; no info file stays behind in the home trash.
    void bindMonteringFaarVolumetsKurv()
    {
        QTemporaryDir d;
        const QString rod = QFileInfo(d.path()).canonicalFilePath();
        QVERIFY(lavFil(rod + "/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n23 22 8:1 /x " + rod.toUtf8()
                                       + "/bind rw - ext4 /dev/sda1 rw\n"));
        QVERIFY(lavFil(rod + "/bind/a.txt", "a"));
        Kilder k;
        k.dataHjem = rod + "/hjem/.local/share";
        k.mountinfo = rod + "/mountinfo";
        navneskift::saetRenameKald(bindMontering);
        const papirkurv::Svar s = Papirkurv(k).flyt(rod + "/bind/a.txt", Tid);
        navneskift::saetRenameKald(nullptr);
        QVERIFY2(s.ok, qPrintable(s.grund));
        QCOMPARE(g_hjemmeKurvAfvist, 1);
        QCOMPARE(indhold(rod + "/bind/.Trash-" + uid() + "/files/a.txt"), QByteArray("a"));
        QCOMPARE(indhold(rod + "/bind/.Trash-" + uid() + "/info/a.txt.trashinfo"),
                 QByteArray("[Trash Info]\nPath=a.txt\nDeletionDate=2026-03-07T09:05:01\n"));
        QCOMPARE(navne(rod + "/hjem/.local/share/Trash/info"), QStringList());
    }

    // An element on the home volume whose home trash is refused stays where
    // it is: no trash is made at the top of the volume instead (for the
    // home volume that is the root of the system disk, "/.Trash-0").
    void hjemmekurvAfvistGiverIngenAndenKurv()
    {
        QTemporaryDir d;
        const QString rod = QFileInfo(d.path()).canonicalFilePath();
        QVERIFY(lavFil(rod + "/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n23 22 8:2 / " + rod.toUtf8()
                                       + " rw - ext4 /dev/sda2 rw\n"));
        QVERIFY(lavFil(rod + "/data", "en fil, hvor datamappen skulle være"));
        QVERIFY(lavFil(rod + "/a.txt", "a"));
        Kilder k;
        k.dataHjem = rod + "/data";
        k.mountinfo = rod + "/mountinfo";
        const papirkurv::Svar s = Papirkurv(k).flyt(rod + "/a.txt", Tid);
        QVERIFY(!s.ok);
        QVERIFY(!s.grund.isEmpty());
        QCOMPARE(indhold(rod + "/a.txt"), QByteArray("a"));
        QCOMPARE(navne(rod), (QStringList{"a.txt", "data", "mountinfo"}));
    }

    // A shared ".Trash" without the sticky bit, or a link in its place, is
    // not trusted: the user's own ".Trash-$uid" is used.
    void usikkerDeltKurvBrugesIkke()
    {
        QTemporaryDir top, andet;
        QVERIFY(QFile::link(andet.path(), top.path() + "/.Trash"));
        const std::optional<Kurv> kurv = Papirkurv::volumenKurv(top.path());
        QVERIFY(kurv);
        QCOMPARE(kurv->mappe, top.path() + "/.Trash-" + uid());
        QCOMPARE(navne(andet.path()), QStringList());
    }

    // The top folder of a path is the longest mount point above it.
    void topmappe()
    {
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/mountinfo",
               "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
               "40 22 8:17 / /media/ann/USB rw - vfat /dev/sdb1 rw\n"));
        Kilder k;
        k.dataHjem = d.path();
        k.mountinfo = d.path() + "/mountinfo";
        Papirkurv kurv(k);
        QCOMPARE(kurv.topmappeAf("/media/ann/USB/a/b.txt"), QString("/media/ann/USB"));
        QCOMPARE(kurv.topmappeAf("/media/ann/USBx"), QString("/"));
    }

    // Emptying removes every element with its info file, stray info files
    // and the size cache, and keeps the trash folders.
    void toemEnKurv()
    {
        QTemporaryDir top;
        const std::optional<Kurv> kurv = Papirkurv::volumenKurv(top.path());
        QVERIFY(kurv);
        QVERIFY(lavFil(top.path() + "/a.txt"));
        QVERIFY(lavFil(top.path() + "/m/b/c.txt"));
        QVERIFY(papirkurv::flytTilKurv(top.path() + "/a.txt", *kurv, Tid).ok);
        QVERIFY(papirkurv::flytTilKurv(top.path() + "/m", *kurv, Tid).ok);
        QVERIFY(lavFil(kurv->mappe + "/info/forsvundet.trashinfo", "[Trash Info]\n"));
        QVERIFY(lavFil(kurv->mappe + "/directorysizes", "4096 1 m\n"));
        const papirkurv::Toemning t = papirkurv::toem(*kurv);
        QCOMPARE(t.elementer, 2);
        QVERIFY(t.fejl.isEmpty());
        QCOMPARE(navne(kurv->mappe), QStringList({"files", "info"}));
        QCOMPARE(navne(kurv->mappe + "/files"), QStringList());
        QCOMPARE(navne(kurv->mappe + "/info"), QStringList());
    }

    // Only the trash folders of the path's own volume are emptied.
    void kurveForVolumen()
    {
        MidlertidigHjem hjem;
        QTemporaryDir d;
        const QString usb = d.path() + "/usb";
        QDir().mkpath(usb + "/.Trash-" + uid() + "/files");
        QVERIFY(lavFil(d.path() + "/mountinfo", "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n40 22 8:17 / " + usb.toUtf8()
                                            + " rw - vfat /dev/sdb1 rw\n"));
        Kilder k;
        k.dataHjem = hjem.sti() + "/.local/share";
        k.mountinfo = d.path() + "/mountinfo";
        Papirkurv kurv(k);
        QVERIFY(kurv.hjemmeKurv());
        const QList<Kurv> paaUsb = kurv.kurveForVolumen(usb + "/mappe");
        QCOMPARE(paaUsb.size(), 1);
        QCOMPARE(paaUsb[0].mappe, usb + "/.Trash-" + uid());
        const QList<Kurv> paaRod = kurv.kurveForVolumen(hjem.sti());
        QCOMPARE(paaRod.size(), 1);
        QCOMPARE(paaRod[0].mappe, hjem.sti() + "/.local/share/Trash");
    }
};

// Permanent deletion of folder trees.
class TestSletning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    void sletterTraeOgTaeller()
    {
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/t/a.txt", "12345"));
        QVERIFY(lavFil(d.path() + "/t/tom.txt", ""));
        QVERIFY(lavFil(d.path() + "/t/u/v/b.txt", "123"));
        qint64 kaldt = 0;
        sletning::Valg valg;
        valg.monteringspunkter = QSet<QString>();
        valg.filSlettet = [&](qint64 b) { kaldt += b; };
        sletning::Resultat r;
        QVERIFY(sletning::slet(d.path() + "/t", r, valg));
        QVERIFY(!QFile::exists(d.path() + "/t"));
        QCOMPARE(r.filer, 3);
        QCOMPARE(r.mapper, 3);
        QCOMPARE(r.bytes, 8);
        QCOMPARE(kaldt, 8);
        // Something already gone is no error.
        QVERIFY(sletning::slet(d.path() + "/t", r, valg));
        QVERIFY(r.fejl.isEmpty());
    }

    // The deletion takes its sizes from the count made before it, yet
    // whatever changed in between is still deleted and counted as it is
    // found: a file that became a folder, a new file, a vanished one.
    void optaellingFoerSletning()
    {
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/t/a.txt", "12345"));
        QVERIFY(lavFil(d.path() + "/t/b.txt", "12"));
        QVERIFY(lavFil(d.path() + "/t/c.txt", "1"));
        QVERIFY(lavFil(d.path() + "/t/u/d.txt", "1234"));
        QVERIFY(::symlink("a.txt", QFile::encodeName(d.path() + "/t/link").constData()) == 0);
        sletning::Optaelling o;
        const auto tal = o.tael(d.path() + "/t");
        QVERIFY(tal);
        QCOMPARE(tal->filer, 5);
        QCOMPARE(tal->mapper, 1);
        QCOMPARE(tal->bytes, 5 + 2 + 1 + 4 + 5);
        QVERIFY(tal->fuldstaendig);
        QVERIFY(!o.tael(d.path() + "/findes-ikke"));

        QVERIFY(QFile::remove(d.path() + "/t/b.txt"));
        QVERIFY(lavFil(d.path() + "/t/b.txt/inde.txt", "123456"));
        QVERIFY(QFile::remove(d.path() + "/t/c.txt"));
        QVERIFY(lavFil(d.path() + "/t/ny.txt", "1234567"));
        sletning::Valg valg;
        valg.monteringspunkter = QSet<QString>();
        valg.optaelling = &o;
        sletning::Resultat r;
        QVERIFY(sletning::slet(d.path() + "/t", r, valg));
        QVERIFY(!QFile::exists(d.path() + "/t"));
        QVERIFY(r.fejl.isEmpty());
        QCOMPARE(r.filer, 5);    // a.txt, inde.txt, d.txt, ny.txt, link
        QCOMPARE(r.mapper, 3);   // b.txt, u, t
        QCOMPARE(r.bytes, 5 + 6 + 4 + 7 + 5);
    }

    // Shared between two threads, a counted tree is deleted and counted as
    // by one, and the progress hears of every file on the calling thread;
    // what may not be deleted in either half is named.
    void toTraade()
    {
        QTemporaryDir d;
        qint64 bytes = 0;
        for (int m = 0; m < 8; ++m) {
            for (int f = 0; f < 10; ++f) {
                const QByteArray indhold(m + f + 1, 'x');
                QVERIFY(lavFil(d.path() + QString("/t/m%1/f%2.txt").arg(m).arg(f), indhold));
                bytes += indhold.size();
            }
        }
        // Two folders taken for mount points: neither half may enter them.
        QVERIFY(lavFil(d.path() + "/t/drev1/x.txt", "1"));
        QVERIFY(lavFil(d.path() + "/t/drev2/y.txt", "1"));
        sletning::Optaelling o;
        QVERIFY(o.tael(d.path() + "/t"));
        sletning::Valg valg;
        valg.monteringspunkter = QSet<QString>({d.path() + "/t/drev1", d.path() + "/t/drev2"});
        valg.optaelling = &o;
        valg.toTraadeFraFiler = 0;
        const Qt::HANDLE traad = QThread::currentThreadId();
        qint64 kaldt = 0, kaldtBytes = 0;
        bool andenTraad = false;
        valg.filSlettet = [&](qint64 b) {
            ++kaldt;
            kaldtBytes += b;
            andenTraad = andenTraad || QThread::currentThreadId() != traad;
        };
        sletning::Resultat r;
        const bool ok = sletning::slet(d.path() + "/t", r, valg);
        QVERIFY(!ok);
        QVERIFY(!andenTraad);
        QCOMPARE(r.filer, 80);
        QCOMPARE(r.mapper, 8);
        QCOMPARE(r.bytes, bytes);
        QCOMPARE(kaldt, 80);
        QCOMPARE(kaldtBytes, bytes);
        QStringList fejl;
        for (const sletning::Fejl &f : r.fejl)
            fejl << f.sti.mid(f.sti.lastIndexOf('/') + 1);
        fejl.sort();
        QCOMPARE(fejl, QStringList({"drev1", "drev2"}));
        QCOMPARE(navne(d.path() + "/t"), QStringList({"drev1", "drev2"}));
    }

    // A link inside the tree is removed as a link: what it points to stays,
    // folder or file.
    void linkFoelgesIkke()
    {
        QTemporaryDir d, ude;
        QVERIFY(lavFil(ude.path() + "/vigtig/data.txt", "behold"));
        QVERIFY(lavFil(d.path() + "/t/x.txt"));
        QVERIFY(QFile::link(ude.path() + "/vigtig", d.path() + "/t/link-til-mappe"));
        QVERIFY(QFile::link(ude.path() + "/vigtig/data.txt", d.path() + "/t/link-til-fil"));
        sletning::Resultat r;
        QVERIFY(sletning::slet(d.path() + "/t", r));
        QCOMPARE(indhold(ude.path() + "/vigtig/data.txt"), QByteArray("behold"));
        // A link given as the element itself is removed, not its target.
        QVERIFY(QFile::link(ude.path() + "/vigtig", d.path() + "/link"));
        QVERIFY(sletning::slet(d.path() + "/link", r));
        QCOMPARE(navne(ude.path() + "/vigtig"), QStringList({"data.txt"}));
    }

    // The single-element removals never take more than they name: a file
    // removal leaves a folder, an empty-folder removal leaves one with
    // content, and each says why.
    void enkeltElementFjernerKunDetNavngivne()
    {
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/mappe/fil.txt", "x"));
        sletning::Resultat r;
        QVERIFY(!sletning::sletFil(d.path() + "/mappe", r));
        QVERIFY(!sletning::sletTomMappe(d.path() + "/mappe", r));
        QCOMPARE(indhold(d.path() + "/mappe/fil.txt"), QByteArray("x"));
        QCOMPARE(sletning::linjer(r.fejl),
                 QStringList({d.path() + "/mappe (elementet er en mappe)",
                              d.path() + "/mappe (mappen kunne ikke tømmes)"}));
        QVERIFY(sletning::sletFil(d.path() + "/mappe/fil.txt", r));
        QVERIFY(sletning::sletTomMappe(d.path() + "/mappe", r));
        QVERIFY(!QFile::exists(d.path() + "/mappe"));
        QCOMPARE(r.filer, 1);
        QCOMPARE(r.mapper, 1);
    }

    // A mount point inside the tree (a bind mount has the same device
    // number, so the mount table decides) is not entered: it and the
    // folders above it stay and are named.
    void monteringspunktGaasIkkeInd()
    {
        QTemporaryDir d;
        const QString t = sletning::kanonisk(d.path() + "/t");
        QVERIFY(lavFil(t + "/a.txt"));
        QVERIFY(lavFil(t + "/mnt/drev/fremmed.txt", "fremmed"));
        QVERIFY(lavFil(t + "/mnt/b.txt"));
        sletning::Valg valg;
        valg.monteringspunkter = QSet<QString>{t + "/mnt/drev"};
        sletning::Resultat r;
        QVERIFY(!sletning::slet(d.path() + "/t", r, valg));
        QCOMPARE(indhold(t + "/mnt/drev/fremmed.txt"), QByteArray("fremmed"));
        QVERIFY(!QFile::exists(t + "/a.txt"));
        QVERIFY(!QFile::exists(t + "/mnt/b.txt"));
        QVERIFY(!r.fejl.isEmpty());
        QCOMPARE(r.fejl.first().sti, t + "/mnt/drev");
        QCOMPARE(r.fejl.first().grund, QString("mappen hører til et andet monteret drev og blev ikke åbnet"));

        // The mount point itself is refused outright.
        sletning::Resultat r2;
        QVERIFY(!sletning::slet(t + "/mnt/drev", r2, valg));
        QCOMPARE(r2.fejl.first().grund, QString("mappen er et monteret drev"));
        QVERIFY(QFile::exists(t + "/mnt/drev/fremmed.txt"));
    }

    // What cannot be removed is named, and the rest of the tree still goes.
    void fejlNavngives()
    {
        if (::geteuid() == 0)
            QSKIP("root may remove files in a read-only folder");
        QTemporaryDir d;
        QVERIFY(lavFil(d.path() + "/t/laast/fil.txt"));
        QVERIFY(lavFil(d.path() + "/t/fri.txt"));
        ::chmod(QFile::encodeName(d.path() + "/t/laast").constData(), 0500);
        sletning::Resultat r;
        QVERIFY(!sletning::slet(d.path() + "/t", r));
        ::chmod(QFile::encodeName(d.path() + "/t/laast").constData(), 0700);
        QVERIFY(!QFile::exists(d.path() + "/t/fri.txt"));
        QCOMPARE(r.fejl.first().sti, sletning::kanonisk(d.path() + "/t/laast/fil.txt"));
        QCOMPARE(r.fejl.first().grund, QString("adgang nægtet"));
    }
};

int main(int argc, char **argv)
{
    int status = 0;
    {
        TestPapirkurv t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestSletning t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "tst_papirkurv.moc"
