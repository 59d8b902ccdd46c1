#pragma once

#include <QString>

// How engines and windows talk to the user. No engine creates a window: it
// is handed a Dialogs and informs or asks through it. The program implements
// it with its two shared message windows; tests use a scripted fake that
// records every text and answers from a queue.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // The information box: shows the text and waits for OK.
    virtual void inform(const QString &tekst) = 0;

    // The question box: true for "Ja"; "Nej", Escape and the close box give
    // false. With visAlleCheck the check box "Gør det samme med alle" is shown
    // (always unchecked at first); *alle receives whether it was checked.
    virtual bool ask(const QString &tekst, bool visAlleCheck = false, bool *alle = nullptr) = 0;
};
