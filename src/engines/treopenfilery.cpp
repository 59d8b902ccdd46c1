#include "engines/treopenfilery.h"

bool TReopenFilerY::InsertItem(const QString &sti, const QString &caption)
{
    if (!maaIndsaettes(sti))
        return false;
    if (FItemtype != itAndet && findSti(sti) >= 0)
        return false;
    if (afvisLinjeskift(sti, caption))
        return false;
    int linje = antal();
    if (FFilantal > 0 && antal() >= FFilantal) {
        linje = antal() - 1;
        m_poster[linje] = {caption, sti};
        emit dataChanged(index(linje), index(linje));
    } else {
        beginInsertRows({}, linje, linje);
        m_poster.append({caption, sti});
        endInsertRows();
    }
    vaelgLinje(linje);
    return true;
}
