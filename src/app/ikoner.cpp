#include "app/ikoner.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStandardPaths>

namespace ikoner {

namespace {

const QString Reservetema = QStringLiteral("Adwaita");

bool temaFindes(const QString &navn)
{
    for (const QString &mappe : QIcon::themeSearchPaths())
        if (QFileInfo::exists(mappe + u'/' + navn + QStringLiteral("/index.theme")))
            return true;
    return false;
}

// Pictures are drawn on a 16-unit grid and scaled to the size asked for.
using Tegning = void (*)(QPainter &);

void saks(QPainter &p)
{
    p.setPen(QPen(QColor(0x55, 0x57, 0x53), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4.5, 1.5), QPointF(10.5, 10));
    p.drawLine(QPointF(11.5, 1.5), QPointF(5.5, 10));
    p.setPen(QPen(QColor(0xcc, 0x00, 0x00), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.2), 2.4, 2.4);
    p.drawEllipse(QPointF(11.5, 12.2), 2.4, 2.4);
}

void klipbord(QPainter &p)
{
    p.setPen(QPen(QColor(0x8f, 0x59, 0x02), 1));
    p.setBrush(QColor(0xc1, 0x7d, 0x11));
    p.drawRoundedRect(QRectF(2.5, 2.5, 11, 13), 1.5, 1.5);
    p.setPen(QPen(QColor(0x88, 0x8a, 0x85), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 4.5, 7, 9));
    p.setBrush(QColor(0x88, 0x8a, 0x85));
    p.drawRoundedRect(QRectF(5.5, 1, 5, 3), 1, 1);
    p.setPen(QPen(QColor(0x88, 0x8a, 0x85), 0.8));
    for (double y : {7.0, 9.0, 11.0})
        p.drawLine(QPointF(6, y), QPointF(10, y));
}

void kopi(QPainter &p)
{
    p.setPen(QPen(QColor(0x88, 0x8a, 0x85), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
}

void kryds(QPainter &p)
{
    p.setPen(QPen(QColor(0xa4, 0x00, 0x00), 1));
    p.setBrush(QColor(0xef, 0x29, 0x29));
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
    p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
}

void spand(QPainter &p)
{
    p.setPen(QPen(QColor(0x55, 0x57, 0x53), 1));
    p.setBrush(QColor(0xd3, 0xd7, 0xcf));
    QPainterPath krop;
    krop.moveTo(3.5, 4.5);
    krop.lineTo(12.5, 4.5);
    krop.lineTo(11.5, 15);
    krop.lineTo(4.5, 15);
    krop.closeSubpath();
    p.drawPath(krop);
    p.drawRect(QRectF(2, 2.5, 12, 2));
    p.drawRect(QRectF(6.5, 1, 3, 1.5));
}

void vinduer(QPainter &p)
{
    p.setPen(QPen(QColor(0x34, 0x65, 0xa4), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 9, 7));
    p.drawRect(QRectF(5.5, 6.5, 9, 7));
    p.setPen(QPen(QColor(0xcc, 0x00, 0x00), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.5, 8.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 8.5), QPointF(8.5, 11.5));
}

// A green circular arrow: the theme's refresh pictures are grey and look
// like disabled buttons beside the coloured ones.
void opdater(QPainter &p)
{
    const QColor groen(0x4e, 0x9a, 0x06);
    p.setPen(QPen(groen, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 270 * 16);
    QPainterPath spids;
    spids.moveTo(9.5, 0.5);
    spids.lineTo(14.5, 3.5);
    spids.lineTo(9.5, 7);
    spids.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(groen);
    p.drawPath(spids);
}

Tegning tegningFor(const QString &navn)
{
    static const QHash<QString, Tegning> tegninger = {
        {QStringLiteral("edit-cut"), saks},          {QStringLiteral("edit-paste"), klipbord},
        {QStringLiteral("edit-copy"), kopi},         {QStringLiteral("edit-delete"), kryds},
        {QStringLiteral("user-trash"), spand},       {QStringLiteral("edit-clear-all"), vinduer},
        {QStringLiteral("marvikel-opdater"), opdater},
    };
    return tegninger.value(navn, nullptr);
}

} // namespace

void indstilTema()
{
    QStringList stier = QIcon::themeSearchPaths();
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString mappe = QDir::cleanPath(data + QStringLiteral("/icons"));
        if (!stier.contains(mappe) && QFileInfo(mappe).isDir())
            stier.append(mappe);
    }
    const QString hjemmeikoner = QDir::homePath() + QStringLiteral("/.icons");
    if (!stier.contains(hjemmeikoner) && QFileInfo(hjemmeikoner).isDir())
        stier.prepend(hjemmeikoner);
    QIcon::setThemeSearchPaths(stier);
    if (!temaFindes(Reservetema))
        return;
    // Without a desktop session there is no theme at all, or only the
    // bare "hicolor", which holds no command pictures.
    const QString tema = QIcon::themeName();
    if (tema.isEmpty() || tema == QLatin1String("hicolor") || !temaFindes(tema))
        QIcon::setThemeName(Reservetema);
    QIcon::setFallbackThemeName(Reservetema);
}

QIcon egen(const QString &temanavn)
{
    const Tegning tegn = tegningFor(temanavn);
    if (!tegn)
        return {};
    QIcon ikon;
    for (int s : {16, 24, 32}) {
        QPixmap p(s, s);
        p.fill(Qt::transparent);
        QPainter maler(&p);
        maler.setRenderHint(QPainter::Antialiasing);
        maler.scale(s / 16.0, s / 16.0);
        tegn(maler);
        maler.end();
        ikon.addPixmap(p);
    }
    return ikon;
}

QIcon hent(const char *temanavne, QStyle::StandardPixmap reserve)
{
    const QStringList navne = QString::fromLatin1(temanavne).split(u'|', Qt::SkipEmptyParts);
    for (const QString &navn : navne) {
        // Names of our own ("marvikel-…") are never in a theme: our picture
        // is meant to come first there.
        if (!navn.startsWith(QLatin1String("marvikel-")) && QIcon::hasThemeIcon(navn))
            return QIcon::fromTheme(navn);
        const QIcon tegnet = egen(navn);
        if (!tegnet.isNull())
            return tegnet;
    }
    return QApplication::style()->standardIcon(reserve);
}

} // namespace ikoner
