#include "platform/senestedokumenter.h"

#include "platform/navnekode.h"
#include "platform/tekstfil.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

namespace senestedokumenter {

namespace {

// The document is handled without namespace processing: names and the
// namespace declarations stay exactly as the file spells them, and ours use
// the prefixes every desktop program writes.
const QString BookmarkNs = QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeNs = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString Ejer = QStringLiteral("http://freedesktop.org");
const QString Program = QStringLiteral("Marvikel");

const QByteArray TomListe = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                            "<xbel version=\"1.0\"\n"
                            "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
                            "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
                            "></xbel>\n";

QDomDocument hent(const QString &listefil)
{
    QDomDocument doc;
    tekstfil::Laesning status = tekstfil::Laesning::Ok;
    const QByteArray data =
        tekstfil::hentBytes(listefil, tekstfil::maksStoerrelse(tekstfil::Art::Dokument), &status);
    // A list that is there but cannot be read is not saved over later
    // either (the writer refuses), so starting empty loses nothing.
    if (status != tekstfil::Laesning::Ok || !doc.setContent(data, false)
        || doc.documentElement().tagName() != QLatin1String("xbel")) {
        doc.setContent(TomListe, false);
    }
    QDomElement rod = doc.documentElement();
    for (const auto &[prefiks, ns] : {std::pair{QStringLiteral("xmlns:bookmark"), BookmarkNs},
                                      std::pair{QStringLiteral("xmlns:mime"), MimeNs}}) {
        if (!rod.hasAttribute(prefiks))
            rod.setAttribute(prefiks, ns);
    }
    return doc;
}

QDomElement barn(QDomElement &foraelder, const QString &navn, const QString &attribut = {}, const QString &vaerdi = {})
{
    for (QDomElement e = foraelder.firstChildElement(navn); !e.isNull(); e = e.nextSiblingElement(navn)) {
        if (attribut.isEmpty() || e.attribute(attribut) == vaerdi)
            return e;
    }
    QDomElement ny = foraelder.ownerDocument().createElement(navn);
    if (!attribut.isEmpty())
        ny.setAttribute(attribut, vaerdi);
    foraelder.appendChild(ny);
    return ny;
}

} // namespace

QString standardfil()
{
    const QByteArray xdg = qgetenv("XDG_DATA_HOME");
    const QString data = xdg.startsWith('/') ? QString::fromLocal8Bit(xdg)
                                             : QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/.local/share");
    return data + QStringLiteral("/recently-used.xbel");
}

bool tilfoej(const QString &fil, const QString &listefil, const QDateTime &tid)
{
    QDomDocument doc = hent(listefil);
    QDomElement rod = doc.documentElement();
    const QString href = QStringLiteral("file://") + QString::fromLatin1(navnekode::procentKod(fil));
    const QString tidspunkt = tid.toUTC().toString(Qt::ISODateWithMs);

    QDomElement bogmaerke = barn(rod, QStringLiteral("bookmark"), QStringLiteral("href"), href);
    if (!bogmaerke.hasAttribute(QStringLiteral("added")))
        bogmaerke.setAttribute(QStringLiteral("added"), tidspunkt);
    bogmaerke.setAttribute(QStringLiteral("modified"), tidspunkt);
    bogmaerke.setAttribute(QStringLiteral("visited"), tidspunkt);

    QDomElement info = barn(bogmaerke, QStringLiteral("info"));
    QDomElement metadata = barn(info, QStringLiteral("metadata"), QStringLiteral("owner"), Ejer);
    QDomElement mime = barn(metadata, QStringLiteral("mime:mime-type"));
    if (!mime.hasAttribute(QStringLiteral("type")))
        mime.setAttribute(QStringLiteral("type"), QMimeDatabase().mimeTypeForFile(fil).name());
    QDomElement programmer = barn(metadata, QStringLiteral("bookmark:applications"));
    QDomElement program = barn(programmer, QStringLiteral("bookmark:application"), QStringLiteral("name"), Program);
    program.setAttribute(QStringLiteral("exec"), QStringLiteral("'marvikel %u'"));
    program.setAttribute(QStringLiteral("modified"), tidspunkt);
    program.setAttribute(QStringLiteral("count"), program.attribute(QStringLiteral("count"), QStringLiteral("0")).toInt() + 1);

    QDir().mkpath(QFileInfo(listefil).path());
    return tekstfil::gemBytes(listefil, doc.toByteArray(2));
}

bool rens(const QString &listefil)
{
    QDir().mkpath(QFileInfo(listefil).path());
    return tekstfil::gemBytes(listefil, TomListe);
}

} // namespace senestedokumenter
