#include "engines/galleri/rammex.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

// Pixels along a line from `fra` towards `til`, the end point left out, as
// a pen moving from point to point draws them.
void linje(QPainter &p, QPoint fra, QPoint til, const QColor &farve)
{
    if (fra == til)
        return;
    if (fra.x() == til.x()) {
        const int trin = til.y() > fra.y() ? 1 : -1;
        const int y1 = fra.y(), y2 = til.y() - trin;
        p.fillRect(QRect(QPoint(fra.x(), qMin(y1, y2)), QPoint(fra.x(), qMax(y1, y2))), farve);
    } else {
        const int trin = til.x() > fra.x() ? 1 : -1;
        const int x1 = fra.x(), x2 = til.x() - trin;
        p.fillRect(QRect(QPoint(qMin(x1, x2), fra.y()), QPoint(qMax(x1, x2), fra.y())), farve);
    }
}

// One ring on the rectangle's border: from the bottom-left corner up, across
// the top, down the right side and back along the bottom; the first half in
// `foerst`, the second in `sidst`. A ring of one pixel is that pixel.
void ring(QPainter &p, const QRect &r, const QColor &foerst, const QColor &sidst)
{
    const QPoint bv(r.left(), r.bottom()), tv(r.left(), r.top()), th(r.right(), r.top()), bh(r.right(), r.bottom());
    if (bv == th) {
        p.fillRect(QRect(bv, bv), foerst);
        return;
    }
    linje(p, bv, tv, foerst);
    linje(p, tv, th, foerst);
    linje(p, th, bh, sidst);
    linje(p, bh, bv, sidst);
}

// The inclusive rectangle (l, t, r, b) shrunk by one pixel on every side;
// it may come out inverted, and then nothing more is drawn on it.
QRect indsnaevret(const QRect &r)
{
    return QRect(QPoint(r.left() + 1, r.top() + 1), QPoint(r.right() - 1, r.bottom() - 1));
}

} // namespace

QList<Ring> ringe(TRammeXType art, int antal, int dybde, int rifler)
{
    QList<Ring> ud;
    for (int i = 1; i <= antal; ++i) {
        switch (art) {
        case TRammeXType::rtIngen:
            ud.append(Ring::Flad);
            break;
        case TRammeXType::rtUd:
        case TRammeXType::rtInd: {
            const Ring ydre = art == TRammeXType::rtUd ? Ring::Hoevet : Ring::Saenket;
            const Ring indre = art == TRammeXType::rtUd ? Ring::Saenket : Ring::Hoevet;
            if (dybde < 1)
                ud.append(ydre);
            else if (i <= dybde)
                ud.append(ydre);
            else if (i > antal - dybde)
                ud.append(indre);
            else
                ud.append(Ring::Flad);
            break;
        }
        case TRammeXType::rtRifletUd:
        case TRammeXType::rtRifletInd: {
            const int baand = (i - 1) / qMax(1, rifler);
            const bool hoevet = (baand % 2 == 0) == (art == TRammeXType::rtRifletUd);
            ud.append(hoevet ? Ring::Hoevet : Ring::Saenket);
            break;
        }
        }
    }
    return ud;
}

TRammeX::TRammeX()
{
    const QPalette pal = QGuiApplication::palette();
    FarveFelt = pal.color(QPalette::Button);
    FarveLys = pal.color(QPalette::Light);
    FarveSkygge = pal.color(QPalette::Dark);
}

TRammeXType TRammeX::artFor(int tilstand) const
{
    switch (tilstand) {
    case Normal: return Art;
    case Nede:
    case Nede2: return ReaktionNede;
    case Over: return ReaktionOver;
    default: return ArtUaktiv;
    }
}

QColor TRammeX::farveFor(int tilstand) const
{
    switch (tilstand) {
    case Normal: return FarveRamme;
    case Nede:
    case Nede2: return FarveAktiv;
    case Over: return FarveOver;
    default: return FarveUaktiv;
    }
}

void TRammeX::MakeRamme(QPainter &p, const QRect &r, int tilstand, bool fokus) const
{
    const QColor ringFarve = farveFor(tilstand);
    const int n = antalRinge(fokus);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    if (r.isValid()) {
        if (SomListe)
            p.fillRect(r, ringFarve);
        else if (MedFeltFarve)
            p.fillRect(r, FarveFelt);
    }
    QRect rest = r;
    for (Ring slags : ringe(artFor(tilstand), n, BreddeDybde, BreddeRifler)) {
        if (!rest.isValid())
            break;
        switch (slags) {
        case Ring::Flad: ring(p, rest, ringFarve, ringFarve); break;
        case Ring::Hoevet: ring(p, rest, FarveLys, FarveSkygge); break;
        case Ring::Saenket: ring(p, rest, FarveSkygge, FarveLys); break;
        }
        rest = indsnaevret(rest);
    }
    if ((MedOmrids || (fokus && FocusRamme)) && r.isValid()) {
        // The outline covers every border pixel of the rectangle as given.
        p.fillRect(QRect(r.topLeft(), QPoint(r.right(), r.top())), FarveOmrids);
        p.fillRect(QRect(QPoint(r.left(), r.bottom()), r.bottomRight()), FarveOmrids);
        p.fillRect(QRect(r.topLeft(), QPoint(r.left(), r.bottom())), FarveOmrids);
        p.fillRect(QRect(QPoint(r.right(), r.top()), r.bottomRight()), FarveOmrids);
    }
    p.restore();
}
