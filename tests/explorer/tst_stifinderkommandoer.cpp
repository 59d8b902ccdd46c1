#include "explorer/tstifinderkommandoer.h"

#include <QAction>
#include <QSet>
#include <QWidget>
#include <QtTest>

using namespace stifinderkommandoer;

// The explorer window's command table, walked row by row: each command has
// its one row, and each row is whole.
class TestStifinderKommandoer : public QObject
{
    Q_OBJECT

private slots:
    void hverKommandoHarSinRaekke()
    {
        QCOMPARE(tabel().size(), stifinderregler::AntalKommandoer);
        for (int i = 0; i < tabel().size(); ++i)
            QCOMPARE(int(tabel().at(i).id), i);
    }

    void hverRaekkeHarReglOgHandling()
    {
        for (const Raekke &r : tabel()) {
            QVERIFY2(r.regel, r.navn);
            // Only a command whose window the program lacks has no handler.
            QCOMPARE(r.handling == nullptr, r.kraever == Forudsaetning::Mangler);
        }
    }

    void navneOgTasterErEntydige()
    {
        QSet<QString> navne;
        QSet<QKeySequence> taster;
        for (const Raekke &r : tabel()) {
            const QString navn = QLatin1String(r.navn);
            QVERIFY2(!navn.isEmpty() && !navne.contains(navn), r.navn);
            navne.insert(navn);
            for (const QKeySequence &k : r.taster) {
                QVERIFY2(!taster.contains(k), qPrintable(navn + ": " + k.toString()));
                taster.insert(k);
            }
        }
    }

    // The hint names the command's key, so what the user reads is what acts.
    void hintetNaevnerTasten()
    {
        for (const Raekke &r : tabel()) {
            if (r.taster.isEmpty())
                continue;
            const QString tast = r.taster.first().toString(QKeySequence::PortableText);
            QVERIFY2(QString::fromUtf8(r.hint).contains(tast), qPrintable(QLatin1String(r.navn) + ": " + tast));
        }
    }

    // The actions carry the rows; without a window to act on nothing runs
    // and everything stays disabled.
    void handlingerEfterRaekkerne()
    {
        QWidget vindue;
        TStifinderKommandoer k(&vindue);
        stifinderregler::Tilstand t;
        t.aktivTrae = Trae::Fil;
        t.valgt = true;
        t.poster = 1;
        k.opdater(t);
        for (const Raekke &r : tabel()) {
            QAction *a = k.kommando(r.id);
            QCOMPARE(a->objectName(), QLatin1String(r.navn));
            QCOMPARE(a->shortcuts(), r.taster);
            QVERIFY2(!a->isEnabled(), r.navn);
        }
        QCOMPARE(k.kommando(stifinderregler::Kommando::Paste)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    }
};

QTEST_MAIN(TestStifinderKommandoer)
#include "tst_stifinderkommandoer.moc"
