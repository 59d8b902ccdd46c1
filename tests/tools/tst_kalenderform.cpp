#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "core/datamapper.h"
#include "core/stier.h"
#include "engines/kalender/kalenderdatoer.h"
#include "engines/kalender/tdatoforskel.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "shell/tprogramfunktioner.h"
#include "shell/tvinduesstyring.h"
#include "testfiler.h"
#include "testmiljoe.h"
#include "tools/tdatofinder.h"
#include "tools/tkalenderform.h"
#include "tools/tkalendergruppe.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace kd = kalenderdatoer;

namespace {

const QString scriptMappe = QStringLiteral(MARVIKEL_SOURCE_DIR "/resources/Program/scripts/");

// The folders the window works in, below one temporary folder.
struct Mapper
{
    QTemporaryDir tmp;
    DataMapper m;

    Mapper()
    {
        m.brugerKalenderMappe = tmp.path() + "/Kalender";
        m.brugerNotatMappe = tmp.path() + "/Notater";
        m.OptMappe = tmp.path() + "/Egenskaber/";
        m.scriptDir = scriptMappe;
        for (const QString &mappe : {m.brugerKalenderMappe, m.brugerNotatMappe, m.OptMappe})
            QDir().mkpath(mappe);
    }
    QString notat(const QDate &dato) const { return m.brugerNotatMappe + "/" + kd::datotekst(dato) + ".txt"; }
};

// What the window asked of the main window.
struct Hoved
{
    QString editSti;
    QStringList visteMapper;
    QStringList kaede;
    QString kaedeMappe;
    QStringList hjaelp;
    QString valgtKalenderMappe;

    Tkalenderform::Hovedvindue forbindelse()
    {
        Tkalenderform::Hovedvindue h;
        h.editSti = [this] { return editSti; };
        h.visKalMappe = [this](const QString &mappe) { visteMapper.append(mappe); };
        h.opretKalenderStruk = [this](const QStringList &liste, const QString &mappe) {
            kaede = liste;
            kaedeMappe = mappe;
        };
        h.infoHelp = [this](const QString &side) { hjaelp.append(side); };
        h.kalenderMappeValgt = [this](const QString &mappe) { valgtKalenderMappe = mappe; };
        return h;
    }
};

template<typename T>
T *barn(const QObject *ejer, const char *navn)
{
    T *b = ejer->findChild<T *>(QLatin1String(navn));
    if (!b)
        qWarning("mangler %s", navn);
    return b;
}

void klik(const QObject *ejer, const char *navn)
{
    QAbstractButton *k = barn<QAbstractButton>(ejer, navn);
    QVERIFY(k);
    QVERIFY2(k->isEnabled(), navn);
    k->click();
}

void skrivFelter(TKalendergruppe *g, const QString &dag, const QString &maaned, const QString &aar)
{
    barn<QLineEdit>(g, "dagFelt")->setText(dag);
    barn<QLineEdit>(g, "maanedFelt")->setText(maaned);
    barn<QLineEdit>(g, "aarFelt")->setText(aar);
}

QStringList felter(TKalendergruppe *g)
{
    return {barn<QLineEdit>(g, "dagFelt")->text(), barn<QLineEdit>(g, "maanedFelt")->text(),
            barn<QLineEdit>(g, "aarFelt")->text()};
}

// A file size limit makes every write beyond `bytes` fail, as a full disk
// would; the program ignores the signal the limit would otherwise send.
class Filgraense
{
public:
    explicit Filgraense(rlim_t bytes)
    {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_gemt);
        rlimit lav = m_gemt;
        lav.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &lav);
    }
    ~Filgraense() { ::setrlimit(RLIMIT_FSIZE, &m_gemt); }

private:
    rlimit m_gemt {};
};

} // namespace

// The calendar window driven through its buttons, alone and in the frame.
class TestKalenderform : public QObject
{
    Q_OBJECT

    std::unique_ptr<Mapper> m_mapper;
    Hoved m_hoved;
    FakeDialogs m_d;

    std::unique_ptr<Tkalenderform> lavVindue(bool inde = true)
    {
        auto w = std::make_unique<Tkalenderform>(m_mapper->m, m_d, inde, m_hoved.forbindelse());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        w->FormActivate();
        return w;
    }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init()
    {
        m_mapper = std::make_unique<Mapper>();
        m_hoved = Hoved();
        m_d = FakeDialogs();
    }
    void cleanup() { m_mapper.reset(); }

    void kalenderenStarterIDag()
    {
        auto w = lavVindue();
        const QString idag = "I dag: " + kd::datotekst(QDate::currentDate());
        for (TKalendergruppe *g : {w->kalender(), w->forskel1(), w->forskel2()}) {
            QCOMPARE(g->dato(), QDate::currentDate());
            QCOMPARE(barn<QPushButton>(g, "idagKnap")->text(), idag);
            QCOMPARE(g->kalender()->firstDayOfWeek(), Qt::Monday);
        }
        QCOMPARE(w->windowTitle(), QString("Kalender"));
        QCOMPARE(barn<QLineEdit>(w.get(), "kalenderMappeFelt")->text(), m_mapper->m.brugerKalenderMappe);
        QCOMPARE(w->datofinder()->dato(0), QString("?"));
        QCOMPARE(w->datofinder()->dato(11), QString("01. Januar"));
    }

    void opdaterMedMinusFemOgMedNyDato()
    {
        auto w = lavVindue();
        TKalendergruppe *g = w->kalender();
        g->setDato(QDate(2013, 10, 15));
        skrivFelter(g, "15", "10", "-5");
        klik(g, "opdaterKnap");
        QCOMPARE(g->dato(), QDate(2013, 10, 15));
        QCOMPARE(felter(g), (QStringList{"15", "10", "-5"}));

        skrivFelter(g, "20", "11", "2014");
        klik(g, "opdaterKnap");
        QCOMPARE(g->dato(), QDate(2014, 11, 20));
        QCOMPARE(felter(g), (QStringList{"20", "11", "2014"}));

        skrivFelter(g, "x3", "", "år 2000");
        klik(g, "opdaterKnap");
        QCOMPARE(g->dato(), QDate(2000, 11, 3));
        QCOMPARE(felter(g), (QStringList{"3", "11", "2000"}));
    }

    void maanedsOgAarsknapperPaaEnDagDerIkkeFindes()
    {
        auto w = lavVindue();
        TKalendergruppe *g = w->forskel2();
        g->setDato(QDate(2024, 1, 31));
        klik(g, "naesteMaaned");
        QCOMPARE(g->dato(), QDate(2024, 2, 29));
        klik(g, "naesteAar");
        QCOMPARE(g->dato(), QDate(2025, 2, 28));
        klik(g, "forrigeMaaned");
        klik(g, "forrigeAar");
        QCOMPARE(g->dato(), QDate(2024, 1, 28));
        QCOMPARE(g->kalender()->monthShown(), 1);
        QCOMPARE(felter(g), (QStringList{"28", "1", "2024"}));
        klik(g, "idagKnap");
        QCOMPARE(g->dato(), QDate::currentDate());
    }

    void notatGemmesVisesOgSlettes()
    {
        auto w = lavVindue();
        const QDate dag(2013, 10, 30);
        w->kalender()->setDato(dag);
        QVERIFY(w->memoFilename().isEmpty());
        QVERIFY(!barn<QPushButton>(w.get(), "gemKnap")->isEnabled());
        QVERIFY(!barn<QPushButton>(w.get(), "sletKnap")->isEnabled());
        QTest::keyClicks(w->notat(), "Tandlæge");
        klik(w.get(), "gemKnap");
        QCOMPARE(testfiler::indhold(m_mapper->notat(dag)), QByteArray("Tandlæge\r\n"));
        QCOMPARE(w->memoFilename(), m_mapper->notat(dag));
        QVERIFY(!barn<QPushButton>(w.get(), "gemKnap")->isEnabled());

        w->kalender()->setDato(dag.addDays(1));
        QCOMPARE(w->notat()->toPlainText(), QString());
        QVERIFY(w->memoFilename().isEmpty());
        w->kalender()->setDato(dag);
        QCOMPARE(w->notat()->toPlainText(), QString("Tandlæge"));

        QVERIFY(testfiler::lavFil(m_mapper->notat(dag.addDays(1)), "naboen"));
        klik(w.get(), "sletKnap");
        QCOMPARE(testfiler::navne(m_mapper->m.brugerNotatMappe), QStringList{"31-10-2013.txt"});
        QCOMPARE(w->notat()->toPlainText(), QString());
        QVERIFY(w->memoFilename().isEmpty());
        QVERIFY(!barn<QPushButton>(w.get(), "sletKnap")->isEnabled());
        QVERIFY(m_d.forloeb.isEmpty());

        klik(w.get(), "notatmappeKnap");
        QCOMPARE(m_hoved.visteMapper, QStringList{m_mapper->m.brugerNotatMappe});
    }

    void aendretNotatVedDagskift_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::newRow("Ja gemmer") << true;
        QTest::newRow("Nej kasserer") << false;
    }
    void aendretNotatVedDagskift()
    {
        QFETCH(bool, ja);
        auto w = lavVindue();
        const QDate dag(2013, 10, 30);
        w->kalender()->setDato(dag);
        QTest::keyClicks(w->notat(), "Husk");
        ja ? m_d.svarJa() : m_d.svarNej();
        w->kalender()->setDato(dag.addDays(7));
        QCOMPARE(m_d.spoergsmaal, QStringList{"Dagens notater for 30-10-2013 er ændret.\rSkal de gemmes?"});
        QCOMPARE(w->kalender()->dato(), dag.addDays(7));
        QCOMPARE(w->notat()->toPlainText(), QString());
        QCOMPARE(QFileInfo::exists(m_mapper->notat(dag)), ja);
        if (ja)
            QCOMPARE(testfiler::indhold(m_mapper->notat(dag)), QByteArray("Husk\r\n"));
        QVERIFY(!QFileInfo::exists(m_mapper->notat(dag.addDays(7))));
    }

    void notatDerIkkeKanGemmesBliverIFeltet()
    {
        auto w = lavVindue();
        const QDate dag(2013, 10, 30);
        QVERIFY(testfiler::lavFil(m_mapper->notat(dag), "gammel\r\n"));
        w->kalender()->setDato(dag);
        QCOMPARE(w->notat()->toPlainText(), QString("gammel"));
        const QString ny = QString(8000, QLatin1Char('n'));
        w->notat()->selectAll();
        QTest::keyClicks(w->notat(), "x");
        w->notat()->insertPlainText(ny);
        {
            Filgraense graense(1024);
            klik(w.get(), "gemKnap");
            QCOMPARE(m_d.informationer.size(), 1);
            QVERIFY(m_d.informationer[0].startsWith("Dagens notater kunne ikke gemmes i:\r" + m_mapper->notat(dag)));
            // Moving on asks; the save fails again, and the day stays.
            m_d.svarJa();
            w->kalender()->setDato(dag.addDays(1));
            QCOMPARE(m_d.spoergsmaal.size(), 1);
            QCOMPARE(m_d.informationer.size(), 2);
            QCOMPARE(w->kalender()->dato(), dag);
            QCOMPARE(felter(w->kalender()), (QStringList{"30", "10", "2013"}));
        }
        QCOMPARE(w->notat()->toPlainText(), "x" + ny);
        QVERIFY(barn<QPushButton>(w.get(), "gemKnap")->isEnabled());
        QCOMPARE(testfiler::indhold(m_mapper->notat(dag)), QByteArray("gammel\r\n"));
        QCOMPARE(testfiler::navne(m_mapper->m.brugerNotatMappe), QStringList{"30-10-2013.txt"});

        // With room again the text is saved whole.
        klik(w.get(), "gemKnap");
        QCOMPARE(testfiler::indhold(m_mapper->notat(dag)), ("x" + ny + "\r\n").toUtf8());
    }

    void lukningMedAendretNotatSpoerger()
    {
        auto w = lavVindue();
        w->show();
        w->kalender()->setDato(QDate(2020, 5, 1));
        QTest::keyClicks(w->notat(), "sidste ord");
        m_d.svarJa();
        QVERIFY(w->close());
        QCOMPARE(m_d.spoergsmaal.size(), 1);
        QCOMPARE(testfiler::indhold(m_mapper->notat(QDate(2020, 5, 1))), QByteArray("sidste ord\r\n"));
    }

    void datomappeOgKalendermappe()
    {
        auto w = lavVindue();
        m_hoved.editSti = m_mapper->tmp.path() + "/ingen";
        klik(w.get(), "indsaetKnap");
        QVERIFY(testfiler::lavFil(m_mapper->tmp.path() + "/fil.txt"));
        m_hoved.editSti = m_mapper->tmp.path() + "/fil.txt";
        klik(w.get(), "indsaetKnap");
        QCOMPARE(m_d.informationer, (QStringList{"Der skal være valgt en mappe.", "Der skal være valgt en mappe."}));
        QCOMPARE(w->kalenderMappe(), m_mapper->m.brugerKalenderMappe);

        const QString valgt = m_mapper->tmp.path() + "/Mine datoer";
        QDir().mkpath(valgt);
        m_hoved.editSti = valgt + "/";
        klik(w.get(), "indsaetKnap");
        QCOMPARE(w->kalenderMappe(), valgt);
        QCOMPARE(barn<QLineEdit>(w.get(), "kalenderMappeFelt")->text(), valgt);
        QCOMPARE(m_hoved.valgtKalenderMappe, valgt);

        w->kalender()->setDato(QDate(2013, 10, 30));
        klik(w.get(), "mappeKnap");
        const QString dagsmappe = valgt + "/2013/10 Oktober/30 Onsdag";
        QVERIFY(QFileInfo(dagsmappe).isDir());
        QCOMPARE(m_hoved.kaedeMappe, dagsmappe);
        QCOMPARE(m_hoved.kaede.mid(1), (QStringList{valgt, valgt + "/2013", valgt + "/2013/10 Oktober", dagsmappe}));

        klik(w.get(), "visKalenderMappeKnap");
        QCOMPARE(m_hoved.visteMapper, QStringList{valgt});
        QCOMPARE(m_d.informationer.size(), 2);
    }

    void datoforskelIVinduet()
    {
        auto w = lavVindue();
        w->datoforskel()->setInterval(10);
        w->forskel1()->setDato(QDate(2024, 1, 31));
        w->forskel2()->setDato(QDate(2024, 2, 29));
        klik(w.get(), "beregnKnap");
        QTRY_COMPARE(barn<QLineEdit>(w.get(), "forskelFelt")->text(), QString("0 år, 1 måned samt 0 dage."));
        QCOMPARE(barn<QLineEdit>(w.get(), "dageIaltFelt")->text(), QString("29 dage ialt."));

        // The fields' texts are what is computed; a day that does not exist
        // is refused and the old result is gone.
        skrivFelter(w->forskel2(), "30", "2", "2024");
        klik(w.get(), "beregnKnap");
        QCOMPARE(barn<QLineEdit>(w.get(), "forskelFelt")->text(), QString());
        QCOMPARE(m_d.informationer,
                 QStringList{"Datoen \"30-2-2024\" er ikke en gyldig dato.\rRet dag, måned og år og prøv igen."});
    }

    void datoforskelUdenScript()
    {
        m_mapper->m.scriptDir = m_mapper->tmp.path() + "/";
        auto w = lavVindue();
        klik(w.get(), "beregnKnap");
        QCOMPARE(m_d.informationer, QStringList{"Der mangler en fil!"});
        QVERIFY(!w->datoforskel()->venter());
    }

    void findDatoer()
    {
        auto w = lavVindue();
        TDatofinder *f = w->datofinder();
        const QString iAar = QString::number(QDate::currentDate().year());
        QCOMPARE(barn<QLineEdit>(f, "aarFelt")->text(), iAar);
        klik(f, "findKnap");
        QCOMPARE(f->titel(), "Datoer: " + iAar);
        QCOMPARE(f->dato(2), kd::findDatoer(iAar.toInt())[2].dato);

        barn<QLineEdit>(f, "aarFelt")->setText("2013");
        klik(f, "findKnap");
        QCOMPARE(f->titel(), QString("Datoer: 2013"));
        QCOMPARE(f->caption(5), QString("Kristi himmelfartsdag: "));
        QCOMPARE(f->dato(5), QString("9.  Maj - Torsdag "));
        QVERIFY(f->hint(4).isEmpty());

        klik(f, "etFrem");
        klik(f, "tiFrem");
        QCOMPARE(barn<QLineEdit>(f, "aarFelt")->text(), QString("2024"));
        klik(f, "findKnap");
        QCOMPARE(f->hint(4), QString("Store bededag er ikke længere en helligdag fra og med 2024."));
        klik(f, "nuKnap");
        QCOMPARE(barn<QLineEdit>(f, "aarFelt")->text(), iAar);
        QVERIFY(!barn<QPushButton>(f, "nuKnap")->isEnabled());

        barn<QLineEdit>(f, "aarFelt")->setText("5");
        klik(f, "tiTilbage");
        QCOMPARE(barn<QLineEdit>(f, "aarFelt")->text(), QString("1"));
        barn<QLineEdit>(f, "aarFelt")->setText("-3");
        klik(f, "findKnap");
        QCOMPARE(m_d.informationer, QStringList{"Året skal være et tal fra 1 til 9999."});
        QCOMPARE(f->titel(), QString("Datoer: 2024"));
        w->FormActivate();   // every activation empties the title line
        QCOMPARE(f->titel(), QString());
    }

    void eksterntVindue()
    {
        QVERIFY(testfiler::lavFil(m_mapper->m.OptMappe + "kalender.txt", "-5000\r\n-5000\r\n"));
        {
            auto w = lavVindue(false);
            QCOMPARE(w->minimumSize(), QSize(940, 550));
            QCOMPARE(w->maximumSize(), QSize(940, 550));
            QVERIFY(w->isWindow());
            const QRect skaerm = QGuiApplication::primaryScreen()->availableGeometry();
            QVERIFY(skaerm.contains(w->pos()));
            QVERIFY(barn<QToolButton>(w.get(), "infoKnap")->isVisibleTo(w.get()));
            klik(w.get(), "infoKnap");
            QCOMPARE(m_hoved.hjaelp, QStringList{"Kalender.html"});
            w->show();
            w->move(skaerm.topLeft() + QPoint(3, 4));
            QVERIFY(w->close());
            const QPoint p = skaerm.topLeft() + QPoint(3, 4);
            QCOMPARE(testfiler::indhold(m_mapper->m.OptMappe + "kalender.txt"),
                     QStringLiteral("%1\r\n%2\r\n").arg(p.x()).arg(p.y()).toUtf8());
        }
        auto inde = lavVindue(true);
        QVERIFY(!barn<QToolButton>(inde.get(), "infoKnap")->isVisibleTo(inde.get()));
    }

    void iRammen()
    {
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        TBoernevinduer *b = w.boernevinduer();
        QAction *visKalender = w.kommando("visKalender");
        QVERIFY(visKalender->isEnabled());
        QCOMPARE(visKalender->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_7));
        visKalender->trigger();
        auto *k = qobject_cast<Tkalenderform *>(b->styring()->vaerktoej(Vinduesart::Kalender));
        QVERIFY(k);
        QVERIFY(k->showInternt());
        QVERIFY(b->aabningsvalg()->erLaast(Vinduesart::Kalender));
        const QTabBar *tc = w.findChild<QTabBar *>("tc");
        QTRY_COMPARE(tc->tabText(tc->currentIndex()), QString("Kalender"));
        visKalender->trigger();   // the single instance is shown again
        int antal = 0;
        for (QWidget *barn : b->styring()->boern())
            antal += vinduesart(barn) == Vinduesart::Kalender ? 1 : 0;
        QCOMPARE(antal, 1);

        // The date folder shows in an explorer window, the chain in its tree.
        k->kalender()->setDato(QDate(2013, 10, 30));
        klik(k, "mappeKnap");
        const QString dagsmappe = w.mapper().brugerKalenderMappe + "/2013/10 Oktober/30 Onsdag";
        QVERIFY(QFileInfo(dagsmappe).isDir());
        Twinform *sf = b->aktivStifinder();
        QVERIFY(sf);
        QCOMPARE(stier::udenSkraastreg(sf->aktuelleSti()), dagsmappe);

        // A calendar folder that went away is reported.
        const QString valgt = hjem.sti() + "/Væk";
        QDir().mkpath(valgt);
        b->visKalMappe(valgt);
        QCOMPARE(stier::udenSkraastreg(sf->aktuelleSti()), valgt);
        QDir(valgt).removeRecursively();
        b->visKalMappe(valgt);
        QCOMPARE(d.informationer, QStringList{"Der opstod en fejl.\rVigtige mapper er muligvist blevet slettet."});

        // Closing inside the frame asks for a changed note too.
        b->styring()->visBarn(k);
        QTest::keyClicks(k->notat(), "fra rammen");
        d.svarJa();
        klik(k, "lukKnap");
        QCOMPARE(d.spoergsmaal, QStringList{"Dagens notater for 30-10-2013 er ændret.\rSkal de gemmes?"});
        QCOMPARE(testfiler::indhold(w.mapper().brugerNotatMappe + "/30-10-2013.txt"), QByteArray("fra rammen\r\n"));
        QTRY_VERIFY(!b->styring()->vaerktoej(Vinduesart::Kalender));
        QVERIFY(!b->aabningsvalg()->erLaast(Vinduesart::Kalender));
        for (int i = 0; i < tc->count(); ++i)
            QVERIFY(tc->tabText(i) != "Kalender");
    }
};

QTEST_MAIN(TestKalenderform)
#include "tst_kalenderform.moc"
