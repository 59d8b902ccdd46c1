#pragma once

#include "engines/bekraeftelse.h"

#include <QQueue>

// A scripted confirmation window: records what each confirmation would show
// and answers from a queue ("Nej" when the queue is empty).
class FakeBekraeftelse : public Bekraeftelse
{
public:
    struct Kald
    {
        Tekster tekster;
        QStringList filer, mapper;
    };

    bool skalElementerKopieres(const QString &aDestDir, bool flytEle, const QStringList &filelist,
                               const QStringList &mappelist) override
    {
        kald.append({kopiTekster(aDestDir, flytEle), filelist, mappelist});
        return svar.isEmpty() ? false : svar.dequeue();
    }

    bool skalElementerSlettes(const QStringList &Fliste, const QStringList &Mliste, bool tilPapirkurv) override
    {
        kald.append({sletTekster(tilPapirkurv), Fliste, Mliste});
        return svar.isEmpty() ? false : svar.dequeue();
    }

    QList<Kald> kald;
    QQueue<bool> svar;
};
