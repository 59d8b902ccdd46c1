// Drives the paste engine without windows.
//
//   bench_paste lav-smaa DIR FILER MAPPER SEED   DIR/smaa: FILER small files (100 B to 8 KiB)
//                                                spread over MAPPER folders, from SEED
//   bench_paste lav-store DIR ANTAL MIB SEED     DIR/store: ANTAL files of MIB MiB each
//   bench_paste paste [options] KILDE... DEST    one copy (or move) of the sources into DEST
//
// Options of "paste":
//   --flyt                move instead of copy
//   --metode N            0 Overskriv ikke, 1 Overskriv, 2 Opret kopi, 3 Spørg (default 0)
//   --svar N              answer to every conflict question (0-3; default 0)
//   --overskriv-dette     tick "Overskriv dette element" with --svar 3
//   --ja / --nej          answer to every yes/no question (default --nej)
//
// "paste" prints the engine's result text, its counters, every message it
// showed, the wall time on "tid_ms", and how often the progress let events
// through: "fremdrift_runder" rounds, the longest gap between two on
// "stoerste_pause_ms".

#include "core/dialogs.h"
#include "engines/kopifremdrift.h"
#include "engines/tpasteobjekt.h"
#include "core/stier.h"
#include "stillevindue.h"
#include "platform/filinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void skriv(const QByteArray &sti, const std::vector<char> &data, size_t n)
{
    const int fd = ::open(sti.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, data.data(), n) != ssize_t(n)) {
        std::perror(sti.constData());
        std::exit(1);
    }
    ::close(fd);
}

int lavSmaa(const QString &rod, int filer, int mapper, unsigned seed)
{
    std::mt19937 tal(seed);
    std::uniform_int_distribution<int> stoerrelse(100, 8192);
    std::vector<char> data(8192);
    for (char &c : data)
        c = char(tal());
    const QString base = rod + "/smaa";
    for (int m = 0; m < mapper; ++m) {
        const QString mappe = base + QString("/gruppe %1/mappe %2").arg(m % 20).arg(m);
        QDir().mkpath(mappe);
        for (int f = m; f < filer; f += mapper) {
            const QByteArray sti = QFile::encodeName(mappe + QString("/fil æøå %1.txt").arg(f));
            skriv(sti, data, size_t(stoerrelse(tal)));
        }
    }
    return 0;
}

int lavStore(const QString &rod, int antal, int mib, unsigned seed)
{
    std::mt19937_64 tal(seed);
    std::vector<char> data(1 << 20);
    const QString base = rod + "/store";
    QDir().mkpath(base);
    for (int i = 0; i < antal; ++i) {
        const QByteArray sti = QFile::encodeName(base + QString("/stor %1.bin").arg(i));
        const int fd = ::open(sti.constData(), O_CREAT | O_WRONLY | O_TRUNC | O_CLOEXEC, 0644);
        for (int m = 0; m < mib; ++m) {
            auto *p = reinterpret_cast<quint64 *>(data.data());
            for (size_t k = 0; k < data.size() / 8; ++k)
                p[k] = tal();
            if (::write(fd, data.data(), data.size()) != ssize_t(data.size())) {
                std::perror(sti.constData());
                return 1;
            }
        }
        ::close(fd);
    }
    return 0;
}

// Answers every question the same way and prints every message.
class FasteSvar : public Dialogs, public KonfliktSpoergsmaal
{
public:
    bool ja = false;
    KonfliktSvar konflikt{KonfliktHandling::OverskrivIngen, false};
    int spoergsmaal = 0;

    void inform(const QString &tekst) override
    {
        std::printf("besked: %s\n", qPrintable(QString(tekst).replace('\r', " | ")));
    }
    bool ask(const QString &tekst, bool, bool *alle) override
    {
        ++spoergsmaal;
        std::printf("spoergsmaal: %s -> %s\n", qPrintable(QString(tekst).replace('\r', " | ")), ja ? "Ja" : "Nej");
        if (alle)
            *alle = true;
        return ja;
    }
    KonfliktSvar askUser(const QString &, const QString &) override
    {
        ++spoergsmaal;
        return konflikt;
    }
};

// A progress window that only measures how often it lets events through.
class MaaltFremdrift : public StilleVindue<KopiFremdrift>
{
public:
    int runder = 0;
    qint64 stoerstePause = 0;

    void setCaption(const QString &) override {}
    void setOversigt(const QString &) override {}
    void setFilBar(int) override {}
    void setScanBar(int, int) override {}
    void setIndlaesteMapper(qint64) override {}

protected:
    void behandlHaendelser() override
    {
        if (m_ur.isValid())
            stoerstePause = std::max(stoerstePause, m_ur.elapsed());
        m_ur.start();
        ++runder;
        QCoreApplication::processEvents();
    }

private:
    QElapsedTimer m_ur;
};

int paste(QStringList args)
{
    FasteSvar svar;
    bool flyt = false;
    int metode = 0;
    QStringList elementer;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == "--flyt")
            flyt = true;
        else if (a == "--metode" && !args.isEmpty())
            metode = args.takeFirst().toInt();
        else if (a == "--svar" && !args.isEmpty())
            svar.konflikt.handling = konfliktHandlingFraTal(args.takeFirst().toInt());
        else if (a == "--overskriv-dette")
            svar.konflikt.overskrivDette = true;
        else if (a == "--ja")
            svar.ja = true;
        else if (a == "--nej")
            svar.ja = false;
        else
            elementer.append(stier::udenSkraastreg(QDir::cleanPath(QDir::current().absoluteFilePath(a))));
    }
    if (elementer.size() < 2) {
        std::fprintf(stderr, "bench_paste paste [--flyt] [--metode N] [--svar N] [--overskriv-dette] "
                             "[--ja|--nej] KILDE... DEST\n");
        return 2;
    }
    const QString dest = elementer.takeLast();
    QDir().mkpath(dest);
    QStringList mapper, filer;
    for (const QString &s : std::as_const(elementer))
        (filinfo::erMappe(s) ? mapper : filer).append(s);

    MaaltFremdrift progress, sletning;
    TPasteObjekt p({&svar, &svar, nullptr, &progress, &sletning});
    p.onLoadLister = [&] {
        p.setConstDest(dest);
        p.setPasteMapper(mapper);
        p.setPasteFiler(filer);
    };
    p.setIntSpm(Spoergsmaal::Aldrig);
    p.setIntPasteMetode(metode);

    QElapsedTimer ur;
    ur.start();
    const bool ok = flyt ? p.PasteCutElementer() : p.PasteElementer();
    const qint64 ms = ur.elapsed();
    std::printf("resultat: %s\n", qPrintable(p.getResult()));
    std::printf("koerte_til_ende %d\n", ok ? 1 : 0);
    std::printf("filer %lld\nbytes %lld\nikke_pastede %lld\nikke_ankomne %lld\nspoergsmaal %d\n",
                p.udfoerteFiler(), p.udfoerteBytes(), p.ikkePastede, qint64(p.ikkeAnkomne().size()),
                svar.spoergsmaal);
    std::printf("tid_ms %lld\nfremdrift_runder %d\nstoerste_pause_ms %lld\n", ms, progress.runder + sletning.runder,
                std::max(progress.stoerstePause, sletning.stoerstePause));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString hvad = args.value(0);
    if (hvad == "lav-smaa" && args.size() == 5)
        return lavSmaa(args[1], args[2].toInt(), args[3].toInt(), args[4].toUInt());
    if (hvad == "lav-store" && args.size() == 5)
        return lavStore(args[1], args[2].toInt(), args[3].toInt(), args[4].toUInt());
    if (hvad == "paste")
        return paste(args.mid(1));
    std::fprintf(stderr, "bench_paste lav-smaa DIR FILER MAPPER SEED | lav-store DIR ANTAL MIB SEED | paste ...\n");
    return 2;
}
