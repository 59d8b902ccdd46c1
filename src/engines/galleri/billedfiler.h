#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The picture files of one folder and the thumbnail of one picture. Work
// on images only, so it can run on any thread.
namespace billedfiler {

// Which types the gallery lists: all three, or one of them.
enum class FilType { ftBegge, ftBmp, ftJpg, ftIco };

// A picture's type is its extension, the text after the last dot, whatever
// its letter case; anything else is `Anden`.
enum class Art { Bmp, Jpg, Ico, Anden };
Art artAf(const QString &navn);

// The names of the pictures of a folder: the BMP files, then the JPG files,
// then the ICO files, each group in the order the file system lists them.
// Only files (and links to files) count; names are kept exactly, however
// long and whatever their bytes. `fejl` is set when the folder could not be
// read to its end.
QStringList BilledNavne(const QString &mappe, FilType type = FilType::ftBegge, bool *fejl = nullptr);

// A picture that declares more pixels than this is never decoded.
constexpr qint64 MaxPixels = 100'000'000;

// The colour an icon's transparent black takes.
constexpr quint32 IkonBaggrund = 8437952;

struct Miniature
{
    QSize stoerrelse{0, 0};   // the picture's full size; 0 x 0 when it could not be decoded
    QImage billede;     // the reduced picture, as large as `placering`; null when none
    QRect placering;    // where it is drawn in the cell's thumbnail (BeregnR)
};

// Decodes the picture at `sti` and reduces it for a cell whose inside is
// W x H. JPEG pictures are decoded at the smallest scale the decoder offers
// that is not below the drawn size, then smoothly scaled. A file that is
// not a picture of its type, cannot be read or declares more than MaxPixels
// gives 0 x 0 and no picture. Special files are never opened.
Miniature lavMiniature(const QString &sti, int W, int H);

// The icon rule: every pixel that is white in the mask (transparent) and
// black in the colour bitmap becomes IkonBaggrund; every other pixel keeps
// its colour, made opaque. `maske` holds the icon's own mask, one byte per
// pixel (non-zero: white), row by row; without one, the transparent pixels
// of the picture are the mask.
QImage anvendIkonmaske(const QImage &ikon, const QByteArray &maske = {});

// The mask of picture `nr` of an icon file: one byte per pixel, row by row
// from the top; empty when the picture has none (a PNG picture) or the
// file is damaged.
QByteArray ikonmaske(const QByteArray &fil, int nr);

// The size a JPEG of `fuld` pixels is decoded at to be drawn at `maal`:
// the smallest of its 1/8 … 8/8 scales that is not below `maal`.
QSize jpegAfkodningsstoerrelse(QSize fuld, QSize maal);

} // namespace billedfiler
