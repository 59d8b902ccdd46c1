#include "explorer/tfavoritside.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/treopenfilerx.h"
#include "explorer/knapper.h"
#include "explorer/treopentegner.h"
#include "platform/filinfo.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSet>
#include <QVBoxLayout>

namespace {

enum Plads { Info, Vis, Op, Ned, Slet, SletAlle, Punkt, Niveau, Kopier, Omdoeb };

const QString IngenFavoritter = QStringLiteral("Der blev ikke fundet eksisterende emner i favoritlisten.");

} // namespace

TFavoritside::TFavoritside(TReopenFilerX *mapper, TReopenFilerX *filer, Dialogs &dialogs, QWidget *parent)
    : QTabWidget(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("favoritBog"));
    m_mapper.liste = mapper;
    m_mapper.navne = {"mInformation", "MLVisMappe", "fOp", "fNed", "fSletValgte", "fSletAlle",
                      "fStruktur", "fStruktur1", "fKopier", "fRenameCaption"};
    m_filer.liste = filer;
    m_filer.filer = true;
    m_filer.navne = {"fInformation", "FLVisMappe", "FLop", "FLned", "FLsletValgte", "FLsletAlle",
                     "fxStruktur", "fxStruktur1", "fLkopier", "FLRenameCaption"};
    addTab(lavUnderside(m_mapper), QStringLiteral("Mapper"));
    addTab(lavUnderside(m_filer), QStringLiteral("Filer"));
    forbind(m_mapper);
    forbind(m_filer);

    connect(kommando("FLopen"), &QAction::triggered, this, [this] { emit aabnFil(valgtSti(m_filer), 0); });
    connect(kommando("FLopenEdit"), &QAction::triggered, this, [this] { emit aabnFil(valgtSti(m_filer), 1); });
    connect(kommando("FLopenProgram"), &QAction::triggered, this, [this] {
        const QString sti = valgtSti(m_filer);
        if (filinfo::erFil(sti))
            emit aabnMedProgram(sti);
    });
    opdaterKommandoer();
}

QWidget *TFavoritside::lavUnderside(Underside &u)
{
    using knapper::sidekommando;
    auto *side = new QWidget(this);
    auto navn = [&u](int plads) { return u.navne.at(plads); };
    const QString element = u.filer ? QStringLiteral("fil") : QStringLiteral("mappe");
    const QList<QAction *> raekke = {
        sidekommando(this, navn(Info), QStringLiteral("Information"), "help-about", QStyle::SP_MessageBoxInformation),
        sidekommando(this, navn(Vis),
                     u.filer ? QStringLiteral("Indstil Struktur 2 til valgte fils mappe")
                             : QStringLiteral("Indstil Struktur 2 til valgte mappe"),
                     "go-jump", QStyle::SP_DirOpenIcon),
        sidekommando(this, navn(Op), QStringLiteral("Flyt valgte op"), "go-up", QStyle::SP_ArrowUp),
        sidekommando(this, navn(Ned), QStringLiteral("Flyt valgte ned"), "go-down", QStyle::SP_ArrowDown),
        sidekommando(this, navn(Slet), QStringLiteral("Slet valgte element fra listen"), "edit-delete",
                     QStyle::SP_DialogDiscardButton),
        sidekommando(this, navn(SletAlle), QStringLiteral("Slet alle elementer fra listen"), "edit-clear-all",
                     QStyle::SP_DialogResetButton),
        sidekommando(this, navn(Punkt), QStringLiteral("Fremstil en punktstruktur"), "view-list-details",
                     QStyle::SP_FileDialogListView),
        sidekommando(this, navn(Niveau), QStringLiteral("Fremstil en niveaustruktur"), "view-list-tree",
                     QStyle::SP_FileDialogDetailedView),
        sidekommando(this, navn(Kopier), QStringLiteral("Indsæt valgte %1 i klipbordet").arg(element), "edit-copy",
                     QStyle::SP_FileLinkIcon),
    };
    QAction *omdoeb = sidekommando(this, navn(Omdoeb), QStringLiteral("Omdøb valgte elements tekst"), "edit-rename",
                                   QStyle::SP_DialogApplyButton);

    u.boks = TReopenTegner::lavListeboks(u.liste, u.liste->valg(), side);
    u.boks->setObjectName(u.filer ? QStringLiteral("favoritFilListe") : QStringLiteral("favoritMappeListe"));
    u.boks->installEventFilter(this);
    u.felt = new QLineEdit(side);
    u.felt->setObjectName(u.filer ? QStringLiteral("fRenameFelt") : QStringLiteral("mRenameFelt"));
    u.felt->setToolTip(QStringLiteral("Indfør ny tekst til valgte punkt"));
    u.felt->installEventFilter(this);

    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(knapper::knaprad(side, raekke));
    if (u.filer) {
        const QList<QAction *> aabn = {
            sidekommando(this, "FLopenProgram", QStringLiteral("Kør aktive program med valgte fil som parameter"),
                         "application-x-executable", QStyle::SP_ComputerIcon, QStringLiteral("Program")),
            sidekommando(this, "FLopen", QStringLiteral("Forsøg at køre valgte fil i listen"), "system-run",
                         QStyle::SP_MediaPlay, QStringLiteral("Kør")),
            sidekommando(this, "FLopenEdit", QStringLiteral("Åben valgte fil i listen til redigering, hvis muligt"),
                         "accessories-text-editor", QStyle::SP_FileDialogDetailedView, QStringLiteral("Rediger")),
        };
        layout->addLayout(knapper::knaprad(side, aabn, true));
    }
    layout->addWidget(u.boks, 1);
    auto *felt = new QHBoxLayout;
    felt->addWidget(u.felt, 1);
    felt->addWidget(knapper::knap(omdoeb, side));
    layout->addLayout(felt);
    return side;
}

void TFavoritside::forbind(Underside &u)
{
    Underside *p = &u;
    connect(kommando(u.navne.at(Info)), &QAction::triggered, this, [this, p] {
        emit hjaelp(p->filer ? QStringLiteral("Favoritfiler.html") : QStringLiteral("Favoritmapper.html"));
    });
    connect(kommando(u.navne.at(Vis)), &QAction::triggered, this, [this, p] { vis(*p); });
    connect(kommando(u.navne.at(Op)), &QAction::triggered, this, [this, p] { flyt(*p, true); });
    connect(kommando(u.navne.at(Ned)), &QAction::triggered, this, [this, p] { flyt(*p, false); });
    connect(kommando(u.navne.at(Slet)), &QAction::triggered, this, [this, p] { sletValgte(*p); });
    connect(kommando(u.navne.at(SletAlle)), &QAction::triggered, this, [p] { p->liste->SletAlleItems(); });
    connect(kommando(u.navne.at(Punkt)), &QAction::triggered, this, [this, p] { lavStruktur(*p, true); });
    connect(kommando(u.navne.at(Niveau)), &QAction::triggered, this, [this, p] { lavStruktur(*p, false); });
    connect(kommando(u.navne.at(Kopier)), &QAction::triggered, this, [this, p] { kopier(*p); });
    connect(kommando(u.navne.at(Omdoeb)), &QAction::triggered, this, [this, p] { omdoeb(*p); });

    connect(u.boks, &QListView::clicked, this, [p] { p->liste->listeKlik(); });
    connect(u.boks, &QListView::doubleClicked, this, [p] { p->liste->dblListeKlik(); });
    connect(u.liste, &TReopenFiler::onListeKlik, this, [this, p](const QString &caption, const QString &sti) {
        p->felt->setText(caption);
        emit statuslinje(sti);
    });
    connect(u.liste, &TReopenFiler::onDblListeKlik, this, [this, p](const QString &, const QString &sti) {
        if (p->filer)
            emit aabnFil(sti, 0);
        else
            emit visMappe(sti);
    });

    connect(u.liste, &QAbstractItemModel::modelReset, this, &TFavoritside::opdaterKommandoer);
    connect(u.liste, &QAbstractItemModel::rowsRemoved, this, &TFavoritside::opdaterKommandoer);
    connect(u.liste->valg(), &QItemSelectionModel::selectionChanged, this, &TFavoritside::opdaterKommandoer);
    connect(u.liste->valg(), &QItemSelectionModel::currentChanged, this, &TFavoritside::opdaterKommandoer);
    connect(u.felt, &QLineEdit::textChanged, this, &TFavoritside::opdaterKommandoer);
}

QAction *TFavoritside::kommando(const QString &navn) const
{
    return findChild<QAction *>(navn, Qt::FindDirectChildrenOnly);
}

void TFavoritside::opdaterKommandoer()
{
    opdater(m_mapper);
    opdater(m_filer);
    const bool valgt = m_filer.liste->valgtLinje() >= 0;
    kommando("FLopen")->setEnabled(valgt);
    kommando("FLopenEdit")->setEnabled(valgt);
    kommando("FLopenProgram")->setEnabled(valgt && harAktivtProgram && harAktivtProgram());
}

void TFavoritside::opdater(const Underside &u)
{
    const int linje = u.liste->valgtLinje();
    const int antal = u.liste->antal();
    kommando(u.navne.at(Vis))->setEnabled(linje >= 0);
    kommando(u.navne.at(Op))->setEnabled(linje > 0);
    kommando(u.navne.at(Ned))->setEnabled(linje >= 0 && linje < antal - 1);
    kommando(u.navne.at(Slet))->setEnabled(linje >= 0);
    kommando(u.navne.at(SletAlle))->setEnabled(antal > 0);
    kommando(u.navne.at(Punkt))->setEnabled(antal > 0);
    kommando(u.navne.at(Niveau))->setEnabled(antal > 0);
    kommando(u.navne.at(Kopier))->setEnabled(linje >= 0 && bool(kopierElement));
    kommando(u.navne.at(Omdoeb))->setEnabled(linje >= 0 && !u.felt->text().isEmpty());
}

QString TFavoritside::valgtSti(const Underside &u) const
{
    return u.liste->GetFilnavn(u.liste->valgtLinje());
}

void TFavoritside::vis(const Underside &u)
{
    const QString sti = valgtSti(u);
    if (sti.isEmpty())
        return;
    if (u.filer)
        emit visFil(sti);
    else
        emit visMappe(sti);
}

void TFavoritside::flyt(Underside &u, bool op)
{
    const int linje = u.liste->valgtLinje();
    if (!(op ? u.liste->flytOp(linje) : u.liste->flytNed(linje)))
        return;
    u.liste->MakeListeMenu();
    u.liste->vaelgLinje(op ? linje - 1 : linje + 1);
}

void TFavoritside::sletValgte(Underside &u)
{
    const int linje = u.liste->valgtLinje();
    if (linje < 0)
        return;
    u.liste->DeleteItem(linje);
    u.liste->vaelgLinje(u.liste->antal() == 0 ? -1 : qMin(linje, u.liste->antal() - 1));
}

void TFavoritside::lavStruktur(const Underside &u, bool punkt)
{
    QStringList mapper;
    QSet<QString> set;
    for (const QString &sti : u.liste->stier()) {
        const QString mappe = u.filer ? stier::mappeAf(sti) : sti;
        if (filinfo::erMappe(mappe) && !set.contains(mappe)) {
            set.insert(mappe);
            mapper.append(mappe);
        }
    }
    if (mapper.isEmpty()) {
        m_dialogs.inform(IngenFavoritter);
        return;
    }
    emit struktur(mapper, punkt);
}

void TFavoritside::kopier(const Underside &u)
{
    const QString sti = valgtSti(u);
    const bool findes = u.filer ? filinfo::erFil(sti) && !filinfo::erMappe(sti) : filinfo::erMappe(sti);
    if (!findes) {
        m_dialogs.inform(u.filer ? QStringLiteral("Filen kunne ikke findes.\rSlet eventuelt valgte element.")
                                 : QStringLiteral("Mappen kunne ikke findes.\rSlet eventuelt valgte element."));
        return;
    }
    if (!kopierElement)
        return;
    kopierElement(sti, !u.filer);
    emit kopieret();
}

void TFavoritside::omdoeb(Underside &u)
{
    const int linje = u.liste->valgtLinje();
    const QString tekst = u.felt->text();
    if (linje < 0 || tekst.isEmpty())
        return;
    if (u.liste->SetCaption(linje, tekst)) {
        u.liste->vaelgLinje(linje);
        u.felt->clear();
    }
}

bool TFavoritside::eventFilter(QObject *objekt, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QTabWidget::eventFilter(objekt, event);
    const int tast = static_cast<QKeyEvent *>(event)->key();
    const bool enter = tast == Qt::Key_Return || tast == Qt::Key_Enter;
    for (Underside *u : {&m_mapper, &m_filer}) {
        QAction *a = nullptr;
        if (objekt == u->boks && (enter || tast == Qt::Key_Space))
            a = kommando(u->navne.at(Vis));
        else if (objekt == u->felt && enter)
            a = kommando(u->navne.at(Omdoeb));
        if (a) {
            if (a->isEnabled())
                a->trigger();
            return true;
        }
    }
    return QTabWidget::eventFilter(objekt, event);
}
