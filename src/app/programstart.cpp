#include "app/programstart.h"

#include "app/ikoner.h"
#include "app/marvikelikon.h"
#include "app/oversaettelser.h"
#include "app/tbeskeddialogs.h"
#include "app/tmainform.h"
#include "app/tstilmanager.h"
#include "core/kommandolinje.h"
#include "platform/systemmapper.h"
#include "platform/tafslutningssignal.h"
#include "platform/tenkeltinstans.h"
#include "platform/tinstansbro.h"

#include <QApplication>
#include <QDir>
#include <QLocale>

namespace programstart {

int koer(QApplication &app, const std::function<void(Tmainform &)> &vist)
{
    QApplication::setApplicationName(QStringLiteral("Stifinder"));
    QApplication::setDesktopFileName(QStringLiteral("marvikel"));
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
    oversaettelser::indlaesQt(app);
    ikoner::indstilTema();
    // After the theme is chosen, so the installed icon is found in it.
    QApplication::setWindowIcon(marvikelIkon());

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

    TStilManager::forbered();
    Tmainform mainform;
    // At log-out the settings are saved and the window closes as usual;
    // Ctrl+C in the terminal closes as the close box does.
    TAfslutningsSignal *signaler = TAfslutningsSignal::installer();
    QObject::connect(signaler, &TAfslutningsSignal::sessionSlut, &mainform, &Tmainform::sessionSlut);
    QObject::connect(signaler, &TAfslutningsSignal::lukOensket, &mainform, &QWidget::close);
    QObject::connect(&bro, &TInstansbro::modtaget, &mainform, &Tmainform::aabnStier);
    bro.lyt();
    if (!stier.isEmpty())
        mainform.aabnStier(stier);
    mainform.show();
    if (vist)
        vist(mainform);
    return app.exec();
}

} // namespace programstart
