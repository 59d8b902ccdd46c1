#include "core/dansk.h"
#include "core/navnenoegler.h"

#include <QtTest>

// The byte keys must order names exactly as the program's collator does,
// or a big folder would sort differently from a small one.
class TstNavnenoegler : public QObject
{
    Q_OBJECT

private slots:
    void ordnerSomKollatoren()
    {
        const QStringList navne = {
            QStringLiteral("æble"),    QStringLiteral("Æble"),   QStringLiteral("øl"),
            QStringLiteral("ål"),      QStringLiteral("Aalborg"), QStringLiteral("zebra"),
            QStringLiteral("fil9"),    QStringLiteral("fil10"),   QStringLiteral("fil010"),
            QStringLiteral("Fil2"),    QStringLiteral("a b"),     QStringLiteral("a-b"),
            QStringLiteral("a_b"),     QStringLiteral("a.b"),     QStringLiteral("ab"),
            QStringLiteral("e\u0301"), QStringLiteral("\u00e9"),  QStringLiteral("\u00e9t\u00e9"),
            QStringLiteral("Noter 10044.png"), QStringLiteral("Noter 10044.PNG"),
            QStringLiteral("Noter 9.png"), QStringLiteral("\u65e5\u672c"), QStringLiteral("\U0001F600"),
            // A name that was not valid UTF-8 keeps its bytes as lone surrogates.
            QString(QChar(0xdcff)) + QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("."),
            QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa1"),
            QStringLiteral("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa2"),
        };
        Navnenoegler noegler;
        for (const QString &n : navne)
            noegler.tilfoej(n);
        QCOMPARE(noegler.antal(), size_t(navne.size()));
        const QCollator orden = dansk::navneorden();
        auto fortegn = [](int c) { return c < 0 ? -1 : (c > 0 ? 1 : 0); };
        for (qsizetype a = 0; a < navne.size(); ++a) {
            for (qsizetype b = 0; b < navne.size(); ++b) {
                const int forventet = fortegn(orden.compare(navne[a], navne[b]));
                const int faaet = fortegn(noegler.sammenlign(size_t(a), size_t(b)));
                if (faaet != forventet)
                    QFAIL(qPrintable(QStringLiteral("%1 mod %2: %3, kollatoren %4")
                                         .arg(navne[a], navne[b]).arg(faaet).arg(forventet)));
                // The prefix never contradicts the whole key.
                if (noegler.praefiks(size_t(a)) < noegler.praefiks(size_t(b)))
                    QCOMPARE(faaet, -1);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstNavnenoegler)
#include "tst_navnenoegler.moc"
