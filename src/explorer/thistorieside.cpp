#include "explorer/thistorieside.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/treopenfilery.h"
#include "explorer/knapper.h"
#include "explorer/treopentegner.h"
#include "platform/filinfo.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

namespace {

// After a deletion the same line, or the one above when the last went.
int linjeEfterSletning(int slettet, int antal)
{
    if (antal == 0)
        return -1;
    return qMin(slettet, antal - 1);
}

} // namespace

THistorieside::THistorieside(TReopenFilerY *liste, Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_liste(liste)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("historieside"));
    using knapper::sidekommando;
    const QList<QAction *> kommandoer = {
        sidekommando(this, "hInformation", "Information om Historielisten", "help-about",
                     QStyle::SP_MessageBoxInformation),
        sidekommando(this, "hGem", "Gem nuværende liste", "document-save", QStyle::SP_DialogSaveButton),
        sidekommando(this, "hHent", "Erstat nuværende liste med den tidligere gemte", "document-open",
                     QStyle::SP_DialogOpenButton),
        sidekommando(this, "hOp", "Flyt valgte op", "go-up", QStyle::SP_ArrowUp),
        sidekommando(this, "hNed", "Flyt valgte ned", "go-down", QStyle::SP_ArrowDown),
        sidekommando(this, "hSlet", "Slet valgte", "edit-delete", QStyle::SP_DialogDiscardButton),
        sidekommando(this, "hClearListe", "Ryd hele listen", "edit-clear-all", QStyle::SP_DialogResetButton),
        sidekommando(this, "hStruktur", "Fremstil en punktstruktur", "view-list-details",
                     QStyle::SP_FileDialogListView),
        sidekommando(this, "hStruktur2", "Fremstil en niveaustruktur", "view-list-tree",
                     QStyle::SP_FileDialogDetailedView),
    };
    m_listeboks = TReopenTegner::lavListeboks(m_liste, m_liste->valg(), this);
    m_listeboks->setObjectName(QStringLiteral("historieListe"));
    m_listeboks->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto *titel = new QLabel(QStringLiteral("Besøgte mapper"), this);
    titel->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(titel);
    layout->addLayout(knapper::knaprad(this, kommandoer));
    layout->addWidget(m_listeboks, 1);

    connect(kommando("hInformation"), &QAction::triggered, this,
            [this] { emit hjaelp(QStringLiteral("Besøgte mapper.html")); });
    connect(kommando("hGem"), &QAction::triggered, this, &THistorieside::gem);
    connect(kommando("hHent"), &QAction::triggered, this, &THistorieside::hent);
    connect(kommando("hOp"), &QAction::triggered, this, [this] { flyt(true); });
    connect(kommando("hNed"), &QAction::triggered, this, [this] { flyt(false); });
    connect(kommando("hSlet"), &QAction::triggered, this, &THistorieside::sletValgte);
    connect(kommando("hClearListe"), &QAction::triggered, this, [this] {
        if (m_liste->SletAlleItems())
            markerAendret();
    });
    connect(kommando("hStruktur"), &QAction::triggered, this, [this] { lavStruktur(true); });
    connect(kommando("hStruktur2"), &QAction::triggered, this, [this] { lavStruktur(false); });

    connect(m_listeboks, &QListView::clicked, this, [this] { m_liste->listeKlik(); });
    connect(m_listeboks, &QListView::doubleClicked, this, [this] { m_liste->dblListeKlik(); });
    connect(m_liste, &TReopenFiler::onListeKlik, this,
            [this](const QString &, const QString &sti) { emit statuslinje(sti); });
    connect(m_liste, &TReopenFiler::onDblListeKlik, this,
            [this](const QString &, const QString &sti) { emit visMappe(sti); });

    connect(m_liste, &QAbstractItemModel::modelReset, this, &THistorieside::opdaterKommandoer);
    connect(m_liste, &QAbstractItemModel::rowsInserted, this, &THistorieside::opdaterKommandoer);
    connect(m_liste, &QAbstractItemModel::rowsRemoved, this, &THistorieside::opdaterKommandoer);
    connect(m_liste->valg(), &QItemSelectionModel::selectionChanged, this, &THistorieside::opdaterKommandoer);
    connect(m_liste->valg(), &QItemSelectionModel::currentChanged, this, &THistorieside::opdaterKommandoer);
    opdaterKommandoer();
}

QAction *THistorieside::kommando(const QString &navn) const
{
    return findChild<QAction *>(navn, Qt::FindDirectChildrenOnly);
}

void THistorieside::markerAendret()
{
    m_aendret = true;
    opdaterKommandoer();
}

void THistorieside::opdaterKommandoer()
{
    const int linje = m_liste->valgtLinje();
    const int antal = m_liste->antal();
    kommando("hGem")->setEnabled(m_aendret);
    kommando("hOp")->setEnabled(linje > 0);
    kommando("hNed")->setEnabled(linje >= 0 && linje < antal - 1);
    kommando("hSlet")->setEnabled(linje >= 0);
    for (const char *n : {"hClearListe", "hStruktur", "hStruktur2"})
        kommando(QLatin1String(n))->setEnabled(antal > 0);
}

void THistorieside::gem()
{
    if (!m_liste->GemReopenFiler())
        return;
    m_aendret = false;
    opdaterKommandoer();
    emit statuslinje(QStringLiteral("Listen er gemt!"));
}

void THistorieside::hent()
{
    if (!QFileInfo(m_liste->itemfile()).isFile()) {
        m_dialogs.inform(QStringLiteral("Der blev ikke fundet en gemt historieliste."));
        return;
    }
    m_liste->HentReopenFiler();
    m_aendret = false;
    opdaterKommandoer();
    emit statuslinje(QStringLiteral("Listen er hentet!"));
}

void THistorieside::flyt(bool op)
{
    const int linje = m_liste->valgtLinje();
    if (!(op ? m_liste->flytOp(linje) : m_liste->flytNed(linje)))
        return;
    m_liste->MakeListeMenu();
    m_liste->vaelgLinje(op ? linje - 1 : linje + 1);
    markerAendret();
}

void THistorieside::sletValgte()
{
    const int linje = m_liste->valgtLinje();
    if (linje < 0)
        return;
    m_liste->DeleteItem(linje);
    m_liste->vaelgLinje(linjeEfterSletning(linje, m_liste->antal()));
    markerAendret();
}

void THistorieside::lavStruktur(bool punkt)
{
    QStringList mapper;
    for (const QString &sti : m_liste->stier())
        if (filinfo::erMappe(sti))
            mapper.append(sti);
    if (mapper.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Der blev ikke fundet eksisterende emner i historielisten."));
        return;
    }
    emit struktur(mapper, punkt);
}

bool THistorieside::eventFilter(QObject *objekt, QEvent *event)
{
    if (objekt == m_listeboks && event->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent *>(event)->key();
        if (tast == Qt::Key_Return || tast == Qt::Key_Enter || tast == Qt::Key_Space) {
            // Enter shows the folder when it is still there, silently nothing otherwise.
            const int linje = m_liste->valgtLinje();
            if (linje >= 0 && m_liste->findes(linje))
                emit visMappe(m_liste->GetFilnavn(linje));
            return true;
        }
    }
    return QWidget::eventFilter(objekt, event);
}
