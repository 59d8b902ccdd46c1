#pragma once

#include <QList>
#include <QString>

// What the element helpers need of the copy-lists window: its two lists of
// ticked paths, removing an entry that no longer exists, and showing the
// result of a size computation. All calls happen on the user-interface
// thread.
class Kopilister
{
public:
    struct Post
    {
        QString sti;          // as the list holds it; may end in a line feed
        bool markeret = false;
    };

    virtual ~Kopilister() = default;

    virtual QList<Post> mappePoster() const = 0;
    virtual QList<Post> filPoster() const = 0;
    virtual void fjernMappePost(int raekke) = 0;
    virtual void fjernFilPost(int raekke) = 0;

    // The size, folder-count, file-count and information labels.
    virtual void visStoerrelse(const QString &stoerrelse, const QString &antalMapper,
                               const QString &antalFiler, const QString &information) = 0;
    // The size field of the explorer window the lists belong to.
    virtual void skrivStoerrelsesfelt(const QString &tekst) = 0;
};
