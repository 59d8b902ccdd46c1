#include "gallery/tprogresscompo.h"

#include "engines/galleri/farver.h"
#include "engines/galleri/rammex.h"

#include <QPainter>

TProgressCompo::TProgressCompo(QWidget *parent)
    : QWidget(parent)
    , m_colorStep(windowsFarve(0xF0CAA6))   // sky blue
    , m_baggrund(windowsFarve(0xF0FBFF))    // cream
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_bar.Trin = 5;
}

void TProgressCompo::setPosition(int v)
{
    if (m_bar.setPosition(v) == skakt::Trinbar::Handling::Intet)
        return;
    // A whole repaint clears the area and draws the bar, which is what both
    // a growing and a shrinking bar need on screen.
    update();
    emit OnProgress(m_bar.procent());
}

void TProgressCompo::setMin(int v)
{
    m_bar.Min = v;
    update();
}

void TProgressCompo::setMax(int v)
{
    m_bar.Max = v;
    update();
}

void TProgressCompo::setTrin(int v)
{
    m_bar.Trin = qMax(1, v);
}

void TProgressCompo::setLodret(bool lodret)
{
    m_lodret = lodret;
    update();
}

void TProgressCompo::setColorStep(const QColor &c)
{
    m_colorStep = c;
    update();
}

void TProgressCompo::setBaggrund(const QColor &c)
{
    m_baggrund = c;
    update();
}

void TProgressCompo::setRammeYdre(TRammeGrundX *ramme)
{
    m_ramme = ramme;
    update();
}

QRect TProgressCompo::CompoRekt() const
{
    if (!m_ramme)
        return skakt::beregnRektangler(width(), height(), -1).CompoRekt;
    return skakt::beregnRektangler(width(), height(), m_ramme->Bredde, m_ramme->AfstandV, m_ramme->AfstandO,
                                   m_ramme->AfstandH, m_ramme->AfstandN)
        .CompoRekt;
}

QRect TProgressCompo::bjaelke() const
{
    const QRect c = CompoRekt();
    if (m_lodret) {
        const int l = m_bar.laengde(c.top(), c.bottom());
        return l > 0 ? QRect(c.left(), c.bottom() - l + 1, c.width(), l) : QRect();
    }
    const int l = m_bar.laengde(c.left(), c.right());
    return l > 0 ? QRect(c.left(), c.top(), l, c.height()) : QRect();
}

void TProgressCompo::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    if (m_ramme)
        m_ramme->MakeRamme(p, skakt::beregnRektangler(width(), height(), -1).GrundRekt,
                           isEnabled() ? TRammeX::Normal : TRammeX::Uaktiv, false);
    p.fillRect(CompoRekt(), m_baggrund);
    const QRect b = bjaelke();
    if (!b.isEmpty())
        p.fillRect(b, m_colorStep);
    m_bar.malet();
}
