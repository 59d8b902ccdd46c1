#include "engines/galleri/rammex.h"
#include "gallery/tprogresscompo.h"
#include "gallery/trulskakt.h"
#include "testmiljoe.h"

#include <QSignalSpy>
#include <QtTest>

// The gallery's own controls driven as a user would: the scroll shaft's
// buttons, repeat and knob, and the stepped progress bar on screen.
class TestKontroller : public QObject
{
    Q_OBJECT

    TRammeGrundX m_ydre;
    TRammeFeltX m_knap;
    TRammeFeltX m_pos;

    // The gallery's shaft: 16 x 513, 4 of 100 pictures visible.
    std::unique_ptr<TRulskakt> skakt()
    {
        auto s = std::make_unique<TRulskakt>();
        s->setRammer(&m_ydre, &m_knap, &m_pos);
        s->resize(16, 513);
        s->NyePos(4, 96, 0);
        s->show();
        return s;
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_ydre.Art = TRammeXType::rtInd;
        m_knap.Art = TRammeXType::rtUd;
        m_pos.Art = TRammeXType::rtUd;
        m_pos.FocusRamme = true;
        m_pos.MedFeltFarve = false;
    }

    // A held button moves at once, again after 400 ms, then every 100 ms;
    // off the button the repeats pause, and release ends them.
    void knapGentagerMensDenHoldes()
    {
        auto s = skakt();
        QSignalSpy pos(s.get(), &TRulskakt::OnPosition);
        const QPoint inc = s->geometri().IncR.center();
        QTest::mousePress(s.get(), Qt::LeftButton, {}, inc);
        QCOMPARE(pos.size(), 1);
        QCOMPARE(s->Position(), 1);
        QCOMPARE(s->tilstand(TRulskakt::IncKnap), int(TRammeX::Nede));
        QVERIFY(s->gentager());
        QCOMPARE(s->gentagelsesInterval(), 400);
        QVERIFY(pos.wait(2000));
        QCOMPARE(s->Position(), 2);
        QCOMPARE(s->gentagelsesInterval(), 100);
        QVERIFY(pos.wait(2000));
        QCOMPARE(s->Position(), 3);

        QTest::mouseMove(s.get(), QPoint(8, 250));
        QVERIFY(!s->gentager());
        QCOMPARE(s->tilstand(TRulskakt::IncKnap), int(TRammeX::Normal));
        QTest::mouseMove(s.get(), inc);
        QVERIFY(s->gentager());
        QTest::mouseRelease(s.get(), Qt::LeftButton, {}, inc);
        QVERIFY(!s->gentager());
        QCOMPARE(s->gentagelsesInterval(), 400);
        QCOMPARE(s->tilstand(TRulskakt::IncKnap), int(TRammeX::Over));
        const int slut = s->Position();
        QCOMPARE(pos.last().at(0).toInt(), slut);

        QTest::mousePress(s.get(), Qt::LeftButton, {}, s->geometri().DecR.center());
        QTest::mouseRelease(s.get(), Qt::LeftButton, {}, s->geometri().DecR.center());
        QCOMPARE(s->Position(), slut - 1);
    }

    void knappenTraekkes()
    {
        auto s = skakt();
        QSignalSpy pos(s.get(), &TRulskakt::OnPosition);
        const QPoint knap = s->geometri().PosR(0).center();
        QTest::mousePress(s.get(), Qt::LeftButton, {}, knap);
        QTest::mouseMove(s.get(), knap + QPoint(0, 48));
        QCOMPARE(s->Position(), 48 * 96 / 463);
        QTest::mouseMove(s.get(), knap + QPoint(0, 2000));   // past the end
        QCOMPARE(s->Position(), 96);
        QTest::mouseRelease(s.get(), Qt::LeftButton, {}, knap + QPoint(0, 2000));
        QCOMPARE(pos.last().at(0).toInt(), 96);

        // The track beside the knob does nothing; following the grid does not report.
        const int foer = int(pos.size());
        QTest::mousePress(s.get(), Qt::LeftButton, {}, QPoint(8, 100));
        QTest::mouseRelease(s.get(), Qt::LeftButton, {}, QPoint(8, 100));
        s->NyPosition(10);
        QCOMPARE(s->Position(), 10);
        s->NyPosition(500);
        QCOMPARE(s->Position(), 10);
        QCOMPARE(pos.size(), foer);
        // A lower maximum takes the position with it.
        s->setPosMax(5);
        QCOMPARE(s->Position(), 5);
        QCOMPARE(pos.last().at(0).toInt(), 5);
    }

    void tasterUdenKomponent()
    {
        auto s = skakt();
        s->setFocus();
        QTest::keyClick(s.get(), Qt::Key_End);
        QCOMPARE(s->Position(), 96);
        QTest::keyClick(s.get(), Qt::Key_Up);
        QCOMPARE(s->Position(), 95);
        QTest::keyClick(s.get(), Qt::Key_Home);
        QCOMPARE(s->Position(), 0);
        QTest::keyClick(s.get(), Qt::Key_Left);
        QCOMPARE(s->Position(), 0);
    }

    // Drawn on screen: the bar's length at whole steps and its colours.
    void fremdriftsbjaelken()
    {
        TProgressCompo b;
        b.setFixedSize(138, 24);
        b.setTrin(1);
        b.setBaggrund(QColor(0xC0, 0xC0, 0x80));
        b.setColorStep(QColor(0x3F, 0xBF, 0xFF));
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QSignalSpy procent(&b, &TProgressCompo::OnProgress);
        b.setPosition(50);
        QCOMPARE(procent.last().at(0).toInt(), 50);
        QCOMPARE(b.bjaelke(), QRect(0, 0, 68, 24));   // Round(0.5 × 137), halves to even
        const QImage billede = b.grab().toImage();
        QCOMPARE(QColor(billede.pixel(10, 12)), QColor(0x3F, 0xBF, 0xFF));
        QCOMPARE(QColor(billede.pixel(100, 12)), QColor(0xC0, 0xC0, 0x80));
        b.setPosition(0);
        QCOMPARE(b.bjaelke(), QRect());
        QCOMPARE(QColor(b.grab().toImage().pixel(10, 12)), QColor(0xC0, 0xC0, 0x80));
        b.setLodret(true);
        b.setPosition(100);
        QCOMPARE(b.bjaelke(), QRect(0, 1, 138, 23));   // grows upwards from the bottom
    }
};

QTEST_MAIN(TestKontroller)
#include "tst_kontroller.moc"
