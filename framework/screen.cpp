#include "framework/screen.h"

#include <windows.h>

#include "framework/gdi.h"

namespace fw {

int ScreenDpi() {
  constexpr int kStandardDpi = 96;
  const WindowDC screen(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : kStandardDpi;
}

int WorkAreaHeight() {
  RECT area{};
  if (::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return area.bottom - area.top;
  return ::GetSystemMetrics(SM_CYSCREEN);
}

}  // namespace fw
