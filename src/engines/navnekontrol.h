#pragma once

#include <QString>

// Whether a name the user typed can become the name of one element in a
// folder. A name with "/" or that is "." or ".." would reach another
// folder, and the file system refuses empty and over-long names; such a
// name is refused with a Danish explanation before anything is touched.
namespace navnekontrol {

// Empty when the name can be used, else the message to show.
QString fejl(const QString &navn);

} // namespace navnekontrol
