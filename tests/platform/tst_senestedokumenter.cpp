#include "platform/senestedokumenter.h"

#include "testfiler.h"
#include "testmiljoe.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// The recent-documents list must stay readable for the desktop's own
// reader (GLib's bookmark file parser). That parser resolves the prefixes
// through the xmlns declarations, so the check here is a namespace-aware
// parse: well-formed XML, an "xbel" root, and every bookmark:/mime: element
// bound to the freedesktop namespaces. (GLib's reader itself is not
// installed by the project's scripts, so it is not run here.)
using namespace testfiler;

namespace {

const QString BookmarkNs = "http://www.freedesktop.org/standards/desktop-bookmarks";
const QString MimeNs = "http://www.freedesktop.org/standards/shared-mime-info";

struct Bogmaerke
{
    QString href, mime;
    QMap<QString, int> programmer;   // name → count
};

// Parses the file as the desktop's reader would; fails the test on any
// error.
QList<Bogmaerke> laes(const QString &fil)
{
    QFile f(fil);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader r(&f);
    QList<Bogmaerke> ud;
    bool rodSet = false;
    while (!r.atEnd()) {
        if (r.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString ns = r.namespaceUri().toString();
        const QString navn = r.name().toString();
        if (!rodSet) {
            rodSet = true;
            if (navn != "xbel" || !ns.isEmpty() || r.attributes().value("version") != QLatin1String("1.0"))
                return {};
        } else if (navn == "bookmark" && ns.isEmpty()) {
            ud.append({r.attributes().value("href").toString(), {}, {}});
        } else if (navn == "mime-type" && ns == MimeNs && !ud.isEmpty()) {
            ud.last().mime = r.attributes().value("type").toString();
        } else if (navn == "application" && ns == BookmarkNs && !ud.isEmpty()) {
            ud.last().programmer.insert(r.attributes().value("name").toString(),
                                        r.attributes().value("count").toInt());
        } else if (navn.contains(':') || (ns.isEmpty() && navn == "application")) {
            return {};   // an unbound prefix
        }
    }
    if (r.hasError())
        qWarning() << "XML-fejl:" << r.errorString();
    return r.hasError() ? QList<Bogmaerke>{} : ud;
}

// What another desktop program wrote before us.
const QByteArray AndetProgram =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n>\n"
    "  <bookmark href=\"file:///tmp/andet.txt\" added=\"2024-01-01T12:00:00.000000Z\" "
    "modified=\"2024-01-01T12:00:00.000000Z\" visited=\"2024-01-01T12:00:00.000000Z\">\n"
    "    <info>\n      <metadata owner=\"http://freedesktop.org\">\n"
    "        <mime:mime-type type=\"text/plain\"/>\n        <bookmark:applications>\n"
    "          <bookmark:application name=\"gedit\" exec=\"&apos;gedit %u&apos;\" "
    "modified=\"2024-01-01T12:00:00.000000Z\" count=\"3\"/>\n"
    "        </bookmark:applications>\n      </metadata>\n    </info>\n  </bookmark>\n</xbel>\n";

} // namespace

class TestSenesteDokumenter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }

    // The list lives in the data folder of the (temporary) home.
    void standardfil()
    {
        MidlertidigHjem hjem;
        QCOMPARE(senestedokumenter::standardfil(), hjem.sti() + "/.local/share/recently-used.xbel");
    }

    // Adding to a missing list makes a new one; adding the same file again
    // counts up; another program's entries are kept.
    void tilfoej()
    {
        QTemporaryDir d;
        const QString liste = d.path() + "/share/recently-used.xbel";
        QVERIFY(senestedokumenter::tilfoej("/tmp/100% ægte.txt", liste));
        QList<Bogmaerke> b = laes(liste);
        QCOMPARE(b.size(), 1);
        QCOMPARE(b[0].href, QString("file:///tmp/100%25%20%C3%A6gte.txt"));
        QCOMPARE(b[0].mime, QString("text/plain"));
        QCOMPARE(b[0].programmer.value("Marvikel"), 1);

        QVERIFY(lavFil(liste, AndetProgram));
        QVERIFY(senestedokumenter::tilfoej("/tmp/andet.txt", liste));
        QVERIFY(senestedokumenter::tilfoej("/tmp/andet.txt", liste));
        QVERIFY(senestedokumenter::tilfoej("/tmp/billede.png", liste));
        b = laes(liste);
        QCOMPARE(b.size(), 2);
        QCOMPARE(b[0].href, QString("file:///tmp/andet.txt"));
        QCOMPARE(b[0].programmer.value("gedit"), 3);
        QCOMPARE(b[0].programmer.value("Marvikel"), 2);
        QCOMPARE(b[1].mime, QString("image/png"));
    }

    // A damaged list is started afresh, never left half-written.
    void oedelagtListe()
    {
        QTemporaryDir d;
        const QString liste = d.path() + "/recently-used.xbel";
        QVERIFY(lavFil(liste, "<xbel version=\"1.0\"><bookmark href="));
        QVERIFY(senestedokumenter::tilfoej("/tmp/a.txt", liste));
        QCOMPARE(laes(liste).size(), 1);
    }

    // "Rens" leaves a valid, empty list in place (programs watch the file).
    void rens()
    {
        QTemporaryDir d;
        const QString liste = d.path() + "/recently-used.xbel";
        QVERIFY(lavFil(liste, AndetProgram));
        QVERIFY(senestedokumenter::rens(liste));
        QVERIFY(QFile::exists(liste));
        QFile f(liste);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader r(&f);
        QVERIFY(r.readNextStartElement());
        QCOMPARE(r.name().toString(), QString("xbel"));
        QVERIFY(!r.readNextStartElement());
        QVERIFY(!r.hasError());
        QVERIFY(senestedokumenter::tilfoej("/tmp/a.txt", liste));
        QCOMPARE(laes(liste).size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSenesteDokumenter)
#include "tst_senestedokumenter.moc"
