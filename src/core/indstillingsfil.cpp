#include "core/indstillingsfil.h"

#include "core/tekstfil.h"

#include <QFileInfo>

namespace indstillingsfil {

Udfald laes(const QString &filnavn, QStringList &linjer)
{
    const QFileInfo info(filnavn);
    if (!info.exists())
        return Udfald::Mangler;
    if (!info.isFile() || info.size() > maxFilstoerrelse)
        return Udfald::Ulaeselig;
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    linjer = tekstfil::hent(filnavn, &status);
    return status == tekstfil::Laesning::Ok ? Udfald::Laest : Udfald::Ulaeselig;
}

bool tilTal(const QString &linje, int *tal)
{
    bool ok = false;
    const int v = linje.trimmed().toInt(&ok, 10);
    if (ok)
        *tal = v;
    return ok;
}

QString somLinje(const QString &tekst)
{
    return tekst.contains(u'\r') || tekst.contains(u'\n') ? QString() : tekst;
}

} // namespace indstillingsfil
