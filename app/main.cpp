#include <windows.h>

#include "app/configure_app.h"
#include "framework/win_app.h"

// The one application object, created when the program loads.
app::CConfigureApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return fw::RunApplication(instance); }
