#pragma once

#include <QString>

// Plain text on the desktop's clipboard. Needs a QGuiApplication.
namespace klipbord {

void saetTekst(const QString &tekst);
QString tekst();

} // namespace klipbord
