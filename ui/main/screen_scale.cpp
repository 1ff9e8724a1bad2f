#include "ui/main/screen_scale.h"

#include "framework/screen.h"
#include "ui/main/main_controls.h"

namespace main_window {

skin::SkinScale SkinScaleForScreen() {
  return skin::ChooseSkinScale(fw::ScreenDpi(), fw::WorkAreaHeight(), MainWindowHeights());
}

}  // namespace main_window
