#include "engines/tekstsoegning/ttekstsoegning.h"

#include "core/stier.h"
#include "engines/tekstsoegning/filtyper.h"
#include "engines/tekstsoegning/linjebryder.h"
#include "engines/tekstsoegning/tekstmatcher.h"
#include "platform/filinfo.h"
#include "platform/mappelaeser.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Status = Laesning;

struct Dokumentresultat
{
    Status status = Status::Ok;
    QList<FundRaekke> raekker;
};

// What the workers share with the thread that hands the rows over.
struct Arbejde
{
    QString mappe;
    QStringList navne;
    const Tekstmatcher *matcher = nullptr;
    std::atomic<int> naeste{0};
    std::atomic<bool> stop{false};
    QMutex laas;
    QWaitCondition klar;
    std::vector<std::optional<Dokumentresultat>> resultater;

    void arbejd()
    {
        Linjebryder bryder;
        QByteArray indhold;
        for (;;) {
            if (stop.load(std::memory_order_relaxed))
                return;
            const int i = naeste.fetch_add(1);
            if (i >= navne.size())
                return;
            Dokumentresultat r;
            const QString sti = mappe + navne.at(i);
            Dokumenttekst::Utf8 utf8;
            r.status = laesDokument(sti, TTekstsoegning::MaksStoerrelse, indhold, utf8);
            if (r.status == Status::Ok)
                soegIDokument(Dokumenttekst(indhold, utf8), *matcher, bryder, sti, r.raekker);
            QMutexLocker l(&laas);
            resultater[size_t(i)] = std::move(r);
            klar.wakeAll();
        }
    }
};

} // namespace

QStringList TTekstsoegning::dokumenter(const QString &mappe, const QString &moenster)
{
    QStringList navne;
    MappeLaeser laeser(mappe);
    MappeLaeser::Post post;
    while (laeser.naeste(post))
        if (post.art == MappeLaeser::Art::Fil && filtyper::passer(moenster, post.navn))
            navne.append(post.navn);
    return navne;
}

TTekstsoegning::Resultat TTekstsoegning::soeg(const QString &mappe, const QString &moenster, const Valg &valg,
                                              const Modtager &modtager, const HoldILive &holdILive)
{
    Resultat resultat;
    const Tekstmatcher matcher(valg.tekst, valg.heleOrd, valg.storeSmaa);
    if (!filinfo::erMappe(mappe) || valg.tekst.isEmpty())
        return resultat;

    Arbejde a;
    a.mappe = stier::delimKon(mappe);
    a.navne = dokumenter(mappe, moenster);
    a.matcher = &matcher;
    a.resultater.resize(size_t(a.navne.size()));
    if (!matcher.kanFinde())
        a.navne.clear();   // the documents need not even be read
    const int antalTraade =
        qMin(int(a.navne.size()), m_traade > 0 ? m_traade : qBound(1, QThread::idealThreadCount(), 8));
    std::vector<std::unique_ptr<QThread>> traade;
    for (int t = 0; t < antalTraade; ++t) {
        traade.emplace_back(QThread::create([&a] { a.arbejd(); }));
        traade.back()->start();
    }

    QElapsedTimer ur;
    ur.start();
    int leveret = 0;
    const int antal = int(a.navne.size());
    while (leveret < antal) {
        if (holdILive && ur.elapsed() >= m_interval) {
            ur.restart();
            if (!holdILive()) {
                resultat.stoppet = true;
                break;
            }
        }
        QList<FundRaekke> nye;
        {
            QMutexLocker l(&a.laas);
            if (!a.resultater[size_t(leveret)])
                a.klar.wait(&a.laas, QDeadlineTimer(qMax(1, qMin(50, m_interval))));
            while (leveret < antal && a.resultater[size_t(leveret)]) {
                Dokumentresultat &r = *a.resultater[size_t(leveret)];
                resultat.ulaeselige += r.status == Status::Ulaeselig;
                resultat.forStore += r.status == Status::ForStor;
                resultat.dokumenter += r.status == Status::Ok;
                nye.append(std::move(r.raekker));
                a.resultater[size_t(leveret)].reset();
                ++leveret;
            }
        }
        if (!nye.isEmpty()) {
            resultat.raekker += nye.size();
            modtager(std::move(nye));
        }
    }
    a.stop = true;
    for (auto &t : traade)
        t->wait();
    return resultat;
}
