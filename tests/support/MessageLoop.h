#pragma once

#include <functional>

namespace testsupport
{
// Runs the message loop for the given time, delivering asynchronous updates
// and posted messages.
void runMessageLoop (int milliseconds = 20);

// Runs the message loop until the condition holds or the time-out passes;
// returns the condition's last value.
bool runMessageLoopUntil (const std::function<bool()>& condition, int timeoutMilliseconds = 5000);
}
