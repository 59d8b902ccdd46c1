#include "gallery/trulskakt.h"

#include "engines/galleri/rammex.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

TRulskakt::TRulskakt(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    m_timer.setInterval(TimerDelay);
    connect(&m_timer, &QTimer::timeout, this, &TRulskakt::gentag);
}

void TRulskakt::setRammer(TRammeGrundX *ydre, TRammeFeltX *knap, TRammeFeltX *pos, TRammeIndreX *indre)
{
    m_ydre = ydre;
    m_rammeKnap = knap;
    m_rammePos = pos;
    m_indre = indre;
    update();
}

void TRulskakt::setLodret(bool lodret)
{
    m_s.lodret = lodret;
    update();
}

void TRulskakt::setPosKnapMin(int v)
{
    m_s.PosKnapMin = v;
    update();
}

void TRulskakt::setPosKnapDim(bool til)
{
    m_s.PosKnapDim = til;
    update();
}

void TRulskakt::setPosMin(int v)
{
    m_s.PosMin = v;
    MakeKnapPos(true);
    update();
}

void TRulskakt::setPosMax(int v)
{
    if (v == m_s.PosMax)
        return;
    m_s.PosMax = v;
    // A lower maximum takes the position with it, and its receiver hears of it.
    MakeKnapPos(true);
    update();
}

void TRulskakt::setPosVisible(int v)
{
    if (v == m_s.PosVisible)
        return;
    m_s.PosVisible = qMax(1, v);
    update();
}

void TRulskakt::setPosition(int v)
{
    m_position = v;
    MakeKnapPos(true);
}

void TRulskakt::NyePos(int visible, int maksimum, int position)
{
    m_s.PosVisible = qMax(1, visible);
    m_s.PosMax = maksimum;
    m_position = qBound(m_s.PosMin, position, qMax(m_s.PosMin, m_s.PosMax));
    m_tegnet = m_position;
    update();
}

void TRulskakt::NyPosition(int n)
{
    if (n == m_position || n < m_s.PosMin || n > m_s.PosMax)
        return;
    m_position = n;
    m_tegnet = n;
    update();
}

skakt::Geometri TRulskakt::geometri() const
{
    skakt::Rektangler r = m_ydre ? skakt::beregnRektangler(width(), height(), m_ydre->Bredde, m_ydre->AfstandV,
                                                           m_ydre->AfstandO, m_ydre->AfstandH, m_ydre->AfstandN)
                                 : skakt::beregnRektangler(width(), height(), -1);
    const int tvaers = m_indre ? m_indre->Bredde + m_indre->AfstandVandret : 0;
    const int langs = m_indre ? m_indre->Bredde + m_indre->AfstandLodret : 0;
    return skakt::BeregnSkakt(r.CompoRekt, m_s, m_s.lodret ? tvaers : langs, m_s.lodret ? langs : tvaers);
}

void TRulskakt::MakeKnapPos(bool meld, bool tving)
{
    m_position = qBound(m_s.PosMin, m_position, qMax(m_s.PosMin, m_s.PosMax));
    if (m_position == m_tegnet && !tving)
        return;
    m_tegnet = m_position;
    update();
    if (!meld)
        return;
    if (Component && CompoFunktion && NytStartNr)
        NytStartNr(m_position);
    else
        emit OnPosition(m_position);
}

TRulskakt::Del TRulskakt::delVed(const QPoint &p) const
{
    const skakt::Geometri g = geometri();
    if (g.DecR.contains(p))
        return DecKnap;
    if (g.IncR.contains(p))
        return IncKnap;
    if (g.PosR(m_position).contains(p))
        return Knap;
    return Ingen;
}

void TRulskakt::trin(int retning)
{
    m_position += retning * Step;
    MakeKnapPos(true);
}

void TRulskakt::gentag()
{
    m_timer.setInterval(TimerInterval);
    trin(m_trykket == DecKnap ? -1 : 1);
}

void TRulskakt::mousePressEvent(QMouseEvent *e)
{
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
    const QPoint p = e->position().toPoint();
    const Del del = delVed(p);
    m_trykket = del;
    switch (del) {
    case DecKnap:
    case IncKnap:
        (del == DecKnap ? m_TilDec : m_TilInc) = TRammeX::Nede;
        trin(del == DecKnap ? -1 : 1);
        m_timer.setInterval(TimerDelay);
        m_timer.start();
        break;
    case Knap:
        m_trykPunkt = p;
        m_trykPosition = m_position;
        MakeKnapPos(true, true);
        break;
    default:
        return;   // the track beside the knob does nothing
    }
    update();
    emit OnMusNede(del);
}

void TRulskakt::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint p = e->position().toPoint();
    const Del del = delVed(p);
    setCursor(del == Ingen ? Qt::ArrowCursor : CursorOver);
    if (m_trykket == DecKnap || m_trykket == IncKnap) {
        // Held down: off the button the repeats pause, back on it they go on.
        int &tilstand = m_trykket == DecKnap ? m_TilDec : m_TilInc;
        const bool paa = (m_trykket == DecKnap ? geometri().DecR : geometri().IncR).contains(p);
        if (paa && !m_timer.isActive()) {
            tilstand = TRammeX::Nede;
            m_timer.start();
        } else if (!paa && m_timer.isActive()) {
            tilstand = FocusInOut ? TRammeX::Normal : TRammeX::Over;
            m_timer.stop();
        }
        update();
        return;
    }
    if (m_trykket == Knap) {
        m_position = geometri().traekPosition(m_trykPosition, m_trykPunkt, p);
        MakeKnapPos(true);
        return;
    }
    if (NoOverFocus) {
        emit OnMusOver(Flyttet);
        return;
    }
    if (del == m_over)
        return;
    m_over = del;
    if (del != Ingen && FocusOver && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    // The hover look belongs to a control that takes focus by tab.
    const bool medFokus = hasFocus() && (focusPolicy() & Qt::TabFocus);
    m_TilDec = del == DecKnap && medFokus ? TRammeX::Over : TRammeX::Normal;
    m_TilInc = del == IncKnap && medFokus ? TRammeX::Over : TRammeX::Normal;
    update();
    emit OnMusOver(del == Ingen ? Forladt : del);
}

void TRulskakt::mouseReleaseEvent(QMouseEvent *)
{
    const Del del = m_trykket;
    m_trykket = Ingen;
    if (del == DecKnap || del == IncKnap) {
        (del == DecKnap ? m_TilDec : m_TilInc) = TRammeX::Over;
        m_timer.stop();
        m_timer.setInterval(TimerDelay);
    } else if (del == Knap) {
        MakeKnapPos(true, true);
    } else {
        return;
    }
    update();
    emit OnMusOp(del);
}

void TRulskakt::leaveEvent(QEvent *)
{
    if (m_trykket != Ingen || m_over == Ingen)
        return;
    m_over = Ingen;
    m_TilDec = m_TilInc = TRammeX::Normal;
    update();
    emit OnMusOver(Forladt);
}

void TRulskakt::focusInEvent(QFocusEvent *)
{
    update();
    emit OnMusOver(FikFokus);
}

void TRulskakt::focusOutEvent(QFocusEvent *)
{
    update();
}

void TRulskakt::keyPressEvent(QKeyEvent *e)
{
    if (Component) {
        QCoreApplication::sendEvent(Component, e);
        return;
    }
    const bool lodret = m_s.lodret;
    switch (e->key()) {
    case Qt::Key_End: m_position = m_s.PosMax; break;
    case Qt::Key_Home: m_position = m_s.PosMin; break;
    case Qt::Key_Left: --m_position; break;
    case Qt::Key_Right: ++m_position; break;
    case Qt::Key_Up: m_position += lodret ? -1 : 1; break;
    case Qt::Key_Down: m_position += lodret ? 1 : -1; break;
    default: QWidget::keyPressEvent(e); return;
    }
    MakeKnapPos(true);
}

void TRulskakt::tegnKnap(QPainter &p, const QRect &r, int tilstand, bool inc) const
{
    if (m_rammeKnap)
        m_rammeKnap->MakeRamme(p, r, tilstand, hasFocus() && tilstand > TRammeX::Normal);
    if (!MedMark)
        return;
    const bool nede = tilstand == TRammeX::Nede || tilstand == TRammeX::Nede2;
    const QList<QPoint> punkter = skakt::MakeMark(r, inc, m_s.lodret, MarkMargen, nede);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(MarkFarve);
    p.setBrush(MarkFarve);
    p.drawPolygon(QPolygon(punkter));
    p.restore();
}

void TRulskakt::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const bool aktiv = isEnabled();
    const QRect grund = skakt::beregnRektangler(width(), height(), -1).GrundRekt;
    if (m_ydre)
        m_ydre->MakeRamme(p, grund, aktiv ? TRammeX::Normal : TRammeX::Uaktiv, false);
    else
        p.fillRect(grund, palette().color(QPalette::Button));
    const skakt::Geometri g = geometri();
    if (m_indre) {
        QRect indre = g.RulRekt;
        m_indre->MakeRamme(p, indre, aktiv ? TRammeX::Normal : TRammeX::Uaktiv, false);
    }
    tegnKnap(p, g.DecR, aktiv ? m_TilDec : TRammeX::Uaktiv, false);
    tegnKnap(p, g.IncR, aktiv ? m_TilInc : TRammeX::Uaktiv, true);
    if (m_rammePos)
        m_rammePos->MakeRamme(p, g.PosR(m_position), aktiv ? TRammeX::Normal : TRammeX::Uaktiv, hasFocus());
}
