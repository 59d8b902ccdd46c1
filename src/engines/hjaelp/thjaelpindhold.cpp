#include "engines/hjaelp/thjaelpindhold.h"

#include "core/dansk.h"
#include "platform/tekstfil.h"

QString udenEndelse(const QString &sidenavn)
{
    const qsizetype punkt = sidenavn.lastIndexOf(u'.');
    return punkt > 0 ? sidenavn.left(punkt) : sidenavn;
}

void THjaelpIndhold::HentStruktur(const QString &Strukturfile, const QString &Datafile)
{
    tekstfil::Laesning status;
    const QStringList struktur = tekstfil::hent(Strukturfile, tekstfil::Art::Liste, &status);
    if (status != tekstfil::Laesning::Ok) {
        m_noder.clear();
        return;
    }
    hentFraLinjer(struktur, tekstfil::hent(Datafile, tekstfil::Art::Liste));
}

void THjaelpIndhold::hentFraLinjer(const QStringList &struktur, const QStringList &data)
{
    m_noder.clear();
    QList<int> sidsteVedDybde;   // the last node seen at each depth
    for (const QString &linje : struktur) {
        if (linje.trimmed().isEmpty())
            continue;
        Node node;
        while (node.dybde < linje.size()
               && (linje.at(node.dybde) == u'\t' || linje.at(node.dybde) == u' '))
            ++node.dybde;
        node.tekst = linje.mid(node.dybde);
        // A line indented deeper than one level below the previous one still
        // hangs under the nearest shallower node.
        node.dybde = qMin(node.dybde, int(sidsteVedDybde.size()));
        node.foraelder = node.dybde > 0 ? sidsteVedDybde.at(node.dybde - 1) : -1;
        sidsteVedDybde.resize(node.dybde);
        sidsteVedDybde.append(int(m_noder.size()));

        const int i = int(m_noder.size());
        const QString d = i < data.size() ? data.at(i) : QString();
        const bool gyldig = !d.isEmpty() && d.at(0) >= u'0' && d.at(0) <= u'9';
        node.data = gyldig ? d : "0" + node.tekst;
        node.billede = node.data.at(0).unicode() - u'0';
        m_noder.append(node);
    }
}

int THjaelpIndhold::findNodeForSide(const QString &sidenavn) const
{
    const QString navn = udenEndelse(sidenavn);
    for (int i = 0; i < antal(); ++i)
        if (dansk::ensAZ(m_noder.at(i).tekst, navn))
            return i;
    return -1;
}

int THjaelpIndhold::getNodeTekst(const QString &side) const
{
    for (int i = 0; i < antal(); ++i)
        if (m_noder.at(i).side() == side)
            return i;
    return -1;
}
