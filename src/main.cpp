#include "app/marvikelikon.h"
#include "app/tbeskeddialogs.h"
#include "app/tmainform.h"
#include "core/kommandolinje.h"
#include "platform/systemmapper.h"
#include "platform/tafslutningssignal.h"
#include "platform/tenkeltinstans.h"
#include "platform/tinstansbro.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stifinder"));
    QApplication::setDesktopFileName(QStringLiteral("marvikel"));
    QApplication::setWindowIcon(marvikelIkon());
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));

    const kommandolinje::Elementer bedt =
        kommandolinje::fraArgumenter(QApplication::arguments().mid(1), QDir::currentPath());
    const QStringList stier = bedt.stier + bedt.afviste;

    const QString grundMappe = systemmapper::grundMappe();
    TEnkeltInstans instans(grundMappe);
    TInstansbro bro(grundMappe);
    if (instans.laas() == TEnkeltInstans::Status::KoererAllerede) {
        // The running program shows what was asked for; only when it cannot
        // be reached does this start explain why it stops.
        if (bro.send(stier))
            return 0;
        TBeskedDialogs(nullptr).inform(instans.grund());
        return 1;
    }

    Tmainform mainform;
    // At log-out the settings are saved and the window closes as usual.
    QObject::connect(TAfslutningsSignal::installer(), &TAfslutningsSignal::afslut, &mainform,
                     &Tmainform::sessionSlut);
    QObject::connect(&bro, &TInstansbro::modtaget, &mainform, &Tmainform::aabnStier);
    bro.lyt();
    if (!stier.isEmpty())
        mainform.aabnStier(stier);
    mainform.show();
    return app.exec();
}
