#pragma once

#include "engines/tekstsoegning/tekstdokument.h"

#include <QList>
#include <QString>

#include <functional>

// The search of the text search window: every occurrence of a text in the
// documents of one folder that match one file pattern. The folder is listed
// in the order the file system gives (subfolders are not entered); only
// regular files are opened, so a pipe or device never blocks the search.
// Documents are read and searched on worker threads; rows are handed over
// on the calling thread, in listing order and by increasing position, and
// the caller is asked a few times a second whether to go on, which is where
// it processes pending events and where "Stop" takes effect.
//
// A document that cannot be read, or that is larger than MaksStoerrelse, is
// passed over and counted; the search goes on with the next one.
class TTekstsoegning
{
public:
    static constexpr qint64 MaksStoerrelse = qint64(256) * 1024 * 1024;

    struct Valg
    {
        QString tekst;
        bool heleOrd = false;     // "Kun hele ord"
        bool storeSmaa = false;   // "Forskel på store og små bogstaver"
    };

    struct Resultat
    {
        qint64 raekker = 0;
        int dokumenter = 0;       // documents searched
        int ulaeselige = 0;       // could not be read
        int forStore = 0;         // passed over for their size
        bool stoppet = false;     // "Stop" ended the search early
    };

    using Modtager = std::function<void(QList<FundRaekke> &&raekker)>;
    // Processes pending events; false stops the search.
    using HoldILive = std::function<bool()>;

    // How often holdILive is called at most (0: at every step, for tests).
    void setInterval(int millisekunder) { m_interval = millisekunder; }
    // Worker threads; 0 lets the machine decide.
    void setTraade(int antal) { m_traade = antal; }

    // `mappe` is the folder with its trailing "/"; `moenster` a file
    // pattern such as "*.txt" (see filtyper::passer). Nothing is searched
    // when the folder does not exist or the text is empty.
    Resultat soeg(const QString &mappe, const QString &moenster, const Valg &valg, const Modtager &modtager,
                  const HoldILive &holdILive = {});

    // The names in `mappe` the search would open, in listing order.
    static QStringList dokumenter(const QString &mappe, const QString &moenster);

private:
    int m_interval = 100;
    int m_traade = 0;
};
