// Opens and closes an explorer window and the help browser in the real main
// window, offscreen, round after round, and prints the program's resident
// memory every 20 rounds. What a round keeps after the first rounds (windows,
// models, lists or connections that outlive their window) shows as growth.
//
//   bench_hukommelse [RUNDER] [--objekter]
//
// RUNDER defaults to 200. With --objekter the QObjects still alive at the end
// that were made after the warm-up are counted by class, which names what is
// kept. The data folder tree lives in a temporary home folder that is removed
// afterwards.

#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "core/dialogs.h"
#include "shell/tvinduesstyring.h"
#include "stilledialogs.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <malloc.h>

extern "C++" Q_CORE_EXPORT quintptr qtHookData[];

namespace {

// The QObjects made while counting is on and not yet destroyed.
QSet<QObject *> *g_levende = nullptr;
bool g_taeller = false;
long g_lavet = 0;

void tilfoejet(QObject *o)
{
    if (!g_taeller)
        return;
    ++g_lavet;
    g_levende->insert(o);
}

void fjernet(QObject *o)
{
    if (g_levende)
        g_levende->remove(o);
}

enum { AddQObject = 3, RemoveQObject = 4 };

long rssKB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linje : status.readAll().split('\n'))
        if (linje.startsWith("VmRSS:"))
            return linje.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Lets every close, deferred delete and timer of the round happen.
void roLige()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

long maaling()
{
    roLige();
    // Freed heap pages are handed back, so the figure shows what is held.
    malloc_trim(0);
    return rssKB();
}

void runde(Tmainform &w)
{
    TVinduesstyring *styring = w.boernevinduer()->styring();
    styring->makeNewStifinder();
    roLige();
    w.InfoHelp(QStringLiteral("Velkommen.html"));
    roLige();
    styring->CloseAlleElementer();
    roLige();
    styring->CloseElement();
    roLige();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runder = args.size() > 1 && !args.at(1).startsWith('-') ? args.at(1).toInt() : 200;
    const bool objekter = args.contains(QStringLiteral("--objekter"));

    QTemporaryDir hjem;
    qputenv("HOME", QFile::encodeName(hjem.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(hjem.path() + "/.config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(hjem.path() + "/.local/share"));

    QSet<QObject *> levende;
    if (objekter) {
        g_levende = &levende;
        qtHookData[AddQObject] = reinterpret_cast<quintptr>(&tilfoejet);
        qtHookData[RemoveQObject] = reinterpret_cast<quintptr>(&fjernet);
    }

    StilleDialogs dialogs;
    long efterOpvarmning = 0;
    {
        Tmainform w(&dialogs);
        w.show();
        if (!QTest::qWaitForWindowActive(&w)) {
            std::fprintf(stderr, "Hovedvinduet blev ikke aktivt\n");
            return 1;
        }
        // The first explorer window stays open, as at a normal start.
        roLige();
        std::printf("runde %4d  rss_kb %ld\n", 0, maaling());
        for (int i = 1; i <= runder; ++i) {
            runde(w);
            if (i == 20) {
                efterOpvarmning = maaling();
                g_taeller = objekter;
            }
            if (i % 20 == 0)
                std::printf("runde %4d  rss_kb %ld\n", i, i == 20 ? efterOpvarmning : maaling());
            std::fflush(stdout);
        }
        const long slut = maaling();
        std::printf("vaekst_efter_opvarmning_kb %ld\n", slut - efterOpvarmning);
        if (objekter) {
            g_taeller = false;
            std::printf("objekter_lavet_efter_opvarmning %ld  stadig_levende %lld\n", g_lavet, qint64(levende.size()));
            QHash<QByteArray, int> klasser;
            for (QObject *o : std::as_const(levende))
                ++klasser[o->metaObject()->className()];
            for (auto it = klasser.cbegin(); it != klasser.cend(); ++it)
                std::printf("levende %-40s %d\n", it.key().constData(), it.value());
        }
        w.close();
    }
    qtHookData[AddQObject] = 0;
    qtHookData[RemoveQObject] = 0;
    g_levende = nullptr;
    return 0;
}
