#include "gallery/tbibpan.h"

#include "engines/galleri/rammex.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using felter::Gitter;

TBibPan::TBibPan(QWidget *parent)
    : QWidget(parent)
    , m_feltFarve(windowsFarve(galleriFarver::vaerdi(0)))
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    nulstilCeller();
}

void TBibPan::setRamme(TRammeFeltX *ramme)
{
    m_ramme = ramme;
    update();
}

void TBibPan::nulstilCeller()
{
    m_sit = QList<int>(m_gitter.V * m_gitter.L, 1);
    m_gitter.ANr = -1;
    m_trykket = -1;
}

void TBibPan::NyeFelterVL(int V, int L)
{
    m_gitter.V = qMax(1, V);
    m_gitter.L = qMax(1, L);
    m_gitter.setStartNr(m_gitter.StartNr);
    nulstilCeller();
    update();
}

void TBibPan::setListe(const QString &bibliotek, const QList<TBilRec> &bil,
                       const QList<billedfiler::Miniature> &miniaturer, QSize lager)
{
    m_bibliotek = bibliotek;
    m_bil = bil;
    m_miniaturer = miniaturer;
    m_lager = lager;
    m_gitter.AntalIalt = int(m_bil.size());
    m_gitter.StartNr = 0;
    nulstilCeller();
    if (m_gitter.Antal() > 0)
        m_sit[0] = TRammeX::Over;
    update();
}

void TBibPan::tom()
{
    setListe(QString(), {}, {}, QSize());
}

void TBibPan::fjern(int billede)
{
    if (billede < 0 || billede >= m_bil.size())
        return;
    m_bil.removeAt(billede);
    m_miniaturer.removeAt(billede);
    m_gitter.AntalIalt = int(m_bil.size());
    m_gitter.setStartNr(m_gitter.StartNr);
    if (m_gitter.ANr >= m_gitter.Antal())
        m_gitter.ANr = m_gitter.Antal() - 1;
    for (int k = 0; k < m_sit.size(); ++k)
        m_sit[k] = k == m_gitter.ANr ? TRammeX::Over : TRammeX::Normal;
    update();
}

void TBibPan::setFeltFarve(const QColor &farve)
{
    if (farve == m_feltFarve)
        return;
    m_feltFarve = farve;
    // Thumbnails are kept without their background, so a new colour shows
    // at once without decoding a picture again.
    update();
}

void TBibPan::NytStartNr(int nr)
{
    const int start = qBound(0, nr, m_gitter.maxStart());
    if (start == m_gitter.StartNr)
        return;
    m_gitter.StartNr = start;
    update();
}

void TBibPan::fjernFokuslook()
{
    for (int k = 0; k < m_sit.size(); ++k) {
        if (m_sit[k] != TRammeX::Normal) {
            m_sit[k] = TRammeX::Normal;
            opdaterFelt(k);
        }
    }
}

void TBibPan::opdaterFelt(int felt)
{
    const felter::Layout l = layout();
    if (felt >= 0 && felt < l.YR.size())
        update(l.YR.at(felt));
}

bool TBibPan::event(QEvent *e)
{
    // The grid takes the arrow keys and Tab stays with focus movement.
    if (e->type() == QEvent::KeyPress) {
        const int tast = static_cast<QKeyEvent *>(e)->key();
        if (tast == Qt::Key_Left || tast == Qt::Key_Right || tast == Qt::Key_Up || tast == Qt::Key_Down) {
            keyPressEvent(static_cast<QKeyEvent *>(e));
            return true;
        }
    }
    return QWidget::event(e);
}

void TBibPan::keyPressEvent(QKeyEvent *e)
{
    Gitter::Tast tast;
    switch (e->key()) {
    case Qt::Key_Right:
    case Qt::Key_Space: tast = Gitter::Tast::Hoejre; break;
    case Qt::Key_Left: tast = Gitter::Tast::Venstre; break;
    case Qt::Key_Down: tast = Gitter::Tast::Ned; break;
    case Qt::Key_Up: tast = Gitter::Tast::Op; break;
    case Qt::Key_PageUp: tast = Gitter::Tast::SideOp; break;
    case Qt::Key_PageDown: tast = Gitter::Tast::SideNed; break;
    case Qt::Key_Home: tast = Gitter::Tast::Hjem; break;
    case Qt::Key_End: tast = Gitter::Tast::Slut; break;
    default:
        // Enter, Insert, Delete and the rest go to the window.
        e->ignore();
        return;
    }
    const int foer = m_gitter.StartNr;
    if (!m_gitter.tast(tast))
        return;
    fjernFokuslook();
    m_sit[m_gitter.ANr] = TRammeX::Over;
    if (m_gitter.StartNr != foer) {
        update();
        emit startNrSkiftet(m_gitter.StartNr);
    } else {
        opdaterFelt(m_gitter.ANr);
    }
    emit fokusSkiftet(m_gitter.fokusBillede());
}

void TBibPan::mousePressEvent(QMouseEvent *e)
{
    const int felt = layout().feltVed(e->position().toPoint(), m_gitter.Antal());
    if (felt < 0)
        return;
    setFocus(Qt::MouseFocusReason);
    fjernFokuslook();
    m_trykket = felt;
    m_gitter.ANr = felt;
    m_sit[felt] = TRammeX::Nede;
    opdaterFelt(felt);
}

void TBibPan::mouseReleaseEvent(QMouseEvent *e)
{
    const int felt = m_trykket;
    m_trykket = -1;
    if (felt < 0 || felt >= m_gitter.Antal())
        return;
    const bool paa = layout().IR.at(felt).contains(e->position().toPoint());
    m_sit[felt] = paa ? TRammeX::Over : TRammeX::Normal;
    opdaterFelt(felt);
    if (paa)
        emit klik(e->button(), m_gitter.StartNr + felt);
}

void TBibPan::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const felter::Layout l = layout();
    const int antal = m_gitter.Antal();
    const bool aktiv = isEnabled();
    for (int k = 0; k < antal && k < l.YR.size(); ++k) {
        if (m_ramme)
            m_ramme->MakeRamme(p, l.YR.at(k), aktiv ? m_sit.value(k, 1) : TRammeX::Uaktiv, false);
        const int nr = m_gitter.StartNr + k;
        if (nr >= m_miniaturer.size())
            continue;
        // A thumbnail made for larger cells stays within its own cell.
        p.save();
        p.setClipRect(l.YR.at(k).adjusted(felter::Rammebredde, felter::Rammebredde, -felter::Rammebredde,
                                          -felter::Rammebredde));
        const QPoint origo = l.IR.at(k).topLeft();
        p.fillRect(QRect(origo, m_lager), m_feltFarve);
        const billedfiler::Miniature &m = m_miniaturer.at(nr);
        if (!m.billede.isNull())
            p.drawImage(origo + m.placering.topLeft(), m.billede);
        p.restore();
    }
}
