// What a window test reads back from the system: screen pixels and the process's GDI object count.
#pragma once

#include <windows.h>

namespace testsupport {

// The colour at a screen pixel, as shown (GetPixel on the screen's device context; under Wine this
// reads the X screen, after Wine has flushed the windows' drawing: wait with PumpUntil for a change).
COLORREF ScreenPixel(int x, int y);

// Whether a window shows, right now, the top-left width x height of a bitmap resource at (x, y) of its
// own pixels (read from the screen, so drawn and flushed: wait for it with PumpUntil).
bool WindowShowsBitmap(HWND window, int x, int y, UINT bitmap, int width, int height);

// Whether a visible window has painted and the screen shows what it painted (nine points inside it, where
// its region has them). Under Wine a window reaches the X screen only after its thread has sent the X
// requests and flushed its drawing: wait for this before input that the window must receive from outside
// its thread.
bool WindowIsOnScreen(HWND window);

// Live GDI objects of this process, stock objects excluded: GetGuiResources(GR_GDIOBJECTS), or, where
// that is a stub returning 0 (Wine 8), a count of this process's GDI handle table.
long GdiObjectCount();

}  // namespace testsupport
