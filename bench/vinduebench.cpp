// Drives a real explorer window of the main window on one big folder, the
// way a user's hands would, while a probe timer notes every event round:
//
//   bench_vindue DIR [RUNDER]
//
//   liste     the folder listed in the file tree by the window's command:
//             time to the first painted rows ("liste_foerste_ms") and the
//             longest gap between event rounds meanwhile ("liste_gab_ms")
//   kopier    Ctrl+A and Ctrl+C in the file tree (their commands): time
//             until the window answers events again ("kopier_ms")
//   rul       100 Page Downs in the file tree, each painted at once: the
//             median frame ("rul_median_ms"), and the same in a plain
//             QTreeView over a QFileSystemModel of the folder
//             ("anker_rul_median_ms"); then 100 pages by the scroll bar,
//             which paint without moving the current row
//             ("rul_maling_median_ms", "anker_rul_maling_median_ms")
//
// Each figure is the median of RUNDER runs (default 3). The platform is the
// one in QT_QPA_PLATFORM (offscreen unless set). A temporary home folder
// keeps the program's settings away from the user's.

#include "app/tboernevinduer.h"
#include "app/tmainform.h"
#include "core/dialogs.h"
#include "engines/stifinderregler.h"
#include "engines/strukturrec.h"
#include "engines/tfilmodel.h"
#include "engines/tkopilister.h"
#include "engines/tstrukturcompo.h"
#include "explorer/tklipbordskommandoer.h"
#include "explorer/tstrukturvisning.h"
#include "explorer/twinform.h"
#include "shell/tvinduesstyring.h"
#include "stilledialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Notes the time of every event round through a short timer; the longest
// gap between two notes is the longest time the window did not answer.
class Sonde : public QObject
{
public:
    Sonde()
    {
        m_ur.start();
        m_timer.setInterval(2);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] { m_noter.push_back(m_ur.nsecsElapsed()); });
        m_timer.start();
    }
    qint64 nu() const { return m_ur.nsecsElapsed(); }
    void nulstil() { m_noter.assign(1, nu()); }
    // The longest gap in ms since nulstil(), up to now.
    double stoersteGab() const
    {
        qint64 stoerst = 0;
        for (size_t i = 1; i < m_noter.size(); ++i)
            stoerst = std::max(stoerst, m_noter[i] - m_noter[i - 1]);
        return double(stoerst) / 1e6;
    }
    // Runs event rounds until the probe has noted one after `siden`.
    void ventPaaSvar(qint64 siden)
    {
        while (m_noter.empty() || m_noter.back() <= siden)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    }

private:
    QElapsedTimer m_ur;
    QTimer m_timer;
    std::vector<qint64> m_noter;
};

// Notes when a view's viewport paints while its model has rows.
class MalingsVagt : public QObject
{
public:
    MalingsVagt(QAbstractItemView *view, Sonde &sonde)
        : m_view(view)
        , m_sonde(sonde)
    {
        view->viewport()->installEventFilter(this);
    }
    qint64 maletMedRaekker = -1;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && maletMedRaekker < 0 && m_view->model()->rowCount() > 0) {
            // Paint now, so the time includes drawing the rows.
            m_view->viewport()->removeEventFilter(this);
            QCoreApplication::sendEvent(m_view->viewport(), e);
            maletMedRaekker = m_sonde.nu();
            return true;
        }
        return false;
    }

private:
    QAbstractItemView *m_view;
    Sonde &m_sonde;
};

struct Liste
{
    double foerste = 0;
    double gab = 0;
};

Liste liste(Twinform *w, const QString &dir, Sonde &sonde)
{
    TStrukturCompo *motor = w->motor();
    QTreeView *filer = w->visning()->filStruktur();
    motor->setAktiveStruktur(Trae::Fil);
    motor->makeStruktur2(QDir::rootPath());
    w->mappeKontrol(QDir::rootPath(), true);
    QTest::qWait(50);
    MalingsVagt vagt(filer, sonde);
    // The command is posted, as a click's would be, and runs in an event round.
    sonde.nulstil();
    const qint64 start = sonde.nu();
    QTimer::singleShot(0, w, [w, motor, dir] { w->mappeKontrol(motor->makeStruktur2(dir), true); });
    while (vagt.maletMedRaekker < 0 || motor->struktur2()->antal() == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    sonde.ventPaaSvar(sonde.nu());
    return {double(vagt.maletMedRaekker - start) / 1e6, sonde.stoersteGab()};
}

double kopier(Twinform *w, Sonde &sonde)
{
    QTreeView *filer = w->visning()->filStruktur();
    filer->setFocus();
    w->klipbordsKommandoer()->lister()->sletBeggeLister();
    QTest::qWait(20);
    const qint64 start = sonde.nu();
    sonde.nulstil();
    // The commands Ctrl+A and Ctrl+C stand for, as their keys trigger them
    // (a key sent offscreen may stop at the view's own handling).
    using stifinderregler::Kommando;
    w->kommando(Kommando::selectAlleElementer)->trigger();
    QCoreApplication::processEvents();
    w->kommando(Kommando::Copy)->trigger();
    sonde.ventPaaSvar(sonde.nu());
    const double tid = double(sonde.nu() - start) / 1e6;
    return std::max(tid, sonde.stoersteGab());
}

struct Rulning
{
    double taster = 0;   // median frame of a Page Down key and its painting
    double maling = 0;   // median frame of a page scrolled by the scroll bar and painted
};

Rulning rul(QTreeView *view)
{
    std::vector<double> taster, maling;
    view->setFocus();
    view->setCurrentIndex(view->model()->index(0, 0, view->rootIndex()));
    view->scrollToTop();
    QCoreApplication::processEvents();
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer ur;
        ur.start();
        QTest::keyClick(view, Qt::Key_PageDown);
        view->viewport()->repaint();
        taster.push_back(double(ur.nsecsElapsed()) / 1e6);
    }
    QCoreApplication::processEvents();
    view->scrollToTop();
    for (int i = 0; i < 100; ++i) {
        QElapsedTimer ur;
        ur.start();
        view->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
        view->viewport()->repaint();
        maling.push_back(double(ur.nsecsElapsed()) / 1e6);
    }
    return {median(taster), median(maling)};
}

// A plain view of the same folder, as Qt lists it.
Rulning ankerRul(const QString &dir, QSize stoerrelse)
{
    QFileSystemModel model;
    QTreeView view;
    view.setModel(&model);
    view.setUniformRowHeights(true);
    view.setRootIndex(model.setRootPath(dir));
    view.resize(stoerrelse);
    view.show();
    const int forventet = int(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
    QElapsedTimer ur;
    ur.start();
    while (model.rowCount(view.rootIndex()) < forventet && ur.elapsed() < 120000) {
        if (model.canFetchMore(view.rootIndex()))
            model.fetchMore(view.rootIndex());
        QTest::qWait(20);
    }
    return rul(&view);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 2) {
        std::fprintf(stderr, "brug: bench_vindue DIR [RUNDER]\n");
        return 2;
    }
    const QString dir = QDir(a.at(1)).absolutePath();
    const int runder = a.size() > 2 ? std::max(1, a.at(2).toInt()) : 3;

    QTemporaryDir hjem;
    qputenv("HOME", QFile::encodeName(hjem.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(hjem.path() + "/.config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(hjem.path() + "/.local/share"));

    StilleDialogs dialogs;
    Tmainform hoved(&dialogs);
    // The offscreen screen is 800 x 600, where the file tree would be a
    // strip a few dozen pixels wide; the window gets the size it has on a
    // 1366 x 768 screen, so each frame paints what a user's frame paints.
    hoved.resize(1366, 768);
    hoved.show();
    if (!QTest::qWaitForWindowActive(&hoved)) {
        std::fprintf(stderr, "Hovedvinduet blev ikke aktivt\n");
        return 1;
    }
    hoved.boernevinduer()->styring()->makeNewStifinder();
    Twinform *w = hoved.boernevinduer()->aktivStifinder();
    if (!w) {
        std::fprintf(stderr, "Intet stifindervindue\n");
        return 1;
    }
    w->show();
    w->activateWindow();
    // Keys reach the window's commands only when it is the active window.
    if (!QTest::qWaitForWindowActive(w))
        std::fprintf(stderr, "Stifindervinduet blev ikke aktivt\n");
    QTest::qWait(100);

    Sonde sonde;
    std::vector<double> foerste, gab, kopi, rulTaster, rulMaling;
    for (int r = 0; r < runder; ++r) {
        const Liste l = liste(w, dir, sonde);
        foerste.push_back(l.foerste);
        gab.push_back(l.gab);
        kopi.push_back(kopier(w, sonde));
        const Rulning rulning = rul(w->visning()->filStruktur());
        rulTaster.push_back(rulning.taster);
        rulMaling.push_back(rulning.maling);
    }
    const int antal = w->motor()->struktur2()->antal();
    const int kopieret = w->klipbordsKommandoer()->lister()->Filliste()->antal()
                         + w->klipbordsKommandoer()->lister()->Mappeliste()->antal();
    const QSize stoerrelse = w->visning()->filStruktur()->size();
    std::vector<double> ankerTaster, ankerMaling;
    for (int r = 0; r < runder; ++r) {
        const Rulning a = ankerRul(dir, stoerrelse);
        ankerTaster.push_back(a.taster);
        ankerMaling.push_back(a.maling);
    }

    std::printf("antal %d\nkopieret %d\n", antal, kopieret);
    std::printf("liste_foerste_ms %.1f\nliste_gab_ms %.1f\n", median(foerste), median(gab));
    std::printf("kopier_ms %.1f\n", median(kopi));
    std::printf("rul_median_ms %.2f\nanker_rul_median_ms %.2f\n", median(rulTaster), median(ankerTaster));
    std::printf("rul_maling_median_ms %.2f\nanker_rul_maling_median_ms %.2f\n", median(rulMaling),
                median(ankerMaling));
    return 0;
}
