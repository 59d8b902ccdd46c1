#pragma once

#include "engines/treopenfiler.h"

// The reopen list that grows at its end: a path already in the list is not
// inserted again (a revisited folder keeps its place), and once the list is
// full the last slot always holds the newest entry. Changes are saved only
// when the owner asks.
class TReopenFilerY : public TReopenFiler
{
    Q_OBJECT

public:
    using TReopenFiler::TReopenFiler;

    bool InsertItem(const QString &sti, const QString &caption) override;

protected:
    bool gemVedAendring() const override { return false; }
};
