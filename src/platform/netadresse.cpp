#include "platform/netadresse.h"

#include "platform/desktopfil.h"
#include "platform/standardprogrammer.h"

#include <QProcess>
#include <QStandardPaths>

namespace netadresse {

int aabn(const QUrl &adresse, const aabner::SenereFejl &senere)
{
    if (!adresse.isValid() || adresse.isLocalFile())
        return aabner::UkendtFejl;
    const QString tekst = adresse.toString(QUrl::FullyEncoded);
    const QString haandterer =
        standardprogrammer::desktopfilFor(QStringLiteral("x-scheme-handler/") + adresse.scheme());
    if (!haandterer.isEmpty()) {
        const int kode = aabner::aabnDesktopfil(Desktopfil::laes(haandterer), {tekst}, senere);
        if (kode > 32)
            return kode;
    }
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return aabner::IngenTilknytning;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {tekst}) ? aabner::Ok : aabner::UkendtFejl;
}

} // namespace netadresse
