#pragma once

#include <QString>

// Which picture a file gets in the file tree and the copy lists, chosen by
// its extension.
namespace filbilleder {

// The image index of a file by its lower-cased extension; 2 for any other.
int getFilensImageIndex(QStringView navn);

// ".jpg", ".png", ".bmp", ".ico" or ".gif" in any letter case.
bool erDetEnBilledfil(const QString &udvidelse);

// Image of a file picked out by "Vis" (fremvisFiltype).
constexpr int Fremhaevet = 15;

} // namespace filbilleder
