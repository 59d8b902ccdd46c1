#include "app/ikoner.h"
#include "app/oversaettelser.h"
#include "app/tbeskeddialogs.h"
#include "app/tmainform.h"
#include "platform/systemmapper.h"
#include "platform/tafslutningssignal.h"
#include "platform/tenkeltinstans.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stifinder"));
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    oversaettelser::indlaesQt(app);
    ikoner::indstilTema();
    QApplication::setWindowIcon(ikoner::hent("system-file-manager", QStyle::SP_DirIcon));

    TEnkeltInstans instans(systemmapper::grundMappe());
    if (instans.laas() == TEnkeltInstans::Status::KoererAllerede) {
        TBeskedDialogs(nullptr).inform(instans.grund());
        return 1;
    }

    Tmainform mainform;
    // At log-out the settings are saved and the window closes as usual.
    QObject::connect(TAfslutningsSignal::installer(), &TAfslutningsSignal::afslut, &mainform,
                     &Tmainform::sessionSlut);
    mainform.show();
    return app.exec();
}
