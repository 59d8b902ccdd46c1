#pragma once

#include <QString>
#include <QUrl>

// Search addresses of the web services the search page offers.
namespace netsoegning {

enum class Tjeneste { Google, Bing, YouTube };

// The word searched for when the field is empty.
QString manglerOrd();

// The word itself, or manglerOrd() when it is empty.
QString soegeord(const QString &tekst);

// The secure address that searches `ord` on `tjeneste`. The word is
// percent-encoded as one query value, so spaces, "&", "#", "+" and letters
// outside ASCII reach the service exactly as typed.
QUrl adresse(Tjeneste tjeneste, const QString &ord);

} // namespace netsoegning
