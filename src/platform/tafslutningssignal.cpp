#include "platform/tafslutningssignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The self-pipe: a signal handler may only do async-signal-safe work, so it
// writes one byte and the event loop does the rest.
int g_pipe[2] = {-1, -1};
TAfslutningsSignal *g_instans = nullptr;

constexpr int afslutningsSignaler[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void skrivSignal(int signal)
{
    const int gemtErrno = errno;
    const unsigned char tegn = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t skrevet = ::write(g_pipe[1], &tegn, 1);
    errno = gemtErrno;
}

void saetHandler(int signal, void (*handler)(int))
{
    struct sigaction handling = {};
    handling.sa_handler = handler;
    sigemptyset(&handling.sa_mask);
    handling.sa_flags = SA_RESTART;
    ::sigaction(signal, &handling, nullptr);
}

} // namespace

TAfslutningsSignal *TAfslutningsSignal::installer()
{
    if (g_instans)
        return g_instans;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    g_instans = new TAfslutningsSignal(QCoreApplication::instance());
    for (int signal : afslutningsSignaler)
        saetHandler(signal, skrivSignal);
    ::signal(SIGXFSZ, SIG_IGN);
    return g_instans;
}

TAfslutningsSignal::TAfslutningsSignal(QObject *parent)
    : QObject(parent)
{
    auto *vagt = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(vagt, &QSocketNotifier::activated, this, &TAfslutningsSignal::laesSignaler);
}

TAfslutningsSignal::~TAfslutningsSignal()
{
    for (int signal : afslutningsSignaler)
        saetHandler(signal, SIG_DFL);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
    g_instans = nullptr;
}

void TAfslutningsSignal::laesSignaler()
{
    // Several signals may have arrived at once; one close is enough, and the
    // end of the session outweighs a request.
    unsigned char buffer[64];
    bool session = false;
    bool luk = false;
    ssize_t n = 0;
    while ((n = ::read(g_pipe[0], buffer, sizeof buffer)) > 0) {
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] == SIGINT)
                luk = true;
            else
                session = true;
        }
    }
    if (session)
        emit sessionSlut();
    else if (luk)
        emit lukOensket();
}
