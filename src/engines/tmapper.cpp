#include "engines/tmapper.h"

#include "core/stier.h"
#include "engines/filbilleder.h"
#include "platform/filinfo.h"

QString TMapper::mappeEllerBesked(const QString &mappe, const QString &besked) const
{
    if (filinfo::erMappe(mappe))
        return mappe;
    informer(besked);
    return {};
}

QString TMapper::GetMyDesktop() const
{
    return mappeEllerBesked(m_specialMapper.skrivebord(), QStringLiteral("Kunne ikke finde skrivebordsmappen."));
}

QString TMapper::GetMyDocuments() const
{
    return mappeEllerBesked(m_specialMapper.dokumenter(), QStringLiteral("Kunne ikke finde dokumentmappen."));
}

QString TMapper::GetMyFavorit() const
{
    return mappeEllerBesked(m_specialMapper.favoritter(), QStringLiteral("Kunne ikke finde favoritmappen."));
}

QString TMapper::GetMyPictures() const
{
    return mappeEllerBesked(m_specialMapper.billeder(), QStringLiteral("Kunne ikke finde billedmappen."));
}

QString TMapper::GetMyMusic() const
{
    return mappeEllerBesked(m_specialMapper.musik(), QStringLiteral("Kunne ikke finde musikmappen."));
}

QString TMapper::GetMyVideo() const
{
    return mappeEllerBesked(m_specialMapper.videoer(), QStringLiteral("Kunne ikke finde videomappen."));
}

QString TMapper::GetStartMenuPrograms() const
{
    return mappeEllerBesked(m_specialMapper.startmenuProgrammer(),
                            QStringLiteral("Kunne ikke finde startmenumappen."));
}

QString TMapper::GetMyApp() const
{
    return mappeEllerBesked(m_specialMapper.lokaleData(), QStringLiteral("Kunne ikke finde programmappen."));
}

QString TMapper::GetMyDownLoad() const
{
    const QString m = m_specialMapper.hentet();
    return filinfo::erMappe(m) ? m : QStringLiteral("/");
}

QString TMapper::GetAllUsers() const
{
    const QString m = m_specialMapper.offentligt();
    return filinfo::erMappe(m) ? m : QStringLiteral("/");
}

bool TMapper::erDetEnBilledfil(const QString &udvidelse)
{
    return filbilleder::erDetEnBilledfil(udvidelse);
}
