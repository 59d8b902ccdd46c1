#pragma once

#include "engines/galleri/farver.h"

#include <QColor>
#include <QList>
#include <QRect>

class QPainter;

// The frame painters: small objects that draw a frame of nested one-pixel
// rings around a rectangle, in a look chosen by the state of what they
// frame. Controls hold references to painters and never own them.
enum class TRammeXType { rtIngen, rtUd, rtInd, rtRifletUd, rtRifletInd };

// How one ring is drawn.
enum class Ring { Flad, Hoevet, Saenket };

// The rings of a frame of `antal` rings in a style, from the outside in.
// `dybde` < 1 bevels every ring; otherwise the outer `dybde` rings take the
// style's outer bevel, the inner `dybde` its inner one and those between are
// plain. The ribbed styles alternate in bands of `rifler` rings (1 when 0).
QList<Ring> ringe(TRammeXType art, int antal, int dybde, int rifler = 0);

class TRammeX
{
public:
    // Frame states: 0 disabled, 1 normal, 2 pressed, 3 hover or focused,
    // 4 pressed.
    enum Tilstand { Uaktiv = 0, Normal = 1, Nede = 2, Over = 3, Nede2 = 4 };

    TRammeX();
    virtual ~TRammeX() = default;

    TRammeXType Art = TRammeXType::rtIngen;
    TRammeXType ArtUaktiv = TRammeXType::rtIngen;
    TRammeXType ReaktionNede = TRammeXType::rtInd;
    TRammeXType ReaktionOver = TRammeXType::rtUd;
    int Bredde = 1;
    int BreddeDybde = 0;
    int BreddeRifler = 0;
    bool MedFeltFarve = true;
    QColor FarveFelt;                   // button face
    QColor FarveLys;                    // button highlight
    QColor FarveSkygge;                 // button shadow
    QColor FarveRamme = Qt::black;
    QColor FarveAktiv = Qt::black;
    QColor FarveOver = Qt::black;
    QColor FarveUaktiv = windowsFarve(8421504);
    bool MedOmrids = false;
    QColor FarveOmrids = Qt::black;
    bool FocusRamme = false;
    bool SomListe = false;
    bool TilpasAlign = false;

    // The number of rings drawn with or without the focus.
    int antalRinge(bool fokus) const { return Bredde + (fokus && FocusRamme ? 1 : 0); }

    // Draws one frame on `r`, whose right and bottom edges belong to it.
    void MakeRamme(QPainter &p, const QRect &r, int tilstand, bool fokus) const;

    // The style and ring colour of a state.
    TRammeXType artFor(int tilstand) const;
    QColor farveFor(int tilstand) const;
};

// The outer frame of a control, with spacings between frame and content.
class TRammeGrundX : public TRammeX
{
public:
    int AfstandV = 0;
    int AfstandO = 0;
    int AfstandH = 0;
    int AfstandN = 0;
    bool NytClientRect = false;
};

// A frame inside a control; in a grid `AfstandLodret` is the gap between
// columns and `AfstandVandret` the gap between rows.
class TRammeIndreX : public TRammeX
{
public:
    int AfstandVandret = 1;
    int AfstandLodret = 1;
};

// The frame of a cell, with the margin between frame and content.
class TRammeFeltX : public TRammeIndreX
{
public:
    int Margen = 0;
};
