#include "platform/mappetotal.h"
#include "platform/navnekode.h"

#include "testfiler.h"
#include "testmappe.h"

#include <QtTest>

#include <thread>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Runs the total on a thread that may not pass over permissions, so that a
// folder without rights is unreadable also when the tests run as root. The
// walk's own threads inherit the restriction from it.
mappetotal::Resultat uden_rettigheder(const QString &mappe, int traade)
{
    mappetotal::Resultat r;
    std::thread t([&] {
        __user_cap_header_struct hoved{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] = {};
        if (::syscall(SYS_capget, &hoved, data) == 0) {
            for (int bit : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
                data[bit / 32].effective &= ~(1u << (bit % 32));
            ::syscall(SYS_capset, &hoved, data);
        }
        r = mappetotal::beregn(mappe, nullptr, nullptr, traade);
    });
    t.join();
    return r;
}

// A bind mount made for a test and removed again before the fixture is.
struct Bindmontering
{
    QByteArray maal;
    bool ok = false;
    Bindmontering(const QString &kilde, const QString &til)
        : maal(navnekode::kod(til))
    {
        ok = ::mount(navnekode::kod(kilde).constData(), maal.constData(), nullptr, MS_BIND, nullptr) == 0;
    }
    ~Bindmontering()
    {
        if (ok)
            ::umount2(maal.constData(), MNT_DETACH);
    }
};

} // namespace

class TestMappetotal : public QObject
{
    Q_OBJECT

private slots:
    void fiksturMedFaelder_data();
    void fiksturMedFaelder();
    void ugyldigtUtf8OgManglendeMappe();
    void stopAfbryder();
};

void TestMappetotal::fiksturMedFaelder_data()
{
    QTest::addColumn<int>("traade");
    QTest::newRow("en traad") << 1;
    QTest::newRow("to traade") << 2;
}

// One folder with every trap a total meets: a link loop to the folder itself,
// a link up, a file with two hard links, a hidden file, a folder without
// rights and another volume (a bind mount of a folder outside) below it.
void TestMappetotal::fiksturMedFaelder()
{
    QFETCH(int, traade);
    Testmappe tmp;
    const QString rod = tmp.path() + "/rod";
    QVERIFY(testfiler::lavFil(rod + "/a.txt", QByteArray(10, 'a')));
    QVERIFY(testfiler::lavFil(rod + "/under/b.bin", QByteArray(1000, 'b')));
    QCOMPARE(::link(QFile::encodeName(rod + "/under/b.bin").constData(),
                    QFile::encodeName(rod + "/under/b-igen.bin").constData()), 0);
    QCOMPARE(::symlink(".", QFile::encodeName(rod + "/loekke").constData()), 0);        // 1 byte
    QCOMPARE(::symlink("..", QFile::encodeName(rod + "/under/op").constData()), 0);     // 2 bytes
    QVERIFY(testfiler::lavFil(rod + "/skjult/.prik", QByteArray(5, 'p')));
    QVERIFY(testfiler::lavFil(rod + "/laast/c.txt", QByteArray(7, 'c')));
    QVERIFY(QDir().mkpath(rod + "/monteret"));
    QVERIFY(testfiler::lavFil(tmp.path() + "/ude/stor.bin", QByteArray(4096, 's')));
    const Bindmontering bind(tmp.path() + "/ude", rod + "/monteret");
    QCOMPARE(::chmod(QFile::encodeName(rod + "/laast").constData(), 0), 0);

    const mappetotal::Resultat r = uden_rettigheder(rod, traade);
    ::chmod(QFile::encodeName(rod + "/laast").constData(), 0755);

    QCOMPARE(r.fejl, 0);
    QCOMPARE(r.filer, 5);                     // a.txt, b.bin once, two links, .prik
    QCOMPARE(r.bytes, 10 + 1000 + 1 + 2 + 5);
    QCOMPARE(r.mapper, 4);                    // under, skjult, laast, monteret
    QCOMPARE(r.ulaesteMapper, 1);
    QCOMPARE(r.ulaesteFiler, 0);
    QCOMPARE(r.andreDrev, bind.ok ? 1 : 0);
    QVERIFY(!r.afbrudt);
    if (!bind.ok)
        qWarning("bind mount not allowed here; the other-volume case was not exercised");
}

void TestMappetotal::ugyldigtUtf8OgManglendeMappe()
{
    Testmappe tmp;
    const QByteArray mappe = QFile::encodeName(tmp.path()) + "/r\xe6kke";
    QCOMPARE(::mkdir(mappe.constData(), 0755), 0);
    const int fd = ::open((mappe + "/\xff.txt").constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, "123", 3), 3);
    ::close(fd);

    const mappetotal::Resultat r = mappetotal::beregn(navnekode::dekod(mappe));
    QCOMPARE(r.fejl, 0);
    QCOMPARE(r.filer, 1);
    QCOMPARE(r.bytes, 3);

    QCOMPARE(mappetotal::beregn(tmp.path() + "/findes-ikke").fejl, ENOENT);
}

void TestMappetotal::stopAfbryder()
{
    Testmappe tmp;
    for (int i = 0; i < 20; ++i)
        QVERIFY(testfiler::lavFil(tmp.path() + QString("/m%1/f").arg(i)));
    std::atomic<bool> stop{true};
    mappetotal::Fremdrift fremdrift;
    const mappetotal::Resultat r = mappetotal::beregn(tmp.path(), &stop, &fremdrift);
    QVERIFY(r.afbrudt);
    QVERIFY(r.filer < 20);
    QCOMPARE(fremdrift.filer.load(), r.filer);
}

QTEST_GUILESS_MAIN(TestMappetotal)
#include "tst_mappetotal.moc"
