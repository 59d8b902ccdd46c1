#pragma once

#include "engines/treopenfiler.h"

// The reopen list with the newest entry on top: inserting a path that is
// already there moves it to the top with its new caption. There is no limit,
// and deleting or renaming an entry is saved at once.
class TReopenFilerX : public TReopenFiler
{
    Q_OBJECT

public:
    using TReopenFiler::TReopenFiler;

    bool InsertItem(const QString &sti, const QString &caption) override;
    // Replaces an entry's caption and saves; false when nothing changed.
    bool SetCaption(int index, const QString &caption);

protected:
    bool gemVedAendring() const override { return true; }
};
