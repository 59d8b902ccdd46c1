#include "engines/kendtemapper.h"

#include "platform/filinfo.h"
#include "platform/specialmapper.h"

namespace kendtemapper {

namespace {

QString hvisDenFindes(const QString &sti)
{
    return filinfo::erMappe(sti) ? sti : QString();
}

} // namespace

QString mappe(const SpecialMapper &s, Mappe m)
{
    switch (m) {
    case Mappe::Skrivebord: return s.skrivebord();
    case Mappe::Dokumenter: return s.dokumenter();
    case Mappe::Musik: return s.musik();
    case Mappe::Videoer: return s.videoer();
    case Mappe::Billeder: return s.billeder();
    case Mappe::AlleBrugere: return s.offentligt();
    case Mappe::Favoritter: return s.favoritter();
    case Mappe::Overfoersler: return s.hentet();
    case Mappe::Kontakter: return hvisDenFindes(s.hjem() + QStringLiteral("/Contacts"));
    case Mappe::OneDrive: return hvisDenFindes(s.hjem() + QStringLiteral("/OneDrive"));
    case Mappe::Startmenu: return s.startmenuProgrammer();
    case Mappe::AppData: return s.lokaleData();
    case Mappe::KameraBilleder: return hvisDenFindes(s.billeder() + QStringLiteral("/Camera Roll"));
    case Mappe::KameraFilm: return hvisDenFindes(s.videoer() + QStringLiteral("/Captures"));
    case Mappe::Start: return s.autostart();
    }
    return {};
}

QStringList strukturliste(const SpecialMapper &s)
{
    const Mappe orden[] = {
        Mappe::Skrivebord, Mappe::Dokumenter, Mappe::Favoritter, Mappe::Billeder,   Mappe::Musik,
        Mappe::Videoer,    Mappe::OneDrive,   Mappe::Kontakter,  Mappe::Overfoersler, Mappe::Startmenu,
        Mappe::AppData,    Mappe::AlleBrugere, Mappe::KameraBilleder, Mappe::KameraFilm,
    };
    QStringList liste;
    for (Mappe m : orden) {
        const QString sti = mappe(s, m);
        // A folder a structure cannot show is left out, as is the same
        // folder twice (an unset XDG folder may be the home itself).
        if (!sti.isEmpty() && filinfo::erMappe(sti) && !liste.contains(sti))
            liste.append(sti);
    }
    return liste;
}

} // namespace kendtemapper
