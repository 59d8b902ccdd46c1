#include "explorer/tklipbordskommandoer.h"

#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tmetodecompo.h"
#include "engines/tpasteobjekt.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tdeleteform.h"
#include "explorer/texistsform.h"
#include "explorer/tindstillingsside.h"
#include "explorer/tkopieringsform.h"
#include "explorer/tprogressform.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tsidebog.h"
#include "explorer/twinform.h"

namespace {

TKlipbord::Valg valgFra(const Twinform &vindue)
{
    const StifinderEgenskaber e = vindue.samlEgenskaber();
    TKlipbord::Valg v;
    v.saetIndSlet = e.saetIndSlet;
    v.saetInd = e.saetInd;
    v.lukProgress = e.lukProgress;
    v.rydLister = e.rydLister;
    v.gaaTilIndstillinger = e.gaaTilIndstillinger;
    v.navn = vindue.StifinderNavn();
    return v;
}

} // namespace

TKlipbordsKommandoer::TKlipbordsKommandoer(Twinform &vindue, TRammeForbindelse &ramme)
    : QObject(&vindue)
    , m_vindue(vindue)
    , m_ramme(ramme)
    , m_progress(new Tprogressform(&vindue))
    , m_paste(new TPasteObjekt({&ramme.dialogs(), new TExistsForm(&vindue),
                                new Tkopieringsform(ramme.optMappe(), &vindue), m_progress,
                                new Tdeleteform(&vindue)},
                               this))
    , m_egne(new TKopilister(vindue.StifinderNavn(), this))
    , m_klipbord(new TKlipbord(vindue.metodeX(), m_egne, m_paste, &ramme.dialogs(), this))
{
}

TKlipbordsKommandoer::~TKlipbordsKommandoer()
{
    emit egneListerLukkes(m_egne);
}

TKopilister *TKlipbordsKommandoer::lister() const
{
    return m_delte ? m_delte.data() : m_egne;
}

void TKlipbordsKommandoer::bind()
{
    Twinform &w = m_vindue;
    w.setArbejde(QStringLiteral("Copy"), [this] { kopier(false); });
    w.setArbejde(QStringLiteral("Cut"), [this] { kopier(true); });
    w.setArbejde(QStringLiteral("Paste"), [this] { Paste(); });
    w.setArbejde(QStringLiteral("AnnullerKopiering"), [this] { m_klipbord->annullerAlle(); });
    w.setKopilister([this](const QStringList &mapper, const QStringList &filer) {
        m_klipbord->RegisterElements(mapper + filer);
    }, [this] { return lister()->getElementAntal(); });

    TIndstillingsside *side = w.sidebog()->indstillingsside();
    connect(side, &TIndstillingsside::annullerMapperOensket, m_klipbord, &TKlipbord::annullerMapper);
    connect(side, &TIndstillingsside::annullerFilerOensket, m_klipbord, &TKlipbord::annullerFiler);
    connect(side, &TIndstillingsside::gendanOensket, this,
            [this] { m_klipbord->klipbordsGendannelse(valgFra(m_vindue)); });
    connect(side, &TIndstillingsside::beregnOensket, this, &TKlipbordsKommandoer::beregnStoerrelse);
    connect(side, &TIndstillingsside::overfoerOensket, this, &TKlipbordsKommandoer::overfoerOensket);
    connect(side, &TIndstillingsside::aktiverAendret, this, &TKlipbordsKommandoer::opdater);
    connect(m_vindue.metodeX(), &TMetoder::klipbordBeregnet, side, [side] { side->setBeregner(false); });
    connect(m_klipbord, &TKlipbord::stoerrelsesfelt, side, &TIndstillingsside::setStoerrelse);
    connect(m_klipbord, &TKlipbord::visKlipbordOensket, this, [this] { emit visKlipbordOensket(lister()); });
    connect(m_klipbord, &TKlipbord::visIndstillingerOensket, this,
            [this] { m_vindue.sidebog()->visSide(TSidebog::Indstillinger); });
    forbindLister();
}

void TKlipbordsKommandoer::setDelteLister(TKopilister *delte)
{
    m_delte = delte;
    m_klipbord->setLister(lister());
    forbindLister();
}

void TKlipbordsKommandoer::forbindLister()
{
    TIndstillingsside *side = m_vindue.sidebog()->indstillingsside();
    for (TKopilister *l : {m_egne, m_delte.data()}) {
        if (l) {
            disconnect(l, &TKopilister::antalAendret, side, nullptr);
            disconnect(l, &TKopilister::antalAendret, this, nullptr);
        }
    }
    connect(lister(), &TKopilister::antalAendret, side, &TIndstillingsside::setKlipbordAntal);
    // Lists shared with other windows change under this one too: paste and
    // cancel follow them.
    connect(lister(), &TKopilister::antalAendret, this, [this] {
        opdater();
        m_vindue.opdaterKommandoer();
    });
    side->setDeltKlipbord(delt());
    side->setKlipbordAntal(lister()->Mappeliste()->antal(), lister()->Filliste()->antal());
    opdater();
}

void TKlipbordsKommandoer::kopier(bool cut)
{
    // "Vis Klipbord" is read as it stands now, not as it stood at start-up.
    m_vindue.metodeX()->setBoolVisKlipbord(m_vindue.samlEgenskaber().visKlipbord);
    m_klipbord->KopierElementer(cut, valgFra(m_vindue));
}

void TKlipbordsKommandoer::Paste()
{
    m_vindue.begyndFunktion();
    const bool helt = m_klipbord->PasteExecute(valgFra(m_vindue));
    m_vindue.afslutFunktion(1, m_klipbord->getResult());
    const QString destination = m_klipbord->getDestination();
    if (helt && m_vindue.samlEgenskaber().autoOpdater && !destination.isEmpty()) {
        // The file tree shows the folder the elements went into.
        m_vindue.motor()->setAktiveStruktur(2);
        m_vindue.mappeKontrol(m_vindue.motor()->makeStruktur2(destination), true);
    }
    opdater();
}

void TKlipbordsKommandoer::stopPaste()
{
    if (m_paste->koerer())
        m_progress->stop();
}

void TKlipbordsKommandoer::opdater()
{
    TIndstillingsside *side = m_vindue.sidebog()->indstillingsside();
    side->setKanGendanne(m_klipbord->kanGendanne());
    const int stifindere = antalStifindere ? antalStifindere() : 1;
    side->setKanOverfoere(TKlipbord::kanOverfoere(delt(), side->aktiver(), stifindere, lister()->getElementAntal(),
                                                  m_ramme.valg().processCount));
}

void TKlipbordsKommandoer::beregnStoerrelse()
{
    m_vindue.sidebog()->indstillingsside()->setBeregner(true);
    m_vindue.metodeX()->getSizeOfKlipbord();
}
