#include "engines/tskrivtekstfiler.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "platform/filinfo.h"
#include "platform/navneskift.h"
#include "platform/tekstfil.h"

namespace {

const QStringList HtmlLinjer = {
    QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"), QStringLiteral("<head>"),
    QStringLiteral("<title></title>"), QStringLiteral("</head>"),  QStringLiteral("<body>"),
    QString(),                         QStringLiteral("</body>"), QStringLiteral("</html>"),
};

// Another program may take the free name between the check and the write;
// the next number is then tried, a bounded number of times.
constexpr int ForsoegVedKaploeb = 100;

} // namespace

TSkrivTekstfiler::TSkrivTekstfiler(Dialogs *dialogs, QObject *ejer)
    : QObject(ejer)
    , m_dialogs(dialogs)
{
}

QStringList TSkrivTekstfiler::skabelon(const QString &ext)
{
    if (ext == QLatin1String(".html"))
        return HtmlLinjer;
    if (ext == QLatin1String(".asp"))
        return QStringList{QStringLiteral("<%@LANGUAGE=\"VBSCRIPT\" CODEPAGE=\"1252\"%>")} + HtmlLinjer;
    if (ext == QLatin1String(".wsf"))
        return {QStringLiteral("<job id=\"\">"), QStringLiteral("<script language=\"VBScript\">"), QString(),
                QStringLiteral("</script>"), QStringLiteral("</job>")};
    return {};
}

QString TSkrivTekstfiler::getFilnavn(const QString &aFilename)
{
    Hovedmappe = stier::mappeAf(aFilename);
    const QString navn = stier::getLastDirectory(aFilename);
    Ext = stier::udvidelse(navn);
    const QString base = stier::delimKon(Hovedmappe) + stier::udenUdvidelse(navn);
    QString kandidat = aFilename;
    for (int n = 1; filinfo::findes(kandidat); ++n)
        kandidat = base + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')') + Ext;
    return kandidat;
}

QString TSkrivTekstfiler::opretTekstfil(const QString &aFilename)
{
    if (aFilename.isEmpty()) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der er fejl i filnavnet.\r"));
        return {};
    }
    Ext = stier::udvidelse(stier::getLastDirectory(aFilename));
    return opretUnderFritNavn(aFilename, skabelon(Ext));
}

QString TSkrivTekstfiler::opretUnderFritNavn(const QString &aFilename, const QStringList &linjer, bool *systemfejl)
{
    const QByteArray data = QByteArrayLiteral("\xEF\xBB\xBF") + tekstfil::kod(linjer);
    for (int forsoeg = 0; forsoeg < ForsoegVedKaploeb; ++forsoeg) {
        const QString sti = getFilnavn(aFilename);
        switch (navneskift::opretFil(sti, data)) {
        case navneskift::Udfald::Ok:
            return sti;
        case navneskift::Udfald::Findes:
            continue;   // taken since it was found free: the next name
        default:
            if (systemfejl)
                *systemfejl = true;
            return {};
        }
    }
    return {};
}
