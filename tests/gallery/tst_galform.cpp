#include "fakedialogs.h"
#include "gallery/tbibpan.h"
#include "gallery/tgalform.h"
#include "gallery/tprogresscompo.h"
#include "gallery/trulskakt.h"
#include "platform/tekstfil.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QAction>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

// The gallery window over a folder of generated pictures, with the main
// window played by recording functions.
class TestGalform : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeDialogs m_d;
    QString m_editSti;
    int m_GBoxV = 2, m_GBoxL = 2, m_colIndex = 0;
    QStringList m_status, m_valgt, m_registreret, m_koert, m_hjaelp;

    QString sti(const QString &navn) const { return m_dir->path() + "/" + navn; }

    static QByteArray billede(int w, int h, const char *format)
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor(30, 120, 200));
        QByteArray b;
        QBuffer buf(&b);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, format);
        return b;
    }

    // Pictures 00.jpg … (n-1).jpg of 120 x 80 and one BMP, which lists first.
    void lavBilleder(int n)
    {
        const QByteArray jpg = billede(120, 80, "JPEG");
        for (int i = 0; i < n; ++i)
            QVERIFY(testfiler::lavFil(sti(QString("%1.jpg").arg(i, 2, 10, QLatin1Char('0'))), jpg));
        QVERIFY(testfiler::lavFil(sti("b.bmp"), billede(60, 40, "BMP")));
    }

    TGalForm::Hovedvindue hoved()
    {
        TGalForm::Hovedvindue h;
        h.editSti = [this] { return m_editSti; };
        h.GBoxV = &m_GBoxV;
        h.GBoxL = &m_GBoxL;
        h.colIndex = &m_colIndex;
        h.UdskrivInfo = [this](const QString &t) { m_status.append(t); };
        h.visHints = [] { return false; };
        h.selectFromGal = [this](const QString &fil, bool slet) {
            m_valgt.append(fil + (slet ? " slet" : ""));
            if (slet)
                QFile::remove(fil);
        };
        h.RegisterEleFromGal = [this](const QString &s) { m_registreret.append(s); };
        h.runFilname = [this](const QString &s) { m_koert.append(s); };
        h.InfoHelp = [this](const QString &s) { m_hjaelp.append(s); };
        return h;
    }

    std::unique_ptr<TGalForm> vindue(bool inde = true)
    {
        auto w = std::make_unique<TGalForm>(m_d, inde, sti("Gallery.txt"), hoved());
        w->setAttribute(Qt::WA_DeleteOnClose, false);
        if (inde)
            w->resize(1000, 700);
        w->show();
        return w;
    }

    static QString tekst(TGalForm &w, const char *felt)
    {
        return w.findChild<QLineEdit *>(felt)->text();
    }

    // The name of picture `nr` in the gallery's list (JPGs come in the file
    // system's order).
    static QString navn(TGalForm &w, int nr) { return w.gitter()->Bil().value(nr).Filnavn; }

private slots:
    void initTestCase() { saetDanskLocale(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_d = FakeDialogs();
        m_editSti = m_dir->path();
        m_GBoxV = 3;
        m_GBoxL = 1;
        m_colIndex = 0;
        m_status.clear();
        m_valgt.clear();
        m_registreret.clear();
        m_koert.clear();
        m_hjaelp.clear();
    }

    void cleanup() { m_dir.reset(); }

    // A format entry loads the current element's folder: the list, the
    // info of picture 0, the count, the shaft's range and a full bar.
    void indlaesningFraEtFormat()
    {
        lavBilleder(10);
        m_editSti = sti("03.jpg");   // a picture names its folder
        auto w = vindue();
        QCOMPARE(w->AntalV(), 3);
        QCOMPARE(w->AntalL(), 1);
        QVERIFY(!w->kommando("aKopierMappe")->isEnabled());
        auto *knap = w->findChild<QToolButton *>("format2");
        QCOMPARE(knap->text(), QString("Felter(4 x 6)"));
        QStringList poster, hints;
        for (QAction *a : knap->menu()->actions()) {
            poster.append(a->isSeparator() ? "-" : a->text());
            if (!a->isSeparator())
                hints.append(a->toolTip());
        }
        QCOMPARE(poster, (QStringList{"4 x 6", "3 x 5", "-", "2 x 4", "2 x 3", "2 x 2", "-", "1 x 3", "1 x 2",
                                      "1 x 1"}));
        QCOMPARE(hints.first(), QString("4 x 6 felter"));
        QCOMPARE(hints.last(), QString("1 felt"));
        knap->menu()->actions().at(5)->trigger();   // "2 x 2"

        QCOMPARE(w->AntalV(), 2);
        QCOMPARE(m_GBoxV, 2);
        QCOMPARE(m_GBoxL, 2);
        QCOMPARE(tekst(*w, "antalBilleder"), QString("11"));
        QCOMPARE(tekst(*w, "mappe"), m_dir->path());
        QCOMPARE(tekst(*w, "filnavn"), QString("b.bmp"));
        QCOMPARE(tekst(*w, "bredde"), QString("60"));
        QCOMPARE(tekst(*w, "hoejde"), QString("40"));
        QCOMPARE(w->picFilnavn(), sti("b.bmp"));
        const felter::Layout l = w->gitter()->layout();
        QCOMPARE(w->findChild<QLabel *>("feltLinje")->text(),
                 QString("Bredde: %1 Højde: %2").arg(l.FeltBredde).arg(l.FeltHojde));
        QCOMPARE(w->gitter()->Antal(), 4);
        QCOMPARE(w->gitter()->Sit(0), 3);   // the focus look, though no cell is focused
        QCOMPARE(w->gitter()->ANr(), -1);
        QCOMPARE(w->skakt()->PosMax(), 7);
        QCOMPARE(w->skakt()->PosVisible(), 4);
        QCOMPARE(w->fremdrift()->Position(), 100);
        for (const char *k : {"aKopierMappe", "aVisMappe", "aKopierBillede", "aSletBillede", "aFindBillede"})
            QVERIFY(w->kommando(k)->isEnabled());
        QVERIFY(w->gitter()->hasFocus());
        QVERIFY(m_d.forloeb.isEmpty());
        // Each thumbnail is drawn where the cell's size puts it.
        const billedfiler::Miniature &m = w->gitter()->miniaturer().at(1);
        QCOMPARE(m.placering, felter::BeregnR(QSize(120, 80), l.FeltBredde - 4, l.FeltHojde - 4));

        // The commands hand the picture and its folder to the main window.
        w->kommando("aKopierMappe")->trigger();
        w->kommando("aKopierBillede")->trigger();
        w->kommando("aFindBillede")->trigger();
        w->kommando("aAabnBillede")->trigger();
        QCOMPARE(m_registreret, (QStringList{m_dir->path(), sti("b.bmp")}));
        QCOMPARE(m_valgt, QStringList{sti("b.bmp")});
        QCOMPARE(m_koert, QStringList{sti("b.bmp")});
    }

    // Keys page through the list; the shaft follows; a click and the shaft
    // move the pictures as specified.
    void tasterMusOgSkakt()
    {
        lavBilleder(9);   // 10 pictures in all
        auto w = vindue();
        w->loadBilleder(2, 2);
        TBibPan *g = w->gitter();
        const felter::Layout l = g->layout();
        QTest::mouseClick(g, Qt::LeftButton, {}, l.IR.at(0).center());
        QCOMPARE(g->ANr(), 0);
        QTest::keyClick(g, Qt::Key_End);
        QCOMPARE(g->StartNr(), 6);
        QCOMPARE(g->ANr(), 3);
        QCOMPARE(w->skakt()->Position(), 6);
        QCOMPARE(tekst(*w, "filnavn"), navn(*w, 9));
        QTest::keyClick(g, Qt::Key_PageUp);
        QCOMPARE(g->StartNr(), 2);
        QCOMPARE(g->SlutNr(), 5);
        QCOMPARE(w->skakt()->Position(), 2);
        QTest::keyClick(g, Qt::Key_Right);   // on the last cell: one picture on
        QCOMPARE(g->StartNr(), 3);
        QCOMPARE(g->ANr(), 3);
        QCOMPARE(tekst(*w, "filnavn"), navn(*w, 6));

        // The shaft moves the pictures, not the focus or the info.
        const QPoint inc = w->skakt()->geometri().IncR.center();
        QTest::mousePress(w->skakt(), Qt::LeftButton, {}, inc);
        QTest::mouseRelease(w->skakt(), Qt::LeftButton, {}, inc);
        QCOMPARE(g->StartNr(), 4);
        QCOMPARE(g->ANr(), 3);
        QCOMPARE(tekst(*w, "filnavn"), navn(*w, 6));

        // A right click shows the picture and selects it in an explorer.
        QTest::mouseClick(g, Qt::RightButton, {}, l.IR.at(1).center());
        QCOMPARE(tekst(*w, "filnavn"), navn(*w, 5));
        QCOMPARE(m_valgt, QStringList{sti(navn(*w, 5))});
        QCOMPARE(g->Sit(1), 3);
        QCOMPARE(g->Sit(3), 1);
        // Released away from the cell: no click, the cell back to normal.
        QTest::mousePress(g, Qt::LeftButton, {}, l.IR.at(2).center());
        QCOMPARE(g->Sit(2), 2);
        QTest::mouseRelease(g, Qt::LeftButton, {}, l.IR.at(3).center());
        QCOMPARE(g->Sit(2), 1);
        QCOMPARE(tekst(*w, "filnavn"), navn(*w, 5));
    }

    void antalknapper_data()
    {
        QTest::addColumn<bool>("vandret");
        QTest::addColumn<QString>("plusTekst");
        QTest::addColumn<QString>("minusTekst");
        QTest::newRow("vandret") << true << "Forøg antal felter vandret." << "Formindsk antallet af felter vandret.";
        QTest::newRow("lodret") << false << "Forøg antallet af felter lodret." << "Formindsk antallet af felter lodret.";
    }

    // The count buttons empty the grid; minus never goes below 1.
    void antalknapper()
    {
        QFETCH(bool, vandret);
        lavBilleder(3);
        m_GBoxV = 1;
        m_GBoxL = 1;
        auto w = vindue();
        w->loadBilleder(1, 1);
        QCOMPARE(w->gitter()->AntalIalt(), 4);
        const QString akse = vandret ? "V" : "L";
        auto *minus = w->findChild<QToolButton *>("minus" + akse);
        auto *plus = w->findChild<QToolButton *>("plus" + akse);
        minus->click();
        QCOMPARE(m_status.last(), QString("Et felt er mindste feltantal"));
        QCOMPARE(vandret ? w->AntalV() : w->AntalL(), 1);
        QCOMPARE(w->gitter()->AntalIalt(), 0);
        QCOMPARE(w->picFilnavn(), QString());
        QVERIFY(!w->kommando("aKopierMappe")->isEnabled());
        plus->click();
        QCOMPARE(vandret ? w->AntalV() : w->AntalL(), 2);
        QCOMPARE(vandret ? m_GBoxV : m_GBoxL, 2);
        QCOMPARE(tekst(*w, vandret ? "antalV" : "antalL"), QString("2"));
        QCOMPARE(w->skakt()->PosVisible(), 2);
        QCOMPARE(w->fremdrift()->Position(), 0);

        QEvent ind(QEvent::Enter), ud(QEvent::Leave);
        QCoreApplication::sendEvent(plus, &ind);
        QTEST(m_status.last(), "plusTekst");
        QCoreApplication::sendEvent(plus, &ud);
        QCOMPARE(m_status.last(), QString());
        QCoreApplication::sendEvent(minus, &ind);
        QTEST(m_status.last(), "minusTekst");
    }

    void ingenBilleder()
    {
        QVERIFY(testfiler::lavFil(sti("tekst.txt")));
        auto w = vindue();
        w->kommando("aIndlaes")->trigger();
        QCOMPARE(m_d.informationer,
                 QStringList{"For at indlæse billeder skal der være valgt en billedfil af type jpg, ico eller bmp i "
                             "mappe-fil-strukturen, altså struktur 2."});
        QCOMPARE(tekst(*w, "antalBilleder"), QString("0"));
        m_editSti = sti("findes ikke");
        w->kommando("aIndlaes")->trigger();
        QCOMPARE(m_d.informationer.size(), 2);
        QVERIFY(!w->kommando("aKopierMappe")->isEnabled());
    }

    // Deleting asks with the file name; a picture that went to the trash
    // leaves the grid.
    void sletning()
    {
        lavBilleder(2);
        auto w = vindue();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->loadBilleder(2, 2);
        m_d.svarNej();
        w->kommando("aSletBillede")->trigger();
        QCOMPARE(m_d.spoergsmaal, QStringList{"Filnavn:\rb.bmp\rSkal filen slettes til papirkurven?"});
        QVERIFY(m_valgt.isEmpty());
        QTest::keyClick(w->gitter(), Qt::Key_Right);
        const QString foerste = navn(*w, 1), anden = navn(*w, 2);
        QCOMPARE(w->picFilnavn(), sti(foerste));
        m_d.svarJa();
        QTest::keyClick(w->gitter(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(m_valgt, QStringList{sti(foerste) + " slet"});
        QCOMPARE(w->gitter()->AntalIalt(), 2);
        QCOMPARE(tekst(*w, "antalBilleder"), QString("2"));
        QCOMPARE(w->picFilnavn(), sti(anden));
    }

    // A colour applies to the bar and the cells at once, without a new load.
    void baggrundsfarve()
    {
        lavBilleder(1);
        m_colIndex = 7;
        auto w = vindue();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        QCOMPARE(w->gitter()->FeltFarve(), QColor(0xA6, 0xCA, 0xF0));   // applied at the first activation
        w->loadBilleder(1, 1);
        auto *menu = w->findChild<QMenu *>("farvemenu");
        QCOMPARE(menu->actions().size(), 20);
        QCOMPARE(menu->actions().at(2)->text(), QString("Blå"));
        for (QAction *a : menu->actions())
            if (a->objectName() == "m03")
                a->trigger();
        QCOMPARE(m_colIndex, 2);
        QCOMPARE(w->gitter()->FeltFarve(), QColor(0x00, 0x00, 0x9B));
        QCOMPARE(w->fremdrift()->baggrund(), QColor(0x00, 0x00, 0x9B));
        QCOMPARE(w->fremdrift()->ColorStep(), QColor(0xFF, 0xFF, 0xFF));
        QCOMPARE(w->gitter()->AntalIalt(), 2);
        // The cell's thumbnail area shows the colour beside the picture.
        const QImage skaerm = w->gitter()->grab().toImage();
        const QPoint origo = w->gitter()->layout().IR.at(0).topLeft();
        QCOMPARE(QColor(skaerm.pixel(origo + QPoint(1, 1))), QColor(0x00, 0x00, 0x9B));
    }

    // Outside the frame: width 900, the place kept in "Gallery.txt", the
    // grid kept in the main settings.
    void eksterntVindue()
    {
        QVERIFY(tekstfil::gem(sti("Gallery.txt"), {"30", "50", "600"}));
        auto w = vindue(false);
        QCOMPARE(w->width(), 900);
        QCOMPARE(w->height(), 600);
        QVERIFY(!w->findChild<QToolButton *>("infoKnap")->isHidden());
        w->findChild<QToolButton *>("infoKnap")->click();
        QCOMPARE(m_hjaelp, QStringList{"Billeder.html"});
        w->findChild<QToolButton *>("plusV")->click();
        m_GBoxV = 0;
        QVERIFY(w->close());
        QCOMPARE(m_GBoxV, 4);
        const QStringList linjer = tekstfil::hent(sti("Gallery.txt"));
        QCOMPARE(linjer.size(), 3);
        QCOMPARE(linjer.at(2), QString::number(w->height()));

        auto inde = vindue(true);
        QVERIFY(inde->findChild<QToolButton *>("infoKnap")->isHidden());
    }

    // Closing while pictures load stops the load, then the window closes.
    void lukUnderIndlaesning()
    {
        lavBilleder(40);
        auto *w = new TGalForm(m_d, true, QString(), hoved());
        w->resize(1000, 700);
        w->show();
        QPointer<TGalForm> p(w);
        bool lukket = false;
        connect(w->fremdrift(), &TProgressCompo::OnProgress, w, [&](int procent) {
            if (procent > 0 && !lukket) {
                lukket = true;
                QVERIFY(!w->close());   // refused while the load unwinds
            }
        });
        w->loadBilleder(2, 2);
        QTRY_VERIFY(!p);
        QVERIFY(m_d.forloeb.isEmpty());
    }

    // A new load asked for while one runs replaces it.
    void nyIndlaesningUnderIndlaesning()
    {
        lavBilleder(40);
        auto w = vindue();
        bool igen = false;
        connect(w->fremdrift(), &TProgressCompo::OnProgress, w.get(), [&](int procent) {
            if (procent > 0 && !igen) {
                igen = true;
                w->loadBilleder(3, 3);
            }
        });
        w->loadBilleder(2, 2);
        QTRY_COMPARE(w->gitter()->AntalIalt(), 41);
        QCOMPARE(w->AntalV(), 3);
        QVERIFY(!w->indlaeser());
        QVERIFY(m_d.forloeb.isEmpty());
    }
};

QTEST_MAIN(TestGalform)
#include "tst_galform.moc"
