#pragma once

#include "engines/konfliktspoergsmaal.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// A scripted conflict question: records the file and folder of every
// question and answers from a queue. An unexpected question (empty queue)
// answers "Overskriv ingen", which loses nothing, and is counted.
class FakeKonflikt : public KonfliktSpoergsmaal
{
public:
    KonfliktSvar askUser(const QString &filnavn, const QString &mappenavn) override
    {
        filnavne.append(filnavn);
        mappenavne.append(mappenavn);
        if (svar.isEmpty()) {
            ++ubesvarede;
            return {KonfliktHandling::OverskrivIngen, false};
        }
        return svar.dequeue();
    }

    void svarMed(KonfliktHandling h, bool overskrivDette = false) { svar.enqueue({h, overskrivDette}); }

    QStringList filnavne, mappenavne;
    QQueue<KonfliktSvar> svar;
    int ubesvarede = 0;
};
