#pragma once

#include "platform/sletning.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

#include <sys/types.h>

// The desktop's trash, as every file manager on the machine shares it: the
// home trash under the user's data folder for elements on the same volume,
// and a trash folder at the top of every other volume. Moving an element
// there writes its ".trashinfo" first (the original path, percent-encoded,
// and the deletion time), so the desktop's own trash view can restore it.
// An element that cannot go to a trash stays where it is: nothing here
// ever deletes instead.
namespace papirkurv {

// One trash folder, holding "files" and "info".
struct Kurv
{
    QString mappe;
    // Empty for the home trash, whose Path= entries are absolute; else the
    // top folder of the volume, which Path= entries are relative to.
    QString topmappe;
};

struct Svar
{
    bool ok = false;
    QString grund;     // why not, in Danish
    QString navn;      // the name the element got in files/
    bool andetDrev = false;   // the trash lies on another volume than the element
};

// Where every home and volume trash is found; tests point it elsewhere.
struct Kilder
{
    QString dataHjem;      // $XDG_DATA_HOME, else $HOME/.local/share
    QString mountinfo = QStringLiteral("/proc/self/mountinfo");
    static Kilder system();
};

class Papirkurv
{
public:
    explicit Papirkurv(const Kilder &kilder = Kilder::system());

    // Moves `sti` into the trash of its volume.
    Svar flyt(const QString &sti, const QDateTime &tid = QDateTime::currentDateTime());

    // The home trash, created (mode 0700) when missing.
    std::optional<Kurv> hjemmeKurv(QString *grund = nullptr) const;
    // The trash of the volume with top folder `top`: "$top/.Trash/$uid" when
    // "$top/.Trash" is a real folder with the sticky bit, else
    // "$top/.Trash-$uid"; created when missing. A folder that is a link, or
    // is owned by someone else, is refused.
    static std::optional<Kurv> volumenKurv(const QString &top, QString *grund = nullptr);

    // The top folder (mount point) of the volume that holds `sti`.
    QString topmappeAf(const QString &sti) const;

    // The existing trash folders of the volume that holds `sti`.
    QList<Kurv> kurveForVolumen(const QString &sti) const;

private:
    std::optional<Kurv> hjemmeKurvHusket(QString *grund);
    std::optional<dev_t> hjemmeDrev();

    QList<QString> m_monteringspunkter;
    Kilder m_kilder;
    // Found once for a run of moves: the home trash and the device of the
    // data folder it lies in.
    std::optional<Kurv> m_hjemmeKurv;
    std::optional<dev_t> m_hjemmeDrev;
    // The elements' resolved paths, for their ".trashinfo".
    sletning::Kanonisering m_kanonisk;
};

// Moves `sti` into `kurv` under a free name.
Svar flytTilKurv(const QString &sti, const Kurv &kurv, const QDateTime &tid);

// The content of the ".trashinfo" file for `sti` in `kurv`.
QByteArray trashinfo(const QString &sti, const Kurv &kurv, const QDateTime &tid);

// Empties one trash: every element in files/ is deleted permanently, then
// its ".trashinfo"; info files left without an element and the
// "directorysizes" cache go too. The folders themselves stay.
struct Toemning
{
    qint64 elementer = 0;
    QList<sletning::Fejl> fejl;
};
Toemning toem(const Kurv &kurv);

} // namespace papirkurv
