#include "explorer/tsoegside.h"

#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/treopenfilerx.h"
#include "explorer/knapper.h"
#include "explorer/treopentegner.h"
#include "platform/filinfo.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

const QString SoegEfter = QStringLiteral("Søg efter");
const QString Mapper = QStringLiteral("Mapper");
const QString Filer = QStringLiteral("Filer");

// The folders among `stier` that exist, each once (letter case of A–Z
// ignored), in the order of the list.
QStringList eksisterendeMapper(const QStringList &stier)
{
    QStringList ud;
    for (const QString &sti : stier) {
        if (!filinfo::erMappe(sti))
            continue;
        const bool kendt = std::any_of(ud.cbegin(), ud.cend(), [&sti](const QString &m) { return dansk::ensAZ(m, sti); });
        if (!kendt)
            ud.append(sti);
    }
    return ud;
}

// Restores the cursor on every way out of a search.
struct Ventemarkoer
{
    Ventemarkoer() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~Ventemarkoer() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

TSoegside::TSoegside(TReopenFilerX *findDir, TReopenFilerX *findFiler, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_findDir(findDir)
    , m_findFiler(findFiler)
    , m_dialogs(dialogs)
{
    using knapper::sidekommando;
    setObjectName(QStringLiteral("soegSide"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(knapper::overskrift(SoegEfter, this));

    m_mappeLabel = new QLabel(QStringLiteral("Søgemappe: Aktuelle element"), this);
    m_mappeLabel->setObjectName(QStringLiteral("soegMappe"));
    m_mappeLabel->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_mappeLabel);
    m_status = new QLabel(SoegEfter, this);
    m_status->setObjectName(QStringLiteral("soegStatus"));
    layout->addWidget(m_status);

    m_felt = new QLineEdit(this);
    m_felt->setObjectName(QStringLiteral("soegeFelt"));
    m_felt->setPlaceholderText(QStringLiteral("Indfør søgeord"));
    auto *soeg = sidekommando(this, QStringLiteral("aSearch"),
                              QStringLiteral("Start søgning: Der søges i aktuelle element mappen"), "edit-find",
                              QStyle::SP_FileDialogContentsView);
    auto *stop = sidekommando(this, QStringLiteral("aStopSoegning"), QStringLiteral("Stop søgningen: Esc"),
                              "process-stop", QStyle::SP_BrowserStop);
    auto *feltRad = new QHBoxLayout;
    feltRad->setSpacing(1);
    feltRad->addWidget(m_felt, 1);
    feltRad->addWidget(knapper::knap(soeg, this));
    layout->addLayout(feltRad);

    m_fremdrift = new QProgressBar(this);
    m_fremdrift->setObjectName(QStringLiteral("soegFremdrift"));
    m_fremdrift->setTextVisible(false);
    m_fremdrift->setMaximumHeight(12);
    m_fremdrift->setRange(0, 1);
    m_fremdrift->setValue(0);
    auto *fremdriftRad = new QHBoxLayout;
    fremdriftRad->setSpacing(1);
    fremdriftRad->addWidget(m_fremdrift, 1);
    fremdriftRad->addWidget(knapper::knap(stop, this));
    layout->addLayout(fremdriftRad);

    layout->addWidget(lavResultater(), 1);
    layout->addWidget(lavFilter());
    forbind();
    opdaterKommandoer();
}

QWidget *TSoegside::lavResultater()
{
    using knapper::sidekommando;
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("soegSplitter"));
    splitter->setChildrenCollapsible(false);

    auto *top = new QWidget(splitter);
    auto *tl = new QVBoxLayout(top);
    tl->setContentsMargins(0, 0, 0, 0);
    tl->setSpacing(2);
    m_mappeOverskrift = new QLabel(Mapper, top);
    m_mappeOverskrift->setObjectName(QStringLiteral("mappeOverskrift"));
    tl->addWidget(m_mappeOverskrift);
    m_mappeliste = TReopenTegner::lavListeboks(m_findDir, m_findDir->valg(), top);
    m_mappeliste->setObjectName(QStringLiteral("findDir"));
    tl->addWidget(m_mappeliste, 1);
    const QList<QAction *> raekke = {
        sidekommando(this, QStringLiteral("aSoegInfo"), QStringLiteral("Information: Søg"), "help-about",
                     QStyle::SP_MessageBoxInformation),
        sidekommando(this, QStringLiteral("aRensLister"), QStringLiteral("Rens lister: Klargør til ny søgning"),
                     "edit-clear-all", QStyle::SP_DialogResetButton),
        sidekommando(this, QStringLiteral("mappePunktstruktur"), QStringLiteral("Fremstil en mappe punktstruktur"),
                     "", QStyle::SP_CustomBase, QStringLiteral("M")),
        sidekommando(this, QStringLiteral("mappeNiveaustruktur"), QStringLiteral("Fremstil en mappe niveaustruktur"),
                     "", QStyle::SP_CustomBase, QStringLiteral("M")),
        sidekommando(this, QStringLiteral("filPunktstruktur"), QStringLiteral("Fremstil en punktstruktur ud fra filnavne"),
                     "", QStyle::SP_CustomBase, QStringLiteral("F")),
        sidekommando(this, QStringLiteral("filNiveaustruktur"),
                     QStringLiteral("Fremstil en niveaustruktur ud fra filnavne"), "", QStyle::SP_CustomBase,
                     QStringLiteral("F")),
    };
    auto *rad = new QHBoxLayout;
    rad->setSpacing(1);
    rad->addWidget(knapper::knap(raekke.at(0), top));
    rad->addWidget(knapper::knap(raekke.at(1), top));
    for (int i = 2; i < raekke.size(); ++i)
        rad->addWidget(knapper::trykknap(raekke.at(i), top));
    rad->addStretch();
    tl->addLayout(rad);

    auto *bund = new QWidget(splitter);
    auto *bl = new QVBoxLayout(bund);
    bl->setContentsMargins(0, 0, 0, 0);
    bl->setSpacing(2);
    m_filOverskrift = new QLabel(Filer, bund);
    m_filOverskrift->setObjectName(QStringLiteral("filOverskrift"));
    bl->addWidget(m_filOverskrift);
    m_filliste = TReopenTegner::lavListeboks(m_findFiler, m_findFiler->valg(), bund);
    m_filliste->setObjectName(QStringLiteral("findFiler"));
    bl->addWidget(m_filliste, 1);
    return splitter;
}

QWidget *TSoegside::lavFilter()
{
    using knapper::sidekommando;
    auto *boks = new QWidget(this);
    auto *l = new QVBoxLayout(boks);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    l->addWidget(new QLabel(QStringLiteral("Fremvis filtype"), boks));
    m_efternavn = new QLineEdit(boks);
    m_efternavn->setObjectName(QStringLiteral("efternavnFelt"));
    m_efternavn->setToolTip(QStringLiteral("Filefternavn med eller uden punktum"));
    m_antal = new QLineEdit(QStringLiteral("0"), boks);
    m_antal->setObjectName(QStringLiteral("filtypeAntal"));
    m_antal->setReadOnly(true);
    m_antal->setToolTip(QStringLiteral("Antal filer fundne med indførte efternavn"));
    m_antal->setMaximumWidth(60);
    auto *vis = sidekommando(this, QStringLiteral("aExtType1"),
                             QStringLiteral("Fremhæv filer med indførte efternavn: Opdater struktur 2 ved F6"), "",
                             QStyle::SP_CustomBase, QStringLiteral("Vis"));
    auto *isoler = sidekommando(this, QStringLiteral("aExtType2"),
                                QStringLiteral("Fremvis kun filer med indførte efternavn: Opdater struktur 2 ved F6"),
                                "", QStyle::SP_CustomBase, QStringLiteral("Isoler"));
    auto *rad = new QHBoxLayout;
    rad->setSpacing(2);
    rad->addWidget(m_efternavn, 1);
    rad->addWidget(knapper::trykknap(vis, boks));
    rad->addWidget(knapper::trykknap(isoler, boks));
    rad->addWidget(m_antal);
    l->addLayout(rad);
    return boks;
}

QAction *TSoegside::kommando(const QString &navn) const
{
    return findChild<QAction *>(navn, Qt::FindDirectChildrenOnly);
}

void TSoegside::forbind()
{
    connect(kommando("aSearch"), &QAction::triggered, this, &TSoegside::aSearch);
    connect(m_felt, &QLineEdit::returnPressed, this, [this] {
        if (kommando("aSearch")->isEnabled())
            aSearch();
    });
    connect(m_felt, &QLineEdit::textChanged, this, &TSoegside::opdaterKommandoer);
    connect(m_efternavn, &QLineEdit::textChanged, this, &TSoegside::opdaterKommandoer);
    connect(kommando("aStopSoegning"), &QAction::triggered, this, &TSoegside::stop);
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &TSoegside::stop,
                              Qt::WidgetWithChildrenShortcut);
    esc->setObjectName(QStringLiteral("escStop"));
    connect(kommando("aSoegInfo"), &QAction::triggered, this,
            [this] { emit hjaelp(QStringLiteral("Søg efter filer og mapper.html")); });
    connect(kommando("aRensLister"), &QAction::triggered, this, &TSoegside::rensLister);
    connect(kommando("mappePunktstruktur"), &QAction::triggered, this, [this] { lavStrukturAf(false, true); });
    connect(kommando("mappeNiveaustruktur"), &QAction::triggered, this, [this] { lavStrukturAf(false, false); });
    connect(kommando("filPunktstruktur"), &QAction::triggered, this, [this] { lavStrukturAf(true, true); });
    connect(kommando("filNiveaustruktur"), &QAction::triggered, this, [this] { lavStrukturAf(true, false); });
    connect(kommando("aExtType1"), &QAction::triggered, this, [this] { visFiltype(false); });
    connect(kommando("aExtType2"), &QAction::triggered, this, [this] { visFiltype(true); });

    for (TReopenFilerX *liste : {m_findDir, m_findFiler}) {
        QListView *boks = liste == m_findDir ? m_mappeliste : m_filliste;
        connect(boks, &QListView::clicked, liste, [liste] { liste->listeKlik(); });
        connect(boks, &QListView::doubleClicked, liste, [liste] { liste->dblListeKlik(); });
        connect(liste, &TReopenFiler::onListeKlik, this,
                [this](const QString &, const QString &sti) { emit statuslinje(sti); });
        connect(liste, &QAbstractItemModel::rowsInserted, this, &TSoegside::opdaterKommandoer);
        connect(liste, &QAbstractItemModel::rowsRemoved, this, &TSoegside::opdaterKommandoer);
        connect(liste, &QAbstractItemModel::modelReset, this, &TSoegside::opdaterKommandoer);
    }
    connect(m_findDir, &TReopenFiler::onDblListeKlik, this,
            [this](const QString &, const QString &sti) { emit visMappe(sti); });
    connect(m_findFiler, &TReopenFiler::onDblListeKlik, this,
            [this](const QString &, const QString &sti) { emit visFil(sti); });
}

void TSoegside::opdaterKommandoer()
{
    kommando("aSearch")->setEnabled(!m_soeger && !m_felt->text().isEmpty());
    kommando("aStopSoegning")->setEnabled(m_soeger);
    kommando("aRensLister")->setEnabled(!m_soeger);
    const bool mapper = !m_soeger && m_findDir->antal() > 0;
    const bool filer = !m_soeger && m_findFiler->antal() > 0;
    kommando("mappePunktstruktur")->setEnabled(mapper);
    kommando("mappeNiveaustruktur")->setEnabled(mapper);
    kommando("filPunktstruktur")->setEnabled(filer);
    kommando("filNiveaustruktur")->setEnabled(filer);
    const bool efternavn = !m_efternavn->text().isEmpty();
    kommando("aExtType1")->setEnabled(efternavn);
    kommando("aExtType2")->setEnabled(efternavn);
}

// ---------------------------------------------------------------- the search

void TSoegside::aSearch()
{
    if (m_soeger)
        return;
    Ventemarkoer markoer;
    m_findDir->DeleteAlleItems();
    m_findFiler->DeleteAlleItems();
    m_mappeOverskrift->setText(Mapper);
    m_filOverskrift->setText(Filer);
    m_status->setText(SoegEfter);
    m_fremdrift->setRange(0, 1);
    m_fremdrift->setValue(0);
    m_mappeLabel->clear();
    QString start = startSti ? startSti() : QString();
    if (filinfo::erFil(start) && !filinfo::erMappe(start))
        start = stier::mappeAf(start);
    QCoreApplication::processEvents();
    m_status->setText(QStringLiteral("Forbereder..."));
    const QString tekst = m_felt->text();
    if (tekst.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Der mangler en tekst!\rIndfør en tekst der skal søges efter i mappe og filnavne."));
        return;
    }
    m_mappeLabel->setText(stier::getLastDirectory(start));
    QCoreApplication::processEvents();
    findElement(start, tekst);
}

void TSoegside::findElement(const QString &mappe, const QString &tekst)
{
    m_soeger = true;
    m_stop = false;
    m_laengsteHul = 0;
    opdaterKommandoer();
    emit soegningBegynder();
    // The bar shows "busy" while the first pass counts.
    m_fremdrift->setRange(0, 0);
    m_ur.start();
    TNavnesoegning soegning(maksimum ? maksimum() : 120);
    const TNavnesoegning::Udfald udfald = soegning.findElement(mappe, tekst, *this);
    if (m_fremdrift->maximum() == 0)
        m_fremdrift->setRange(0, 1);
    if (!soegning.mappeOverskrift().isEmpty())
        m_mappeOverskrift->setText(soegning.mappeOverskrift());
    if (!soegning.filOverskrift().isEmpty())
        m_filOverskrift->setText(soegning.filOverskrift());
    m_soeger = false;
    opdaterKommandoer();
    if (udfald == TNavnesoegning::Udfald::Fejl)
        m_dialogs.inform(QStringLiteral("Information:\rDer opstod en ukendt fejl."));
    else if (udfald == TNavnesoegning::Udfald::Stoppet)
        m_status->setText(QStringLiteral("Søgningen blev stoppet."));
    emit soegningSlut();
}

void TSoegside::status(const QString &tekst)
{
    m_status->setText(tekst);
}

void TSoegside::setMaksimum(qint64 antal)
{
    m_fremdrift->setRange(0, int(qMin<qint64>(antal, INT_MAX)));
}

void TSoegside::setPosition(qint64 antal)
{
    m_fremdrift->setValue(int(qMin<qint64>(antal, m_fremdrift->maximum())));
}

void TSoegside::mappeFundet(const QString &sti, const QString &caption)
{
    m_findDir->InsertItem(sti, caption);
}

void TSoegside::filFundet(const QString &sti, const QString &caption)
{
    m_findFiler->InsertItem(sti, caption);
}

bool TSoegside::holdILive()
{
    // A few tens of milliseconds between rounds keep the window alive
    // without spending the walk's time on painting.
    const qint64 gaaet = m_ur.elapsed();
    if (gaaet >= 40) {
        m_laengsteHul = qMax(m_laengsteHul, gaaet);
        QCoreApplication::processEvents();
        m_ur.restart();
    }
    return !m_stop;
}

// ---------------------------------------------------------------- the other commands

void TSoegside::rensLister()
{
    m_felt->clear();
    m_felt->setPlaceholderText(QStringLiteral("Indfør søgeord"));
    m_status->setText(SoegEfter);
    m_findDir->DeleteAlleItems();
    m_findFiler->DeleteAlleItems();
    m_fremdrift->setRange(0, 1);
    m_fremdrift->setValue(0);
    m_mappeOverskrift->setText(Mapper);
    m_filOverskrift->setText(Filer);
}

void TSoegside::lavStrukturAf(bool filer, bool punkt)
{
    QStringList stier = (filer ? m_findFiler : m_findDir)->stier();
    if (filer) {
        for (QString &sti : stier)
            sti = stier::mappeAf(sti);
    }
    const QStringList mapper = eksisterendeMapper(stier);
    if (mapper.isEmpty()) {
        m_dialogs.inform(filer ? QStringLiteral("Der blev ikke fundet eksisterende emner i fillisten.\r")
                               : QStringLiteral("Der blev ikke fundet eksisterende emner i mappelisten.\r"));
        return;
    }
    emit struktur(mapper, punkt);
}

void TSoegside::visFiltype(bool isoler)
{
    const QString efternavn = m_efternavn->text();
    if (efternavn.isEmpty() || !filtype)
        return;
    const int n = filtype(efternavn, isoler);
    emit statuslinje(QStringLiteral("Der blev fundte ") + QString::number(n) + QStringLiteral(" filer af typen ")
                     + efternavn);
    m_antal->setText(QString::number(n));
    emit filtypeVist();
}
