#include "platform/indstillingsfil.h"

#include "platform/tekstfil.h"

namespace indstillingsfil {

Udfald laes(const QString &filnavn, QStringList &linjer)
{
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    linjer = tekstfil::hent(filnavn, tekstfil::Art::Indstillinger, &status);
    switch (status) {
    case tekstfil::Laesning::Ok:
        return Udfald::Laest;
    case tekstfil::Laesning::Mangler:
        return Udfald::Mangler;
    case tekstfil::Laesning::Fejl:
        break;
    }
    return Udfald::Ulaeselig;
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
