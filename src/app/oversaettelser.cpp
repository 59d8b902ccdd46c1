#include "app/oversaettelser.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace oversaettelser {

bool indlaesQt(QCoreApplication &app)
{
    // The interface is Danish whatever the system's language is.
    auto *qt = new QTranslator(&app);
    if (!qt->load(QLocale(QLocale::Danish, QLocale::Denmark), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return app.installTranslator(qt);
}

} // namespace oversaettelser
