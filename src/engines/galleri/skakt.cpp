#include "engines/galleri/skakt.h"

#include <cmath>

namespace skakt {

namespace {

// Swaps the axes of a rectangle or point, so the horizontal shaft can be
// worked out as a vertical one.
QRect vend(const QRect &r)
{
    return QRect(QPoint(r.top(), r.left()), QPoint(r.bottom(), r.right()));
}

QPoint vend(const QPoint &p)
{
    return QPoint(p.y(), p.x());
}

} // namespace

int afrund(double v)
{
    return int(std::nearbyint(v));   // the default rounding mode: halves to even
}

Rektangler beregnRektangler(int w, int h, int ramme, int afstandV, int afstandO, int afstandH, int afstandN)
{
    Rektangler r;
    r.GrundRekt = QRect(QPoint(0, 0), QPoint(w - 1, h - 1));
    if (ramme < 0) {
        r.IndreRekt = r.GrundRekt;
        r.CompoRekt = r.GrundRekt;
        return r;
    }
    const int b = ramme;
    r.IndreRekt = QRect(QPoint(b, b), QPoint(w - b, h - b));
    r.CompoRekt = QRect(QPoint(b + afstandV, b + afstandO), QPoint(w - b - afstandH - 1, h - b - afstandN - 1));
    return r;
}

Geometri BeregnSkakt(const QRect &CompoRekt, const Indstilling &s, int indreTvaers, int indreLangs)
{
    Geometri g;
    g.lodret = s.lodret;
    g.PosMin = s.PosMin;
    g.PosMax = s.PosMax;
    // Worked out upright; a horizontal shaft is turned back at the end.
    QRect rul = s.lodret ? CompoRekt : vend(CompoRekt);
    rul.adjust(indreTvaers, indreLangs, -indreTvaers, -indreLangs);
    const int side = rul.right() - rul.left();
    QRect dec(QPoint(rul.left(), rul.top()), QPoint(rul.right(), rul.top() + side));
    QRect inc(QPoint(rul.left(), rul.bottom() - side), QPoint(rul.right(), rul.bottom()));
    rul.setTop(rul.top() + side + 1);
    rul.setBottom(rul.bottom() - side - 1);
    g.IntervalDim = rul.bottom() - rul.top();

    const int r = s.PosMax - s.PosMin;
    const int synlig = qMax(1, s.PosVisible);
    if (s.PosKnapDim) {
        g.KnapH = s.PosKnapMin;
    } else {
        const double q = r + synlig > synlig ? double(synlig) / double(r + synlig) : double(synlig);
        g.KnapH = int(std::trunc(g.IntervalDim * qMin(1.0, q)));
        g.KnapH = qMax(g.KnapH, s.PosKnapMin);
    }
    g.IntervalDim -= g.KnapH;
    g.Interval = r > 1 ? double(g.IntervalDim) / r : double(g.IntervalDim);

    g.RulRekt = s.lodret ? rul : vend(rul);
    g.DecR = s.lodret ? dec : vend(dec);
    g.IncR = s.lodret ? inc : vend(inc);
    return g;
}

QRect Geometri::PosR(int p) const
{
    const int pos = qBound(PosMin, p, qMax(PosMin, PosMax));
    const QRect rul = lodret ? RulRekt : vend(RulRekt);
    // Trunc((p - PosMin) × Interval), worked in whole numbers so a knob at
    // the end lands exactly there.
    const int r = PosMax - PosMin;
    const int top = rul.top() + (r > 1 ? (pos - PosMin) * IntervalDim / r : (pos - PosMin) * IntervalDim);
    const QRect knap(QPoint(rul.left(), top), QPoint(rul.right(), top + KnapH));
    return lodret ? knap : vend(knap);
}

int Geometri::traekPosition(int start, const QPoint &tryk, const QPoint &nu) const
{
    if (IntervalDim <= 0)
        return start;
    const int vej = lodret ? nu.y() - tryk.y() : nu.x() - tryk.x();
    // Trunc(vej / Interval) in whole numbers; towards zero either way.
    const int r = PosMax - PosMin;
    const int trin = r > 1 ? int(qint64(vej) * r / IntervalDim) : vej / IntervalDim;
    return qBound(PosMin, start + trin, qMax(PosMin, PosMax));
}

QList<QPoint> MakeMark(const QRect &knap, bool inc, bool lodret, int margen, bool nede)
{
    const int m = margen + (nede ? 1 : 0);
    const QRect k = lodret ? knap : vend(knap);
    const int x1 = k.left() + m, x2 = k.right() - m, xm = x1 + (x2 - x1) / 2;
    QList<QPoint> punkter;
    if (!inc)
        punkter = {QPoint(x1, k.bottom() - m), QPoint(x2, k.bottom() - m), QPoint(xm, k.top() + m)};
    else
        punkter = {QPoint(x1, k.top() + m), QPoint(x2, k.top() + m), QPoint(xm, k.bottom() - m)};
    if (!lodret)
        for (QPoint &p : punkter)
            p = vend(p);
    return punkter;
}

Trinbar::Handling Trinbar::setPosition(int v)
{
    if (v == m_position && m_malet)
        return Handling::Intet;
    const int a = qBound(Min, v, qMax(Min, Max));
    if (a == m_position)
        return Handling::Intet;
    const int gammel = m_position;
    // The position is kept within the bar's range, so what it reports never
    // lies outside it either.
    m_position = a;
    const int trin = qMax(1, Trin);
    Handling h;
    if (gammel < a) {
        if (a < m_stepPos + trin)
            return Handling::Intet;
        h = Opfrisk ? Handling::RydOgTegn : Handling::Tegn;
    } else {
        if (m_stepPos - trin < a)
            return Handling::Intet;
        h = Handling::RydOgTegn;
    }
    m_stepPos = (a / trin) * trin;
    return h;
}

int Trinbar::laengde(int fra, int til) const
{
    if (Max == Min)
        return 0;
    return afrund(double(m_stepPos - Min) / double(Max - Min) * (til - fra));
}

int Trinbar::procent() const
{
    if (Max == Min)
        return 0;
    return afrund(m_position * 100.0 / double(Max - Min));
}

} // namespace skakt
