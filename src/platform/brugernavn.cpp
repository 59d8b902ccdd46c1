#include "platform/brugernavn.h"

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

} // namespace brugernavn
