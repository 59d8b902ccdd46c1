#include "engines/netsoegning.h"

namespace netsoegning {

QString manglerOrd()
{
    return QStringLiteral("Der mangler et søgeord");
}

QString soegeord(const QString &tekst)
{
    return tekst.isEmpty() ? manglerOrd() : tekst;
}

QUrl adresse(Tjeneste tjeneste, const QString &ord)
{
    const char *start = nullptr;
    switch (tjeneste) {
    case Tjeneste::Google: start = "https://www.google.com/search?q="; break;
    case Tjeneste::Bing: start = "https://www.bing.com/search?q="; break;
    case Tjeneste::YouTube: start = "https://www.youtube.com/results?search_query="; break;
    }
    // Everything but the unreserved characters is encoded; "+" in a query
    // would otherwise be read as a space, "&" and "#" would end the value.
    return QUrl::fromEncoded(QByteArray(start) + QUrl::toPercentEncoding(ord), QUrl::StrictMode);
}

} // namespace netsoegning
