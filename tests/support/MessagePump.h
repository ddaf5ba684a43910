#pragma once
// Lets a test's windows and timers run: dispatches the calling thread's messages
// while waiting, without keeping a processor busy.
#include <chrono>

namespace testsupport {

// Dispatches this thread's messages for the given time. Returns early when
// WM_QUIT arrives, and posts it again so the caller's own loop sees it too.
void PumpMessagesFor(std::chrono::milliseconds duration);

}  // namespace testsupport
