#include "engines/thtmllister.h"
#include "platform/navnekode.h"

#include "fakedialogs.h"
#include "testfiler.h"
#include "testmappe.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A small HTML tokenizer, enough to see what a browser would make of the
// pages: start tags with their attributes, text, and the raw text of
// script and style elements (which end only at their own end tag).
struct Element
{
    QString navn;
    QList<QPair<QString, QString>> attributter;
};

struct Side
{
    QList<Element> elementer;
    QStringList tekster;      // text between tags, entities decoded
    QStringList scripts;      // raw text of script elements
};

QString afkodEntiteter(QString t)
{
    t.replace("&nbsp;", QString(QChar(0xA0)));
    t.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&#39;", "'");
    return t.replace("&amp;", "&");
}

Side tokeniser(const QString &html)
{
    Side s;
    qsizetype i = 0;
    const qsizetype n = html.size();
    auto erNavnetegn = [](QChar c) { return c.isLetterOrNumber() || c == '-' || c == '_' || c == ':'; };
    while (i < n) {
        if (html.at(i) != '<') {
            const qsizetype slut = html.indexOf('<', i);
            const QString tekst = html.mid(i, (slut < 0 ? n : slut) - i).trimmed();
            if (!tekst.isEmpty())
                s.tekster << afkodEntiteter(tekst);
            i = slut < 0 ? n : slut;
            continue;
        }
        if (html.mid(i, 2) == "<!" || html.mid(i, 2) == "</") {
            i = html.indexOf('>', i) + 1;
            continue;
        }
        Element e;
        ++i;
        while (i < n && erNavnetegn(html.at(i)))
            e.navn += html.at(i++).toLower();
        for (;;) {
            while (i < n && (html.at(i).isSpace() || html.at(i) == '/'))
                ++i;
            if (i >= n || html.at(i) == '>')
                break;
            QString navn, vaerdi;
            while (i < n && !html.at(i).isSpace() && html.at(i) != '=' && html.at(i) != '>')
                navn += html.at(i++).toLower();
            if (i < n && html.at(i) == '=') {
                ++i;
                const QChar q = html.at(i);
                if (q == '"' || q == '\'') {
                    const qsizetype slut = html.indexOf(q, i + 1);
                    vaerdi = html.mid(i + 1, slut - i - 1);
                    i = slut + 1;
                } else {
                    while (i < n && !html.at(i).isSpace() && html.at(i) != '>')
                        vaerdi += html.at(i++);
                }
            }
            e.attributter << qMakePair(navn, afkodEntiteter(vaerdi));
        }
        ++i;
        s.elementer << e;
        if (e.navn == "script" || e.navn == "style") {
            const qsizetype slut = html.indexOf("</" + e.navn, i, Qt::CaseInsensitive);
            if (e.navn == "script")
                s.scripts << html.mid(i, slut - i);
            i = slut;
        }
    }
    return s;
}

// The shape of a page: its elements with their attribute names.
QStringList form(const Side &s)
{
    QStringList ud;
    for (const Element &e : s.elementer) {
        QStringList navne;
        for (const auto &a : e.attributter)
            navne << a.first;
        ud << e.navn + "(" + navne.join(',') + ")";
    }
    return ud;
}

// The bytes a file URL names, or empty when it is not one.
QByteArray filAf(const QString &url)
{
    if (!url.startsWith("file:///"))
        return {};
    return QByteArray::fromPercentEncoding(url.mid(7).toLatin1());
}

bool findes(const QByteArray &sti)
{
    struct stat st;
    return !sti.isEmpty() && ::lstat(sti.constData(), &st) == 0;
}

void lavRaaFil(const QByteArray &sti)
{
    const int fd = ::open(sti.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
}

} // namespace

class TestHtmlLister : public QObject
{
    Q_OBJECT

private slots:
    void musiksidensBytes();
    void fjendtligeNavne_data();
    void fjendtligeNavne();
    void aldrigOverskrevet();
    void tomListeOgFejl();
};

// The music page for two names, byte for byte.
void TestHtmlLister::musiksidensBytes()
{
    Testmappe tmp;
    const QString mappe = tmp.path() + "/Musik & lyd";
    QVERIFY(QDir().mkpath(mappe));
    const QStringList navne = {"a&b <i>.mp3", "sang \"1\" 'ø'#%.m4a"};
    FakeDialogs d;
    THtmlLister lister(&d);
    const QString p = lister.opretMusikliste(mappe + "/Musik_afspilningsliste.html", navne);
    QCOMPARE(p, mappe + "/Musik_afspilningsliste.html");

    const QString url = "file://" + QString::fromLatin1(navnekode::procentKod(mappe));
    QVERIFY(url.endsWith("/Musik%20%26%20lyd"));
    const QString url0 = url + "/a%26b%20%3Ci%3E.mp3";
    const QString url1 = url + "/sang%20%221%22%20%27%C3%B8%27%23%25.m4a";
    const QStringList linjer = {
        "<!DOCTYPE html>", "<html>", "<head>", "<title>Musikliste</title>",
        "<base href=\"" + url + "/\">", "",
        "<script>", "function afspil(melodiNo,checkid){", "var eleSrc;", "switch(melodiNo){",
        "case 0:", "eleSrc=\"" + url0 + "\";", "break;",
        "case 1:", "eleSrc=\"" + url1 + "\";", "break;",
        "}", "var ele=document.getElementById(\"afspiller\");", "ele.src=eleSrc;", "ele.autoplay=true;",
        "document.getElementById(checkid).checked=true;}", "</script>", "",
        "<style type=\"text/css\">", "*{font-family: Verdana; font-size: 9pt; color #000000;}",
        "caption{", "color: #0000FF;", "margin-bottom: 4px;", "}",
        "table,th,td{", "border: 1px solid #888888;", "border-collapse:collapse;", "}",
        "th{", "padding-left: 4px;", "padding-right: 4px;", "padding-top: 4px;", "padding-bottom: 4px;",
        "color: #FFFFFF;", "background-color:#228822;", "text-align: left;", "}",
        "td{", "padding-left: 4px;", "padding-right: 4px;", "padding-top: 2px;", "padding-bottom: 2px;", "}",
        "button::before{", "content: \"\\266C\" \" \";", "}", "</style>", "", "</head>",
        "<body>", "", "<audio controls id=\"afspiller\" style=\"width: auto;\">",
        "<source src=\"" + url0 + "\">", "</audio><br>", "",
        "<table>", "<caption>Musikliste</caption>", "<colgroup>",
        " <col span=\"1\" style=\"background-color: #DDDDDD;\">",
        " <col span=\"1\" style=\"background-color: #FFFFFF;\">",
        " <col style=\"background-color: #FFFFFF;\">", "</colgroup>",
        "<tr><th>&nbsp;</th><th>Titel</th><th>&nbsp;</th></tr>",
        "<tr>", " <td><input type=\"radio\" name=\"aktuel\" id=\"melodi0\" disabled checked></td>",
        " <td>a&amp;b &lt;i&gt;.mp3</td>",
        " <td><button onclick=\"afspil(0,'melodi0')\">Afspil</button></td>", "</tr>",
        "<tr>", " <td><input type=\"radio\" name=\"aktuel\" id=\"melodi1\" disabled></td>",
        " <td>sang &quot;1&quot; &#39;ø&#39;#%.m4a</td>",
        " <td><button onclick=\"afspil(1,'melodi1')\">Afspil</button></td>", "</tr>",
        "</table>", "", "</body>", "</html>"};
    QCOMPARE(testfiler::indhold(p), "\xEF\xBB\xBF" + (linjer.join("\r\n") + "\r\n").toUtf8());
    QVERIFY(d.informationer.isEmpty());
}

void TestHtmlLister::fjendtligeNavne_data()
{
    QTest::addColumn<int>("art");
    QTest::newRow("film") << int(THtmlLister::Art::Film);
    QTest::newRow("musik") << int(THtmlLister::Art::Musik);
    QTest::newRow("billeder") << int(THtmlLister::Art::Billeder);
}

// Names that try to break out of the text, the attribute, the script string
// and the page: the page has exactly the elements of a page of plain names,
// every name shows as itself, and every link leads to its file.
void TestHtmlLister::fjendtligeNavne()
{
    QFETCH(int, art);
    const auto a = THtmlLister::Art(art);
    Testmappe tmp;
    const QByteArray mappe = QFile::encodeName(tmp.path()) + "/m\xe6pp\xc3\xa6 #%";
    QCOMPARE(::mkdir(mappe.constData(), 0755), 0);
    const QList<QByteArray> raa = {
        "<script>alert(1)<\\script>.mp4",
        "\"; alert(1); \".mp4",
        "\"><img src=x onerror=alert(1)>.png",
        "'); alert(1); ('.mp3",
        "a b#c%20d&amp;e?f.jpg",
        "\xc3\xa6\xc3\xb8\xc3\xa5 \xe6\xff.mp4",
        "<!-- kommentar.mp4",
        "linje\nskift.mp4",
    };
    QStringList navne, rene;
    for (const QByteArray &b : raa) {
        lavRaaFil(mappe + "/" + b);
        navne << navnekode::dekod(b);
        rene << QString("f%1.mp4").arg(rene.size());
    }
    FakeDialogs d;
    THtmlLister lister(&d);
    const QString p = lister.opret(a, navnekode::dekod(mappe) + "/" + THtmlLister::sidenavn(a), navne);
    QVERIFY(!p.isEmpty());
    QByteArray bytes;
    {
        // The folder's name is not UTF-8: the page is read by its bytes.
        const int fd = ::open(navnekode::kod(p).constData(), O_RDONLY);
        QVERIFY(fd >= 0);
        char buf[65536];
        for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
            bytes.append(buf, n);
        ::close(fd);
    }
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const Side side = tokeniser(QString::fromUtf8(bytes.mid(3)));
    const Side ren = tokeniser(THtmlLister::linjer(a, navnekode::dekod(mappe), rene).join("\r\n"));
    QCOMPARE(form(side), form(ren));

    // Each name shows as itself; bytes that are not UTF-8 and the line break
    // as the replacement sign.
    QStringList vist;
    for (const QString &n : navne) {
        QString v;
        for (QChar c : n)
            v += c.isSurrogate() || c < QChar(0x20) ? QChar(0xFFFD) : c;
        vist << v;
    }
    for (const QString &v : vist)
        QVERIFY2(side.tekster.contains(v), qPrintable(v));

    // Every link resolves to its file: the first name for the player, all of
    // them in the script, and the base to the folder.
    QStringList urler;
    for (const Element &e : side.elementer)
        for (const auto &at : e.attributter)
            if (at.first == "src" || at.first == "href")
                urler << at.second;
    QCOMPARE(urler.size(), 2);
    QCOMPARE(filAf(urler.at(0)), mappe + "/");
    QCOMPARE(filAf(urler.at(1)), mappe + "/" + raa.at(0));
    QCOMPARE(side.scripts.size(), 1);
    const QRegularExpression kilde("eleSrc=\"([^\"]*)\";");
    int nr = 0;
    for (auto it = kilde.globalMatch(side.scripts.first()); it.hasNext(); ++nr) {
        const QByteArray fil = filAf(it.next().captured(1));
        QCOMPARE(fil, mappe + "/" + raa.at(nr));
        QVERIFY(findes(fil));
    }
    QCOMPARE(nr, raa.size());
}

// A second list in the same folder gets a free name; the first stays.
void TestHtmlLister::aldrigOverskrevet()
{
    Testmappe tmp;
    QVERIFY(testfiler::lavFil(tmp.path() + "/a.mp4"));
    FakeDialogs d;
    THtmlLister lister(&d);
    const QString maal = tmp.path() + "/Film_afspilningsliste.html";
    QCOMPARE(lister.opretFilmliste(maal, {"a.mp4"}), maal);
    const QByteArray foerste = testfiler::indhold(maal);
    QCOMPARE(lister.opretFilmliste(maal, {"b.mp4", "a.mp4"}), tmp.path() + "/Film_afspilningsliste (1).html");
    QCOMPARE(testfiler::indhold(maal), foerste);
    QCOMPARE(testfiler::navne(tmp.path()),
             QStringList({"Film_afspilningsliste (1).html", "Film_afspilningsliste.html", "a.mp4"}));
}

void TestHtmlLister::tomListeOgFejl()
{
    Testmappe tmp;
    FakeDialogs d;
    THtmlLister lister(&d);
    QCOMPARE(lister.opretBilledliste(tmp.path() + "/Billed_afspilningsliste.html", {}), QString());
    QCOMPARE(lister.opretBilledliste(QString(), {"a.png"}), QString());
    QCOMPARE(lister.opretBilledliste(tmp.path() + "/findes ikke/x.html", {"a.png"}), QString());
    QCOMPARE(testfiler::navne(tmp.path()), QStringList());
    QCOMPARE(d.informationer, QStringList({"Der er ikke valgt filer til listen.", "Der er fejl i filnavnet.\r",
                                           "Fejlinformation:\rDet kunne ikke lade sig gøre at oprette en fil."}));
}

QTEST_GUILESS_MAIN(TestHtmlLister)
#include "tst_htmllister.moc"
