#include "engines/baggrundsarbejde.h"

#include <QEventLoop>
#include <QMetaObject>

#include <thread>

namespace baggrundsarbejde {

void koer(const std::function<void()> &arbejde)
{
    QEventLoop loekke;
    std::thread traad([&] {
        arbejde();
        // Queued, so the quit lands in the loop even if the work ends
        // before the loop has started.
        QMetaObject::invokeMethod(&loekke, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loekke.exec(QEventLoop::ExcludeUserInputEvents);
    traad.join();
}

} // namespace baggrundsarbejde
