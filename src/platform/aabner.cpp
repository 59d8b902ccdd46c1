#include "platform/aabner.h"

#include "platform/desktopfil.h"
#include "platform/skrivebord.h"
#include "platform/standardprogrammer.h"
#include "platform/terminal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <unistd.h>

namespace aabner {

namespace {

// A link entry may point at another entry; a loop of them ends here.
constexpr int maksDybde = 4;

QString &sidstManglende()
{
    static QString navn;
    return navn;
}

int programMangler(const QString &navn)
{
    sidstManglende() = navn;
    return ProgramMangler;
}

int manglendeKode(const QString &sti)
{
    return QFileInfo(QFileInfo(sti).absolutePath()).isDir() ? FilIkkeFundet : StiIkkeFundet;
}

bool maa(const QString &sti, int mode)
{
    return ::access(QFile::encodeName(sti).constData(), mode) == 0;
}

QByteArray hoved(const QString &sti)
{
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray();
}

bool erKendtHoved(const QByteArray &h)
{
    return h.startsWith("\x7f" "ELF") || h.startsWith("#!");
}

int startLoesrevet(const QString &program, const QStringList &argumenter, const QString &mappe)
{
    return QProcess::startDetached(program, argumenter, mappe) ? Ok : UkendtFejl;
}

// xdg-open's exit codes: 2 missing file, 3 no tool for it, 4 failed.
int xdgKode(int exitkode)
{
    switch (exitkode) {
    case 2: return FilIkkeFundet;
    case 3: return IngenTilknytning;
    default: return UkendtFejl;
    }
}

// For addresses no installed application claims: xdg-open, watched so a
// quick failure can still be told. An application it starts in the
// foreground may run for hours, so only an early exit counts.
int xdgOpenIBaggrunden(const QString &adresse, const SenereFejl &senere)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return IngenTilknytning;
    auto *p = new QProcess(QCoreApplication::instance());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    auto *ur = new QElapsedTimer;
    ur->start();
    QObject::connect(p, &QProcess::finished, p, [p, ur, senere](int kode, QProcess::ExitStatus status) {
        if (senere && status == QProcess::NormalExit && kode != 0 && ur->elapsed() < 3000)
            senere(xdgKode(kode));
        delete ur;
        p->deleteLater();
    });
    p->start(QStringLiteral("xdg-open"), {adresse});
    return Ok;
}

int execute(Verbum verbum, const QString &fil, const QStringList &parametre, const QString &arbejdsmappe,
            const SenereFejl &senere, int dybde);

// `standardmappe` is the working folder when the entry names none.
int aabnDesktopfil(const Desktopfil &d, const QStringList &filer, const QString &standardmappe,
                   const SenereFejl &senere, int dybde)
{
    if (!d.gyldig() || d.skjult())
        return IngenTilknytning;
    if (d.type() == QLatin1String("Link")) {
        const QUrl url(d.url());
        if (d.url().isEmpty() || !url.isValid())
            return IngenTilknytning;
        if (url.isLocalFile())
            return execute(Verbum::Aabn, url.toLocalFile(), {}, {}, senere, dybde + 1);
        const QString haandterer =
            standardprogrammer::desktopfilFor(QStringLiteral("x-scheme-handler/") + url.scheme());
        if (!haandterer.isEmpty())
            return aabnDesktopfil(Desktopfil::laes(haandterer), {d.url()}, {}, senere, dybde + 1);
        return xdgOpenIBaggrunden(d.url(), senere);
    }
    if (d.type() != QLatin1String("Application"))
        return IngenTilknytning;
    if (!d.tryExec().isEmpty() && findProgram(d.tryExec()).isEmpty())
        return programMangler(d.tryExec());
    const QList<QStringList> kommandoer = d.kommandoer(filer);
    if (kommandoer.isEmpty())
        return IngenTilknytning;
    QString mappe = QFileInfo(standardmappe).isDir() ? standardmappe : QString();
    if (!d.arbejdsmappe().isEmpty()) {
        if (!QFileInfo(d.arbejdsmappe()).isDir())
            return StiIkkeFundet;
        mappe = d.arbejdsmappe();
    }
    for (const QStringList &kommando : kommandoer) {
        const QString program = findProgram(kommando.first());
        if (program.isEmpty() || !QFileInfo::exists(program))
            return programMangler(kommando.first());
        if (!maa(program, X_OK))
            return AdgangNaegtet;
    }
    for (const QStringList &kommando : kommandoer) {
        int r;
        if (d.terminal())
            r = terminal::start(mappe.isEmpty() ? QDir::homePath() : mappe, kommando);
        else
            r = startLoesrevet(findProgram(kommando.first()), kommando.mid(1), mappe);
        if (r <= 32)
            return r;
    }
    return Ok;
}

int aabnMedStandardprogram(Verbum verbum, const QString &fil, const QString &arbejdsmappe,
                           const SenereFejl &senere, int dybde)
{
    if (!maa(fil, R_OK))
        return AdgangNaegtet;
    const QMimeType type = QMimeDatabase().mimeTypeForFile(fil);
    QString navn = type.name();
    if (verbum == Verbum::Rediger) {
        if (navn != QLatin1String("text/plain") && !type.inherits(QStringLiteral("text/plain")))
            return IngenTilknytning;
        navn = QStringLiteral("text/plain");
    }
    const QString desktopfil = standardprogrammer::desktopfilFor(navn);
    if (desktopfil.isEmpty())
        return IngenTilknytning;
    return aabnDesktopfil(Desktopfil::laes(desktopfil), {fil}, arbejdsmappe, senere, dybde + 1);
}

int execute(Verbum verbum, const QString &fil, const QStringList &parametre, const QString &arbejdsmappe,
            const SenereFejl &senere, int dybde)
{
    if (dybde > maksDybde)
        return IngenTilknytning;
    if (fil.isEmpty())
        return FilIkkeFundet;
    const QString sti = findProgram(fil);
    if (sti.isEmpty())
        return FilIkkeFundet;
    const QFileInfo fi(sti);
    if (!fi.exists())
        return manglendeKode(sti);
    if (fi.isDir()) {
        if (verbum == Verbum::Rediger)
            return IngenTilknytning;
        return skrivebord::aabnMappe(sti) == skrivebord::Aabning::Mislykket ? IngenTilknytning : Ok;
    }
    const QString endelse = fi.suffix().toLower();
    if (verbum == Verbum::Aabn && endelse == QLatin1String("desktop"))
        return aabnDesktopfil(Desktopfil::laes(sti), parametre, arbejdsmappe, senere, dybde + 1);
    if (verbum == Verbum::Aabn && endelse == QLatin1String("sh")) {
        if (!maa(sti, R_OK))
            return AdgangNaegtet;
        const QString mappe = fi.absolutePath();
        return terminal::start(mappe,
                               terminal::blivAaben(terminal::scriptkommando(mappe, fi.fileName()) + parametre));
    }
    // Files on FAT and NTFS volumes often carry execute bits: only a real
    // program is run, every other file opens as a document.
    if (verbum == Verbum::Aabn && fi.isFile() && maa(sti, X_OK)) {
        if (!maa(sti, R_OK))
            return startLoesrevet(sti, parametre, arbejdsmappe);
        if (erKendtHoved(hoved(sti)))
            return koerProgram(sti, parametre, arbejdsmappe);
    }
    return aabnMedStandardprogram(verbum, sti, arbejdsmappe, senere, dybde);
}

bool erChromiumfamilie(const QString &program)
{
    const QString navn = QFileInfo(program).fileName();
    return navn.startsWith(QLatin1String("chromium")) || navn.startsWith(QLatin1String("google-chrome"))
           || navn.startsWith(QLatin1String("microsoft-edge")) || navn.startsWith(QLatin1String("brave-browser"));
}

} // namespace

int execute(Verbum verbum, const QString &fil, const QStringList &parametre, const QString &arbejdsmappe,
            const SenereFejl &senere)
{
    return execute(verbum, fil, parametre, arbejdsmappe, senere, 0);
}

int aabnDesktopfil(const Desktopfil &desktopfil, const QStringList &filer, const SenereFejl &senere)
{
    return aabnDesktopfil(desktopfil, filer, {}, senere, 0);
}

int koerProgram(const QString &program, const QStringList &parametre, const QString &arbejdsmappe,
                bool maksimeret, const SenereFejl &senere)
{
    if (program.isEmpty())
        return FilIkkeFundet;
    // A bare name is a program that should be installed; a path a file.
    const QString sti = findProgram(program);
    if (sti.isEmpty())
        return programMangler(program);
    const QFileInfo fi(sti);
    if (!fi.exists())
        return manglendeKode(sti);
    if (fi.isDir())
        return execute(Verbum::Aabn, sti, {}, {}, senere);
    if (fi.suffix().toLower() == QLatin1String("desktop"))
        return aabnDesktopfil(Desktopfil::laes(sti), parametre, arbejdsmappe, senere, 0);
    if (!maa(sti, X_OK))
        return AdgangNaegtet;
    if (maa(sti, R_OK) && !erKendtHoved(hoved(sti)))
        return UgyldigProgram;
    if (!arbejdsmappe.isEmpty() && !QFileInfo(arbejdsmappe).isDir())
        return StiIkkeFundet;
    QStringList argumenter = parametre;
    if (maksimeret && erChromiumfamilie(sti))
        argumenter.prepend(QStringLiteral("--start-maximized"));
    return startLoesrevet(sti, argumenter, arbejdsmappe);
}

bool erProgramfil(const QString &sti)
{
    const QFileInfo fi(sti);
    return fi.isFile() && maa(sti, X_OK) && erKendtHoved(hoved(sti));
}

QString findProgram(const QString &navn)
{
    if (navn.contains(u'/'))
        return navn;
    return QStandardPaths::findExecutable(navn);
}

QString manglendeProgram()
{
    return sidstManglende();
}

} // namespace aabner
