#include "tools/tkalenderform.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/skaermplacering.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/kalender/dagsnotater.h"
#include "engines/kalender/datomappe.h"
#include "engines/kalender/kalenderdatoer.h"
#include "engines/kalender/tdatoforskel.h"
#include "platform/filinfo.h"
#include "platform/tekstfil.h"
#include "shell/aktivering.h"
#include "shell/vinduesdele.h"
#include "tools/tdatofinder.h"
#include "tools/tkalendergruppe.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kd = kalenderdatoer;

namespace {

constexpr int fastBredde = 940;
constexpr int fastHoejde = 550;

QPushButton *knap(const QString &tekst, const QString &navn, const QString &hint = {})
{
    auto *k = new QPushButton(tekst);
    k->setObjectName(navn);
    if (!hint.isEmpty())
        hint::saet(k, hint);
    return k;
}

QLineEdit *resultatfelt(const QString &navn)
{
    auto *e = new QLineEdit;
    e->setObjectName(navn);
    e->setReadOnly(true);
    return e;
}

} // namespace

Tkalenderform::Tkalenderform(const DataMapper &mapper, Dialogs &dialogs, bool inde, const Hovedvindue &hoved,
                             QWidget *parent)
    : QWidget(parent, inde ? Qt::Widget : Qt::Dialog)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_kalenderMappe(mapper.brugerKalenderMappe)
    , m_notatMappe(mapper.brugerNotatMappe)
    , m_optFilnavn(inde ? QString() : mapper.OptMappe + QStringLiteral("kalender.txt"))
    , m_datoforskel(new TDatoforskel(dialogs, mapper.scriptDir, mapper.OptMappe, this))
{
    setObjectName("Tkalenderform");
    setWindowTitle(QStringLiteral("Kalender"));
    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_datoforskel, &TDatoforskel::beregnet, this, &Tkalenderform::visResultat);

    auto *overskrift = vinduesdele::overskrift(QStringLiteral("Kalender"), 1.4);

    m_sider = new QTabWidget;
    m_sider->setObjectName("sider");
    m_sider->addTab(bygKalenderside(), QStringLiteral("Kalender"));
    m_sider->addTab(bygForskelside(), QStringLiteral("Datoforskelle"));

    m_datofinder = new TDatofinder(dialogs);
    m_datofinder->setObjectName("datofinder");
    auto *panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    panelLayout->addWidget(m_datofinder);

    auto *midte = new QHBoxLayout;
    midte->addWidget(m_sider, 1);
    midte->addWidget(panel, 0);

    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(6, 6, 6, 6);
    l->addWidget(overskrift);
    l->addLayout(midte, 1);
    l->addWidget(bygKalendermappe());
    l->addWidget(bygBund());

    if (!m_showInternt)
        placerEksternt();
    opdaterKnapper();
}

QWidget *Tkalenderform::bygKalenderside()
{
    auto *side = new QWidget;
    auto *l = new QHBoxLayout(side);
    l->setContentsMargins(6, 6, 6, 6);
    auto *venstre = new QVBoxLayout;
    m_kalender = new TKalendergruppe;
    m_kalender->setObjectName("kalendergruppe");
    connect(m_kalender, &TKalendergruppe::datoValgt, this, &Tkalenderform::dagValgt);
    venstre->addWidget(m_kalender, 1);
    auto *mappe = knap(QStringLiteral("Opret/Aktiver mappe"), "mappeKnap",
                       QStringLiteral("Opret eller se mappe til datorelaterede filer for valgte dato"));
    mappe->setIcon(ikoner::hent("folder-new", QStyle::SP_FileDialogNewFolder));
    connect(mappe, &QPushButton::clicked, this, &Tkalenderform::opretMappe);
    venstre->addWidget(mappe, 0, Qt::AlignLeft);
    l->addLayout(venstre, 0);
    l->addWidget(bygNotater(), 1);
    return side;
}

QWidget *Tkalenderform::bygNotater()
{
    auto *gruppe = new QGroupBox(QStringLiteral("Dagens notater"));
    auto *l = new QVBoxLayout(gruppe);
    l->setContentsMargins(6, 6, 6, 6);
    m_notat = new QPlainTextEdit;
    m_notat->setObjectName("notat");
    connect(m_notat, &QPlainTextEdit::modificationChanged, this, &Tkalenderform::opdaterKnapper);
    l->addWidget(m_notat, 1);
    auto *knapper = new QHBoxLayout;
    m_slet = knap(QStringLiteral("Slet"), "sletKnap");
    connect(m_slet, &QPushButton::clicked, this, &Tkalenderform::Slet);
    m_gem = knap(QStringLiteral("Gem"), "gemKnap");
    connect(m_gem, &QPushButton::clicked, this, &Tkalenderform::Gem);
    auto *mappe = knap(QStringLiteral("Notatmappen"), "notatmappeKnap", QStringLiteral("Åben notatmappen"));
    connect(mappe, &QPushButton::clicked, this, [this] {
        if (m_hoved.visKalMappe)
            m_hoved.visKalMappe(m_notatMappe);
    });
    // The buttons may be as narrow as their captions, so the calendar
    // beside them keeps its width in the fixed-size window.
    for (QPushButton *k : {m_slet, m_gem, mappe})
        k->setMinimumWidth(k->fontMetrics().horizontalAdvance(k->text()) + 20);
    knapper->addWidget(m_slet);
    knapper->addWidget(m_gem);
    knapper->addStretch();
    knapper->addWidget(mappe);
    l->addLayout(knapper);
    return gruppe;
}

QWidget *Tkalenderform::bygForskelside()
{
    auto *side = new QWidget;
    auto *l = new QVBoxLayout(side);
    l->setContentsMargins(6, 6, 6, 6);
    l->addWidget(new QLabel(QStringLiteral("Vælg datoer")));
    auto *grupper = new QHBoxLayout;
    m_forskel1 = new TKalendergruppe(false);
    m_forskel1->setObjectName("forskelgruppe1");
    m_forskel2 = new TKalendergruppe(false);
    m_forskel2->setObjectName("forskelgruppe2");
    for (TKalendergruppe *g : {m_forskel1, m_forskel2}) {
        auto *ramme = new QGroupBox;
        auto *rl = new QVBoxLayout(ramme);
        rl->setContentsMargins(4, 4, 4, 4);
        rl->addWidget(g);
        grupper->addWidget(ramme, 1);
    }
    l->addLayout(grupper, 1);

    auto *resultat = new QHBoxLayout;
    auto *beregn = knap(QStringLiteral("Beregn"), "beregnKnap", QStringLiteral("Beregn forskellen mellem de to datoer"));
    connect(beregn, &QPushButton::clicked, this, &Tkalenderform::Beregn);
    resultat->addWidget(beregn, 0, Qt::AlignTop);
    auto *felter = new QFormLayout;
    m_aarMaanederDage = resultatfelt("forskelFelt");
    m_dageIalt = resultatfelt("dageIaltFelt");
    felter->addRow(QStringLiteral("Forskel (år, måneder samt dage)"), m_aarMaanederDage);
    felter->addRow(QStringLiteral("Forskel (dage ialt)"), m_dageIalt);
    resultat->addLayout(felter, 1);
    l->addLayout(resultat);
    return side;
}

QWidget *Tkalenderform::bygKalendermappe()
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("Kalendermappe ")));
    m_kalenderMappeFelt = new QLineEdit(m_kalenderMappe);
    m_kalenderMappeFelt->setObjectName("kalenderMappeFelt");
    m_kalenderMappeFelt->setReadOnly(true);
    l->addWidget(m_kalenderMappeFelt, 1);
    auto *indsaet = knap(QStringLiteral("Indsæt aktuelle"), "indsaetKnap",
                         QStringLiteral("Vælg aktuelle mappe som kalendermappe"));
    connect(indsaet, &QPushButton::clicked, this, &Tkalenderform::indsaetAktuelle);
    l->addWidget(indsaet);
    auto *vis = new QToolButton;
    vis->setObjectName("visKalenderMappeKnap");
    vis->setIcon(ikoner::hent("folder-open", QStyle::SP_DirOpenIcon));
    hint::saet(vis, QStringLiteral("Vis kalendermappe"));
    connect(vis, &QToolButton::clicked, this, [this] {
        if (m_hoved.visKalMappe)
            m_hoved.visKalMappe(m_kalenderMappe);
    });
    l->addWidget(vis);
    return w;
}

QWidget *Tkalenderform::bygBund()
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    auto *luk = knap(QStringLiteral("Luk"), "lukKnap");
    connect(luk, &QPushButton::clicked, this, [this] { lukVindue(this); });
    l->addWidget(luk);
    l->addStretch();
    m_infoKnap = new QToolButton;
    m_infoKnap->setObjectName("infoKnap");
    m_infoKnap->setIcon(ikoner::hent("help-about", QStyle::SP_MessageBoxInformation));
    hint::saet(m_infoKnap, QStringLiteral("Information"));
    connect(m_infoKnap, &QToolButton::clicked, this, [this] {
        if (m_hoved.infoHelp)
            m_hoved.infoHelp(QStringLiteral("Kalender.html"));
    });
    m_infoKnap->setVisible(!m_showInternt);
    l->addWidget(m_infoKnap);
    return w;
}

void Tkalenderform::placerEksternt()
{
    setFixedSize(fastBredde, fastHoejde);
    const QStringList linjer = tekstfil::hent(m_optFilnavn);
    bool okV = false, okT = false;
    int venstre = linjer.value(0).toInt(&okV);
    int top = linjer.value(1).toInt(&okT);
    if (!okV || !okT) {
        venstre = 20;
        top = 40;
    }
    skaermplacering::placer(this, QRect(venstre, top, fastBredde, fastHoejde));
}

void Tkalenderform::gemPosition()
{
    if (!m_optFilnavn.isEmpty())
        tekstfil::gem(m_optFilnavn, {QString::number(x()), QString::number(y())});
}

bool Tkalenderform::event(QEvent *e)
{
    foelgAktivering(this, e, [this] { FormActivate(); });
    return QWidget::event(e);
}

void Tkalenderform::FormActivate()
{
    if (m_opstart) {
        m_opstart = false;
        for (TKalendergruppe *g : {m_kalender, m_forskel1, m_forskel2})
            g->gaaTilIDag();
        // Today may already have been selected, which announces nothing.
        if (m_notatDato != m_kalender->dato())
            dagValgt(m_kalender->dato());
    }
    m_datofinder->rydTitel();
}

void Tkalenderform::closeEvent(QCloseEvent *e)
{
    if (!maaNotatForlades()) {
        e->ignore();
        return;
    }
    if (!m_showInternt)
        gemPosition();
    QWidget::closeEvent(e);
}

// ------------------------------------------------------------ notes

void Tkalenderform::dagValgt(const QDate &dato)
{
    if (dato == m_notatDato)
        return;
    if (!maaNotatForlades()) {
        // The note could not be saved: stay on its day so nothing is lost.
        m_kalender->setDato(m_notatDato, false);
        return;
    }
    visNotat(dato);
}

bool Tkalenderform::maaNotatForlades()
{
    if (!m_notatDato.isValid() || !m_notat->document()->isModified() || m_notat->isReadOnly())
        return true;
    const QString spoergsmaal = QStringLiteral("Dagens notater for ") + kd::datotekst(m_notatDato)
                                + QStringLiteral(" er ændret.\rSkal de gemmes?");
    if (!m_dialogs.ask(spoergsmaal)) {
        m_notat->document()->setModified(false);
        return true;
    }
    Gem();
    return !m_notat->document()->isModified();
}

void Tkalenderform::visNotat(const QDate &dato)
{
    m_notatDato = dato;
    const QString fil = dagsnotater::notatfil(m_notatMappe, dato);
    const dagsnotater::Notat notat = dagsnotater::hent(fil, m_dialogs);
    m_notat->setPlainText(notat.tekst);
    // A note that exists but cannot be read is not offered for editing, so
    // "Gem" never writes over it.
    m_notat->setReadOnly(notat.status == dagsnotater::Status::Fejl);
    m_memoFilename = notat.status == dagsnotater::Status::Mangler ? QString() : fil;
    m_notat->document()->setModified(false);
    opdaterKnapper();
}

void Tkalenderform::Gem()
{
    if (!m_notatDato.isValid() || m_notat->isReadOnly())
        return;
    const QString fil = dagsnotater::notatfil(m_notatMappe, m_notatDato);
    if (!dagsnotater::gem(fil, m_notat->toPlainText(), m_dialogs))
        return;
    m_notat->document()->setModified(false);
    m_memoFilename = fil;
    opdaterKnapper();
}

void Tkalenderform::Slet()
{
    if (m_memoFilename.isEmpty())
        return;
    const QString fil = dagsnotater::notatfil(m_notatMappe, m_notatDato);
    if (!dagsnotater::slet(fil, m_dialogs))
        return;
    m_notat->clear();
    m_notat->setReadOnly(false);
    m_notat->document()->setModified(false);
    m_memoFilename.clear();
    opdaterKnapper();
}

void Tkalenderform::opdaterKnapper()
{
    if (!m_gem || !m_slet)
        return;
    m_gem->setEnabled(m_notat->document()->isModified() && !m_notat->isReadOnly());
    m_slet->setEnabled(!m_memoFilename.isEmpty());
}

// ------------------------------------------------------------ folders

void Tkalenderform::opretMappe()
{
    const std::optional<datomappe::Kaede> k = datomappe::opret(m_kalenderMappe, m_kalender->dato(), m_dialogs);
    if (k && m_hoved.opretKalenderStruk)
        m_hoved.opretKalenderStruk(k->mapper, k->dagsmappe);
}

void Tkalenderform::indsaetAktuelle()
{
    const QString sti = m_hoved.editSti ? m_hoved.editSti() : QString();
    if (sti.isEmpty() || !filinfo::erMappe(sti)) {
        m_dialogs.inform(QStringLiteral("Der skal være valgt en mappe."));
        return;
    }
    m_kalenderMappe = stier::udenSkraastreg(sti);
    m_kalenderMappeFelt->setText(m_kalenderMappe);
    if (m_hoved.kalenderMappeValgt)
        m_hoved.kalenderMappeValgt(m_kalenderMappe);
}

// ------------------------------------------------------------ difference

void Tkalenderform::Beregn()
{
    m_aarMaanederDage->clear();
    m_dageIalt->clear();
    m_datoforskel->Beregn(m_forskel1->feltDato(), m_forskel2->feltDato());
}

void Tkalenderform::visResultat(const QString &aarMaanederDage, const QString &dageIalt)
{
    m_aarMaanederDage->setText(aarMaanederDage);
    m_dageIalt->setText(dageIalt);
}
