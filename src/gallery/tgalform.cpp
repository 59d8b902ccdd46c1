#include "gallery/tgalform.h"

#include "app/skaermplacering.h"
#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/galleri/farver.h"
#include "engines/galleri/tbilledindlaeser.h"
#include "gallery/tbibpan.h"
#include "gallery/tprogresscompo.h"
#include "gallery/trulskakt.h"
#include "platform/filinfo.h"
#include "platform/skrivebord.h"
#include "platform/tekstfil.h"
#include "shell/aktivering.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int udeBredde = 900;
constexpr int maxAntal = 50;   // cells across or down; beyond it no thumbnail fits

} // namespace

// The window's side of a load: the bar follows the percentages, pending
// events run, and a new load or a close stops it. It holds nothing of the
// window that could vanish while events run.
class TGalForm::Fremdriftsled : public TBilledIndlaeser::Fremdrift
{
public:
    Fremdriftsled(TProgressCompo *bjaelke, std::shared_ptr<bool> stop)
        : m_bjaelke(bjaelke)
        , m_stop(std::move(stop))
    {
    }
    void procent(int p) override
    {
        if (m_bjaelke && !*m_stop)
            m_bjaelke->setPosition(p);
    }
    void holdILive() override { QCoreApplication::processEvents(); }
    bool stoppet() const override { return *m_stop; }

private:
    QPointer<TProgressCompo> m_bjaelke;
    std::shared_ptr<bool> m_stop;
};

TGalForm::TGalForm(Dialogs &dialogs, bool inde, const QString &settingsfil, const Hovedvindue &hoved,
                   QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_hoved(hoved)
    , m_showInternt(inde)
    , m_optFilnavn(inde ? QString() : settingsfil)
    , m_indlaeser(std::make_shared<TBilledIndlaeser>())
{
    setObjectName("TGalForm");
    setWindowTitle(QStringLiteral("Billeder"));
    setAttribute(Qt::WA_DeleteOnClose);
    opsaetRammer();

    nyKommando("aIndlaes", "Indlæs billeder", "Indlæs billeder fra filmappen: Ctrl +I", Qt::CTRL | Qt::Key_I);
    nyKommando("aKopierMappe", "Kopier til klipbordet", "Kopier aktuelle mappe: Ctrl+M", Qt::CTRL | Qt::Key_M);
    // The desktop's own file manager stands in for the one the caption named.
    nyKommando("aVisMappe", "Vis i filhåndtering", "Åben aktuelle mappe i systemets filhåndtering: Ctrl+F",
               Qt::CTRL | Qt::Key_F);
    nyKommando("aKopierBillede", "Kopier til klipbordet", "Kopier valgte billede: Ctrl+C", Qt::CTRL | Qt::Key_C);
    nyKommando("aSletBillede", "Slet valgte fil i stifinderen", "Slet valgte: Ctrl+D", Qt::CTRL | Qt::Key_D);
    nyKommando("aFindBillede", "Find og marker valgte billede i filstrukturen",
               "Marker valgte billede i struktur 2: Ctrl+V eller højreklik", Qt::CTRL | Qt::Key_V);
    nyKommando("aAabnBillede", "Åben valgte i andet program", "Åben valgte eventuelt til redigering: Ctrl+K",
               Qt::CTRL | Qt::Key_K);
    connect(kommando("aIndlaes"), &QAction::triggered, this, [this] { loadBilleder(m_antalV, m_antalL); });
    connect(kommando("aKopierMappe"), &QAction::triggered, this, [this] {
        if (m_hoved.RegisterEleFromGal)
            m_hoved.RegisterEleFromGal(m_gitter->Bibliotek());
    });
    connect(kommando("aVisMappe"), &QAction::triggered, this, &TGalForm::visMappe);
    connect(kommando("aKopierBillede"), &QAction::triggered, this, [this] {
        if (m_hoved.RegisterEleFromGal)
            m_hoved.RegisterEleFromGal(m_picFilnavn);
    });
    connect(kommando("aSletBillede"), &QAction::triggered, this, &TGalForm::sletBillede);
    connect(kommando("aFindBillede"), &QAction::triggered, this, [this] {
        if (m_hoved.selectFromGal)
            m_hoved.selectFromGal(m_picFilnavn, false);
    });
    connect(kommando("aAabnBillede"), &QAction::triggered, this, [this] {
        if (m_hoved.runFilname)
            m_hoved.runFilname(m_picFilnavn);
    });

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(bygVenstre());
    layout->addWidget(bygMidte(), 1);
    layout->addWidget(bygHoejre());

    // Counts come from the main settings, kept within what the grid can show.
    saetAntal(m_hoved.GBoxV ? *m_hoved.GBoxV : 2, m_hoved.GBoxL ? *m_hoved.GBoxL : 2);
    if (!m_showInternt)
        hentPosition();
    m_infoKnap->setVisible(!m_showInternt);
    qApp->installEventFilter(this);
    opdaterKommandoer();
}

TGalForm::~TGalForm()
{
    // A load still on the stack below (the window went while events ran)
    // finds its stop flag set; the loader itself waits for its threads.
    *m_stopIndlaesning = true;
}

void TGalForm::setTraade(int traade)
{
    m_indlaeser = std::make_shared<TBilledIndlaeser>(traade);
}

void TGalForm::opsaetRammer()
{
    const QPalette pal = QGuiApplication::palette();
    const QColor face = pal.color(QPalette::Button);
    m_celleRamme.Art = TRammeXType::rtInd;
    m_celleRamme.Bredde = 2;
    m_celleRamme.FarveRamme = face;
    m_celleRamme.FarveOmrids = Qt::black;
    m_celleRamme.FarveOver = windowsFarve(0xFF0000);    // blue
    m_celleRamme.FarveAktiv = windowsFarve(0x00FFFF);   // yellow
    m_celleRamme.MedFeltFarve = false;
    m_celleRamme.AfstandLodret = 2;
    m_celleRamme.AfstandVandret = 2;
    m_celleRamme.Margen = 2;
    m_celleRamme.ReaktionNede = TRammeXType::rtIngen;
    m_celleRamme.ReaktionOver = TRammeXType::rtIngen;
    m_celleRamme.TilpasAlign = true;

    m_skaktRamme.Art = TRammeXType::rtInd;
    m_skaktRamme.FarveOmrids = Qt::black;
    m_skaktRamme.NytClientRect = true;
    m_skaktRamme.TilpasAlign = true;

    m_knapRamme.Art = TRammeXType::rtUd;
    m_knapRamme.ArtUaktiv = TRammeXType::rtUd;
    m_knapRamme.FarveRamme = face;
    m_knapRamme.FarveOmrids = Qt::black;

    m_posRamme.Art = TRammeXType::rtUd;
    m_posRamme.FarveRamme = windowsFarve(14737632);
    m_posRamme.FarveOmrids = Qt::black;
    m_posRamme.FocusRamme = true;
    m_posRamme.MedFeltFarve = false;
    m_posRamme.AfstandLodret = 0;
    m_posRamme.AfstandVandret = 0;
    m_posRamme.ReaktionNede = TRammeXType::rtIngen;
    m_posRamme.ReaktionOver = TRammeXType::rtIngen;
}

QAction *TGalForm::nyKommando(const QString &navn, const QString &tekst, const QString &hint, QKeySequence tast)
{
    auto *a = new QAction(tekst, this);
    a->setObjectName(navn);
    a->setToolTip(hint);
    a->setStatusTip(hint);
    a->setShortcut(tast);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);
    m_kommandoer.insert(navn, a);
    return a;
}

// ---------------------------------------------------------------- life cycle

bool TGalForm::event(QEvent *e)
{
    foelgAktivering(this, e, [this] { FormActivate(); });
    return QWidget::event(e);
}

void TGalForm::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    // Inside the frame the first activation can come before the window is
    // shown; the colour is there from the first paint either way.
    if (m_opstart)
        FormActivate();
}

void TGalForm::FormActivate()
{
    if (m_opstart) {
        m_opstart = false;
        // A stored index outside the table falls back to the first colour.
        const int indeks = m_hoved.colIndex ? *m_hoved.colIndex : 0;
        setBgFarve(indeks >= 0 && indeks < galleriFarver::Antal ? indeks : 0);
    }
    m_gitter->setFocus();
}

bool TGalForm::eventFilter(QObject *objekt, QEvent *e)
{
    switch (e->type()) {
    case QEvent::ToolTip: {
        // Pop-up hints show only while a function runs and the user asked
        // for them; otherwise hints go to the status line.
        auto *w = qobject_cast<QWidget *>(objekt);
        if (w && (w == this || isAncestorOf(w)) && !(m_hoved.visHints && m_hoved.visHints()))
            return true;
        break;
    }
    case QEvent::Enter:
    case QEvent::Leave:
        if (m_statustekster.contains(objekt) && m_hoved.UdskrivInfo)
            m_hoved.UdskrivInfo(e->type() == QEvent::Enter ? m_statustekster.value(objekt) : QString());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objekt, e);
}

void TGalForm::closeEvent(QCloseEvent *e)
{
    if (m_indlaeser_koerer) {
        // The load unwinds first; the window closes when it has.
        *m_stopIndlaesning = true;
        m_lukEfterIndlaesning = true;
        e->ignore();
        return;
    }
    if (!m_lukket) {
        m_lukket = true;
        if (m_hoved.GBoxV)
            *m_hoved.GBoxV = m_antalV;
        if (m_hoved.GBoxL)
            *m_hoved.GBoxL = m_antalL;
        if (!m_showInternt)
            gemPosition();
    }
    e->accept();
}

void TGalForm::hentPosition()
{
    setFixedWidth(udeBredde);
    int venstre = 20, top = 40, hoejde = 580;
    const QStringList linjer = tekstfil::hent(m_optFilnavn);
    bool ok1 = false, ok2 = false, ok3 = false;
    const int v = linjer.value(0).toInt(&ok1), t = linjer.value(1).toInt(&ok2), h = linjer.value(2).toInt(&ok3);
    if (ok1 && ok2 && ok3) {
        venstre = v;
        top = t;
        hoejde = h;
    }
    skaermplacering::placer(this, QRect(venstre, top, udeBredde, qMax(400, hoejde)));
}

void TGalForm::gemPosition()
{
    if (!m_optFilnavn.isEmpty())
        tekstfil::gem(m_optFilnavn, {QString::number(x()), QString::number(y()), QString::number(height())});
}

// ---------------------------------------------------------------- commands

void TGalForm::opdaterKommandoer()
{
    const bool mappe = !m_gitter->Bibliotek().isEmpty();
    const bool billede = !m_picFilnavn.isEmpty();
    kommando("aKopierMappe")->setEnabled(mappe);
    kommando("aVisMappe")->setEnabled(mappe);
    for (const char *navn : {"aKopierBillede", "aSletBillede", "aFindBillede", "aAabnBillede"})
        kommando(QLatin1String(navn))->setEnabled(billede);
}

bool TGalForm::udsaetUnderIndlaesning(std::function<void()> arbejde)
{
    if (!m_indlaeser_koerer)
        return false;
    *m_stopIndlaesning = true;
    m_venter = std::move(arbejde);
    return true;
}

void TGalForm::setBgFarve(int indeks)
{
    m_colIndex = indeks;
    if (m_hoved.colIndex)
        *m_hoved.colIndex = indeks;
    const QColor farve = windowsFarve(galleriFarver::vaerdi(indeks));
    m_farveknap->setIcon(farveikon(farve));
    m_fremdrift->setBaggrund(farve);
    m_fremdrift->setColorStep(windowsFarve(galleriFarver::bjaelkeVaerdi(galleriFarver::vaerdi(indeks))));
    m_gitter->setFeltFarve(farve);
}

void TGalForm::saetAntal(int V, int L)
{
    m_antalV = qBound(1, V, maxAntal);
    m_antalL = qBound(1, L, maxAntal);
    m_antalVFelt->setText(QString::number(m_antalV));
    m_antalLFelt->setText(QString::number(m_antalL));
    m_gitter->NyeFelterVL(m_antalV, m_antalL);
    if (m_hoved.GBoxV)
        *m_hoved.GBoxV = m_antalV;
    if (m_hoved.GBoxL)
        *m_hoved.GBoxL = m_antalL;
    m_skakt->NyePos(m_antalV * m_antalL, 0, 0);
    m_fremdrift->setPosition(0);
}

void TGalForm::aendrAntal(bool vandret, int trin)
{
    if (udsaetUnderIndlaesning([this, vandret, trin] { aendrAntal(vandret, trin); }))
        return;
    m_gitter->tom();
    BibInfo(-1);
    m_antalBilleder->setText(QStringLiteral("0"));
    int V = m_antalV, L = m_antalL;
    int &antal = vandret ? V : L;
    antal += trin;
    if (antal < 1) {
        antal = 1;
        if (m_hoved.UdskrivInfo)
            m_hoved.UdskrivInfo(QStringLiteral("Et felt er mindste feltantal"));
    } else if (antal > maxAntal) {
        antal = maxAntal;
        if (m_hoved.UdskrivInfo)
            m_hoved.UdskrivInfo(QStringLiteral("%1 felter er største feltantal").arg(maxAntal));
    }
    saetAntal(V, L);
    opdaterKommandoer();
}

QString TGalForm::valgtMappe() const
{
    const QString sti = stier::udenSkraastreg(m_hoved.editSti ? m_hoved.editSti().trimmed() : QString());
    if (sti.isEmpty())
        return {};
    if (filinfo::erMappe(sti))
        return sti;
    if (filinfo::erFil(sti))
        return stier::mappeAf(sti);
    return {};
}

void TGalForm::loadBilleder(int V, int L)
{
    if (udsaetUnderIndlaesning([this, V, L] { loadBilleder(V, L); }))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BibInfo(-1);
    const QString mappe = valgtMappe();
    m_mappe->setText(mappe);
    saetAntal(V, L);
    LoadListe(mappe);
    QApplication::restoreOverrideCursor();
    if (m_lukEfterIndlaesning || m_lukket)
        return;
    if (m_gitter->AntalIalt() > 0) {
        m_gitter->setFocus();
        BibInfo(0);
    } else if (!m_venter) {
        m_dialogs.inform(QStringLiteral("For at indlæse billeder skal der være valgt en billedfil af type jpg, ico "
                                        "eller bmp i mappe-fil-strukturen, altså struktur 2."));
    }
    opdaterKommandoer();
}

void TGalForm::LoadListe(const QString &mappe)
{
    m_gitter->tom();
    m_fremdrift->setPosition(0);
    TBilledIndlaeser::Resultat r;
    if (!mappe.isEmpty()) {
        const felter::Layout l = m_gitter->layout();
        const int W = l.FeltBredde - 2 * felter::Rammebredde, H = l.FeltHojde - 2 * felter::Rammebredde;
        *m_stopIndlaesning = false;
        Fremdriftsled led(m_fremdrift, m_stopIndlaesning);
        m_indlaeser_koerer = true;
        QPointer<TGalForm> selv(this);
        const std::shared_ptr<TBilledIndlaeser> laeser = m_indlaeser;
        r = laeser->indlaes(mappe, billedfiler::FilType::ftBegge, W, H, led);
        if (!selv)
            return;
        m_indlaeser_koerer = false;
        if (r.afbrudt) {
            // Stopped for a new load or a close: that comes now, the old
            // pictures are not shown.
            *m_stopIndlaesning = false;
            if (m_lukEfterIndlaesning)
                QTimer::singleShot(0, this, &QWidget::close);
            else if (m_venter)
                QTimer::singleShot(0, this, [this] {
                    if (auto f = std::exchange(m_venter, {}))
                        f();
                });
            return;
        }
        m_gitter->setListe(mappe, r.Bil, r.miniaturer, l.lagerStoerrelse());
    } else {
        m_gitter->setListe(QString(), {}, {}, QSize());
    }
    QCoreApplication::processEvents();
    const int antal = m_gitter->Antal();
    m_skakt->NyePos(m_antalV * m_antalL, m_gitter->AntalIalt() - antal, 0);
    m_antalBilleder->setText(QString::number(m_gitter->AntalIalt()));
}

void TGalForm::BibInfo(int billede)
{
    const QList<TBilRec> &bil = m_gitter->Bil();
    if (billede < 0 || billede >= bil.size()) {
        m_picFilnavn.clear();
        m_filnavn->clear();
        m_bredde->clear();
        m_hoejde->clear();
    } else {
        const TBilRec &b = bil.at(billede);
        m_picFilnavn = stier::delimKon(m_gitter->Bibliotek()) + b.Filnavn;
        m_filnavn->setText(b.Filnavn);
        m_bredde->setText(QString::number(b.Bredde));
        m_hoejde->setText(QString::number(b.Hojde));
        const felter::Layout l = m_gitter->layout();
        m_feltLinje->setText(QStringLiteral("Bredde: %1 Højde: %2").arg(l.FeltBredde).arg(l.FeltHojde));
    }
    opdaterKommandoer();
}

void TGalForm::klik(Qt::MouseButton knap, int billede)
{
    BibInfo(billede);
    if (knap == Qt::RightButton && m_hoved.selectFromGal && !m_picFilnavn.isEmpty())
        m_hoved.selectFromGal(m_picFilnavn, false);
}

void TGalForm::sletBillede()
{
    const QString fil = m_picFilnavn;
    if (fil.isEmpty())
        return;
    if (!m_dialogs.ask(QStringLiteral("Filnavn:\r") + stier::getLastDirectory(fil)
                       + QStringLiteral("\rSkal filen slettes til papirkurven?")))
        return;
    QCoreApplication::processEvents();
    if (!filinfo::erFil(fil) || !m_hoved.selectFromGal)
        return;
    QPointer<TGalForm> selv(this);
    m_hoved.selectFromGal(fil, true);
    if (!selv || filinfo::findes(fil))
        return;
    // The picture went to the trash: it leaves the grid too.
    int nr = -1;
    for (int i = 0; i < m_gitter->Bil().size(); ++i)
        if (stier::delimKon(m_gitter->Bibliotek()) + m_gitter->Bil().at(i).Filnavn == fil)
            nr = i;
    m_gitter->fjern(nr);
    m_antalBilleder->setText(QString::number(m_gitter->AntalIalt()));
    m_skakt->NyePos(m_antalV * m_antalL, m_gitter->AntalIalt() - m_gitter->Antal(), m_gitter->StartNr());
    BibInfo(m_gitter->ANr() >= 0 ? m_gitter->StartNr() + m_gitter->ANr() : -1);
}

void TGalForm::visMappe()
{
    const QString mappe = m_gitter->Bibliotek();
    if (mappe.isEmpty())
        return;
    if (skrivebord::aabnMappe(mappe) == skrivebord::Aabning::Mislykket && m_hoved.UdskrivInfo)
        m_hoved.UdskrivInfo(QStringLiteral("Mappen kunne ikke åbnes i systemets filhåndtering."));
}
