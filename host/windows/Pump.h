#pragma once
// The event pump: processing pending window events, waiting for new ones without
// keeping a processor busy, and the main message loop.
#include <windows.h>

namespace host {

// DoEvents: processes every pending event once, then returns.
void DoEvents();
// Blocks until an event (input, timer, posted message) is pending.
void WaitForEvents();
// Runs until the last form closes or the program ends.
int RunMessageLoop();
// Sees every message before it is dispatched and returns true to consume it (the
// forms' keyboard: tab order, default and cancel buttons, access keys).
using MessageFilter = bool (*)(const MSG& msg);
void SetMessageFilter(MessageFilter filter);

}  // namespace host
