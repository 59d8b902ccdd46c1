#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TMenuExeFiler;

// Well-known programs the insertion window offers once it has found them.
struct KendtProgram
{
    QString knap;      // button text
    QString gruppe;    // "Browsere", "Medie afspillere", "Andre"
    QString caption;   // registered caption
    QString hint;
    QStringList stier; // where Debian installs it, most likely first
};

namespace kendteprogrammer {

QList<KendtProgram> tabel();

// The first path of the program that exists under `rod` ("/" normally) and
// is not registered yet; empty when none.
QString find(const KendtProgram &program, const TMenuExeFiler &liste, const QString &rod = QStringLiteral("/"));

} // namespace kendteprogrammer
