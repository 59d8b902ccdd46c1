#include "explorer/tklipbordskommandoer.h"

#include "core/beskeder.h"
#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/filbilleder.h"
#include "engines/tklipbord.h"
#include "engines/tkopilister.h"
#include "engines/tmetodecompo.h"
#include "engines/tpasteobjekt.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tdeleteform.h"
#include "explorer/texistsform.h"
#include "explorer/tfavoritside.h"
#include "explorer/tindstillingsside.h"
#include "explorer/tkopieringsform.h"
#include "explorer/tprogressform.h"
#include "explorer/trammeforbindelse.h"
#include "explorer/tsidebog.h"
#include "explorer/tstifinderegenskabsside.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/twinform.h"
#include "platform/filinfo.h"

#include <QCoreApplication>
#include <QPointer>

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
    w.setKopilister([this](const QStringList &mapper, const QStringList &filer) {
        m_klipbord->RegisterElements(mapper + filer);
    }, [this] { return lister()->getElementAntal(); });

    w.sidebog()->naarBygget(TSidebog::Favoritter, this, [this] { bindFavoritter(); });

    TIndstillingsside *side = w.sidebog()->indstillingsside();
    connect(side, &TIndstillingsside::annullerMapperOensket, m_klipbord, &TKlipbord::annullerMapper);
    connect(side, &TIndstillingsside::annullerFilerOensket, m_klipbord, &TKlipbord::annullerFiler);
    connect(side, &TIndstillingsside::beregnOensket, this, &TKlipbordsKommandoer::beregnStoerrelse);
    connect(m_vindue.metodeX(), &TMetoder::klipbordBeregnet, side, [side] { side->setBeregner(false); });
    TStifinderEgenskabsside *egenskaber = w.sidebog()->egenskabsside();
    connect(egenskaber, &TStifinderEgenskabsside::gendanOensket, this,
            [this] { m_klipbord->klipbordsGendannelse(valgFra(m_vindue)); });
    connect(egenskaber, &TStifinderEgenskabsside::overfoerOensket, this, &TKlipbordsKommandoer::overfoerOensket);
    connect(egenskaber, &TStifinderEgenskabsside::aktiverAendret, this, &TKlipbordsKommandoer::opdater);
    connect(m_klipbord, &TKlipbord::stoerrelsesfelt, side, &TIndstillingsside::setStoerrelse);
    connect(m_klipbord, &TKlipbord::visKlipbordOensket, this, [this] { emit visKlipbordOensket(lister()); });
    connect(m_klipbord, &TKlipbord::visIndstillingerOensket, this,
            [this] { m_vindue.sidebog()->visSide(TSidebog::Indstillinger); });
    forbindLister();
}

void TKlipbordsKommandoer::bindFavoritter()
{
    TFavoritside *f = m_vindue.sidebog()->favoritside();
    // A favourite file keeps the picture of its type in the file list.
    f->kopierElement = [this](const QString &sti, bool erMappe) {
        if (erMappe)
            lister()->CopyListAdd(TKopilister::ListeMapper, TKopilister::MappeBillede, sti, true);
        else
            lister()->CopyListAdd(TKopilister::ListeFiler, filbilleder::getFilensImageIndex(stier::getLastDirectory(sti)),
                                  sti, true);
    };
    f->opdaterKommandoer();
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
    m_vindue.sidebog()->egenskabsside()->setDeltKlipbord(delt());
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
    // Without ticked entries the paste stops before the engine runs, and
    // the engine's counts are still those of the last paste.
    const bool harElementer = lister()->getElementAntal() > 0;
    bool helt = false;
    {
        Aktivitetsvagt vagt(m_vindue, Twinform::Aktivitet::Kopiering);
        helt = m_klipbord->PasteExecute(valgFra(m_vindue));
        vagt.setResultat(m_klipbord->getResult());
    }
    if (harElementer)
        meldUdeladte();
    const QString destination = m_klipbord->getDestination();
    // Both trees show the folder the elements went into, the folder tree
    // with it selected, so the two agree.
    if (helt && m_vindue.samlEgenskaber().autoOpdater && filinfo::erMappe(destination))
        m_vindue.navigation()->visMappeITraeer(destination);
    opdater();
}

void TKlipbordsKommandoer::meldUdeladte()
{
    // The progress box may close on its own, and with it the line that
    // said what was left alone; the status line keeps it.
    const qint64 udeladt = m_paste->ikkePastede;
    if (udeladt <= 0 || m_paste->ConstDest.isEmpty())
        return;
    if (m_vindue.metodeX()->FlytElementer) {
        m_ramme.UdskrivInfo(QStringLiteral("Sæt ind: ") + dansk::heltal(udeladt)
                            + (udeladt == 1 ? QStringLiteral(" element fandtes allerede og blev ikke flyttet.")
                                            : QStringLiteral(" elementer fandtes allerede og blev ikke flyttet.")));
        return;
    }
    const qint64 antal = qMax(m_paste->antalFiler, m_paste->udfoerteFiler() + udeladt);
    m_ramme.UdskrivInfo(QStringLiteral("Sæt ind: ") + dansk::heltal(m_paste->udfoerteFiler()) + QStringLiteral(" af ")
                        + dansk::heltal(antal) + (antal == 1 ? QStringLiteral(" fil blev kopieret; ")
                                                             : QStringLiteral(" filer blev kopieret; "))
                        + dansk::heltal(udeladt) + QStringLiteral(" fandtes allerede og blev ikke overskrevet."));
}

void TKlipbordsKommandoer::stopPaste()
{
    if (m_paste->koerer())
        m_progress->stop();
}

void TKlipbordsKommandoer::opdater()
{
    TStifinderEgenskabsside *side = m_vindue.sidebog()->egenskabsside();
    side->setKanGendanne(m_klipbord->kanGendanne());
    const int stifindere = antalStifindere ? antalStifindere() : 1;
    side->setKanOverfoere(TKlipbord::kanOverfoere(delt(), side->aktiver(), stifindere, lister()->getElementAntal(),
                                                  m_ramme.valg().processCount));
}

void TKlipbordsKommandoer::overfoerTil(const QList<TKlipbordsKommandoer *> &modtagere)
{
    QList<QPointer<TKlipbordsKommandoer>> vinduer;
    for (TKlipbordsKommandoer *m : modtagere)
        vinduer.append(m);
    try {
        for (const QPointer<TKlipbordsKommandoer> &m : std::as_const(vinduer)) {
            // A window may have closed while pending events were processed.
            if (!m || m == this)
                continue;
            m_klipbord->kopierKlipbordsdata({m->m_klipbord});
            m->modtagOverfoersel();
        }
    } catch (...) {
        m_ramme.dialogs().inform(beskeder::ukendtFejlDesvaerre() + QLatin1Char('\r'));
    }
    m_vindue.sidebog()->egenskabsside()->setAktiver(false);
}

void TKlipbordsKommandoer::modtagOverfoersel()
{
    m_vindue.opdaterKommandoer();
    QPointer<TKlipbordsKommandoer> selv(this);
    QCoreApplication::processEvents();
    if (!selv)
        return;
    if (m_vindue.samlEgenskaber().gaaTilIndstillinger)
        m_vindue.sidebog()->visSide(TSidebog::Indstillinger);
    m_vindue.sidebog()->egenskabsside()->setAktiver(false);
}

void TKlipbordsKommandoer::beregnStoerrelse()
{
    m_vindue.sidebog()->indstillingsside()->setBeregner(true);
    m_vindue.metodeX()->getSizeOfKlipbord();
}
