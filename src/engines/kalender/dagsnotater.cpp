#include "engines/kalender/dagsnotater.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/kalender/kalenderdatoer.h"
#include "platform/filinfo.h"
#include "platform/sletning.h"
#include "platform/tekstfil.h"

#include <QDir>

namespace dagsnotater {

QString notatfil(const QString &notatMappe, const QDate &dato)
{
    return stier::delimKon(notatMappe) + kalenderdatoer::datotekst(dato) + QStringLiteral(".txt");
}

Notat hent(const QString &fil, Dialogs &dialogs)
{
    tekstfil::Laesning laesning;
    const QStringList linjer = tekstfil::hent(fil, &laesning);
    switch (laesning) {
    case tekstfil::Laesning::Ok:
        return {Status::Ok, linjer.join(QLatin1Char('\n'))};
    case tekstfil::Laesning::Mangler:
        return {Status::Mangler, {}};
    case tekstfil::Laesning::Fejl:
        break;
    }
    dialogs.inform(QStringLiteral("Dagens notater kunne ikke læses fra:\r") + fil);
    return {Status::Fejl, {}};
}

bool gem(const QString &fil, const QString &tekst, Dialogs &dialogs)
{
    // The notes folder is the program's own; it may have been removed since
    // start-up.
    const QString mappe = stier::mappeAf(fil);
    if (!filinfo::erMappe(mappe))
        QDir().mkpath(mappe);
    if (tekstfil::gem(fil, tekstfil::splitLinjer(tekst)))
        return true;
    dialogs.inform(QStringLiteral("Dagens notater kunne ikke gemmes i:\r") + fil
                   + QStringLiteral("\rTeksten er ikke gemt, men står stadig i feltet."));
    return false;
}

bool slet(const QString &fil, Dialogs &dialogs)
{
    sletning::Resultat r;
    if (sletning::sletFil(fil, r))
        return true;
    const QString grund = r.fejl.isEmpty() ? QString() : QLatin1Char('\r') + r.fejl.first().grund;
    dialogs.inform(QStringLiteral("Dagens notater kunne ikke slettes:\r") + fil + grund);
    return false;
}

} // namespace dagsnotater
