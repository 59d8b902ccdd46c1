#pragma once

#include "core/dialogs.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// A scripted Dialogs for tests: records every text shown or asked, in order,
// and answers questions from a queue. A question asked with an empty queue is
// answered "Nej" and counted in `ubesvarede`, so a test can assert that no
// unexpected question was asked.
class FakeDialogs : public Dialogs
{
public:
    struct Svar
    {
        bool ja = false;
        bool alle = false;   // the state of "Gør det samme med alle" on return
    };

    void inform(const QString &tekst) override
    {
        informationer.append(tekst);
        forloeb.append("i: " + tekst);
    }

    bool ask(const QString &tekst, bool visAlleCheck = false, bool *alle = nullptr) override
    {
        spoergsmaal.append(tekst);
        forloeb.append("s: " + tekst);
        alleVist.append(visAlleCheck);
        Svar s;
        if (svar.isEmpty())
            ++ubesvarede;
        else
            s = svar.dequeue();
        if (alle)
            *alle = visAlleCheck && s.alle;
        return s.ja;
    }

    void svarJa(bool alle = false) { svar.enqueue({true, alle}); }
    void svarNej(bool alle = false) { svar.enqueue({false, alle}); }

    QStringList informationer;   // texts of the information box
    QStringList spoergsmaal;     // texts of the question box
    QList<bool> alleVist;        // per question: was the check box shown
    QStringList forloeb;         // both, in order, prefixed "i: " or "s: "
    QQueue<Svar> svar;
    int ubesvarede = 0;
};
