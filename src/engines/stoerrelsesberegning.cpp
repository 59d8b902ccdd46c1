#include "engines/stoerrelsesberegning.h"

#include "core/stier.h"
#include "platform/filinfo.h"
#include "platform/mappelaeser.h"


#include <vector>

namespace stoerrelsesberegning {

bool laegMappeTil(const QString &mappe, Resultat &r, const VedMappe &vedMappe, bool overMonteringer)
{
    // An explicit stack, so a very deep tree cannot exhaust the call stack.
    std::vector<QString> stak{mappe};
    bool foerste = true;
    montering::Sted rod;
    while (!stak.empty()) {
        const QString dir = stak.back();
        stak.pop_back();
        MappeLaeser laeser(dir, true);
        if (!laeser.aaben()) {
            if (foerste)
                return false;
            r.fuldstaendig = false;
            continue;
        }
        if (foerste) {
            rod = laeser.sted();
        } else if (!overMonteringer) {
            const montering::Sted her = laeser.sted();
            if (!her.ok || !rod.ok || montering::andenMontering(rod, her)) {
                r.monteringer.append(dir);
                continue;
            }
        }
        foerste = false;
        const QString forstavelse = stier::delimKon(dir);
        MappeLaeser::Post p;
        while (laeser.naeste(p)) {
            if (p.art == MappeLaeser::Art::Mappe && !p.erLink) {
                ++r.antalMapper;
                stak.push_back(forstavelse + p.navn);
                if (vedMappe)
                    vedMappe(r);
            } else {
                // An entry that could not be looked at is still an element
                // the caller will meet.
                ++r.antalFiler;
                r.totalSize += p.stoerrelse;
                if (p.fejl != 0)
                    r.fuldstaendig = false;
            }
        }
        if (laeser.fejlede())
            r.fuldstaendig = false;
    }
    return true;
}

qint64 filStoerrelse(const QString &sti)
{
    const qint64 stoerrelse = filinfo::stoerrelse(sti);
    if (stoerrelse < 0)
        return -1;
    // An empty file counts as one byte so that it still weighs something.
    return stoerrelse > 0 ? stoerrelse : 1;
}

Resultat beregn(const QStringList &mapper, const QStringList &filer)
{
    Resultat r;
    r.antalMapper = mapper.size();
    for (const QString &m : mapper) {
        if (!laegMappeTil(m, r)) {
            r.ok = false;
            return r;
        }
    }
    for (const QString &f : filer) {
        const qint64 s = filStoerrelse(f);
        if (s < 0) {
            r.ok = false;
            return r;
        }
        r.totalSize += s;
        ++r.antalFiler;
    }
    return r;
}

} // namespace stoerrelsesberegning
