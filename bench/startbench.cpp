// Times the start of the main window, offscreen, with a program list of
// RECORDS records ("ProgItem.txt"), against the same start with an empty
// list in the same run. The data folder tree lives in a temporary home
// folder that is removed afterwards.
//
//   bench_start [RECORDS] [RUNDER]
//
// Prints "tom_ms", "liste_ms" (medians of RUNDER starts) and their difference.

#include "app/tmainform.h"
#include "core/dialogs.h"
#include "engines/datamappe/tdatamappe.h"
#include "platform/tekstfil.h"
#include "stilledialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A list as a user who registered many programs might have it: a handful
// of real programs, many times over.
void skrivListe(const QString &fil, int antal)
{
    const QStringList programmer{"/usr/bin/true", "/usr/bin/false", "/bin/sh", "/usr/bin/env", "/findes/ikke"};
    QStringList linjer{QString::number(antal)};
    for (int i = 0; i < antal; ++i)
        linjer << QStringLiteral("Program %1").arg(i) << programmer.at(i % programmer.size()) << QString()
               << QStringLiteral("1");
    tekstfil::gem(fil, linjer);
}

double medianMs(int runder)
{
    std::vector<double> tider;
    StilleDialogs dialogs;
    for (int i = 0; i < runder; ++i) {
        QElapsedTimer ur;
        ur.start();
        {
            Tmainform w(&dialogs);
            tider.push_back(ur.nsecsElapsed() / 1e6);
        }
        QCoreApplication::processEvents();
    }
    std::sort(tider.begin(), tider.end());
    return tider[tider.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir hjem;
    qputenv("HOME", QFile::encodeName(hjem.path()));
    QApplication app(argc, argv);
    const int antal = argc > 1 ? QByteArray(argv[1]).toInt() : 25000;
    const int runder = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 5;

    const QString liste = TDataMappe::CreateMapper().mapper.OptMappe + QStringLiteral("ProgItem.txt");
    skrivListe(liste, 0);
    const double tom = medianMs(runder);
    skrivListe(liste, antal);
    const double fuld = medianMs(runder);
    std::printf("tom_ms %.1f\nliste_ms %.1f\nposter %d\nforskel_ms %.1f\n", tom, fuld, antal, fuld - tom);
    return 0;
}
