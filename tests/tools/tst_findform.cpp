#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "engines/tekstsoegning/tfundmodel.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "shell/tvinduesstyring.h"
#include "testfiler.h"
#include "testmiljoe.h"
#include "tools/tfindform.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

using namespace testfiler;

// The text search window driven as a user would: its type list, a search
// of a folder, the result list's commands and what it takes from the main
// window.
class TestFindform : public QObject
{
    Q_OBJECT

    struct Miljoe
    {
        QTemporaryDir dir;
        FakeDialogs d;
        QString editSti;
        QString program;
        QStringList aabnet;        // "rediger|fil" or "aabn|fil"
        QStringList medProgram;
        QStringList vist;
        std::unique_ptr<Tfindform> f;

        QString opt() const { return dir.path() + "/Egenskaber/"; }

        explicit Miljoe(bool inde = true)
        {
            QDir().mkpath(opt());
            Tfindform::Hovedvindue h;
            h.editSti = [this] { return editSti; };
            h.exeProgram = [this] { return program; };
            h.aabnFil = [this](const QString &fil, bool rediger) {
                aabnet.append((rediger ? "rediger|" : "aabn|") + fil);
                return 42;
            };
            h.aabnMedProgram = [this](const QString &p, const QStringList &filer) {
                medProgram = QStringList{p} + filer;
            };
            h.visIStifinder = [this](const QString &fil) { vist.append(fil); };
            f = std::make_unique<Tfindform>(d, inde, opt(), h);
            f->show();
        }
    };

    static void vaelgRaekker(Tfindform &f, const QList<int> &raekker)
    {
        f.resultatliste()->selectionModel()->clearSelection();
        for (int r : raekker)
            f.resultatliste()->selectionModel()->select(f.fund()->index(r, 0),
                                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

private slots:
    void initTestCase() { saetDanskLocale(); }

    void typelisteOgFilterboks()
    {
        Miljoe m;
        Tfindform &f = *m.f;
        QCOMPARE(tekstfil::hent(m.opt() + "Filtertyper.txt").size(), 36);
        QCOMPARE(f.typeliste()->topLevelItemCount(), 12);
        QCOMPARE(f.filterboks()->count(), 11);
        QCOMPARE(f.filterboks()->itemText(10), QString("Tekstfil (*.txt)"));
        QVERIFY(!f.kommando("Gem")->isEnabled());

        QVERIFY(f.ErExtListet("*.TXT"));
        QCOMPARE(f.filterboks()->currentIndex(), 10);
        f.filterboks()->setCurrentIndex(2);
        QVERIFY(!f.ErExtListet("*.ps1"));   // unchecked: the box is left alone
        QCOMPARE(f.filterboks()->currentIndex(), 2);

        // Inserting by the rule, Enter in "Type"; "Gem" writes and rebuilds.
        QTest::keyClicks(f.tekstFelt(), "Store");
        QTest::keyClicks(f.typeFelt(), "TXT");
        QTest::keyClick(f.typeFelt(), Qt::Key_Return);
        QCOMPARE(f.typer().last(), (Filtype{"Store", "*.TXT", true}));
        QVERIFY(f.tekstFelt()->text().isEmpty() && f.typeFelt()->text().isEmpty());
        QVERIFY(f.kommando("Gem")->isEnabled());
        f.kommando("Gem")->trigger();
        QCOMPARE(tekstfil::hent(m.opt() + "Filtertyper.txt").mid(36), (QStringList{"Store", "*.TXT", "1"}));
        QCOMPARE(f.filterboks()->count(), 12);
        QVERIFY(!f.kommando("Gem")->isEnabled());

        // "Slet valgte" with nothing selected, then with the new entry.
        f.kommando("SletValgte")->trigger();
        QCOMPARE(m.d.informationer, QStringList{"Der er ikke valgt en filtype!"});
        f.typeliste()->setCurrentItem(f.typeliste()->topLevelItem(12));
        m.d.svarJa();
        f.kommando("SletValgte")->trigger();
        QCOMPARE(m.d.spoergsmaal, QStringList{"Skal filtypen:\rStore\rslettes permanent?"});
        QCOMPARE(f.typeliste()->topLevelItemCount(), 12);

        // "Flyt valgte op": the entry trades places, nothing stays selected.
        f.typeliste()->setCurrentItem(f.typeliste()->topLevelItem(1));
        f.kommando("FlytOp")->trigger();
        QCOMPARE(f.typer().first().tekst, QString("ASP"));
        QVERIFY(!f.kommando("FlytOp")->isEnabled());
    }

    void soegOgFjern()
    {
        Miljoe m;
        Tfindform &f = *m.f;
        const QString mappe = m.dir.path() + "/dok";
        QVERIFY(lavFil(mappe + "/a.txt", "hej og hej"));
        QVERIFY(QFile::link("/proc/self/mem", mappe + "/b.txt"));
        QVERIFY(lavFil(mappe + "/c.txt", "Hej\r\nigen hej"));
        QVERIFY(lavFil(mappe + "/d.log", "hej"));
        f.setMappe(mappe);
        QVERIFY(f.ErExtListet("*.txt"));
        QVERIFY(!f.kommando("FindIBibliotek")->isEnabled());
        f.soegeboks()->setEditText("hej");
        QVERIFY(f.kommando("FindIBibliotek")->isEnabled());
        QTest::keyClick(f.soegeboks()->lineEdit(), Qt::Key_Return);

        QStringList raekker;
        for (int i = 0; i < f.fund()->antal(); ++i)
            raekker.append(QFileInfo(f.fund()->raekke(i).dokument).fileName() + "|"
                           + QString::number(f.fund()->raekke(i).position));
        raekker.sort();
        QCOMPARE(raekker, (QStringList{"a.txt|0", "a.txt|7", "c.txt|0", "c.txt|9"}));
        QCOMPARE(f.fundneTekst(), QString("4 (1 dokument kunne ikke læses)"));
        QCOMPARE(f.soegeboks()->count(), 1);
        QCOMPARE(f.soegeboks()->itemText(0), QString("hej"));

        // One row: Find, Kør, Åben; double click opens for editing.
        vaelgRaekker(f, {1});
        const QString dok = f.fund()->raekke(1).dokument;
        QVERIFY(f.kommando("Find")->isEnabled());
        f.kommando("Find")->trigger();
        QCOMPARE(m.vist, QStringList{dok});
        f.kommando("Koer")->trigger();
        emit f.resultatliste()->doubleClicked(f.fund()->index(1, 0));
        QCOMPARE(m.aabnet, (QStringList{"aabn|" + dok, "rediger|" + dok}));

        // "Åben alle" asks first and passes the existing documents.
        QVERIFY(!f.kommando("AabenAlle")->isEnabled());
        m.program = "/usr/bin/redigering";
        vaelgRaekker(f, {0, 1});
        f.opdaterKommandoer();
        m.d.svarJa();
        f.kommando("AabenAlle")->trigger();
        QCOMPARE(m.d.spoergsmaal.last(), QString("Der er 2 dokumenter i listen.\rDe forsøges åbnet med valgte program:\r"
                                                 "redigering\rSkal de alle åbnes?"));
        QCOMPARE(m.medProgram, (QStringList{"/usr/bin/redigering", f.fund()->raekke(0).dokument, dok}));

        // Removing the last row selects the new last; the count follows.
        vaelgRaekker(f, {3});
        f.kommando("FjernValgte")->trigger();
        QCOMPARE(f.fund()->antal(), 3);
        QCOMPARE(f.fundneTekst(), QString("3"));
        QCOMPARE(f.resultatliste()->selectionModel()->selectedRows().value(0).row(), 2);
        f.kommando("RydListen")->trigger();
        QCOMPARE(f.fund()->antal(), 0);
        QCOMPARE(f.fundneTekst(), QString("0"));
        QVERIFY(f.soegeboks()->currentText().isEmpty());
    }

    void beskederVedAktivering()
    {
        Miljoe m;
        Tfindform &f = *m.f;
        const QString mappe = m.dir.path() + "/dok";
        QVERIFY(lavFil(mappe + "/a.txt", "x"));
        QVERIFY(lavFil(mappe + "/a.xyz", "x"));

        m.editSti = mappe;
        f.hentMappeFraHovedvindue();
        QCOMPARE(m.d.informationer,
                 QStringList{"Der er ikke registreret en filtype.\rBestem hvilken filtype, der skal søges i."});
        QCOMPARE(f.Mappe(), mappe + "/");
        QCOMPARE(f.bog()->currentIndex(), int(Tfindform::SideSoeg));
        // Coming back to the same element asks nothing again.
        f.hentMappeFraHovedvindue();
        QCOMPARE(m.d.informationer.size(), 1);

        m.editSti = mappe + "/a.xyz";
        f.hentMappeFraHovedvindue();
        QCOMPARE(m.d.informationer.last(), QString("Filtypen er ikke registreret.\r"
                                                   "Du må selv registrere filtypen, hvis der er tale om en tekstfil."));
        QCOMPARE(f.bog()->currentIndex(), int(Tfindform::SideFiltre));

        m.editSti = mappe + "/a.txt";
        f.hentMappeFraHovedvindue();
        QCOMPARE(m.d.informationer.size(), 2);
        QCOMPARE(f.bog()->currentIndex(), int(Tfindform::SideSoeg));
        QCOMPARE(f.filterboks()->currentText(), QString("Tekstfil (*.txt)"));

        f.filValgt(mappe + "/findes-ikke.txt");
        QVERIFY(m.d.informationer.last().startsWith("Der skal være valgt en tekstfiltype.\r"));
        f.filValgt(mappe + "/a.xyz");
        QVERIFY(m.d.informationer.last().startsWith("Filtypen *.xyz er ikke registreret.\r"));
    }

    void udenforRammenHuskerSted()
    {
        QString opt;
        {
            Miljoe m(false);
            opt = m.opt();
            m.f->move(100, 120);
            m.f->resize(700, 500);
            m.f->filterboks()->setCurrentIndex(3);
            QVERIFY(m.f->close());
            QCOMPARE(tekstfil::hent(opt + "Findoptions.txt").value(4), QString("3"));
            QCOMPARE(tekstfil::hent(opt + "Findoptions.txt").value(3), QString("700"));
        }
    }

    void fraHovedvinduet()
    {
        MidlertidigHjem hjem;
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(w.kommando("findTekst")->isEnabled());
        w.kommando("findTekst")->trigger();
        const QTabBar *tc = w.findChild<QTabBar *>("tc");
        QStringList faner;
        for (int i = 0; i < tc->count(); ++i)
            faner.append(tc->tabText(i));
        QVERIFY(faner.contains("Find tekst"));
        auto *f = qobject_cast<Tfindform *>(w.boernevinduer()->styring()->vaerktoej(Vinduesart::FindTekst));
        QVERIFY(f);
        // A second command shows the same window.
        w.kommando("findTekst")->trigger();
        QCOMPARE(w.boernevinduer()->styring()->vaerktoej(Vinduesart::FindTekst), f);

        // "Søg" needs a document selected in an explorer's file tree.
        w.kommando("aVisStifinder")->trigger();
        w.opdaterKommandoer();
        QVERIFY(w.kommando("aFindDoc")->isEnabled());
        w.kommando("aFindDoc")->trigger();
        QVERIFY(d.informationer.last().startsWith("Der skal være valgt en tekstfiltype.\r"));
    }
};

QTEST_MAIN(TestFindform)
#include "tst_findform.moc"
