#pragma once

#include <QIcon>
#include <QStyle>

// The pictures of the trees and lists, one per kind. A style's standard
// icon may read and decode its picture files again whenever it is drawn
// through a new icon; a tree of a hundred thousand rows would do that for
// every painted row in every frame. Here each picture is made once per kind
// (at the sizes rows are drawn in) and the same icon is handed out after,
// until the application's style changes.
namespace billedlager {

QIcon ikon(QStyle::StandardPixmap art);

// How many pictures have been made from the style so far.
int antalLavede();

} // namespace billedlager
