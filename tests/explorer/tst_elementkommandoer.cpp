#include "engines/tdeletecompo.h"
#include "engines/tfilmodel.h"
#include "engines/tmappemodel.h"
#include "engines/tmetodecompo.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tdeleteform.h"
#include "explorer/telementkommandoer.h"
#include "explorer/tkopieringsform.h"
#include "explorer/trenameform.h"
#include "explorer/tstedredigering.h"
#include "explorer/tstifindernavigation.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "platform/tekstfil.h"

#include "fakebekraeftelse.h"
#include "fakeprogress.h"
#include "fakeramme.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QXmlStreamReader>
#include <QtTest>

using stifinderregler::Kommando;

using namespace testfiler;

namespace {

// One dialog as the user met it, and what the user then typed.
struct Dialogkald
{
    QString caption, mappe, gammel, tilbudt;
    QString filtypelinje; // the rename dialog's line about the kept extension, when shown
};

} // namespace

class TestElementkommandoer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init();
    void cleanup();

    void omdoebFilMedDialog_data();
    void omdoebFilMedDialog();
    void omdoebFilUdenFiltypeSpoerger();
    void omdoebMappeTilOptagetNavn();
    void tomtNavnGiverDialogIgen();
    void filtypedialog_data();
    void filtypedialog();
    void nyMappeOgNyFilFaarFrieNavne();
    void sletFraFiltraeet_data();
    void sletFraFiltraeet();
    void sletVistMappeGaarTilForaelder();
    void sletIPrivatafsnittetBliverDer();
    void spoergsmaalNaarFunktionKoerer();
    void intetValgtTilSletning();
    void senesteFiler();
    void dialogensTaster();
    void sletteobjektetsVinduer();

private:
    QString d(const QString &rel) const { return m_hjem->sti() + "/data/" + rel; }
    [[nodiscard]] bool lavFil(const QString &rel, const QByteArray &indhold = "x") { return ::lavFil(d(rel), indhold); }
    void vaelgFil(const QString &fil);
    void vaelgMappe(const QString &mappe);
    // The user types each text in turn; an empty queue presses "Annuller".
    void spilBruger(QStringList svar, int check = 0);

    MidlertidigHjem *m_hjem = nullptr;
    QTemporaryDir m_opt;
    FakeRamme *m_ramme = nullptr;
    Twinform *m_w = nullptr;
    TMetodeCompo *m_metode = nullptr;
    FakeBekraeftelse m_bekraeftelse;
    FakeProgress m_slettevindue;
    TDeleteCompo *m_sletter = nullptr;
    TElementKommandoer *m_k = nullptr;
    QList<Dialogkald> m_dialoger;
};

void TestElementkommandoer::init()
{
    m_hjem = new MidlertidigHjem;
    QDir().mkpath(d(""));
    m_ramme = new FakeRamme(m_opt.path() + "/");
    m_ramme->v.informerViaBeskedcenter = true;
    m_w = new Twinform(1, *m_ramme);
    m_ramme->registrer(m_w);
    m_metode = new TMetodeCompo(&m_ramme->dialogs(), m_w);
    m_metode->setStrukturY(m_w->motor());
    m_w->navigation()->setOmdoebning(
        [this](const QString &g, const QString &n, const QModelIndex &i) { return m_metode->RenameMappe(g, n, i); },
        [this](const QString &g, const QString &n, const QModelIndex &i) { return m_metode->RenameFil(g, n, i); },
        [this] { return m_metode->editSelected(); });
    m_sletter = new TDeleteCompo(&m_ramme->dialogs(), &m_bekraeftelse, &m_slettevindue, m_w);
    m_sletter->setMonteringspunkter(QSet<QString>{"/"});
    m_k = new TElementKommandoer(*m_w, *m_ramme, *m_metode, *m_sletter);
    m_w->setElementKommandoer(m_k);
    m_w->resize(1000, 700);
    m_w->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_w));
    m_dialoger.clear();
    m_bekraeftelse.kald.clear();
    m_bekraeftelse.svar.clear();
}

void TestElementkommandoer::cleanup()
{
    delete m_w;
    delete m_ramme;
    delete m_hjem;
}

void TestElementkommandoer::vaelgFil(const QString &fil)
{
    m_w->motor()->setAktiveStruktur(Trae::Fil);
    m_w->mappeKontrol(m_w->motor()->SelectFil(fil), true);
    m_w->opdaterKommandoer();
}

void TestElementkommandoer::vaelgMappe(const QString &mappe)
{
    m_w->motor()->setAktiveStruktur(Trae::Mappe);
    QVERIFY(m_w->motor()->udfoldStruktur1(mappe, true));
    m_w->mappeKontrol(m_w->motor()->getDirectory(), true);
    m_w->opdaterKommandoer();
}

void TestElementkommandoer::spilBruger(QStringList svar, int check)
{
    m_k->setDialogVisning([this, svar, check](TOmdoebDialog &dialog, const QString &mappe, const QString &gammel,
                                              const QString &ny) mutable {
        QString filtypelinje;
        if (auto *r = qobject_cast<TrenameForm *>(&dialog); r && !r->filtypeLabel->isHidden())
            filtypelinje = r->filtypeLabel->text();
        m_dialoger.append({dialog.windowTitle(), mappe, gammel, ny, filtypelinje});
        if (auto *ext = qobject_cast<TextForm *>(&dialog))
            ext->setCheckIndex(check);
        if (svar.isEmpty())
            return false;
        dialog.newEdit->setText(svar.takeFirst());
        return true;
    });
}

void TestElementkommandoer::omdoebFilMedDialog_data()
{
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<QString>("resultat");
    QTest::newRow("uden filtype") << "aarsrapport" << "aarsrapport.txt";
    // A typed extension of its own stays in the name; the old one follows.
    QTest::newRow("med egen filtype") << "aarsrapport.doc" << "aarsrapport.doc.txt";
    QTest::newRow("optaget navn") << "andet" << "andet (1).txt";
    // The file's own extension typed by the user is not added twice.
    QTest::newRow("med filens filtype") << "Ugeliste 2.txt" << "Ugeliste 2.txt";
    QTest::newRow("med filens filtype i store bogstaver") << "Ugeliste 2.TXT" << "Ugeliste 2.txt";
}

// The file keeps its extension: the user types the name without it.
void TestElementkommandoer::omdoebFilMedDialog()
{
    QFETCH(QString, skrevet);
    QFETCH(QString, resultat);
    QVERIFY(lavFil("m/rapport.txt", "r"));
    QVERIFY(lavFil("m/andet.txt"));
    vaelgFil(d("m/rapport.txt"));
    spilBruger({skrevet});
    m_w->kommando(Kommando::Rename)->trigger();
    QCOMPARE(m_dialoger.size(), 1);
    QCOMPARE(m_dialoger[0].caption, QString("Omdøb"));
    QCOMPARE(m_dialoger[0].mappe, d("m"));
    QCOMPARE(m_dialoger[0].gammel, QString("rapport.txt"));
    QCOMPARE(m_dialoger[0].tilbudt, QString());
    QCOMPARE(m_dialoger[0].filtypelinje, QString("Filtypen .txt bevares: skriv det nye navn uden den."));
    QVERIFY(QFile::exists(d("m/") + resultat));
    QVERIFY(!QFile::exists(d("m/rapport.txt")));
    QCOMPARE(m_w->motor()->filnavn(), d("m/") + resultat);
    QCOMPARE(m_ramme->editSti(), d("m/") + resultat);
    QVERIFY(m_ramme->beskeder.spoergsmaal.isEmpty());
}

// A file without an extension that gets one asks first; "Nej" keeps it
// without.
void TestElementkommandoer::omdoebFilUdenFiltypeSpoerger()
{
    QVERIFY(lavFil("m/LAESMIG"));
    vaelgFil(d("m/LAESMIG"));
    spilBruger({"NOTER.md"});
    m_ramme->beskeder.svarJa();
    m_w->kommando(Kommando::Rename)->trigger();
    QCOMPARE(m_ramme->beskeder.spoergsmaal,
             QStringList{"Filen var af type: \rSkal den omdøbes til at være af type .md?"});
    QCOMPARE(navne(d("m")), QStringList{"NOTER.md"});
}

// A folder renamed to a taken name gets a free variant; the taken folder
// is left alone.
void TestElementkommandoer::omdoebMappeTilOptagetNavn()
{
    QVERIFY(lavFil("m/gammel/a.txt"));
    QVERIFY(lavFil("m/Arkiv/b.txt", "b"));
    vaelgMappe(d("m/gammel"));
    spilBruger({"Arkiv"});
    m_w->kommando(Kommando::Rename)->trigger();
    QCOMPARE(m_dialoger[0].mappe, d("m"));
    QCOMPARE(m_dialoger[0].gammel, QString("gammel"));
    QCOMPARE(m_dialoger[0].filtypelinje, QString()); // a folder has no extension to keep
    const QStringList nu = navne(d("m"));
    QCOMPARE(nu.size(), 2);
    QVERIFY(nu.contains("Arkiv"));
    QVERIFY(!nu.contains("gammel"));
    QVERIFY(nu[0].startsWith("Arkiv") && nu[1].startsWith("Arkiv"));
    QCOMPARE(navne(d("m/Arkiv")), QStringList{"b.txt"});
    QCOMPARE(m_w->motor()->mappenavn(), d("m/") + (nu[0] == "Arkiv" ? nu[1] : nu[0]));
}

// An empty name asks again; a name with "/" is refused and offered again
// so nothing typed is lost; cancel stops.
void TestElementkommandoer::tomtNavnGiverDialogIgen()
{
    QVERIFY(lavFil("m/a.txt"));
    vaelgFil(d("m/a.txt"));
    spilBruger({"", "x/y"});
    m_w->kommando(Kommando::Rename)->trigger();
    QCOMPARE(m_dialoger.size(), 3);
    QCOMPARE(m_dialoger[2].tilbudt, QString("x/y"));
    QCOMPARE(m_ramme->beskeder.informationer.first(),
             QString("Der mangler et nyt navn.\rIndfør det nye navn og tryk \"Omdøb\"."));
    QCOMPARE(m_ramme->beskeder.informationer.size(), 2);
    QCOMPARE(navne(d("m")), QStringList{"a.txt"});

    // Nothing selected.
    m_w->motor()->setAktiveStruktur(Trae::Fil);
    m_w->motor()->SelectMapperFiler(2);
    m_k->Rename();
    QCOMPARE(m_ramme->beskeder.informationer.last(), QString("Der er ikke valgt element, der skal omdøbes."));
}

void TestElementkommandoer::filtypedialog_data()
{
    QTest::addColumn<QString>("skrevet");
    QTest::addColumn<int>("check");
    QTest::addColumn<QStringList>("filer");
    QTest::addColumn<QString>("besked");
    QTest::newRow("med punktum, kun mappen") << ".md" << 0 << QStringList{"a.md", "b.md", "c.dat"}
                                             << "Der blev omdøbt 2 filer.";
    QTest::newRow("uden punktum, kun mappen") << "md" << 0 << QStringList{"a.md", "b.md", "c.dat"}
                                              << "Der blev omdøbt 2 filer.";
    QTest::newRow("med undermapper") << "md" << 1 << QStringList{"a.md", "b.md", "c.dat"}
                                     << "Der blev omdøbt 3 filer.";
}

// "Omdøb filtype": typed with or without the dot alike, reported as a
// notification with "fil"/"filer".
void TestElementkommandoer::filtypedialog()
{
    QFETCH(QString, skrevet);
    QFETCH(int, check);
    QFETCH(QStringList, filer);
    QFETCH(QString, besked);
    QVERIFY(lavFil("m/a.txt"));
    QVERIFY(lavFil("m/b.txt"));
    QVERIFY(lavFil("m/c.dat"));
    QVERIFY(lavFil("m/u/d.txt"));
    vaelgFil(d("m/a.txt"));
    m_w->opdaterKommandoer();
    QVERIFY(m_w->kommando(Kommando::RenameExt)->isEnabled());
    spilBruger({skrevet}, check);
    m_w->kommando(Kommando::RenameExt)->trigger();
    QCOMPARE(m_dialoger[0].caption, QString("Omdøb filtype"));
    QCOMPARE(m_dialoger[0].mappe, d("m"));
    QCOMPARE(m_dialoger[0].gammel, QString(".txt"));
    QCOMPARE(navne(d("m")), filer + QStringList{"u"});
    QCOMPARE(navne(d("m/u")), QStringList{check == 1 ? "d.md" : "d.txt"});
    QCOMPARE(m_ramme->notifikationer, QStringList{"Information: " + besked});
    QCOMPARE(m_w->aktivitetsAntal(), 0);
    QCOMPARE(m_ramme->v.processCount, 0);

    // One file: "fil".
    vaelgFil(d("m/c.dat"));
    spilBruger({"txt"});
    m_w->kommando(Kommando::RenameExt)->trigger();
    QCOMPARE(m_ramme->notifikationer.last(), QString("Information: Der blev omdøbt 1 fil."));
}

// New folder and new file in a folder that already holds them get free
// names and end in in-place renaming.
void TestElementkommandoer::nyMappeOgNyFilFaarFrieNavne()
{
    QVERIFY(lavFil("m/Ny mappe/x.txt"));
    QVERIFY(lavFil("m/Tekstfil.txt", "gammel"));
    vaelgMappe(d("m"));
    m_w->opdaterKommandoer();
    m_w->kommando(Kommando::NyMappe)->trigger();
    QVERIFY(QFileInfo(d("m/Ny mappe Kopi (1)")).isDir());
    auto *felt = m_w->findChild<TStedRedigering *>();
    QVERIFY(felt);
    QTest::keyClick(felt, Qt::Key_Escape);
    QTRY_VERIFY(!m_w->findChild<TStedRedigering *>());

    m_w->motor()->setMappenavn(d("m"));
    m_w->opdaterKommandoer();
    m_w->kommando(Kommando::aOpretTekstfil)->trigger();
    QCOMPARE(m_w->motor()->filnavn(), d("m/Tekstfil (1).txt"));
    QVERIFY(QFile::exists(d("m/Tekstfil (1).txt")));
    QCOMPARE(tekstfil::hent(d("m/Tekstfil.txt")), QStringList{"gammel"});
    felt = m_w->findChild<TStedRedigering *>();
    QVERIFY(felt);
    QCOMPARE(felt->text(), QString("Tekstfil (1).txt"));
    QTest::keyClick(felt, Qt::Key_Escape);

    m_w->motor()->setMappenavn(d("m"));
    m_w->kommando(Kommando::Action3)->trigger();
    QVERIFY(QFile::exists(d("m/Hjemmeside.html")));
}

void TestElementkommandoer::sletFraFiltraeet_data()
{
    QTest::addColumn<bool>("tilPapirkurv");
    QTest::newRow("papirkurv") << true;
    QTest::newRow("permanent") << false;
}

// Exactly the elements selected in the file tree are deleted, after the
// confirmation; the status line and the notification follow.
void TestElementkommandoer::sletFraFiltraeet()
{
    QFETCH(bool, tilPapirkurv);
    QVERIFY(lavFil("m/a.txt", "12345"));
    QVERIFY(lavFil("m/b.txt", "1"));
    QVERIFY(lavFil("m/u/c.txt", "12"));
    vaelgFil(d("m/a.txt"));
    TFilModel *trae = m_w->motor()->struktur2();
    QList<int> raekker;
    for (int r = 0; r < trae->antal(); ++r) {
        if (trae->raekke(r).rec.filnavn == d("m/a.txt") || trae->raekke(r).rec.mappe == d("m/u"))
            raekker.append(r);
    }
    QCOMPARE(raekker.size(), 2);
    trae->vaelgFlere(raekker);
    m_bekraeftelse.svar.enqueue(true);
    m_w->opdaterKommandoer();
    m_w->kommando(tilPapirkurv ? Kommando::DeleteToPapirkurv : Kommando::DeletePermanent)->trigger();
    QCOMPARE(m_bekraeftelse.kald.size(), 1);
    QCOMPARE(navne(d("m")), QStringList{"b.txt"});
    QCOMPARE(m_ramme->statuslinje.last(),
             tilPapirkurv ? QString("Der blev slettet til papirkurv") : QString("Der blev slettet permanent"));
    QCOMPARE(m_ramme->notifikationer.last(), QString("Information: Der blev slettet 7 bytes"));
    QCOMPARE(QFileInfo::exists(m_hjem->sti() + "/.local/share/Trash/files/u/c.txt"), tilPapirkurv);
    QCOMPARE(m_w->aktivitetsAntal(), 0);
    QCOMPARE(m_ramme->v.processCount, 0);
    QCOMPARE(m_w->motor()->filnavn(), QString());
}

// Deleting the folder the window shows moves it to the nearest folder
// that still exists.
void TestElementkommandoer::sletVistMappeGaarTilForaelder()
{
    QVERIFY(lavFil("m/u/v/a.txt"));
    vaelgMappe(d("m/u/v"));
    m_w->motor()->setMappenavn(d("m/u/v"));
    m_bekraeftelse.svar.enqueue(true);
    m_w->opdaterKommandoer();
    m_w->kommando(Kommando::DeletePermanent)->trigger();
    QVERIFY(!QFile::exists(d("m/u/v")));
    QCOMPARE(m_w->motor()->mappenavn(), d("m/u"));
    QCOMPARE(m_ramme->editSti(), d("m/u"));
}

// The folder tree is built again from the drives after a delete; a user
// who stood under a standard folder of the private section is put back
// there, not on the long branch of "/".
void TestElementkommandoer::sletIPrivatafsnittetBliverDer()
{
    const QString projekt = m_hjem->sti() + "/Documents/projekt";
    QVERIFY(::lavFil(projekt + "/gammel/a.txt"));
    TStrukturCompo *motor = m_w->motor();
    motor->setShowPrivate(true);
    motor->setAktiveStruktur(Trae::Mappe);
    QVERIFY(motor->udfoldStruktur1(projekt + "/gammel", true));
    QVERIFY(motor->udfoldIPrivat(projekt + "/gammel"));
    m_w->mappeKontrol(motor->getDirectory(), true);
    QCOMPARE(m_ramme->editSti(), projekt + "/gammel");
    m_bekraeftelse.svar.enqueue(true);
    m_w->opdaterKommandoer();
    m_w->kommando(Kommando::DeletePermanent)->trigger();
    QVERIFY(!QFile::exists(projekt + "/gammel"));
    QVERIFY(motor->valgtIPrivat());
    TMappeModel *mapper = motor->struktur1();
    QCOMPARE(mapper->rec(mapper->valgtNode()).mappe, projekt);
    QCOMPARE(m_ramme->editSti(), projekt);
}

// Another function running with "Informer" on: each command asks with its
// own text, and "Nej" stops it.
void TestElementkommandoer::spoergsmaalNaarFunktionKoerer()
{
    QVERIFY(lavFil("m/a.txt"));
    vaelgFil(d("m/a.txt"));
    m_ramme->v.processCount = 1;
    spilBruger({"b"});
    const QList<std::pair<Kommando, QString>> kommandoer = {
        {Kommando::Rename, "Skal der omdøbes alligevel?"},
        {Kommando::RenameExt, "Skal fil-efternavne omdøbes alligevel?"},
        {Kommando::DeletePermanent, "Skal der slettes alligevel?"},
        {Kommando::NyMappe, "Er der sikkehed for, at den nye mappe ikke vil påvirke den kørende funktion? For eksempel "
                    "indgå i en kørende kopiering, altså \"Sæt-ind\" funktion.\r\rSkal der indsættes en ny mappe?"},
    };
    for (const auto &[kommando, tekst] : kommandoer) {
        m_ramme->beskeder.svarNej();
        m_w->opdaterKommandoer();
        m_w->kommando(kommando)->trigger();
        QCOMPARE(m_ramme->beskeder.spoergsmaal.last(), "Der er allerede en funktion kørende.\r" + tekst);
    }
    QVERIFY(m_dialoger.isEmpty());
    QVERIFY(m_bekraeftelse.kald.isEmpty());
    QCOMPARE(navne(d("m")), QStringList{"a.txt"});

    // "Informer" off: no question.
    m_ramme->v.informer = false;
    m_k->Rename();
    QCOMPARE(m_ramme->beskeder.spoergsmaal.size(), 4);
    QCOMPARE(navne(d("m")), QStringList{"b.txt"});
}

void TestElementkommandoer::intetValgtTilSletning()
{
    QVERIFY(lavFil("m/a.txt"));
    vaelgFil(d("m/a.txt"));
    m_w->motor()->SelectMapperFiler(2);
    m_k->slet(true);
    QCOMPARE(m_ramme->beskeder.informationer, QStringList{"Der er ikke valgt elementer til sletning."});
    QCOMPARE(m_ramme->notifikationer, QStringList{"Information: Der blev slettet 0 bytes"});
    QCOMPARE(m_w->aktivitetsAntal(), 0);
}

// "Tilføj" and "Rens" act on the desktop's list in the (temporary) home,
// which stays a well-formed list.
void TestElementkommandoer::senesteFiler()
{
    QVERIFY(lavFil("m/a.txt"));
    vaelgFil(d("m/a.txt"));
    m_w->opdaterKommandoer();
    QVERIFY(m_w->kommando(Kommando::insertFilSFWS)->isEnabled());
    m_w->kommando(Kommando::insertFilSFWS)->trigger();
    const QString liste = m_hjem->sti() + "/.local/share/recently-used.xbel";
    QFile f(liste);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    f.close();
    QVERIFY(data.contains("href=\"file://" + QFile::encodeName(d("m/a.txt")) + "\""));
    QXmlStreamReader r(data);
    while (!r.atEnd())
        r.readNext();
    QVERIFY(!r.hasError());
    QCOMPARE(m_ramme->beskeder.informationer.last(),
             QString("Der blev gjort et forsøg på at indsætte valgte fil i Seneste filer."));

    m_w->kommando(Kommando::Rens)->trigger();
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(!f.readAll().contains("<bookmark "));
    QCOMPARE(m_ramme->beskeder.informationer.last(), QString("Der blev gjort et forsøg på at tømme Seneste filer."));

    m_w->kommando(Kommando::aHTMLbutton)->trigger();
    QVERIFY(m_ramme->beskeder.informationer.last().startsWith("Det er op til dig selv at vurdere"));
}

// Enter in the new-value field moves to "Omdøb"; a second Enter confirms.
void TestElementkommandoer::dialogensTaster()
{
    TextForm *f = m_k->extForm();
    QCOMPARE(f->checkIndex(), 0);
    QSignalSpy hint(f, &TOmdoebDialog::hint);
    QString foerst;
    QWidget *fokusEfterEnter = nullptr;
    bool vistEfterEnter = false;
    QTimer::singleShot(0, f, [&] {
        // A failure below must never leave the modal window open.
        const auto luk = qScopeGuard([f] {
            if (f->isVisible())
                f->reject();
        });
        if (!QTest::qWaitForWindowActive(f))
            return;
        foerst = f->newEdit->text();
        QTest::keyClicks(f->newEdit, "md");
        QTest::keyClick(f->newEdit, Qt::Key_Return);
        vistEfterEnter = f->isVisible();
        fokusEfterEnter = f->focusWidget();
        QEvent ind(QEvent::Enter);
        QApplication::sendEvent(f->annullerKnap, &ind);
        QTest::keyClick(f->omdoebKnap, Qt::Key_Return);
    });
    f->vis("/m", ".txt", "gammel tekst");
    QCOMPARE(foerst, QString("gammel tekst"));
    QVERIFY(vistEfterEnter);
    QCOMPARE(fokusEfterEnter, f->omdoebKnap);
    QCOMPARE(f->result(), int(QDialog::Accepted));
    // The offered text is selected, so typing replaces it.
    QCOMPARE(f->newEdit->text(), QString("md"));
    QCOMPARE(hint.size(), 1);
    QCOMPARE(hint[0][0].toString(), QString("Annuller og luk boksen"));
}

// The delete engine drives the real delete window: its texts are
// written, and with "Luk progressbokse" it is closed when done.
void TestElementkommandoer::sletteobjektetsVinduer()
{
    QVERIFY(lavFil("m/u/a.txt", "123"));
    QVERIFY(lavFil("m/b.txt", ""));
    Tkopieringsform spm(m_opt.path() + "/", m_w);
    Tdeleteform vindue(m_w);
    TDeleteCompo objekt(&m_ramme->dialogs(), &spm, &vindue);
    objekt.setIntSpm(Spoergsmaal::Aldrig);
    objekt.setCloseBoxAfter(true);
    QVERIFY(objekt.DeleteElementer({d("m/u")}, {d("m/b.txt")}, false));
    Tdeleteform *boks = &vindue;
    QCOMPARE(boks->mappeLabel->text(), QString("Følgende 1 mappe slettes:"));
    QCOMPARE(boks->infoLabel->text(), QString("Antal filer: 2"));
    QCOMPARE(boks->destLabel->text(), QString("Vedvarende sletning: 4 bytes"));
    QCOMPARE(boks->procentLabel->text(), QString("100%"));
    QVERIFY(!boks->isVisible());
    QCOMPARE(objekt.getResult(), QString("4 bytes"));
    QCOMPARE(navne(d("m")), QStringList());
}

QTEST_MAIN(TestElementkommandoer)
#include "tst_elementkommandoer.moc"
