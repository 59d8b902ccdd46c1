// Drives the tree engine without windows.
//
//   bench_trae lav DIR FILER MAPPER SEED   makes DIR/filtrae (FILER entries, one in
//                                          twenty a folder) and DIR/mappetrae
//                                          (MAPPER subfolders), reproducibly from SEED
//   bench_trae filtrae DIR RUNDER          lists DIR in the file tree RUNDER times
//   bench_trae mappetrae DIR RUNDER        expands DIR in the folder tree RUNDER times
//   bench_trae filtrae-detaljer DIR RUNDER lists DIR with details: the listing and
//                                          the texts of every column of the rows a
//                                          window shows (the first 60)
//   bench_trae filtrae-stoerrelse DIR RUNDER, filtrae-dato DIR RUNDER
//                                          lists DIR sorted by size or by date (every
//                                          size and date read), then the shown rows
//   bench_trae lavtotal DIR FILER MAPPER SEED
//                                          makes DIR/total: FILER files of random
//                                          (sparse) sizes in MAPPER nested folders,
//                                          with some hard links and links
//   bench_trae total DIR [RUNDER [TRAADE]] totals DIR as the properties window does;
//                                          without RUNDER it prints the size, the file
//                                          and folder counts and what it passed over
//   bench_trae lavsoeg DIR ANTAL SEED      makes DIR/soegtrae: ANTAL files and folders
//                                          (one in ten a folder) at random depths, one
//                                          name in a thousand holding "qz"
//   bench_trae soeg DIR TEKST RUNDER       finds TEKST below DIR RUNDER times (both
//                                          passes, engine only, no limit on results);
//                                          prints "ekstra_mb" (peak memory over the
//                                          memory before the search)
//   bench_trae find DIR TEKST [MAKS]       one search as the find page runs it: the
//                                          two result lists (newest on top), the two
//                                          headings and the counters
//   bench_trae soegvindue DIR TEKST        one search from the find page shown on the
//                                          screen; prints "laengste_hul_ms", the
//                                          longest time between two event rounds
//
// Each timing run prints the median wall time in milliseconds on the line
// "median_ms <value>" and the entries found on "antal <value>"; the file tree
// also prints "hukommelse_mb <value>": how much the resident memory grew
// from before the first listing to after the last (the listing held by the
// model, and whatever the listings left behind).

#include "core/dialogs.h"
#include "engines/navnesoegning.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/treopenfilerx.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tsoegside.h"
#include "platform/mappetotal.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const Udvidelser[] = {".txt", ".jpg", ".png", ".pdf", ".mp3", ".html", ".doc", ".zip", ".log", ""};
const char *const Stammer[] = {"rapport", "billede", "Noter", "faktura", "æble", "sommer", "Ærø", "data",
                               "projekt", "kopi", "musik", "brev"};

QByteArray navn(std::mt19937 &tal, int nr)
{
    std::uniform_int_distribution<int> stamme(0, int(std::size(Stammer)) - 1);
    QByteArray n = QByteArray(Stammer[stamme(tal)]) + ' ' + QByteArray::number(nr);
    // A few names that are not valid UTF-8, as found on old disks.
    if (nr % 997 == 0)
        n += "\xe6";
    return n;
}

int lav(const QString &rod, int filer, int mapper, unsigned seed)
{
    std::mt19937 tal(seed);
    std::uniform_int_distribution<int> udv(0, int(std::size(Udvidelser)) - 1);
    const QByteArray ft = QFile::encodeName(rod + "/filtrae");
    const QByteArray mt = QFile::encodeName(rod + "/mappetrae");
    QDir().mkpath(rod + "/filtrae");
    QDir().mkpath(rod + "/mappetrae");
    for (int i = 0; i < filer; ++i) {
        const QByteArray sti = ft + '/' + navn(tal, i);
        if (i % 20 == 0) {
            ::mkdir(sti.constData(), 0755);
        } else {
            const int fd = ::open((sti + Udvidelser[udv(tal)]).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            if (fd < 0)
                return 1;
            ::close(fd);
        }
    }
    for (int i = 0; i < mapper; ++i)
        ::mkdir((mt + '/' + navn(tal, i)).constData(), 0755);
    return 0;
}

// A tree of `mapper` folders, each under a random earlier one (so depths
// vary), holding `filer` files whose sizes are set without writing data.
// One file in 500 gets a second hard link elsewhere, one in 1000 a link.
int lavTotal(const QString &rod, int filer, int mapper, unsigned seed)
{
    std::mt19937 tal(seed);
    std::vector<QByteArray> stier{QFile::encodeName(rod + "/total")};
    QDir().mkpath(rod + "/total");
    for (int i = 1; i < mapper; ++i) {
        std::uniform_int_distribution<int> mor(0, int(stier.size()) - 1);
        stier.push_back(stier[size_t(mor(tal))] + '/' + navn(tal, i));
        if (::mkdir(stier.back().constData(), 0755) != 0)
            return 1;
    }
    std::uniform_int_distribution<int> hvor(0, int(stier.size()) - 1);
    std::uniform_int_distribution<qint64> stoerrelse(0, 1 << 20);
    std::uniform_int_distribution<int> udv(0, int(std::size(Udvidelser)) - 1);
    for (int i = 0; i < filer; ++i) {
        const QByteArray sti = stier[size_t(hvor(tal))] + '/' + navn(tal, i) + Udvidelser[udv(tal)];
        const int fd = ::open(sti.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0 || ::ftruncate(fd, stoerrelse(tal)) != 0)
            return 1;
        ::close(fd);
        if (i % 500 == 0)
            ::link(sti.constData(), (stier[size_t(hvor(tal))] + "/hardlink " + QByteArray::number(i)).constData());
        if (i % 1000 == 0)
            ::symlink(sti.constData(), (stier[size_t(hvor(tal))] + "/link " + QByteArray::number(i)).constData());
    }
    return 0;
}

// The resident memory of this process in MB.
double residentMb()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> felter = f.readAll().split(' ');
    return felter.size() > 1 ? felter[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The texts a window asks for when it shows the first rows of a listing.
int visteTekster(const TFilModel &filer)
{
    constexpr int VisteRaekker = 60;
    int tegn = 0;
    for (int r = 0; r < std::min(VisteRaekker, filer.antal()); ++r) {
        for (int k = 0; k < AntalFilKolonner; ++k)
            tegn += int(filer.data(filer.index(r, k)).toString().size());
    }
    return tegn;
}

int tid(const QString &hvad, const QString &dir, int runder)
{
    TMappeModel mapper;
    TFilModel filer;
    TStrukturCompo motor;
    motor.setStruktur1(&mapper);
    motor.setStruktur2(&filer);
    const bool fil = hvad.startsWith(QLatin1String("filtrae"));
    if (hvad == QLatin1String("filtrae-stoerrelse"))
        motor.setSortering({FilKolonne::Stoerrelse, Qt::DescendingOrder});
    else if (hvad == QLatin1String("filtrae-dato"))
        motor.setSortering({FilKolonne::Aendret, Qt::DescendingOrder});
    std::vector<double> tider;
    int antal = 0;
    const double foer = residentMb();
    for (int r = 0; r < runder; ++r) {
        QElapsedTimer ur;
        ur.start();
        if (fil) {
            motor.makeStruktur2(dir);
            antal = filer.antal();
            if (hvad != QLatin1String("filtrae"))
                visteTekster(filer);
        } else {
            mapper.ryd();
            const QModelIndex node = mapper.tilfoejNode({}, QStringLiteral("x"), 3, StrukturRec{dir, {}, IdMappe});
            mapper.vaelg(node);
            motor.udfoldDirectory();
            antal = mapper.rowCount(node);
        }
        tider.push_back(double(ur.nsecsElapsed()) / 1e6);
    }
    std::printf("antal %d\nmedian_ms %.2f\n", antal, median(tider));
    // What the window does once the rows are painted (memory handed back).
    QCoreApplication::processEvents();
    if (fil)
        std::printf("hukommelse_mb %.1f\n", residentMb() - foer);
    return 0;
}

int total(const QString &dir, int runder, int traade)
{
    if (runder <= 0) {
        const mappetotal::Resultat r = mappetotal::beregn(dir, nullptr, nullptr, traade);
        std::printf("bytes %lld\nfiler %lld\nmapper %lld\nulaeste_mapper %lld\nulaeste_elementer %lld\n"
                    "andre_drev %lld\nfejl %d\n",
                    r.bytes, r.filer, r.mapper, r.ulaesteMapper, r.ulaesteFiler, r.andreDrev, r.fejl);
        return r.fejl == 0 ? 0 : 1;
    }
    std::vector<double> tider;
    mappetotal::Resultat r;
    for (int i = 0; i < runder; ++i) {
        QElapsedTimer ur;
        ur.start();
        r = mappetotal::beregn(dir, nullptr, nullptr, traade);
        tider.push_back(double(ur.nsecsElapsed()) / 1e6);
    }
    std::printf("antal %lld\nmedian_ms %.2f\n", r.filer + r.mapper, median(tider));
    return 0;
}

int lavSoegetrae(const QString &rod, int antal, unsigned seed)
{
    std::mt19937 tal(seed);
    std::uniform_int_distribution<int> udv(0, int(std::size(Udvidelser)) - 1);
    std::uniform_int_distribution<int> tusind(0, 999);
    std::uniform_int_distribution<int> ti(0, 9);
    const QByteArray top = QFile::encodeName(rod + "/soegtrae");
    QDir().mkpath(rod + "/soegtrae");
    std::vector<QByteArray> mapper{top};
    for (int i = 0; i < antal; ++i) {
        // A random folder made so far: a tree of random shape, a few levels deep.
        std::uniform_int_distribution<std::size_t> hvor(0, mapper.size() - 1);
        QByteArray n = navn(tal, i);
        if (tusind(tal) == 0)
            n.insert(n.size() / 2, tusind(tal) < 500 ? "qz" : "QZ");
        const QByteArray sti = mapper[hvor(tal)] + '/' + n;
        if (ti(tal) == 0) {
            ::mkdir(sti.constData(), 0755);
            mapper.push_back(sti);
        } else {
            const int fd = ::open((sti + Udvidelser[udv(tal)]).constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            if (fd < 0)
                return 1;
            ::close(fd);
        }
    }
    return 0;
}

// Kilobytes of a line of /proc/self/status ("VmRSS:", "VmHWM:").
qint64 statusKb(const char *felt)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &linje : f.readAll().split('\n')) {
        if (linje.startsWith(felt))
            return linje.mid(qstrlen(felt)).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// Collects what a search reports, as the find page's lists would.
class Samler : public TNavnesoegning::Lytter
{
public:
    QStringList mapper, filer;
    void status(const QString &) override {}
    void setMaksimum(qint64) override {}
    void setPosition(qint64) override {}
    void mappeFundet(const QString &sti, const QString &) override { mapper.prepend(sti); }
    void filFundet(const QString &sti, const QString &) override { filer.prepend(sti); }
    bool holdILive() override { return true; }
};

int soeg(const QString &dir, const QString &tekst, int runder)
{
    std::vector<double> tider;
    const qint64 foer = statusKb("VmRSS:");
    int antal = 0;
    for (int r = 0; r < runder; ++r) {
        TNavnesoegning s(INT_MAX);
        Samler l;
        QElapsedTimer ur;
        ur.start();
        s.findElement(dir, tekst, l);
        tider.push_back(double(ur.nsecsElapsed()) / 1e6);
        antal = s.taellere().mapperFundet + s.taellere().filerFundet;
    }
    std::printf("antal %d\nmedian_ms %.2f\nekstra_mb %.1f\n", antal, median(tider),
                double(statusKb("VmHWM:") - foer) / 1024.0);
    return 0;
}

int findEn(const QString &dir, const QString &tekst, int maks)
{
    TNavnesoegning s(maks);
    Samler l;
    const auto udfald = s.findElement(dir, tekst, l);
    const auto &t = s.taellere();
    std::printf("%s\n", qPrintable(s.mappeOverskrift().isEmpty() ? QStringLiteral("Mapper") : s.mappeOverskrift()));
    for (const QString &m : l.mapper)
        std::printf("  %s\n", qPrintable(m));
    std::printf("%s\n", qPrintable(s.filOverskrift().isEmpty() ? QStringLiteral("Filer") : s.filOverskrift()));
    for (const QString &f : l.filer)
        std::printf("  %s\n", qPrintable(f));
    std::printf("talt %d mapper, %d filer; undersøgt %d mapper, %d filer; fundet %d mapper, %d filer; %d%%%s\n",
                t.mapperTalt, t.filerTalt, t.mapperUndersoegt, t.filerUndersoegt, t.mapperFundet, t.filerFundet,
                s.procent(), udfald == TNavnesoegning::Udfald::Fejl ? " (fejl)" : "");
    return udfald == TNavnesoegning::Udfald::Fejl ? 1 : 0;
}

class StilleDialogs : public Dialogs
{
public:
    void inform(const QString &tekst) override { std::fprintf(stderr, "%s\n", qPrintable(tekst)); }
    bool ask(const QString &, bool, bool *) override { return false; }
};

int soegVindue(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    StilleDialogs dialogs;
    TReopenFilerX mapper(&dialogs), filer(&dialogs);
    mapper.SetItemtype(itBibliotek);
    filer.SetItemtype(itFil);
    TSoegside side(&mapper, &filer, dialogs);
    side.resize(300, 800);
    side.show();
    side.startSti = [&a] { return a[2]; };
    side.maksimum = [] { return INT_MAX; };
    side.soegefelt()->setText(a[3]);
    QElapsedTimer ur;
    ur.start();
    side.aSearch();
    std::printf("antal %d\nms %.0f\nlaengste_hul_ms %lld\n%s\n%s\n", mapper.antal() + filer.antal(),
                double(ur.nsecsElapsed()) / 1e6, side.laengsteHul(), qPrintable(side.mappeOverskrift()->text()),
                qPrintable(side.filOverskrift()->text()));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "soegvindue") == 0)
        return soegVindue(argc, argv);
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 5 && a[1] == QLatin1String("lavsoeg"))
        return lavSoegetrae(a[2], a[3].toInt(), a[4].toUInt());
    if (a.size() == 5 && a[1] == QLatin1String("soeg"))
        return soeg(a[2], a[3], std::max(1, a[4].toInt()));
    if ((a.size() == 4 || a.size() == 5) && a[1] == QLatin1String("find"))
        return findEn(a[2], a[3], a.size() == 5 ? std::max(1, a[4].toInt()) : 120);
    if (a.size() == 6 && a[1] == QLatin1String("lav"))
        return lav(a[2], a[3].toInt(), a[4].toInt(), a[5].toUInt());
    if (a.size() == 4 && (a[1].startsWith(QLatin1String("filtrae")) || a[1] == QLatin1String("mappetrae")))
        return tid(a[1], a[2], std::max(1, a[3].toInt()));
    if (a.size() == 6 && a[1] == QLatin1String("lavtotal"))
        return lavTotal(a[2], a[3].toInt(), a[4].toInt(), a[5].toUInt());
    if (a.size() >= 3 && a.size() <= 5 && a[1] == QLatin1String("total"))
        return total(a[2], a.size() > 3 ? a[3].toInt() : 0, a.size() > 4 ? a[4].toInt() : 2);
    std::fprintf(stderr, "brug: bench_trae lav DIR FILER MAPPER SEED | filtrae[-detaljer|-stoerrelse|-dato] DIR RUNDER\n"
                         "       | mappetrae DIR RUNDER\n"
                         "       | lavtotal DIR FILER MAPPER SEED | total DIR [RUNDER [TRAADE]]\n"
                         "       | lavsoeg DIR ANTAL SEED | soeg DIR TEKST RUNDER | find DIR TEKST [MAKS]\n"
                         "       | soegvindue DIR TEKST\n");
    return 2;
}
