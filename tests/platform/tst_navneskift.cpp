#include "platform/navneskift.h"

#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstdio>

using navneskift::Udfald;

using namespace testfiler;

namespace {

// A file system that does not know RENAME_NOREPLACE: the flag is refused,
// a plain rename replaces whatever has the new name.
int udenNoReplace(const char *fra, const char *til, unsigned int flag)
{
    if (flag != 0) {
        errno = EINVAL;
        return -1;
    }
    return ::rename(fra, til);
}

int andetDrev(const char *, const char *, unsigned int)
{
    errno = EXDEV;
    return -1;
}

} // namespace

class TestNavneskift : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void flytErstatterAldrig_data();
    void flytErstatterAldrig();
    void andetDrevMeldes();
    void stavemaadeErIkkeEtAndetNavn();
    void opretFil();

private:
    QTemporaryDir *m_tmp = nullptr;
    QString D;
};

void TestNavneskift::init()
{
    m_tmp = new QTemporaryDir;
    D = m_tmp->path();
}

void TestNavneskift::cleanup()
{
    navneskift::saetRenameKald(nullptr);
    delete m_tmp;
}

void TestNavneskift::flytErstatterAldrig_data()
{
    QTest::addColumn<bool>("udenFlag");
    QTest::addColumn<QString>("maal");      // "fil", "tom mappe" or "" for a free name
    QTest::addColumn<int>("udfald");

    for (bool udenFlag : {false, true}) {
        const QByteArray t = udenFlag ? "uden NOREPLACE: " : "";
        QTest::newRow((t + "ledigt navn").constData()) << udenFlag << "" << int(Udfald::Ok);
        QTest::newRow((t + "fil findes").constData()) << udenFlag << "fil" << int(Udfald::Findes);
        QTest::newRow((t + "tom mappe findes").constData()) << udenFlag << "tom mappe" << int(Udfald::Findes);
    }
}

void TestNavneskift::flytErstatterAldrig()
{
    QFETCH(bool, udenFlag);
    QFETCH(QString, maal);
    QFETCH(int, udfald);

    if (udenFlag)
        navneskift::saetRenameKald(udenNoReplace);
    QDir().mkpath(D + "/kilde");
    QVERIFY(lavFil(D + "/kilde/a", "kilde"));
    if (maal == "fil")
        QVERIFY(lavFil(D + "/mål", "mål"));
    else if (maal == "tom mappe")
        QDir().mkpath(D + "/mål");

    QCOMPARE(int(navneskift::flyt(D + "/kilde", D + "/mål")), udfald);
    if (udfald == int(Udfald::Ok)) {
        QCOMPARE(navne(D), QStringList{"mål"});
        QCOMPARE(indhold(D + "/mål/a"), QByteArray("kilde"));
    } else {
        QCOMPARE(navne(D), (QStringList{"kilde", "mål"}));
        QCOMPARE(indhold(D + "/kilde/a"), QByteArray("kilde"));
        if (maal == "fil")
            QCOMPARE(indhold(D + "/mål"), QByteArray("mål"));
    }
}

void TestNavneskift::andetDrevMeldes()
{
    QVERIFY(lavFil(D + "/a", "a"));
    navneskift::saetRenameKald(andetDrev);
    QCOMPARE(navneskift::flyt(D + "/a", D + "/b"), Udfald::AndetDrev);
    navneskift::saetRenameKald(nullptr);
    QCOMPARE(navneskift::flyt(D + "/borte", D + "/b"), Udfald::Fejl);
    QCOMPARE(navne(D), QStringList{"a"});
}

void TestNavneskift::stavemaadeErIkkeEtAndetNavn()
{
    QVERIFY(lavFil(D + "/a", "a"));
    QVERIFY(QFile::link(D + "/a", D + "/link"));
    QCOMPARE(::link(QFile::encodeName(D + "/a").constData(), QFile::encodeName(D + "/A").constData()), 0);
    QVERIFY(lavFil(D + "/b", "b"));

    // On a case-sensitive volume "A" is a name of its own, even as a hard link.
    QVERIFY(!navneskift::erKunStavemaade(D + "/a", D + "/A"));
    QVERIFY(!navneskift::erKunStavemaade(D + "/a", D + "/B"));
    QVERIFY(!navneskift::erKunStavemaade(D + "/a", D + "/a"));
    QVERIFY(!navneskift::erKunStavemaade(D + "/a", D + "/ingen"));
    // So the hard link is not replaced by a case-only rename.
    QCOMPARE(navneskift::flyt(D + "/a", D + "/A"), Udfald::Findes);
    QCOMPARE(navne(D), (QStringList{"A", "a", "b", "link"}));
}

void TestNavneskift::opretFil()
{
    QCOMPARE(navneskift::opretFil(D + "/ny.txt", "data"), Udfald::Ok);
    QCOMPARE(indhold(D + "/ny.txt"), QByteArray("data"));

    QVERIFY(lavFil(D + "/findes.txt", "gammelt"));
    QCOMPARE(navneskift::opretFil(D + "/findes.txt", "nyt"), Udfald::Findes);
    navneskift::saetRenameKald(udenNoReplace);
    QCOMPARE(navneskift::opretFil(D + "/findes.txt", "nyt"), Udfald::Findes);
    QCOMPARE(indhold(D + "/findes.txt"), QByteArray("gammelt"));

    QCOMPARE(navneskift::opretFil(D + "/borte/ny.txt", "x"), Udfald::Fejl);
    // No temporary file is left behind by any of them.
    QCOMPARE(navne(D), (QStringList{"findes.txt", "ny.txt"}));
}

QTEST_GUILESS_MAIN(TestNavneskift)
#include "tst_navneskift.moc"
