// Message pumping for window tests. Messages pass fw::WalkPreTranslateTree before dispatch, as in the
// framework's modal loop, so key filters and other PreTranslateMessage hooks behave as in the program.
#pragma once

#include <windows.h>

#include <functional>

namespace testsupport {

// Handles every message waiting in the calling thread's queue.
void PumpMessages();

// Pumps for the given time.
void PumpFor(DWORD milliseconds);

// Pumps until `condition` holds (checked after each round) or the time is up; returns the condition's
// last value. For waiting on effects of input or painting, never for measuring time.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds = 3000);

}  // namespace testsupport
