// The start of the program to its main window shown, against an empty Qt
// window of the same size: both processes stop at their window's first
// paint and print when that was and how much memory they hold then.
//
//   bench_startvindue marvikel          starts as the program does
//   bench_startvindue tom BREDDE HOEJDE an empty window of that size
//   bench_startvindue tekst BREDDE HOEJDE  the same with one line of text and
//                                       one button with a theme picture
//
// Prints "vist_ns" (CLOCK_REALTIME when the first paint was done, to be
// compared with the time the caller started the process), "rss_kb" (the
// resident memory then) and "stoerrelse" (the window's width and height).

#include "app/ikoner.h"
#include "app/programstart.h"
#include "app/tmainform.h"
#include "platform/brugernavn.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {

long rssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &linje : f.readAll().split('\n')) {
        if (linje.startsWith("VmRSS:"))
            return linje.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Waits for the window's first paint; once that paint is done (the next
// event round) it prints the figures and ends the process at once, so
// nothing after the start is measured.
class FoersteMaling : public QObject
{
public:
    explicit FoersteMaling(QWidget *vindue) : m_vindue(vindue) { vindue->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && !m_set) {
            m_set = true;
            QTimer::singleShot(0, [this] { udskrivOgSlut(); });
        }
        return false;
    }

private:
    void udskrivOgSlut()
    {
        timespec t;
        ::clock_gettime(CLOCK_REALTIME, &t);
        std::printf("vist_ns %lld\nrss_kb %ld\nstoerrelse %d %d\n", (long long)t.tv_sec * 1000000000LL + t.tv_nsec,
                    rssKb(), m_vindue->width(), m_vindue->height());
        std::fflush(stdout);
        ::_exit(0);
    }

    QWidget *m_vindue;
    bool m_set = false;
};

// The least a window with text and pictures pays before its first paint,
// whatever it shows: the fonts are looked up and the icon theme is read, the
// theme chosen as the program chooses it.
void lavTekstOgBillede(QWidget &w)
{
    ikoner::indstilTema();
    auto *layout = new QHBoxLayout(&w);
    layout->addWidget(new QLabel(QStringLiteral("Mapper og filer")));
    auto *knap = new QToolButton;
    knap->setIcon(ikoner::hent("folder-new", QStyle::SP_FileDialogNewFolder));
    layout->addWidget(knap);
}

} // namespace

int main(int argc, char **argv)
{
    const QByteArray hvad = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (hvad == "marvikel") {
        brugernavn::retHjem();
        QApplication app(argc, argv);
        return programstart::koer(app, [](Tmainform &w) { new FoersteMaling(&w); });
    }
    if ((hvad == "tom" || hvad == "tekst") && argc == 4) {
        QApplication app(argc, argv);
        QWidget w;
        w.resize(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
        if (hvad == "tekst")
            lavTekstOgBillede(w);
        FoersteMaling maaling(&w);
        w.show();
        return app.exec();
    }
    std::fprintf(stderr, "brug: bench_startvindue marvikel | tom BREDDE HOEJDE | tekst BREDDE HOEJDE\n");
    return 2;
}
