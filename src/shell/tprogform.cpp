#include "shell/tprogform.h"

#include "app/skaermplacering.h"
#include "core/dialogs.h"
#include "engines/kendteprogrammer.h"
#include "engines/tmenuexefiler.h"
#include "platform/aabner.h"
#include "platform/desktopfil.h"
#include "platform/tekstfil.h"
#include "shell/vinduesdele.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QToolButton *kommandoknap(QAction *a, bool medTekst = false)
{
    auto *k = new QToolButton;
    k->setDefaultAction(a);
    k->setObjectName(QStringLiteral("knap_") + a->objectName());
    if (medTekst)
        k->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return k;
}

QLineEdit *laesefelt(const QString &navn, const QString &pladsholder = {})
{
    auto *e = new QLineEdit;
    e->setObjectName(navn);
    e->setReadOnly(true);
    e->setPlaceholderText(pladsholder);
    return e;
}

} // namespace

bool TProgform::aktiv(const QString &kommando, const Tilstand &t)
{
    if (kommando == QLatin1String("aInsertProgram"))
        return t.filnavn && t.menutekst;
    if (kommando == QLatin1String("visProgrammer"))
        return t.antalProgrammer > 0;
    if (kommando == QLatin1String("AFlytOp"))
        return !t.spoerger && t.valgtRaekke > 0 && t.valgtRaekke < t.antalRaekker;
    if (kommando == QLatin1String("AFlytNed"))
        return !t.spoerger && t.valgtRaekke >= 0 && t.valgtRaekke < t.antalRaekker - 1;
    if (kommando == QLatin1String("AGem"))
        return t.listeForandret;
    if (kommando == QLatin1String("ADelprog"))
        return !t.spoerger && t.SletNr >= 0 && t.SletNr < t.antalProgrammer;
    return true;
}

bool TProgform::erProgram(const QString &sti)
{
    if (sti.endsWith(QLatin1String(".desktop"))) {
        const Desktopfil d = Desktopfil::laes(sti);
        return d.gyldig() && d.type() == QLatin1String("Application");
    }
    return aabner::erProgramfil(sti);
}

TProgform::TProgform(TMenuExeFiler &menuExe, Dialogs &dialogs, bool inde, const QString &optMappe,
                     const Hovedvindue &hoved, QWidget *parent)
    : QWidget(parent, inde ? Qt::Widget : Qt::Dialog)
    , m_menuExe(menuExe)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_optFilnavn(inde ? QString() : optMappe + QStringLiteral("Programmer.txt"))
{
    setObjectName("TProgform");
    setWindowTitle(QStringLiteral("Programmer"));

    nyKommando("aExeFile", "Indfør program", "Indfør den i Stifinder valgte programfil", "document-open",
               QStyle::SP_DialogOpenButton);
    nyKommando("aInsertProgram", "Tilføj programmet", "Kræver et filnavn samt en menutekst", "list-add",
               QStyle::SP_DialogApplyButton);
    nyKommando("visProgrammer", "", "Vis indførte programmer i listen", "view-list-details",
               QStyle::SP_FileDialogDetailedView);
    nyKommando("AFlytOp", "", "Flyt op", "go-up", QStyle::SP_ArrowUp);
    nyKommando("AFlytNed", "", "Flyt ned", "go-down", QStyle::SP_ArrowDown);
    nyKommando("AGem", "", "Gem", "document-save", QStyle::SP_DialogSaveButton);
    nyKommando("ADelprog", "Fjern program", "", "list-remove", QStyle::SP_TrashIcon);
    connect(kommando("aExeFile"), &QAction::triggered, this, &TProgform::aExeFile);
    connect(kommando("aInsertProgram"), &QAction::triggered, this, &TProgform::aInsertProgram);
    connect(kommando("visProgrammer"), &QAction::triggered, this, &TProgform::visProgrammer);
    connect(kommando("AFlytOp"), &QAction::triggered, this, [this] { flyt(true); });
    connect(kommando("AFlytNed"), &QAction::triggered, this, [this] { flyt(false); });
    connect(kommando("AGem"), &QAction::triggered, this, &TProgform::AGem);
    connect(kommando("ADelprog"), &QAction::triggered, this, &TProgform::ADelprog);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(bygVenstre(), 0);
    layout->addWidget(bygHoejre(), 1);
    saetInfoLabel();

    if (!m_showInternt) {
        setFixedSize(940, 572);
        const QStringList linjer = tekstfil::hent(m_optFilnavn, tekstfil::Art::Indstillinger);
        bool okV = false, okT = false;
        const int venstre = linjer.value(0).toInt(&okV);
        const int top = linjer.value(1).toInt(&okT);
        const QPoint sted = okV && okT ? QPoint(venstre, top) : QPoint(20, 40);
        // A stored place may be on a screen that is gone.
        move(skaermplacering::tilpas(this, QRect(sted, size())).topLeft());
    }
    opdaterKommandoer();
}

TProgform::~TProgform()
{
    // Inside the frame the window may go without a close event.
    if (!m_lukket && m_listeForandret) {
        m_lukket = true;
        AGem();
    }
}

QAction *TProgform::nyKommando(const QString &navn, const QString &tekst, const QString &hint, const QString &ikon,
                               int standardikon)
{
    // The desktop's icon where it has one, the style's own otherwise.
    const QIcon i = QIcon::fromTheme(ikon, style()->standardIcon(QStyle::StandardPixmap(standardikon)));
    auto *a = new QAction(i, tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hint.isEmpty() ? tekst : hint);
    m_kommandoer.insert(navn, a);
    return a;
}

QWidget *TProgform::bygVenstre()
{
    auto *w = new QWidget;
    w->setFixedWidth(300);
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    m_progInfLabel = new QLabel;
    m_progInfLabel->setObjectName("progInfLabel");
    QFont f = m_progInfLabel->font();
    f.setBold(true);
    m_progInfLabel->setFont(f);
    l->addWidget(m_progInfLabel);

    auto *knapper = new QHBoxLayout;
    for (const char *navn : {"AGem", "AFlytOp", "AFlytNed", "visProgrammer"})
        knapper->addWidget(kommandoknap(kommando(navn)));
    knapper->addStretch();
    l->addLayout(knapper);

    m_programListe = new QTreeWidget;
    m_programListe->setObjectName("programListe");
    m_programListe->setHeaderLabels({QStringLiteral("Programmer")});
    m_programListe->setRootIsDecorated(false);
    m_programListe->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_programListe->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_programListe->setIconSize(QSize(16, 16));
    connect(m_programListe, &QTreeWidget::itemClicked, this, &TProgform::raekkeValgt);
    connect(m_programListe, &QTreeWidget::currentItemChanged, this, &TProgform::opdaterKommandoer);
    // A click beside the rows empties the place field.
    m_programListe->viewport()->installEventFilter(this);
    l->addWidget(m_programListe, 1);

    l->addWidget(new QLabel(QStringLiteral("Valgt program")));
    m_fileText = laesefelt("fileText");
    l->addWidget(m_fileText);
    m_delKnap = new QPushButton;
    m_delKnap->setObjectName("knap_ADelprog");
    m_delKnap->setText(kommando("ADelprog")->text());
    m_delKnap->setIcon(kommando("ADelprog")->icon());
    connect(m_delKnap, &QPushButton::clicked, kommando("ADelprog"), &QAction::trigger);
    connect(kommando("ADelprog"), &QAction::changed, m_delKnap,
            [this] { m_delKnap->setEnabled(kommando("ADelprog")->isEnabled()); });
    l->addWidget(m_delKnap);

    m_spmLabel = new QLabel;
    m_spmLabel->setObjectName("spmLabel");
    m_spmLabel->setWordWrap(true);
    m_spmLabel->setFrameShape(QFrame::StyledPanel);
    m_spmLabel->setStyleSheet("QLabel { background: palette(alternate-base); padding: 4px; }");
    m_ja = new QPushButton(QStringLiteral("Ja"));
    m_ja->setObjectName("jaKnap");
    m_ja->setToolTip(QStringLiteral("Bekræft sletning af program fra listen"));
    m_nej = new QPushButton(QStringLiteral("Nej"));
    m_nej->setObjectName("nejKnap");
    m_nej->setToolTip(QStringLiteral("Annuller sletning af program fra listen"));
    connect(m_ja, &QPushButton::clicked, this, [this] { svar(true); });
    connect(m_nej, &QPushButton::clicked, this, [this] { svar(false); });
    auto *spm = new QHBoxLayout;
    spm->addWidget(m_ja);
    spm->addWidget(m_nej);
    l->addWidget(m_spmLabel);
    l->addLayout(spm);
    m_spmLabel->hide();
    m_ja->hide();
    m_nej->hide();
    return w;
}

QWidget *TProgform::bygHoejre()
{
    auto *w = new QWidget;
    auto *l = new QVBoxLayout(w);
    l->setContentsMargins(12, 0, 0, 0);
    auto *titel = vinduesdele::overskrift(QStringLiteral("Indfør program"), 1.4);
    l->addWidget(titel);
    for (const char *trin : {"1. Vælg det program der skal indføres, altså en programfil.",
                             "Det kan indføres via struktur 2.",
                             "2. Indfør det navn der skal anvendes i forbindelse med programmet.",
                             "3. Tilføj programmet.",
                             "Programmernes rækkefølge kan bestemmes på rediger siden."})
        l->addWidget(new QLabel(QString::fromUtf8(trin)));

    auto *gitter = new QGridLayout;
    gitter->addWidget(new QLabel(QStringLiteral("Filnavn")), 0, 0);
    m_exeKnap = new QPushButton(kommando("aExeFile")->icon(), kommando("aExeFile")->text());
    m_exeKnap->setObjectName("knap_aExeFile");
    m_exeKnap->setToolTip(kommando("aExeFile")->toolTip());
    connect(m_exeKnap, &QPushButton::clicked, kommando("aExeFile"), &QAction::trigger);
    gitter->addWidget(m_exeKnap, 0, 1);
    m_filEdit = laesefelt("filEdit", QStringLiteral("Programfilnavn"));
    connect(m_filEdit, &QLineEdit::returnPressed, this, [this] { m_capEdit->setFocus(); });
    connect(m_filEdit, &QLineEdit::textChanged, this, &TProgform::opdaterKommandoer);
    gitter->addWidget(m_filEdit, 0, 2, 1, 2);

    m_ikon = new QLabel;
    m_ikon->setObjectName("ikonBillede");
    m_ikon->setFixedSize(36, 36);
    m_ikon->setAlignment(Qt::AlignCenter);
    m_ikon->setFrameShape(QFrame::StyledPanel);
    gitter->addWidget(m_ikon, 1, 0);
    gitter->addWidget(new QLabel(QStringLiteral("Menu tekst")), 1, 1);
    m_capEdit = new QLineEdit;
    m_capEdit->setObjectName("CapEdit");
    m_capEdit->setPlaceholderText(QStringLiteral("Programnavn"));
    connect(m_capEdit, &QLineEdit::textChanged, this, &TProgform::opdaterKommandoer);
    gitter->addWidget(m_capEdit, 1, 2);
    m_maxTekstCheck = new QCheckBox(QStringLiteral("Start programmet maximeret"));
    m_maxTekstCheck->setObjectName("maxTekstCheck");
    gitter->addWidget(m_maxTekstCheck, 1, 3);

    gitter->addWidget(kommandoknap(kommando("aInsertProgram"), true), 2, 1);
    auto *tilfoejet = new QHBoxLayout;
    tilfoejet->addWidget(new QLabel(QStringLiteral("Tilføjet program:")));
    m_addText = new QLabel;
    m_addText->setObjectName("addText");
    tilfoejet->addWidget(m_addText, 1);
    gitter->addLayout(tilfoejet, 2, 2, 1, 2);
    gitter->setColumnStretch(2, 1);
    l->addLayout(gitter);

    l->addWidget(bygKendte());

    auto *placering = new QHBoxLayout;
    placering->addWidget(new QLabel(QStringLiteral("Placering")));
    m_placeringEdit = laesefelt("placeringEdit");
    placering->addWidget(m_placeringEdit, 1);
    l->addLayout(placering);
    l->addStretch();

    auto *bund = new QHBoxLayout;
    auto *luk = new QPushButton(QStringLiteral("Luk"));
    luk->setObjectName("lukKnap");
    connect(luk, &QPushButton::clicked, this, [this] {
        // Inside the frame the frame's window closes with us.
        QWidget *ramme = m_showInternt && parentWidget() ? parentWidget() : this;
        while (ramme != this && !ramme->inherits("QMdiSubWindow") && ramme->parentWidget())
            ramme = ramme->parentWidget();
        ramme->close();
    });
    bund->addWidget(luk);
    if (m_hoved.aVisStifinder) {
        auto *sf = kommandoknap(m_hoved.aVisStifinder, true);
        bund->addWidget(sf);
    }
    bund->addStretch();
    m_infoKnap = new QToolButton;
    m_infoKnap->setObjectName("infoKnap");
    m_infoKnap->setIcon(QIcon::fromTheme("help-about", style()->standardIcon(QStyle::SP_MessageBoxInformation)));
    m_infoKnap->setText(QStringLiteral("?"));
    m_infoKnap->setToolTip(QStringLiteral("Information"));
    connect(m_infoKnap, &QToolButton::clicked, this, [this] {
        if (m_hoved.infoHelp)
            m_hoved.infoHelp(QStringLiteral("Indfør programmer.html"));
    });
    m_infoKnap->setVisible(!m_showInternt);
    bund->addWidget(m_infoKnap);
    l->addLayout(bund);
    return w;
}

QWidget *TProgform::bygKendte()
{
    auto *w = new QWidget;
    auto *l = new QHBoxLayout(w);
    l->setContentsMargins(0, 8, 0, 8);
    QHash<QString, QVBoxLayout *> grupper;
    for (const QString &navn : {QStringLiteral("Browsere"), QStringLiteral("Andre"), QStringLiteral("Medie afspillere")}) {
        auto *g = new QGroupBox(navn);
        g->setObjectName(navn);
        g->setMinimumHeight(150);
        auto *gl = new QVBoxLayout(g);
        gl->setAlignment(Qt::AlignTop);
        grupper.insert(navn, gl);
        l->addWidget(g, 1);
    }
    for (const KendtProgram &p : kendteprogrammer::tabel()) {
        auto *k = new QPushButton(p.knap);
        k->setObjectName(QStringLiteral("kendt_") + p.caption);
        k->setToolTip(p.hint);
        k->setProperty("caption", p.caption);
        k->hide();
        connect(k, &QPushButton::clicked, this, [this, k] { indfoerKendt(k); });
        grupper.value(p.gruppe)->addWidget(k);
        m_kendteKnapper.append(k);
    }
    auto *check = new QPushButton(QStringLiteral("Check for programmer"));
    check->setObjectName("checkKnap");
    check->setToolTip(QStringLiteral("Hvis disse programmer ikke er indførte vises de til indføring"));
    connect(check, &QPushButton::clicked, this, &TProgform::checkForProgrammer);
    grupper.value(QStringLiteral("Medie afspillere"))->addStretch();
    grupper.value(QStringLiteral("Medie afspillere"))->addWidget(check);
    return w;
}

TProgform::Tilstand TProgform::tilstand() const
{
    Tilstand t;
    t.filnavn = !m_filEdit->text().isEmpty();
    t.menutekst = !m_capEdit->text().trimmed().isEmpty();
    t.antalProgrammer = m_menuExe.antal();
    t.antalRaekker = m_programListe->topLevelItemCount();
    t.valgtRaekke = m_programListe->indexOfTopLevelItem(m_programListe->currentItem());
    t.SletNr = m_SletNr;
    t.listeForandret = m_listeForandret;
    t.spoerger = m_spmLabel->isVisibleTo(const_cast<TProgform *>(this));
    return t;
}

void TProgform::opdaterKommandoer()
{
    if (!m_programListe || !m_spmLabel || !m_filEdit || !m_capEdit)
        return;
    const Tilstand t = tilstand();
    for (auto it = m_kommandoer.cbegin(); it != m_kommandoer.cend(); ++it)
        it.value()->setEnabled(aktiv(it.key(), t));
}

void TProgform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_opstart)
        return;
    m_opstart = false;
    m_listeForandret = false;
    m_exeKnap->setFocus();
    const QString editSti = m_hoved.editSti ? m_hoved.editSti() : QString();
    if (erProgram(editSti)) {
        m_filEdit->setText(editSti);
        m_capEdit->setFocus();
    }
    opdaterKommandoer();
}

void TProgform::closeEvent(QCloseEvent *event)
{
    if (m_listeForandret)
        AGem();
    if (!m_showInternt)
        gemPosition();
    m_lukket = true;
    QWidget::closeEvent(event);
}

bool TProgform::eventFilter(QObject *obj, QEvent *event)
{
    if (obj == m_programListe->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent *>(event)->position().toPoint();
        if (!m_programListe->itemAt(p))
            m_placeringEdit->clear();
    }
    return QWidget::eventFilter(obj, event);
}

void TProgform::gemPosition()
{
    if (!m_optFilnavn.isEmpty())
        tekstfil::gem(m_optFilnavn, {QString::number(x()), QString::number(y())});
}

void TProgform::aExeFile()
{
    const QString editSti = m_hoved.editSti ? m_hoved.editSti() : QString();
    if (!erProgram(editSti)) {
        m_dialogs.inform(QStringLiteral("Der skal være valgt en programfil i Filstrukturen.\r"
                                        "Vælg en sådan og prøv igen."));
        if (m_hoved.aVisStifinder)
            m_hoved.aVisStifinder->trigger();
        return;
    }
    m_addText->clear();
    if (QFileInfo::exists(editSti))
        m_filEdit->setText(editSti);
    m_capEdit->setFocus();
}

void TProgform::tomFelter()
{
    m_filEdit->clear();
    m_capEdit->clear();
    m_maxTekstCheck->setChecked(false);
}

void TProgform::aInsertProgram()
{
    const QString sti = m_filEdit->text();
    const QString caption = m_capEdit->text().trimmed();
    if (sti.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Der mangler et filnavn!"));
        m_exeKnap->setFocus();
        return;
    }
    if (!QFileInfo::exists(sti)) {
        m_dialogs.inform(QStringLiteral("Filen: ") + sti + QStringLiteral("\rkunne ikke findes!"));
        tomFelter();
        return;
    }
    if (caption.isEmpty()) {
        m_dialogs.inform(QStringLiteral("Der mangler en menu tekst!"));
        m_capEdit->setFocus();
        return;
    }
    if (m_menuExe.findProgram(sti) >= 0) {
        m_dialogs.inform(QStringLiteral("Programmet er allerede indført!"));
        tomFelter();
        return;
    }
    m_menuExe.InsertItem(sti, caption, QString(), m_maxTekstCheck->isChecked() ? 3 : 1);
    // The save writes every pending move too.
    if (m_menuExe.GemProgrammer())
        m_listeForandret = false;
    m_addText->setText(caption);
    tomFelter();
    m_ikon->setPixmap(m_menuExe.ikon(m_menuExe.antal() - 1).pixmap(32, 32));
    if (m_programListe->topLevelItemCount() > 0)
        fyldListe();
    saetInfoLabel();
    opdaterKommandoer();
    emit visProgramside();
}

void TProgform::fyldListe(int vaelg)
{
    m_programListe->clear();
    for (int i = 0; i < m_menuExe.antal(); ++i) {
        auto *item = new QTreeWidgetItem({m_menuExe.GetCaption(i)});
        item->setIcon(0, m_menuExe.ikon(i));
        m_programListe->addTopLevelItem(item);
    }
    if (vaelg >= 0 && vaelg < m_programListe->topLevelItemCount())
        m_programListe->setCurrentItem(m_programListe->topLevelItem(vaelg));
    opdaterKommandoer();
}

void TProgform::saetInfoLabel()
{
    const int n = m_menuExe.antal();
    m_progInfLabel->setText(m_programListe->topLevelItemCount() > 0 || (n > 0 && m_SletNr >= 0)
                                ? QString::number(n) + QStringLiteral(" programmer")
                                : QStringLiteral("Indførte programmer"));
}

void TProgform::visProgrammer()
{
    // Pending moves stay pending: showing the list again must not lose them
    // at closing time.
    m_SletNr = -1;
    m_fileText->clear();
    fyldListe();
    m_progInfLabel->setText(QString::number(m_menuExe.antal()) + QStringLiteral(" programmer"));
    opdaterKommandoer();
}

void TProgform::flyt(bool op)
{
    const int raekke = m_programListe->indexOfTopLevelItem(m_programListe->currentItem());
    const bool flyttet = op ? m_menuExe.flytOp(raekke) : m_menuExe.flytNed(raekke);
    if (!flyttet)
        return;
    const int ny = op ? raekke - 1 : raekke + 1;
    m_listeForandret = true;
    if (m_SletNr == raekke)
        m_SletNr = ny;
    fyldListe(ny);
}

void TProgform::AGem()
{
    m_menuExe.GemProgrammer();
    m_menuExe.HentProgrammer();
    m_listeForandret = false;
    m_SletNr = -1;
    m_fileText->clear();
    m_placeringEdit->clear();
    if (!m_lukket && m_programListe)
        fyldListe();
    opdaterKommandoer();
}

void TProgform::raekkeValgt()
{
    const int raekke = m_programListe->indexOfTopLevelItem(m_programListe->currentItem());
    if (raekke < 0)
        return;
    m_SletNr = raekke;
    m_fileText->setText(m_menuExe.GetCaption(raekke));
    m_placeringEdit->setText(m_menuExe.GetFilnavn(raekke));
    opdaterKommandoer();
}

void TProgform::ADelprog()
{
    if (m_SletNr < 0 || m_SletNr >= m_menuExe.antal())
        return;
    m_spmLabel->setText(QStringLiteral("Vil du fjerne programmet\r") + m_menuExe.GetCaption(m_SletNr) + u'?');
    m_spmLabel->show();
    m_ja->show();
    m_nej->show();
    m_programListe->setEnabled(false);
    m_delKnap->setEnabled(false);
    m_nej->setFocus();
    opdaterKommandoer();
}

void TProgform::svar(bool ja)
{
    m_spmLabel->hide();
    m_ja->hide();
    m_nej->hide();
    m_programListe->setEnabled(true);
    if (ja) {
        m_menuExe.DeleteItem(m_SletNr);   // saves the list
        m_listeForandret = false;
        m_SletNr = -1;
        m_fileText->clear();
        m_placeringEdit->clear();
        fyldListe();
        m_progInfLabel->setText(m_menuExe.antal() > 0 ? QString::number(m_menuExe.antal()) + QStringLiteral(" programmer")
                                                      : QStringLiteral("Indførte programmer"));
        emit visProgramside();
        m_menuExe.rydAktivtProgram();
    }
    opdaterKommandoer();
    m_delKnap->setEnabled(kommando("ADelprog")->isEnabled());
}

void TProgform::checkForProgrammer()
{
    int vist = 0;
    const QList<KendtProgram> tabel = kendteprogrammer::tabel();
    for (int i = 0; i < tabel.size(); ++i) {
        const QString sti = kendteprogrammer::find(tabel[i], m_menuExe, m_kendtRod);
        QPushButton *k = m_kendteKnapper[i];
        k->setProperty("sti", sti);
        k->setVisible(!sti.isEmpty());
        vist += sti.isEmpty() ? 0 : 1;
    }
    if (vist == 0)
        m_dialogs.inform(QStringLiteral("Der blev ikke fundet forslag til indføring af programmer."));
}

void TProgform::indfoerKendt(QPushButton *knap)
{
    const QString sti = knap->property("sti").toString();
    if (sti.isEmpty())
        return;
    m_menuExe.InsertItem(sti, knap->property("caption").toString(), QString(), 1);
    if (m_menuExe.GemProgrammer())
        m_listeForandret = false;
    knap->hide();
    if (m_programListe->topLevelItemCount() > 0)
        fyldListe();
    opdaterKommandoer();
    emit visProgramside();
}
