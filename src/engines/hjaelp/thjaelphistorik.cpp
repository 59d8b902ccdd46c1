#include "engines/hjaelp/thjaelphistorik.h"

#include "core/dansk.h"
#include "engines/hjaelp/thjaelpindhold.h"

void THjaelpHistorik::fyld(const QStringList &emner)
{
    m_emner = emner;
}

void THjaelpHistorik::sletAlle()
{
    m_emner.clear();
    m_aktuel = -1;
}

void THjaelpHistorik::gaaTil(int index)
{
    m_aktuel = index;
    m_naviKlikket = true;
}

THjaelpHistorik::Registrering THjaelpHistorik::registrerTitel(const QString &titel,
                                                             const THjaelpIndhold &indhold)
{
    Registrering r;
    if (dansk::ensAZ(titel, m_sidsteTitel))
        return r;
    m_sidsteTitel = titel;
    r.aendret = true;

    if (m_naviKlikket) {
        m_naviKlikket = false;
        r.valgtEmne = m_aktuel;
        return r;
    }

    r.valgtNode = indhold.getNodeTekst(udenEndelse(titel));
    const QString emne = r.valgtNode >= 0 ? indhold.noder().at(r.valgtNode).tekst : QString();
    int sidste = -1;
    for (int i = 0; i < antal(); ++i)
        if (dansk::ensAZ(m_emner.at(i), emne))
            sidste = i;
    if (sidste < 0) {
        m_emner.append(emne);
        sidste = antal() - 1;
    }
    m_aktuel = sidste;
    r.valgtEmne = sidste;
    return r;
}
