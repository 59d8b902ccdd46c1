#pragma once

#include "platform/monteringer.h"

#include <QSet>
#include <QString>

#include <dirent.h>

// Reads the entries of one folder with the system's own calls, so that names
// which are not valid UTF-8 are kept (see navnekode) and nothing is dropped
// silently. An entry's kind is what it leads to: a link to a folder is a
// folder to list, but `erLink` lets a recursive walk refuse to follow it.
// Special files (pipes, devices, sockets) and dangling links are `Andet`;
// they are listed but never opened. An entry that vanished between the
// listing and the look at it is passed over; one that could not be looked
// at for another reason (a folder that may be read but not entered) is
// listed as `Andet` with that reason in `fejl`.
class MappeLaeser
{
public:
    enum class Art { Mappe, Fil, Andet };

    struct Post
    {
        QString navn;
        Art art = Art::Andet;
        bool erLink = false;
        qint64 stoerrelse = 0;   // the entry's own size; only with medStoerrelse
        int fejl = 0;            // errno when the entry could not be looked at
    };

    explicit MappeLaeser(const QString &mappe, bool medStoerrelse = false);
    ~MappeLaeser();
    MappeLaeser(const MappeLaeser &) = delete;
    MappeLaeser &operator=(const MappeLaeser &) = delete;

    // False when the folder could not be opened.
    bool aaben() const { return m_dir != nullptr; }

    // The next entry other than "." and ".."; false at the end or on an error.
    bool naeste(Post &post);

    // True when the listing ended on a read error rather than at the end.
    bool fejlede() const { return m_fejlede; }
    // The errno of that read error, or of opening the folder.
    int fejl() const { return m_fejl; }

    // The open folder's own size in bytes, which grows with its entries on
    // every file system; 0 when unknown.
    qint64 mappestoerrelse() const;

    // Where the open folder itself lies among the mounted volumes.
    montering::Sted sted() const;

    // Names a folder hides through its ".hidden" file: one exact name per
    // line, no patterns.
    static QSet<QString> skjulteNavne(const QString &mappe);

    // A name starting with "." or listed in the folder's ".hidden" file.
    static bool erSkjult(const QString &navn, const QSet<QString> &skjulte);

private:
    DIR *m_dir = nullptr;
    bool m_medStoerrelse;
    bool m_fejlede = false;
    int m_fejl = 0;
};
