#pragma once
// Lets a test's windows and timers run without keeping a processor busy.
#include <chrono>

namespace testsupport {

// Dispatches this thread's messages for the given time; at WM_QUIT returns early and posts it again.
void PumpMessagesFor(std::chrono::milliseconds duration);

}  // namespace testsupport
