#pragma once

class QCoreApplication;

// Qt's own texts (the context menus of text fields, the standard buttons
// and dialogs) in Danish, like the rest of the interface.
namespace oversaettelser {

// Installs Qt's Danish translations on `app`; false when they are not
// installed (the program then runs with Qt's English texts).
bool indlaesQt(QCoreApplication &app);

} // namespace oversaettelser
