#include "core/stier.h"
#include "engines/kendtemapper.h"
#include "engines/tfilmodel.h"
#include "engines/tkopilister.h"
#include "engines/tmappemodel.h"
#include "engines/treopenfilerx.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tkendtemapperside.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tsidebog.h"
#include "explorer/tsoegside.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/ttraekogslip.h"
#include "explorer/twinform.h"
#include "platform/specialmapper.h"
#include "platform/tekstfil.h"

#include "fakeramme.h"
#include "testmiljoe.h"

#include "testmappe.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

// The explorer window's find page, known-folders page, shortcut panel and
// drag and drop, driven through the real window over a small fixture.
class TestStifinderSider : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void soegningFyldrListerne();
    void soegningFraEnValgtFil();
    void soegningUdenTekst();
    void strukturerAfResultaterne();
    void rensLister();
    void isolerUdenFund();
    void kendteMapper();
    void kendteMapperStrukturliste();
    void genvejspanel();
    void traekRegel_data();
    void traekRegel();
    void traekFilTilMappe();
    void drevKanIkkeTraekkes();

private:
    Twinform *aabn();
    QString d(const QString &rel) const { return m_data.path() + QLatin1Char('/') + rel; }
    TSoegside *soeg(Twinform *w) const { return w->sidebog()->soegside(); }
    void soegEfter(Twinform *w, const QString &mappe, const QString &tekst);

    MidlertidigHjem *m_hjem = nullptr;
    Testmappe m_data;
    Testmappe m_opt;
    FakeRamme *m_ramme = nullptr;
    QPointer<Twinform> m_vindue;
};

void TestStifinderSider::initTestCase()
{
    saetDanskLocale();
    m_hjem = new MidlertidigHjem;
    for (const char *m : {"ferie/Strand", "ferie/bjerge", "arkiv", "kilde", "maal"})
        QVERIFY(QDir().mkpath(d(QLatin1String(m))));
    for (const char *f : {"ferie/Strand/FERIE1.jpg", "ferie/Strand/ferie2.jpg", "ferie/bjerge/alpe.jpg",
                          "arkiv/ferieplan.txt", "arkiv/brev.txt"})
        QVERIFY(tekstfil::gem(d(QLatin1String(f)), {"x"}));
}

void TestStifinderSider::cleanupTestCase()
{
    delete m_hjem;
}

void TestStifinderSider::init()
{
    for (const QString &f : QDir(m_opt.path()).entryList(QDir::Files))
        QFile::remove(m_opt.path() + "/" + f);
    m_ramme = new FakeRamme(m_opt.path() + "/");
}

void TestStifinderSider::cleanup()
{
    delete m_vindue.data();
    delete m_ramme;
}

Twinform *TestStifinderSider::aabn()
{
    auto *w = new Twinform(1, *m_ramme);
    m_vindue = w;
    m_ramme->registrer(w);
    w->resize(1270, 870);
    w->show();
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("vinduet blev ikke vist");
    w->FormActivate();
    return w;
}

void TestStifinderSider::soegEfter(Twinform *w, const QString &mappe, const QString &tekst)
{
    m_ramme->editSti_ = mappe;
    w->sidebog()->visSide(TSidebog::Soeg);
    QLineEdit *felt = soeg(w)->soegefelt();
    felt->setFocus();
    felt->setText(tekst);
    QTest::keyClick(felt, Qt::Key_Return);
}

// Typing a word and pressing Enter: both lists fill, newest on top, with the
// headings, the percentage and the folder label of a finished search.
void TestStifinderSider::soegningFyldrListerne()
{
    Twinform *w = aabn();
    TSoegside *s = soeg(w);
    QVERIFY(!s->kommando("aSearch")->isEnabled());
    soegEfter(w, d("ferie"), "FERIE");
    TReopenFilerX *mapper = w->findDir();
    TReopenFilerX *filer = w->findFiler();
    QCOMPARE(mapper->antal(), 0);   // the start folder itself is not a result
    QCOMPARE(filer->antal(), 2);
    QCOMPARE(s->mappeOverskrift()->text(), QString::fromUtf8("Der er undersøgt 2:0 mappenavne"));
    QCOMPARE(s->filOverskrift()->text(), QString::fromUtf8("Der er undersøgt 3:2 filnavne"));
    QCOMPARE(s->statusLabel()->text(), QStringLiteral("100%"));
    QCOMPARE(s->mappeLabel()->text(), QStringLiteral("ferie"));
    QCOMPARE(s->fremdrift()->value(), 5);
    QCOMPARE(s->fremdrift()->maximum(), 5);
    QVERIFY(!s->soeger());
    QCOMPARE(m_ramme->v.processCount, 0);

    // Newest on top: the file found last is the first line.
    soegEfter(w, m_data.path(), "e");
    QStringList fundne;
    for (int i = mapper->antal() - 1; i >= 0; --i)
        fundne.append(mapper->GetFilnavn(i));
    QCOMPARE(mapper->GetCaption(0), stier::getLastDirectory(fundne.last()));
    QVERIFY(fundne.contains(d("ferie")) && fundne.contains(d("ferie/bjerge")));
    // A folder is found before the folders inside it, so it lies below them.
    QVERIFY(fundne.indexOf(d("ferie")) < fundne.indexOf(d("ferie/bjerge")));

    // A click shows the path in the status line; a double click lists the
    // folder in the file tree.
    const int r = mapper->stier().indexOf(d("ferie/bjerge"));
    QListView *liste = s->mappeliste();
    const QRect rect = liste->visualRect(mapper->index(r));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(m_ramme->statuslinje.last(), d("ferie/bjerge"));
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(w->motor()->aktiveStruktur(), Trae::Fil);
    QCOMPARE(w->motor()->mappenavn(), d("ferie/bjerge"));
    QCOMPARE(w->visning()->filModel()->antal(), 1);

    // A result that has gone tells so and shows nothing.
    QVERIFY(QDir().mkpath(d("forsvinder")));
    soegEfter(w, m_data.path(), "forsvind");
    QCOMPARE(mapper->antal(), 1);
    QVERIFY(QDir().rmdir(d("forsvinder")));
    const qsizetype foer = m_ramme->beskeder.informationer.size();
    mapper->vaelgLinje(0);
    mapper->dblListeKlik();
    QCOMPARE(m_ramme->beskeder.informationer.size(), foer + 1);
}

void TestStifinderSider::soegningFraEnValgtFil()
{
    Twinform *w = aabn();
    soegEfter(w, d("arkiv/brev.txt"), "plan");
    QCOMPARE(w->findFiler()->stier(), QStringList{d("arkiv/ferieplan.txt")});
    QCOMPARE(soeg(w)->mappeLabel()->text(), QStringLiteral("arkiv"));
    QCOMPARE(soeg(w)->filOverskrift()->text(), QString::fromUtf8("Der er undersøgt 2:1 filnavne"));
    QCOMPARE(soeg(w)->mappeOverskrift()->text(), QStringLiteral("Mapper"));
}

void TestStifinderSider::soegningUdenTekst()
{
    Twinform *w = aabn();
    m_ramme->editSti_ = d("arkiv");
    soeg(w)->aSearch();
    QCOMPARE(m_ramme->beskeder.informationer,
             QStringList{"Der mangler en tekst!\rIndfør en tekst der skal søges efter i mappe og filnavne."});
    QCOMPARE(soeg(w)->statusLabel()->text(), QStringLiteral("Forbereder..."));
}

// "M" and "F": each existing folder once; results that have all gone give
// the list's message.
void TestStifinderSider::strukturerAfResultaterne()
{
    Twinform *w = aabn();
    TSoegside *s = soeg(w);
    QSignalSpy struktur(s, &TSoegside::struktur);
    soegEfter(w, d("ferie"), "ferie");   // two files in one folder
    s->kommando("filPunktstruktur")->trigger();
    QCOMPARE(struktur.size(), 1);
    QCOMPARE(struktur.at(0).at(0).toStringList(), QStringList{d("ferie/Strand")});
    QCOMPARE(struktur.at(0).at(1).toBool(), true);
    QCOMPARE(w->motor()->aktiveStruktur(), Trae::Mappe);
    QVERIFY(!s->kommando("mappePunktstruktur")->isEnabled());

    QVERIFY(QDir().mkpath(d("tmp/gammel")));
    QVERIFY(tekstfil::gem(d("tmp/gammel/gammel.txt"), {"x"}));
    soegEfter(w, d("tmp"), "gammel");
    QVERIFY(QDir(d("tmp")).removeRecursively());
    s->kommando("mappeNiveaustruktur")->trigger();
    s->kommando("filNiveaustruktur")->trigger();
    QCOMPARE(m_ramme->beskeder.informationer,
             (QStringList{"Der blev ikke fundet eksisterende emner i mappelisten.\r",
                          "Der blev ikke fundet eksisterende emner i fillisten.\r"}));
    QCOMPARE(struktur.size(), 1);
}

void TestStifinderSider::rensLister()
{
    Twinform *w = aabn();
    soegEfter(w, d("ferie"), "e");
    soeg(w)->kommando("aRensLister")->trigger();
    QCOMPARE(soeg(w)->soegefelt()->text(), QString());
    QCOMPARE(soeg(w)->soegefelt()->placeholderText(), QString::fromUtf8("Indfør søgeord"));
    QCOMPARE(soeg(w)->statusLabel()->text(), QString::fromUtf8("Søg efter"));
    QCOMPARE(w->findDir()->antal() + w->findFiler()->antal(), 0);
    QCOMPARE(soeg(w)->mappeOverskrift()->text(), QStringLiteral("Mapper"));
    QCOMPARE(soeg(w)->filOverskrift()->text(), QStringLiteral("Filer"));
    QCOMPARE(soeg(w)->fremdrift()->value(), 0);
}

void TestStifinderSider::isolerUdenFund()
{
    Twinform *w = aabn();
    w->motor()->setAktiveStruktur(Trae::Fil);
    w->mappeKontrol(w->motor()->makeStruktur2(d("arkiv")), true);
    TSoegside *s = soeg(w);
    QVERIFY(!s->kommando("aExtType2")->isEnabled());
    s->efternavnFelt()->setText(".xyz");
    s->kommando("aExtType2")->trigger();
    QCOMPARE(s->antalFelt()->text(), QStringLiteral("0"));
    QCOMPARE(w->visning()->filModel()->antal(), 0);
    QCOMPARE(m_ramme->statuslinje.last(), QStringLiteral("Der blev fundte 0 filer af typen .xyz"));

    s->efternavnFelt()->setText("txt");
    w->mappeKontrol(w->motor()->makeStruktur2(d("arkiv")), true);
    s->kommando("aExtType1")->trigger();
    QCOMPARE(s->antalFelt()->text(), QStringLiteral("2"));
    QCOMPARE(m_ramme->statuslinje.last(), QStringLiteral("Der blev fundte 2 filer af typen txt"));
}

void TestStifinderSider::kendteMapper()
{
    const QString dok = m_hjem->sti() + "/Dokumenter";
    QVERIFY(QDir().mkpath(dok + "/under"));
    QVERIFY(QDir().mkpath(m_hjem->sti() + "/.config"));
    QVERIFY(tekstfil::gem(m_hjem->sti() + "/.config/user-dirs.dirs", {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumenter\""}));
    Twinform *w = aabn();
    TKendteMapperSide *k = w->sidebog()->kendteMapper();
    k->setSpecialMapper(SpecialMapper());
    using kendtemapper::Mappe;

    // "Filstruktur": the file tree lists the folder.
    k->strukturVisning()->button(1)->click();
    k->mappeKommando(Mappe::Dokumenter)->trigger();
    QCOMPARE(w->motor()->aktiveStruktur(), Trae::Fil);
    QCOMPARE(w->motor()->mappenavn(), dok);
    QCOMPARE(w->visning()->filModel()->antal(), 1);

    // "Mappestuktur": the folder tree unfolds down to it.
    k->strukturVisning()->button(0)->click();
    k->mappeKommando(Mappe::Dokumenter)->trigger();
    QCOMPARE(w->motor()->aktiveStruktur(), Trae::Mappe);
    QStringList kaede;
    TMappeModel *model = w->visning()->mappeModel();
    for (QModelIndex n = model->index(0, 0); n.isValid(); n = model->index(0, 0, n))
        kaede.append(model->rec(n).mappe);
    QCOMPARE(kaede.last(), dok);
    QCOMPARE(w->motor()->mappenavn(), dok);   // unchanged: only a click navigates

    QVERIFY(m_ramme->beskeder.informationer.isEmpty());
    k->mappeKommando(Mappe::OneDrive)->trigger();
    k->mappeKommando(Mappe::Start)->trigger();
    QCOMPARE(m_ramme->beskeder.informationer,
             (QStringList{"Mappen blev ikke fundet.", "Mappen kunne ikke findes.\r"}));
    k->kommando("aKendteInfo")->trigger();
    QCOMPARE(m_ramme->hjaelpesider.last(), QStringLiteral("Aktiverbare mapper.html"));
}

void TestStifinderSider::kendteMapperStrukturliste()
{
    Testmappe hjem;
    const QString h = hjem.path();
    for (const char *m : {"Desktop", "Documents", "Pictures/Camera Roll", "OneDrive", "Downloads", ".local/share/applications"})
        QVERIFY(QDir().mkpath(h + "/" + QLatin1String(m)));
    const SpecialMapper s(h, h + "/.config", h + "/.local/share");
    QCOMPARE(kendtemapper::strukturliste(s),
             (QStringList{h + "/Desktop", h + "/Documents", h + "/Pictures", h + "/OneDrive", h + "/Downloads",
                          h + "/.local/share/applications", h + "/.local/share", h + "/Pictures/Camera Roll"}));
    QCOMPARE(kendtemapper::mappe(s, kendtemapper::Mappe::Kontakter), QString());
    QCOMPARE(kendtemapper::mappe(s, kendtemapper::Mappe::Start), h + "/.config/autostart");
}

void TestStifinderSider::genvejspanel()
{
    // Without the fixed placement folder the panel is not shown.
    m_ramme->v.placeringsMappe = d("findes-ikke");
    Twinform *w = aabn();
    QVERIFY(!w->sidebog()->kendteMapper()->genvejspanel()->isVisibleTo(w));
    delete w;

    const QString fast = d("fast");
    QVERIFY(QDir().mkpath(fast));
    m_ramme->v.placeringsMappe = fast;
    w = aabn();
    TKendteMapperSide *k = w->sidebog()->kendteMapper();
    QVERIFY(k->genvejspanel()->isVisibleTo(w));
    k->kommando("hentGenveje")->trigger();
    QCOMPARE(m_ramme->beskeder.informationer,
             QStringList{"Der blev ikke fundet nogen genveje i mappen til \"Fast placering\"."});
    QVERIFY(!k->kommando("runGenvej")->isEnabled());

    QVERIFY(tekstfil::gem(fast + "/Noter.desktop", {"[Desktop Entry]", "Type=Link", "URL=file:///tmp"}));
    k->kommando("hentGenveje")->trigger();
    QCOMPARE(k->genvejsliste()->count(), 1);
    QCOMPARE(k->genvejsliste()->item(0)->text(), QStringLiteral("Noter"));
    k->genvejsliste()->setCurrentRow(0);
    QSignalSpy koer(k, &TKendteMapperSide::koerFil);
    QTest::keyClick(k->genvejsliste(), Qt::Key_Return);
    QCOMPARE(koer.size(), 1);
    QCOMPARE(koer.at(0).at(0).toString(), fast + "/Noter.desktop");
    QVERIFY(QFile::remove(fast + "/Noter.desktop"));
    k->kommando("runGenvej")->trigger();
    QCOMPARE(m_ramme->beskeder.informationer.last(), QStringLiteral("Filen blev ikke fundet."));
    k->kommando("visStifinder")->trigger();
    QCOMPARE(w->motor()->mappenavn(), fast);
    QVERIFY(QDir(fast).removeRecursively());
}

void TestStifinderSider::traekRegel_data()
{
    QTest::addColumn<bool>("kopiering");
    QTest::addColumn<quint64>("kilde");
    QTest::addColumn<quint64>("maal");
    QTest::addColumn<bool>("flyt");
    QTest::newRow("same volume moves") << false << quint64(7) << quint64(7) << true;
    QTest::newRow("other volume copies") << false << quint64(7) << quint64(8) << false;
    QTest::newRow("check box copies on one volume") << true << quint64(7) << quint64(7) << false;
    QTest::newRow("check box copies across") << true << quint64(7) << quint64(8) << false;
    QTest::newRow("unknown volume copies") << false << quint64(0) << quint64(0) << false;
}

void TestStifinderSider::traekRegel()
{
    QFETCH(bool, kopiering);
    QFETCH(quint64, kilde);
    QFETCH(quint64, maal);
    QFETCH(bool, flyt);
    QCOMPARE(TTraekOgSlip::flyt(kopiering, kilde, maal), flyt);
}

// A file dragged from the file tree onto a folder of the folder tree is
// moved there on one volume; with "Anvend Drag-Drop-kopiering" it is copied.
void TestStifinderSider::traekFilTilMappe()
{
    Twinform *w = aabn();
    w->findChild<QRadioButton *>("saetIndSlet2")->click();   // "Spørg aldrig"
    for (bool kopiering : {false, true}) {
        QVERIFY(tekstfil::gem(d("kilde/flyt.txt"), {"f"}));
        w->findChild<QCheckBox *>("dragDrop")->setChecked(kopiering);
        w->klipbordsKommandoer()->lister()->sletBeggeLister();
        w->motor()->setAktiveStruktur(Trae::Mappe);
        QVERIFY(w->motor()->udfoldStruktur1(d("maal"), true));
        QTreeView *trae = w->visning()->mappeStruktur();
        const QModelIndex maal = w->visning()->mappeModel()->valgtNode();
        trae->scrollTo(maal);
        const QPoint punkt = trae->visualRect(maal).center();
        w->motor()->setAktiveStruktur(Trae::Fil);
        w->mappeKontrol(w->motor()->makeStruktur2(d("kilde")), true);
        w->motor()->SelectFil(d("kilde/flyt.txt"));

        TTraekOgSlip *t = w->traekOgSlip();
        QCOMPARE(t->begyndTraek(false).size(), 1);
        t->slip(TTraekOgSlip::Maal::Mappetrae, punkt, w->visning()->filStruktur(), nullptr);
        t->traekSlut();
        QVERIFY(QFile::exists(d("maal/flyt.txt")));
        QCOMPARE(QFile::exists(d("kilde/flyt.txt")), kopiering);
        QCOMPARE(t->sidsteFlyt(), !kopiering);
        QVERIFY(QFile::remove(d("maal/flyt.txt")));
        QFile::remove(d("kilde/flyt.txt"));
    }
}

void TestStifinderSider::drevKanIkkeTraekkes()
{
    Twinform *w = aabn();
    TMappeModel *model = w->visning()->mappeModel();
    QModelIndex drev;
    for (int r = 0; r < model->rowCount() && !drev.isValid(); ++r) {
        const QModelIndex node = model->index(r, 0);
        if (model->rec(node).ID == IdDrev)
            drev = node;
    }
    QVERIFY(drev.isValid());
    model->vaelg(drev);
    QVERIFY(w->traekOgSlip()->begyndTraek(true).isEmpty());
    // A busy window refuses every drag and drop.
    w->begyndFunktion();
    w->motor()->setAktiveStruktur(Trae::Fil);
    QVERIFY(w->traekOgSlip()->begyndTraek(false).isEmpty());
    QVERIFY(!w->traekOgSlip()->kanSlippe(TTraekOgSlip::Maal::Filtrae, w->visning()->filStruktur(), nullptr));
    w->afslutFunktion(Twinform::Aktivitet::Anden);
}

QTEST_MAIN(TestStifinderSider)
#include "tst_stifindersider.moc"
