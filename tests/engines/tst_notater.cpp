#include "engines/netsoegning.h"
#include "engines/notater.h"
#include "platform/tekstfil.h"
#include "testmiljoe.h"

#include "testmappe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

// The notes folder engine and the web search addresses.
class TestNotater : public QObject
{
    Q_OBJECT

    static QStringList titler(const TNotater &n)
    {
        QList<TNotater::Notat> notater;
        if (!n.list(notater))
            return {"<fejl>"};
        QStringList ud;
        for (const auto &x : notater)
            ud << x.titel;
        ud.sort();
        return ud;
    }

private slots:
    void initTestCase() { saetDanskLocale(); }

    void gemOgHentEnNote()
    {
        Testmappe tmp;
        TNotater n(tmp.path() + "/Noter/");
        // The folder is made by the first save.
        const QString sti = n.sti("Indkøb");
        QCOMPARE(sti, tmp.path() + "/Noter/Indkøb.txt");
        QCOMPARE(n.gem(sti, "mælk\nbrød"), tekstfil::Skrivning::Skrevet);
        QFile f(sti);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("m\xc3\xa6lk\r\nbr\xc3\xb8" "d\r\n"));
        QString tekst;
        QVERIFY(TNotater::hent(sti, tekst));
        QCOMPARE(tekst, QString("mælk\nbrød"));
        QCOMPARE(titler(n), QStringList{"Indkøb"});
    }

    void titlerMedSkraastregOgPunktumBlivesIMappen()
    {
        Testmappe tmp;
        QVERIFY(QDir().mkpath(tmp.path() + "/Noter"));
        TNotater n(tmp.path() + "/Noter/");
        const QStringList navne{"a/b", "..", "../../ud", ".skjult", "100%", QString(300, u'ø')};
        for (const QString &titel : navne) {
            const QString sti = n.sti(titel);
            QCOMPARE(QFileInfo(sti).absolutePath(), tmp.path() + "/Noter");
            QVERIFY2(QFileInfo(sti).fileName().toUtf8().size() <= 255, qPrintable(sti));
            QCOMPARE(n.gem(sti, titel), tekstfil::Skrivning::Skrevet);
        }
        // Nothing escaped the folder, and the plain titles list as typed.
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Noter"});
        const QStringList liste = titler(n);
        QCOMPARE(liste.size(), navne.size());
        for (const QString &titel : navne.first(5))
            QVERIFY2(liste.contains(titel), qPrintable(titel));
        QVERIFY(n.sti(QString()).isEmpty());
    }

    void listenSpringerOverAndetEndNoter()
    {
        Testmappe tmp;
        const QString mappe = tmp.path() + "/";
        QVERIFY(QDir().mkpath(mappe + "mappe.txt"));
        for (const char *navn : {"note.txt", "andet.rtf", ".note.txt.marvikel-1-1", ".txt"}) {
            QFile f(mappe + navn);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(titler(TNotater(mappe)), QStringList{"note"});
        // A folder that cannot be read.
        QList<TNotater::Notat> ud;
        QVERIFY(!TNotater(mappe + "findes-ikke/").list(ud));
    }

    void navnSomIkkeErUtf8()
    {
        Testmappe tmp;
        const QByteArray navn = QFile::encodeName(tmp.path()) + "/caf\xe9.txt";
        FILE *f = fopen(navn.constData(), "w");
        QVERIFY(f);
        fputs("indhold\r\n", f);
        fclose(f);
        TNotater n(tmp.path() + "/");
        QList<TNotater::Notat> notater;
        QVERIFY(n.list(notater));
        QCOMPARE(notater.size(), 1);
        const QString sti = n.stiForFil(notater.first().filnavn);
        QVERIFY(TNotater::findes(sti));
        QString tekst;
        QVERIFY(TNotater::hent(sti, tekst));
        QCOMPARE(tekst, QString("indhold"));
        // Such a name cannot be written back by its title; a typed title can.
        QVERIFY(!TNotater::kanGemmes(sti));
        QVERIFY(TNotater::kanGemmes(n.sti("café")));
    }

    void mislykketGemmeBevarerDenGamleNote()
    {
        Testmappe tmp;
        // The notes folder's place is taken by a file: nothing can be saved.
        QFile blokering(tmp.path() + "/Noter");
        QVERIFY(blokering.open(QIODevice::WriteOnly));
        blokering.close();
        TNotater n(tmp.path() + "/Noter/");
        QCOMPARE(n.gem(n.sti("x"), "tekst"), tekstfil::Skrivning::Fejl);
        QVERIFY(!TNotater::findes(n.sti("x")));
    }

    void soegeadresser_data()
    {
        QTest::addColumn<int>("tjeneste");
        QTest::addColumn<QString>("ord");
        QTest::addColumn<QString>("adresse");
        QTest::newRow("mellemrum") << 0 << "to ord" << "https://www.google.com/search?q=to%20ord";
        QTest::newRow("og") << 1 << "a&b=c" << "https://www.bing.com/search?q=a%26b%3Dc";
        QTest::newRow("havelåge") << 0 << "c#" << "https://www.google.com/search?q=c%23";
        QTest::newRow("plus") << 0 << "c++" << "https://www.google.com/search?q=c%2B%2B";
        QTest::newRow("æøå") << 2 << "æøå" << "https://www.youtube.com/results?search_query=%C3%A6%C3%B8%C3%A5";
        QTest::newRow("tomt") << 0 << "" << "https://www.google.com/search?q=Der%20mangler%20et%20s%C3%B8geord";
    }

    void soegeadresser()
    {
        QFETCH(int, tjeneste);
        QFETCH(QString, ord);
        QFETCH(QString, adresse);
        const QUrl url = netsoegning::adresse(netsoegning::Tjeneste(tjeneste), netsoegning::soegeord(ord));
        QVERIFY(url.isValid());
        QCOMPARE(url.toString(QUrl::FullyEncoded), adresse);
        // What the service decodes is exactly the typed word.
        const QString noegle = tjeneste == 2 ? "search_query" : "q";
        QCOMPARE(QUrlQuery(url).queryItemValue(noegle, QUrl::FullyDecoded), netsoegning::soegeord(ord));
    }
};

QTEST_GUILESS_MAIN(TestNotater)
#include "tst_notater.moc"
