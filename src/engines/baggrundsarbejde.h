#pragma once

#include <functional>

namespace baggrundsarbejde {

// Runs `arbejde` on a thread of its own and returns when it is done. Until
// then this thread keeps painting and running its timers and queued calls,
// so the window does not freeze; keys and clicks wait, in their order, until
// the work is done, so no command can act on a half-made state. `arbejde`
// must not touch widgets or objects of this thread.
void koer(const std::function<void()> &arbejde);

} // namespace baggrundsarbejde
