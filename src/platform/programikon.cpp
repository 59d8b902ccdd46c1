#include "platform/programikon.h"

#include "platform/aabner.h"
#include "platform/desktopfil.h"
#include "platform/standardprogrammer.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmap>

Programikoner::Programikoner()
{
    const QHash<QString, QString> inst = standardprogrammer::installerede();
    // Most important folders first, so a user's own entry wins.
    for (const QString &mappe : standardprogrammer::programmapper()) {
        for (auto it = inst.cbegin(); it != inst.cend(); ++it) {
            if (!it.value().startsWith(mappe + u'/'))
                continue;
            const Desktopfil d = Desktopfil::laes(it.value());
            if (!d.gyldig() || d.skjult() || d.ikon().isEmpty() || d.type() != QLatin1String("Application"))
                continue;
            const QString program = aabner::findProgram(d.programnavn());
            if (program.isEmpty())
                continue;
            const QString n = noegle(program);
            if (!m_ikonnavne.contains(n))
                m_ikonnavne.insert(n, d.ikon());
        }
    }
}

QString Programikoner::noegle(const QString &program)
{
    const QString kanonisk = QFileInfo(program).canonicalFilePath();
    return kanonisk.isEmpty() ? QFileInfo(program).absoluteFilePath() : kanonisk;
}

QString Programikoner::ikonnavn(const QString &program) const
{
    if (program.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive))
        return Desktopfil::laes(program).ikon();
    return m_ikonnavne.value(noegle(program));
}

QIcon Programikoner::ikon(const QString &program) const
{
    const auto fundet = m_efterSti.constFind(program);
    if (fundet != m_efterSti.constEnd())
        return *fundet;
    const QString navn = ikonnavn(program);
    QIcon i;
    if (!navn.isEmpty()) {
        auto it = m_efterNavn.constFind(navn);
        if (it == m_efterNavn.constEnd())
            it = m_efterNavn.insert(navn, fraNavn(navn));
        i = *it;
    }
    m_efterSti.insert(program, i);
    return i;
}

QIcon Programikoner::fraNavn(const QString &navn)
{
    if (QDir::isAbsolutePath(navn))
        return QFileInfo(navn).isFile() ? QIcon(navn) : QIcon();
    if (navn.contains(u'/'))
        return {};
    QIcon tema = QIcon::fromTheme(navn);
    if (!tema.isNull() && !tema.availableSizes().isEmpty())
        return tema;
    // Without a desktop session Qt knows no theme; the common places of
    // application icons are looked at directly.
    static const QStringList undermapper{
        QStringLiteral("/icons/hicolor/48x48/apps/"), QStringLiteral("/icons/hicolor/32x32/apps/"),
        QStringLiteral("/icons/hicolor/scalable/apps/"), QStringLiteral("/icons/hicolor/128x128/apps/"),
        QStringLiteral("/icons/hicolor/256x256/apps/"), QStringLiteral("/pixmaps/")};
    static const QStringList endelser{QStringLiteral(".png"), QStringLiteral(".svg"), QStringLiteral(".xpm")};
    for (const QString &data : standardprogrammer::datamapper())
        for (const QString &under : undermapper)
            for (const QString &e : endelser) {
                const QString sti = data + under + navn + e;
                if (QFileInfo(sti).isFile())
                    return QIcon(sti);
            }
    return tema;
}

QIcon Programikoner::blank()
{
    // Made once (and never destroyed, as it may outlive the application
    // object): a list of many programs without icons shares it.
    static const QIcon *ikon = [] {
        auto *i = new QIcon;
        for (int s : {16, 32}) {
            QPixmap p(s, s);
            p.fill(Qt::transparent);
            i->addPixmap(p);
        }
        return i;
    }();
    return *ikon;
}
