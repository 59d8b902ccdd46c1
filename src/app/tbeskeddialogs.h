#pragma once

#include "app/tinfform.h"
#include "app/tspform.h"
#include "core/dialogs.h"

#include <QPointer>

class QWidget;

// The program's Dialogs: the shared information box and question box,
// each created when it is first needed (hidden, owned by the main window)
// and reused for the rest of the run. When a message or question arrives while the shared window is already
// open (a second report from a nested event loop), it is shown in a window of
// its own, so it is neither lost nor answered "Nej" unseen.
class TBeskedDialogs : public Dialogs
{
public:
    explicit TBeskedDialogs(QWidget *parent);
    ~TBeskedDialogs() override;

    TBeskedDialogs(const TBeskedDialogs &) = delete;
    TBeskedDialogs &operator=(const TBeskedDialogs &) = delete;

    void inform(const QString &tekst) override;
    bool ask(const QString &tekst, bool visAlleCheck = false, bool *alle = nullptr) override;

    // The shared windows themselves, for code that must reach them directly.
    Tinfform *infform() const;
    Tspform *spform() const;

private:
    QPointer<QWidget> m_parent;
    // Made on first use, so a start that shows no message builds neither;
    // a window its parent has deleted since is not made again.
    mutable QPointer<Tinfform> m_infform;
    mutable QPointer<Tspform> m_spform;
    mutable bool m_infformLavet = false;
    mutable bool m_spformLavet = false;
};
