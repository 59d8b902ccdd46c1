#include "engines/kalender/datomappe.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/kalender/kalenderdatoer.h"
#include "platform/drev.h"
#include "platform/filinfo.h"

#include <QDir>

namespace datomappe {

namespace {

QStringList trin(const QString &kalenderMappe, const QDate &dato)
{
    const QString aar = stier::delimKon(kalenderMappe) + kalenderdatoer::aarsmappe(dato);
    const QString maaned = aar + QLatin1Char('/') + kalenderdatoer::maanedsmappe(dato);
    return {aar, maaned, maaned + QLatin1Char('/') + kalenderdatoer::dagsmappe(dato)};
}

} // namespace

QString sti(const QString &kalenderMappe, const QDate &dato)
{
    return trin(kalenderMappe, dato).last();
}

std::optional<Kaede> opret(const QString &kalenderMappe, const QDate &dato, Dialogs &dialogs)
{
    const QString rod = stier::udenSkraastreg(kalenderMappe);
    if (!filinfo::erMappe(rod)) {
        dialogs.inform(QStringLiteral("Kalendermappen findes ikke:\r") + rod
                       + QStringLiteral("\rVælg en anden kalendermappe med \"Indsæt aktuelle\"."));
        return std::nullopt;
    }
    const QStringList mapper = trin(rod, dato);
    for (const QString &mappe : mapper) {
        if (filinfo::erMappe(mappe))
            continue;
        if (!QDir().mkdir(mappe)) {
            dialogs.inform(QStringLiteral("Mappen kunne ikke oprettes:\r") + mappe);
            return std::nullopt;
        }
    }
    Kaede k;
    const QString drev = Drev::drevAfSti(rod, Drev().viste());
    if (!drev.isEmpty())
        k.mapper.append(drev);
    k.mapper.append(rod);
    k.mapper.append(mapper);
    k.dagsmappe = mapper.last();
    return k;
}

} // namespace datomappe
