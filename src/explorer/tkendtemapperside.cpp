#include "explorer/tkendtemapperside.h"

#include "core/dialogs.h"
#include "engines/genveje/genvejsliste.h"
#include "explorer/knapper.h"
#include "platform/filinfo.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

using kendtemapper::Mappe;

namespace {

struct Knap
{
    Mappe mappe;
    const char *navn;
    const char *tekst;
    const char *hint;
};

// Row by row, three to a row.
const Knap knapper_[] = {
    {Mappe::Skrivebord, "Adesktopdir", "Skrivebord", "Åben skrivebordsmappen"},
    {Mappe::Dokumenter, "Adokudir", "Dokumenter", "Åben dokumentmappen"},
    {Mappe::Musik, "Amusikdir", "Musik", "Åben musikmappe"},
    {Mappe::Videoer, "Avideodir", "Videoer", "Åben videomappen"},
    {Mappe::Billeder, "Apicdir", "Billeder", "Åben billedmappe"},
    {Mappe::AlleBrugere, "AallUsers", "Alle brugere", "Hurtig adgang til Alle brugere"},
    {Mappe::Favoritter, "aFavoritmappe", "Favoritter", "Åben favoritmappen"},
    {Mappe::Overfoersler, "aDownload", "Overførsler", "Hurtig adgang til Downloads"},
    {Mappe::Kontakter, "aKontakter", "Kontakter", "Hurtig adgang til Kontakter"},
    {Mappe::OneDrive, "aOneDrev", "OneDrive", "Hurtig adgang til OneDrive mappen på computeren"},
    {Mappe::Startmenu, "aStartMappe", "Startmenu", "Åbner startmenumappen"},
    {Mappe::AppData, "Aprogdir", "AppData", "Åben AppData mappen"},
    {Mappe::KameraBilleder, "aKamBil", "Billeder", "Hurtig adgang til kamera billedmappe"},
    {Mappe::KameraFilm, "aKamFilm", "Film", "Hurtig adgang til kamera filmmappe"},
    {Mappe::Start, "aStartup", "Start", "Åben mappen med opstartprogrammer"},
};

QAction *sidekommando(QObject *ejer, const char *navn, const char *tekst, const char *hint)
{
    return knapper::sidekommando(ejer, QString::fromLatin1(navn), QString::fromUtf8(hint), "", QStyle::SP_CustomBase,
                                 QString::fromUtf8(tekst));
}

} // namespace

TKendteMapperSide::TKendteMapperSide(Dialogs &dialogs, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("kendteMapperSide"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(knapper::overskrift(QStringLiteral("Kendte mapper"), this));
    auto *forklaring =
        new QLabel(QStringLiteral("Fremstil alle mapper som punktstruktur eller niveaustruktur i mappestrukturen."), this);
    forklaring->setWordWrap(true);
    layout->addWidget(forklaring);

    auto *info = sidekommando(this, "aKendteInfo", "Info", "Information: Aktiverbare mapper");
    auto *punkt = sidekommando(this, "aKendtePunkt", "Punktstruktur", "Fremstil punktstruktur i mappestrukturen");
    auto *niveau = sidekommando(this, "aKendteNiveau", "Niveaustruktur", "Fremstil niveaustruktur i mappestrukturen");
    auto *rad = new QHBoxLayout;
    rad->setSpacing(2);
    rad->addWidget(knapper::trykknap(info, this));
    rad->addWidget(knapper::trykknap(punkt, this));
    rad->addWidget(knapper::trykknap(niveau, this));
    rad->addStretch();
    layout->addLayout(rad);
    connect(info, &QAction::triggered, this, [this] { emit hjaelp(QStringLiteral("Aktiverbare mapper.html")); });
    connect(punkt, &QAction::triggered, this, [this] { emit struktur(kendtemapper::strukturliste(m_special), true); });
    connect(niveau, &QAction::triggered, this, [this] { emit struktur(kendtemapper::strukturliste(m_special), false); });

    auto *boks = new QGroupBox(QStringLiteral("Vælg struktur til visning af mappe"), this);
    m_strukturVisning = new QButtonGroup(boks);
    m_strukturVisning->setObjectName(QStringLiteral("strukturVisning"));
    auto *l = new QHBoxLayout(boks);
    const QStringList valg = {QStringLiteral("Mappestuktur"), QStringLiteral("Filstruktur")};
    for (int i = 0; i < valg.size(); ++i) {
        auto *r = new QRadioButton(valg.at(i), boks);
        m_strukturVisning->addButton(r, i);
        l->addWidget(r);
    }
    m_strukturVisning->button(1)->setChecked(true);
    layout->addWidget(boks);
    layout->addWidget(lavMappeknapper());
    layout->addWidget(lavGenvejspanel(), 1);
    m_genvejspanel->setVisible(false);
    opdaterKommandoer();
}

QWidget *TKendteMapperSide::lavMappeknapper()
{
    auto *boks = new QWidget(this);
    auto *g = new QGridLayout(boks);
    g->setContentsMargins(0, 0, 0, 0);
    g->setSpacing(2);
    int i = 0;
    for (const Knap &k : knapper_) {
        QAction *a = sidekommando(this, k.navn, k.tekst, k.hint);
        const Mappe m = k.mappe;
        connect(a, &QAction::triggered, this, [this, m] {
            const QString sti = kendtemapper::mappe(m_special, m);
            if (m == Mappe::Start && !filinfo::erMappe(sti)) {
                m_dialogs.inform(QStringLiteral("Mappen kunne ikke findes.\r"));
                return;
            }
            openMappeStruktur(sti);
        });
        QToolButton *b = knapper::trykknap(a, boks);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        g->addWidget(b, i / 3, i % 3);
        ++i;
    }
    return boks;
}

QWidget *TKendteMapperSide::lavGenvejspanel()
{
    m_genvejspanel = new QWidget(this);
    m_genvejspanel->setObjectName(QStringLiteral("genvejspanel"));
    auto *l = new QVBoxLayout(m_genvejspanel);
    l->setContentsMargins(0, 4, 0, 0);
    l->setSpacing(2);
    auto *info = knapper::sidekommando(this, QStringLiteral("aGenvejInfo"), QStringLiteral("Information"), "help-about",
                                       QStyle::SP_MessageBoxInformation);
    auto *top = new QHBoxLayout;
    top->addWidget(knapper::knap(info, m_genvejspanel));
    auto *overskrift = knapper::overskrift(QStringLiteral("Genveje i Fast placering"), m_genvejspanel);
    overskrift->setObjectName(QStringLiteral("genvejsOverskrift"));
    top->addWidget(overskrift, 1);
    l->addLayout(top);
    m_genveje = new QListWidget(m_genvejspanel);
    m_genveje->setObjectName(QStringLiteral("genvejsliste"));
    m_genveje->setToolTip(QStringLiteral("Favoritfiler"));
    m_genveje->installEventFilter(this);
    l->addWidget(m_genveje, 1);
    auto *hent = sidekommando(this, "hentGenveje", "Hent", "Indlæser alle genveje anbragt i den faste placering");
    auto *koer = sidekommando(this, "runGenvej", "Kør", "Kør valgte genvej");
    auto *vis = sidekommando(this, "visStifinder", "Vis", "Vis mappen i Stifinder");
    auto *rad = new QHBoxLayout;
    rad->setSpacing(2);
    for (QAction *a : {hent, koer, vis})
        rad->addWidget(knapper::trykknap(a, m_genvejspanel));
    rad->addStretch();
    l->addLayout(rad);

    connect(info, &QAction::triggered, this, [this] {
        m_dialogs.inform(QStringLiteral(
            "Genveje kan aktiveres herfra, hvis der er indført genveje i mappen \"Fast placering.\"\r"
            "Det kan gøres med programmet \"Genveje\".\r"
            "Der er informationsfiler om emnet genveje."));
    });
    connect(hent, &QAction::triggered, this, &TKendteMapperSide::hentGenveje);
    connect(koer, &QAction::triggered, this, &TKendteMapperSide::runGenvej);
    connect(vis, &QAction::triggered, this, [this] {
        if (filinfo::erMappe(m_placering))
            emit visPlacering(m_placering);
    });
    connect(m_genveje, &QListWidget::itemDoubleClicked, this, [this] {
        if (kommando("runGenvej")->isEnabled())
            runGenvej();
    });
    connect(m_genveje, &QListWidget::currentRowChanged, this, &TKendteMapperSide::opdaterKommandoer);
    return m_genvejspanel;
}

bool TKendteMapperSide::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt == m_genveje && e->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(e)->key();
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter || taste == Qt::Key_Space)
            && kommando("runGenvej")->isEnabled()) {
            runGenvej();
            return true;
        }
    }
    return QWidget::eventFilter(objekt, e);
}

QAction *TKendteMapperSide::kommando(const QString &navn) const
{
    return findChild<QAction *>(navn, Qt::FindDirectChildrenOnly);
}

QAction *TKendteMapperSide::mappeKommando(Mappe m) const
{
    for (const Knap &k : knapper_) {
        if (k.mappe == m)
            return kommando(QString::fromLatin1(k.navn));
    }
    return nullptr;
}

void TKendteMapperSide::setPlaceringsMappe(const QString &mappe)
{
    m_placering = mappe;
    m_genvejspanel->setVisible(!mappe.isEmpty() && filinfo::erMappe(mappe));
    opdaterKommandoer();
}

void TKendteMapperSide::opdaterKommandoer()
{
    const bool findes = !m_placering.isEmpty() && filinfo::erMappe(m_placering);
    kommando("hentGenveje")->setEnabled(findes);
    kommando("visStifinder")->setEnabled(findes);
    kommando("runGenvej")->setEnabled(findes && m_genveje->currentRow() >= 0);
}

void TKendteMapperSide::openMappeStruktur(const QString &mappe)
{
    if (mappe.isEmpty() || !filinfo::erMappe(mappe)) {
        m_dialogs.inform(QStringLiteral("Mappen blev ikke fundet."));
        return;
    }
    emit visMappe(mappe, m_strukturVisning->checkedId() == 1);
}

void TKendteMapperSide::hentGenveje()
{
    m_genveje->clear();
    m_genveje->addItems(genvejsliste::hent(m_placering));
    opdaterKommandoer();
    if (m_genveje->count() == 0)
        m_dialogs.inform(QStringLiteral("Der blev ikke fundet nogen genveje i mappen til \"Fast placering\"."));
}

void TKendteMapperSide::runGenvej()
{
    const QListWidgetItem *linje = m_genveje->currentItem();
    if (!linje)
        return;
    const QString fil = genvejsliste::fil(m_placering, linje->text());
    if (!filinfo::erFil(fil)) {
        m_dialogs.inform(QStringLiteral("Filen blev ikke fundet."));
        return;
    }
    emit koerFil(fil);
}
