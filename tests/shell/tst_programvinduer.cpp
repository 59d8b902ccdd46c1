#include "engines/tmenuexefiler.h"
#include "engines/tstarter.h"
#include "fakedialogs.h"
#include "platform/tekstfil.h"
#include "shell/tprogform.h"
#include "shell/tprogramboks.h"
#include "shell/tprogrammenu.h"
#include "skaerme.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>
#include <QScreen>
#include <QtTest>

using namespace testfiler;

// The programs menu, the programs box and the program insertion window,
// driven as a user would, over a program list of fake programs.
class TestProgramvinduer : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;
    QString m_rod;
    QString m_log;
    QString m_opt;

    QString program(const QString &navn)
    {
        return skrivLogprogram(m_rod + "/programmer/" + navn, m_log, "\"" + navn.toUtf8() + "\"");
    }

    QStringList logLinjer() { return tekstlinjer(m_log); }

    struct Miljoe
    {
        FakeDialogs d;
        TStarter starter{d};
        TMenuExeFiler liste;
        explicit Miljoe(const QString &fil) : liste(fil, starter, d) {}
    };

    std::unique_ptr<Miljoe> miljoe(const QStringList &programmer)
    {
        auto m = std::make_unique<Miljoe>(m_opt + "ProgItem.txt");
        for (const QString &p : programmer)
            m->liste.InsertItem(program(p), p.toUpper(), {}, 1);
        return m;
    }

    TProgform::Hovedvindue hoved(const QString &editSti, QAction *stifinder = nullptr, QStringList *sider = nullptr)
    {
        TProgform::Hovedvindue h;
        h.editSti = [editSti] { return editSti; };
        h.aVisStifinder = stifinder;
        h.infoHelp = [sider](const QString &s) {
            if (sider)
                sider->append(s);
        };
        return h;
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hjem = std::make_unique<MidlertidigHjem>();
        m_rod = m_hjem->sti();
        m_log = m_rod + "/log.txt";
        m_opt = m_rod + "/Egenskaber/";
    }

    void init()
    {
        QFile::remove(m_log);
        QDir(m_opt).removeRecursively();
        QDir().mkpath(m_opt);
    }

    void menuBrydesIKolonnerAf16()
    {
        QStringList navne;
        for (int i = 1; i <= 21; ++i)
            navne << QString("p%1").arg(i);
        auto m = miljoe(navne);
        QFile::remove(m_rod + "/programmer/p5");   // no item for a missing program
        QMenu menu;
        TProgrammenu pm(&menu, m->liste);
        const QList<QPushButton *> punkter = pm.punkter();
        QCOMPARE(punkter.size(), 20);
        auto *gitter = qobject_cast<QGridLayout *>(punkter.first()->parentWidget()->layout());
        QVERIFY(gitter);
        auto kolonne = [&](QPushButton *k) {
            int r, c, rs, cs;
            gitter->getItemPosition(gitter->indexOf(k), &r, &c, &rs, &cs);
            return c;
        };
        for (int k = 0; k < 20; ++k)
            QCOMPARE(kolonne(punkter[k]), k < 16 ? 0 : 2);
        // A bar stands between the two columns.
        QCOMPARE(punkter.first()->parentWidget()->findChildren<QFrame *>().size(), 1);
        // Item 17 is record 17 (p18), since p5 has no item.
        QCOMPARE(punkter[16]->property("post").toInt(), 17);
        QCOMPARE(punkter[16]->text(), QString("P18"));

        // Keys move through the grid as through a menu.
        menu.popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        punkter[15]->setFocus();
        QTest::keyClick(punkter[15], Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), punkter[16]);
        QTest::keyClick(punkter[16], Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), punkter[0]);
        QTest::keyClick(punkter[0], Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget(), punkter[16]);

        // Enter starts the program and closes the menu.
        QTest::keyClick(punkter[16], Qt::Key_Return);
        QTRY_COMPARE(logLinjer(), QStringList{"[p18]"});
        QVERIFY(!menu.isVisible());
    }

    void menuFoelgerListen()
    {
        auto m = miljoe({"a", "b"});
        QMenu menu;
        TProgrammenu pm(&menu, m->liste);
        QCOMPARE(pm.punkter().size(), 2);
        QFile::remove(m_rod + "/programmer/a");
        m->liste.klik(0);   // missing: removed with its message
        QCOMPARE(m->d.informationer, QStringList{"A blev ikke fundet.\rDet vil blive slettet fra listen."});
        QCOMPARE(pm.punkter().size(), 1);
        QCOMPARE(pm.punkter().first()->text(), QString("B"));
        m->liste.DeleteItem(0);
        QVERIFY(pm.punkter().isEmpty());
        QVERIFY(menu.actions().isEmpty());
    }

    void programboksen()
    {
        auto m = miljoe({"a", "b", "c"});
        QFile::remove(m_rod + "/programmer/b");
        m->liste.OnParam = [] { return QStringList{"/valgt fil.txt"}; };
        TProgramboks boks(m->liste);
        QListWidget *liste = boks.programBox();
        // Every record is listed, a missing program too.
        QCOMPARE(liste->count(), 3);
        QVERIFY(!boks.progOpen2()->isEnabled());
        QCOMPARE(boks.programLabel()->text(), QString("Valgte program"));

        boks.show();
        QVERIFY(QTest::qWaitForWindowExposed(&boks));
        const QRect r = liste->visualItemRect(liste->item(2));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(m->liste.exeProgram(), m_rod + "/programmer/c");
        QCOMPARE(boks.programLabel()->text(), QString("C"));
        QVERIFY(boks.progOpen2()->isEnabled());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, r.center());
        QTRY_COMPARE(logLinjer(), QStringList{"[c][/valgt fil.txt]"});
        boks.progOpen2()->trigger();
        QTRY_COMPARE(logLinjer().size(), 2);

        QSignalSpy skiftet(&boks, &TProgramboks::visningSkiftet);
        boks.findChildren<QRadioButton *>().at(1)->click();
        QCOMPARE(skiftet.count(), 1);
        QCOMPARE(boks.visning(), 1);
        QCOMPARE(liste->viewMode(), QListView::IconMode);
        boks.setVisning(7);   // an unknown index from a damaged settings file
        QCOMPARE(boks.visning(), 0);
        QCOMPARE(liste->viewMode(), QListView::ListMode);

        QSignalSpy indfoer(&boks, &TProgramboks::indfoer);
        boks.ProgInsert2()->trigger();
        QCOMPARE(indfoer.count(), 1);
    }

    void kommandoregler_data()
    {
        QTest::addColumn<QString>("kommando");
        QTest::addColumn<int>("valgt");
        QTest::addColumn<bool>("spoerger");
        QTest::addColumn<bool>("aktiv");
        // Three programs, three rows, program 1 chosen.
        QTest::newRow("up from the first row") << "AFlytOp" << 0 << false << false;
        QTest::newRow("up from the second row") << "AFlytOp" << 1 << false << true;
        QTest::newRow("down from the last row") << "AFlytNed" << 2 << false << false;
        QTest::newRow("down with no row") << "AFlytNed" << -1 << false << false;
        QTest::newRow("remove while asking") << "ADelprog" << 1 << true << false;
        QTest::newRow("remove") << "ADelprog" << 1 << false << true;
    }

    void kommandoregler()
    {
        QFETCH(QString, kommando);
        QFETCH(int, valgt);
        QFETCH(bool, spoerger);
        QFETCH(bool, aktiv);
        TProgform::Tilstand t;
        t.antalProgrammer = 3;
        t.antalRaekker = 3;
        t.valgtRaekke = valgt;
        t.SletNr = 1;
        t.spoerger = spoerger;
        QCOMPARE(TProgform::aktiv(kommando, t), aktiv);
    }

    void programIndfoeresFraAktuelleElement()
    {
        auto m = miljoe({});
        const QString ny = program("ny");
        TProgform form(m->liste, m->d, true, m_opt, hoved(ny));
        QSignalSpy side(&form, &TProgform::visProgramside);
        form.show();
        auto *filEdit = form.findChild<QLineEdit *>("filEdit");
        auto *capEdit = form.findChild<QLineEdit *>("CapEdit");
        QCOMPARE(filEdit->text(), ny);   // taken over at first show
        QVERIFY(!form.kommando("aInsertProgram")->isEnabled());
        capEdit->setText("Min editor");
        form.findChild<QCheckBox *>("maxTekstCheck")->setChecked(true);
        QVERIFY(form.kommando("aInsertProgram")->isEnabled());
        form.kommando("aInsertProgram")->trigger();
        QCOMPARE(m->liste.antal(), 1);
        QCOMPARE(tekstfil::hent(m_opt + "ProgItem.txt"), (QStringList{"1", "Min editor", ny, "", "3"}));
        QCOMPARE(form.findChild<QLabel *>("addText")->text(), QString("Min editor"));
        QVERIFY(filEdit->text().isEmpty() && capEdit->text().isEmpty());
        QCOMPARE(side.count(), 1);
        QVERIFY(m->d.informationer.isEmpty());
    }

    void indfoerslenAfvises_data()
    {
        QTest::addColumn<QString>("fil");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("besked");
        QTest::newRow("no file name") << "" << "X" << "Der mangler et filnavn!";
        QTest::newRow("file gone") << "/programmer/borte" << "X"
                                   << "Filen: %1/programmer/borte\rkunne ikke findes!";
        QTest::newRow("no caption") << "/programmer/ny" << "   " << "Der mangler en menu tekst!";
        QTest::newRow("already registered") << "/programmer/a" << "X" << "Programmet er allerede indført!";
    }

    void indfoerslenAfvises()
    {
        QFETCH(QString, fil);
        QFETCH(QString, caption);
        QFETCH(QString, besked);
        auto m = miljoe({"a"});
        program("ny");
        TProgform form(m->liste, m->d, true, m_opt, hoved({}));
        // The fields are read-only to the user; the window fills them.
        form.findChild<QLineEdit *>("filEdit")->setText(fil.isEmpty() ? fil : m_rod + fil);
        form.findChild<QLineEdit *>("CapEdit")->setText(caption);
        // The rule would keep the button disabled; the handler still guards.
        QMetaObject::invokeMethod(&form, [&] {
            form.kommando("aInsertProgram")->setEnabled(true);
            form.kommando("aInsertProgram")->trigger();
        });
        QCOMPARE(m->d.informationer, QStringList{besked.contains("%1") ? besked.arg(m_rod) : besked});
        QCOMPARE(m->liste.antal(), 1);
    }

    void kunProgrammerKanVaelges()
    {
        auto m = miljoe({});
        const QString tekst = m_rod + "/noter.EXE";
        QFile f(tekst);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("ikke et program");
        f.close();
        QAction stifinder("Stifinder");
        QSignalSpy vist(&stifinder, &QAction::triggered);
        TProgform form(m->liste, m->d, true, m_opt, hoved(tekst, &stifinder));
        form.show();
        QVERIFY(form.findChild<QLineEdit *>("filEdit")->text().isEmpty());
        form.kommando("aExeFile")->trigger();
        QCOMPARE(m->d.informationer, QStringList{"Der skal være valgt en programfil i Filstrukturen.\r"
                                                 "Vælg en sådan og prøv igen."});
        QCOMPARE(vist.count(), 1);
    }

    void flytningGemmesVedLukning()
    {
        auto m = miljoe({"a", "b", "c"});
        QVERIFY(m->liste.GemProgrammer());
        {
            TProgform form(m->liste, m->d, true, m_opt, hoved({}));
            form.show();
            QVERIFY(!form.kommando("AFlytOp")->isEnabled());
            form.kommando("visProgrammer")->trigger();
            QCOMPARE(form.findChild<QLabel *>("progInfLabel")->text(), QString("3 programmer"));
            auto *liste = form.findChild<QTreeWidget *>("programListe");
            liste->setCurrentItem(liste->topLevelItem(2));
            form.kommando("AFlytOp")->trigger();
            form.kommando("AFlytOp")->trigger();
            QCOMPARE(liste->currentItem()->text(0), QString("C"));
            QVERIFY(form.listeForandret());
            QVERIFY(form.kommando("AGem")->isEnabled());
            QVERIFY(!form.kommando("AFlytOp")->isEnabled());
            // Showing the list again keeps the pending move.
            form.kommando("visProgrammer")->trigger();
            form.close();
        }
        const QStringList linjer = tekstfil::hent(m_opt + "ProgItem.txt");
        QCOMPARE((QStringList{linjer.value(1), linjer.value(5), linjer.value(9)}), (QStringList{"C", "A", "B"}));
    }

    void fjernelseMedSpoergsmaalIVinduet()
    {
        auto m = miljoe({"a", "b"});
        m->liste.vaelgProgram(0);   // A is active; removing B clears it all the same
        QSignalSpy info(&m->liste, &TMenuExeFiler::infoProg);
        TProgform form(m->liste, m->d, true, m_opt, hoved({}));
        form.show();
        form.kommando("visProgrammer")->trigger();
        auto *liste = form.findChild<QTreeWidget *>("programListe");
        liste->show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->topLevelItem(1)).center());
        QCOMPARE(form.SletNr(), 1);
        QCOMPARE(form.findChild<QLineEdit *>("fileText")->text(), QString("B"));
        QCOMPARE(form.findChild<QLineEdit *>("placeringEdit")->text(), m_rod + "/programmer/b");

        auto *spm = form.findChild<QLabel *>("spmLabel");
        form.kommando("ADelprog")->trigger();
        QVERIFY(spm->isVisible());
        QCOMPARE(spm->text(), QString("Vil du fjerne programmet\rB?"));
        QVERIFY(!liste->isEnabled());
        form.findChild<QPushButton *>("nejKnap")->click();
        QVERIFY(!spm->isVisible() && liste->isEnabled());
        QCOMPARE(m->liste.antal(), 2);

        form.kommando("ADelprog")->trigger();
        form.findChild<QPushButton *>("jaKnap")->click();
        QCOMPARE(m->liste.antal(), 1);
        QCOMPARE(liste->topLevelItemCount(), 1);
        QCOMPARE(tekstfil::hent(m_opt + "ProgItem.txt").value(0), QString("1"));
        QCOMPARE(m->liste.exeProgram(), QString());
        QCOMPARE(info.last().first().toString(), QString());
        QCOMPARE(form.findChild<QLabel *>("progInfLabel")->text(), QString("1 programmer"));
        QVERIFY(m->d.spoergsmaal.isEmpty());   // asked inside the window only
    }

    void kendteProgrammer()
    {
        auto m = miljoe({});
        TProgform form(m->liste, m->d, true, m_opt, hoved({}));
        form.setKendtRod(m_rod + "/tom");
        form.checkForProgrammer();
        QCOMPARE(m->d.informationer, QStringList{"Der blev ikke fundet forslag til indføring af programmer."});

        const QString rod = m_rod + "/maskine";
        QDir().mkpath(rod + "/usr/bin");
        QFile(rod + "/usr/bin/vlc").open(QIODevice::WriteOnly);
        form.setKendtRod(rod);
        form.show();
        form.checkForProgrammer();
        auto *vlc = form.findChild<QPushButton *>("kendt_VLC");
        QVERIFY(vlc->isVisible());
        QVERIFY(!form.findChild<QPushButton *>("kendt_Firefox")->isVisible());
        vlc->click();
        QVERIFY(!vlc->isVisible());
        QCOMPARE(tekstfil::hent(m_opt + "ProgItem.txt"), (QStringList{"1", "VLC", rod + "/usr/bin/vlc", "", "1"}));
    }

    void indeOgUde()
    {
        auto m = miljoe({});
        QStringList sider;
        {
            TProgform inde(m->liste, m->d, true, m_opt, hoved({}, nullptr, &sider));
            inde.show();
            QVERIFY(!inde.findChild<QToolButton *>("infoKnap")->isVisible());
        }
        QVERIFY(!QFile::exists(m_opt + "Programmer.txt"));
        tekstfil::gem(m_opt + "Programmer.txt", {"55", "66"});
        TProgform ude(m->liste, m->d, false, m_opt, hoved({}, nullptr, &sider));
        QCOMPARE(ude.windowTitle(), QString("Programmer"));
        QCOMPARE(ude.size(), QSize(940, 572));
        QCOMPARE(ude.pos(), QPoint(55, 66));
        ude.show();
        ude.findChild<QToolButton *>("infoKnap")->click();
        QCOMPARE(sider, QStringList{"Indfør programmer.html"});
        ude.move(70, 80);
        ude.close();
        QCOMPARE(tekstfil::hent(m_opt + "Programmer.txt"), (QStringList{"70", "80"}));

        // A place on a screen that is gone: the window opens on a screen.
        tekstfil::gem(m_opt + "Programmer.txt", {"99999", "-99999"});
        TProgform vaek(m->liste, m->d, false, m_opt, hoved({}, nullptr, &sider));
        vaek.show();
        QVERIFY(QApplication::primaryScreen()->availableGeometry().contains(vaek.frameGeometry()));
    }
};

// The window outside the frame is 940 pixels wide: it needs a screen that takes it.
MARVIKEL_TEST_MED_SKAERME(TestProgramvinduer)
#include "tst_programvinduer.moc"
