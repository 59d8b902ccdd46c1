#include "app/skaermplacering.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace skaermplacering {

namespace {

// What window managers commonly add: a title bar and thin borders.
const QMargins Tillaeg(4, 30, 4, 4);

} // namespace

QRect omraadeFor(const QRect &ramme)
{
    QScreen *skaerm = QGuiApplication::screenAt(ramme.center());
    if (!skaerm)
        skaerm = QGuiApplication::screenAt(ramme.topLeft());
    if (!skaerm)
        skaerm = QGuiApplication::primaryScreen();
    return skaerm ? skaerm->availableGeometry() : QRect();
}

QMargins rammeFor(const QWidget *vindue)
{
    const QMargins m = vindue->windowHandle() ? vindue->windowHandle()->frameMargins() : QMargins();
    // An unmapped window under a window manager does not know its frame yet.
    return m.isNull() ? Tillaeg : m;
}

QSize maksIndre(const QRect &omraade, const QMargins &ramme)
{
    return QSize(qMax(1, omraade.width() - ramme.left() - ramme.right()),
                 qMax(1, omraade.height() - ramme.top() - ramme.bottom()));
}

QRect tilpas(const QRect &oensket, const QMargins &ramme, const QSize &mindst)
{
    const QRect yder(oensket.topLeft(), oensket.size().grownBy(ramme));
    const QRect omraade = omraadeFor(yder);
    if (!omraade.isValid())
        return oensket;
    const QSize maks = maksIndre(omraade, ramme);
    QSize stoerrelse = oensket.size().expandedTo(QSize(1, 1)).boundedTo(maks);
    if (mindst.isValid())
        stoerrelse = stoerrelse.expandedTo(mindst.boundedTo(maks));
    const QSize ydre = stoerrelse.grownBy(ramme);
    const int x = qBound(omraade.left(), oensket.left(), omraade.right() + 1 - ydre.width());
    const int y = qBound(omraade.top(), oensket.top(), omraade.bottom() + 1 - ydre.height());
    return QRect(QPoint(x, y), stoerrelse);
}

QRect tilpas(QWidget *vindue, const QRect &oensket)
{
    return tilpas(oensket, rammeFor(vindue), vindue->minimumSize());
}

void placer(QWidget *vindue, const QRect &oensket)
{
    const QRect g = tilpas(vindue, oensket);
    vindue->resize(g.size());
    vindue->move(g.topLeft());
}

QSize maksIndre(const QWidget *vindue)
{
    const QMargins ramme = rammeFor(vindue);
    return maksIndre(omraadeFor(QRect(vindue->pos(), vindue->size().grownBy(ramme))), ramme);
}

} // namespace skaermplacering
