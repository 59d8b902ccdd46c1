#include "engines/tekstsoegning/filtyper.h"
#include "engines/tekstsoegning/linjebryder.h"
#include "engines/tekstsoegning/rtftekst.h"
#include "engines/tekstsoegning/tekstdokument.h"
#include "engines/tekstsoegning/tekstmatcher.h"
#include "engines/tekstsoegning/ttekstsoegning.h"
#include "engines/tekstsoegning/utf8.h"
#include "platform/tekstfil.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include <sys/stat.h>

using namespace testfiler;

namespace {

// What the text control itself finds: the reference the engine must give
// exactly. Each row is "position|line".
QStringList kontrolFund(const QString &tekst, const QString &soeg, bool heleOrd, bool storeSmaa)
{
    QTextDocument doc;
    doc.setDefaultFont(Linjebryder::dokumentSkrift());
    doc.setTextWidth(Linjebryder::Bredde);
    doc.setPlainText(tekst);
    QTextDocument::FindFlags flag;
    if (heleOrd)
        flag |= QTextDocument::FindWholeWords;
    if (storeSmaa)
        flag |= QTextDocument::FindCaseSensitively;
    QStringList ud;
    int fra = 0;
    for (;;) {
        const QTextCursor c = doc.find(soeg, fra, flag);
        if (c.isNull())
            break;
        const int pos = c.selectionStart();
        const QTextBlock b = doc.findBlock(pos);
        doc.documentLayout()->blockBoundingRect(b);
        const QTextLine l = b.layout()->lineForTextPosition(pos - b.position());
        ud.append(QString::number(pos) + "|" + b.text().mid(l.textStart(), l.textLength()));
        fra = pos + int(soeg.size());
    }
    return ud;
}

QStringList motorFund(const QByteArray &fil, const QString &soeg, bool heleOrd = false, bool storeSmaa = false)
{
    const Tekstmatcher matcher(soeg, heleOrd, storeSmaa);
    Linjebryder bryder;
    QList<FundRaekke> raekker;
    soegIDokument(Dokumenttekst(fil), matcher, bryder, "d", raekker);
    QStringList ud;
    for (const FundRaekke &r : raekker)
        ud.append(QString::number(r.position) + "|" + r.tekst);
    return ud;
}

} // namespace

// The search engine of the text search window: which rows a document gives
// (compared with what the text control itself finds), how documents are
// read, the folder walk, and the type list.
class TestTekstsoegning : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        QVERIFY2(QFontInfo(Linjebryder::dokumentSkrift()).family() == "DejaVu Sans",
                 "the document font must be installed (fonts-dejavu-core)");
    }

    void raekker_data()
    {
        QTest::addColumn<QByteArray>("fil");
        QTest::addColumn<QString>("soeg");
        QTest::addColumn<bool>("heleOrd");
        QTest::addColumn<bool>("storeSmaa");
        QTest::addColumn<QStringList>("forventet");

        QTest::newRow("aa i aaaa: to, uden overlap") << QByteArray("aaaa") << "aa" << false << false
                                                     << QStringList{"0|aaaa", "2|aaaa"};
        QTest::newRow("tre i samme dokument")
            << QByteArray("en to en\nto en") << "en" << false << false
            << QStringList{"0|en to en", "6|en to en", "12|to en"};
        QTest::newRow("CR LF er ét tegn")
            << QByteArray("ab\r\ncd\r\n\r\nab cd") << "cd" << false << false << QStringList{"3|cd", "10|ab cd"};
        QTest::newRow("enlig CR og LF") << QByteArray("x\ry\nx") << "x" << false << false
                                        << QStringList{"0|x", "4|x"};
        QTest::newRow("kun hele ord: tek ikke i tekst")
            << QByteArray("tekst tek tek_s (tek)") << "tek" << true << false << QStringList{"6|tekst tek tek_s (tek)",
                                                                                           "17|tekst tek tek_s (tek)"};
        QTest::newRow("hele ord: afvist kandidat giver ikke overlap")
            << QByteArray("aaa aa") << "aa" << true << false << QStringList{"4|aaa aa"};
        QTest::newRow("store og små: æ/Æ foldes")
            << QByteArray("ÆBLE æble Æble") << "æble" << false << false
            << QStringList{"0|ÆBLE æble Æble", "5|ÆBLE æble Æble", "10|ÆBLE æble Æble"};
        QTest::newRow("forskel på store og små")
            << QByteArray("ÆBLE æble Æble") << "Æble" << false << true << QStringList{"10|ÆBLE æble Æble"};
        QTest::newRow("Kelvin-tegnet foldes til k")
            << QByteArray("\xE2\x84\xAAort kort") << "KORT" << false << false
            << QStringList{"0|\u212Aort kort", "5|\u212Aort kort"};
        QTest::newRow("tegn uden for BMP tæller to")
            << QByteArray("\xF0\x9F\x98\x80 hej") << "hej" << false << false << QStringList{"3|\U0001F600 hej"};
        QTest::newRow("UTF-8 med BOM") << QByteArray("\xEF\xBB\xBFhej") << "hej" << false << false
                                       << QStringList{"0|hej"};
        QTest::newRow("UTF-16 med BOM") << QByteArray("\xFF\xFEh\0e\0j\0", 8) << "hej" << false << false
                                        << QStringList{"0|hej"};
        QTest::newRow("Windows-1252") << QByteArray("bl\xE5 \xC6" "BLE \x80") << "æble" << false << false
                                      << QStringList{"4|blå ÆBLE €"};
        QTest::newRow("ingen fund") << QByteArray("abc") << "x" << false << false << QStringList{};
        QTest::newRow("søgetekst længere end teksten")
            << QByteArray("ab") << "abc" << false << false << QStringList{};
        QTest::newRow("linjeskift i søgeteksten finder intet")
            << QByteArray("a\nb") << "a\nb" << false << false << QStringList{};
    }

    void raekker()
    {
        QFETCH(QByteArray, fil);
        QFETCH(QString, soeg);
        QFETCH(bool, heleOrd);
        QFETCH(bool, storeSmaa);
        QFETCH(QStringList, forventet);
        QCOMPARE(motorFund(fil, soeg, heleOrd, storeSmaa), forventet);
    }

    void utf8Tael()
    {
        // Validation and position counting against Qt's own decoder, on
        // random mixes of one- to four-byte characters and line breaks with
        // stray bytes at every place, across the 16-byte blocks of the scan.
        const QStringList stykker = {"a", "hej ", "æ", "Ø", "€", "\U0001F600", "\r\n", "\n", "\r", "é", "ĸ", "字"};
        QRandomGenerator r(9);
        for (int runde = 0; runde < 3000; ++runde) {
            QString tekst;
            const int n = int(r.bounded(0, 60));
            for (int i = 0; i < n; ++i)
                tekst += stykker.at(r.bounded(int(stykker.size())));
            QByteArray b = tekst.toUtf8();
            QVERIFY(utf8::gyldig(b.constData(), b.size()));
            // Positions: UTF-16 units with CR LF as one.
            const int fra = b.isEmpty() ? 0 : int(r.bounded(int(b.size())));
            const int til = fra + int(r.bounded(int(b.size()) - fra + 1));
            if ((fra == 0 || (uchar(b[fra]) & 0xC0) != 0x80) && (til == b.size() || (uchar(b[til]) & 0xC0) != 0x80)) {
                QString del = QString::fromUtf8(b.mid(fra, til - fra));
                qint64 forventet = del.size() - del.count("\r\n");
                if (fra > 0 && b[fra - 1] == '\r' && del.startsWith('\n'))
                    --forventet;
                QCOMPARE(utf8::positioner(b.constData(), fra, til), forventet);
            }
            if (!b.isEmpty()) {
                // One stray byte anywhere.
                const char fejl[] = {char(0x80), char(0xC0), char(0xC3), char(0xE2), char(0xED), char(0xF4), char(0xFF)};
                b.insert(r.bounded(int(b.size()) + 1), fejl[r.bounded(7)]);
                QStringDecoder d(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
                const QString qt = d.decode(b);
                QCOMPARE(utf8::gyldig(b.constData(), b.size()), !d.hasError());
            }
        }
    }

    void ombrudtLinje()
    {
        // A paragraph far wider than 400 pixels: each hit gives its own
        // wrapped line, the same as the text control's.
        QString afsnit;
        for (int i = 0; i < 12; ++i)
            afsnit += QString("ord%1 med en tekst der fylder ").arg(i);
        const QString tekst = "Første linje\r\n" + afsnit + "\r\nsidste ord7";
        const QStringList forventet = kontrolFund(tekst, "ord7", false, false);
        QCOMPARE(forventet.size(), 2);
        QVERIFY(!afsnit.startsWith(forventet.first().section('|', 1)));   // not the first wrapped line
        QVERIFY(forventet.first().section('|', 1).contains("ord7"));
        QCOMPARE(motorFund(tekst.toUtf8(), "ord7"), forventet);
    }

    void somTekstkontrollen()
    {
        // Random Danish-looking text with long and short paragraphs, tabs
        // and line breaks of every kind, against the text control.
        // Every other text holds only what the line breaker measures itself
        // (Latin-1 letters, digits, blanks, plain punctuation); the rest
        // also hyphens, tabs, soft hyphens and no-break spaces, which go
        // to the layout.
        const QStringList enkle = {"og", "Æble", "ærlig", "søen", "Å", "tekst", "ordet", "x", "OG", "hus,",
                                   "Ørnen.", "i", "aaa", "øl", "(AVATAR)", "\"Tyv\"", "1234", "ja!", "WWW", "l'a"};
        const QStringList blandede = enkle + QStringList{"lang\u00ADtids", "tabel\tfelt", "\u00A0", "–", "a-b", "x/y", "\U0001F600"};
        const QStringList skift = {"\n", "\r\n", "\r", " ", " ", " ", " ", " ", " ", "  "};
        QRandomGenerator r(17);
        int raekkerIAlt = 0, ombrudte = 0;
        for (int runde = 0; runde < 30; ++runde) {
            const QStringList &ord = runde % 2 ? blandede : enkle;
            QString tekst;
            const int n = int(r.bounded(20, 600));
            for (int i = 0; i < n; ++i)
                tekst += ord.at(r.bounded(int(ord.size()))) + skift.at(r.bounded(int(skift.size())));
            for (const QString soeg : {"og", "æ", "aa", "ørnen", "tekst"}) {
                for (bool hele : {false, true}) {
                    for (bool store : {false, true}) {
                        const QStringList forventet = kontrolFund(tekst, soeg, hele, store);
                        const QStringList fundet = motorFund(tekst.toUtf8(), soeg, hele, store);
                        if (fundet != forventet)
                            QCOMPARE(fundet, forventet);
                        raekkerIAlt += int(fundet.size());
                        for (const QString &f : fundet)
                            ombrudte += f.size() < 80 && !tekst.contains(f.section('|', 1) + '\n');
                    }
                }
            }
        }
        // The comparison saw many rows, on wrapped lines too.
        QVERIFY(raekkerIAlt > 2000);
        QVERIFY(ombrudte > 100);
    }

    void linjerSomLayoutet()
    {
        // Paragraphs of every length, line by line against QTextLayout.
        const QStringList ord = {"og", "Æble", "ærlig", "søen", "tekst", "ordet,", "Ørnen.", "i", "AVATAR",
                                 "\"Tyv\"", "1234", "ja!", "WWW", "fløde", "(x)", "Llll", "ååå", "T."};
        QRandomGenerator r(5);
        int egne = 0;
        for (int runde = 0; runde < 400; ++runde) {
            QString afsnit = QString(" ").repeated(int(r.bounded(3)));
            const int n = int(r.bounded(1, 120));
            for (int i = 0; i < n; ++i)
                afsnit += ord.at(r.bounded(int(ord.size()))) + QString(" ").repeated(int(r.bounded(1, 3)));
            if (r.bounded(2))
                afsnit.chop(1);
            QTextLayout l(afsnit, Linjebryder::dokumentSkrift());
            QTextOption valg;
            valg.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            l.setTextOption(valg);
            l.beginLayout();
            Linjebryder b;
            b.setAfsnit(afsnit);
            for (QTextLine linje = l.createLine(); linje.isValid(); linje = l.createLine()) {
                linje.setLineWidth(Linjebryder::Bredde - 2 * Linjebryder::Margin);
                const QString forventet = afsnit.mid(linje.textStart(), linje.textLength());
                for (int pos : {linje.textStart(), linje.textStart() + linje.textLength() - 1})
                    QCOMPARE(b.linjeVed(pos), forventet);
            }
            l.endLayout();
            egne += !b.brugteLayout();
        }
        // Nearly all of them without the layout's help.
        QVERIFY2(egne > 350, qPrintable(QString::number(egne)));
    }

    void rtf()
    {
        const QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
                               "{\\*\\generator Prg;}\\f0 Hej med dig \\'e6\\'f8\\'e5 \\u8364?uro og {\\b fed {\\i "
                               "indlejret}} tekst.\\par\r\nLinje to\\tab med \\{klammer\\} og \\\\.\\par}";
        QCOMPARE(rtftekst::synligTekst(rtf),
                 QString("Hej med dig æøå €uro og fed indlejret tekst.\nLinje to\tmed {klammer} og \\.\n"));
        QCOMPARE(motorFund(rtf, "indlejret"), QStringList{"28|Hej med dig æøå €uro og fed indlejret tekst."});
        QCOMPARE(motorFund(rtf, "€uro"), QStringList{"16|Hej med dig æøå €uro og fed indlejret tekst."});
        // \ucN: the number of fallback characters to skip, per group.
        QCOMPARE(rtftekst::synligTekst("{\\rtf1{\\uc2\\u-4064??x}\\u8364?y}"), QString("\uF020x€y"));
        QVERIFY(!rtftekst::erRtf("hej {\\rtf1}"));
    }

    void mappe()
    {
        QTemporaryDir d;
        const QString m = d.path() + "/";
        QVERIFY(lavFil(m + "a.txt", "hej og hej"));
        QVERIFY(lavFil(m + "A.TXT", "HEJ"));
        QVERIFY(lavFil(m + "c.log", "hej"));
        QDir().mkpath(m + "under.txt");
        QVERIFY(lavFil(m + "under.txt/d.txt", "hej"));
        // An unreadable document in the middle: it is passed over and the
        // rest are still searched.
        QVERIFY(QFile::link("/proc/self/mem", m + "b.txt"));
        // A pipe is never opened (that would block), and a file over the
        // size limit is not read.
        QVERIFY(::mkfifo(QFile::encodeName(m + "roer.txt").constData(), 0600) == 0);
        QFile stor(m + "stor.txt");
        QVERIFY(stor.open(QIODevice::WriteOnly) && stor.resize(TTekstsoegning::MaksStoerrelse + 1));
        stor.close();

        const QStringList navne = TTekstsoegning::dokumenter(m, "*.txt");
        QCOMPARE(QSet<QString>(navne.begin(), navne.end()), (QSet<QString>{"a.txt", "A.TXT", "b.txt", "stor.txt"}));

        TTekstsoegning s;
        s.setInterval(0);
        QStringList fund;
        int kald = 0;
        const TTekstsoegning::Resultat r = s.soeg(
            m, "*.txt", {"hej", false, false},
            [&](QList<FundRaekke> &&raekker) {
                for (const FundRaekke &f : raekker)
                    fund.append(f.dokument + "|" + QString::number(f.position) + "|" + f.tekst);
            },
            [&] { return ++kald > 0; });
        QCOMPARE(r.raekker, 3);
        QCOMPARE(r.dokumenter, 2);
        QCOMPARE(r.ulaeselige, 1);
        QCOMPARE(r.forStore, 1);
        QVERIFY(!r.stoppet);
        QVERIFY(kald > 0);
        // Rows follow the listing order of the documents.
        QStringList forventet;
        for (const QString &navn : navne) {
            if (navn == "a.txt")
                forventet << m + "a.txt|0|hej og hej" << m + "a.txt|7|hej og hej";
            else if (navn == "A.TXT")
                forventet << m + "A.TXT|0|HEJ";
        }
        QCOMPARE(fund, forventet);

        // "Stop" at the first chance ends the search before any row.
        const TTekstsoegning::Resultat stoppet = s.soeg(m, "*.txt", {"hej", false, false}, [](auto &&) {},
                                                        [] { return false; });
        QVERIFY(stoppet.stoppet);
        QCOMPARE(stoppet.dokumenter, 0);
        QCOMPARE(stoppet.raekker, 0);

        // Documents larger than one read: a character split between two
        // reads is still UTF-8, a stray byte far in makes all of it
        // Windows-1252.
        QTemporaryDir d2;
        const QByteArray aeer = "a" + QByteArray("\xC3\xA6").repeated(100000);
        QVERIFY(lavFil(d2.path() + "/utf8.txt", aeer + " hej"));
        QVERIFY(lavFil(d2.path() + "/cp1252.txt", aeer.left(150001) + "\xE6" + aeer.mid(150001) + " hej"));
        QMap<QString, qint64> positioner;
        s.soeg(d2.path(), "*.txt", {"hej", false, false}, [&](QList<FundRaekke> &&raekker) {
            for (const FundRaekke &f : raekker)
                positioner[QFileInfo(f.dokument).fileName()] = f.position;
        });
        QCOMPARE(positioner.value("utf8.txt"), 100002);
        QCOMPARE(positioner.value("cp1252.txt"), 200003);

        // A missing folder or an empty text searches nothing.
        QCOMPARE(s.soeg(m + "findes-ikke/", "*.txt", {"hej", false, false}, [](auto &&) {}).raekker, 0);
        QCOMPARE(s.soeg(m, "*.txt", {"", false, false}, [](auto &&) {}).dokumenter, 0);
    }

    void moenstre_data()
    {
        QTest::addColumn<QString>("moenster");
        QTest::addColumn<QString>("navn");
        QTest::addColumn<bool>("passer");
        QTest::newRow("store bogstaver") << "*.txt" << "A.TXT" << true;
        QTest::newRow("anden endelse") << "*.txt" << "a.txt.bak" << false;
        QTest::newRow("alle") << "*.*" << "README" << true;
        QTest::newRow("uden endelse") << "*." << "README" << true;
        QTest::newRow("uden endelse, men har en") << "*." << "a.txt" << false;
        QTest::newRow("spørgsmålstegn") << "?.c" << "a.c" << true;
        QTest::newRow("æ foldes") << "*.Æ" << "x.æ" << true;
    }

    void moenstre()
    {
        QFETCH(QString, moenster);
        QFETCH(QString, navn);
        QFETCH(bool, passer);
        QCOMPARE(filtyper::passer(moenster, navn), passer);
    }

    void typeIndfoering_data()
    {
        QTest::addColumn<QString>("indtastet");
        QTest::addColumn<QString>("type");
        QTest::newRow("txt") << "txt" << "*.txt";
        QTest::newRow(".txt") << ".txt" << "*.txt";
        QTest::newRow("*.txt") << "*.txt" << "*.txt";
        QTest::newRow("a.b.c") << "a.b.c" << "*.c";
        QTest::newRow("x.") << "x." << "*.";
        QTest::newRow("TXT") << "TXT" << "*.TXT";
        QTest::newRow("*.*") << "*.*" << "*.*";
    }

    void typeIndfoering()
    {
        QFETCH(QString, indtastet);
        QFETCH(QString, type);
        QCOMPARE(filtyper::typeFraIndtastning(indtastet), type);
    }

    void typelisten()
    {
        QTemporaryDir d;
        const QString fil = d.path() + "/Filtertyper.txt";
        const QList<Filtype> liste = filtyper::hent(fil);
        QCOMPARE(liste, filtyper::standardliste());
        const QStringList linjer = tekstfil::hent(fil);
        QCOMPARE(linjer.size(), 36);
        QCOMPARE(linjer.mid(27, 3), (QStringList{"Power Shell", "*.ps1", "0"}));
        QCOMPARE(indhold(fil).right(17), QByteArray("Tekstfil\r\n*.txt\r\n1\r\n").right(17));

        const QStringList boks = filtyper::filterboks(liste);
        QCOMPARE(boks.size(), 11);
        QCOMPARE(boks.last(), QString("Tekstfil (*.txt)"));
        QCOMPARE(filtyper::filterIndeks(liste, "*.TXT"), 10);
        QCOMPARE(filtyper::moensterVed(liste, 10), QString("*.txt"));
        QCOMPARE(filtyper::filterIndeks(liste, "*.ps1"), -1);   // unchecked
        QCOMPARE(filtyper::moensterVed(liste, 11), QString());

        // A trailing incomplete entry is ignored.
        QCOMPARE(filtyper::fraLinjer({"A", "*.a", "1", "B", "*.b"}), (QList<Filtype>{{"A", "*.a", true}}));
    }
};

QTEST_MAIN(TestTekstsoegning)
#include "tst_tekstsoegning.moc"
