#include "platform/brugernavn.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace brugernavn {

namespace {

bool kanBruges(const QString &navn)
{
    return !navn.isEmpty() && navn != "." && navn != ".."
           && !navn.contains('/') && !navn.contains(QChar(0));
}

QString kontonavn()
{
    const passwd *konto = ::getpwuid(::geteuid());
    if (!konto || !konto->pw_name)
        return {};
    return QFile::decodeName(konto->pw_name);
}

QString kontohjem()
{
    const passwd *konto = ::getpwuid(::geteuid());
    if (!konto || !konto->pw_dir)
        return {};
    return QFile::decodeName(konto->pw_dir);
}

bool erHjem(const QString &sti)
{
    return sti.startsWith(u'/');
}

} // namespace

QString vaelg(const QString &fraKonto, const QString &fraMiljoe)
{
    if (kanBruges(fraKonto))
        return fraKonto;
    if (kanBruges(fraMiljoe))
        return fraMiljoe;
    return QStringLiteral("Brugernavn");
}

QString hent()
{
    return vaelg(kontonavn(), qEnvironmentVariable("USER"));
}

QString vaelgHjem(const QString &fraMiljoe, const QString &fraKonto)
{
    if (erHjem(fraMiljoe))
        return QDir::cleanPath(fraMiljoe);
    if (erHjem(fraKonto))
        return QDir::cleanPath(fraKonto);
    return QStringLiteral("/");
}

QString hjemmemappe()
{
    return vaelgHjem(QFile::decodeName(qgetenv("HOME")), kontohjem());
}

void retHjem()
{
    const QString miljoe = QFile::decodeName(qgetenv("HOME"));
    if (!erHjem(miljoe))
        qputenv("HOME", QFile::encodeName(hjemmemappe()));
}

} // namespace brugernavn
