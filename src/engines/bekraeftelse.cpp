#include "engines/bekraeftelse.h"

Bekraeftelse::Tekster Bekraeftelse::kopiTekster(const QString &aDestDir, bool flytEle)
{
    if (flytEle)
        return {QStringLiteral("Flytning af elementer"), QStringLiteral("Skal valgte elementer flyttes?"), aDestDir,
                Art::Flytning};
    return {QStringLiteral("Kopiering af elementer"), QStringLiteral("Skal valgte elementer kopieres?"), aDestDir,
            Art::Kopiering};
}

Bekraeftelse::Tekster Bekraeftelse::sletTekster(bool tilPapirkurv)
{
    return {QStringLiteral("Sletning af elementer"), QStringLiteral("Skal udvalgte elementer slettes?"),
            tilPapirkurv ? QStringLiteral("Papirkurv") : QStringLiteral("Ingen: Elementerne slettes permanent."),
            Art::Sletning};
}
