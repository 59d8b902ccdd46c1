#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "engines/tstrukturcompo.h"
#include "explorer/twinform.h"
#include "fakedialogs.h"
#include "testfiler.h"
#include "testmiljoe.h"

#include <QDir>
#include <QtTest>

#include <memory>

// Folders and files handed to the program from outside (its command line or
// a second start): each shown in an explorer window, what is missing named.
class TestAabneStier : public QObject
{
    Q_OBJECT

    std::unique_ptr<MidlertidigHjem> m_hjem;

    static QList<Twinform *> stifindere(const Tmainform &w) { return w.boernevinduer()->stifindere(); }

private slots:
    void initTestCase() { saetDanskLocale(); }
    void init() { m_hjem = std::make_unique<MidlertidigHjem>(); }
    void cleanup() { m_hjem.reset(); }

    void vistNaarFoersteStifinderStaar()
    {
        const QString mappe = m_hjem->sti() + "/Breve og æbler";
        const QString fil = m_hjem->sti() + "/Noter/indkøb.txt";
        QVERIFY(QDir().mkpath(mappe));
        QVERIFY(QDir().mkpath(m_hjem->sti() + "/Noter"));
        QVERIFY(testfiler::lavFil(m_hjem->sti() + "/Noter/a.txt", "a"));
        QVERIFY(testfiler::lavFil(fil, "mælk"));
        const QString mangler = m_hjem->sti() + "/findes ikke";

        FakeDialogs d;
        Tmainform w(&d);
        // Asked before the window is on screen, as from the command line.
        w.aabnStier({mappe, fil, mangler});
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));

        QTRY_COMPARE(stifindere(w).size(), 2);
        TStrukturCompo *foerste = stifindere(w).at(0)->motor();
        QCOMPARE(foerste->mappenavn(), mappe);
        TStrukturCompo *anden = stifindere(w).at(1)->motor();
        QCOMPARE(anden->mappenavn(), m_hjem->sti() + "/Noter");
        QCOMPARE(anden->filnavn(), fil);
        QTRY_VERIFY(d.informationer.join('\n').contains(mangler));
        QVERIFY(d.informationer.join('\n').startsWith("Følgende findes ikke på denne computer og kunne ikke åbnes:"));
    }

    void enSenereAnmodningBrugerDetFoersteVindue()
    {
        FakeDialogs d;
        Tmainform w(&d);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTRY_COMPARE(stifindere(w).size(), 1);

        w.aabnStier({m_hjem->sti()});
        QCOMPARE(stifindere(w).size(), 1);
        QCOMPARE(stifindere(w).first()->motor()->mappenavn(), m_hjem->sti());
    }
};

QTEST_MAIN(TestAabneStier)
#include "tst_aabnestier.moc"
