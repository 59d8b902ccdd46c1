#pragma once

#include <QIcon>
#include <QStyle>

// The pictures of commands, pages and windows. Each is named as the
// freedesktop icon themes name it ("edit-cut"), with alternatives after "|"
// for themes that lack the first name; the desktop's own theme answers
// first, Adwaita (full-colour pictures, installed with the program) next,
// and a picture of our own or of the style last, so a button always shows
// what its command does, also without any theme.
namespace ikoner {

// Makes the themes findable: the desktop's icon folders are searched also
// where Qt knows no desktop (a bare window manager, offscreen), and Adwaita
// fills in where the desktop's theme has no picture. Called once at start.
void indstilTema();

// The first of the '|'-separated names that a theme or our own pictures
// have (a name is looked up in the themes first, then among ours), else the
// style's picture.
QIcon hent(const char *temanavne, QStyle::StandardPixmap reserve);

// Our own picture for a theme name ("edit-cut", "edit-paste", …), drawn in
// full colour; null for names we do not draw.
QIcon egen(const QString &temanavn);

} // namespace ikoner
