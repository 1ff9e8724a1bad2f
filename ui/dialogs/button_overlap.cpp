#include "ui/dialogs/button_overlap.h"

namespace dialogs {

void GiveOverlapToRightButton(const skin::CSkinButton& left, const skin::CSkinButton& right) {
  if (!left.m_hWnd || !right.m_hWnd) return;
  right.SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Children do not clip their siblings by default: keep the left button's erasing off the right one.
  left.ModifyStyle(0, WS_CLIPSIBLINGS);
}

}  // namespace dialogs
