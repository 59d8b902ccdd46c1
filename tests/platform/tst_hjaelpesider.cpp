#include "core/dansk.h"
#include "platform/tekstfil.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <QtTest>

// Checks the shipped help content as the build tree mirrors it: every page the
// program asks for exists, the contents files are well-formed list files whose
// tree reaches every page, and the pages themselves hold together (titles,
// encoding, links).
namespace {

QString stifinderMappe()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + "/../share/marvikel/Program/Stifinder");
}

QString sideMappe()
{
    return stifinderMappe() + "/tekstfiler";
}

QByteArray laesBytes(const QString &sti)
{
    QFile f(sti);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool erGyldigUtf8(const QByteArray &bytes, QString *tekst = nullptr)
{
    QStringDecoder dekoder(QStringDecoder::Utf8);
    const QString t = dekoder.decode(bytes);
    if (tekst)
        *tekst = t;
    return !dekoder.hasError();
}

struct Node
{
    int dybde = 0;
    QString tekst;
};

// The contents file as the help tree reads it: leading tabs or spaces give the
// depth, the rest of the line is the node's text.
QList<Node> laesStruktur()
{
    QList<Node> noder;
    for (const QString &linje : tekstfil::hent(stifinderMappe() + "/struktur.txt")) {
        Node n;
        while (n.dybde < linje.size() && (linje.at(n.dybde) == u'\t' || linje.at(n.dybde) == u' '))
            ++n.dybde;
        n.tekst = linje.mid(n.dybde);
        noder.append(n);
    }
    return noder;
}

// Page names of the data file: each line is an icon digit and a page name.
QStringList sidenavneIData()
{
    QStringList navne;
    for (const QString &linje : tekstfil::hent(stifinderMappe() + "/data.txt"))
        navne.append(linje.mid(1));
    return navne;
}

QStringList htmlFiler()
{
    return QDir(sideMappe()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void tilfoej(const char *kalder, const QStringList &sider, bool praecis)
{
    for (const QString &side : sider)
        QTest::addRow("%s: %s", kalder, qPrintable(side)) << side << praecis;
}

} // namespace

class TestHjaelpesider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(sideMappe()).isDir(), qPrintable("mangler: " + sideMappe()));
    }

    // The names the windows open their help with. A window asks for its page
    // by its exact file name; the help browser's topic lists ask by the
    // contents entry, which the program matches without regard to case.
    void programmetsSiderFindes_data()
    {
        QTest::addColumn<QString>("side");
        QTest::addColumn<bool>("praecis");
        tilfoej("hovedvindue", {"Velkommen.html", "qenStifinder.html", "Genvejstaster.html",
                                "Programmer med funktioner.html", "Dos.html", "Programmer.html",
                                "Søg på nettet.html", "Notater.html", "Egenskaber1.html",
                                "Egenskaber2.html", "Egenskaber3.html", "Egenskaber4.html",
                                "Program genveje.html", "Indfører et program.html"}, true);
        tilfoej("programmer og F1", {"Klipbordet.html", "Stifinderen.html", "Genveje.html",
                                     "Indfør programmer.html", "Opret mappestrukturer.html",
                                     "Søg i tekstfiler.html", "Billeder.html", "Kalender.html",
                                     "WMI.html", "Applets.html"}, true);
        tilfoej("genvejslister", {"Klip.html", "Kopier.html", "Sæt ind.html",
                                  "Slet til papirkurv.html", "Slet permanent.html", "Omdøb.html",
                                  "Ny mappe.html", "Mappe egenskaber.html", "Ny fil.html",
                                  "Omdøb filtype.html"}, true);
        tilfoej("stifinder", {"Mappestrukturen.html", "Filstrukturen.html", "indstillinger.html",
                              "Aktuel information.html", "Andre egenskaber.html",
                              "Specifikke egenskaber.html", "Besøgte mapper.html",
                              "Favoritmapper.html", "Favoritfiler.html",
                              "Søg efter filer og mapper.html", "Aktiverbare mapper.html"}, true);
        tilfoej("egenskabsvindue", {"Fil egenskaber.html", "Mappe egenskaber.html",
                                    "Drev egenskaber.html"}, true);
        tilfoej("sidevisninger", {"WMI2.html", "Applets2.html"}, true);
        tilfoej("emnelister", {"Stifinderen.html", "Mappestrukturen.html", "Filstrukturen.html",
                               "Højre panel.html", "Aktuel information.html",
                               "Indstillinger.html", "Specifikke egenskaber.html",
                               "Egenskaber2.html", "Klipbordet.html", "Egenskaber.html",
                               "Klip.html", "Kopier.html", "Sæt ind.html",
                               "Slet til papirkurv.html", "Slet permanent.html", "Omdøb.html",
                               "Omdøb filtype.html", "Ny mappe.html", "Mappe egenskaber.html",
                               "Ny fil.html", "Genveje.html", "Indfør programmer.html",
                               "Opret mappestrukturer.html", "Søg i tekstfiler.html",
                               "Billeder.html", "Kalender.html", "WMI.html", "Applets.html"},
                false);
    }
    void programmetsSiderFindes()
    {
        QFETCH(QString, side);
        QFETCH(bool, praecis);
        const QStringList filer = htmlFiler();
        const bool fundet = praecis ? filer.contains(side)
                                    : std::any_of(filer.cbegin(), filer.cend(), [&](const QString &f) {
                                          return dansk::ensAZ(f, side);
                                      });
        QVERIFY2(fundet, qPrintable("ingen side: " + side));
    }

    // Every page name written into the program's own source exists, so a
    // window that gains a help button cannot point at a page never shipped.
    // (Pages the program writes itself are not help pages.)
    void kildensSiderFindes()
    {
        const QRegularExpression navn(QStringLiteral("\"([^\"/]+\\.html)\""));
        const QStringList filer = htmlFiler();
        QStringList mangler;
        QDirIterator it(QStringLiteral(MARVIKEL_SOURCE_DIR "/src"), {"*.cpp", "*.h"}, QDir::Files,
                        QDirIterator::Subdirectories);
        int sider = 0;
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString tekst = QString::fromUtf8(f.readAll());
            for (const auto &m : navn.globalMatch(tekst)) {
                const QString side = m.captured(1);
                // File-type patterns ("*.html") name no page.
                if (side == "Hjemmeside.html" || side.contains("afspilningsliste") || side.contains('*'))
                    continue;
                ++sider;
                const bool fundet = std::any_of(filer.cbegin(), filer.cend(),
                                                [&](const QString &fil) { return dansk::ensAZ(fil, side); });
                if (!fundet)
                    mangler.append(side + " (" + QFileInfo(it.filePath()).fileName() + ")");
            }
        }
        QVERIFY(sider > 0);
        QVERIFY2(mangler.isEmpty(), qPrintable("ingen side: " + mangler.join(", ")));
    }

    // The program reads both files with the list-file helper; ship them in the
    // form it writes: UTF-8 without byte-order mark, CR LF after every line.
    void indholdsfilerneErListefiler_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::newRow("struktur") << QString("struktur.txt");
        QTest::newRow("data") << QString("data.txt");
    }
    void indholdsfilerneErListefiler()
    {
        QFETCH(QString, fil);
        const QByteArray bytes = laesBytes(stifinderMappe() + "/" + fil);
        QVERIFY(!bytes.isEmpty());
        QVERIFY2(!bytes.startsWith("\xef\xbb\xbf"), "byte-order mark");
        QVERIFY(erGyldigUtf8(bytes));
        QVERIFY2(bytes.endsWith("\r\n"), "sidste linje uden CR LF");
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    }

    // Node i of the contents file belongs to line i of the data file. A node's
    // text is also its page name: the help history stores node texts and opens
    // them again as pages, and the browser's title must find its node.
    void indholdetPasserTilSiderne()
    {
        const QList<Node> noder = laesStruktur();
        const QStringList data = tekstfil::hent(stifinderMappe() + "/data.txt");
        QVERIFY(!noder.isEmpty());
        QCOMPARE(data.size(), noder.size());
        QCOMPARE(noder.first().dybde, 0);
        const QStringList filer = htmlFiler();
        for (int i = 0; i < noder.size(); ++i) {
            const QString hvor = QString("linje %1: ").arg(i + 1);
            QVERIFY2(!noder.at(i).tekst.trimmed().isEmpty(), qPrintable(hvor + "tom node"));
            if (i > 0)
                QVERIFY2(noder.at(i).dybde <= noder.at(i - 1).dybde + 1,
                         qPrintable(hvor + "springer et niveau over"));
            const QString &linje = data.at(i);
            QVERIFY2(!linje.isEmpty() && linje.at(0) >= u'0' && linje.at(0) <= u'9',
                     qPrintable(hvor + "data uden billedciffer"));
            QCOMPARE(linje.mid(1), noder.at(i).tekst);
            QVERIFY2(filer.contains(linje.mid(1) + ".html"), qPrintable(hvor + "ingen side " + linje));
        }
    }

    // The help search reads every file of the page folder, so the folder holds
    // pages only, and each page appears once in the contents.
    void hverSideNaasFraIndholdet()
    {
        const QStringList navne = sidenavneIData();
        for (const QString &fil : htmlFiler()) {
            QVERIFY2(fil.endsWith(".html"), qPrintable("ikke en side: " + fil));
            const QString side = fil.chopped(5);
            QVERIFY2(navne.count(side) == 1,
                     qPrintable(QString("%1 står %2 gange i indholdet").arg(side).arg(navne.count(side))));
        }
    }

    void siderneHolderSammen_data()
    {
        QTest::addColumn<QString>("fil");
        for (const QString &fil : htmlFiler())
            if (fil.endsWith(".html"))
                QTest::newRow(qPrintable(fil)) << fil;
    }
    void siderneHolderSammen()
    {
        QFETCH(QString, fil);
        QString html;
        QVERIFY2(erGyldigUtf8(laesBytes(sideMappe() + "/" + fil), &html), "ikke UTF-8");
        QVERIFY(html.contains("<meta charset=\"utf-8\">", Qt::CaseInsensitive));

        // The browser records a visited page by its title, looked up as a page
        // name in the contents.
        static const QRegularExpression titel("<title>([^<]*)</title>");
        QCOMPARE(titel.match(html).captured(1), fil.chopped(5));

        static const QRegularExpression href("href=\"([^\"]*)\"");
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString maal = it.next().captured(1);
            const QUrl url(maal);
            if (!url.scheme().isEmpty() || maal.startsWith(u'#'))
                continue;
            const QString sti = QDir(sideMappe()).filePath(url.path(QUrl::FullyDecoded));
            QVERIFY2(QFileInfo(sti).isFile(), qPrintable("død henvisning: " + maal));
        }
    }
};

QTEST_GUILESS_MAIN(TestHjaelpesider)
#include "tst_hjaelpesider.moc"
