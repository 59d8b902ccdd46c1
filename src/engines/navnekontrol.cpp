#include "engines/navnekontrol.h"

#include "platform/navnekode.h"

namespace navnekontrol {

namespace {

// The longest name one folder entry may have on Linux file systems, in bytes.
constexpr qsizetype MaksBytes = 255;

} // namespace

QString fejl(const QString &navn)
{
    if (navn.isEmpty())
        return QStringLiteral("Navnet må ikke være tomt.");
    if (navn == QLatin1String(".") || navn == QLatin1String(".."))
        return QStringLiteral("Navnet må ikke være \".\" eller \"..\".");
    if (navn.contains(QLatin1Char('/')))
        return QStringLiteral("Navnet må ikke indeholde tegnet \"/\".");
    if (navn.contains(QChar(0)))
        return QStringLiteral("Navnet indeholder et tegn, der ikke kan bruges i et navn.");
    if (navnekode::kod(navn).size() > MaksBytes)
        return QStringLiteral("Navnet er for langt.");
    return {};
}

} // namespace navnekontrol
