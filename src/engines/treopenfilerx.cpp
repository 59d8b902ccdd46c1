#include "engines/treopenfilerx.h"

bool TReopenFilerX::InsertItem(const QString &sti, const QString &caption)
{
    if (!maaIndsaettes(sti) || afvisLinjeskift(sti, caption))
        return false;
    beginResetModel();
    const int gammel = findSti(sti);
    if (gammel >= 0)
        m_poster.removeAt(gammel);
    m_poster.prepend({caption, sti});
    endResetModel();
    return true;
}

bool TReopenFilerX::SetCaption(int index, const QString &caption)
{
    if (index < 0 || index >= antal() || afvisLinjeskift({}, caption))
        return false;
    m_poster[index].caption = caption;
    emit dataChanged(this->index(index), this->index(index));
    GemReopenFiler();
    return true;
}
