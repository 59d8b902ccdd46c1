#pragma once

#include <QElapsedTimer>
#include <QString>

// Type-to-find in a tree: letters typed quickly one after another make one
// search text ("ma" finds "mapper"); the same letter typed again goes on to
// the next name with that letter; after a pause a letter starts a new
// search. The pause is the system's keyboard input interval.
class TSoegeTaster
{
public:
    struct Soegning
    {
        QString tekst;
        // Start below the current row (a new search, or the same letter
        // again), rather than at it (a search text made longer).
        bool fraNaeste = false;
    };

    Soegning tast(const QString &tegn);

private:
    QString m_input;
    QElapsedTimer m_sidst;
};
