#include "app/tbeskedform.h"

#include "app/tbeskedlabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>

namespace {

constexpr int BilledeStoerrelse = 16;
constexpr int NormalPunkt = 8;
constexpr int VisningsPunkt = 10;
// Allowance for the window manager's title bar and borders when the window
// must fit on the screen.
constexpr int RammeTillaeg = 60;

QLabel *lavBillede(QStyle::StandardPixmap billede, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(parent->style()->standardIcon(billede, nullptr, parent)
                         .pixmap(BilledeStoerrelse, BilledeStoerrelse));
    label->resize(BilledeStoerrelse, BilledeStoerrelse);
    return label;
}

void saetPunkt(QWidget *widget, int punkt)
{
    QFont font = widget->font();
    font.setPointSize(punkt);
    widget->setFont(font);
}

} // namespace

TBeskedform::TBeskedform(const QString &caption, QStyle::StandardPixmap billede, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , m_label(new TBeskedLabel)
    , m_tekstOmraade(new QScrollArea(this))
    , m_billedeVenstre(lavBillede(billede, this))
    , m_billedeHoejre(lavBillede(billede, this))
{
    setWindowTitle(caption);
    // Above every other window of the program, the progress windows (which
    // stay on top themselves) included, and modal to the main window's family
    // of windows: a progress window stands apart from it, so its "Stop" can
    // still be pressed while a question waits.
    setWindowModality(Qt::WindowModal);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(NormalPunkt);
    setFont(font);

    // The text scrolls only when it is taller than the screen allows.
    m_tekstOmraade->setFrameShape(QFrame::NoFrame);
    m_tekstOmraade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tekstOmraade->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_tekstOmraade->setWidget(m_label);
    m_tekstOmraade->setFocusPolicy(Qt::NoFocus);
    resetValues();
}

void TBeskedform::insertTekst(const QString &tekst)
{
    m_label->setText(tekst);
}

QString TBeskedform::tekst() const
{
    return m_label->text();
}

void TBeskedform::resetValues()
{
    m_label->clear();
    saetPunkt(m_label, NormalPunkt);
}

void TBeskedform::FormShow()
{
    saetPunkt(m_label, VisningsPunkt);
    foerVisning();

    const int ekstra = ekstraHoejde();
    int labelBredde = TekstBredde;
    int tekstHoejde = m_label->hoejdeVedBredde(labelBredde);
    int hoejde = tekstHoejde + FastHoejde + ekstra;
    const int maks = maksHoejde();
    if (hoejde > maks) {
        // Keep the buttons on the screen; the text gets a scroll bar instead.
        hoejde = maks;
        labelBredde -= m_tekstOmraade->verticalScrollBar()->sizeHint().width();
        tekstHoejde = m_label->hoejdeVedBredde(labelBredde);
    }
    setFixedSize(Bredde, hoejde);

    m_tekstOmraade->setGeometry(Sidemargen, TekstTop, TekstBredde,
                                hoejde - FastHoejde - ekstra);
    m_label->resize(labelBredde, tekstHoejde);

    const int knapY = hoejde - KnapAfstandFraBund;
    const int billedeY = knapY + (KnapHoejde - BilledeStoerrelse) / 2;
    m_billedeVenstre->move(Sidemargen, billedeY);
    m_billedeHoejre->move(Bredde - Sidemargen - BilledeStoerrelse, billedeY);
    placerKontroller(knapY);
}

void TBeskedform::setVisible(bool visible)
{
    // Laid out and placed before the window maps, so it never flickers at
    // its former size or place.
    const bool vises = visible && !isVisible();
    if (vises) {
        FormShow();
        centrerPaaForaelder();
        // A window manager gives a new window the focus, and puts it on
        // top, only when the window it belongs to has the focus. A question
        // asked while a progress window has it (a close asked for from
        // outside, during a copy) would open beneath that window.
        if (QWidget *hoved = const_cast<QWidget *>(hovedvindue()); hoved && hoved->isVisible())
            hoved->activateWindow();
    }
    QDialog::setVisible(visible);
    if (vises) {
        raise();
        activateWindow();
    }
}

void TBeskedform::done(int resultat)
{
    QDialog::done(resultat);
    resetValues();
}

const QWidget *TBeskedform::hovedvindue() const
{
    return parentWidget() ? parentWidget()->window() : nullptr;
}

QScreen *TBeskedform::skaerm() const
{
    return hovedvindue() ? hovedvindue()->screen() : QGuiApplication::primaryScreen();
}

int TBeskedform::maksHoejde() const
{
    if (!skaerm())
        return QWIDGETSIZE_MAX;
    return qMax(FastHoejde + ekstraHoejde() + 3 * QFontMetrics(m_label->font()).lineSpacing(),
                skaerm()->availableGeometry().height() - RammeTillaeg);
}

void TBeskedform::centrerPaaForaelder()
{
    const QWidget *vindue = hovedvindue();
    const QRect omraade = skaerm() ? skaerm()->availableGeometry() : QRect();
    const QPoint midte = vindue && vindue->isVisible() ? vindue->frameGeometry().center()
                                                       : omraade.center();
    // Centre the frame, whose margins are known once the native window exists
    // (on some systems only after a first show). setGeometry places the inside
    // alone, which move() does not do consistently for a hidden window.
    if (!windowHandle())
        create();
    const QMargins kant = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QRect ramme(QPoint(), size().grownBy(kant));
    ramme.moveCenter(midte);
    if (omraade.isValid()) {
        // A main window partly off the screen must not push the box off it.
        const int hoejreGraense = qMax(omraade.left(), omraade.right() + 1 - ramme.width());
        const int nedreGraense = qMax(omraade.top(), omraade.bottom() + 1 - ramme.height());
        ramme.moveLeft(qBound(omraade.left(), ramme.left(), hoejreGraense));
        ramme.moveTop(qBound(omraade.top(), ramme.top(), nedreGraense));
    }
    setGeometry(ramme.marginsRemoved(kant));
}
