// What the program asks of the primary screen when it picks its skin and places its windows.
#pragma once

namespace fw {

// Dots per inch the system draws at (the screen's LOGPIXELSY): the primary monitor's for a system-DPI-aware
// program, on every Windows version from 7 on. 96 when the screen has no device context.
int ScreenDpi();

// Height of the primary monitor's work area: the screen minus the taskbar and other docked bars.
int WorkAreaHeight();

}  // namespace fw
