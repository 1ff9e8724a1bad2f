// CConfigureApp: the application object. Its start-up lets only one instance run: a second start brings
// the running main window to the front and ends without a window of its own.
#pragma once

#include "framework/win_app.h"

namespace app {

// "Congifure", not "Configure": the name other instances look for.
constexpr wchar_t kSingleInstanceMutexName[] = L"Congifure";

class CConfigureApp : public fw::CWinApp {
 public:
  // Runs the main window modally when no other instance runs; always FALSE, so the program then ends.
  BOOL InitInstance() override;
};

// Creates the named mutex that marks a running instance and lets go of its ownership at once; the handle
// stays open for the life of the process. True when another instance had created it already.
bool AnotherInstanceRuns();

// Sends the running instance's main window the bring-to-front message and makes it the foreground window;
// does nothing when no window bears its title.
void BringRunningInstanceToFront();

}  // namespace app
