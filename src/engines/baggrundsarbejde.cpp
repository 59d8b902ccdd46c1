#include "engines/baggrundsarbejde.h"

#include <QEventLoop>
#include <QMetaObject>

#include <thread>

namespace baggrundsarbejde {

namespace {
int ventende = 0;
}

void koer(const std::function<void()> &arbejde)
{
    QEventLoop loekke;
    std::thread traad([&] {
        arbejde();
        // Queued, so the quit lands in the loop even if the work ends
        // before the loop has started.
        QMetaObject::invokeMethod(&loekke, &QEventLoop::quit, Qt::QueuedConnection);
    });
    ++ventende;
    loekke.exec(QEventLoop::ExcludeUserInputEvents);
    --ventende;
    traad.join();
}

bool venter()
{
    return ventende > 0;
}

} // namespace baggrundsarbejde
