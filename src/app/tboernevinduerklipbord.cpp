#include "app/tboernevinduer.h"

#include "engines/tkopilister.h"
#include "engines/tmetodecompo.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"
#include "shell/tvinduesstyring.h"
#include "shell/vinduesart.h"

#include <QTimer>

// The frame's copy lists: each explorer window's own pair or the shared pair,
// and the lists windows that show them.

void TBoernevinduer::forbindKlipbord(Twinform *w)
{
    TKlipbordsKommandoer *k = w->klipbordsKommandoer();
    k->antalStifindere = [this] { return int(m_styring->stifindere().size()); };
    if (m_styring->sammeKlipbord)
        k->setDelteLister(delteLister());
    connect(k, &TKlipbordsKommandoer::visKlipbordOensket, this, &TBoernevinduer::visKlipbord);
    connect(k, &TKlipbordsKommandoer::overfoerOensket, this, [this, w] { kopierKlipbordsdata(w); });
    connect(k, &TKlipbordsKommandoer::egneListerLukkes, this, [this](TKopilister *lister) {
        // The window of lists that go with their explorer window goes too.
        if (Tlisteform *f = listeformFor(lister))
            delete f;
    });
    // The shared lists belong to the explorer windows together: when the
    // last one has gone, they are emptied and their window goes as well.
    connect(w, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, &TBoernevinduer::lukDelteKlipbordUdenStifindere);
    });
    // Every pair of lists has its window from the start, its tab in front.
    if (!listeformFor(k->lister()))
        opretListeform(k->lister(), k->delt() ? 1 : w->nummer(), k->delt());
}

TKopilister *TBoernevinduer::delteLister()
{
    // Shared lists are those of the first explorer window, and its window
    // is the one their "Stifinderen" brings forward.
    if (!m_delteLister)
        m_delteLister = new TKopilister(QStringLiteral("Stifinder 1"), this);
    return m_delteLister;
}

void TBoernevinduer::lukDelteKlipbordUdenStifindere()
{
    if (!m_delteLister || !m_styring->stifindere().isEmpty())
        return;
    m_delteLister->sletBeggeLister();
    if (Tlisteform *f = listeformFor(m_delteLister))
        delete f;
}

Tlisteform *TBoernevinduer::listeformFor(const TKopilister *lister) const
{
    for (QWidget *barn : m_styring->boern())
        if (auto *f = qobject_cast<Tlisteform *>(barn); f && f->lister() == lister)
            return f;
    return nullptr;
}

Tlisteform *TBoernevinduer::opretListeform(TKopilister *lister, int nummer, bool delt)
{
    auto *f = new Tlisteform(lister, nummer, delt, m_optMappe);
    saetVinduesart(f, Vinduesart::Klipbord);
    connect(f, &Tlisteform::stifinderOensket, this, [this, lister](const QString &caption) {
        visEjer(lister, caption);
    });
    connect(f, &Tlisteform::beregnOensket, this, [this, lister] {
        if (Twinform *w = ejerAf(lister))
            w->metodeX()->getSizeOfKlipbord();
    });
    m_styring->visIRammen(f);
    return f;
}

void TBoernevinduer::visEjer(const TKopilister *lister, const QString &caption)
{
    // Shared lists outlive "Stifinder 1" while other explorer windows use
    // them; any of those is then the way back.
    if (lister == m_delteLister && !m_styring->findStifinder(caption)) {
        if (Twinform *w = ejerAf(lister)) {
            m_styring->visBarn(w);
            return;
        }
    }
    if (QWidget *w = m_styring->getWinform(caption))
        m_styring->visBarn(w);
}

Twinform *TBoernevinduer::ejerAf(const TKopilister *lister) const
{
    for (Twinform *w : stifindere())
        if (w->klipbordsKommandoer()->lister() == lister)
            return w;
    return nullptr;
}

QWidget *TBoernevinduer::visKlipbord(TKopilister *lister)
{
    Tlisteform *f = listeformFor(lister);
    if (f)
        m_styring->visBarn(f);
    return f;
}

void TBoernevinduer::visAktivtKlipbord()
{
    // The active explorer window's own lists, else the first lists window
    // there is; Ctrl+0 never makes one.
    if (Twinform *w = aktivStifinder(); w && visKlipbord(w->klipbordsKommandoer()->lister()))
        return;
    m_styring->visKlipbordet();
}

void TBoernevinduer::anvendSammeKlipbord(bool til)
{
    m_styring->sammeKlipbord = til;
    for (Twinform *w : stifindere())
        w->klipbordsKommandoer()->setDelteLister(til ? delteLister() : nullptr);
}

void TBoernevinduer::kopierKlipbordsdata(Twinform *fra)
{
    QList<TKlipbordsKommandoer *> andre;
    for (Twinform *w : stifindere())
        if (w != fra)
            andre.append(w->klipbordsKommandoer());
    fra->klipbordsKommandoer()->overfoerTil(andre);
}
