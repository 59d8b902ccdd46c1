#include "explorer/billedlager.h"

#include <QApplication>
#include <QHash>
#include <QPixmap>
#include <QPointer>

namespace billedlager {

namespace {

struct Lager
{
    QPointer<QStyle> stil;
    QHash<int, QIcon> ikoner;
    int lavede = 0;
};

Lager &lager()
{
    static Lager l;
    return l;
}

// Ready-made pixmaps at the small sizes rows use, at one and two device
// pixels per point: painting picks one and never has to decode or scale.
QIcon lav(QStyle *stil, QStyle::StandardPixmap art)
{
    const QIcon kilde = stil->standardIcon(art);
    QIcon ud;
    QList<QSize> lavet;
    for (int s : {16, 22, 24, 32, 48}) {
        // A picture the style lacks in one size comes smaller; once is enough.
        const QPixmap p = kilde.pixmap(QSize(s, s));
        if (!p.isNull() && !lavet.contains(p.size())) {
            lavet.append(p.size());
            ud.addPixmap(p);
        }
    }
    return ud.isNull() ? kilde : ud;
}

} // namespace

QIcon ikon(QStyle::StandardPixmap art)
{
    Lager &l = lager();
    QStyle *stil = QApplication::style();
    if (l.stil != stil) {
        l.ikoner.clear();
        l.stil = stil;
    }
    auto it = l.ikoner.constFind(int(art));
    if (it == l.ikoner.constEnd()) {
        it = l.ikoner.insert(int(art), lav(stil, art));
        ++l.lavede;
    }
    return *it;
}

int antalLavede()
{
    return lager().lavede;
}

} // namespace billedlager
