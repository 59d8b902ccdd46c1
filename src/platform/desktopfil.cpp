#include "platform/desktopfil.h"

#include "platform/tekstfil.h"

#include <QFile>

namespace {

// Escapes of the string value type: \s \n \t \r \\.
QString fjernStrengEscapes(const QString &v)
{
    QString ud;
    ud.reserve(v.size());
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v[i] != u'\\' || i + 1 >= v.size()) {
            ud += v[i];
            continue;
        }
        const QChar n = v[++i];
        switch (n.unicode()) {
        case 's': ud += u' '; break;
        case 'n': ud += u'\n'; break;
        case 't': ud += u'\t'; break;
        case 'r': ud += u'\r'; break;
        case '\\': ud += u'\\'; break;
        default: ud += u'\\'; ud += n; break;
        }
    }
    return ud;
}

bool erSand(const QString &v)
{
    return v.trimmed() == QLatin1String("true");
}

struct Token
{
    QString tekst;
    bool citeret = false;
};

// Splits an Exec value: blanks separate arguments; inside double quotation
// marks a backslash escapes '"', '`', '$' and '\'.
QList<Token> splitExec(const QString &exec, bool *ok)
{
    QList<Token> ud;
    Token cur;
    bool iToken = false;
    bool iCitat = false;
    *ok = true;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (iCitat) {
            if (c == u'"') {
                iCitat = false;
            } else if (c == u'\\' && i + 1 < exec.size()
                       && QStringView(u"\"`$\\").contains(exec[i + 1])) {
                cur.tekst += exec[++i];
            } else {
                cur.tekst += c;
            }
        } else if (c == u' ' || c == u'\t') {
            if (iToken) {
                ud.append(cur);
                cur = {};
                iToken = false;
            }
        } else if (c == u'"') {
            iCitat = true;
            iToken = true;
            cur.citeret = true;
        } else {
            cur.tekst += c;
            iToken = true;
        }
    }
    if (iCitat) {
        *ok = false;
        return {};
    }
    if (iToken)
        ud.append(cur);
    return ud;
}

} // namespace

Desktopfil Desktopfil::laes(const QString &sti)
{
    // Desktop entries are small; a huge file is not one, and a pipe named
    // like one must not stop the program.
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    const QByteArray data = tekstfil::hentBytes(sti, 1024 * 1024, &status, false);
    if (status != tekstfil::Laesning::Ok)
        return {};
    return fortolk(QString::fromUtf8(data), sti);
}

Desktopfil Desktopfil::fortolk(const QString &tekst, const QString &sti)
{
    Desktopfil d;
    d.m_sti = sti;
    bool iGruppe = false;
    bool fandtGruppe = false;
    QString navnDa;
    const QStringList linjer = tekst.split(u'\n');
    for (QString linje : linjer) {
        if (linje.endsWith(u'\r'))
            linje.chop(1);
        const QString t = linje.trimmed();
        if (t.isEmpty() || t.startsWith(u'#'))
            continue;
        if (t.startsWith(u'[')) {
            // Only the first [Desktop Entry] group counts; actions follow it.
            iGruppe = !fandtGruppe && t == QLatin1String("[Desktop Entry]");
            fandtGruppe = fandtGruppe || iGruppe;
            continue;
        }
        if (!iGruppe)
            continue;
        const qsizetype lig = linje.indexOf(u'=');
        if (lig <= 0)
            continue;
        const QString noegle = linje.left(lig).trimmed();
        const QString vaerdi = fjernStrengEscapes(linje.mid(lig + 1).trimmed());
        if (noegle == QLatin1String("Type")) d.m_type = vaerdi;
        else if (noegle == QLatin1String("Name")) d.m_navn = vaerdi;
        else if (noegle == QLatin1String("Name[da]")) navnDa = vaerdi;
        else if (noegle == QLatin1String("Exec")) d.m_exec = vaerdi;
        else if (noegle == QLatin1String("TryExec")) d.m_tryExec = vaerdi;
        else if (noegle == QLatin1String("Path")) d.m_path = vaerdi;
        else if (noegle == QLatin1String("URL")) d.m_url = vaerdi;
        else if (noegle == QLatin1String("Icon")) d.m_ikon = vaerdi;
        else if (noegle == QLatin1String("MimeType")) d.m_mimetyper = vaerdi.split(u';', Qt::SkipEmptyParts);
        else if (noegle == QLatin1String("Terminal")) d.m_terminal = erSand(vaerdi);
        else if (noegle == QLatin1String("Hidden")) d.m_skjult = erSand(vaerdi);
    }
    if (!navnDa.isEmpty())
        d.m_navn = navnDa;
    d.m_gyldig = fandtGruppe && !d.m_type.isEmpty();
    return d;
}

QStringList Desktopfil::execArgumenter() const
{
    bool ok = false;
    QStringList ud;
    for (const Token &t : splitExec(m_exec, &ok))
        ud.append(t.tekst);
    return ok ? ud : QStringList();
}

QString Desktopfil::programnavn() const
{
    if (!m_tryExec.isEmpty())
        return m_tryExec;
    return execArgumenter().value(0);
}

QList<QStringList> Desktopfil::kommandoer(const QStringList &filer) const
{
    bool ok = false;
    const QList<Token> tokens = splitExec(m_exec, &ok);
    if (!ok || tokens.isEmpty())
        return {};

    // Does the entry take one file per start?
    bool enkelt = false;
    for (const Token &t : tokens)
        if (!t.citeret && (t.tekst.contains(QLatin1String("%f")) || t.tekst.contains(QLatin1String("%u"))))
            enkelt = true;

    auto udvid = [&](const QStringList &mineFiler) {
        QStringList argv;
        for (const Token &t : tokens) {
            if (t.citeret) {
                // No field code works inside quotes, but a per cent sign
                // is still written "%%" there.
                argv.append(QString(t.tekst).replace(QLatin1String("%%"), QLatin1String("%")));
                continue;
            }
            if (t.tekst == QLatin1String("%F") || t.tekst == QLatin1String("%U")) {
                argv.append(mineFiler);
                continue;
            }
            if (t.tekst == QLatin1String("%i")) {
                if (!m_ikon.isEmpty())
                    argv << QStringLiteral("--icon") << m_ikon;
                continue;
            }
            QString a;
            bool kunKode = true;   // the argument held nothing but field codes
            bool tomKode = false;
            for (qsizetype i = 0; i < t.tekst.size(); ++i) {
                const QChar c = t.tekst[i];
                if (c != u'%' || i + 1 >= t.tekst.size()) {
                    a += c;
                    kunKode = false;
                    continue;
                }
                const QChar k = t.tekst[++i];
                switch (k.unicode()) {
                case '%': a += u'%'; kunKode = false; break;
                case 'f':
                case 'u':
                    if (mineFiler.isEmpty())
                        tomKode = true;
                    else
                        a += mineFiler.first();
                    break;
                case 'c': a += m_navn; break;
                case 'k': a += m_sti; break;
                default: tomKode = true; break;   // deprecated or unknown: dropped
                }
            }
            // "%f" with no file leaves no empty argument behind.
            if (!(kunKode && tomKode && a.isEmpty()))
                argv.append(a);
        }
        return argv;
    };

    QList<QStringList> ud;
    if (enkelt && filer.size() > 1) {
        for (const QString &f : filer)
            ud.append(udvid({f}));
    } else {
        ud.append(udvid(filer));
    }
    return ud;
}
