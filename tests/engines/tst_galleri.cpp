#include "engines/galleri/billedfiler.h"
#include "engines/galleri/farver.h"
#include "engines/galleri/felter.h"
#include "engines/galleri/rammex.h"
#include "engines/galleri/skakt.h"
#include "engines/galleri/tbilledindlaeser.h"
#include "platform/navnekode.h"
#include "testmiljoe.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using billedfiler::Miniature;

namespace {

QByteArray billedbytes(int w, int h, const char *format, QColor farve = QColor(200, 60, 20))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(farve);
    QPainter p(&img);
    p.fillRect(0, 0, w / 2, h / 2, Qt::darkGreen);
    p.end();
    QByteArray b;
    QBuffer buf(&b);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, format);
    return b;
}

// Writes bytes under a name given as raw bytes, so names that are not
// UTF-8 can be made.
bool skrivRaa(const QByteArray &sti, const QByteArray &data)
{
    const int fd = ::open(sti.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, data.constData(), size_t(data.size())) == data.size();
    ::close(fd);
    return ok;
}

// A 2 x 2 icon of 24 bits with its mask, written by hand so each pixel's
// colour and mask bit are known. Rows are stored bottom-up.
QByteArray ikon(const QRgb farver[4], const bool maske[4])
{
    QByteArray d;
    auto u16 = [&d](int v) { d.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto u32 = [&](int v) { u16(v & 0xFFFF); u16((v >> 16) & 0xFFFF); };
    const int xorRad = 8, andRad = 4;   // padded to 4 bytes
    const int billedStr = 40 + 2 * xorRad + 2 * andRad;
    u16(0); u16(1); u16(1);                                  // header: an icon, one picture
    d.append(char(2)).append(char(2)).append(char(0)).append(char(0));
    u16(1); u16(24); u32(billedStr); u32(6 + 16);            // directory entry
    u32(40); u32(2); u32(4); u16(1); u16(24); u32(0); u32(0); u32(0); u32(0); u32(0); u32(0);
    for (int raekke = 1; raekke >= 0; --raekke) {            // XOR bitmap, bottom row first
        for (int x = 0; x < 2; ++x) {
            const QRgb c = farver[raekke * 2 + x];
            d.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
        }
        d.append(2, char(0));
    }
    for (int raekke = 1; raekke >= 0; --raekke) {            // AND mask
        const int bits = (maske[raekke * 2] ? 0x80 : 0) | (maske[raekke * 2 + 1] ? 0x40 : 0);
        d.append(char(bits)).append(3, char(0));
    }
    return d;
}

// A JPEG whose frame header declares another size than its data.
QByteArray medErklaeretStoerrelse(QByteArray jpeg, int w, int h)
{
    const int sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return {};
    jpeg[sof + 5] = char(h >> 8);
    jpeg[sof + 6] = char(h & 0xFF);
    jpeg[sof + 7] = char(w >> 8);
    jpeg[sof + 8] = char(w & 0xFF);
    return jpeg;
}

// The progress of a load as the window would see it; stops on request.
class Optager : public TBilledIndlaeser::Fremdrift
{
public:
    QList<int> procenter;
    int haendelser = 0;
    int stopVed = -1;   // the percentage at which "stop" is pressed
    void procent(int p) override
    {
        procenter.append(p);
        if (stopVed >= 0 && p >= stopVed)
            m_stop = true;
    }
    void holdILive() override { ++haendelser; }
    bool stoppet() const override { return m_stop; }

private:
    bool m_stop = false;
};

QRgb pixel(const QImage &img, int x, int y)
{
    return img.pixel(x, y) & 0xFFFFFF;
}

// A file whose name is raw bytes, removed again by those bytes (Qt's own
// removal cannot name it).
struct RaaFil
{
    QByteArray sti;
    ~RaaFil() { ::unlink(sti.constData()); }
};

} // namespace

class TestGalleri : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString sti(const QString &navn) const { return m_dir.path() + "/" + navn; }
    void lav(const QString &navn, const QByteArray &data)
    {
        QDir().mkpath(QFileInfo(sti(navn)).path());
        QVERIFY(skrivRaa(navnekode::kod(sti(navn)), data));
    }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init() { QDir(m_dir.path()).removeRecursively(); QDir().mkpath(m_dir.path()); }

    void gitterlayout_data();
    void gitterlayout();
    void miniatureplacering_data();
    void miniatureplacering();
    void taster_data();
    void taster();
    void listeordenOgNavne();
    void afkodningPrArt();
    void ikonmasken();
    void jpegAfkodesIMindsteSkalaOverMaalet();
    void daarligeBillederStopperIkkeIndlaesningen();
    void indlaesningKanStoppes();
    void farver_data();
    void farver();
    void trinbar();
    void skaktgeometri();
    void skaktUdenVej();
    void rammeTilstande_data();
    void rammeTilstande();
    void rammeGraensetilfaelde();
};

// The grid fills the control: the worked numbers of a 599 x 450 control.
void TestGalleri::gitterlayout_data()
{
    QTest::addColumn<int>("V");
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("bredde");
    QTest::addColumn<int>("hoejde");
    QTest::addColumn<int>("x0");
    QTest::addColumn<int>("y0");
    QTest::addColumn<QSize>("lager");
    QTest::newRow("4 x 1") << 4 << 1 << 148 << 449 << 0 << 0 << QSize(143, 444);
    QTest::newRow("3 x 2") << 3 << 2 << 198 << 223 << 0 << 0 << QSize(193, 218);
    QTest::newRow("7 x 3 centred") << 7 << 3 << 83 << 148 << 2 << 0 << QSize(78, 143);
}

void TestGalleri::gitterlayout()
{
    QFETCH(int, V);
    QFETCH(int, L);
    const felter::Layout l = felter::BeregnFelter(QSize(599, 450), V, L);
    QTEST(l.FeltBredde, "bredde");
    QTEST(l.FeltHojde, "hoejde");
    QTEST(l.x0, "x0");
    QTEST(l.y0, "y0");
    QTEST(l.lagerStoerrelse(), "lager");
    QCOMPARE(l.YR.size(), V * L);
    // Cell 1 starts one gap after cell 0; the last cell ends in the last column.
    const QRect yr0 = l.YR.at(0);
    QCOMPARE(yr0, QRect(QPoint(l.x0, l.y0), QPoint(l.x0 + l.FeltBredde, l.y0 + l.FeltHojde)));
    QCOMPARE(l.IR.at(0), QRect(QPoint(yr0.left() + 4, yr0.top() + 4), QPoint(yr0.right() - 3, yr0.bottom() - 3)));
    if (V > 1)
        QCOMPARE(l.YR.at(1).left(), l.x0 + l.FeltBredde + 2);
    QVERIFY(l.YR.last().right() <= 598);
    QCOMPARE(l.feltVed(l.IR.at(V * L - 1).center(), V * L), V * L - 1);
    QCOMPARE(l.feltVed(yr0.topLeft(), V * L), -1);   // on the frame, not in the cell
}

void TestGalleri::miniatureplacering_data()
{
    QTest::addColumn<QSize>("billede");
    QTest::addColumn<QRect>("placering");
    // A 148 x 449 cell: W = 144, H = 445.
    QTest::newRow("1000 x 500 reduced") << QSize(1000, 500) << QRect(2, 187, 140, 70);
    QTest::newRow("32 x 32 icon unscaled") << QSize(32, 32) << QRect(56, 206, 32, 32);
    QTest::newRow("tall picture") << QSize(100, 4410) << QRect(67, 2, 10, 441);
    QTest::newRow("nothing to draw") << QSize(0, 0) << QRect();
}

void TestGalleri::miniatureplacering()
{
    QFETCH(QSize, billede);
    QTEST(felter::BeregnR(billede, 144, 445), "placering");
}

void TestGalleri::taster_data()
{
    QTest::addColumn<int>("V");
    QTest::addColumn<int>("L");
    QTest::addColumn<int>("antal");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("fokus");
    QTest::addColumn<QList<int>>("taster");
    QTest::addColumn<int>("nyStart");
    QTest::addColumn<int>("nyFokus");
    using T = felter::Gitter::Tast;
    auto t = [](std::initializer_list<T> l) {
        QList<int> ud;
        for (T x : l)
            ud.append(int(x));
        return ud;
    };
    QTest::newRow("End shows the last page") << 2 << 2 << 10 << 0 << 0 << t({T::Slut}) << 6 << 3;
    QTest::newRow("then Page Up") << 2 << 2 << 10 << 0 << 0 << t({T::Slut, T::SideOp}) << 2 << 3;
    QTest::newRow("Page Down stops at the end") << 2 << 2 << 10 << 4 << 1 << t({T::SideNed}) << 6 << 1;
    QTest::newRow("Right on the last cell scrolls one") << 2 << 2 << 10 << 0 << 3 << t({T::Hoejre}) << 1 << 3;
    QTest::newRow("Left on the first cell scrolls back one") << 2 << 2 << 10 << 3 << 0 << t({T::Venstre}) << 2
                                                             << 0;
    QTest::newRow("Home") << 2 << 2 << 10 << 5 << 2 << t({T::Hjem}) << 0 << 0;
    QTest::newRow("Down in the last row goes up the next column") << 3 << 2 << 20 << 0 << 3 << t({T::Ned}) << 0
                                                                   << 1;
    QTest::newRow("Down on the last cell scrolls a row") << 3 << 2 << 20 << 0 << 5 << t({T::Ned}) << 3 << 5;
    QTest::newRow("Up in the first row goes to the previous column") << 3 << 2 << 20 << 0 << 2 << t({T::Op}) << 0
                                                                     << 4;
    QTest::newRow("Up on cell 0 scrolls a row back") << 3 << 2 << 20 << 6 << 0 << t({T::Op}) << 3 << 0;
    QTest::newRow("one picture: only the focus") << 2 << 2 << 1 << 0 << -1
                                                 << t({T::Hoejre, T::Ned, T::Slut, T::SideNed}) << 0 << 0;
    QTest::newRow("no focused cell counts as cell 0") << 2 << 2 << 10 << 0 << -1 << t({T::Hoejre}) << 0 << 1;
    QTest::newRow("fewer pictures than cells") << 3 << 3 << 5 << 0 << 1 << t({T::Ned, T::Ned}) << 0 << 4;
}

void TestGalleri::taster()
{
    QFETCH(QList<int>, taster);
    felter::Gitter g;
    QFETCH(int, V);
    QFETCH(int, L);
    QFETCH(int, antal);
    QFETCH(int, start);
    QFETCH(int, fokus);
    g.V = V;
    g.L = L;
    g.AntalIalt = antal;
    g.StartNr = start;
    g.ANr = fokus;
    for (int t : taster)
        QVERIFY(g.tast(felter::Gitter::Tast(t)));
    QTEST(g.StartNr, "nyStart");
    QTEST(g.ANr, "nyFokus");
    QVERIFY(g.StartNr >= 0 && g.StartNr <= g.maxStart());

    felter::Gitter tom;
    QVERIFY(!tom.tast(felter::Gitter::Tast::Hoejre));   // no pictures: keys do nothing
    QCOMPARE(tom.ANr, -1);
}

// BMP first, then JPG, then ICO, each group as the file system lists it;
// only files count, and names are held exactly.
void TestGalleri::listeordenOgNavne()
{
    const QByteArray jpg = billedbytes(8, 6, "JPEG");
    const QByteArray bmp = billedbytes(8, 6, "BMP");
    const QString lang = QString(150, QLatin1Char('l')) + ".jpg";
    for (const char *n : {"a.jpg", "b.BMP", "c.ico", "d.Jpg", "e.bmp", "photo.2019.jpg", "f.jpeg", "g.txt"})
        lav(n, QByteArray(n).endsWith("bmp") || QByteArray(n).endsWith("BMP") ? bmp : jpg);
    lav(lang, jpg);
    const RaaFil latin1{QFile::encodeName(m_dir.path()) + "/bil\xe6" "de.jpg"};
    QVERIFY(skrivRaa(latin1.sti, jpg));
    QVERIFY(QDir().mkpath(sti("mappe.jpg")));
    QVERIFY(::mkfifo(navnekode::kod(sti("ror.jpg")).constData(), 0644) == 0);
    QVERIFY(QFile::link(sti("a.jpg"), sti("link.jpg")));

    bool fejl = true;
    const QStringList navne = billedfiler::BilledNavne(m_dir.path(), billedfiler::FilType::ftBegge, &fejl);
    QVERIFY(!fejl);
    // The file system's order within each group, as an unsorted listing gives it.
    QStringList ventet[3];
    for (const QString &n : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted)) {
        if (!QFileInfo(sti(n)).isFile() || n == "ror.jpg")
            continue;
        const int gruppe = n.endsWith(".bmp", Qt::CaseInsensitive) ? 0 : n.endsWith(".jpg", Qt::CaseInsensitive) ? 1
                         : n.endsWith(".ico", Qt::CaseInsensitive) ? 2 : -1;
        if (gruppe >= 0)
            ventet[gruppe].append(n);
    }
    // Qt's own listing drops the name that is not UTF-8; it stands among the JPGs.
    QCOMPARE(navne.size(), ventet[0].size() + ventet[1].size() + ventet[2].size() + 1);
    QCOMPARE(navne.mid(0, 2), ventet[0]);
    QCOMPARE(navne.last(), QString("c.ico"));
    const QString raa = navnekode::dekod(QByteArray("bil\xe6" "de.jpg"));
    QVERIFY(navne.contains(raa));
    QVERIFY(navne.contains(lang));
    QVERIFY(navne.contains("photo.2019.jpg"));
    QVERIFY(navne.contains("link.jpg"));
    QVERIFY(!navne.contains("mappe.jpg"));
    QVERIFY(!navne.contains("ror.jpg"));
    QVERIFY(!navne.contains("f.jpeg"));

    // The odd name and the long one open exactly.
    QCOMPARE(billedfiler::lavMiniature(sti(raa), 100, 100).stoerrelse, QSize(8, 6));
    QCOMPARE(billedfiler::lavMiniature(sti(lang), 100, 100).stoerrelse, QSize(8, 6));
    QCOMPARE(billedfiler::BilledNavne(m_dir.path(), billedfiler::FilType::ftBmp), ventet[0]);
    QVERIFY(billedfiler::BilledNavne(sti("mangler"), billedfiler::FilType::ftBegge, &fejl).isEmpty());
    QVERIFY(fejl);
}

// The extension decides the type; the thumbnail is reduced into place.
void TestGalleri::afkodningPrArt()
{
    QCOMPARE(billedfiler::artAf("photo.2019.jpg"), billedfiler::Art::Jpg);
    QCOMPARE(billedfiler::artAf("A.BMP"), billedfiler::Art::Bmp);
    QCOMPARE(billedfiler::artAf("jpg"), billedfiler::Art::Anden);
    lav("photo.2019.jpg", billedbytes(1000, 500, "JPEG"));
    lav("b.bmp", billedbytes(1000, 500, "BMP"));
    lav("png.jpg", billedbytes(1000, 500, "PNG"));   // not a picture of its type
    for (const char *n : {"photo.2019.jpg", "b.bmp"}) {
        const Miniature m = billedfiler::lavMiniature(sti(n), 144, 445);
        QCOMPARE(m.stoerrelse, QSize(1000, 500));
        QCOMPARE(m.placering, QRect(2, 187, 140, 70));
        QCOMPARE(m.billede.size(), QSize(140, 70));
        // The top-left quarter is green, the rest red, after scaling too.
        QVERIFY(qGreen(m.billede.pixel(10, 10)) > qRed(m.billede.pixel(10, 10)));
        QVERIFY(qRed(m.billede.pixel(130, 60)) > 150);
    }
    const Miniature png = billedfiler::lavMiniature(sti("png.jpg"), 144, 445);
    QCOMPARE(png.stoerrelse, QSize(0, 0));
    QVERIFY(png.billede.isNull());
}

// A pixel that is white in the mask and black in the colour bitmap takes
// the background C0C080; every other pixel keeps its colour.
void TestGalleri::ikonmasken()
{
    const QRgb farver[4] = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(10, 200, 30)};
    const bool maske[4] = {true, true, false, false};
    lav("i.ico", ikon(farver, maske));
    const Miniature m = billedfiler::lavMiniature(sti("i.ico"), 144, 445);
    QCOMPARE(m.stoerrelse, QSize(2, 2));
    QCOMPARE(m.placering, QRect(71, 221, 2, 2));
    QCOMPARE(pixel(m.billede, 0, 0), QRgb(0xC0C080));
    QCOMPARE(pixel(m.billede, 1, 0), QRgb(0xFF0000));
    QCOMPARE(pixel(m.billede, 0, 1), QRgb(0x000000));
    QCOMPARE(pixel(m.billede, 1, 1), qRgb(10, 200, 30) & 0xFFFFFF);
}

void TestGalleri::jpegAfkodesIMindsteSkalaOverMaalet()
{
    QCOMPARE(billedfiler::jpegAfkodningsstoerrelse(QSize(4000, 3000), QSize(309, 232)), QSize(500, 375));
    QCOMPARE(billedfiler::jpegAfkodningsstoerrelse(QSize(4000, 3000), QSize(600, 450)), QSize(1000, 750));
    QCOMPARE(billedfiler::jpegAfkodningsstoerrelse(QSize(1001, 667), QSize(140, 70)), QSize(251, 167));
    QCOMPARE(billedfiler::jpegAfkodningsstoerrelse(QSize(100, 50), QSize(100, 50)), QSize(100, 50));
}

// Whatever is wrong with a picture, it gets 0 x 0 and the load goes on;
// progress runs in list order to 100.
void TestGalleri::daarligeBillederStopperIkkeIndlaesningen()
{
    const QByteArray god = billedbytes(64, 48, "JPEG");
    lav("01.jpg", god);
    lav("02.jpg", god.left(40));                                   // truncated in its headers
    lav("03.jpg", god.left(god.size() * 2 / 3));                   // truncated in its data
    lav("04.jpg", QByteArray());                                   // zero bytes
    lav("05.jpg", "ikke et billede");
    lav("06.jpg", medErklaeretStoerrelse(god, 20000, 20000));      // 400 megapixels declared
    lav("07.jpg", god);
    lav("08.bmp", billedbytes(64, 48, "BMP").left(20));
    QVERIFY(::mkfifo(navnekode::kod(sti("09.ico")).constData(), 0644) == 0);   // never opened

    TBilledIndlaeser laeser(2);
    laeser.setInterval(0);
    Optager o;
    const TBilledIndlaeser::Resultat r = laeser.indlaes(m_dir.path(), billedfiler::FilType::ftBegge, 144, 445, o);
    QVERIFY(!r.afbrudt);
    QCOMPARE(r.Bil.size(), 8);
    QCOMPARE(r.miniaturer.size(), 8);
    QHash<QString, QSize> stoerrelser;
    for (const TBilRec &b : r.Bil)
        stoerrelser.insert(b.Filnavn, QSize(b.Bredde, b.Hojde));
    QCOMPARE(r.Bil.first().Filnavn, QString("08.bmp"));
    QCOMPARE(stoerrelser.value("01.jpg"), QSize(64, 48));
    QCOMPARE(stoerrelser.value("07.jpg"), QSize(64, 48));
    for (const char *n : {"02.jpg", "04.jpg", "05.jpg", "06.jpg", "08.bmp"})
        QCOMPARE(stoerrelser.value(n), QSize(0, 0));
    for (int i = 0; i < r.Bil.size(); ++i)
        QCOMPARE(r.miniaturer.at(i).billede.isNull(), r.Bil.at(i).Bredde == 0);
    QCOMPARE(o.procenter.first(), 0);
    QCOMPARE(o.procenter.last(), 100);
    QVERIFY(std::is_sorted(o.procenter.begin(), o.procenter.end()));
    // Round(i / 8 × 100), halves to even: 12.5 → 12, 37.5 → 38, 62.5 → 62.
    QCOMPARE(o.procenter, (QList<int>{0, 12, 25, 38, 50, 62, 75, 88, 100}));
}

void TestGalleri::indlaesningKanStoppes()
{
    const QByteArray god = billedbytes(640, 480, "JPEG");
    for (int i = 0; i < 20; ++i)
        lav(QString("%1.jpg").arg(i, 2, 10, QLatin1Char('0')), god);
    TBilledIndlaeser laeser(2);
    Optager o;
    o.stopVed = 10;
    const TBilledIndlaeser::Resultat r = laeser.indlaes(m_dir.path(), billedfiler::FilType::ftBegge, 200, 200, o);
    QVERIFY(r.afbrudt);
    QVERIFY(r.Bil.size() < 20);
    QCOMPARE(o.procenter.last(), 10);

    // An empty folder reports nothing at all.
    Optager tom;
    QVERIFY(QDir().mkpath(sti("tom")));
    QVERIFY(laeser.indlaes(sti("tom"), billedfiler::FilType::ftBegge, 200, 200, tom).Bil.isEmpty());
    QVERIFY(tom.procenter.isEmpty());
}

void TestGalleri::farver_data()
{
    QTest::addColumn<int>("indeks");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QColor>("farve");
    QTest::addColumn<QColor>("bjaelke");
    // Bar = ((value AND 65535) XOR 16777215) OR 32768, blue in the high byte.
    QTest::newRow("Beige") << 0 << "Beige" << QColor(0xC0, 0xC0, 0x80) << QColor(0x3F, 0xBF, 0xFF);
    QTest::newRow("Blå") << 2 << "Blå" << QColor(0x00, 0x00, 0x9B) << QColor(0xFF, 0xFF, 0xFF);
    QTest::newRow("Kastanje") << 10 << "Kastanje" << QColor(0x80, 0x00, 0x00) << QColor(0x7F, 0xFF, 0xFF);
    QTest::newRow("Turkis") << 19 << "Turkis" << QColor(0x00, 0x80, 0x80) << QColor(0xFF, 0xFF, 0xFF);
}

void TestGalleri::farver()
{
    QFETCH(int, indeks);
    QTEST(galleriFarver::tekst(indeks), "tekst");
    QTEST(windowsFarve(galleriFarver::vaerdi(indeks)), "farve");
    QTEST(windowsFarve(galleriFarver::bjaelkeVaerdi(galleriFarver::vaerdi(indeks))), "bjaelke");
    QCOMPARE(galleriFarver::vaerdi(20), galleriFarver::Ingen);
    QCOMPARE(galleriFarver::vaerdi(-1), galleriFarver::Ingen);
}

// The bar moves at whole steps: every step with Trin 1, back to 0 cleared.
void TestGalleri::trinbar()
{
    using H = skakt::Trinbar::Handling;
    skakt::Trinbar b;
    b.Trin = 1;
    b.malet();
    for (int i = 1; i <= 100; ++i)
        QCOMPARE(b.setPosition(i), H::RydOgTegn);
    QCOMPARE(b.laengde(0, 137), 137);
    QCOMPARE(b.procent(), 100);
    QCOMPARE(b.setPosition(100), H::Intet);
    QCOMPARE(b.setPosition(0), H::RydOgTegn);
    QCOMPARE(b.laengde(0, 137), 0);

    skakt::Trinbar fem;
    fem.Opfrisk = false;
    fem.malet();
    QCOMPARE(fem.setPosition(4), H::Intet);   // below the first step
    QCOMPARE(fem.setPosition(7), H::Tegn);
    QCOMPARE(fem.StepPos(), 5);
    QCOMPARE(fem.setPosition(3), H::Intet);   // not a whole step back
    QCOMPARE(fem.setPosition(0), H::RydOgTegn);
    QCOMPARE(fem.setPosition(150), H::Tegn);  // limited to Max
    QCOMPARE(fem.Position(), 100);
    QCOMPARE(fem.laengde(0, 137), 137);
    QCOMPARE(skakt::afrund(2.5), 2);
    QCOMPARE(skakt::afrund(3.5), 4);
}

// The gallery's shaft of 16 x 513 with 100 pictures in a 4 x 1 grid.
void TestGalleri::skaktgeometri()
{
    const skakt::Rektangler r = skakt::beregnRektangler(16, 513, 1);
    QCOMPARE(r.CompoRekt, QRect(QPoint(1, 1), QPoint(14, 511)));
    skakt::Indstilling s;
    s.PosMax = 96;
    s.PosVisible = 4;
    const skakt::Geometri g = skakt::BeregnSkakt(r.CompoRekt, s);
    QCOMPARE(g.DecR, QRect(QPoint(1, 1), QPoint(14, 14)));
    QCOMPARE(g.IncR, QRect(QPoint(1, 498), QPoint(14, 511)));
    QCOMPARE(g.RulRekt.top(), 15);
    QCOMPARE(g.RulRekt.bottom(), 497);
    QCOMPARE(g.KnapH, 19);
    QCOMPARE(g.IntervalDim, 463);
    QCOMPARE(g.Interval, 463.0 / 96);
    QCOMPARE(g.PosR(0), QRect(QPoint(1, 15), QPoint(14, 34)));
    QCOMPARE(g.PosR(96).top(), 15 + 463);
    QCOMPARE(g.PosR(500), g.PosR(96));
    // Dragging past the end stops at PosMax; a small move rounds towards the start.
    QCOMPARE(g.traekPosition(90, QPoint(5, 100), QPoint(5, 400)), 96);
    QCOMPARE(g.traekPosition(10, QPoint(5, 100), QPoint(5, 104)), 10);
    QCOMPARE(g.traekPosition(10, QPoint(5, 100), QPoint(5, 90)), 8);
    // The up arrow of the button (1, 1, 14, 14); pressed, one pixel smaller.
    QCOMPARE(skakt::MakeMark(g.DecR, false, true, 3, false), (QList<QPoint>{{4, 11}, {11, 11}, {7, 4}}));
    QCOMPARE(skakt::MakeMark(g.IncR, true, true, 3, true), (QList<QPoint>{{5, 502}, {10, 502}, {7, 507}}));
    // Horizontal: the same shaft turned.
    s.lodret = false;
    const skakt::Geometri h = skakt::BeregnSkakt(QRect(QPoint(1, 1), QPoint(511, 14)), s);
    QCOMPARE(h.DecR, QRect(QPoint(1, 1), QPoint(14, 14)));
    QCOMPARE(h.PosR(0), QRect(QPoint(15, 1), QPoint(34, 14)));
}

// With nothing to scroll the knob fills the track and dragging does nothing.
void TestGalleri::skaktUdenVej()
{
    skakt::Indstilling s;
    s.PosMax = 0;
    s.PosVisible = 2;
    const skakt::Geometri g = skakt::BeregnSkakt(QRect(QPoint(1, 1), QPoint(14, 511)), s);
    QCOMPARE(g.KnapH, 482);
    QCOMPARE(g.Interval, 0.0);
    QCOMPARE(g.traekPosition(0, QPoint(5, 20), QPoint(5, 300)), 0);
    s.PosKnapDim = true;
    QCOMPARE(skakt::BeregnSkakt(QRect(QPoint(1, 1), QPoint(14, 511)), s).KnapH, 4);
}

void TestGalleri::rammeTilstande_data()
{
    QTest::addColumn<int>("tilstand");
    QTest::addColumn<QColor>("ydre");    // top-left pixel of the outer ring
    QTest::addColumn<QColor>("hjoerne"); // its bottom-right pixel
    const QPalette pal = QGuiApplication::palette();
    const QColor lys = pal.color(QPalette::Light), skygge = pal.color(QPalette::Dark);
    QTest::newRow("normal: sunken") << 1 << skygge << lys;
    QTest::newRow("pressed: yellow") << 2 << QColor(Qt::yellow) << QColor(Qt::yellow);
    QTest::newRow("focused: blue") << 3 << QColor(Qt::blue) << QColor(Qt::blue);
    QTest::newRow("disabled: grey") << 0 << QColor(0x80, 0x80, 0x80) << QColor(0x80, 0x80, 0x80);
}

// The gallery's cell frame: two rings in the state's look, nothing filled.
void TestGalleri::rammeTilstande()
{
    TRammeFeltX r;
    r.Art = TRammeXType::rtInd;
    r.Bredde = 2;
    r.FarveOver = Qt::blue;
    r.FarveAktiv = Qt::yellow;
    r.MedFeltFarve = false;
    r.ReaktionNede = TRammeXType::rtIngen;
    r.ReaktionOver = TRammeXType::rtIngen;
    QImage img(12, 12, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFETCH(int, tilstand);
    r.MakeRamme(p, QRect(QPoint(1, 1), QPoint(10, 10)), tilstand, false);
    p.end();
    QFETCH(QColor, ydre);
    QFETCH(QColor, hjoerne);
    QCOMPARE(img.pixel(1, 1), ydre.rgb());
    QCOMPARE(img.pixel(10, 10), hjoerne.rgb());
    QCOMPARE(img.pixel(2, 2), ydre.rgb());      // the second ring alike
    QCOMPARE(img.pixel(0, 0), QColor(Qt::white).rgb());
    QCOMPARE(img.pixel(5, 5), QColor(Qt::white).rgb());   // no fill
}

void TestGalleri::rammeGraensetilfaelde()
{
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    // No rings: only the fill and the outline.
    TRammeX ingen;
    ingen.Bredde = 0;
    ingen.FarveFelt = Qt::green;
    ingen.MedOmrids = true;
    ingen.FarveOmrids = Qt::red;
    ingen.MakeRamme(p, QRect(QPoint(0, 0), QPoint(3, 3)), 1, false);
    // A single pixel with two rings: the first ring is the pixel, the second
    // falls on an inverted rectangle and draws nothing.
    TRammeX to;
    to.Bredde = 2;
    to.MedFeltFarve = false;
    to.FarveRamme = Qt::blue;
    to.MakeRamme(p, QRect(QPoint(6, 6), QPoint(6, 6)), 1, false);
    p.end();
    QCOMPARE(QColor(img.pixel(0, 0)), QColor(Qt::red));
    QCOMPARE(QColor(img.pixel(1, 1)), QColor(Qt::green));
    QCOMPARE(QColor(img.pixel(6, 6)), QColor(Qt::blue));
    QCOMPARE(QColor(img.pixel(5, 5)), QColor(Qt::white));
    QCOMPARE(QColor(img.pixel(7, 7)), QColor(Qt::white));

    // The knob with the focus: a second raised ring inside and a black
    // outline over the first.
    TRammeFeltX knap;
    knap.Art = TRammeXType::rtUd;
    knap.FocusRamme = true;
    knap.MedFeltFarve = false;
    QCOMPARE(knap.antalRinge(true), 2);
    QCOMPARE(ringe(TRammeXType::rtUd, 2, 0), (QList<Ring>{Ring::Hoevet, Ring::Hoevet}));
    QImage k(6, 6, QImage::Format_RGB32);
    k.fill(Qt::white);
    QPainter kp(&k);
    knap.MakeRamme(kp, QRect(QPoint(0, 0), QPoint(5, 5)), 1, true);
    kp.end();
    QCOMPARE(QColor(k.pixel(0, 0)), QColor(Qt::black));
    QCOMPARE(QColor(k.pixel(5, 5)), QColor(Qt::black));
    QCOMPARE(k.pixel(1, 1), knap.FarveLys.rgb());
    QCOMPARE(k.pixel(4, 4), knap.FarveSkygge.rgb());
    // Bevel depth: raised outside, sunken inside, plain between.
    QCOMPARE(ringe(TRammeXType::rtUd, 4, 1), (QList<Ring>{Ring::Hoevet, Ring::Flad, Ring::Flad, Ring::Saenket}));
    QCOMPARE(ringe(TRammeXType::rtInd, 2, 1), (QList<Ring>{Ring::Saenket, Ring::Hoevet}));
}

QTEST_MAIN(TestGalleri)
#include "tst_galleri.moc"
