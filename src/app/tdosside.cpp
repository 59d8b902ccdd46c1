#include "app/tdosside.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/navngivnekommandoer.h"
#include "core/dialogs.h"
#include "engines/dos/konsoller.h"
#include "engines/dos/tdosbibliotek.h"
#include "platform/aabner.h"
#include "shell/vinduesdele.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int raekkeHoejde = 19;

QToolButton *knap(QAction *a, bool medTekst)
{
    auto *b = new QToolButton;
    b->setDefaultAction(a);
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    b->setToolButtonStyle(medTekst ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    b->setAutoRaise(false);
    return b;
}

} // namespace

TDosside::TDosside(Dialogs &dialogs, const Hovedvindue &hoved, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_bibliotek(new TDosbibliotek(dialogs, this))
{
    setObjectName(QStringLiteral("dosside"));
    if (!m_hoved.aabnUrl)
        m_hoved.aabnUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    lavKommando("aRediger", QStringLiteral("Rediger"), QStringLiteral("Rediger valgte"), "document-edit",
                QStyle::SP_FileDialogDetailedView, &TDosside::aRediger);
    lavKommando("aSorter", QStringLiteral("Sorter"),
                QStringLiteral("Sorter listen alfabetisk. Tryk Gem for at bevare listen som sorteret"),
                "view-sort-ascending", QStyle::SP_FileDialogListView, &TDosside::sorter);
    lavKommando("aSletAltDos", QStringLiteral("Slet alt"),
                QStringLiteral("Sletter alle kommandoer, der er indført i listen"), "edit-clear-all",
                QStyle::SP_DialogResetButton, &TDosside::aSletAltDos);
    lavKommando("aSletDos", QStringLiteral("Slet valgte"), QStringLiteral("Slet valgte"), "edit-delete",
                QStyle::SP_TrashIcon, &TDosside::aSletDos);
    lavKommando("aDosOp", QString(), QStringLiteral("Flyt valgte op"), "go-up", QStyle::SP_ArrowUp,
                &TDosside::aDosOp);
    lavKommando("aDosNed", QString(), QStringLiteral("Flyt valgte ned"), "go-down", QStyle::SP_ArrowDown,
                &TDosside::aDosNed);
    lavKommando("aGemDosListe", QString(), QStringLiteral("Gem listen med aktuelle rækkefølge"),
                "document-save", QStyle::SP_DialogSaveButton, &TDosside::gemListe);
    lavKommando("aPowerShell", QString(), QStringLiteral("Åben en PowerShell-konsol"), "text-x-script",
                QStyle::SP_ComputerIcon, &TDosside::powerShell);
    lavKommando("aKonsol", QString(), QStringLiteral("Åben en dos-konsol"), "utilities-terminal",
                QStyle::SP_CommandLink, &TDosside::konsol);
    lavKommando("aGoBoks", QStringLiteral("Kørkassen"), QStringLiteral("Åbner Kør-kassen"), "system-run",
                QStyle::SP_MediaPlay, &TDosside::aGoBoks);
    lavKommando("aInsertDos", QStringLiteral("Gem"), QStringLiteral("Indfør kommandoen i kommandolisten"),
                "document-save", QStyle::SP_DialogSaveButton, &TDosside::aInsertDos);
    lavKommando("aNyDos", QStringLiteral("Ny"), QStringLiteral("Klargør til ny kommando"), "document-new",
                QStyle::SP_FileIcon, &TDosside::aNyDos);
    lavKommando("googleUrlDos", QString(), QStringLiteral("Søg på Google"), "web-browser",
                QStyle::SP_DriveNetIcon, &TDosside::googleUrlDos);

    m_undersider = new QTabWidget(this);
    m_undersider->setObjectName(QStringLiteral("dosBog"));
    // Both sub-page captions fit the panel's width side by side.
    QFont skrift = m_undersider->tabBar()->font();
    skrift.setPointSizeF(skrift.pointSizeF() * 0.9);
    m_undersider->tabBar()->setFont(skrift);
    m_undersider->setUsesScrollButtons(false);
    m_undersider->addTab(lavKommandoside(), QStringLiteral("Dos kommandoer"));
    m_undersider->addTab(lavIndfoerside(), QStringLiteral("Indfør kommandoer"));
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(m_undersider);

    TReopenFilerY *liste = m_bibliotek->dosFiler();
    connect(liste, &QAbstractItemModel::modelReset, this, &TDosside::opdaterKommandoer);
    connect(liste, &QAbstractItemModel::rowsInserted, this, &TDosside::opdaterKommandoer);
    connect(liste, &QAbstractItemModel::rowsRemoved, this, &TDosside::opdaterKommandoer);
    connect(liste->valg(), &QItemSelectionModel::selectionChanged, this, &TDosside::opdaterKommandoer);
    connect(m_bibliotek, &TDosbibliotek::raekkefoelgeAendret, this, [this] {
        m_listeKanGemmes = true;
        opdaterKommandoer();
    });
    opdaterKommandoer();
}

QAction *TDosside::lavKommando(const char *navn, const QString &tekst, const QString &hintTekst, const char *tema,
                               int reserve, void (TDosside::*handling)())
{
    QAction *a = navngivne::lav(this, navn, tekst, hintTekst);
    a->setIcon(ikoner::hent(tema, QStyle::StandardPixmap(reserve)));
    connect(a, &QAction::triggered, this, handling);
    return a;
}

QAction *TDosside::kommando(const char *navn) const
{
    return navngivne::find(this, QLatin1String(navn));
}

QWidget *TDosside::lavKommandoside()
{
    auto *side = new QWidget;
    auto *l = new QVBoxLayout(side);
    l->setContentsMargins(4, 4, 4, 4);

    TReopenFilerY *liste = m_bibliotek->dosFiler();
    m_dosBoxen = new QListView;
    m_dosBoxen->setObjectName(QStringLiteral("dosBoxen"));
    m_dosBoxen->setModel(liste);
    m_dosBoxen->setSelectionModel(liste->valg());
    m_dosBoxen->setItemDelegate(new vinduesdele::TMaerketRaekke(
        // A light red square.
        [](QPainter *maler, const QRect &felt, bool, const QPalette &) { maler->fillRect(felt, QColor(255, 128, 128)); },
        raekkeHoejde, m_dosBoxen));
    m_dosBoxen->setSelectionMode(QAbstractItemView::SingleSelection);
    m_dosBoxen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_dosBoxen->setUniformItemSizes(true);
    m_dosBoxen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);   // long captions are cut with "…"
    connect(m_dosBoxen, &QListView::clicked, this, &TDosside::visBeskrivelse);
    l->addWidget(m_dosBoxen, 3);

    m_memoDos = new QPlainTextEdit;
    m_memoDos->setObjectName(QStringLiteral("MemoDos"));
    m_memoDos->setReadOnly(true);
    m_memoDos->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    l->addWidget(m_memoDos, 2);

    auto *gitter = new QGridLayout;
    gitter->setSpacing(3);
    gitter->addWidget(knap(kommando("aRediger"), true), 0, 0);
    gitter->addWidget(knap(kommando("aSorter"), true), 0, 1);
    gitter->addWidget(knap(kommando("aSletAltDos"), true), 1, 0);
    gitter->addWidget(knap(kommando("aSletDos"), true), 1, 1);
    for (int i = 0; i < 2; ++i)
        for (int r = 0; r < 2; ++r)
            gitter->itemAtPosition(r, i)->widget()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *smaa = new QHBoxLayout;
    smaa->setSpacing(3);
    for (const char *navn : {"aDosOp", "aDosNed", "aGemDosListe", "aPowerShell", "aKonsol"})
        smaa->addWidget(knap(kommando(navn), false));
    smaa->addStretch();
    l->addLayout(gitter);
    l->addLayout(smaa);
    QToolButton *goBoks = knap(kommando("aGoBoks"), true);
    goBoks->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    l->addWidget(goBoks);
    return side;
}

QWidget *TDosside::lavIndfoerside()
{
    auto *side = new QWidget;
    auto *l = new QVBoxLayout(side);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(vinduesdele::overskrift(QStringLiteral("Kommando")));
    auto *raekke = new QHBoxLayout;
    m_dosEdit = new QLineEdit;
    m_dosEdit->setObjectName(QStringLiteral("dosEdit"));
    m_dosEdit->setPlaceholderText(QStringLiteral("Indfør den nye kommando her"));
    hint::saet(m_dosEdit, QStringLiteral("Indfør ny tekst til valgte punkt"));
    connect(m_dosEdit, &QLineEdit::textChanged, this, &TDosside::opdaterKommandoer);
    raekke->addWidget(m_dosEdit, 1);
    raekke->addWidget(knap(kommando("googleUrlDos"), false));
    l->addLayout(raekke);

    l->addWidget(vinduesdele::overskrift(QStringLiteral("Beskrivelse")));
    m_dosMemo = new QPlainTextEdit;
    m_dosMemo->setObjectName(QStringLiteral("dosMemo"));
    m_dosMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(m_dosMemo, &QPlainTextEdit::textChanged, this, &TDosside::opdaterKommandoer);
    l->addWidget(m_dosMemo, 1);

    auto *knapper = new QHBoxLayout;
    knapper->addWidget(knap(kommando("aInsertDos"), true));
    knapper->addWidget(knap(kommando("aNyDos"), true));
    knapper->addStretch();
    l->addLayout(knapper);
    m_dosCheck = new QCheckBox(QStringLiteral("Klargør til ny efter gem"));
    m_dosCheck->setObjectName(QStringLiteral("dosCheck"));
    hint::saet(m_dosCheck, QStringLiteral("Placer øverst eller nederst"));
    l->addWidget(m_dosCheck);
    return side;
}

void TDosside::saetMapper(const QString &dosMappe, const QString &optMappe)
{
    m_bibliotek->saetMapper(dosMappe, optMappe);
}

void TDosside::hent()
{
    m_bibliotek->hent();
    opdaterKommandoer();
}

void TDosside::opdaterKommandoer()
{
    TReopenFilerY *liste = m_bibliotek->dosFiler();
    const int valgt = liste->valgtLinje();
    kommando("aRediger")->setEnabled(valgt >= 0);
    kommando("aSletAltDos")->setEnabled(liste->antal() > 0);
    kommando("aSletDos")->setEnabled(valgt >= 0);
    kommando("aDosOp")->setEnabled(valgt > 0);
    kommando("aDosNed")->setEnabled(valgt >= 0 && valgt < liste->antal() - 1);
    kommando("aGemDosListe")->setEnabled(m_listeKanGemmes);
    if (!m_dosEdit || !m_dosMemo)
        return;
    const bool kommandoTekst = !m_dosEdit->text().isEmpty();
    const bool beskrivelse = !m_dosMemo->toPlainText().isEmpty();
    const bool aendret = m_dosEdit->isModified() || m_dosMemo->document()->isModified();
    kommando("aInsertDos")->setEnabled(kommandoTekst && beskrivelse && aendret);
    kommando("aNyDos")->setEnabled(kommandoTekst || beskrivelse);
    kommando("googleUrlDos")->setEnabled(kommandoTekst);
}

void TDosside::visBeskrivelse()
{
    if (const std::optional<QString> tekst = m_bibliotek->valgtBeskrivelse())
        m_memoDos->setPlainText(*tekst);
}

void TDosside::markerUaendret()
{
    m_dosEdit->setModified(false);
    m_dosMemo->document()->setModified(false);
    opdaterKommandoer();
}

void TDosside::aRediger()
{
    TReopenFilerY *liste = m_bibliotek->dosFiler();
    const int valgt = liste->valgtLinje();
    if (valgt < 0)
        return;
    m_dosEdit->setText(liste->GetCaption(valgt));
    m_dosMemo->setPlainText(m_memoDos->toPlainText());
    markerUaendret();
    m_undersider->setCurrentIndex(1);
}

void TDosside::sorter()
{
    m_bibliotek->sorter();
}

void TDosside::aSletAltDos()
{
    m_bibliotek->sletAlt();
}

void TDosside::aSletDos()
{
    m_bibliotek->sletValgte();
}

void TDosside::aDosOp()
{
    m_bibliotek->flytOp();
}

void TDosside::aDosNed()
{
    m_bibliotek->flytNed();
}

void TDosside::gemListe()
{
    if (!m_bibliotek->gemListe())
        return;
    m_listeKanGemmes = false;
    opdaterKommandoer();
}

void TDosside::aInsertDos()
{
    if (!kommando("aInsertDos")->isEnabled())
        return;
    if (!m_bibliotek->gem(m_dosEdit->text(), m_dosMemo->toPlainText()))
        return;
    // The saved command is the selected row; its description box shows it.
    m_memoDos->setPlainText(m_dosMemo->toPlainText());
    markerUaendret();
    if (m_dosCheck->isChecked())
        aNyDos();
}

void TDosside::aNyDos()
{
    m_dosEdit->clear();
    m_dosMemo->clear();
    m_dosEdit->setPlaceholderText(QStringLiteral("Indfør ny kommando"));
    markerUaendret();
    m_dosEdit->setFocus();
}

void TDosside::googleUrlDos()
{
    if (!m_dosEdit->text().isEmpty())
        m_hoved.aabnUrl(TDosbibliotek::googleUrl(m_dosEdit->text()));
}

void TDosside::konsol()
{
    const int kode = konsoller::aabnKonsol(m_hoved.editSti ? m_hoved.editSti() : QString());
    if (kode <= 32 && m_hoved.fejl)
        m_hoved.fejl(kode);
}

void TDosside::powerShell()
{
    const int kode = konsoller::aabnPowerShell();
    if (kode <= 32 && m_hoved.fejl)
        m_hoved.fejl(kode);
}

void TDosside::aGoBoks()
{
    m_dialogs.inform(konsoller::koerkasseTekst());
    const int kode = konsoller::aabnKoerkasse();
    if (kode <= 32 && kode != aabner::IngenTilknytning)
        m_dialogs.inform(QStringLiteral("Ukendt fejl!\rKør-kassen kunne ikke åbnes."));
}
