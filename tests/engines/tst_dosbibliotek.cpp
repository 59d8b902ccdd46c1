#include "engines/dos/konsoller.h"
#include "engines/dos/tdosbibliotek.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

using namespace testfiler;

// The console-command library: descriptions as files named after their
// command, the list file, sorting, deleting and the console folder rule.
class TestDosbibliotek : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_dos;
    QString m_opt;

    std::unique_ptr<TDosbibliotek> nytBibliotek(FakeDialogs &d)
    {
        auto b = std::make_unique<TDosbibliotek>(d);
        b->saetMapper(m_dos, m_opt);
        b->hent();
        return b;
    }

    static QStringList captions(TDosbibliotek &b)
    {
        QStringList ud;
        for (const TReopenRec &p : b.dosFiler()->poster())
            ud << p.caption;
        return ud;
    }

private slots:
    void initTestCase() { saetDanskLocale(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_dos = m_dir->path() + "/Dos/";
        m_opt = m_dir->path() + "/Egenskaber/";
        QDir().mkpath(m_dos);
        QDir().mkpath(m_opt);
    }

    void gemEtOrdOgIgen()
    {
        FakeDialogs d;
        auto b = nytBibliotek(d);
        QVERIFY(b->gem("ipconfig", "Viser netværket\nlinje 2"));
        QCOMPARE(indhold(m_dos + "ipconfig.txt"), QByteArray("Viser netværket\r\nlinje 2\r\n"));
        QCOMPARE(captions(*b), QStringList{"ipconfig"});
        QCOMPARE(tekstfil::hent(m_opt + "dosfiler.txt"), (QStringList{"ipconfig", m_dos + "ipconfig.txt"}));

        d.svarNej();
        QVERIFY(!b->gem("ipconfig", "Noget andet"));
        QCOMPARE(indhold(m_dos + "ipconfig.txt"), QByteArray("Viser netværket\r\nlinje 2\r\n"));

        d.svarJa();
        QVERIFY(b->gem("ipconfig", "Ny tekst"));
        QCOMPARE(d.spoergsmaal, QStringList(2, "Filen ipconfig eksisterer allerede.\rSkal den overskrives?"));
        QCOMPARE(d.alleVist, (QList<bool>{false, false}));
        QCOMPARE(indhold(m_dos + "ipconfig.txt"), QByteArray("Ny tekst\r\n"));
        QCOMPARE(captions(*b), QStringList{"ipconfig"});
        QCOMPARE(navne(m_dos), QStringList{"ipconfig.txt"});
    }

    void kommandoSomFilnavnRundtur_data()
    {
        QTest::addColumn<QString>("kommando");
        QTest::addColumn<QString>("filnavn");   // empty: anything in the folder will do

        QTest::newRow("plain name stays") << "df -h" << "df -h.txt";
        QTest::newRow("slash") << "cat /etc/os-release | grep ID" << "cat %2Fetc%2Fos-release | grep ID.txt";
        QTest::newRow("per cent") << "date +%Y" << "date +%25Y.txt";
        QTest::newRow("dot dot") << ".." << "%2E..txt";
        QTest::newRow("300 bytes") << QString(150, QChar(0xE6)) << "";
        QTest::newRow("300 bytes with slashes") << QString(100, u'/') + QString(200, u'x') << "";
    }

    void kommandoSomFilnavnRundtur()
    {
        QFETCH(QString, kommando);
        QFETCH(QString, filnavn);
        {
            FakeDialogs d;
            auto b = nytBibliotek(d);
            QVERIFY(b->gem(kommando, "Beskrivelse af " + kommando));
            QCOMPARE(d.informationer, QStringList());
        }
        // Exactly one file, directly in the Dos folder, within the limit.
        const QStringList filer = navne(m_dos);
        QCOMPARE(filer.size(), 1);
        QVERIFY(filer.first().toUtf8().size() <= 255);
        QVERIFY(filer.first().endsWith(".txt"));
        if (!filnavn.isEmpty())
            QCOMPARE(filer.first(), filnavn);

        // Found again after a restart: the caption and its description.
        FakeDialogs d;
        auto b = nytBibliotek(d);
        QCOMPARE(captions(*b), QStringList{kommando});
        b->dosFiler()->vaelgLinje(0);
        QCOMPARE(b->valgtBeskrivelse(), std::optional<QString>("Beskrivelse af " + kommando));
        QCOMPARE(b->beskrivelsesfil(kommando), m_dos + filer.first());
    }

    void sorter_data()
    {
        QTest::addColumn<QStringList>("foer");
        QTest::addColumn<QStringList>("efter");
        QTest::addColumn<bool>("flyttet");

        QTest::newRow("equal captions keep their order") << QStringList{"b", "A", "a"} << QStringList{"A", "a", "b"}
                                                         << true;
        // By character code: å (E5), æ (E6), ø (F8), all after z.
        QTest::newRow("æøå after z, by code") << QStringList{"ø", "z", "æ", "å"} << QStringList{"z", "å", "æ", "ø"}
                                              << true;
        QTest::newRow("already sorted") << QStringList{"a", "B", "c"} << QStringList{"a", "B", "c"} << false;
    }

    void sorter()
    {
        QFETCH(QStringList, foer);
        QFETCH(QStringList, efter);
        QFETCH(bool, flyttet);
        FakeDialogs d;
        auto b = nytBibliotek(d);
        for (qsizetype i = 0; i < foer.size(); ++i) {
            // Two captions that fold alike ("A", "a") need files of their own.
            const QString fil = m_dos + QString::number(i) + ".txt";
            skrivFil(fil, "x");
            QVERIFY(b->dosFiler()->InsertItem(fil, foer.at(i)));
        }
        const QString foersteSti = b->dosFiler()->GetFilnavn(0);
        b->dosFiler()->vaelgLinje(0);
        QSignalSpy aendret(b.get(), &TDosbibliotek::raekkefoelgeAendret);

        QCOMPARE(b->sorter(), flyttet);
        QCOMPARE(captions(*b), efter);
        QCOMPARE(aendret.size(), flyttet ? 1 : 0);
        // The selection follows its entry.
        QCOMPARE(b->dosFiler()->GetFilnavn(b->dosFiler()->valgtLinje()), foersteSti);
        QCOMPARE(d.informationer, flyttet ? QStringList()
                                          : QStringList{"Listen var sorteret i forvejen.\r"
                                                        "Der blev altså ikke flyttet nogen elementer."});
    }

    void sletOgGenstartUdenGem()
    {
        {
            FakeDialogs d;
            auto b = nytBibliotek(d);
            QVERIFY(b->gem("a", "1"));
            QVERIFY(b->gem("b", "2"));
            QVERIFY(b->gem("c", "3"));
            b->dosFiler()->vaelgLinje(1);
            d.svarJa();
            QVERIFY(b->sletValgte());
            QCOMPARE(d.spoergsmaal.last(), QString("Skal kommandoen b slettes?"));
            QCOMPARE(d.alleVist.last(), false);
            QCOMPARE(captions(*b), (QStringList{"a", "c"}));
            QCOMPARE(b->dosFiler()->valgtLinje(), 1);   // the row now at the same place
            d.svarJa();
            QVERIFY(b->sletValgte());
            QCOMPARE(b->dosFiler()->valgtLinje(), 0);   // the removed one was last
            d.svarNej();
            QVERIFY(!b->sletValgte());
            QCOMPARE(captions(*b), QStringList{"a"});
        }
        // Nothing was written: the commands come back, descriptions and all.
        FakeDialogs d;
        auto b = nytBibliotek(d);
        QCOMPARE(captions(*b), (QStringList{"a", "b", "c"}));
        QCOMPARE(navne(m_dos), (QStringList{"a.txt", "b.txt", "c.txt"}));

        // The save-list button makes the change last.
        d.svarJa();
        QVERIFY(b->sletAlt());
        QVERIFY(b->gemListe());
        QCOMPARE(captions(*nytBibliotek(d)), QStringList());
    }

    void flytOpOgNed()
    {
        FakeDialogs d;
        auto b = nytBibliotek(d);
        for (const char *k : {"a", "b", "c"})
            QVERIFY(b->gem(k, "x"));
        QSignalSpy aendret(b.get(), &TDosbibliotek::raekkefoelgeAendret);
        b->dosFiler()->vaelgLinje(0);
        QVERIFY(!b->flytOp());
        QVERIFY(b->flytNed());
        QCOMPARE(captions(*b), (QStringList{"b", "a", "c"}));
        QCOMPARE(b->dosFiler()->valgtLinje(), 1);
        b->dosFiler()->vaelgLinje(2);
        QVERIFY(!b->flytNed());
        QVERIFY(b->flytOp());
        QCOMPARE(captions(*b), (QStringList{"b", "c", "a"}));
        QCOMPARE(aendret.size(), 2);
    }

    void manglendeBeskrivelse()
    {
        FakeDialogs d;
        auto b = nytBibliotek(d);
        QVERIFY(b->gem("ls", "x"));
        QFile::remove(m_dos + "ls.txt");
        b->dosFiler()->vaelgLinje(0);
        QCOMPARE(b->valgtBeskrivelse(), std::nullopt);
        QCOMPARE(d.informationer, QStringList{"Filen blev ikke fundet.\rSlet eventuelt elementet fra listen."});
        QCOMPARE(b->dosFiler()->antal(), 1);
    }

    void fuldListeErstatterDenSidste()
    {
        FakeDialogs d;
        auto b = nytBibliotek(d);
        for (int i = 0; i < 25; ++i)
            QVERIFY(b->gem("k" + QString::number(i), "x"));
        QCOMPARE(b->dosFiler()->antal(), 24);
        QCOMPARE(b->dosFiler()->GetCaption(23), QString("k24"));
    }

    void konsolmappe_data()
    {
        QTest::addColumn<QString>("editSti");
        QTest::addColumn<QString>("mappe");
        const QString rod = QDir(QDir::tempPath()).filePath("dosmappe-findes-ikke");
        QTest::newRow("a folder") << "<dir>/Dos/" << "<dir>/Dos";
        QTest::newRow("a file: its folder") << "<dir>/Dos/a b.txt" << "<dir>/Dos";
        QTest::newRow("a missing file in a folder") << "<dir>/Dos/ingen.txt" << "<dir>/Dos";
        QTest::newRow("empty: the home folder") << "" << "<home>";
        QTest::newRow("nothing there: the home folder") << "<dir>/ingen/ingen.txt" << "<home>";
    }

    void konsolmappe()
    {
        QFETCH(QString, editSti);
        QFETCH(QString, mappe);
        skrivFil(m_dos + "a b.txt", "x");
        auto udfyld = [this](QString s) {
            return s.replace("<dir>", m_dir->path()).replace("<home>", QDir::homePath());
        };
        QCOMPARE(konsoller::konsolmappe(udfyld(editSti)), udfyld(mappe));
    }

    void googleUrl()
    {
        const QString kommando = QString::fromUtf8("ls -l | grep a&b #c +d æ%");
        const QUrl url = TDosbibliotek::googleUrl(kommando);
        QCOMPARE(url.toEncoded(), QByteArray("https://www.google.com/search?q=ls%20-l%20%7C%20grep%20a%26b%20%23c%20%2Bd%20%C3%A6%25"));
        QCOMPARE(QUrlQuery(url).queryItemValue("q", QUrl::FullyDecoded), kommando);
    }
};

QTEST_GUILESS_MAIN(TestDosbibliotek)
#include "tst_dosbibliotek.moc"
