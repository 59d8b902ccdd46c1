#include "engines/notater.h"

#include "core/filnavn.h"
#include "core/stier.h"
#include "platform/filinfo.h"
#include "platform/mappelaeser.h"
#include "platform/navnekode.h"

#include <QDir>

namespace {

const QString endelse = QStringLiteral(".txt");

} // namespace

TNotater::TNotater(QString notatMappe)
    : m_mappe(std::move(notatMappe))
{
}

bool TNotater::list(QList<Notat> &ud) const
{
    MappeLaeser laeser(m_mappe);
    if (!laeser.aaben())
        return false;
    MappeLaeser::Post post;
    while (laeser.naeste(post)) {
        // Hidden files are not notes; among them lie the temporaries of a
        // save in progress.
        if (post.art != MappeLaeser::Art::Fil || post.navn.startsWith(u'.')
            || !post.navn.endsWith(endelse, Qt::CaseInsensitive) || post.navn.size() == endelse.size())
            continue;
        ud.append({filnavn::tilNavn(post.navn.chopped(endelse.size())), post.navn});
    }
    return !laeser.fejlede();
}

QString TNotater::sti(const QString &titel) const
{
    const QString navn = filnavn::fraNavn(titel, int(endelse.size()));
    return navn.isEmpty() ? QString() : m_mappe + navn + endelse;
}

bool TNotater::findes(const QString &sti)
{
    return filinfo::erFil(sti);
}

bool TNotater::kanGemmes(const QString &sti)
{
    return navnekode::kod(sti) == sti.toUtf8();
}

bool TNotater::hent(const QString &sti, QString &tekst)
{
    // A note whose file name is not valid UTF-8 is read by its raw name too.
    tekstfil::Laesning status = tekstfil::Laesning::Mangler;
    const QStringList linjer = tekstfil::hent(sti, tekstfil::Art::Liste, &status);
    if (status != tekstfil::Laesning::Ok)
        return false;
    tekst = linjer.join(u'\n');
    return true;
}

tekstfil::Skrivning TNotater::gem(const QString &sti, const QString &tekst) const
{
    QDir().mkpath(m_mappe);
    return tekstfil::skriv(sti, tekstfil::splitLinjer(tekst));
}
