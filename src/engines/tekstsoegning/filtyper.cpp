#include "engines/tekstsoegning/filtyper.h"

#include "core/dansk.h"
#include "platform/tekstfil.h"

namespace filtyper {

QList<Filtype> standardliste()
{
    const struct
    {
        const char *tekst;
        const char *endelse;
        bool afkrydset;
    } tabel[] = {
        {"Hjemmeside", "html", true},   {"ASP", "asp", true},        {"Includefile", "inc", true},
        {"ASA", "asa", true},           {"StyleSheet", "css", true}, {"JavaScript", "js", true},
        {"VB script", "vbs", true},     {"Windows script files", "wsf", true},
        {"Batch", "bat", true},         {"Power Shell", "ps1", false},
        {"Rich Text", "rtf", true},     {"Tekstfil", "txt", true},
    };
    QList<Filtype> liste;
    for (const auto &t : tabel)
        liste.append({QString::fromUtf8(t.tekst), QStringLiteral("*.") + QLatin1String(t.endelse), t.afkrydset});
    return liste;
}

QList<Filtype> fraLinjer(const QStringList &linjer)
{
    QList<Filtype> liste;
    for (qsizetype i = 0; i + 2 < linjer.size(); i += 3)
        liste.append({linjer.at(i), linjer.at(i + 1), linjer.at(i + 2) == QLatin1String("1")});
    return liste;
}

QStringList tilLinjer(const QList<Filtype> &liste)
{
    QStringList linjer;
    for (const Filtype &f : liste)
        linjer << f.tekst << f.type << (f.afkrydset ? QStringLiteral("1") : QStringLiteral("0"));
    return linjer;
}

QList<Filtype> hent(const QString &filnavn)
{
    tekstfil::Laesning status;
    const QStringList linjer = tekstfil::hent(filnavn, &status);
    if (status == tekstfil::Laesning::Mangler) {
        tekstfil::gem(filnavn, tilLinjer(standardliste()));
        return standardliste();
    }
    if (status == tekstfil::Laesning::Fejl)
        return standardliste();
    return fraLinjer(linjer);
}

QString typeFraIndtastning(const QString &indtastet)
{
    if (indtastet == QLatin1String("*.*"))
        return indtastet;
    return QStringLiteral("*.") + indtastet.mid(indtastet.lastIndexOf(u'.') + 1);
}

QStringList filterboks(const QList<Filtype> &liste)
{
    QStringList punkter;
    for (const Filtype &f : liste)
        if (f.afkrydset)
            punkter.append(f.tekst + QStringLiteral(" (") + f.type + u')');
    return punkter;
}

QString moensterVed(const QList<Filtype> &liste, int filterIndeks)
{
    int talt = -1;
    for (const Filtype &f : liste)
        if (f.afkrydset && ++talt == filterIndeks)
            return f.type;
    return {};
}

int filterIndeks(const QList<Filtype> &liste, const QString &moenster)
{
    int talt = -1;
    for (const Filtype &f : liste) {
        if (!f.afkrydset)
            continue;
        ++talt;
        if (dansk::ensAZ(f.type, moenster))
            return talt;
    }
    return -1;
}

namespace {

// "*" and "?" over folded text, iteratively: the last "*" seen is the only
// one that ever needs to take more characters.
bool glob(const QString &m, const QString &n)
{
    qsizetype i = 0, j = 0, stjerne = -1, fra = 0;
    while (j < n.size()) {
        if (i < m.size() && (m.at(i) == u'?' || m.at(i) == n.at(j))) {
            ++i;
            ++j;
        } else if (i < m.size() && m.at(i) == u'*') {
            stjerne = i++;
            fra = j;
        } else if (stjerne >= 0) {
            i = stjerne + 1;
            j = ++fra;
        } else {
            return false;
        }
    }
    while (i < m.size() && m.at(i) == u'*')
        ++i;
    return i == m.size();
}

} // namespace

bool passer(const QString &moenster, const QString &navn)
{
    if (moenster == QLatin1String("*.*") || moenster == QLatin1String("*"))
        return true;
    if (moenster.endsWith(u'.') && moenster.size() > 1)
        return !navn.contains(u'.') && glob(moenster.chopped(1).toCaseFolded(), navn.toCaseFolded());
    return glob(moenster.toCaseFolded(), navn.toCaseFolded());
}

} // namespace filtyper
