#include "engines/galleri/felter.h"

#include <cmath>

namespace felter {

namespace {

int afrund(double v)
{
    return int(std::nearbyint(v));   // halves to even
}

} // namespace

Layout BeregnFelter(QSize kontrol, int V, int L)
{
    V = qMax(1, V);
    L = qMax(1, L);
    Layout l;
    const int aW = kontrol.width() - 1, aH = kontrol.height() - 1;
    l.FeltBredde = (aW - (V - 1) * Mellemrum) / V;
    l.FeltHojde = (aH - (L - 1) * Mellemrum) / L;
    l.x0 = (aW - (V - 1) * Mellemrum - V * l.FeltBredde) / 2;
    l.y0 = (aH - (L - 1) * Mellemrum - L * l.FeltHojde) / 2;
    const int ind = Rammebredde + IndreMargen;
    for (int k = 0; k < V * L; ++k) {
        const int venstre = l.x0 + (k % V) * (l.FeltBredde + Mellemrum);
        const int top = l.y0 + (k / V) * (l.FeltHojde + Mellemrum);
        const QRect yr(QPoint(venstre, top), QPoint(venstre + l.FeltBredde, top + l.FeltHojde));
        l.YR.append(yr);
        l.IR.append(QRect(QPoint(yr.left() + ind, yr.top() + ind),
                          QPoint(yr.right() - (ind - 1), yr.bottom() - (ind - 1))));
    }
    return l;
}

QSize Layout::lagerStoerrelse() const
{
    const int W = FeltBredde - 2 * Rammebredde, H = FeltHojde - 2 * Rammebredde;
    return QSize(qMax(0, W - 1), qMax(0, H - 1));
}

int Layout::feltVed(const QPoint &p, int antal) const
{
    for (int k = 0; k < qMin(antal, int(IR.size())); ++k)
        if (IR.at(k).contains(p))
            return k;
    return -1;
}

QRect BeregnR(QSize billede, int W, int H, int margen)
{
    const int aw = W - 2 * margen, ah = H - 2 * margen;
    if (billede.isEmpty() || aw < 1 || ah < 1)
        return {};
    const double sx = billede.width() > aw ? double(aw) / billede.width() : 1.0;
    const double sy = billede.height() > ah ? double(ah) / billede.height() : 1.0;
    const double s = qMin(sx, sy);
    // A very slim picture still shows as a line of one pixel.
    const int nw = qMax(1, afrund(billede.width() * s));
    const int nh = qMax(1, afrund(billede.height() * s));
    const int venstre = margen + (aw - nw) / 2, top = margen + (ah - nh) / 2;
    return QRect(venstre, top, nw, nh);
}

int Gitter::Antal() const
{
    return qMin(qMax(1, V) * qMax(1, L), qMax(0, AntalIalt));
}

int Gitter::fokusBillede() const
{
    if (ANr < 0 || ANr >= Antal())
        return -1;
    return StartNr + ANr;
}

void Gitter::RegulerStartNr(int maal)
{
    const int antal = Antal();
    if (maal < StartNr)
        StartNr = qMax(0, maal);
    else if (maal > StartNr + antal - 1)
        StartNr = qMin(maal, AntalIalt - 1) - antal + 1;
    StartNr = qBound(0, StartNr, maxStart());
}

bool Gitter::tast(Tast t)
{
    const int antal = Antal();
    if (antal < 1)
        return false;
    if (ANr >= antal)
        ANr = antal - 1;
    const int p = qMax(0, ANr);
    const int side = V * L;
    int n = p;
    switch (t) {
    case Tast::Hoejre: n = p + 1; break;
    case Tast::Venstre: n = p - 1; break;
    case Tast::Ned:
        if (p == side - 1)
            n = p + V;
        else if (p >= side - V)
            n = p % V + 1;    // the top of the next column
        else
            n = p + V;
        break;
    case Tast::Op:
        if (p == 0 || p >= V)
            n = p - V;
        else
            n = side - V + p - 1;   // the bottom of the previous column
        break;
    case Tast::SideOp:
    case Tast::SideNed:
        // The focused cell stays where it is on the page.
        setStartNr(StartNr + (t == Tast::SideOp ? -antal : antal));
        ANr = p;
        return true;
    case Tast::Hjem: n = -StartNr; break;
    case Tast::Slut: n = AntalIalt - 1; break;
    }
    const int maal = StartNr + n;
    ANr = qBound(0, n, antal - 1);
    RegulerStartNr(maal);
    return true;
}

} // namespace felter
