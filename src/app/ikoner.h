#pragma once

#include <QApplication>
#include <QIcon>
#include <QStyle>

namespace ikoner {

// A theme icon where the desktop has one, else the style's own picture, so
// every button shows something also without an icon theme.
inline QIcon hent(const char *temanavn, QStyle::StandardPixmap reserve)
{
    return QIcon::fromTheme(QLatin1String(temanavn), QApplication::style()->standardIcon(reserve));
}

} // namespace ikoner
