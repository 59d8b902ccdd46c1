#include "platform/specialmapper.h"

#include "platform/tekstfil.h"

#include <QDir>

namespace {

QString miljoeMappe(const char *variabel, const QString &standard)
{
    const QString v = qEnvironmentVariable(variabel);
    return v.startsWith(QLatin1Char('/')) ? QDir::cleanPath(v) : standard;
}

} // namespace

SpecialMapper::SpecialMapper()
{
    m_hjem = QDir::cleanPath(QDir::homePath());
    m_configHjem = miljoeMappe("XDG_CONFIG_HOME", m_hjem + "/.config");
    m_dataHjem = miljoeMappe("XDG_DATA_HOME", m_hjem + "/.local/share");
    laesBrugermapper();
}

SpecialMapper::SpecialMapper(const QString &hjem, const QString &configHjem, const QString &dataHjem)
    : m_hjem(QDir::cleanPath(hjem))
    , m_configHjem(QDir::cleanPath(configHjem))
    , m_dataHjem(QDir::cleanPath(dataHjem))
{
    laesBrugermapper();
}

// Lines look like XDG_DOCUMENTS_DIR="$HOME/Dokumenter"; only "$HOME/…" and
// absolute paths are allowed by the format.
void SpecialMapper::laesBrugermapper()
{
    const QStringList linjer = tekstfil::splitLinjer(tekstfil::dekod(tekstfil::hentBytes(
        m_configHjem + "/user-dirs.dirs", tekstfil::maksStoerrelse(tekstfil::Art::Indstillinger), nullptr, false)));
    for (const QString &raa : linjer) {
        const QString linje = raa.trimmed();
        if (!linje.startsWith(QLatin1String("XDG_")) || !linje.contains(QLatin1Char('=')))
            continue;
        const qsizetype lig = linje.indexOf(QLatin1Char('='));
        QString navn = linje.left(lig).trimmed();
        if (!navn.endsWith(QLatin1String("_DIR")))
            continue;
        navn = navn.mid(4, navn.size() - 8);
        QString vaerdi = linje.mid(lig + 1).trimmed();
        if (vaerdi.size() < 2 || !vaerdi.startsWith(QLatin1Char('"')) || !vaerdi.endsWith(QLatin1Char('"')))
            continue;
        vaerdi = vaerdi.mid(1, vaerdi.size() - 2);
        if (vaerdi.startsWith(QLatin1String("$HOME")))
            vaerdi = m_hjem + vaerdi.mid(5);
        else if (!vaerdi.startsWith(QLatin1Char('/')))
            continue;
        m_brugermapper.insert(navn, QDir::cleanPath(vaerdi));
    }
}

QString SpecialMapper::brugermappe(const char *noegle, const char *standard) const
{
    const QString vaerdi = m_brugermapper.value(QLatin1String(noegle));
    return vaerdi.isEmpty() ? m_hjem + QLatin1Char('/') + QLatin1String(standard) : vaerdi;
}
