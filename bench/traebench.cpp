// Drives the tree engine without windows.
//
//   bench_trae lav DIR FILER MAPPER SEED   makes DIR/filtrae (FILER entries, one in
//                                          twenty a folder) and DIR/mappetrae
//                                          (MAPPER subfolders), reproducibly from SEED
//   bench_trae filtrae DIR RUNDER          lists DIR in the file tree RUNDER times
//   bench_trae mappetrae DIR RUNDER        expands DIR in the folder tree RUNDER times
//
// Each timing run prints the median wall time in milliseconds on the line
// "median_ms <value>" and the entries found on "antal <value>"; the file tree
// also prints "hukommelse_mb <value>": how much the resident memory grew
// from before the first listing to after the last (the listing held by the
// model, and whatever the listings left behind).

#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tstrukturcompo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

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

int tid(const QString &hvad, const QString &dir, int runder)
{
    TMappeModel mapper;
    TFilModel filer;
    TStrukturCompo motor;
    motor.setStruktur1(&mapper);
    motor.setStruktur2(&filer);
    std::vector<double> tider;
    int antal = 0;
    const double foer = residentMb();
    for (int r = 0; r < runder; ++r) {
        QElapsedTimer ur;
        ur.start();
        if (hvad == QLatin1String("filtrae")) {
            motor.makeStruktur2(dir);
            antal = filer.antal();
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
    if (hvad == QLatin1String("filtrae"))
        std::printf("hukommelse_mb %.1f\n", residentMb() - foer);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 6 && a[1] == QLatin1String("lav"))
        return lav(a[2], a[3].toInt(), a[4].toInt(), a[5].toUInt());
    if (a.size() == 4 && (a[1] == QLatin1String("filtrae") || a[1] == QLatin1String("mappetrae")))
        return tid(a[1], a[2], std::max(1, a[3].toInt()));
    std::fprintf(stderr, "brug: bench_trae lav DIR FILER MAPPER SEED | filtrae DIR RUNDER | mappetrae DIR RUNDER\n");
    return 2;
}
