#pragma once
// The event pump: processing pending window events, waiting for new ones without
// keeping a processor busy, the main message loop, and the form keyboard: Tab and
// Shift+Tab through the tab order, Enter and Escape for the default and cancel
// buttons, Alt + letter for access keys.
#include <windows.h>

namespace host {

// DoEvents: processes every pending event once, then returns.
void DoEvents();
// Blocks until an event (input, timer, posted message) is pending.
void WaitForEvents();
// Runs until the last form closes or the program ends.
int RunMessageLoop();
// Handles a key message for the form keyboard; true when it was consumed.
bool RouteFormKeyboard(const MSG& msg);

}  // namespace host
