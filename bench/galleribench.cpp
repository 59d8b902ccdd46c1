// The gallery's loading of a folder, without windows.
//
//   bench_galleri lav MAPPE ANTAL [BREDDE HØJDE]
//       makes ANTAL photo-like JPEG pictures (4000 x 3000 unless given) from
//       a fixed seed, on all cores
//   bench_galleri MAPPE V L FELTBREDDExFELTHØJDE [--stille] [--traade N]
//       loads MAPPE as a V x L grid of cells of that size and prints each
//       picture's name, width, height and the rectangle its thumbnail is
//       drawn in within the cell, in list order; --stille prints only the
//       totals. The peak memory (VmHWM) goes to standard error.

#include "engines/galleri/felter.h"
#include "engines/galleri/tbilledindlaeser.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <QtConcurrent>

#include <cmath>
#include <cstdio>
#include <random>

namespace {

// A picture with the structure of a photograph: large soft areas of colour,
// a horizon, and fine grain, so it compresses as photographs do.
QImage fotoagtig(int w, int h, quint32 froe)
{
    std::mt19937 tal(froe);
    std::uniform_real_distribution<double> jaevn(0.0, 1.0);
    struct Klat
    {
        double x, y, r, cr, cg, cb;
    };
    QList<Klat> klatter;
    for (int i = 0; i < 12; ++i)
        klatter.append({jaevn(tal) * w, jaevn(tal) * h, (0.1 + jaevn(tal) * 0.4) * w, jaevn(tal) * 255,
                        jaevn(tal) * 255, jaevn(tal) * 255});
    const double horisont = (0.3 + 0.4 * jaevn(tal)) * h;
    QImage img(w, h, QImage::Format_RGB32);
    std::normal_distribution<double> korn(0.0, 6.0);
    // Colours are worked out on a coarse lattice and spread, which keeps the
    // soft areas soft and the making quick.
    const int trin = 16;
    const int gw = w / trin + 2, gh = h / trin + 2;
    QList<double> net(gw * gh * 3);
    for (int gy = 0; gy < gh; ++gy) {
        for (int gx = 0; gx < gw; ++gx) {
            const double x = gx * trin, y = gy * trin;
            double r = y < horisont ? 120 : 70, g = y < horisont ? 160 : 110, b = y < horisont ? 210 : 60;
            for (const Klat &k : klatter) {
                const double d = std::hypot(x - k.x, y - k.y) / k.r;
                const double v = std::exp(-d * d);
                r += (k.cr - r) * v;
                g += (k.cg - g) * v;
                b += (k.cb - b) * v;
            }
            double *p = &net[(gy * gw + gx) * 3];
            p[0] = r;
            p[1] = g;
            p[2] = b;
        }
    }
    for (int y = 0; y < h; ++y) {
        auto *linje = reinterpret_cast<QRgb *>(img.scanLine(y));
        const int gy = y / trin;
        const double fy = double(y % trin) / trin;
        for (int x = 0; x < w; ++x) {
            const int gx = x / trin;
            const double fx = double(x % trin) / trin;
            const double *a = &net[(gy * gw + gx) * 3], *b = &net[(gy * gw + gx + 1) * 3];
            const double *c = &net[((gy + 1) * gw + gx) * 3], *d = &net[((gy + 1) * gw + gx + 1) * 3];
            const double n = korn(tal);
            int v[3];
            for (int i = 0; i < 3; ++i) {
                const double top = a[i] + (b[i] - a[i]) * fx, bund = c[i] + (d[i] - c[i]) * fx;
                v[i] = qBound(0, int(top + (bund - top) * fy + n), 255);
            }
            linje[x] = qRgb(v[0], v[1], v[2]);
        }
    }
    return img;
}

int lav(const QString &mappe, int antal, int w, int h)
{
    if (!QDir().mkpath(mappe)) {
        std::fprintf(stderr, "kan ikke oprette %s\n", qPrintable(mappe));
        return 1;
    }
    QList<int> numre;
    for (int i = 0; i < antal; ++i)
        numre.append(i);
    QtConcurrent::blockingMap(numre, [&](int i) {
        const QString sti = QString("%1/foto%2.jpg").arg(mappe).arg(i, 4, 10, QLatin1Char('0'));
        if (!QFile::exists(sti))
            fotoagtig(w, h, 20240601u + quint32(i)).save(sti, "JPEG", 90);
    });
    return 0;
}

// The peak resident memory of this process, in kB.
long toppenAfHukommelsen()
{
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linje : f.readAll().split('\n'))
        if (linje.startsWith("VmHWM:"))
            return linje.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class Stille : public TBilledIndlaeser::Fremdrift
{
public:
    void procent(int) override {}
    void holdILive() override { QCoreApplication::processEvents(); }
    bool stoppet() const override { return false; }
};

int indlaes(const QString &mappe, int V, int L, const QString &felt, bool stille, int traade)
{
    const QStringList dele = felt.split('x');
    const int fb = dele.value(0).toInt(), fh = dele.value(1).toInt();
    if (V < 1 || L < 1 || fb < 8 || fh < 8) {
        std::fprintf(stderr, "brug: bench_galleri MAPPE V L FELTBREDDExFELTHØJDE [--stille] [--traade N]\n");
        return 2;
    }
    // A control just large enough for V x L cells of that size.
    const QSize kontrol(V * fb + (V - 1) * felter::Mellemrum + 1, L * fh + (L - 1) * felter::Mellemrum + 1);
    const felter::Layout l = felter::BeregnFelter(kontrol, V, L);
    const int W = l.FeltBredde - 2 * felter::Rammebredde, H = l.FeltHojde - 2 * felter::Rammebredde;
    TBilledIndlaeser laeser(traade);
    Stille s;
    QElapsedTimer ur;
    ur.start();
    const TBilledIndlaeser::Resultat r = laeser.indlaes(mappe, billedfiler::FilType::ftBegge, W, H, s);
    const qint64 ms = ur.elapsed();
    QTextStream ud(stdout);
    qint64 pixels = 0;
    for (int i = 0; i < r.Bil.size(); ++i) {
        const QRect p = r.miniaturer.at(i).placering;
        pixels += qint64(r.miniaturer.at(i).billede.width()) * r.miniaturer.at(i).billede.height();
        if (!stille)
            ud << r.Bil.at(i).Filnavn << '\t' << r.Bil.at(i).Bredde << '\t' << r.Bil.at(i).Hojde << '\t'
               << p.left() << ',' << p.top() << ',' << p.width() << 'x' << p.height() << '\n';
    }
    ud.flush();
    std::fprintf(stderr, "billeder %lld  celle %dx%d  tid %lld ms  miniaturepixels %lld  VmHWM %ld kB\n",
                 qlonglong(r.Bil.size()), l.FeltBredde, l.FeltHojde, qlonglong(ms), qlonglong(pixels),
                 toppenAfHukommelsen());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Images and their scaling need only the GUI module, never a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.value(1) == "lav")
        return lav(a.value(2), a.value(3).toInt(), a.size() > 5 ? a.value(4).toInt() : 4000,
                   a.size() > 5 ? a.value(5).toInt() : 3000);
    const int traadeIndeks = int(a.indexOf("--traade"));
    const int traade = traadeIndeks > 0 ? a.value(traadeIndeks + 1).toInt() : 0;
    return indlaes(a.value(1), a.value(2).toInt(), a.value(3).toInt(), a.value(4), a.contains("--stille"), traade);
}
