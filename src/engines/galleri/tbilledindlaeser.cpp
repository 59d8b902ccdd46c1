#include "engines/galleri/tbilledindlaeser.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QSemaphore>
#include <QThread>
#include <QtConcurrent>

#include <cmath>
#include <deque>

namespace {

// Round((i + 1) / n × 100), halves to even.
int procentAf(int faerdige, int ialt)
{
    return int(std::nearbyint(double(faerdige) / double(ialt) * 100.0));
}

} // namespace

TBilledIndlaeser::TBilledIndlaeser(int traade)
{
    m_pulje.setMaxThreadCount(traade > 0 ? traade : qMax(1, QThread::idealThreadCount()));
}

TBilledIndlaeser::~TBilledIndlaeser()
{
    m_pulje.waitForDone();
}

TBilledIndlaeser::Resultat TBilledIndlaeser::indlaes(const QString &mappe, billedfiler::FilType type, int W, int H,
                                                     Fremdrift &fremdrift)
{
    Resultat r;
    const QStringList navne = billedfiler::BilledNavne(mappe, type, &r.laesefejl);
    if (navne.isEmpty())
        return r;
    const int ialt = int(navne.size());
    r.Bil.reserve(ialt);
    r.miniaturer.reserve(ialt);
    fremdrift.procent(0);

    // Every finished picture releases one; the waiting thread wakes on it
    // and otherwise only to keep the program alive. Shared, so a picture
    // still being decoded after a stop finds it alive.
    auto faerdig = std::make_shared<QSemaphore>();
    auto stop = std::make_shared<std::atomic<bool>>(false);
    const QString forMappe = mappe == QLatin1String("/") ? mappe : mappe + QLatin1Char('/');
    // A few pictures ahead of the one reported, enough to keep every thread
    // busy without holding many decoded pictures at once.
    const int forud = 2 * m_pulje.maxThreadCount() + 2;
    std::deque<QFuture<billedfiler::Miniature>> igang;
    int naeste = 0;
    auto start = [&] {
        while (naeste < ialt && int(igang.size()) < forud) {
            const QString sti = forMappe + navne.at(naeste++);
            igang.push_back(QtConcurrent::run(&m_pulje, [sti, W, H, faerdig, stop] {
                billedfiler::Miniature m;
                if (!stop->load())
                    m = billedfiler::lavMiniature(sti, W, H);
                faerdig->release();
                return m;
            }));
        }
    };

    QElapsedTimer ur;
    ur.start();
    int vistProcent = 0;
    for (int i = 0; i < ialt; ++i) {
        start();
        while (!igang.front().isFinished() && !fremdrift.stoppet()) {
            faerdig->tryAcquire(1, qMax(1, m_interval / 2));
            if (ur.elapsed() >= m_interval) {
                fremdrift.holdILive();
                ur.restart();
            }
        }
        if (fremdrift.stoppet()) {
            r.afbrudt = true;
            break;
        }
        const billedfiler::Miniature m = igang.front().result();
        igang.pop_front();
        r.Bil.append({navne.at(i), m.stoerrelse.width(), m.stoerrelse.height()});
        r.miniaturer.append(m);
        const int p = procentAf(i + 1, ialt);
        if (p != vistProcent) {
            vistProcent = p;
            fremdrift.procent(p);
        }
        if (ur.elapsed() >= m_interval) {
            fremdrift.holdILive();
            ur.restart();
        }
    }
    // Pictures not yet begun are skipped; those being decoded finish first,
    // so nothing runs on after the load has returned.
    stop->store(true);
    for (auto &f : igang)
        f.waitForFinished();
    return r;
}
