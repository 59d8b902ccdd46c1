#include "engines/navnesoegning.h"

#include "core/dansk.h"
#include "platform/navnekode.h"

#include <cstring>

namespace {

// Entries examined between two calls that keep the program alive; the
// listener itself decides by the clock whether events are due.
constexpr qint64 Skridt = 512;

bool erMappe(TraeLaeser::Art art)
{
    return art != TraeLaeser::Art::Fil;
}

} // namespace

TNavnesoegning::TNavnesoegning(int maksimum)
    : m_maksimum(maksimum)
{
}

QByteArray TNavnesoegning::soegeBytes(const QString &tekst)
{
    return navnekode::kod(dansk::foldAZ(tekst));
}

bool TNavnesoegning::indeholder(const char *navn, std::size_t laengde, const QByteArray &soeg)
{
    const std::size_t n = std::size_t(soeg.size());
    if (n == 0)
        return true;
    if (n > laengde)
        return false;
    const char *s = soeg.constData();
    const char foerste = s[0];
    for (std::size_t i = 0; i + n <= laengde; ++i) {
        if (dansk::foldAZ(navn[i]) != foerste)
            continue;
        std::size_t j = 1;
        while (j < n && dansk::foldAZ(navn[i + j]) == s[j])
            ++j;
        if (j == n)
            return true;
    }
    return false;
}

TNavnesoegning::Udfald TNavnesoegning::findElement(const QString &mappe, const QString &tekst, Lytter &lytter)
{
    m_t = {};
    m_position = 0;
    m_hukommelse = 0;
    lytter.status(QStringLiteral("Undersøger..."));
    m_soeg = soegeBytes(tekst);

    QByteArray start = navnekode::kod(mappe);
    while (start.size() > 1 && start.endsWith('/'))
        start.chop(1);
    TraeLaeser trae;
    const bool laest = trae.laes(start, [&lytter](qint64) { return lytter.holdILive(); });
    m_hukommelse = trae.hukommelse();
    if (trae.stoppet())
        return Udfald::Stoppet;
    if (!laest)
        return Udfald::Fejl;

    taelAlle(trae);
    lytter.setMaksimum(maksimum());
    lytter.setPosition(0);
    if (!lytter.holdILive())
        return Udfald::Stoppet;

    QByteArray sti = start == "/" ? QByteArray() : start;
    const bool fortsatte = soeg(trae, 0, sti, lytter);
    lytter.setPosition(m_position);
    meldProcent(lytter);
    return fortsatte || naaetMaks() ? Udfald::Faerdig : Udfald::Stoppet;
}

void TNavnesoegning::taelAlle(const TraeLaeser &trae)
{
    const auto &poster = trae.poster();
    for (std::size_t i = 1; i < poster.size(); ++i) {
        if (erMappe(poster[i].art))
            ++m_t.mapperTalt;
        else
            ++m_t.filerTalt;
    }
}

bool TNavnesoegning::naaetMaks() const
{
    return m_t.mapperFundet >= m_maksimum || m_t.filerFundet >= m_maksimum;
}

// The second pass over the folder `mappe` of the tree, whose path is `sti`.
// False when the search ends here: the maximum was reached or it was stopped.
bool TNavnesoegning::soeg(const TraeLaeser &trae, quint32 mappe, QByteArray &sti, Lytter &lytter)
{
    const auto &poster = trae.poster();
    const TraeLaeser::Post &m = poster[mappe];
    const qsizetype laengde = sti.size();
    for (quint32 i = m.boern; i < m.boern + m.antalBoern; ++i) {
        const TraeLaeser::Post &p = poster[i];
        const char *navn = trae.navn(p);
        const bool mappePost = erMappe(p.art);
        if (mappePost)
            ++m_t.mapperUndersoegt;
        else
            ++m_t.filerUndersoegt;
        ++m_position;
        const bool fundet = indeholder(navn, p.laengde, m_soeg);
        if (fundet || (mappePost && p.antalBoern > 0)) {
            sti.append('/');
            sti.append(navn, p.laengde);
        }
        if (fundet) {
            const QString s = navnekode::dekod(sti);
            const QString caption = navnekode::dekod(navn, p.laengde);
            if (mappePost) {
                ++m_t.mapperFundet;
                lytter.mappeFundet(s, caption);
            } else {
                ++m_t.filerFundet;
                lytter.filFundet(s, caption);
            }
            lytter.setPosition(m_position);
            meldProcent(lytter);
            if (naaetMaks())
                return false;
        }
        if ((m_position % Skridt) == 0) {
            lytter.setPosition(m_position);
            if (!lytter.holdILive())
                return false;
        }
        if (p.art == TraeLaeser::Art::Mappe && p.antalBoern > 0 && !soeg(trae, i, sti, lytter))
            return false;
        sti.truncate(laengde);
    }
    return true;
}

int TNavnesoegning::procent() const
{
    const qint64 total = maksimum();
    if (total <= 0)
        return 100;
    return int((m_position * 200 + total) / (total * 2));
}

void TNavnesoegning::meldProcent(Lytter &lytter)
{
    lytter.status(QString::number(procent()) + QLatin1Char('%'));
}

QString TNavnesoegning::mappeOverskrift() const
{
    if (m_t.mapperUndersoegt <= 0)
        return {};
    return QStringLiteral("Der er undersøgt ") + QString::number(m_t.mapperUndersoegt) + QLatin1Char(':')
        + QString::number(m_t.mapperFundet) + QStringLiteral(" mappenavne");
}

QString TNavnesoegning::filOverskrift() const
{
    if (m_t.filerUndersoegt <= 0)
        return {};
    return QStringLiteral("Der er undersøgt ") + QString::number(m_t.filerUndersoegt) + QLatin1Char(':')
        + QString::number(m_t.filerFundet) + QStringLiteral(" filnavne");
}
