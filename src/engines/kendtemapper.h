#pragma once

#include <QString>
#include <QStringList>

class SpecialMapper;

// The well-known folders of the explorer's known-folders page, in the
// order of its buttons, and the list its structures are built from.
namespace kendtemapper {

enum class Mappe {
    Skrivebord, Dokumenter, Musik, Videoer, Billeder,
    AlleBrugere, Favoritter, Overfoersler, Kontakter, OneDrive,
    Startmenu, AppData, KameraBilleder, KameraFilm, Start,
};
inline constexpr int Antal = int(Mappe::Start) + 1;

// The folder behind a button. The four folders that only some users have
// (contacts, OneDrive and the two camera folders) are empty when they do
// not exist; the others are given whether or not they exist.
QString mappe(const SpecialMapper &s, Mappe m);

// The known folders a structure is built of, in this order: desktop,
// documents, favourites, pictures, music, videos, OneDrive and contacts,
// downloads, start-menu programs, application data, all users, camera
// pictures and captures; those that do not exist are left out.
QStringList strukturliste(const SpecialMapper &s);

} // namespace kendtemapper
