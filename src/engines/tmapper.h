#pragma once

#include "engines/tgrundobjekt.h"

// Where the user's standard folders are. A folder that cannot be found is
// reported through the information box with its own message and an empty
// path is returned, so the command that asked stops there.
class TMapper : public TGrundObjekt
{
    Q_OBJECT

public:
    using TGrundObjekt::TGrundObjekt;

    QString GetMyDesktop() const;
    QString GetMyDocuments() const;
    QString GetMyFavorit() const;
    QString GetMyPictures() const;
    QString GetMyMusic() const;
    QString GetMyVideo() const;
    QString GetStartMenuPrograms() const;
    QString GetMyApp() const;
    // These two never fail: without the folder they give the system drive.
    QString GetMyDownLoad() const;
    QString GetAllUsers() const;

    static bool erDetEnBilledfil(const QString &udvidelse);

private:
    QString mappeEllerBesked(const QString &mappe, const QString &besked) const;
};
