#include "app/tbeskeddialogs.h"
#include "app/tbeskedlabel.h"
#include "app/tinfform.h"
#include "app/tspform.h"
#include "testmiljoe.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

// The windows are driven for real: each modal show is answered from a zero
// timer that fires inside the window's own event loop, through the window the
// test already holds, never by hunting for the active modal widget.
class TestBeskedvinduer : public QObject
{
    Q_OBJECT

public:
    enum class Handling { JaKnap, EnterPaaFoersteFokus, NejKnap, Escape, Lukkeboks };
    Q_ENUM(Handling)

private:
    QWidget *m_hovedvindue = nullptr;

    static int linjeafstand(const TBeskedform &vindue, const TBeskedLabel *label)
    {
        Q_UNUSED(vindue);
        return QFontMetrics(label->font()).lineSpacing();
    }

    template<typename Vindue>
    int hoejdeFor(const QString &tekst)
    {
        Vindue vindue(m_hovedvindue);
        vindue.insertTekst(tekst);
        vindue.FormShow();
        return vindue.height();
    }

    static void udfoer(Tspform *vindue, Handling handling)
    {
        switch (handling) {
        case Handling::JaKnap:
            QTest::mouseClick(vindue->JaKnap, Qt::LeftButton);
            break;
        case Handling::EnterPaaFoersteFokus:
            QTest::keyClick(vindue->focusWidget(), Qt::Key_Return);
            break;
        case Handling::NejKnap:
            QTest::mouseClick(vindue->NejKnap, Qt::LeftButton);
            break;
        case Handling::Escape:
            QTest::keyClick(vindue->focusWidget(), Qt::Key_Escape);
            break;
        case Handling::Lukkeboks:
            // What the window system sends when the close box is pressed.
            vindue->windowHandle()->close();
            break;
        }
    }

    // Runs `imens` inside the window's modal loop once it is showing.
    static void naarVist(std::function<void()> imens)
    {
        QTimer::singleShot(0, std::move(imens));
    }

private slots:
    void initTestCase()
    {
        saetDanskLocale();
        m_hovedvindue = new QWidget;
        m_hovedvindue->setGeometry(100, 80, 600, 400);
        m_hovedvindue->show();
    }

    void cleanupTestCase() { delete m_hovedvindue; }

    void hoejdeFoelgerTekstlinjerne_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("ekstraLinjer");
        QTest::newRow("en linje") << "Filen blev ikke fundet." << 0;
        QTest::newRow("tre linjer med CR") << "Der opstod en fejl.\rFilen: a.txt\rPrøv igen." << 2;
        QTest::newRow("tre linjer med LF") << "Første\nAnden\nTredje" << 2;
        QTest::newRow("CR LF er ét skift") << "Første\r\nAnden" << 1;
        QTest::newRow("slutter med skift") << "Der opstod en ukendt fejl.\r" << 1;
        QTest::newRow("to skift i træk") << "Første\r\rTredje" << 2;
        QTest::newRow("tom tekst") << QString() << 0;
        QTest::newRow("lang sætning ombrydes") << QString("Skal alle indførte elementer i listen slettes? ").repeated(3) << 2;
    }
    void hoejdeFoelgerTekstlinjerne()
    {
        QFETCH(QString, tekst);
        QFETCH(int, ekstraLinjer);

        Tinfform info(m_hovedvindue);
        info.insertTekst(tekst);
        info.FormShow();
        const int enLinje = hoejdeFor<Tinfform>("En linje.");
        QCOMPARE(info.height() - enLinje, ekstraLinjer * linjeafstand(info, info.Label1));
        QCOMPARE(info.width(), 339);
        QCOMPARE(info.Label1->font().pointSize(), 10);
        // The question box sizes its text the same way.
        QCOMPARE(hoejdeFor<Tspform>(tekst), info.height());
    }

    void hoejdenErTekstenPlus80()
    {
        Tinfform info(m_hovedvindue);
        info.insertTekst("Linje 1\rLinje 2");
        info.FormShow();
        QCOMPARE(info.height(), 2 * linjeafstand(info, info.Label1) + 80);
    }

    void langeOrdBrydesUdenAtNogetSkaeresAf_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("kunVedMellemrum");
        QTest::newRow("meget langt ord") << QString(120, QChar('W')) << false;
        QTest::newRow("lang sti") << "/home/bruger/Marvikel/" + QString("Underliggende mappe æøå/").repeated(6) + "fil.txt" << false;
        QTest::newRow("sætning") << QString("Må denne mappe slettes og erstattes af den nye mappe? ").repeated(4).trimmed() << true;
    }
    void langeOrdBrydesUdenAtNogetSkaeresAf()
    {
        QFETCH(QString, tekst);
        QFETCH(bool, kunVedMellemrum);

        Tinfform info(m_hovedvindue);
        info.insertTekst(tekst);
        info.FormShow();
        const QFont font = info.Label1->font();
        const QStringList linjer = TBeskedLabel::ombrudteLinjer(tekst, font, info.Label1->width());

        QVERIFY(linjer.size() > 1);
        QCOMPARE(linjer.join(QString()), tekst);
        const QFontMetricsF maal(font);
        for (qsizetype i = 0; i < linjer.size(); ++i) {
            const QString synlig = linjer[i].trimmed();
            QVERIFY2(maal.horizontalAdvance(synlig) <= info.Label1->width() + 0.5, qPrintable(synlig));
            if (kunVedMellemrum && i + 1 < linjer.size())
                QVERIFY2(linjer[i].endsWith(' '), qPrintable(linjer[i]));
        }
        QCOMPARE(info.height(), int(linjer.size()) * linjeafstand(info, info.Label1) + 80);
        QCOMPARE(info.width(), 339);
    }

    void megetLangTekstHolderKnapperneSynlige()
    {
        QStringList linjer;
        for (int i = 1; i <= 200; ++i)
            linjer << QString("Kunne ikke slette /tmp/fil%1.txt").arg(i);
        Tinfform info(m_hovedvindue);
        info.insertTekst(linjer.join('\r'));
        info.show();

        QVERIFY(info.height() <= m_hovedvindue->screen()->availableGeometry().height());
        QVERIFY(info.OKKnap->geometry().bottom() < info.height());
        auto *omraade = info.findChild<QScrollArea *>();
        QVERIFY(omraade);
        QVERIFY(omraade->verticalScrollBar()->maximum() > 0);
        QVERIFY(omraade->geometry().bottom() < info.OKKnap->geometry().top());
        // The text is wrapped beside the scroll bar, not under it.
        QVERIFY(info.Label1->width() < TBeskedform::TekstBredde);
    }

    void vinduernesTeksterOgKnapper()
    {
        Tinfform info(m_hovedvindue);
        info.show();
        QCOMPARE(info.windowTitle(), QString("Information"));
        QCOMPARE(info.OKKnap->text(), QString("OK"));
        QCOMPARE(info.OKKnap->geometry().left(), 100);
        QCOMPARE(info.width() - 1 - info.OKKnap->geometry().right(), 100);
        QCOMPARE(info.Label1->mapTo(&info, QPoint()).x(), 8);
        QVERIFY(!(info.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(info.windowFlags() & Qt::WindowCloseButtonHint);

        Tspform spm(m_hovedvindue);
        spm.FormShow();
        QCOMPARE(spm.windowTitle(), QString("Spørgsmål"));
        QCOMPARE(spm.alleCheck->text(), QString("Gør det samme med alle"));
        QVERIFY(spm.alleCheck->isHidden());
        QCOMPARE(spm.NejKnap->text(), QString("Nej"));
        QCOMPARE(spm.JaKnap->text(), QString("Ja"));
        QVERIFY(spm.NejKnap->geometry().right() < spm.JaKnap->geometry().left());
        QCOMPARE(spm.NejKnap->geometry().top(), spm.JaKnap->geometry().top());
    }

    void svarPaaSpoergsmaal_data()
    {
        QTest::addColumn<Handling>("handling");
        QTest::addColumn<bool>("ja");
        QTest::newRow("Ja-knappen") << Handling::JaKnap << true;
        QTest::newRow("Enter på første fokus") << Handling::EnterPaaFoersteFokus << true;
        QTest::newRow("Nej-knappen") << Handling::NejKnap << false;
        QTest::newRow("Escape") << Handling::Escape << false;
        QTest::newRow("lukkeboksen") << Handling::Lukkeboks << false;
    }
    void svarPaaSpoergsmaal()
    {
        QFETCH(Handling, handling);
        QFETCH(bool, ja);

        TBeskedDialogs dialogs(m_hovedvindue);
        Tspform *spm = dialogs.spform();
        // The previous question left the focus on "Nej".
        spm->NejKnap->setFocus();
        QString vistTekst;
        bool jaHavdeFokus = false;
        naarVist([&] {
            vistTekst = spm->textLabel->text();
            jaHavdeFokus = spm->focusWidget() == spm->JaKnap;
            udfoer(spm, handling);
        });
        bool alle = true;
        QCOMPARE(dialogs.ask("Skal kommandoen test slettes?", false, &alle), ja);
        QCOMPARE(vistTekst, QString("Skal kommandoen test slettes?"));
        QVERIFY(jaHavdeFokus);
        QVERIFY(!alle);
        QVERIFY(!spm->isVisible());
        // Closing empties the text so the next caller starts clean.
        QVERIFY(spm->textLabel->text().isEmpty());
        QCOMPARE(spm->textLabel->font().pointSize(), 8);
    }

    void alleCheckGiverEnRaekkeMereOgStarterTom()
    {
        TBeskedDialogs dialogs(m_hovedvindue);
        Tspform *spm = dialogs.spform();
        const QString spoergsmaal = "Der eksisterer allerede en mappe med navnet:\r/tmp/a\r"
                                    "Må denne mappe slettes og erstattes af den nye mappe?";
        struct Set { int hoejde = 0; bool synlig = false; bool afkrydset = true; };

        auto spoerg = [&](bool visAlle, bool saetKryds, bool &alle) {
            Set set;
            naarVist([&] {
                set = {spm->height(), spm->alleCheck->isVisible(), spm->alleCheck->isChecked()};
                if (saetKryds)
                    QTest::mouseClick(spm->alleCheck, Qt::LeftButton, {}, QPoint(5, spm->alleCheck->height() / 2));
                QTest::mouseClick(spm->JaKnap, Qt::LeftButton);
            });
            dialogs.ask(spoergsmaal, visAlle, &alle);
            return set;
        };

        bool alle = false;
        const Set medKryds = spoerg(true, true, alle);
        QVERIFY(medKryds.synlig);
        QVERIFY(!medKryds.afkrydset);
        QVERIFY(alle);

        // Ticked by the last answer (and by a caller before showing): unticked again.
        spm->alleCheck->setChecked(true);
        const Set igen = spoerg(true, false, alle);
        QVERIFY(!igen.afkrydset);
        QVERIFY(!alle);

        const Set uden = spoerg(false, false, alle);
        QVERIFY(!uden.synlig);
        QVERIFY(!alle);
        QCOMPARE(medKryds.hoejde - uden.hoejde, Tspform::AlleCheckHoejde);
        QCOMPARE(igen.hoejde, medKryds.hoejde);
        // The check box sits between the text and the buttons.
        spm->alleCheck->show();
        spm->FormShow();
        QVERIFY(spm->alleCheck->geometry().bottom() < spm->JaKnap->geometry().top());
        QVERIFY(spm->textLabel->parentWidget()->parentWidget()->geometry().bottom()
                < spm->alleCheck->geometry().top());
    }

    void informViserTekstenOgOKLukker()
    {
        TBeskedDialogs dialogs(m_hovedvindue);
        Tinfform *info = dialogs.infform();
        QString vistTekst;
        int punkt = 0;
        bool modal = false;
        naarVist([&] {
            vistTekst = info->Label1->text();
            punkt = info->Label1->font().pointSize();
            modal = info->isModal() && info->isVisible();
            QTest::mouseClick(info->OKKnap, Qt::LeftButton);
        });
        dialogs.inform("Der opstod en ukendt fejl.\r");
        QCOMPARE(vistTekst, QString("Der opstod en ukendt fejl.\r"));
        QCOMPARE(punkt, 10);
        QVERIFY(modal);
        QVERIFY(!info->isVisible());
        QVERIFY(info->Label1->text().isEmpty());
        QCOMPARE(info->Label1->font().pointSize(), 8);
    }

    void aabnerCentreretPaaHovedvinduetHverGang()
    {
        TBeskedDialogs dialogs(m_hovedvindue);
        Tinfform *info = dialogs.infform();
        QList<QPoint> midter;
        for (int gang = 0; gang < 2; ++gang) {
            naarVist([&] {
                midter << info->frameGeometry().center();
                // The user drags it away; the next message still opens centred.
                info->move(0, 0);
                QTest::mouseClick(info->OKKnap, Qt::LeftButton);
            });
            dialogs.inform(gang == 0 ? "En linje." : "Første\rAnden\rTredje");
        }
        const QPoint hovedMidte = m_hovedvindue->frameGeometry().center();
        for (const QPoint &midte : std::as_const(midter)) {
            QVERIFY2((midte - hovedMidte).manhattanLength() <= 2,
                     qPrintable(QString("%1,%2 mod %3,%4").arg(midte.x()).arg(midte.y()).arg(hovedMidte.x()).arg(hovedMidte.y())));
        }
    }

    void spoergsmaalMensEtAndetErAabentBesvaresOgsaa()
    {
        TBeskedDialogs dialogs(m_hovedvindue);
        Tspform *faelles = dialogs.spform();
        bool indreSvar = false;
        QString indreTekst;
        naarVist([&] {
            naarVist([&] {
                // The inner question got a window of its own, on top of the shared one.
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    auto *andet = qobject_cast<Tspform *>(w);
                    if (andet && andet != faelles && andet->isVisible()) {
                        indreTekst = andet->textLabel->text();
                        QTest::mouseClick(andet->JaKnap, Qt::LeftButton);
                    }
                }
            });
            indreSvar = dialogs.ask("Indre spørgsmål");
            QTest::mouseClick(faelles->NejKnap, Qt::LeftButton);
        });
        QVERIFY(!dialogs.ask("Ydre spørgsmål"));
        QVERIFY(indreSvar);
        QCOMPARE(indreTekst, QString("Indre spørgsmål"));
        QVERIFY(faelles->textLabel->text().isEmpty());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TestBeskedvinduer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_beskedvinduer.moc"
