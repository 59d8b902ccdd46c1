#include "engines/galleri/billedfiler.h"

#include "engines/galleri/farver.h"
#include "engines/galleri/felter.h"
#include "platform/filinfo.h"
#include "platform/mappelaeser.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace billedfiler {

namespace {

const char *formatAf(Art art)
{
    switch (art) {
    case Art::Bmp: return "bmp";
    case Art::Jpg: return "jpeg";
    case Art::Ico: return "ico";
    case Art::Anden: break;
    }
    return nullptr;
}

bool medtages(Art art, FilType type)
{
    switch (type) {
    case FilType::ftBegge: return art != Art::Anden;
    case FilType::ftBmp: return art == Art::Bmp;
    case FilType::ftJpg: return art == Art::Jpg;
    case FilType::ftIco: return art == Art::Ico;
    }
    return false;
}

// Opens a regular file for reading by its exact bytes. A pipe or device
// is refused before it could block; a link is followed to its file.
bool aabn(const QString &sti, QFile &fil)
{
    return filinfo::aabnFil(sti, fil);
}

// Of the pictures in an icon file, the one a desktop shows at 32 x 32:
// that size when present, otherwise the one nearest to it.
int ikonBillede(QImageReader &laeser)
{
    const int antal = laeser.imageCount();
    int bedst = 0, afstand = INT_MAX;
    for (int i = 0; i < antal && laeser.jumpToImage(i); ++i) {
        const QSize s = laeser.size();
        if (!s.isValid())
            return 0;
        const int a = qAbs(s.width() - 32) + qAbs(s.height() - 32);
        if (a < afstand) {
            afstand = a;
            bedst = i;
        }
    }
    return bedst;
}

// Icon files are small; anything larger is not read as one.
constexpr qint64 MaxIkonfil = 16 * 1024 * 1024;

QImage afkod(QIODevice &fil, Art art, QSize *fuld, int W, int H, QRect *placering, int *ikonNr)
{
    QImageReader laeser(&fil, formatAf(art));
    laeser.setAutoDetectImageFormat(false);
    laeser.setDecideFormatFromContent(false);
    laeser.setAutoTransform(false);
    if (art == Art::Ico) {
        *ikonNr = ikonBillede(laeser);
        // Jumping through the pictures moved the reader; start it again.
        fil.seek(0);
        laeser.setDevice(nullptr);
        laeser.setDevice(&fil);
        laeser.setFormat(formatAf(art));
        if (*ikonNr > 0 && !laeser.jumpToImage(*ikonNr))
            return {};
    }
    const QSize erklaeret = laeser.size();
    if (erklaeret.isValid() && qint64(erklaeret.width()) * erklaeret.height() > MaxPixels)
        return {};
    *placering = erklaeret.isValid() ? felter::BeregnR(erklaeret, W, H) : QRect();
    if (art == Art::Jpg && erklaeret.isValid() && !placering->isEmpty())
        laeser.setScaledSize(jpegAfkodningsstoerrelse(erklaeret, placering->size()));
    QImage billede;
    if (!laeser.read(&billede) || billede.isNull())
        return {};
    *fuld = erklaeret.isValid() ? erklaeret : billede.size();
    if (!erklaeret.isValid()) {
        if (qint64(fuld->width()) * fuld->height() > MaxPixels)
            return {};
        *placering = felter::BeregnR(*fuld, W, H);
    }
    return billede;
}

} // namespace

Art artAf(const QString &navn)
{
    const int punktum = navn.lastIndexOf(QLatin1Char('.'));
    if (punktum < 0)
        return Art::Anden;
    const QStringView ext = QStringView(navn).mid(punktum + 1);
    if (ext.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        return Art::Bmp;
    if (ext.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
        return Art::Jpg;
    if (ext.compare(QLatin1String("ico"), Qt::CaseInsensitive) == 0)
        return Art::Ico;
    return Art::Anden;
}

QStringList BilledNavne(const QString &mappe, FilType type, bool *fejl)
{
    if (fejl)
        *fejl = false;
    QStringList grupper[3];
    MappeLaeser laeser(mappe);
    if (!laeser.aaben()) {
        if (fejl)
            *fejl = true;
        return {};
    }
    // One reading of the folder, split into the three groups, so each group
    // keeps the file system's order and no name is counted twice.
    MappeLaeser::Post post;
    while (laeser.naeste(post)) {
        if (post.art != MappeLaeser::Art::Fil)
            continue;
        const Art art = artAf(post.navn);
        if (medtages(art, type))
            grupper[art == Art::Bmp ? 0 : art == Art::Jpg ? 1 : 2].append(post.navn);
    }
    if (fejl && laeser.fejlede())
        *fejl = true;
    return grupper[0] + grupper[1] + grupper[2];
}

QSize jpegAfkodningsstoerrelse(QSize fuld, QSize maal)
{
    for (int m = 1; m <= 8; ++m) {
        // The decoder rounds its scaled size up.
        const QSize s((fuld.width() * m + 7) / 8, (fuld.height() * m + 7) / 8);
        if (s.width() >= maal.width() && s.height() >= maal.height())
            return s;
    }
    return fuld;
}

QImage anvendIkonmaske(const QImage &ikon, const QByteArray &maske)
{
    QImage ud = ikon.convertToFormat(QImage::Format_ARGB32);
    const bool egen = maske.size() == qsizetype(ud.width()) * ud.height();
    const QRgb baggrund = windowsFarve(IkonBaggrund).rgb();
    for (int y = 0; y < ud.height(); ++y) {
        auto *linje = reinterpret_cast<QRgb *>(ud.scanLine(y));
        for (int x = 0; x < ud.width(); ++x) {
            const QRgb p = linje[x];
            // A pixel the picture itself makes transparent counts as masked too.
            const bool hvid = qAlpha(p) == 0 || (egen && maske.at(y * ud.width() + x));
            linje[x] = hvid && (p & 0xFFFFFF) == 0 ? baggrund : (p | 0xFF000000);
        }
    }
    return ud.convertToFormat(QImage::Format_RGB32);
}

QByteArray ikonmaske(const QByteArray &fil, int nr)
{
    auto u16 = [&fil](qint64 i) { return i + 2 <= fil.size() ? quint8(fil[i]) | quint8(fil[i + 1]) << 8 : -1; };
    auto u32 = [&](qint64 i) { return i + 4 <= fil.size() ? qint64(u16(i)) | qint64(u16(i + 2)) << 16 : -1; };
    const qint64 post = 6 + 16 * qint64(nr);
    if (nr < 0 || nr >= u16(4) || post + 16 > fil.size())
        return {};
    const qint64 start = u32(post + 12);
    if (start < 0 || start + 40 > fil.size() || fil.mid(start, 4) == QByteArray("\x89PNG", 4))
        return {};
    const qint64 hovedStr = u32(start), w = qint32(u32(start + 4)), h = qint32(u32(start + 8)) / 2;
    const qint64 bpp = u16(start + 14), brugte = u32(start + 32);
    if (w <= 0 || h <= 0 || w > 1024 || h > 1024 || bpp <= 0 || bpp > 32)
        return {};
    const qint64 farver = bpp <= 8 ? (brugte > 0 && brugte <= 256 ? brugte : qint64(1) << bpp) : 0;
    const qint64 xorStr = ((w * bpp + 31) / 32) * 4 * h;
    const qint64 raekke = ((w + 31) / 32) * 4;
    const qint64 maskeStart = start + hovedStr + farver * 4 + xorStr;
    if (maskeStart + raekke * h > fil.size())
        return {};
    // Rows are stored from the bottom up, the leftmost pixel in the high bit.
    QByteArray ud(w * h, 0);
    for (qint64 y = 0; y < h; ++y) {
        const qint64 linje = maskeStart + (h - 1 - y) * raekke;
        for (qint64 x = 0; x < w; ++x)
            ud[y * w + x] = char((quint8(fil[linje + x / 8]) >> (7 - x % 8)) & 1);
    }
    return ud;
}

Miniature lavMiniature(const QString &sti, int W, int H)
{
    Miniature m;
    const int skraastreg = sti.lastIndexOf(QLatin1Char('/'));
    const Art art = artAf(sti.mid(skraastreg + 1));
    if (art == Art::Anden)
        return m;
    QFile fil;
    if (!aabn(sti, fil))
        return m;
    QSize fuld;
    QRect placering;
    int ikonNr = 0;
    QImage billede;
    QByteArray ikondata;
    if (art == Art::Ico) {
        // The icon's mask is read from the file itself: the decoder keeps
        // it only for some colour depths.
        if (fil.size() > MaxIkonfil)
            return m;
        ikondata = fil.readAll();
        QBuffer buffer(&ikondata);
        buffer.open(QIODevice::ReadOnly);
        billede = afkod(buffer, art, &fuld, W, H, &placering, &ikonNr);
    } else {
        billede = afkod(fil, art, &fuld, W, H, &placering, &ikonNr);
    }
    if (billede.isNull())
        return m;
    m.stoerrelse = fuld;
    if (placering.isEmpty())
        return m;
    if (art == Art::Ico)
        billede = anvendIkonmaske(billede, ikonmaske(ikondata, ikonNr));
    else if (!billede.hasAlphaChannel())
        billede = billede.convertToFormat(QImage::Format_RGB32);
    else
        billede = billede.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (billede.size() != placering.size())
        billede = billede.scaled(placering.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m.billede = billede;
    m.placering = placering;
    return m;
}

} // namespace billedfiler
