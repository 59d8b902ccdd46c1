#include "engines/tpasteobjekt.h"
#include "platform/filkopi.h"
#include "platform/navneskift.h"

#include "fakebekraeftelse.h"
#include "fakedialogs.h"
#include "fakekonflikt.h"
#include "fakeprogress.h"
#include "rodfiksturer.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <utility>

using namespace testfiler;

namespace {

// A recording progress window that can act at set moments, the way the
// rest of the system or the user may act while a paste runs.
class HookProgress : public FakeProgress
{
public:
    std::function<void()> vedVis;        // the window is shown
    std::function<void()> vedFilBar;     // a file is part copied (once)
    std::function<void()> vedOversigt;   // the counting has written its summary (once)

    void setFilBar(int p) override
    {
        FakeProgress::setFilBar(p);
        if (p > 0 && p < 100 && vedFilBar)
            std::exchange(vedFilBar, nullptr)();
    }
    void setOversigt(const QString &t) override
    {
        FakeProgress::setOversigt(t);
        if (!t.isEmpty() && vedOversigt)
            std::exchange(vedOversigt, nullptr)();
    }

protected:
    void visVindue() override
    {
        FakeProgress::visVindue();
        if (vedVis)
            vedVis();
    }
};

// The engine with recording windows and a destination and lists that the
// test sets before each paste, as the explorer window's handler would.
struct Opstilling
{
    FakeDialogs dialogs;
    FakeKonflikt konflikt;
    FakeBekraeftelse bekraeftelse;
    HookProgress progress;
    HookProgress sletning;
    TPasteObjekt paste{TPasteCompo::Vinduer{&dialogs, &konflikt, &bekraeftelse, &progress, &sletning}};
    QString dest;
    QStringList mapper, filer;
    QList<bool> haendelser;

    Opstilling()
    {
        paste.onLoadLister = [this] {
            paste.setConstDest(dest);
            paste.setPasteMapper(mapper);
            paste.setPasteFiler(filer);
        };
        paste.onPasteElements = [this](bool ja) { haendelser.append(ja); };
        paste.setIntSpm(Spoergsmaal::Aldrig);
        sletning.setInterval(0);
    }

    bool koer(bool flyt) { return flyt ? paste.PasteCutElementer() : paste.PasteElementer(); }
};

// Presses "Stop" as soon as the first file is done.
class StopEfterFoersteFil : public FakeProgress
{
public:
    void setProcent(int p) override
    {
        FakeProgress::setProcent(p);
        if (p > 0)
            stop();
    }
};

// Presses "Stop" in the middle of a file.
class StopMidtIFil : public FakeProgress
{
public:
    void setFilBar(int p) override
    {
        FakeProgress::setFilBar(p);
        if (p > 0 && p < 100)
            stop();
    }
};

int altidAndetDrev(const char *, const char *, unsigned int)
{
    errno = EXDEV;
    return -1;
}

// The immutable flag keeps even root from writing into a folder.
bool goerSkrivebeskyttet(const QString &mappe, bool til)
{
    if (::geteuid() != 0)
        return ::chmod(QFile::encodeName(mappe).constData(), til ? 0555 : 0755) == 0;
    const int fd = ::open(QFile::encodeName(mappe).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flag = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flag) == 0;
    flag = til ? (flag | FS_IMMUTABLE_FL) : (flag & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flag) == 0;
    ::close(fd);
    return ok;
}

} // namespace

class TestPaste : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void cleanup()
    {
        filkopi::saetSkriveFejl(nullptr);
        filkopi::saetSynkronisering(nullptr);
        navneskift::saetRenameKald(nullptr);
    }

    void metoder_data();
    void metoder();
    void kopiMedOptaellingOgFremdrift();
    void konfliktSvarHolderResten_data();
    void konfliktSvarHolderResten();
    void erstatMappeMedSammeSvarForAlle();
    void markoerordetKopi();
    void overskrivIkkeTaellerOgInformerer();
    void bekraeftelse();
    void stopEfterFoersteFil();
    void stopMidtIEnFil();
    void mappeIndISinEgenUndermappe_data();
    void mappeIndISinEgenUndermappe();
    void indsaetIMappenDerHolderElementerne_data();
    void indsaetIMappenDerHolderElementerne();
    void flytTilAndetDrevHvorEnKopiFejler_data();
    void flytTilAndetDrevHvorEnKopiFejler();
    void linkTilMappeFlyttesSomLink();
    void fuldDiskBevarerDetGamleMaal();
    void skrivebeskyttetMaalmappe();
    void anden_startAfvises();
    void kilderMedSammeNavn_data();
    void kilderMedSammeNavn();
    void kildeAendretUnderFlytning_data();
    void kildeAendretUnderFlytning();
    void kopierneGoresVarigeFoerKilderSlettes();
    void mappeDerKanLaesesMenIkkeAabnes();
    void fejlDybtIndeNavngivesMedSinGrund();
    void flereFilerEndOptalt();
    void forladteMidlertidigeFilerFjernes();
    void mappeIndISigSelvGennemBindMontering_data();
    void mappeIndISigSelvGennemBindMontering();
    void flytAfMappeMedMonteretDrev();
    void drevDerFolderBogstaver_data();
    void drevDerFolderBogstaver();
};

// The four paste methods for a file and a folder, with the target taken or
// free, copied and moved. The source holds "ny", a taken target "gammel".
void TestPaste::metoder_data()
{
    QTest::addColumn<int>("metode");
    QTest::addColumn<bool>("mappe");
    QTest::addColumn<bool>("findes");
    QTest::addColumn<bool>("flyt");
    QTest::addColumn<QStringList>("destination");
    QTest::addColumn<bool>("kildenBliver");
    QTest::addColumn<int>("ikkePastede");
    QTest::addColumn<int>("spoergsmaal");   // conflict questions + folder replace questions

    const QStringList fri{"a.txt=ny"};
    const QStringList friMappe{"M/", "M/a.txt=ny"};
    const char *navne[] = {"overskriv ikke", "overskriv", "opret kopi", "spørg"};
    for (bool flyt : {false, true}) {
        for (bool mappe : {false, true}) {
            for (int metode = 0; metode < 4; ++metode) {
                const QString navn = QString("%1 %2 %3").arg(flyt ? "flyt" : "kopier", mappe ? "mappe" : "fil",
                                                              navne[metode]);
                QTest::newRow(qPrintable(navn + " til fri plads"))
                    << metode << mappe << false << flyt << (mappe ? friMappe : fri) << !flyt << 0 << 0;

                QStringList dest;
                bool bliver = !flyt;
                int ikke = 0;
                int spm = metode == 3 ? 1 : 0;
                if (!mappe) {
                    switch (metode) {
                    case 0: dest = {"a.txt=gammel"}; bliver = true; ikke = 1; break;
                    case 2: dest = {"a Kopi (1).txt=ny", "a.txt=gammel"}; break;
                    default: dest = {"a.txt=ny"}; break;
                    }
                } else if (!flyt) {
                    // Folders merge; the file inside follows the method.
                    switch (metode) {
                    case 0: dest = {"M/", "M/a.txt=gammel", "M/b.txt=gammel"}; ikke = 1; break;
                    case 2: dest = {"M/", "M/a Kopi (1).txt=ny", "M/a.txt=gammel", "M/b.txt=gammel"}; break;
                    default: dest = {"M/", "M/a.txt=ny", "M/b.txt=gammel"}; break;
                    }
                } else {
                    // A moved folder meets the folder as a whole.
                    switch (metode) {
                    case 0: dest = {"M/", "M/a.txt=gammel", "M/b.txt=gammel"}; bliver = true; ikke = 1; break;
                    case 2: dest = {"M Kopi (1)/", "M Kopi (1)/a.txt=ny", "M/", "M/a.txt=gammel", "M/b.txt=gammel"}; break;
                    default: dest = {"M/", "M/a.txt=ny"}; spm += 1; break;   // replaced after the question
                    }
                }
                QTest::newRow(qPrintable(navn + " til optaget plads"))
                    << metode << mappe << true << flyt << dest << bliver << ikke << spm;
            }
        }
    }
}

void TestPaste::metoder()
{
    QFETCH(int, metode);
    QFETCH(bool, mappe);
    QFETCH(bool, findes);
    QFETCH(bool, flyt);
    QFETCH(QStringList, destination);
    QFETCH(bool, kildenBliver);
    QFETCH(int, ikkePastede);
    QFETCH(int, spoergsmaal);

    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    const QString kilde = mappe ? dir.filePath("kilde/M") : dir.filePath("kilde/a.txt");
    QVERIFY(lavFil(mappe ? kilde + "/a.txt" : kilde, "ny"));
    if (findes) {
        QVERIFY(lavFil(mappe ? o.dest + "/M/a.txt" : o.dest + "/a.txt", "gammel"));
        if (mappe)
            QVERIFY(lavFil(o.dest + "/M/b.txt", "gammel"));
    }
    (mappe ? o.mapper : o.filer) = QStringList{kilde};
    o.paste.setIntPasteMetode(metode);
    o.konflikt.svarMed(KonfliktHandling::SpoergHverGang, true);
    o.dialogs.svarJa();

    QVERIFY(o.koer(flyt));
    QCOMPARE(trae(o.dest), destination);
    QCOMPARE(QFileInfo::exists(kilde), kildenBliver);
    if (kildenBliver && mappe)
        QCOMPARE(indhold(kilde + "/a.txt"), QByteArray("ny"));
    QCOMPARE(o.paste.ikkePastede, qint64(ikkePastede));
    QCOMPARE(o.konflikt.filnavne.size() + o.dialogs.spoergsmaal.size(), spoergsmaal);
    if (flyt && mappe && findes && (metode == 1 || metode == 3))
        QCOMPARE(o.dialogs.spoergsmaal.value(0),
                 "Der eksisterer allerede en mappe med navnet:\r" + o.dest + "/M\r"
                 "Må denne mappe slettes og erstattes af den nye mappe?");
    QCOMPARE(o.dialogs.informationer.filter("ikke flyttede").size(), flyt && ikkePastede > 0 ? 1 : 0);
    QCOMPARE(trae(dir.path()).filter(".marvikel").size(), 0);
}

void TestPaste::kopiMedOptaellingOgFremdrift()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/M/a"), QByteArray(600, 'a')));
    QVERIFY(lavFil(dir.filePath("kilde/M/U/b"), QByteArray(400, 'b')));
    QDir().mkpath(dir.filePath("kilde/M/Tom"));
    QVERIFY(lavFil(dir.filePath("kilde/f.txt"), QByteArray(3 * 1024 * 1024, 'f')));
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/f.txt")};
    o.paste.setIntPasteMetode(0);
    o.paste.setBoxCaption("Stifinder 1");

    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(trae(o.dest), (QStringList{"M/", "M/Tom/", "M/U/", "M/U/b=" + QString(400, 'b'), "M/a=" + QString(600, 'a'),
                                        "f.txt=" + QString(3 * 1024 * 1024, 'f')}));
    QCOMPARE(o.progress.caption, QString("Stifinder 1 kopierer valgte elementer"));
    QCOMPARE(o.progress.mappeOverskrift, QString("Der kopieres 1 mappe:"));
    QCOMPARE(o.progress.mapper, QStringList{dir.filePath("kilde/M")});
    QCOMPARE(o.progress.markerede, QList<int>{0});
    QCOMPARE(o.progress.indlaesteMapper, 3);
    QCOMPARE(o.progress.oversigt, QString("Der kopieres 3 filer: 3,00 MB"));
    QCOMPARE(o.progress.destination, o.dest);
    QCOMPARE(o.paste.getResult(), QString("3 filer: 3,00 MB"));
    QCOMPARE(o.paste.udfoerteFiler(), 3);
    QVERIFY(!o.progress.vist);   // closed after use
    QCOMPARE(o.dialogs.forloeb, QStringList());

    // The overall bar only ever grows and ends full; the file bar reaches 100.
    QList<int> bar;
    for (const QString &linje : o.progress.forloeb)
        if (linje.startsWith("bar: "))
            bar.append(linje.mid(5).toInt());
    QVERIFY(std::is_sorted(bar.begin(), bar.end()));
    QCOMPARE(bar.last(), 100);
    QVERIFY(o.progress.forloeb.contains("filbar: 33"));
    QCOMPARE(o.progress.resterende, QString("0 (0 bytes)"));

    // With "Luk progressbokse" off the window stays.
    o.paste.setCloseBoxAfter(false);
    o.paste.setIntPasteMetode(2);
    QVERIFY(o.paste.PasteElementer());
    QVERIFY(o.progress.vist);
}

void TestPaste::konfliktSvarHolderResten_data()
{
    QTest::addColumn<QList<int>>("svar");          // handling*10 + overskrivDette
    QTest::addColumn<int>("spoergsmaal");
    QTest::addColumn<QStringList>("nye");          // files that got the new content
    QTest::addColumn<int>("ikkePastede");

    const QStringList alle{"M/1", "M/2", "M/U/3", "M/U/4", "f"};
    QTest::newRow("overskriv alle gælder også i senere mapper") << QList<int>{10} << 1 << alle << 0;
    QTest::newRow("overskriv ingen gælder resten") << QList<int>{0} << 1 << QStringList{} << 5;
    QTest::newRow("opret kopier gælder resten") << QList<int>{20} << 1 << QStringList{} << 0;
    QTest::newRow("spørg hver gang bliver ved")
        << QList<int>{31, 30, 31, 30, 31} << 5 << QStringList{"M/1", "M/U/3", "f"} << 2;
    QTest::newRow("først spørg, så overskriv alle") << QList<int>{30, 10} << 2 << QStringList{"M/2", "M/U/3", "M/U/4", "f"} << 1;
}

void TestPaste::konfliktSvarHolderResten()
{
    QFETCH(QList<int>, svar);
    QFETCH(int, spoergsmaal);
    QFETCH(QStringList, nye);
    QFETCH(int, ikkePastede);

    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    for (const QString f : {"M/1", "M/2", "M/U/3", "M/U/4", "f"}) {
        QVERIFY(lavFil(dir.filePath("kilde/" + f), "ny"));
        QVERIFY(lavFil(o.dest + "/" + f, "gammel"));
    }
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/f")};
    o.paste.setIntPasteMetode(3);
    for (int s : svar)
        o.konflikt.svarMed(KonfliktHandling(s / 10), s % 10);

    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(o.konflikt.filnavne.size(), spoergsmaal);
    QCOMPARE(o.konflikt.ubesvarede, 0);
    QCOMPARE(o.konflikt.filnavne.first(), QString("1"));
    QCOMPARE(o.konflikt.mappenavne.first(), o.dest + "/M");
    for (const QString f : {"M/1", "M/2", "M/U/3", "M/U/4", "f"})
        QCOMPARE(indhold(o.dest + "/" + f), QByteArray(nye.contains(f) ? "ny" : "gammel"));
    QCOMPARE(o.paste.ikkePastede, qint64(ikkePastede));
    if (svar.first() == 20)
        QCOMPARE(indhold(o.dest + "/M/U/4 Kopi (1)"), QByteArray("ny"));
}

void TestPaste::erstatMappeMedSammeSvarForAlle()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    for (const QString m : {"A", "B", "C"})
        QVERIFY(lavFil(dir.filePath("kilde/" + m + "/fil"), "ny"));
    QVERIFY(lavFil(o.dest + "/A/fil", "gammel"));
    QVERIFY(lavFil(o.dest + "/C/fil", "gammel"));
    o.mapper = {dir.filePath("kilde/A"), dir.filePath("kilde/B"), dir.filePath("kilde/C")};
    o.paste.setIntPasteMetode(1);
    o.dialogs.svarNej(true);   // "Nej" with "Gør det samme med alle"

    QVERIFY(o.paste.PasteCutElementer());
    QCOMPARE(o.dialogs.spoergsmaal.size(), 1);
    QCOMPARE(o.dialogs.alleVist, QList<bool>{true});
    // The last entry is met first.
    QVERIFY(o.dialogs.spoergsmaal.first().contains(o.dest + "/C\r"));
    QCOMPARE(trae(o.dest), (QStringList{"A/", "A/fil=gammel", "B/", "B/fil=ny", "C/", "C/fil=gammel"}));
    QCOMPARE(trae(dir.filePath("kilde")), (QStringList{"A/", "A/fil=ny", "C/", "C/fil=ny"}));
    QVERIFY(!o.progress.vist && !o.progress.forloeb.contains("vis"));   // a move on one volume shows no progress
    QCOMPARE(o.paste.getResult(), QString("1 af 3 filer: 2 bytes"));
}

void TestPaste::markoerordetKopi()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QVERIFY(lavFil(dir.filePath("kilde/rapport.txt"), "1"));
    QVERIFY(lavFil(dir.filePath("kilde2/rapport Kopi (1).txt"), "2"));
    QVERIFY(lavFil(o.dest + "/rapport.txt", "0"));
    o.paste.setIntPasteMetode(2);
    o.filer = {dir.filePath("kilde/rapport.txt")};
    QVERIFY(o.paste.PasteElementer());
    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(trae(o.dest), (QStringList{"rapport Kopi (1).txt=1", "rapport Kopi (2).txt=1", "rapport.txt=0"}));

    // The marker word is stripped even where the plain name is free.
    o.dest = dir.filePath("tom");
    QDir().mkpath(o.dest);
    o.filer = {dir.filePath("kilde2/rapport Kopi (1).txt")};
    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(trae(o.dest), QStringList{"rapport.txt=2"});
}

void TestPaste::overskrivIkkeTaellerOgInformerer()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    for (const QString f : {"a", "b", "c"}) {
        QVERIFY(lavFil(dir.filePath("kilde/" + f), "ny"));
        QVERIFY(lavFil(o.dest + "/" + f, "gammel"));
        o.filer.append(dir.filePath("kilde/" + f));
    }
    o.paste.setIntPasteMetode(0);
    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(o.progress.information, QString("3 filer blev ikke overskrevede."));
    QCOMPARE(o.paste.getResult(), QString("0 af 3 filer: 0 bytes"));

    o.paste.setPasteMapper({});
    o.paste.setPasteFiler(o.filer);
    QVERIFY(!o.paste.KopierFraLister());
    QCOMPARE(o.paste.ikkePastede, 6);
    // Left alone before does not make a complete copy count as incomplete.
    QVERIFY(lavFil(dir.filePath("kilde/ny"), "ny"));
    o.paste.setPasteFiler({dir.filePath("kilde/ny")});
    QVERIFY(o.paste.KopierFraLister());

    o.filer = {dir.filePath("kilde/a")};
    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(o.progress.information, QString("1 fil blev ikke overskrevet."));
}

void TestPaste::bekraeftelse()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/M/a")));
    QVERIFY(lavFil(dir.filePath("kilde/f")));
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/f")};
    o.paste.setIntSpm(Spoergsmaal::Altid);

    o.bekraeftelse.svar.enqueue(false);
    QVERIFY(!o.paste.PasteElementer());
    QCOMPARE(trae(o.dest), QStringList());
    o.bekraeftelse.svar.enqueue(true);
    QVERIFY(o.paste.PasteCutElementer());
    QCOMPARE(trae(o.dest), (QStringList{"M/", "M/a=x", "f=x"}));
    QCOMPARE(o.haendelser, (QList<bool>{false, true}));
    QCOMPARE(o.bekraeftelse.kald.size(), 2);
    QCOMPARE(o.bekraeftelse.kald[0].tekster.spoergsmaal, QString("Skal valgte elementer kopieres?"));
    QCOMPARE(o.bekraeftelse.kald[1].tekster.spoergsmaal, QString("Skal valgte elementer flyttes?"));
    QCOMPARE(o.bekraeftelse.kald[1].filer, o.filer);
    QCOMPARE(o.bekraeftelse.kald[1].mapper, o.mapper);

    // No destination: nothing is asked, the event says no.
    o.dest.clear();
    QVERIFY(!o.paste.PasteElementer());
    QCOMPARE(o.bekraeftelse.kald.size(), 2);
    QCOMPARE(o.haendelser.last(), false);
}

void TestPaste::stopEfterFoersteFil()
{
    QTemporaryDir dir;
    StopEfterFoersteFil progress;
    progress.setInterval(0);
    FakeDialogs dialogs;
    FakeProgress sletning;
    TPasteObjekt paste({&dialogs, nullptr, nullptr, &progress, &sletning});
    const QString dest = dir.filePath("dest");
    QDir().mkpath(dest);
    QStringList filer;
    for (const QString f : {"1", "2", "3"}) {
        QVERIFY(lavFil(dir.filePath("kilde/" + f), "data"));
        filer.append(dir.filePath("kilde/" + f));
    }
    QVERIFY(lavFil(dir.filePath("kilde/M/4"), "data"));
    paste.onLoadLister = [&] {
        paste.setConstDest(dest);
        paste.setPasteMapper({dir.filePath("kilde/M")});
        paste.setPasteFiler(filer);
    };
    paste.setIntSpm(Spoergsmaal::Aldrig);
    paste.setIntPasteMetode(0);

    QVERIFY(!paste.PasteElementer());
    QCOMPARE(trae(dest), (QStringList{"M/", "M/4=data"}));
    QCOMPARE(paste.getResult(), QString("ukendt antal bytes, da kopieringsfunktionen blev afbrudt."));
    QCOMPARE(dialogs.informationer,
             QStringList{"Kopieringen blev stoppet.\rFølgende elementer nåede ikke helt frem til destinationen:\r"
                         + filer.join('\r')});

    // A move stopped on the way to another volume leaves every source that
    // did not arrive where it was, also an empty folder not yet made there.
    QVERIFY(lavFil(dir.filePath("dest2/.keep")));
    QVERIFY(lavFil(dir.filePath("kilde/N/a"), "data"));
    QDir().mkpath(dir.filePath("kilde/N/tom"));
    paste.onLoadLister = [&] {
        paste.setConstDest(dir.filePath("dest2"));
        paste.setPasteMapper({dir.filePath("kilde/N")});
        paste.setPasteFiler(filer);
    };
    paste.setDrevTest([](const QString &, const QString &) { return true; });
    dialogs.informationer.clear();
    QVERIFY(!paste.PasteCutElementer());
    QCOMPARE(trae(dir.filePath("dest2")), (QStringList{".keep=x", "N/", "N/a=data"}));
    QCOMPARE(trae(dir.filePath("kilde")),
             (QStringList{"1=data", "2=data", "3=data", "M/", "M/4=data", "N/", "N/tom/"}));
    QVERIFY(dialogs.informationer.contains("Der var mapper eller filer, der ikke blev kopierede til destinationen."));
}

void TestPaste::stopMidtIEnFil()
{
    QTemporaryDir dir;
    StopMidtIFil progress;
    progress.setInterval(0);
    FakeDialogs dialogs;
    TPasteObjekt paste({&dialogs, nullptr, nullptr, &progress, nullptr});
    QVERIFY(lavFil(dir.filePath("kilde/stor"), QByteArray(4 * 1024 * 1024, 's')));
    QVERIFY(lavFil(dir.filePath("dest/stor"), "gammel"));
    paste.onLoadLister = [&] {
        paste.setConstDest(dir.filePath("dest"));
        paste.setPasteFiler({dir.filePath("kilde/stor")});
    };
    paste.setIntSpm(Spoergsmaal::Aldrig);
    paste.setIntPasteMetode(1);
    QVERIFY(!paste.PasteElementer());
    // The old file stands untouched and no partial file is left.
    QCOMPARE(trae(dir.filePath("dest")), QStringList{"stor=gammel"});
}

void TestPaste::mappeIndISinEgenUndermappe_data()
{
    QTest::addColumn<bool>("flyt");
    QTest::addColumn<bool>("gennemLink");
    QTest::newRow("kopier") << false << false;
    QTest::newRow("flyt") << true << false;
    QTest::newRow("kopier gennem et link") << false << true;
}

void TestPaste::mappeIndISinEgenUndermappe()
{
    QFETCH(bool, flyt);
    QFETCH(bool, gennemLink);
    QTemporaryDir dir;
    Opstilling o;
    QVERIFY(lavFil(dir.filePath("kilde/M/U/fil")));
    QVERIFY(lavFil(dir.filePath("kilde/anden")));
    QVERIFY(QFile::link(dir.filePath("kilde/M/U"), dir.filePath("genvej")));
    o.dest = gennemLink ? dir.filePath("genvej") : dir.filePath("kilde/M/U");
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/anden")};
    o.paste.setIntPasteMetode(1);

    QVERIFY(o.koer(flyt));
    QCOMPARE(o.dialogs.informationer.first(),
             QString("Mappen kan ikke %1 ind i sig selv eller i en af sine egne undermapper:\r")
                     .arg(flyt ? "flyttes" : "kopieres")
                 + dir.filePath("kilde/M"));
    // The other element still arrives; the folder is untouched.
    QCOMPARE(trae(dir.filePath("kilde/M")), (QStringList{"U/", "U/anden=x", "U/fil=x"}));

    // Alone it leaves nothing to do: nothing is asked or counted.
    o.filer.clear();
    o.paste.setIntSpm(Spoergsmaal::Altid);
    QVERIFY(!o.koer(flyt));
    QCOMPARE(o.bekraeftelse.kald.size(), 0);
    QCOMPARE(o.haendelser.last(), false);
}

void TestPaste::indsaetIMappenDerHolderElementerne_data()
{
    QTest::addColumn<bool>("flyt");
    QTest::addColumn<bool>("haardtLink");
    QTest::newRow("kopier") << false << false;
    QTest::newRow("flyt") << true << false;
    QTest::newRow("kopier oven på en hård lænke") << false << true;
    QTest::newRow("flyt oven på en hård lænke") << true << true;
}

void TestPaste::indsaetIMappenDerHolderElementerne()
{
    QFETCH(bool, flyt);
    QFETCH(bool, haardtLink);
    QTemporaryDir dir;
    Opstilling o;
    QVERIFY(lavFil(dir.filePath("kilde/M/fil"), "indhold"));
    QVERIFY(lavFil(dir.filePath("kilde/a.txt"), "indhold"));
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/a.txt")};
    o.dest = dir.filePath("kilde");
    if (haardtLink) {
        // The destination's a.txt is the very same file under another folder.
        o.dest = dir.filePath("dest");
        QDir().mkpath(o.dest);
        QCOMPARE(::link(QFile::encodeName(dir.filePath("kilde/a.txt")).constData(),
                        QFile::encodeName(o.dest + "/a.txt").constData()), 0);
        o.mapper.clear();
    }
    o.paste.setIntPasteMetode(1);   // "Overskriv"

    QVERIFY(o.koer(flyt));
    QCOMPARE(indhold(dir.filePath("kilde/a.txt")), QByteArray("indhold"));
    QCOMPARE(indhold(dir.filePath("kilde/M/fil")), QByteArray("indhold"));
    QCOMPARE(o.dialogs.spoergsmaal, QStringList());
    const QStringList samme = haardtLink ? QStringList{dir.filePath("kilde/a.txt")}
                                         : QStringList{dir.filePath("kilde/M"), dir.filePath("kilde/a.txt")};
    QCOMPARE(o.dialogs.informationer.filter("Kilde og destination").value(0),
             "Kilde og destination er det samme element, så det blev ikke rørt:\r" + samme.join('\r'));
    QCOMPARE(trae(dir.path()).filter(".marvikel").size(), 0);
    QVERIFY(o.paste.getResult().contains(" af "));
}

void TestPaste::flytTilAndetDrevHvorEnKopiFejler_data()
{
    QTest::addColumn<bool>("renameSigerAndetDrev");
    QTest::newRow("drevet kendes på forhånd") << false;
    QTest::newRow("omdøbningen siger EXDEV") << true;
}

void TestPaste::flytTilAndetDrevHvorEnKopiFejler()
{
    QFETCH(bool, renameSigerAndetDrev);
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/M/a"), "a"));
    QVERIFY(lavFil(dir.filePath("kilde/M/b"), "b"));
    QVERIFY(lavFil(dir.filePath("kilde/M/U/c"), "c"));
    QVERIFY(lavFil(dir.filePath("kilde/f"), "f"));
    QVERIFY(lavFil(dir.filePath("kilde/g"), "g"));
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/f"), dir.filePath("kilde/g")};
    if (renameSigerAndetDrev)
        navneskift::saetRenameKald(altidAndetDrev);
    else
        o.paste.setDrevTest([](const QString &, const QString &) { return true; });
    filkopi::saetSkriveFejl([&](const QString &maal) {
        return maal.endsWith("/M/b") || maal.endsWith("/g") ? EIO : 0;
    });

    QVERIFY(o.paste.PasteCutElementer());
    QCOMPARE(trae(o.dest), (QStringList{"M/", "M/U/", "M/U/c=c", "M/a=a", "f=f"}));
    // Only what arrived left the source; the folder holding "b" stays.
    QCOMPARE(trae(dir.filePath("kilde")), (QStringList{"M/", "M/b=b", "g=g"}));
    QVERIFY(o.sletning.forloeb.contains("vis"));
    QCOMPARE(o.sletning.mappeOverskrift, QString("Følgende 1 mappe slettes:"));
    QCOMPARE(o.dialogs.informationer,
             (QStringList{"Der opstod en fejl. Filen: \r" + dir.filePath("kilde/g") + "\rblev ikke kopieret til: \r"
                              + o.dest + "/g\rLæse- eller skrivefejl på drevet.",
                          "Der var mapper eller filer, der ikke blev kopierede til destinationen.",
                          "Følgende elementer blev ikke flyttet helt; det, der mangler, ligger stadig i kilden:\r"
                              + dir.filePath("kilde/M") + "\r" + dir.filePath("kilde/g")
                              + "\r\rDette kunne ikke flyttes:\r" + dir.filePath("kilde/M/b")
                              + " (læse- eller skrivefejl på drevet)"}));
    QCOMPARE(o.paste.getResult(), QString("3 af 5 filer: 3 bytes"));
}

void TestPaste::linkTilMappeFlyttesSomLink()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("rigtig/fil"), "bliver"));
    QDir().mkpath(dir.filePath("kilde"));
    QVERIFY(QFile::link(dir.filePath("rigtig"), dir.filePath("kilde/link")));
    o.mapper = {dir.filePath("kilde/link")};
    o.paste.setDrevTest([](const QString &, const QString &) { return true; });

    QVERIFY(o.paste.PasteCutElementer());
    QCOMPARE(QFileInfo(o.dest + "/link").symLinkTarget(), dir.filePath("rigtig"));
    QVERIFY(!QFileInfo(dir.filePath("kilde/link")).isSymLink());
    QCOMPARE(trae(dir.filePath("rigtig")), QStringList{"fil=bliver"});
}

void TestPaste::fuldDiskBevarerDetGamleMaal()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QVERIFY(lavFil(dir.filePath("kilde/f"), QByteArray(2 * 1024 * 1024, 'n')));
    QVERIFY(lavFil(o.dest + "/f", "det gamle"));
    o.filer = {dir.filePath("kilde/f")};
    o.paste.setIntPasteMetode(1);
    filkopi::saetSkriveFejl([](const QString &) { return ENOSPC; });

    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(trae(o.dest), QStringList{"f=det gamle"});
    QCOMPARE(o.dialogs.informationer,
             (QStringList{"Der opstod en fejl. Filen: \r" + dir.filePath("kilde/f") + "\rblev ikke kopieret til: \r"
                              + o.dest + "/f\rDer er ikke plads nok på drevet.",
                          "Der er ikke plads nok på destinationens drev.\r"
                          "Følgende elementer nåede ikke helt frem til destinationen:\r"
                              + dir.filePath("kilde/f")}));
    QCOMPARE(o.paste.getResult(), QString("0 af 1 fil: 0 bytes"));
}

void TestPaste::skrivebeskyttetMaalmappe()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/M/a")));
    QVERIFY(lavFil(dir.filePath("kilde/f")));
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/f")};
    if (!goerSkrivebeskyttet(o.dest, true))
        QSKIP("this file system cannot make a folder read-only for this user");
    const bool ok = o.paste.PasteCutElementer();
    goerSkrivebeskyttet(o.dest, false);
    QVERIFY(ok);
    QCOMPARE(trae(o.dest), QStringList());
    QCOMPARE(trae(dir.filePath("kilde")), (QStringList{"M/", "M/a=x", "f=x"}));
    QCOMPARE(o.dialogs.informationer.last(),
             "Følgende elementer blev ikke flyttet helt; det, der mangler, ligger stadig i kilden:\r"
                 + dir.filePath("kilde/M") + "\r" + dir.filePath("kilde/f"));

    QVERIFY(goerSkrivebeskyttet(o.dest, true));
    o.dialogs.informationer.clear();
    QVERIFY(o.paste.PasteElementer());
    goerSkrivebeskyttet(o.dest, false);
    QVERIFY(o.dialogs.informationer.first().startsWith("Der opstod en fejl, der afbrød processen. Mappen: \r"));
    QCOMPARE(o.paste.getResult(), QString("0 af 2 filer: 0 bytes"));
}

void TestPaste::anden_startAfvises()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/f")));
    o.filer = {dir.filePath("kilde/f")};
    int indre = -1;
    // A paste started from inside a running one (a click processed while
    // the progress window lets events through) is refused.
    o.paste.onPasteElements = [&](bool) { indre = o.paste.PasteElementer(); };
    o.paste.setIntSpm(Spoergsmaal::Altid);
    o.bekraeftelse.svar.enqueue(true);
    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(indre, 0);
    QVERIFY(!o.paste.koerer());
}

// Two sources with one name in one paste: the second never replaces what
// the first made, it gets a free name, whatever the method.
void TestPaste::kilderMedSammeNavn_data()
{
    QTest::addColumn<bool>("flyt");
    QTest::addColumn<bool>("mappe");
    QTest::addColumn<int>("metode");
    for (bool flyt : {false, true})
        for (bool mappe : {false, true})
            for (int metode : {0, 1, 3})
                QTest::newRow(qPrintable(QString("%1 %2 metode %3")
                                             .arg(flyt ? "flyt" : "kopier", mappe ? "mapper" : "filer")
                                             .arg(metode)))
                    << flyt << mappe << metode;
}

void TestPaste::kilderMedSammeNavn()
{
    QFETCH(bool, flyt);
    QFETCH(bool, mappe);
    QFETCH(int, metode);
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    for (const QString kilde : {"A", "B"}) {
        const QString sti = dir.filePath(kilde + "/x.txt");
        QVERIFY(lavFil(mappe ? sti + "/fil" : sti, kilde.toUtf8()));
        (mappe ? o.mapper : o.filer).append(sti);
    }
    o.paste.setIntPasteMetode(metode);
    o.konflikt.svarMed(KonfliktHandling::OverskrivAlle, true);
    o.dialogs.svarJa(true);

    QVERIFY(o.koer(flyt));
    QStringList indhold;
    for (const QString &linje : trae(o.dest))
        if (linje.contains('='))
            indhold.append(linje.section('=', 1));
    indhold.sort();
    QCOMPARE(indhold, (QStringList{"A", "B"}));
    QCOMPARE(navne(o.dest), (mappe ? QStringList{"x.txt", "x.txt Kopi (1)"} : QStringList{"x Kopi (1).txt", "x.txt"}));
    QCOMPARE(o.konflikt.filnavne.size() + o.dialogs.spoergsmaal.size(), 0);
    QCOMPARE(o.paste.getResult().startsWith("2 filer: "), true);
    QCOMPARE(QFileInfo::exists(dir.filePath("A/x.txt")), !flyt);
    QCOMPARE(QFileInfo::exists(dir.filePath("B/x.txt")), !flyt);
}

// A move deletes a source only while it is the file that was copied: one
// rewritten after its copy, or appended to during it, stays and is named;
// the copy holds every byte the source had when its copy ended.
void TestPaste::kildeAendretUnderFlytning_data()
{
    QTest::addColumn<bool>("underKopien");
    QTest::newRow("omskrevet efter sin kopi") << false;
    QTest::newRow("forlænget under sin egen kopi") << true;
}

void TestPaste::kildeAendretUnderFlytning()
{
    QFETCH(bool, underKopien);
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    const QByteArray stor(3 * 1024 * 1024, 's');
    const QString aendres = dir.filePath("kilde/M/aendres");
    QVERIFY(lavFil(aendres, stor));
    QVERIFY(lavFil(dir.filePath("kilde/M/bliver"), "uændret"));
    QVERIFY(lavFil(dir.filePath("kilde/f"), "f"));
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/f")};
    o.paste.setDrevTest([](const QString &, const QString &) { return true; });
    const auto tilfoej = [&](const QByteArray &mere) {
        QFile f(aendres);
        QVERIFY(f.open(QIODevice::Append));
        f.write(mere);
    };
    if (underKopien)
        o.progress.vedFilBar = [&] { tilfoej("+ tilføjet under kopien"); };
    else
        o.sletning.vedVis = [&] { tilfoej("+ ny tekst efter kopien"); };

    QVERIFY(o.paste.PasteCutElementer());
    const QByteArray nu = indhold(aendres);
    QCOMPARE(nu, stor + (underKopien ? "+ tilføjet under kopien" : "+ ny tekst efter kopien"));
    if (underKopien)
        QCOMPARE(indhold(o.dest + "/M/aendres"), nu);   // copied to its end
    QCOMPARE(trae(dir.filePath("kilde")), (QStringList{"M/", "M/aendres=" + QString::fromUtf8(nu)}));
    QVERIFY(o.dialogs.informationer.contains(
        "Følgende filer blev ændret eller kom til, mens flytningen kørte, og ligger derfor stadig i kilden:\r"
        + aendres));
}

// Before the first source of a move across volumes is deleted, the copies
// are made durable; when that fails, no source is deleted at all.
void TestPaste::kopierneGoresVarigeFoerKilderSlettes()
{
    for (const bool lykkes : {true, false}) {
        QTemporaryDir dir;
        Opstilling o;
        o.dest = dir.filePath("dest");
        QDir().mkpath(o.dest);
        QVERIFY(lavFil(dir.filePath("kilde/M/U/a"), "a"));
        QVERIFY(lavFil(dir.filePath("kilde/f"), "f"));
        o.mapper = {dir.filePath("kilde/M")};
        o.filer = {dir.filePath("kilde/f")};
        o.paste.setDrevTest([](const QString &, const QString &) { return true; });
        QStringList kald, kilderVed, kopierVed;
        filkopi::saetSynkronisering([&](const QString &mappe) {
            kald.append(mappe);
            kilderVed = trae(dir.filePath("kilde"));
            kopierVed = trae(o.dest);
            return lykkes ? 0 : EIO;
        });

        QVERIFY(o.paste.PasteCutElementer());
        // At that moment every source was still in place, every copy complete.
        QCOMPARE(kilderVed, (QStringList{"M/", "M/U/", "M/U/a=a", "f=f"}));
        QCOMPARE(kopierVed, (QStringList{"M/", "M/U/", "M/U/a=a", "f=f"}));
        // One call for the one volume written to, not one per file.
        QCOMPARE(kald, QStringList{o.dest});
        QCOMPARE(trae(dir.filePath("kilde")),
                 lykkes ? QStringList() : (QStringList{"M/", "M/U/", "M/U/a=a", "f=f"}));
        QCOMPARE(o.dialogs.informationer,
                 lykkes ? QStringList()
                        : QStringList{"Kopierne kunne ikke gemmes sikkert på drevet med:\r" + o.dest
                                      + "\rLæse- eller skrivefejl på drevet.\rDerfor er intet slettet i kilden."});
    }
}

// A folder that may be listed but not entered (mode 0644 for an ordinary
// user): its files are not passed over as vanished, each is named with its
// reason and the result does not claim a complete copy.
void TestPaste::mappeDerKanLaesesMenIkkeAabnes()
{
    QTemporaryDir dir;
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/M/a"), "a"));
    QVERIFY(lavFil(dir.filePath("kilde/M/L/b"), "b"));
    QVERIFY(lavFil(dir.filePath("kilde/M/L/c"), "c"));
    for (const char *sti : {"dest", "kilde", "kilde/M", "kilde/M/a", "kilde/M/L", "kilde/M/L/b", "kilde/M/L/c"})
        ::chown(QFile::encodeName(dir.filePath(sti)).constData(), 65534, 65534);
    QVERIFY(::chmod(QFile::encodeName(dir.filePath("kilde/M/L")).constData(), 0644) == 0);
    o.mapper = {dir.filePath("kilde/M")};

    rodfiksturer::SomAlmindeligBruger bruger;
    if (!bruger.ok())
        QSKIP("kan ikke skifte til en almindelig bruger");
    const bool ok = o.paste.PasteElementer();
    bruger.tilbage();
    ::chmod(QFile::encodeName(dir.filePath("kilde/M/L")).constData(), 0755);
    QVERIFY(ok);
    QCOMPARE(trae(o.dest), (QStringList{"M/", "M/L/", "M/a=a"}));
    QCOMPARE(o.dialogs.informationer,
             QStringList{"Følgende elementer nåede ikke helt frem til destinationen:\r" + dir.filePath("kilde/M")
                         + "\r\rDette kunne ikke kopieres:\r" + dir.filePath("kilde/M/L/b") + " (adgang nægtet)\r"
                         + dir.filePath("kilde/M/L/c") + " (adgang nægtet)"});
    QCOMPARE(o.paste.getResult(), QString("1 af 3 filer: 1 bytes"));
}

// A failure deep inside a copied folder is named by its own path and its
// reason, and a full disk reads as such, not as a number.
void TestPaste::fejlDybtIndeNavngivesMedSinGrund()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/M/U/V/dyb"), "d"));
    QVERIFY(lavFil(dir.filePath("kilde/M/a"), "a"));
    o.mapper = {dir.filePath("kilde/M")};
    filkopi::saetSkriveFejl([](const QString &maal) { return maal.endsWith("/dyb") ? ENOSPC : 0; });

    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(o.dialogs.informationer,
             QStringList{"Der er ikke plads nok på destinationens drev.\r"
                         "Følgende elementer nåede ikke helt frem til destinationen:\r"
                         + dir.filePath("kilde/M") + "\r\rDette kunne ikke kopieres:\r"
                         + dir.filePath("kilde/M/U/V/dyb") + " (der er ikke plads nok på drevet)"});
}

// Files that come into a folder after it was counted are copied, and the
// result counts them instead of reading "5 af 1 fil".
void TestPaste::flereFilerEndOptalt()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    QDir().mkpath(o.dest);
    QVERIFY(lavFil(dir.filePath("kilde/M/a"), "a"));
    o.mapper = {dir.filePath("kilde/M")};
    o.progress.vedOversigt = [&] {
        for (const char *n : {"b", "c", "d", "e"})
            QVERIFY(lavFil(dir.filePath("kilde/M/") + n, "x"));
    };
    QVERIFY(o.paste.PasteElementer());
    QCOMPARE(o.progress.oversigt, QString("Der kopieres 1 fil: 1 bytes"));
    QCOMPARE(o.paste.getResult(), QString("5 filer: 5 bytes"));
    QVERIFY(o.dialogs.informationer.isEmpty());
}

// What an interrupted copy left in the destination, from a process that no
// longer runs, is removed when the engine works there; what belongs to a
// running process stays.
void TestPaste::forladteMidlertidigeFilerFjernes()
{
    QTemporaryDir dir;
    Opstilling o;
    o.dest = dir.filePath("dest");
    const pid_t doed = ::fork();
    if (doed == 0)
        ::_exit(0);
    QVERIFY(doed > 0);
    ::waitpid(doed, nullptr, 0);
    const QString forladt = o.dest + QString("/.stor.bin.marvikel-%1-7").arg(doed);
    const QString levende = o.dest + QString("/.stor.bin.marvikel-%1-8").arg(::getppid());
    const QString forladtInde = o.dest + QString("/M/.x.marvikel-%1-9").arg(doed);
    for (const QString &sti : {forladt, levende, forladtInde}) {
        QVERIFY(lavFil(sti, "halv"));
        const struct timespec gammel[2] = {{1000000000, 0}, {1000000000, 0}};
        ::utimensat(AT_FDCWD, QFile::encodeName(sti).constData(), gammel, 0);
    }
    QVERIFY(lavFil(dir.filePath("kilde/M/a"), "a"));
    o.mapper = {dir.filePath("kilde/M")};

    QVERIFY(o.paste.PasteElementer());
    QVERIFY(!QFileInfo::exists(forladt));
    QVERIFY(!QFileInfo::exists(forladtInde));
    QVERIFY(QFileInfo::exists(levende));
}

// A folder pasted into its own subfolder through a bind mount of itself
// elsewhere is refused before anything is counted or made.
void TestPaste::mappeIndISigSelvGennemBindMontering_data()
{
    QTest::addColumn<bool>("flyt");
    QTest::newRow("kopier") << false;
    QTest::newRow("flyt") << true;
}

void TestPaste::mappeIndISigSelvGennemBindMontering()
{
    QFETCH(bool, flyt);
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("kilde/M/U/fil")));
    QDir().mkpath(dir.filePath("alias"));
    const rodfiksturer::Montering alias =
        rodfiksturer::Montering::bind(rodfiksturer::b(dir.filePath("kilde/M")), rodfiksturer::b(dir.filePath("alias")));
    if (!alias.ok())
        QSKIP(qPrintable(alias.grund()));
    Opstilling o;
    o.dest = dir.filePath("alias/U");
    o.mapper = {dir.filePath("kilde/M")};
    o.paste.setIntSpm(Spoergsmaal::Altid);

    QVERIFY(!o.koer(flyt));
    QCOMPARE(o.dialogs.informationer,
             QStringList{QString("Mappen kan ikke %1 ind i sig selv eller i en af sine egne undermapper:\r")
                             .arg(flyt ? "flyttes" : "kopieres")
                         + dir.filePath("kilde/M")});
    QCOMPARE(o.bekraeftelse.kald.size(), 0);
    QCOMPARE(trae(dir.filePath("kilde/M")), (QStringList{"U/", "U/fil=x"}));
}

// A move across volumes never empties another volume mounted inside the
// moved folder: such a folder is left whole and named.
void TestPaste::flytAfMappeMedMonteretDrev()
{
    QTemporaryDir dir;
    QVERIFY(lavFil(dir.filePath("kilde/M/a.txt"), "a"));
    QVERIFY(lavFil(dir.filePath("kilde/f"), "f"));
    QDir().mkpath(dir.filePath("kilde/M/drev"));
    QDir().mkpath(dir.filePath("dest"));
    const rodfiksturer::Montering drev = rodfiksturer::Montering::tmpfs(rodfiksturer::b(dir.filePath("kilde/M/drev")));
    if (!drev.ok())
        QSKIP(qPrintable(drev.grund()));
    QVERIFY(lavFil(dir.filePath("kilde/M/drev/paa-drevet.txt"), "må ikke slettes"));
    Opstilling o;
    o.dest = dir.filePath("dest");
    o.mapper = {dir.filePath("kilde/M")};
    o.filer = {dir.filePath("kilde/f")};
    o.paste.setDrevTest([](const QString &, const QString &) { return true; });

    QVERIFY(o.paste.PasteCutElementer());
    QCOMPARE(indhold(dir.filePath("kilde/M/drev/paa-drevet.txt")), QByteArray("må ikke slettes"));
    QCOMPARE(indhold(dir.filePath("kilde/M/a.txt")), QByteArray("a"));
    QCOMPARE(trae(o.dest), QStringList{"f=f"});
    QVERIFY(o.dialogs.informationer.contains(
        "Følgende mapper rummer et andet monteret drev og flyttes derfor ikke til et andet drev; de er ikke rørt:\r"
        + dir.filePath("kilde/M") + " (drevet " + dir.filePath("kilde/M/drev") + ")"));
}

// On a volume that folds letter case and gives each spelling its own inode
// (exFAT through FUSE), "Dir" and "dir" are one folder: a file pasted from
// the one into the other is the same element and is left untouched, and a
// folder pasted into its own subfolder spelt otherwise is refused.
void TestPaste::drevDerFolderBogstaver_data()
{
    QTest::addColumn<bool>("flyt");
    QTest::addColumn<int>("metode");
    QTest::newRow("kopier med overskriv") << false << 1;
    QTest::newRow("flyt med overskriv") << true << 1;
    QTest::newRow("flyt med opret kopi") << true << 2;
}

void TestPaste::drevDerFolderBogstaver()
{
    QFETCH(bool, flyt);
    QFETCH(int, metode);
    QTemporaryDir dir;
    rodfiksturer::ExfatDrev exfat(dir.path());
    if (!exfat.ok())
        QSKIP(qPrintable(exfat.grund()));
    const QString rod = exfat.sti();
    QVERIFY(lavFil(rod + "/Dir/Foto.JPG", "billede"));
    QDir().mkpath(rod + "/Dir/Under");
    Opstilling o;
    o.dest = rod + "/dir";
    o.filer = {rod + "/Dir/Foto.JPG"};
    o.paste.setIntPasteMetode(metode);
    o.dialogs.svarJa(true);

    QVERIFY(o.koer(flyt));
    QCOMPARE(navne(rod + "/Dir"), (QStringList{"Foto.JPG", "Under"}));
    QCOMPARE(indhold(rod + "/Dir/Foto.JPG"), QByteArray("billede"));
    QCOMPARE(o.dialogs.informationer,
             QStringList{"Kilde og destination er det samme element, så det blev ikke rørt:\r" + rod + "/Dir/Foto.JPG"});

    o.dialogs.informationer.clear();
    o.dest = rod + "/dir/Under";
    o.filer.clear();
    o.mapper = {rod + "/Dir"};
    QVERIFY(!o.koer(flyt));
    QCOMPARE(o.dialogs.informationer,
             QStringList{QString("Mappen kan ikke %1 ind i sig selv eller i en af sine egne undermapper:\r")
                             .arg(flyt ? "flyttes" : "kopieres")
                         + rod + "/Dir"});
    QCOMPARE(navne(rod + "/Dir/Under"), QStringList());
}

QTEST_GUILESS_MAIN(TestPaste)
#include "tst_paste.moc"
