#include "platform/standardprogrammer.h"

#include "platform/desktopfil.h"
#include "platform/tekstfil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSet>

namespace standardprogrammer {

namespace {

QStringList miljoeListe(const char *navn, const QString &standard)
{
    QString v = qEnvironmentVariable(navn);
    if (v.isEmpty())
        v = standard;
    QStringList ud;
    for (const QString &d : v.split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(d))
            ud.append(QDir::cleanPath(d));
    return ud;
}

QString miljoeMappe(const char *navn, const QString &underHjem)
{
    const QString v = qEnvironmentVariable(navn);
    if (QDir::isAbsolutePath(v))
        return QDir::cleanPath(v);
    return QDir::homePath() + underHjem;
}

QStringList konfigmapper()
{
    QStringList ud{miljoeMappe("XDG_CONFIG_HOME", QStringLiteral("/.config"))};
    ud += miljoeListe("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    return ud;
}

// The preference files, most important first.
QStringList mimeappsFiler()
{
    QStringList skriveborde;
    for (const QString &s : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        skriveborde.append(s.toLower());
    QStringList ud;
    for (const QString &mappe : konfigmapper() + programmapper()) {
        for (const QString &s : skriveborde)
            ud.append(mappe + u'/' + s + QStringLiteral("-mimeapps.list"));
        ud.append(mappe + QStringLiteral("/mimeapps.list"));
    }
    return ud;
}

using Gruppe = QHash<QString, QStringList>;   // mime type -> desktop IDs

struct Mimeapps
{
    Gruppe standard;
    Gruppe tilfoejet;
    Gruppe fjernet;
};

Mimeapps laesMimeapps(const QString &sti)
{
    Mimeapps m;
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    const QByteArray data = tekstfil::hentBytes(sti, 4 * 1024 * 1024, &status, false);
    if (status != tekstfil::Laesning::Ok)
        return m;
    Gruppe *gruppe = nullptr;
    const QStringList linjer = QString::fromUtf8(data).split(u'\n');
    for (const QString &raa : linjer) {
        const QString linje = raa.trimmed();
        if (linje.isEmpty() || linje.startsWith(u'#'))
            continue;
        if (linje.startsWith(u'[')) {
            if (linje == QLatin1String("[Default Applications]")) gruppe = &m.standard;
            else if (linje == QLatin1String("[Added Associations]")) gruppe = &m.tilfoejet;
            else if (linje == QLatin1String("[Removed Associations]")) gruppe = &m.fjernet;
            else gruppe = nullptr;
            continue;
        }
        const qsizetype lig = linje.indexOf(u'=');
        if (!gruppe || lig <= 0)
            continue;
        (*gruppe)[linje.left(lig).trimmed()] += linje.mid(lig + 1).split(u';', Qt::SkipEmptyParts);
    }
    return m;
}

// mimeinfo.cache of an applications folder; when a folder has none (a
// user's own folder usually has none), the MimeType lines of its entries.
Gruppe laesMimeinfo(const QString &mappe, const QHash<QString, QString> &installerede)
{
    Gruppe g;
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    const QByteArray data = tekstfil::hentBytes(mappe + QStringLiteral("/mimeinfo.cache"), 16 * 1024 * 1024, &status, false);
    if (status == tekstfil::Laesning::Ok) {
        const QStringList linjer = QString::fromUtf8(data).split(u'\n');
        for (const QString &raa : linjer) {
            const QString linje = raa.trimmed();
            const qsizetype lig = linje.indexOf(u'=');
            if (lig > 0 && !linje.startsWith(u'['))
                g[linje.left(lig)] += linje.mid(lig + 1).split(u';', Qt::SkipEmptyParts);
        }
        return g;
    }
    for (auto it = installerede.cbegin(); it != installerede.cend(); ++it) {
        if (!it.value().startsWith(mappe + u'/'))
            continue;
        for (const QString &type : Desktopfil::laes(it.value()).mimetyper())
            g[type].append(it.key());
    }
    return g;
}

bool kanBruges(const QString &sti)
{
    if (sti.isEmpty())
        return false;
    const Desktopfil d = Desktopfil::laes(sti);
    return d.gyldig() && !d.skjult() && d.type() == QLatin1String("Application") && !d.exec().isEmpty();
}

} // namespace

QStringList datamapper()
{
    QStringList ud{miljoeMappe("XDG_DATA_HOME", QStringLiteral("/.local/share"))};
    ud += miljoeListe("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    ud.removeDuplicates();
    return ud;
}

QStringList programmapper()
{
    QStringList ud;
    for (const QString &d : datamapper())
        ud.append(d + QStringLiteral("/applications"));
    return ud;
}

QHash<QString, QString> installerede()
{
    QHash<QString, QString> ud;
    for (const QString &mappe : programmapper()) {
        QDirIterator it(mappe, {QStringLiteral("*.desktop")}, QDir::Files | QDir::Readable,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString sti = it.next();
            QString id = sti.mid(mappe.size() + 1);
            id.replace(u'/', u'-');
            if (!ud.contains(id))
                ud.insert(id, sti);
        }
    }
    return ud;
}

QString desktopfilFor(const QString &mimetype)
{
    QMimeDatabase db;
    const QMimeType type = db.mimeTypeForName(mimetype);
    QStringList typer{mimetype};
    if (type.isValid()) {
        if (type.name() != mimetype)
            typer.append(type.name());
        typer += type.allAncestors();
    }

    const QHash<QString, QString> inst = installerede();
    QList<Mimeapps> praef;
    for (const QString &f : mimeappsFiler())
        praef.append(laesMimeapps(f));
    QList<Gruppe> caches;
    for (const QString &mappe : programmapper())
        caches.append(laesMimeinfo(mappe, inst));

    for (const QString &t : typer) {
        for (const Mimeapps &m : praef)
            for (const QString &id : m.standard.value(t))
                if (kanBruges(inst.value(id)))
                    return inst.value(id);
        // An association removed in a file counts for that file and every
        // less important one, and for the caches.
        QSet<QString> fjernet;
        for (const Mimeapps &m : praef) {
            for (const QString &id : m.fjernet.value(t))
                fjernet.insert(id);
            for (const QString &id : m.tilfoejet.value(t))
                if (!fjernet.contains(id) && kanBruges(inst.value(id)))
                    return inst.value(id);
        }
        for (const Gruppe &g : caches)
            for (const QString &id : g.value(t))
                if (!fjernet.contains(id) && kanBruges(inst.value(id)))
                    return inst.value(id);
    }
    return {};
}

} // namespace standardprogrammer
