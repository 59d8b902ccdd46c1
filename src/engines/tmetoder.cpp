#include "engines/tmetoder.h"

#include "core/beskeder.h"
#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/filbilleder.h"
#include "engines/kopilister.h"
#include "engines/nyenavne.h"
#include "engines/tstrukturcompo.h"
#include "platform/filinfo.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {


// One trailing line feed, then one trailing carriage return, as list items
// may carry them from the lines they were read from.
QString rensSti(QString sti)
{
    if (sti.endsWith(QLatin1Char('\n')))
        sti.chop(1);
    if (sti.endsWith(QLatin1Char('\r')))
        sti.chop(1);
    return sti;
}

} // namespace

TMetoder::TMetoder(Dialogs *dialogs, QObject *ejer)
    : QObject(ejer)
    , m_dialogs(dialogs)
{
    setStrukturY(nullptr);
    connect(&m_watcher, &QFutureWatcher<stoerrelsesberegning::Resultat>::finished, this,
            &TMetoder::visKlipbordResultat);
}

TMetoder::~TMetoder()
{
    // A running computation only holds copies of its lists; it is waited
    // for so it never outlives the program's thread pool.
    m_watcher.waitForFinished();
}

void TMetoder::setStrukturY(TStrukturCompo *struktur)
{
    if (StrukturY && StrukturY->parent() == this)
        delete StrukturY;
    StrukturY = struktur ? struktur : new TStrukturCompo(this);
    if (!struktur)
        StrukturY->setDialogs(m_dialogs);
}

QString TMetoder::delimKon(const QString &sti)
{
    return stier::delimKon(sti);
}

QString TMetoder::getLastDirectory(const QString &sti)
{
    return stier::getLastDirectory(sti);
}

QString TMetoder::kortStoerrelse(qint64 n)
{
    const double v = double(n);
    const struct { double graense; const char *enhed; } enheder[] = {
        {1099511627776.0, " TB"}, {1073741824.0, " GB"}, {1048576.0, " MB"}, {1024.0, " KB"}};
    for (const auto &e : enheder) {
        if (v >= e.graense)
            return dansk::decimaltal(v / e.graense, 2) + QLatin1String(e.enhed);
    }
    return dansk::heltal(n) + QStringLiteral(" bytes");
}

QString TMetoder::getSizeString(qint64 n)
{
    return kortStoerrelse(n) + QStringLiteral(" (") + dansk::heltal(n) + QStringLiteral(" bytes)");
}

QString TMetoder::totalS() const
{
    return kortStoerrelse(totalSize);
}

int TMetoder::getFilensImageIndex(const QString &navn)
{
    return filbilleder::getFilensImageIndex(navn);
}

qint64 TMetoder::getFilensSize(const QString &sti)
{
    return stoerrelsesberegning::filStoerrelse(sti);
}

QString TMetoder::getNewDirectoryName(const QString &aName, const QString &konstantS)
{
    return nyenavne::getNewDirectoryName(aName, konstantS);
}

QString TMetoder::getNewFilename(const QString &oldFilename, const QString &newName, const QString &suffix)
{
    return nyenavne::getNewFilename(oldFilename, newName, suffix, m_dialogs);
}

QString TMetoder::getNewFilnavn(const QString &aFilnavn, const QString &konstantS)
{
    return nyenavne::getNewFilnavn(aFilnavn, konstantS);
}

bool TMetoder::getMappeInfo(const QString &mappe)
{
    stoerrelsesberegning::Resultat r;
    if (!stoerrelsesberegning::laegMappeTil(mappe, r)) {
        if (m_dialogs)
            m_dialogs->inform(beskeder::ukendtFejl() + QLatin1Char('\r'));
        return false;
    }
    totalSize += r.totalSize;
    antalFiler += r.antalFiler;
    antalMapper += r.antalMapper;
    return r.fuldstaendig;
}

void TMetoder::overtag(const stoerrelsesberegning::Resultat &r)
{
    totalSize = r.totalSize;
    antalFiler = r.antalFiler;
    antalMapper = r.antalMapper;
}

qint64 TMetoder::sizeOfKlipbord()
{
    const stoerrelsesberegning::Resultat r = stoerrelsesberegning::beregn(listeMapper, listeFiler);
    overtag(r);
    if (!r.ok) {
        if (m_dialogs)
            m_dialogs->inform(beskeder::ukendtFejl() + QLatin1Char('\r'));
        return -1;
    }
    return totalSize;
}

QString TMetoder::getSizeOfKlipbord()
{
    if (!Klipbord || m_watcher.isRunning())
        return {};
    const QString spm = QStringLiteral("?");
    Klipbord->visStoerrelse(spm, spm, spm, QStringLiteral("Beregner..."));

    // Vanished entries leave the lists here, on the user-interface thread;
    // only the counting of what remains runs in the background.
    listeMapper.clear();
    listeFiler.clear();
    const QList<Kopilister::Post> mapper = Klipbord->mappePoster();
    for (qsizetype i = mapper.size() - 1; i >= 0; --i) {
        if (!mapper[i].markeret)
            continue;
        const QString sti = rensSti(mapper[i].sti);
        if (filinfo::erMappe(sti))
            listeMapper.append(sti);
        else
            Klipbord->fjernMappePost(int(i));
    }
    const QList<Kopilister::Post> filer = Klipbord->filPoster();
    for (qsizetype i = filer.size() - 1; i >= 0; --i) {
        if (!filer[i].markeret)
            continue;
        const QString sti = rensSti(filer[i].sti);
        if (filinfo::erFil(sti) && !filinfo::erMappe(sti))
            listeFiler.append(sti);
        else
            Klipbord->fjernFilPost(int(i));
    }
    m_watcher.setFuture(QtConcurrent::run(&stoerrelsesberegning::beregn, listeMapper, listeFiler));
    return {};
}

void TMetoder::visKlipbordResultat()
{
    const stoerrelsesberegning::Resultat r = m_watcher.result();
    overtag(r);
    if (Klipbord) {
        if (!r.ok) {
            const QString spm = QStringLiteral("?");
            Klipbord->visStoerrelse(spm, spm, spm, QStringLiteral("Størrelsen kunne ikke beregnes."));
        } else {
            Klipbord->visStoerrelse(getSizeString(totalSize), dansk::heltal(antalMapper), dansk::heltal(antalFiler),
                                    r.fuldstaendig ? QString() : QStringLiteral("Nogle mapper kunne ikke læses."));
            Klipbord->skrivStoerrelsesfelt(totalS() + QStringLiteral("  Filer: ") + dansk::heltal(antalFiler));
        }
    }
    emit klipbordBeregnet();
}
