#include "engines/navnesoegning.h"
#include "platform/navnekode.h"

#include "testfiler.h"
#include "testmappe.h"

#include <QDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace testfiler;

namespace {

// Records what the search tells its page.
class Lytter : public TNavnesoegning::Lytter
{
public:
    QStringList statusser;
    QStringList mapper, mappeCaptions, filer, filCaptions;
    qint64 maks = -1;
    qint64 position = 0;
    int runder = 0;
    int stopEfter = -1;   // stop at this round of keeping alive

    void status(const QString &t) override { statusser.append(t); }
    void setMaksimum(qint64 a) override { maks = a; }
    void setPosition(qint64 a) override { position = a; }
    void mappeFundet(const QString &s, const QString &c) override
    {
        mapper.append(s);
        mappeCaptions.append(c);
    }
    void filFundet(const QString &s, const QString &c) override
    {
        filer.append(s);
        filCaptions.append(c);
    }
    bool holdILive() override { return stopEfter < 0 || ++runder < stopEfter; }
};

void lavMappe(const QString &sti)
{
    QVERIFY(QDir().mkpath(sti));
}

} // namespace

class TestNavnesoegning : public QObject
{
    Q_OBJECT

private slots:
    void bogstavregel_data();
    void bogstavregel();
    void taellereOgOverskrifter();
    void maksimumStopperBeggeLister();
    void ulaeseligMappe();
    void linkloekke();
    void ugyldigUtf8();
    void tomMappe();
    void manglendeMappe();
    void stop();
};

void TestNavnesoegning::bogstavregel_data()
{
    QTest::addColumn<QString>("navn");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("fundet");
    QTest::newRow("capitals find small letters") << "rapport.txt" << "RAPP" << true;
    QTest::newRow("small letters find capitals") << "RAPPORT.txt" << "rapp" << true;
    QTest::newRow("Æ is not found by æ") << QString::fromUtf8("Æbler.txt") << QString::fromUtf8("æbl") << false;
    QTest::newRow("æ is not found by Æ") << QString::fromUtf8("æbler.txt") << QString::fromUtf8("Æbl") << false;
    QTest::newRow("æ found as typed") << QString::fromUtf8("Grødæble.txt") << QString::fromUtf8("DÆB") << false;
    QTest::newRow("mixed, ø as typed") << QString::fromUtf8("GRØD.txt") << QString::fromUtf8("grØd") << true;
    QTest::newRow("middle of the name") << "a-b-c" << "-B-" << true;
}

void TestNavnesoegning::bogstavregel()
{
    QFETCH(QString, navn);
    QFETCH(QString, tekst);
    QFETCH(bool, fundet);
    Testmappe t;
    QVERIFY(lavFil(t.path() + "/" + navn));
    lavMappe(t.path() + "/d/" + navn);
    TNavnesoegning s;
    Lytter l;
    QCOMPARE(s.findElement(t.path(), tekst, l), TNavnesoegning::Udfald::Faerdig);
    QCOMPARE(l.filer.size(), fundet ? 1 : 0);
    QCOMPARE(l.mapper.size(), fundet ? 1 : 0);
}

// A small tree: the lists (newest on top is the page's work; the engine
// reports in walk order), the counters, the headings and the percentages.
void TestNavnesoegning::taellereOgOverskrifter()
{
    Testmappe t;
    const QString r = t.path();
    lavMappe(r + "/Fotos/ferie");
    lavMappe(r + "/tom");
    QVERIFY(lavFil(r + "/Fotos/ferie/ferie1.jpg"));
    QVERIFY(lavFil(r + "/Fotos/ferie/strand.jpg"));
    QVERIFY(lavFil(r + "/Fotos/.skjult-ferie"));
    QVERIFY(lavFil(r + "/brev.txt"));
    TNavnesoegning s;
    Lytter l;
    QCOMPARE(s.findElement(r, "FERIE", l), TNavnesoegning::Udfald::Faerdig);
    QCOMPARE(l.mapper, QStringList{r + "/Fotos/ferie"});
    QCOMPARE(l.mappeCaptions, QStringList{"ferie"});
    QCOMPARE(QSet<QString>(l.filer.begin(), l.filer.end()),
             (QSet<QString>{r + "/Fotos/ferie/ferie1.jpg", r + "/Fotos/.skjult-ferie"}));
    const auto &c = s.taellere();
    QCOMPARE(c.mapperTalt, 3);
    QCOMPARE(c.filerTalt, 4);
    QCOMPARE(c.mapperUndersoegt, 3);
    QCOMPARE(c.filerUndersoegt, 4);
    QCOMPARE(c.mapperFundet, 1);
    QCOMPARE(c.filerFundet, 2);
    QCOMPARE(l.maks, 7);
    QCOMPARE(l.position, 7);
    QCOMPARE(s.mappeOverskrift(), QString::fromUtf8("Der er undersøgt 3:1 mappenavne"));
    QCOMPARE(s.filOverskrift(), QString::fromUtf8("Der er undersøgt 4:2 filnavne"));
    QCOMPARE(l.statusser.first(), QString::fromUtf8("Undersøger..."));
    QCOMPARE(l.statusser.last(), QStringLiteral("100%"));
    // One percentage after each registration and one at the end.
    QCOMPARE(l.statusser.size(), 1 + 3 + 1);
    for (const QString &p : l.statusser.mid(1))
        QVERIFY2(p.endsWith('%') && p.chopped(1).toInt() > 0 && p.chopped(1).toInt() <= 100, qPrintable(p));
}

void TestNavnesoegning::maksimumStopperBeggeLister()
{
    Testmappe t;
    lavMappe(t.path() + "/a");
    for (int i = 0; i < 500; ++i)
        QVERIFY(lavFil(t.path() + "/a/" + QStringLiteral("match%1.txt").arg(i, 3, 10, QLatin1Char('0'))));
    TNavnesoegning s(120);
    Lytter l;
    QCOMPARE(s.findElement(t.path(), "MATCH", l), TNavnesoegning::Udfald::Faerdig);
    QCOMPARE(l.filer.size(), 120);
    QCOMPARE(s.taellere().filerTalt, 500);
    QCOMPARE(s.filOverskrift(), QString::fromUtf8("Der er undersøgt 120:120 filnavne"));
    QCOMPARE(s.mappeOverskrift(), QString::fromUtf8("Der er undersøgt 1:0 mappenavne"));
    QCOMPARE(l.statusser.last(), QStringLiteral("24%"));   // 121 of 501

    // Folders reaching the maximum stop the files too.
    Testmappe u;
    for (int i = 0; i < 15; ++i)
        lavMappe(u.path() + QStringLiteral("/x%1").arg(i));
    TNavnesoegning m(10);
    Lytter lm;
    m.findElement(u.path(), "x", lm);
    QCOMPARE(lm.mapper.size(), 10);
    QCOMPARE(m.taellere().mapperUndersoegt, 10);
}

void TestNavnesoegning::ulaeseligMappe()
{
    Testmappe t;
    lavMappe(t.path() + "/laast");
    QVERIFY(lavFil(t.path() + "/laast/hemmelig-x"));
    QVERIFY(lavFil(t.path() + "/aaben-x"));
    QVERIFY(::chmod(QFile::encodeName(t.path()).constData(), 0755) == 0);
    QVERIFY(::chmod(QFile::encodeName(t.path() + "/laast").constData(), 0) == 0);
    // Root reads every folder: the walk then runs in a child that has
    // given up root and reports what it found through its exit code.
    const bool root = ::geteuid() == 0;
    const pid_t barn = root ? ::fork() : 0;
    QVERIFY(barn >= 0);
    if (barn == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(99);
        TNavnesoegning s;
        Lytter l;
        const bool ok = s.findElement(t.path(), "-x", l) == TNavnesoegning::Udfald::Faerdig
            && l.filer == QStringList{t.path() + "/aaben-x"} && s.taellere().mapperTalt == 1
            && s.taellere().filerTalt == 1;
        if (root)
            ::_exit(ok ? 0 : 1);
        QVERIFY(ok);
    } else {
        int status = 0;
        QCOMPARE(::waitpid(barn, &status, 0), barn);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
    ::chmod(QFile::encodeName(t.path() + "/laast").constData(), 0700);
}

void TestNavnesoegning::linkloekke()
{
    Testmappe t;
    lavMappe(t.path() + "/a/b");
    QVERIFY(QFile::link(t.path() + "/a", t.path() + "/a/b/loekke"));
    QVERIFY(QFile::link(t.path() + "/intet", t.path() + "/a/doed-loekke"));
    TNavnesoegning s;
    Lytter l;
    QCOMPARE(s.findElement(t.path(), "loekke", l), TNavnesoegning::Udfald::Faerdig);
    // The link to a folder is a folder that is found but never entered;
    // a dangling link is a file.
    QCOMPARE(l.mapper, QStringList{t.path() + "/a/b/loekke"});
    QCOMPARE(l.filer, QStringList{t.path() + "/a/doed-loekke"});
    QCOMPARE(s.taellere().mapperTalt, 3);
    QCOMPARE(s.taellere().filerTalt, 1);
}

void TestNavnesoegning::ugyldigUtf8()
{
    Testmappe t;
    const QByteArray raa = QFile::encodeName(t.path()) + "/sk\xe6rm-\xff.txt";
    const int fd = ::open(raa.constData(), O_CREAT | O_WRONLY, 0600);
    QVERIFY(fd >= 0);
    ::close(fd);
    TNavnesoegning s;
    Lytter l;
    s.findElement(t.path(), "SK", l);
    QCOMPARE(l.filer.size(), 1);
    QCOMPARE(navnekode::kod(l.filer.first()), raa);
    QCOMPARE(navnekode::kod(l.filCaptions.first()), QByteArray("sk\xe6rm-\xff.txt"));
    // The search text is compared as the bytes a user's text would be.
    Lytter l2;
    s.findElement(t.path(), "M-", l2);
    QCOMPARE(l2.filer.size(), 1);
}

void TestNavnesoegning::tomMappe()
{
    Testmappe t;
    TNavnesoegning s;
    Lytter l;
    QCOMPARE(s.findElement(t.path(), "x", l), TNavnesoegning::Udfald::Faerdig);
    QCOMPARE(s.mappeOverskrift(), QString());
    QCOMPARE(s.filOverskrift(), QString());
    QCOMPARE(l.statusser.last(), QStringLiteral("100%"));
}

void TestNavnesoegning::manglendeMappe()
{
    Testmappe t;
    TNavnesoegning s;
    Lytter l;
    QCOMPARE(s.findElement(t.path() + "/findes-ikke", "x", l), TNavnesoegning::Udfald::Fejl);
}

void TestNavnesoegning::stop()
{
    Testmappe t;
    for (int i = 0; i < 20; ++i)
        lavMappe(t.path() + QStringLiteral("/m%1/n").arg(i));
    TNavnesoegning s;
    Lytter l;
    l.stopEfter = 3;
    QCOMPARE(s.findElement(t.path(), "m", l), TNavnesoegning::Udfald::Stoppet);
    QVERIFY(l.mapper.isEmpty());
}

QTEST_GUILESS_MAIN(TestNavnesoegning)
#include "tst_navnesoegning.moc"
