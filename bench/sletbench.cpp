// Drives the delete engine without windows.
//
//   bench_slet lav DIR FILER MAPPER        makes DIR with MAPPER subfolders holding
//                                          FILER small files between them
//   bench_slet lavfiler DIR FILER          makes FILER small files directly in DIR
//   bench_slet permanent STI...            deletes the folders and files permanently
//   bench_slet papirkurv STI...            moves them to the trash
//
// A deletion prints "resultat <size text>", the files and folders it was
// given, and every element it could not delete on its own "fejl" line.

#include "core/dialogs.h"
#include "engines/bekraeftelse.h"
#include "engines/fremdrift.h"
#include "core/stier.h"
#include "engines/tdeletecompo.h"
#include "stillevindue.h"
#include "platform/filinfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Udskrift : public Dialogs
{
public:
    void inform(const QString &tekst) override
    {
        std::printf("besked %s\n", qPrintable(QString(tekst).replace(QLatin1Char('\r'), QLatin1String(" | "))));
    }
    bool ask(const QString &, bool, bool *) override { return true; }
};

class JaTilAlt : public Bekraeftelse
{
public:
    bool skalElementerKopieres(const QString &, bool, const QStringList &, const QStringList &) override
    {
        return true;
    }
    bool skalElementerSlettes(const QStringList &, const QStringList &, bool) override { return true; }
};

bool lavFil(const QByteArray &sti)
{
    static const QByteArray indhold(100, 'x');
    const int fd = ::open(sti.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, indhold.constData(), size_t(indhold.size())) == indhold.size();
    return ::close(fd) == 0 && ok;
}

int lav(const QString &rod, int filer, int mapper)
{
    const QByteArray r = QFile::encodeName(rod);
    QDir().mkpath(rod);
    for (int m = 0; m < mapper; ++m) {
        const QByteArray mappe = r + "/mappe " + QByteArray::number(m);
        ::mkdir(mappe.constData(), 0755);
        for (int f = m; f < filer; f += mapper) {
            if (!lavFil(mappe + "/fil " + QByteArray::number(f) + ".txt"))
                return 1;
        }
    }
    return 0;
}

int lavFiler(const QString &rod, int filer)
{
    const QByteArray r = QFile::encodeName(rod);
    QDir().mkpath(rod);
    for (int f = 0; f < filer; ++f) {
        if (!lavFil(r + "/fil " + QByteArray::number(f) + ".txt"))
            return 1;
    }
    return 0;
}

int slet(const QStringList &stier, bool tilPapirkurv)
{
    QStringList mapper, filer;
    for (const QString &s : stier) {
        const QString sti = QDir::cleanPath(QDir::current().absoluteFilePath(s));
        (filinfo::erMappe(sti) && !QFileInfo(sti).isSymLink() ? mapper : filer).append(sti);
    }
    Udskrift dialogs;
    JaTilAlt ja;
    StilleVindue<Fremdrift> vindue;
    TDeleteCompo motor(&dialogs, &ja, &vindue);
    motor.setIntSpm(Spoergsmaal::Aldrig);
    QElapsedTimer ur;
    ur.start();
    const bool koerte = motor.DeleteElementer(mapper, filer, tilPapirkurv);
    const qint64 motorUs = ur.nsecsElapsed() / 1000;
    std::printf("resultat %s\nmapper %lld\nfiler %lld\nmotor_us %lld\n", qPrintable(motor.getResult()),
                static_cast<long long>(mapper.size()), static_cast<long long>(filer.size()),
                static_cast<long long>(motorUs));
    for (const sletning::Fejl &f : motor.ikkeSlettet())
        std::printf("fejl %s (%s)\n", qPrintable(f.sti), qPrintable(f.grund));
    return koerte && motor.ikkeSlettet().isEmpty() ? 0 : 1;
}

int brug()
{
    std::fprintf(stderr, "brug: bench_slet lav DIR FILER MAPPER | lavfiler DIR FILER | "
                         "permanent STI... | papirkurv STI...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    if (a.size() == 4 && a[0] == QLatin1String("lav"))
        return lav(a[1], a[2].toInt(), a[3].toInt());
    if (a.size() == 3 && a[0] == QLatin1String("lavfiler"))
        return lavFiler(a[1], a[2].toInt());
    if (a.size() >= 2 && (a[0] == QLatin1String("permanent") || a[0] == QLatin1String("papirkurv")))
        return slet(a.mid(1), a[0] == QLatin1String("papirkurv"));
    return brug();
}
