#include "tools/tfindform.h"

#include "app/skaermplacering.h"
#include "core/dansk.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tekstsoegning/tfundmodel.h"
#include "engines/tekstsoegning/ttekstsoegning.h"
#include "platform/filinfo.h"
#include "platform/tekstfil.h"
#include "shell/vinduesdele.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton *knap(QAction *a)
{
    auto *k = new QPushButton(a->icon(), a->text());
    k->setObjectName(QStringLiteral("knap_") + a->objectName());
    k->setToolTip(a->toolTip());
    k->setStatusTip(a->statusTip());
    QObject::connect(k, &QPushButton::clicked, a, &QAction::trigger);
    QObject::connect(a, &QAction::changed, k, [k, a] { k->setEnabled(a->isEnabled()); });
    k->setEnabled(a->isEnabled());
    return k;
}

} // namespace

Tfindform::Tfindform(Dialogs &dialogs, bool inde, const QString &optMappe, const Hovedvindue &hoved, QWidget *parent)
    : QWidget(parent, inde ? Qt::Widget : Qt::Window)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_optFilnavn(inde ? QString() : optMappe + QStringLiteral("Findoptions.txt"))
    , m_typelistenavn(optMappe + QStringLiteral("Filtertyper.txt"))
{
    setObjectName(QStringLiteral("Tfindform"));
    setWindowTitle(QStringLiteral("Find tekst"));
    // Closed is gone: the frame forgets it and its Internt/Externt choice
    // is free again.
    setAttribute(Qt::WA_DeleteOnClose);

    nyKommando("Aktuelle", "Aktuelle", "Sæt aktuelle mappe som søgemappe");
    nyKommando("FindIBibliotek", "Find i bibliotek", "Find i alle filer i valgte bibliotek");
    nyKommando("Find", "Find", "Vis valgte i Stifinder");
    nyKommando("Koer", "Kør", "Kør valgte dokument hvis muligt");
    nyKommando("Aaben", "Åben", "Åben valgte til redigering hvis muligt");
    nyKommando("AabenAlle", "Åben alle", "Åben alle i listen valgte dokumenter med valgte program");
    nyKommando("RydListen", "Ryd listen", "Fjern alle fundne elementer");
    nyKommando("FjernValgte", "Fjern valgte", "Fjern det i listen valgte element");
    nyKommando("FlytOp", "Flyt valgte op", "Flyt valgte filtype op i listen");
    nyKommando("FlytNed", "Flyt valgte ned", "Flyt valgte filtype ned i listen");
    nyKommando("Indfoer", "Indfør", "Indfør i listen");
    nyKommando("Standard", "Standard", "Slet nuværende liste og hent standardlisten, der automatisk gemmes");
    nyKommando("SletValgte", "Slet valgte", "Slet valgte punkt fra listen");
    nyKommando("Gem", "Gem", "Gem listen og luk");
    connect(kommando("Aktuelle"), &QAction::triggered, this, [this] {
        const QString sti = m_hoved.editSti ? m_hoved.editSti() : QString();
        if (filinfo::erMappe(sti))
            setMappe(sti);
        else if (!sti.isEmpty() && filinfo::erMappe(stier::mappeAf(sti)))
            setMappe(stier::mappeAf(sti));
    });
    connect(kommando("FindIBibliotek"), &QAction::triggered, this, &Tfindform::FindSD);
    connect(kommando("Find"), &QAction::triggered, this, [this] {
        if (m_hoved.visIStifinder)
            m_hoved.visIStifinder(valgtDokument());
    });
    connect(kommando("Koer"), &QAction::triggered, this, [this] { aabn(false); });
    connect(kommando("Aaben"), &QAction::triggered, this, [this] { aabn(true); });
    connect(kommando("AabenAlle"), &QAction::triggered, this, &Tfindform::aabnAlle);
    connect(kommando("RydListen"), &QAction::triggered, this, &Tfindform::rydListen);
    connect(kommando("FjernValgte"), &QAction::triggered, this, &Tfindform::fjernValgte);
    connect(kommando("FlytOp"), &QAction::triggered, this, [this] { flyt(true); });
    connect(kommando("FlytNed"), &QAction::triggered, this, [this] { flyt(false); });
    connect(kommando("Indfoer"), &QAction::triggered, this, &Tfindform::indfoerType);
    connect(kommando("Standard"), &QAction::triggered, this, &Tfindform::standardListe);
    connect(kommando("SletValgte"), &QAction::triggered, this, &Tfindform::sletValgte);
    connect(kommando("Gem"), &QAction::triggered, this, &Tfindform::gemListe);

    auto *layout = new QVBoxLayout(this);
    if (!m_showInternt)
        layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(vinduesdele::overskrift(QStringLiteral("Søg i dokumenter")));
    auto *mapperaekke = new QHBoxLayout;
    mapperaekke->addWidget(new QLabel(QStringLiteral("Søgemappe")));
    m_mappeFelt = new QLineEdit;
    m_mappeFelt->setObjectName(QStringLiteral("mappeFelt"));
    m_mappeFelt->setReadOnly(true);
    mapperaekke->addWidget(m_mappeFelt, 1);
    mapperaekke->addWidget(knap(kommando("Aktuelle")));
    layout->addLayout(mapperaekke);
    m_bog = new QTabWidget;
    m_bog->setObjectName(QStringLiteral("bog"));
    m_bog->addTab(bygSoegeside(), QStringLiteral("Søg"));
    m_bog->addTab(bygFiltreside(), QStringLiteral("Filtre"));
    layout->addWidget(m_bog, 1);

    kommando("Gem")->setEnabled(false);
    HentOpt();
    opdaterKommandoer();
}

Tfindform::~Tfindform() = default;

QAction *Tfindform::nyKommando(const QString &navn, const QString &tekst, const QString &hint)
{
    auto *a = new QAction(tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    m_kommandoer.insert(navn, a);
    return a;
}

QWidget *Tfindform::bygSoegeside()
{
    auto *side = new QWidget;
    auto *ydre = new QHBoxLayout(side);
    auto *l = new QVBoxLayout;
    ydre->addLayout(l, 1);
    ydre->addWidget(bygKnapper());

    auto *gitter = new QGridLayout;
    gitter->addWidget(new QLabel(QStringLiteral("Filtype filter")), 0, 0);
    m_filterboks = new QComboBox;
    m_filterboks->setObjectName(QStringLiteral("filterboks"));
    m_filterboks->setToolTip(QStringLiteral("Filterboksen: Nye dokumenter er af valgte type"));
    m_filterboks->setMaxVisibleItems(40);   // the drop-down shows them all at once
    m_filterboks->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    gitter->addWidget(m_filterboks, 0, 1);
    auto *vaelg = new QPushButton(QStringLiteral("Vælg fil fra disk"));
    vaelg->setObjectName(QStringLiteral("knap_vaelgFil"));
    vaelg->setToolTip(QStringLiteral("Vælg mappe der skal søges i ved valg af fil"));
    connect(vaelg, &QPushButton::clicked, this, &Tfindform::vaelgFil);
    gitter->addWidget(vaelg, 0, 2);

    gitter->addWidget(new QLabel(QStringLiteral("Søg efter")), 1, 0);
    m_soegeboks = new QComboBox;
    m_soegeboks->setObjectName(QStringLiteral("soegeboks"));
    m_soegeboks->setEditable(true);
    m_soegeboks->setInsertPolicy(QComboBox::NoInsert);
    m_soegeboks->lineEdit()->setPlaceholderText(QStringLiteral("Indfør søgeord"));
    connect(m_soegeboks, &QComboBox::editTextChanged, this, &Tfindform::opdaterKommandoer);
    connect(m_soegeboks->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        if (!m_soegeboks->currentText().isEmpty() && !m_soeger)
            FindSD();
    });
    gitter->addWidget(m_soegeboks, 1, 1);
    auto *soegeknapper = new QHBoxLayout;
    auto *ryd = new QPushButton(QStringLiteral("#"));
    ryd->setObjectName(QStringLiteral("knap_rydFindliste"));
    ryd->setToolTip(QStringLiteral("Ryd find- listen"));
    ryd->setFixedWidth(ryd->fontMetrics().horizontalAdvance(QStringLiteral("##")) + 16);
    connect(ryd, &QPushButton::clicked, this, [this] {
        const QString tekst = m_soegeboks->currentText();
        m_soegeboks->clear();
        m_soegeboks->setEditText(tekst);
    });
    soegeknapper->addWidget(ryd);
    soegeknapper->addWidget(knap(kommando("FindIBibliotek")));
    m_stopKnap = new QPushButton(QStringLiteral("Stop"));
    m_stopKnap->setObjectName(QStringLiteral("knap_stop"));
    m_stopKnap->setToolTip(QStringLiteral("Stop søgningen"));
    m_stopKnap->setEnabled(false);
    connect(m_stopKnap, &QPushButton::clicked, this, &Tfindform::stopSoegning);
    soegeknapper->addWidget(m_stopKnap);
    gitter->addLayout(soegeknapper, 1, 2);
    gitter->setColumnStretch(1, 1);
    l->addLayout(gitter);

    m_fund = new TFundModel(this);
    m_liste = new QTreeView;
    m_liste->setObjectName(QStringLiteral("resultatliste"));
    m_liste->setModel(m_fund);
    m_liste->setRootIsDecorated(false);
    m_liste->setUniformRowHeights(true);
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->header()->resizeSection(TFundModel::Dokument, 320);
    m_liste->header()->resizeSection(TFundModel::Position, 70);
    connect(m_liste, &QTreeView::doubleClicked, this, [this] { aabn(true); });
    connect(m_liste->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Tfindform::opdaterKommandoer);
    l->addWidget(m_liste, 1);

    auto *status = new QHBoxLayout;
    status->addWidget(new QLabel(QStringLiteral("Fundne:")));
    m_antal = new QLabel(QStringLiteral("0"));
    m_antal->setObjectName(QStringLiteral("antal"));
    status->addWidget(m_antal);
    m_note = new QLabel;
    m_note->setObjectName(QStringLiteral("note"));
    status->addWidget(m_note, 1);
    m_heleOrd = new QCheckBox(QStringLiteral("Kun hele ord"));
    m_heleOrd->setObjectName(QStringLiteral("heleOrd"));
    m_storeSmaa = new QCheckBox(QStringLiteral("Forskel på store og små bogstaver"));
    m_storeSmaa->setObjectName(QStringLiteral("storeSmaa"));
    status->addWidget(m_heleOrd);
    status->addWidget(m_storeSmaa);
    l->addLayout(status);
    return side;
}

QWidget *Tfindform::bygKnapper()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    if (m_hoved.aVisStifinder) {
        auto *sf = new QToolButton;
        sf->setObjectName(QStringLiteral("knap_aVisStifinder"));
        sf->setDefaultAction(m_hoved.aVisStifinder);
        sf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        sf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        l->addWidget(sf);
    }
    for (const char *navn : {"Find", "Koer", "Aaben", "AabenAlle", "RydListen", "FjernValgte"})
        l->addWidget(knap(kommando(QLatin1String(navn))));
    l->addStretch();
    auto *luk = new QPushButton(QStringLiteral("Luk"));
    luk->setObjectName(QStringLiteral("lukKnap"));
    connect(luk, &QPushButton::clicked, this, [this] {
        // Inside the frame the frame's window closes with us.
        QWidget *ramme = this;
        for (QWidget *p = parentWidget(); m_showInternt && p; p = p->parentWidget())
            if (p->inherits("QMdiSubWindow")) {
                ramme = p;
                break;
            }
        ramme->close();
    });
    l->addWidget(luk);
    m_infoKnap = new QToolButton;
    m_infoKnap->setObjectName(QStringLiteral("infoKnap"));
    m_infoKnap->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    m_infoKnap->setToolTip(QStringLiteral("Information"));
    connect(m_infoKnap, &QToolButton::clicked, this, [this] {
        if (m_hoved.infoHelp)
            m_hoved.infoHelp(QStringLiteral("Søg i tekstfiler.html"));
    });
    m_infoKnap->setVisible(!m_showInternt);
    l->addWidget(m_infoKnap, 0, Qt::AlignRight);
    return w;
}

QWidget *Tfindform::bygFiltreside()
{
    auto *side = new QWidget;
    auto *l = new QVBoxLayout(side);
    l->addWidget(new QLabel(QStringLiteral("Afkryds filtyper der skal være tilgængelige i Filterboksen.")));
    auto *vaerktoej = new QToolBar;
    vaerktoej->setObjectName(QStringLiteral("filtreVaerktoej"));
    vaerktoej->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    kommando("FlytOp")->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    kommando("FlytNed")->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    vaerktoej->addAction(kommando("FlytOp"));
    vaerktoej->addAction(kommando("FlytNed"));
    l->addWidget(vaerktoej);

    auto *midte = new QHBoxLayout;
    auto *venstre = new QVBoxLayout;
    m_typeliste = new QTreeWidget;
    m_typeliste->setObjectName(QStringLiteral("typeliste"));
    m_typeliste->setHeaderLabels({QStringLiteral("Tekst"), QStringLiteral("Type")});
    m_typeliste->setRootIsDecorated(false);
    m_typeliste->header()->resizeSection(0, 200);
    connect(m_typeliste, &QTreeWidget::itemChanged, this, [this] {
        kommando("Gem")->setEnabled(true);
    });
    connect(m_typeliste, &QTreeWidget::currentItemChanged, this, &Tfindform::opdaterKommandoer);
    venstre->addWidget(m_typeliste, 1);

    auto *indfoer = new QGridLayout;
    indfoer->addWidget(new QLabel(QStringLiteral("Tekst")), 0, 0);
    indfoer->addWidget(new QLabel(QStringLiteral("Type")), 0, 1);
    m_tekstFelt = new QLineEdit;
    m_tekstFelt->setObjectName(QStringLiteral("tekstFelt"));
    m_typeFelt = new QLineEdit;
    m_typeFelt->setObjectName(QStringLiteral("typeFelt"));
    connect(m_typeFelt, &QLineEdit::returnPressed, this, &Tfindform::indfoerType);
    indfoer->addWidget(m_tekstFelt, 1, 0);
    indfoer->addWidget(m_typeFelt, 1, 1);
    indfoer->addWidget(knap(kommando("Indfoer")), 1, 2);
    venstre->addLayout(indfoer);
    auto *knapper = new QHBoxLayout;
    for (const char *navn : {"Standard", "SletValgte", "Gem"})
        knapper->addWidget(knap(kommando(QLatin1String(navn))));
    knapper->addStretch();
    venstre->addLayout(knapper);
    midte->addLayout(venstre, 3);

    auto *forklaring = new QVBoxLayout;
    forklaring->addWidget(vinduesdele::overskrift(QStringLiteral("Åben alle funktionen:")));
    for (const char *tekst :
         {"Denne funktion kræver at der er indført et program, der kan åbne dokumenter, der sendes som parametre til "
          "programmet.",
          "Programmet skal endvidere være valgt som det aktive program.",
          "Tekstfiler kan altid åbnes med programmet Skrilvan.",
          "Indfør programmet ved Andre funktioner: Indfør og vælg der derefter som det aktive program i Højre "
          "panelet."}) {
        auto *t = new QLabel(QString::fromUtf8(tekst));
        t->setWordWrap(true);
        forklaring->addWidget(t);
    }
    // The maker's page is not known here, so the button has nothing to open.
    auto *download = new QPushButton(QStringLiteral("Download programmet"));
    download->setObjectName(QStringLiteral("knap_download"));
    download->setToolTip(QStringLiteral("Download programmet, hvis du ikke har det allerede"));
    download->setEnabled(false);
    forklaring->addWidget(download, 0, Qt::AlignLeft);
    forklaring->addStretch();
    midte->addLayout(forklaring, 2);
    l->addLayout(midte, 1);
    return side;
}

// ---------------------------------------------------------------- life cycle

void Tfindform::HentOpt()
{
    if (m_optFilnavn.isEmpty())
        return;
    QRect g(20, 40, 728, 576);
    const QStringList linjer = tekstfil::hent(m_optFilnavn);
    bool ok[5] = {};
    const int tal[5] = {linjer.value(0).toInt(&ok[0]), linjer.value(1).toInt(&ok[1]), linjer.value(2).toInt(&ok[2]),
                        linjer.value(3).toInt(&ok[3]), linjer.value(4).toInt(&ok[4])};
    if (ok[0] && ok[1])
        g.moveTo(tal[0], tal[1]);
    if (ok[2] && ok[3])
        g.setSize(QSize(tal[3], tal[2]));
    if (ok[4])
        m_filterItemIndex = qMax(0, tal[4]);
    g.setSize(g.size().expandedTo(QSize(400, 300)));
    skaermplacering::placer(this, g);
}

void Tfindform::gemOpt()
{
    if (m_optFilnavn.isEmpty())
        return;
    tekstfil::gem(m_optFilnavn, {QString::number(x()), QString::number(y()), QString::number(height()),
                                 QString::number(width()), QString::number(qMax(0, m_filterboks->currentIndex()))});
}

void Tfindform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_foersteVisning)
        return;
    m_foersteVisning = false;
    HentTypeliste();
}

bool Tfindform::event(QEvent *e)
{
    // A free window takes the folder from the main window when it becomes
    // active; inside the frame the frame tells it.
    if (e->type() == QEvent::WindowActivate && !m_showInternt)
        QMetaObject::invokeMethod(this, &Tfindform::hentMappeFraHovedvindue, Qt::QueuedConnection);
    return QWidget::event(e);
}

void Tfindform::closeEvent(QCloseEvent *event)
{
    if (m_soeger) {
        // The search stops first and the window closes once it has unwound.
        m_stop = true;
        m_lukEfterSoegning = true;
        event->ignore();
        return;
    }
    gemOpt();
    QWidget::closeEvent(event);
}

// ---------------------------------------------------------------- type list

void Tfindform::HentTypeliste()
{
    const QList<Filtype> liste = filtyper::hent(m_typelistenavn);
    LoadTypeliste(liste);
    LoadFilterBoks(m_filterItemIndex);
}

void Tfindform::LoadTypeliste(const QList<Filtype> &liste)
{
    const QSignalBlocker blok(m_typeliste);
    m_typeliste->clear();
    for (const Filtype &f : liste) {
        auto *item = new QTreeWidgetItem({f.tekst, f.type});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, f.afkrydset ? Qt::Checked : Qt::Unchecked);
        m_typeliste->addTopLevelItem(item);
    }
    opdaterKommandoer();
}

QList<Filtype> Tfindform::typer() const
{
    QList<Filtype> liste;
    for (int i = 0; i < m_typeliste->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_typeliste->topLevelItem(i);
        liste.append({item->text(0), item->text(1), item->checkState(0) == Qt::Checked});
    }
    return liste;
}

void Tfindform::LoadFilterBoks(int vaelg)
{
    m_filterboks->clear();
    m_filterboks->addItems(filtyper::filterboks(typer()));
    if (m_filterboks->count() > 0)
        m_filterboks->setCurrentIndex(qBound(0, vaelg, m_filterboks->count() - 1));
}

bool Tfindform::ErExtListet(const QString &moenster)
{
    if (m_foersteVisning) {
        m_foersteVisning = false;
        HentTypeliste();
    }
    const int indeks = filtyper::filterIndeks(typer(), moenster);
    if (indeks < 0)
        return false;
    m_filterboks->setCurrentIndex(indeks);
    return true;
}

void Tfindform::flyt(bool op)
{
    const int r = m_typeliste->indexOfTopLevelItem(m_typeliste->currentItem());
    const int til = op ? r - 1 : r + 1;
    if (r < 0 || til < 0 || til >= m_typeliste->topLevelItemCount())
        return;
    QTreeWidgetItem *item = m_typeliste->takeTopLevelItem(r);
    m_typeliste->insertTopLevelItem(til, item);
    if (op) {
        m_typeliste->setCurrentItem(nullptr);
        m_typeliste->clearSelection();
    } else {
        m_typeliste->setCurrentItem(item);
    }
    kommando("Gem")->setEnabled(true);
    opdaterKommandoer();
}

void Tfindform::indfoerType()
{
    if (m_tekstFelt->text().isEmpty() || m_typeFelt->text().isEmpty())
        return;
    auto *item = new QTreeWidgetItem({m_tekstFelt->text(), filtyper::typeFraIndtastning(m_typeFelt->text())});
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Checked);
    m_typeliste->addTopLevelItem(item);
    kommando("Gem")->setEnabled(true);
    m_tekstFelt->clear();
    m_typeFelt->clear();
    m_tekstFelt->setFocus();
}

void Tfindform::standardListe()
{
    if (!m_dialogs.ask(QStringLiteral("Der vil muligvist blive fjernet typer, der er indført senere!\r"
                                      "Skal standardlisten hentes alligevel?")))
        return;
    if (!tekstfil::gem(m_typelistenavn, filtyper::tilLinjer(filtyper::standardliste())))
        m_dialogs.inform(QStringLiteral("Listen kunne ikke gemmes i:\r") + m_typelistenavn);
    LoadTypeliste(filtyper::standardliste());
    LoadFilterBoks(0);
    kommando("Gem")->setEnabled(false);
}

void Tfindform::sletValgte()
{
    QTreeWidgetItem *item = m_typeliste->currentItem();
    if (!item || !item->isSelected()) {
        m_dialogs.inform(QStringLiteral("Der er ikke valgt en filtype!"));
        return;
    }
    if (!m_dialogs.ask(QStringLiteral("Skal filtypen:\r") + item->text(0) + QStringLiteral("\rslettes permanent?")))
        return;
    delete item;
    kommando("Gem")->setEnabled(true);
    opdaterKommandoer();
}

void Tfindform::gemListe()
{
    if (!tekstfil::gem(m_typelistenavn, filtyper::tilLinjer(typer()))) {
        m_dialogs.inform(QStringLiteral("Listen kunne ikke gemmes i:\r") + m_typelistenavn);
        return;
    }
    LoadFilterBoks(m_filterboks->currentIndex());
    kommando("Gem")->setEnabled(false);
}

// ---------------------------------------------------------------- folder

void Tfindform::setMappe(const QString &mappe)
{
    m_mappe = stier::delimKon(mappe);
    m_mappeFelt->setText(m_mappe);
}

void Tfindform::visSide(Side side)
{
    m_bog->setCurrentIndex(side);
}

void Tfindform::hentMappeFraHovedvindue()
{
    const QString sti = m_hoved.editSti ? m_hoved.editSti() : QString();
    // Only a new current element is taken: coming back to the window (after
    // one of its own messages, too) must not ask about the same one again.
    if (sti.isEmpty() || (!m_opstart && sti == property("taget").toString()))
        return;
    m_opstart = false;
    setProperty("taget", sti);
    if (filinfo::erMappe(sti)) {
        setMappe(sti);
        m_dialogs.inform(QStringLiteral("Der er ikke registreret en filtype.\rBestem hvilken filtype, der skal søges i."));
        visSide(SideSoeg);
        m_filterboks->setFocus();
    } else if (filinfo::erFil(sti)) {
        setMappe(stier::mappeAf(sti));
        if (ErExtListet(u'*' + stier::udvidelse(sti))) {
            visSide(SideSoeg);
            m_soegeboks->setFocus();
        } else {
            m_dialogs.inform(QStringLiteral("Filtypen er ikke registreret.\r"
                                            "Du må selv registrere filtypen, hvis der er tale om en tekstfil."));
            visSide(SideFiltre);
        }
    }
}

void Tfindform::vaelgFil()
{
    const QString fil = QFileDialog::getOpenFileName(this, QStringLiteral("Vælg fil fra disk"), m_mappe);
    if (!fil.isNull())
        filValgt(fil);
}

void Tfindform::filValgt(const QString &fil)
{
    if (!filinfo::erFil(fil) || filinfo::erMappe(fil)) {
        m_dialogs.inform(QStringLiteral("Der skal være valgt en tekstfiltype.\r"
                                        "Tekstfiler kan for eksempel være filer med følgende efternavne:\r"
                                        "txt, rtf, asp, html, inc, css, js, asa, wsf, vbs, xml, bat eller ps1"));
        return;
    }
    setMappe(stier::mappeAf(fil));
    const QString moenster = u'*' + stier::udvidelse(fil);
    if (ErExtListet(moenster)) {
        visSide(SideSoeg);
    } else {
        m_dialogs.inform(QStringLiteral("Filtypen ") + moenster + QStringLiteral(" er ikke registreret.\r"
                                                                                 "Du må selv registrere filtypen, hvis der er tale om en tekstfil."));
        visSide(SideFiltre);
    }
}

// ---------------------------------------------------------------- search

void Tfindform::FindSD()
{
    if (m_soeger || !filinfo::erMappe(m_mappe))
        return;
    m_fund->ryd();
    visAntal();
    QCoreApplication::processEvents();
    const QString tekst = m_soegeboks->currentText();
    if (tekst.isEmpty())
        return;
    if (m_soegeboks->findText(tekst, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        m_soegeboks->addItem(tekst);
    m_soegeboks->setEditText(tekst);
    // With no type offered the search has no pattern: the user is sent to
    // the list of types.
    const QString moenster = filtyper::moensterVed(typer(), m_filterboks->currentIndex());
    if (moenster.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Der er ikke valgt en filtype.\rAfkryds filtyper på siden Filtre."));
        visSide(SideFiltre);
        return;
    }

    m_soeger = true;
    m_stop = false;
    m_stopKnap->setEnabled(true);
    opdaterKommandoer();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    QPointer<Tfindform> selv(this);
    TTekstsoegning soegning;
    const TTekstsoegning::Resultat r = soegning.soeg(
        m_mappe, moenster, {tekst, m_heleOrd->isChecked(), m_storeSmaa->isChecked()},
        [selv](QList<FundRaekke> &&raekker) {
            if (!selv)
                return;
            selv->m_fund->tilfoej(std::move(raekker));
            selv->visAntal();
        },
        [selv] {
            QCoreApplication::processEvents();
            return selv && !selv->m_stop;
        });
    QApplication::restoreOverrideCursor();
    if (!selv)
        return;   // the window went while the search ran
    m_soeger = false;
    m_stopKnap->setEnabled(false);
    visAntal(r.ulaeselige, r.forStore, r.stoppet);
    opdaterKommandoer();
    if (m_lukEfterSoegning)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void Tfindform::visAntal(int ulaeselige, int forStore, bool stoppet)
{
    m_antal->setText(QString::number(m_fund->antal()));
    QStringList noter;
    if (stoppet)
        noter << QStringLiteral("søgningen blev stoppet");
    if (ulaeselige > 0)
        noter << (ulaeselige == 1 ? QStringLiteral("1 dokument kunne ikke læses")
                                  : dansk::heltal(ulaeselige) + QStringLiteral(" dokumenter kunne ikke læses"));
    if (forStore > 0)
        noter << (forStore == 1 ? QStringLiteral("1 dokument over 256 MB blev sprunget over")
                                : dansk::heltal(forStore) + QStringLiteral(" dokumenter over 256 MB blev sprunget over"));
    m_note->setText(noter.isEmpty() ? QString() : QStringLiteral("(") + noter.join(QStringLiteral(", ")) + u')');
}

QString Tfindform::fundneTekst() const
{
    return m_antal->text() + (m_note->text().isEmpty() ? QString() : u' ' + m_note->text());
}

// ---------------------------------------------------------------- results

QList<int> Tfindform::valgteRaekker() const
{
    QList<int> r;
    for (const QModelIndex &i : m_liste->selectionModel()->selectedRows())
        r.append(i.row());
    std::sort(r.begin(), r.end());
    return r;
}

QString Tfindform::valgtDokument() const
{
    const QList<int> r = valgteRaekker();
    return r.size() == 1 ? m_fund->raekke(r.first()).dokument : QString();
}

void Tfindform::aabn(bool rediger)
{
    const QString fil = valgtDokument();
    if (fil.isEmpty() || !m_hoved.aabnFil)
        return;
    if (!filinfo::erFil(fil)) {
        m_dialogs.inform(rediger ? QStringLiteral("Filen blev ikke fundet.") : QStringLiteral("Filen blev ikke fundet.\r"));
        return;
    }
    // Editing first tries "edit" and then "open"; running only "open".
    int kode = m_hoved.aabnFil(fil, rediger);
    if (kode <= 32 && rediger)
        kode = m_hoved.aabnFil(fil, false);
    if (kode <= 32 && m_hoved.fejl)
        m_hoved.fejl(kode);
}

void Tfindform::aabnAlle()
{
    const QList<int> r = valgteRaekker();
    const QString program = m_hoved.exeProgram ? m_hoved.exeProgram() : QString();
    if (r.isEmpty() || program.isEmpty())
        return;
    const QString navn = QFileInfo(program).fileName();
    const QString spm = r.size() == 1
                            ? QStringLiteral("Der er valgt et dokument i listen.\rSkal det åbnes med ") + navn
                            : QStringLiteral("Der er ") + QString::number(r.size())
                                  + QStringLiteral(" dokumenter i listen.\rDe forsøges åbnet med valgte program:\r")
                                  + navn + QStringLiteral("\rSkal de alle åbnes?");
    if (!m_dialogs.ask(spm))
        return;
    QStringList filer;
    for (int i : r)
        if (filinfo::erFil(m_fund->raekke(i).dokument))
            filer.append(m_fund->raekke(i).dokument);
    if (!filer.isEmpty() && m_hoved.aabnMedProgram)
        m_hoved.aabnMedProgram(program, filer);
}

void Tfindform::rydListen()
{
    m_fund->ryd();
    m_soegeboks->setEditText(QString());
    visAntal();
    opdaterKommandoer();
}

void Tfindform::fjernValgte()
{
    const QList<int> r = valgteRaekker();
    if (r.isEmpty())
        return;
    const int fjernet = r.first();
    m_fund->fjern(fjernet);
    visAntal();
    if (m_fund->antal() > 0) {
        const int ny = qMin(fjernet, m_fund->antal() - 1);
        m_liste->selectionModel()->select(m_fund->index(ny, 0),
                                          QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_liste->setCurrentIndex(m_fund->index(ny, 0));
    }
    opdaterKommandoer();
}

void Tfindform::opdaterKommandoer()
{
    if (!m_liste || !m_typeliste || !m_soegeboks)
        return;
    const QList<int> valgte = valgteRaekker();
    const bool tom = m_fund->antal() == 0;
    const QString editSti = m_hoved.editSti ? m_hoved.editSti() : QString();
    const QString program = m_hoved.exeProgram ? m_hoved.exeProgram() : QString();
    const int typeRaekke = m_typeliste->indexOfTopLevelItem(m_typeliste->currentItem());
    kommando("Aktuelle")->setEnabled(!editSti.isEmpty());
    kommando("FindIBibliotek")->setEnabled(!m_soegeboks->currentText().isEmpty() && !m_soeger);
    for (const char *navn : {"Find", "Koer", "Aaben"})
        kommando(QLatin1String(navn))->setEnabled(valgte.size() == 1);
    kommando("AabenAlle")->setEnabled(!valgte.isEmpty() && !program.isEmpty());
    kommando("RydListen")->setEnabled(!tom && !m_soeger);
    kommando("FjernValgte")->setEnabled(!tom && !valgte.isEmpty() && !m_soeger);
    kommando("FlytOp")->setEnabled(typeRaekke > 0);
    kommando("FlytNed")->setEnabled(typeRaekke >= 0 && typeRaekke < m_typeliste->topLevelItemCount() - 1);
}
