#pragma once

#include <QIcon>

// The program's own icon: the installed theme's, which the desktop may have
// replaced, else the copy built into the program in every size.
QIcon marvikelIkon();
