#pragma once

#include "platform/aabner.h"

#include <QUrl>

// Opening a web address the way the desktop would.
namespace netadresse {

// Opens `adresse` with the desktop's application for its scheme (the
// default web browser for https), else through xdg-open, without waiting.
// The result follows aabner's codes: above 32 started.
int aabn(const QUrl &adresse, const aabner::SenereFejl &senere = {});

} // namespace netadresse
