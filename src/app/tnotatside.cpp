#include "app/tnotatside.h"

#include "app/hint.h"
#include "app/ikoner.h"
#include "app/navngivnekommandoer.h"
#include "core/dialogs.h"
#include "engines/netsoegning.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int titelRolle = Qt::UserRole;   // the note's title
constexpr int filRolle = Qt::UserRole + 1; // its file name in the folder

// The square before each row, in the desktop's highlight colour.
QIcon firkant()
{
    QPixmap p(12, 12);
    p.fill(Qt::transparent);
    QPainter maler(&p);
    maler.fillRect(QRect(2, 2, 8, 8), QApplication::palette().color(QPalette::Highlight));
    return QIcon(p);
}

QToolButton *knap(QAction *a, QWidget *eier, bool medTekst)
{
    auto *b = new QToolButton(eier);
    b->setObjectName(a->objectName() + QStringLiteral("Knap"));
    b->setDefaultAction(a);
    b->setToolButtonStyle(medTekst ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    b->setAutoRaise(true);
    return b;
}

} // namespace

TNotatside::TNotatside(Ramme ramme, QWidget *parent)
    : QWidget(parent)
    , m_ramme(std::move(ramme))
    , m_notater(QString())
{
    setObjectName(QStringLiteral("notatside"));

    QAction *google = lavKommando("googleUrl2", QStringLiteral("Google"), QStringLiteral("Søg på Google"));
    google->setIcon(ikoner::hent("web-browser", QStyle::SP_DriveNetIcon));
    QAction *gem = lavKommando("aGemNotat", QStringLiteral("Gem"), QStringLiteral("Gem nuværende notat: Ctrl+G"),
                               QKeySequence(Qt::CTRL | Qt::Key_G));
    gem->setIcon(ikoner::hent("document-save", QStyle::SP_DialogSaveButton));
    QAction *hent = lavKommando("aHentNotat", QStringLiteral("Hent"), QStringLiteral("Hent valgte notat: Ctrl+H"),
                                QKeySequence(Qt::CTRL | Qt::Key_H));
    hent->setIcon(ikoner::hent("document-open", QStyle::SP_DialogOpenButton));
    QAction *ny = lavKommando("nytNotat", QStringLiteral("Nyt"), QStringLiteral("Opret nyt notat"));
    ny->setIcon(ikoner::hent("document-new", QStyle::SP_FileIcon));
    QAction *mappe = lavKommando("visNotatmappe", QStringLiteral("Mappe"), QStringLiteral("Vis notatmappe"));
    mappe->setIcon(ikoner::hent("folder-open", QStyle::SP_DirOpenIcon));
    QAction *opdater = lavKommando("opdaterNotater", QStringLiteral("Opdater"), QStringLiteral("Opdater listen"));
    opdater->setIcon(ikoner::hent("view-refresh", QStyle::SP_BrowserReload));

    connect(google, &QAction::triggered, this, [this] {
        m_ramme.aabnAdresse(netsoegning::adresse(netsoegning::Tjeneste::Google,
                                                 netsoegning::soegeord(m_notatEdit->text())));
    });
    connect(gem, &QAction::triggered, this, &TNotatside::gemNotat);
    connect(hent, &QAction::triggered, this, &TNotatside::hentNotat);
    connect(ny, &QAction::triggered, this, &TNotatside::nytNotat);
    connect(mappe, &QAction::triggered, this, &TNotatside::visMappe);
    connect(opdater, &QAction::triggered, this, &TNotatside::hentNotater);

    auto *overskrift = new QLabel(QStringLiteral("Overskrift"), this);
    m_notatEdit = new QLineEdit(this);
    m_notatEdit->setObjectName(QStringLiteral("notatEdit"));
    hint::saet(m_notatEdit, QStringLiteral("Overskriften danner filnavnet"));
    m_notatEdit->setPlaceholderText(QStringLiteral("Indfør ny eller vælg eksisterende"));
    m_notatEdit->installEventFilter(this);

    m_listeLabel = new QLabel(QStringLiteral("Eksisterende notater"), this);
    m_listeLabel->setObjectName(QStringLiteral("notatLabel"));
    m_notatBox = new QListWidget(this);
    m_notatBox->setObjectName(QStringLiteral("notatBox"));
    connect(m_notatBox, &QListWidget::itemDoubleClicked, this, [this] {
        if (kommando(QStringLiteral("aHentNotat"))->isEnabled())
            hentNotat();
        m_nytNotatNavn = false;
    });

    m_notatMemo = new QPlainTextEdit(this);
    m_notatMemo->setObjectName(QStringLiteral("notatMemo"));
    lavMemoMenu();

    auto *titellinje = new QHBoxLayout;
    titellinje->addWidget(overskrift, 1);
    titellinje->addWidget(knap(google, this, false));
    auto *knapper = new QHBoxLayout;
    knapper->setSpacing(2);
    knapper->addWidget(knap(gem, this, true));
    knapper->addWidget(knap(hent, this, true));
    knapper->addStretch(1);
    for (QAction *a : {ny, mappe, opdater})
        knapper->addWidget(knap(a, this, false));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(titellinje);
    layout->addWidget(m_notatEdit);
    layout->addWidget(m_listeLabel);
    layout->addWidget(m_notatBox, 2);
    layout->addLayout(knapper);
    layout->addWidget(m_notatMemo, 3);

    connect(m_notatEdit, &QLineEdit::textChanged, this, &TNotatside::opdaterKommandoer);
    connect(m_notatMemo, &QPlainTextEdit::modificationChanged, this, &TNotatside::opdaterKommandoer);
    connect(m_notatMemo, &QPlainTextEdit::textChanged, this, &TNotatside::opdaterKommandoer);
    connect(m_notatMemo, &QPlainTextEdit::selectionChanged, this, &TNotatside::opdaterKommandoer);
    connect(m_notatBox, &QListWidget::itemSelectionChanged, this, &TNotatside::opdaterKommandoer);
    opdaterKommandoer();
}

QAction *TNotatside::lavKommando(const char *navn, const QString &tekst, const QString &hintTekst,
                                 const QKeySequence &tast)
{
    return navngivne::lavMedLokalTast(this, navn, tekst, hintTekst, tast);
}

void TNotatside::lavMemoMenu()
{
    QPlainTextEdit *memo = m_notatMemo;
    memo->setContextMenuPolicy(Qt::CustomContextMenu);
    auto *menu = new QMenu(memo);
    menu->setObjectName(QStringLiteral("notatMenu"));
    const struct
    {
        const char *navn;
        const char *tekst;
        const char *hint;
        QKeySequence tast;
        void (QPlainTextEdit::*handling)();
    } tabel[] = {
        {"Annuler", "Annuler", "Annuller sidste aktion", QKeySequence::Undo, &QPlainTextEdit::undo},
        {"Klip", "Klip", "Klipper valgte til klipbordet", QKeySequence::Cut, &QPlainTextEdit::cut},
        {"Kopier", "Kopier", "Kopierer valgte til klipbordet", QKeySequence::Copy, &QPlainTextEdit::copy},
        {"SaetInd", "Sæt ind", "Indsætter indholdet fra klipbordet", QKeySequence::Paste, &QPlainTextEdit::paste},
        {"Slet", "Slet", "Slet valgte tekst", QKeySequence::Delete, nullptr},
        {"VaelgAlt", "Vælg alt", "Vælg alt", QKeySequence::SelectAll, &QPlainTextEdit::selectAll},
    };
    for (const auto &k : tabel) {
        auto *a = new QAction(QString::fromUtf8(k.tekst), memo);
        a->setObjectName(QLatin1String(k.navn));
        hint::saet(a, QString::fromUtf8(k.hint));
        // The keys themselves are the editor's own; the menu only names them.
        a->setShortcut(k.tast);
        a->setShortcutContext(Qt::WidgetShortcut);
        if (k.handling)
            connect(a, &QAction::triggered, memo, k.handling);
        else
            connect(a, &QAction::triggered, memo, [memo] { memo->textCursor().removeSelectedText(); });
        if (qstrcmp(k.navn, "VaelgAlt") == 0)
            continue;   // a command without a menu entry
        if (qstrcmp(k.navn, "Klip") == 0 || qstrcmp(k.navn, "Slet") == 0)
            menu->addSeparator();
        menu->addAction(a);
    }
    connect(memo, &QPlainTextEdit::customContextMenuRequested, menu, [menu, memo](const QPoint &p) {
        const bool valgt = memo->textCursor().hasSelection();
        menu->findChild<QAction *>(QStringLiteral("Annuler"))->setEnabled(memo->document()->isUndoAvailable());
        for (const char *navn : {"Klip", "Kopier", "Slet"})
            menu->findChild<QAction *>(QLatin1String(navn))->setEnabled(valgt && (qstrcmp(navn, "Kopier") == 0
                                                                                  || !memo->isReadOnly()));
        menu->findChild<QAction *>(QStringLiteral("SaetInd"))->setEnabled(memo->canPaste());
        menu->popup(memo->mapToGlobal(p));
    });
}

QAction *TNotatside::kommando(const QString &navn) const
{
    return navngivne::find(this, navn);
}

bool TNotatside::aendret() const
{
    return m_notatEdit->isModified() || m_notatMemo->document()->isModified();
}

void TNotatside::opdaterKommandoer()
{
    kommando(QStringLiteral("aGemNotat"))->setEnabled(aendret() && !m_notatEdit->text().isEmpty());
    kommando(QStringLiteral("aHentNotat"))->setEnabled(!m_notatBox->selectedItems().isEmpty());
}

bool TNotatside::eventFilter(QObject *objekt, QEvent *e)
{
    // Any key typed in the title field makes the title a new one.
    if (objekt == m_notatEdit && e->type() == QEvent::KeyPress)
        m_nytNotatNavn = true;
    return QWidget::eventFilter(objekt, e);
}

void TNotatside::tilfoejRaekke(const TNotater::Notat &notat)
{
    auto *raekke = new QListWidgetItem(firkant(), notat.titel, m_notatBox);
    raekke->setData(titelRolle, notat.titel);
    raekke->setData(filRolle, notat.filnavn);
}

void TNotatside::hentNotater()
{
    m_notatBox->clear();
    m_notatEdit->clear();
    QList<TNotater::Notat> notater;
    const bool ok = m_notater.list(notater);
    for (const TNotater::Notat &n : std::as_const(notater))
        tilfoejRaekke(n);
    if (ok)
        m_listeLabel->setText(QStringLiteral("Eksisterende notater: %1").arg(m_notatBox->count()));
    else
        m_ramme.dialogs->inform(QStringLiteral("Der opstod en fejl i forbindelse med indlæsningen af notatfiler."));
    opdaterKommandoer();
}

void TNotatside::nytNotat()
{
    if (kommando(QStringLiteral("aGemNotat"))->isEnabled()
        && !m_ramme.dialogs->ask(QStringLiteral("Nuværende notat er redigeret men ikke gemt.\r"
                                                "Skal der startes et nyt notat alligevel?")))
        return;
    m_notatEdit->clear();
    m_notatEdit->setModified(false);
    m_notatMemo->clear();
    m_notatMemo->document()->setModified(false);
    m_nytNotatNavn = false;
    m_notatEdit->setFocus();
    opdaterKommandoer();
}

void TNotatside::gemNotat()
{
    const QString titel = m_notatEdit->text();
    const QString sti = m_notater.sti(titel);
    if (sti.isEmpty())
        return;
    if (!TNotater::kanGemmes(sti)) {
        m_ramme.dialogs->inform(QStringLiteral("Overskriften indeholder tegn, der ikke kan gemmes i et filnavn.\r"
                                               "Gem notatet under en anden overskrift."));
        return;
    }
    const bool fandtes = TNotater::findes(sti);
    if (m_nytNotatNavn && fandtes
        && !m_ramme.dialogs->ask(QStringLiteral("Filnavn:\r") + sti + QStringLiteral("\rSkal denne fil overskrives?")))
        return;
    // A failed save keeps the text and its changed state, so nothing is lost.
    if (m_notater.gem(sti, m_notatMemo->toPlainText()) != tekstfil::Skrivning::Skrevet) {
        m_ramme.dialogs->inform(QStringLiteral("Notatet kunne ikke gemmes i:\r") + sti
                                + QStringLiteral("\rTeksten er ikke gået tabt; prøv igen eller gem under en "
                                                 "anden overskrift."));
        return;
    }
    if (!fandtes)
        tilfoejRaekke({titel, sti.mid(m_notater.mappe().size())});
    m_notatEdit->setModified(false);
    m_notatMemo->document()->setModified(false);
    m_nytNotatNavn = false;
    opdaterKommandoer();
}

void TNotatside::hentNotat()
{
    QListWidgetItem *raekke = m_notatBox->currentItem();
    if (!raekke || !raekke->isSelected())
        raekke = m_notatBox->selectedItems().value(0);
    if (!raekke)
        return;
    if (kommando(QStringLiteral("aGemNotat"))->isEnabled()
        && !m_ramme.dialogs->ask(QStringLiteral("Nuværende notat er ikke gemt.\r"
                                                "Skal der åbnes et nyt notat alligevel?")))
        return;
    const QString sti = m_notater.stiForFil(raekke->data(filRolle).toString());
    QString tekst;
    if (!TNotater::findes(sti)) {
        m_ramme.dialogs->inform(QStringLiteral("Filen blev ikke fundet.\r"));
        return;
    }
    if (!TNotater::hent(sti, tekst)) {
        m_ramme.dialogs->inform(QStringLiteral("Notatet kunne ikke læses:\r") + sti);
        return;
    }
    m_notatEdit->setText(raekke->data(titelRolle).toString());
    m_notatEdit->setModified(false);
    m_notatMemo->setPlainText(tekst);
    m_notatMemo->document()->setModified(false);
    m_nytNotatNavn = false;
    opdaterKommandoer();
}

void TNotatside::visMappe()
{
    const QList<QListWidgetItem *> valgte = m_notatBox->selectedItems();
    m_ramme.visNotatmappe(valgte.isEmpty() ? QString()
                                           : m_notater.stiForFil(valgte.first()->data(filRolle).toString()));
}
