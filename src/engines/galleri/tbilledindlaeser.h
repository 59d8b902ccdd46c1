#pragma once

#include "engines/galleri/billedfiler.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <memory>

// A picture of the gallery's list.
struct TBilRec
{
    QString Filnavn;   // without folder, exactly as the file system spells it
    int Bredde = 0;
    int Hojde = 0;
};

// Loads the pictures of one folder into a list and their thumbnails: the
// list in the gallery's order, every picture decoded and reduced on all
// cores while the calling (user-interface) thread waits, reports progress
// in list order and keeps the program alive through its progress sink.
// A picture that cannot be decoded gets an empty thumbnail and 0 x 0; the
// load goes on with the next.
class TBilledIndlaeser
{
public:
    // What the loader tells while it runs. holdILive() lets pending events
    // run; the loader calls it a few times a second. stoppet() ends the load
    // at its next check (a new load, the window closing).
    class Fremdrift
    {
    public:
        virtual ~Fremdrift() = default;
        virtual void procent(int procent) = 0;
        virtual void holdILive() = 0;
        virtual bool stoppet() const = 0;
    };

    struct Resultat
    {
        QList<TBilRec> Bil;
        QList<billedfiler::Miniature> miniaturer;
        bool afbrudt = false;       // stopped before every picture was loaded
        bool laesefejl = false;     // the folder could not be read to its end
    };

    // `traade` decoding threads; 0 for one per core.
    explicit TBilledIndlaeser(int traade = 0);
    ~TBilledIndlaeser();

    // Loads the pictures of `mappe` for cells whose inside is W x H.
    Resultat indlaes(const QString &mappe, billedfiler::FilType type, int W, int H, Fremdrift &fremdrift);

    // The interval between two calls of holdILive, in milliseconds.
    void setInterval(int ms) { m_interval = ms; }

private:
    QThreadPool m_pulje;
    int m_interval = 40;
};
