#pragma once

#include "platform/monteringer.h"

#include <QByteArray>
#include <QtGlobal>

#include <functional>
#include <vector>

// Reads the whole folder tree below a start folder into memory in one walk,
// depth first, each folder's entries in the order the file system returns
// them, so that later passes over the tree read no disk. Names are kept as
// the raw bytes the system gave, so names that are not valid UTF-8 survive.
//
// Every entry is included, hidden ones too. A link to a folder is listed as
// a folder but never entered, so a link loop cannot hang the walk. A folder
// that cannot be opened or read is listed with no entries and the walk goes
// on. A folder that lies on another mounted volume than its parent (another
// device, mount id, or a mount root) is listed but not entered: the walk
// stays on the start folder's volume.
class TraeLaeser
{
public:
    enum class Art : quint8 {
        Fil,        // anything that is not a folder: files, special files, dangling links
        Mappe,      // a folder the walk entered (or tried to)
        MappeLink,  // a link to a folder: listed, never entered
        Montering,  // a folder on another volume: listed, never entered
    };

    struct Post
    {
        quint32 navn = 0;          // offset of the name (NUL-terminated) in navne()
        quint16 laengde = 0;       // the name's length in bytes
        Art art = Art::Fil;
        quint32 boern = 0;         // index of the first entry inside this folder
        quint32 antalBoern = 0;
    };

    // Asked now and then during the walk (after each folder); returning
    // false stops it. The argument is the number of entries read so far.
    using Fortsaet = std::function<bool(qint64 antal)>;

    // Reads the tree below `mappe` (its raw path bytes). False when the
    // start folder itself could not be opened or the walk was stopped.
    bool laes(const QByteArray &mappe, const Fortsaet &fortsaet = {});

    bool stoppet() const { return m_stoppet; }
    // Folders that could not be opened or read to the end.
    qint64 ulaeselige() const { return m_ulaeselige; }

    // Entry 0 is the start folder itself; its entries follow from boern.
    const std::vector<Post> &poster() const { return m_poster; }
    const char *navn(const Post &p) const { return m_navne.data() + p.navn; }
    std::size_t hukommelse() const;

private:
    void laesMappe(int fd, quint32 indeks, const montering::Sted &sted);
    void tilfoej(const char *navn, std::size_t laengde, Art art);

    std::vector<Post> m_poster;
    std::vector<char> m_navne;
    Fortsaet m_fortsaet;
    qint64 m_ulaeselige = 0;
    bool m_stoppet = false;
};
