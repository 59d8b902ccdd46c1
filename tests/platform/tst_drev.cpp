#include "falskmaskine.h"

#include "platform/drev.h"
#include "platform/monteringer.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>

class TestDrev : public QObject
{
    Q_OBJECT

private slots:
    void mountinfoFelterOgEscapes();
    void typerOgEtiketter_data();
    void typerOgEtiketter();
    void pseudoOgBindUdeladt();
    void visteDrev();
    void overmonteretPunktBeholderOeverste();
    void drevAfSti_data();
    void drevAfSti();
    void systemetsDrevFoelgerMonteringer();

private:
    FalskMaskine m_maskine;
};

void TestDrev::mountinfoFelterOgEscapes()
{
    const QList<Montering> m = Monteringer::fortolk(
        "40 28 8:17 /sub /mnt/med\\040blank\\134x rw shared:5 master:2 - vfat /dev/sdb1 rw\n"
        "kort linje\n");
    QCOMPARE(m.size(), 1);
    QCOMPARE(m[0].monteringspunkt, QString("/mnt/med blank\\x"));
    QCOMPARE(m[0].rod, QString("/sub"));
    QCOMPARE(m[0].filsystem, QString("vfat"));
    QCOMPARE(m[0].kilde, QString("/dev/sdb1"));
    QCOMPARE(m[0].major, 8);
    QCOMPARE(m[0].minor, 17);
}

void TestDrev::typerOgEtiketter_data()
{
    QTest::addColumn<QString>("mappe");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("etiket");
    const FalskMaskine &f = m_maskine;
    QTest::newRow("system drive") << "/" << int(Drev::Fast) << "";
    QTest::newRow("cd by fs and major") << f.cd() << int(Drev::Cd) << "";
    QTest::newRow("usb stick by sysfs path") << f.usb() << int(Drev::Flytbar) << "MIN USB";
    QTest::newRow("second disk") << f.data() << int(Drev::Fast) << "DATA";
    QTest::newRow("network") << f.net() << int(Drev::Netvaerk) << "";
    QTest::newRow("ram disk") << f.ram() << int(Drev::Ram) << "";
    QTest::newRow("label from /media/<user>/") << "/media/bob/KINGSTON" << int(Drev::Fast) << "KINGSTON";
}

void TestDrev::typerOgEtiketter()
{
    QFETCH(QString, mappe);
    QFETCH(int, type);
    QFETCH(QString, etiket);
    const Drev drev(m_maskine.kilder);
    QCOMPARE(drev.type(mappe), type);
    QCOMPARE(drev.type(mappe + "/"), type);
    QCOMPARE(drev.etiket(mappe), etiket);
}

void TestDrev::pseudoOgBindUdeladt()
{
    QStringList mapper;
    for (const Drevdata &d : Drev(m_maskine.kilder).alle())
        mapper << d.mappe;
    QVERIFY(!mapper.contains("/proc"));
    QVERIFY(!mapper.contains("/dev"));
    QVERIFY(!mapper.contains("/sys/fs/cgroup"));
    QVERIFY2(!mapper.contains(m_maskine.rod() + "/bind"), "a bind of / shows the same files again");
    QCOMPARE(mapper.first(), QString("/"));
    QCOMPARE(Drev(m_maskine.kilder).type(m_maskine.rod() + "/bind"), int(Drev::Ukendt));
}

void TestDrev::visteDrev()
{
    QStringList mapper;
    for (const Drevdata &d : Drev(m_maskine.kilder).viste())
        mapper << d.mappe;
    // Network and RAM mounts get no drive; a mount point that does not
    // exist (KINGSTON) neither.
    QCOMPARE(mapper, (QStringList{"/", m_maskine.cd(), m_maskine.data(), m_maskine.usb()}));
}

void TestDrev::overmonteretPunktBeholderOeverste()
{
    FalskMaskine::skriv(m_maskine.rod() + "/mountinfo2",
                        "28 1 254:0 / / rw - ext4 /dev/vda rw\n"
                        "50 28 0:60 / " + m_maskine.data().toUtf8() + " rw - tmpfs tmpfs rw\n"
                        "51 50 8:1 / " + m_maskine.data().toUtf8() + " rw - ext4 /dev/sda1 rw\n");
    DrevKilder k = m_maskine.kilder;
    k.mountinfo = m_maskine.rod() + "/mountinfo2";
    const QList<Drevdata> alle = Drev(k).alle();
    QCOMPARE(alle.size(), 2);
    QCOMPARE(alle[1].type, int(Drev::Fast));
}

void TestDrev::drevAfSti_data()
{
    QTest::addColumn<QString>("sti");
    QTest::addColumn<QString>("drev");
    const FalskMaskine &f = m_maskine;
    QTest::newRow("on the stick") << f.usb() + "/Billeder" << f.usb();
    QTest::newRow("the stick itself") << f.usb() << f.usb();
    QTest::newRow("name prefix is not a component") << f.usb() + "X/a" << "/";
    QTest::newRow("ram mount falls under /") << f.ram() + "/tmp" << "/";
    QTest::newRow("network mount falls under /") << f.net() << "/";
    QTest::newRow("root") << "/" << "/";
}

void TestDrev::drevAfSti()
{
    QFETCH(QString, sti);
    QFETCH(QString, drev);
    QCOMPARE(Drev::drevAfSti(sti, Drev(m_maskine.kilder).viste()), drev);
}

// The running system's drives are kept between questions, so a volume
// mounted or unmounted meanwhile must still show at the next one.
void TestDrev::systemetsDrevFoelgerMonteringer()
{
    QTemporaryDir dir;
    const QByteArray punkt = QFile::encodeName(dir.path());
    auto med = [&] {
        for (const Drevdata &d : Drev().alle()) {
            if (d.mappe == dir.path())
                return true;
        }
        return false;
    };
    QVERIFY(!med());
    if (::mount("marvikeltest", punkt.constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("mounting is not allowed here");
    const bool monteret = med();
    ::umount2(punkt.constData(), MNT_DETACH);
    QVERIFY(monteret);
    QVERIFY(!med());
}

QTEST_GUILESS_MAIN(TestDrev)
#include "tst_drev.moc"
