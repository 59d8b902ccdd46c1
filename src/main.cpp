#include "app/ikoner.h"
#include "app/tbeskeddialogs.h"
#include "app/tmainform.h"
#include "platform/brugernavn.h"
#include "platform/systemmapper.h"
#include "platform/tafslutningssignal.h"
#include "platform/tenkeltinstans.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char **argv)
{
    // Before anything asks for the home folder: an empty $HOME would put the
    // data under "/Marvikel".
    brugernavn::retHjem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stifinder"));
    QApplication::setWindowIcon(ikoner::hent("system-file-manager", QStyle::SP_DirIcon));
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));

    TEnkeltInstans instans(systemmapper::grundMappe());
    if (instans.laas() == TEnkeltInstans::Status::KoererAllerede) {
        TBeskedDialogs(nullptr).inform(instans.grund());
        return 1;
    }

    Tmainform mainform;
    // At log-out the settings are saved and the window closes as usual;
    // Ctrl+C in the terminal closes as the close box does.
    TAfslutningsSignal *signaler = TAfslutningsSignal::installer();
    QObject::connect(signaler, &TAfslutningsSignal::sessionSlut, &mainform, &Tmainform::sessionSlut);
    QObject::connect(signaler, &TAfslutningsSignal::lukOensket, &mainform, &QWidget::close);
    mainform.show();
    return app.exec();
}
