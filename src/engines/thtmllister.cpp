#include "engines/thtmllister.h"

#include "core/dialogs.h"
#include "core/stier.h"
#include "engines/tskrivtekstfiler.h"
#include "platform/navnekode.h"

namespace {

// Another program may take the free name between the check and the write;
// the next number is then tried, a bounded number of times.

QString titel(THtmlLister::Art art)
{
    switch (art) {
    case THtmlLister::Art::Film: return QStringLiteral("Filmliste");
    case THtmlLister::Art::Musik: return QStringLiteral("Musikliste");
    case THtmlLister::Art::Billeder: return QStringLiteral("Billedliste");
    }
    return {};
}

QStringList script(THtmlLister::Art art, const QStringList &urler)
{
    QStringList l{QStringLiteral("<script>")};
    if (art == THtmlLister::Art::Billeder)
        l << QStringLiteral("function setProcent(procent){") << QStringLiteral("procent=procent+\"%\";")
          << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
          << QStringLiteral("ele.style.width=procent;") << QStringLiteral("ele.style.height=procent;}") << QString();
    l << QStringLiteral("function afspil(melodiNo,checkid){") << QStringLiteral("var eleSrc;")
      << QStringLiteral("switch(melodiNo){");
    for (int n = 0; n < urler.size(); ++n)
        l << QStringLiteral("case ") + QString::number(n) + QLatin1Char(':')
          << QStringLiteral("eleSrc=\"") + urler.at(n) + QStringLiteral("\";") << QStringLiteral("break;");
    l << QStringLiteral("}") << QStringLiteral("var ele=document.getElementById(\"afspiller\");")
      << QStringLiteral("ele.src=eleSrc;") << QStringLiteral("ele.autoplay=true;")
      << QStringLiteral("document.getElementById(checkid).checked=true;}") << QStringLiteral("</script>") << QString();
    return l;
}

QStringList stil(THtmlLister::Art art)
{
    return {QStringLiteral("<style type=\"text/css\">"),
            QStringLiteral("*{font-family: Verdana; font-size: 9pt; color #000000;}"),
            QStringLiteral("caption{"), QStringLiteral("color: #0000FF;"), QStringLiteral("margin-bottom: 4px;"),
            QStringLiteral("}"), QStringLiteral("table,th,td{"), QStringLiteral("border: 1px solid #888888;"),
            QStringLiteral("border-collapse:collapse;"), QStringLiteral("}"), QStringLiteral("th{"),
            QStringLiteral("padding-left: 4px;"), QStringLiteral("padding-right: 4px;"),
            QStringLiteral("padding-top: 4px;"), QStringLiteral("padding-bottom: 4px;"),
            QStringLiteral("color: #FFFFFF;"), QStringLiteral("background-color:#228822;"),
            QStringLiteral("text-align: left;"), QStringLiteral("}"), QStringLiteral("td{"),
            QStringLiteral("padding-left: 4px;"), QStringLiteral("padding-right: 4px;"),
            QStringLiteral("padding-top: 2px;"), QStringLiteral("padding-bottom: 2px;"), QStringLiteral("}"),
            QStringLiteral("button::before{"),
            art == THtmlLister::Art::Musik ? QStringLiteral("content: \"\\266C\" \" \";")
                                           : QStringLiteral("content: \"\\25B6\" \" \";"),
            QStringLiteral("}"), QStringLiteral("</style>"), QString(), QStringLiteral("</head>")};
}

QStringList tabel(THtmlLister::Art art, const QStringList &navne)
{
    QStringList l{QStringLiteral("<table>"), QStringLiteral("<caption>") + titel(art) + QStringLiteral("</caption>"),
                  QStringLiteral("<colgroup>"),
                  QStringLiteral(" <col span=\"1\" style=\"background-color: #DDDDDD;\">"),
                  QStringLiteral(" <col span=\"1\" style=\"background-color: #FFFFFF;\">"),
                  QStringLiteral(" <col style=\"background-color: #FFFFFF;\">"), QStringLiteral("</colgroup>"),
                  QStringLiteral("<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>")};
    const QString knap = art == THtmlLister::Art::Billeder ? QStringLiteral(")\">Vis</button></td>")
                                                           : QStringLiteral(")\">Afspil</button></td>");
    for (int n = 0; n < navne.size(); ++n) {
        const QString id = QStringLiteral("melodi") + QString::number(n);
        l << QStringLiteral("<tr>")
          << QStringLiteral(" <td><input type=\"radio\" name=\"aktuel\" id=\"") + id
                 + (n == 0 ? QStringLiteral("\" disabled checked></td>") : QStringLiteral("\" disabled></td>"))
          << QStringLiteral(" <td>") + THtmlLister::htmlTekst(navne.at(n)) + QStringLiteral("</td>")
          << QStringLiteral(" <td><button onclick=\"afspil(") + QString::number(n) + QStringLiteral(",'") + id
                 + QLatin1Char('\'') + knap
          << QStringLiteral("</tr>");
    }
    return l;
}

QStringList stoerrelsesknapper()
{
    QStringList l{QStringLiteral("<table>"), QStringLiteral("<caption>Billedstørrelse</caption>")};
    for (int raekke = 0; raekke < 2; ++raekke) {
        l << QStringLiteral("<tr>");
        for (int i = 0; i < 5; ++i) {
            const QString p = QString::number(100 - 10 * (raekke * 5 + i));
            l << QStringLiteral("<td><input type=\"radio\" name=\"bredde\"")
                     + (p == QLatin1String("100") ? QStringLiteral(" checked=\"true\"") : QString())
                     + QStringLiteral(" onclick=\"setProcent(") + p + QStringLiteral(")\">") + p
                     + QStringLiteral("%</td>");
        }
        l << QStringLiteral("</tr>");
    }
    l << QStringLiteral("</table><br>") << QString();
    return l;
}

QStringList krop(THtmlLister::Art art, const QStringList &navne, const QString &foerste)
{
    QStringList l;
    switch (art) {
    case THtmlLister::Art::Film:
        l << QStringLiteral("<body style=\"display: flex; flex-wrap: wrap;\">") << QString() << QStringLiteral("<div>")
          << QStringLiteral("<video controls id=\"afspiller\" style=\"width: auto;\">")
          << QStringLiteral("<source src=\"") + foerste + QStringLiteral("\">") << QStringLiteral("</video>")
          << QStringLiteral("</div>") << QString() << QStringLiteral("<div style=\"margin: 16px 0px 0px 16px;\">")
          << tabel(art, navne) << QStringLiteral("</table>") << QStringLiteral("</div>") << QString();
        break;
    case THtmlLister::Art::Musik:
        l << QStringLiteral("<body>") << QString()
          << QStringLiteral("<audio controls id=\"afspiller\" style=\"width: auto;\">")
          << QStringLiteral("<source src=\"") + foerste + QStringLiteral("\">") << QStringLiteral("</audio><br>")
          << QString() << tabel(art, navne) << QStringLiteral("</table>") << QString();
        break;
    case THtmlLister::Art::Billeder:
        l << QStringLiteral("<body style=\"display: flex; flex-wrap: wrap;\">") << QString() << QStringLiteral("<div>")
          << stoerrelsesknapper() << tabel(art, navne) << QStringLiteral("</table>") << QStringLiteral("</div>")
          << QString()
          << QStringLiteral("<img id=\"afspiller\" style=\"margin: 16px 0px 0px 16px;\" src=\"") + foerste
                 + QStringLiteral("\">")
          << QString();
        break;
    }
    l << QStringLiteral("</body>") << QStringLiteral("</html>");
    return l;
}

} // namespace

THtmlLister::THtmlLister(Dialogs *dialogs, QObject *ejer)
    : QObject(ejer)
    , m_dialogs(dialogs)
{
}

QString THtmlLister::sidenavn(Art art)
{
    switch (art) {
    case Art::Film: return QStringLiteral("Film_afspilningsliste.html");
    case Art::Musik: return QStringLiteral("Musik_afspilningsliste.html");
    case Art::Billeder: return QStringLiteral("Billed_afspilningsliste.html");
    }
    return {};
}

QString THtmlLister::htmlTekst(const QString &navn)
{
    QString ud;
    ud.reserve(navn.size() + 16);
    for (qsizetype i = 0; i < navn.size(); ++i) {
        const QChar c = navn.at(i);
        if (c.isHighSurrogate() && i + 1 < navn.size() && navn.at(i + 1).isLowSurrogate()) {
            ud += c;
            ud += navn.at(++i);
            continue;
        }
        // A lone surrogate stands for a byte that is not UTF-8 (navnekode);
        // it cannot be written as UTF-8 and is shown as the replacement sign.
        if (c.isSurrogate() || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            ud += QChar(0xFFFD);
            continue;
        }
        switch (c.unicode()) {
        case '&': ud += QLatin1String("&amp;"); break;
        case '<': ud += QLatin1String("&lt;"); break;
        case '>': ud += QLatin1String("&gt;"); break;
        case '"': ud += QLatin1String("&quot;"); break;
        case '\'': ud += QLatin1String("&#39;"); break;
        default: ud += c;
        }
    }
    return ud;
}

QString THtmlLister::filUrl(const QString &sti)
{
    return QStringLiteral("file://") + QString::fromLatin1(navnekode::procentKod(sti));
}

QStringList THtmlLister::linjer(Art art, const QString &hovedmappe, const QStringList &navne)
{
    const QString mappe = stier::delimKon(hovedmappe);
    QStringList urler;
    for (const QString &n : navne)
        urler << filUrl(mappe + n);
    QStringList l{QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"), QStringLiteral("<head>"),
                  QStringLiteral("<title>") + titel(art) + QStringLiteral("</title>"),
                  QStringLiteral("<base href=\"") + filUrl(mappe) + QStringLiteral("\">"), QString()};
    l << script(art, urler) << stil(art) << krop(art, navne, urler.value(0));
    return l;
}

QString THtmlLister::opretFilmliste(const QString &aFilename, const QStringList &navne)
{
    return opret(Art::Film, aFilename, navne);
}

QString THtmlLister::opretMusikliste(const QString &aFilename, const QStringList &navne)
{
    return opret(Art::Musik, aFilename, navne);
}

QString THtmlLister::opretBilledliste(const QString &aFilename, const QStringList &navne)
{
    return opret(Art::Billeder, aFilename, navne);
}

QString THtmlLister::opret(Art art, const QString &aFilename, const QStringList &navne)
{
    if (aFilename.isEmpty() || !aFilename.startsWith(QLatin1Char('/'))) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der er fejl i filnavnet.\r"));
        return {};
    }
    // The page plays its first entry from the start, so it needs one.
    if (navne.isEmpty()) {
        if (m_dialogs)
            m_dialogs->inform(QStringLiteral("Der er ikke valgt filer til listen."));
        return {};
    }
    TSkrivTekstfiler frieNavne(nullptr);
    bool systemfejl = false;
    const QString sti =
        frieNavne.opretUnderFritNavn(aFilename, linjer(art, stier::mappeAf(aFilename), navne), &systemfejl);
    if (systemfejl && m_dialogs)
        m_dialogs->inform(QStringLiteral("Fejlinformation:\rDet kunne ikke lade sig gøre at oprette en fil."));
    return sti;
}
