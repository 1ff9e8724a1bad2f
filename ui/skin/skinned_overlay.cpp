// The frame's overlay refresh: one one-shot timer for the markers and hover images that a window copies over
// its buttons, started by the window's events and by every draw of one of its buttons.
#include <iterator>

#include "ui/skin/skinned_dialog.h"

namespace skin {
namespace {

// A button held down under the pointer: it keeps its pressed look, and its release schedules the refresh.
bool IsButtonHeldDown(HWND window) {
  const HWND capture = ::GetCapture();
  if (!capture || !::IsChild(window, capture)) return false;
  wchar_t className[16] = {};
  ::GetClassNameW(capture, className, static_cast<int>(std::size(className)));
  if (::lstrcmpiW(className, L"Button") != 0) return false;
  return (::SendMessageW(capture, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

}  // namespace

void CSkinnedDialog::ScheduleOverlayRefresh(UINT milliseconds) {
  if (SetTimer(kOverlayRefreshTimer, milliseconds)) refreshPending_ = true;
}

LRESULT CSkinnedDialog::OnTimer(WPARAM id, LPARAM) {
  if (id != kOverlayRefreshTimer) return Default();
  RunOverlayRefresh();
  return 0;
}

void CSkinnedDialog::RunOverlayRefresh() {
  KillTimer(kOverlayRefreshTimer);
  refreshPending_ = false;
  if (IsButtonHeldDown(m_hWnd)) return;
  DrawMarkers();
  // The hover images too: a button that redrew itself under a resting pointer took its hover image away.
  POINT cursor;
  if (::GetCursorPos(&cursor)) DrawHover(cursor);
}

void CSkinnedDialog::OnButtonDrawn(const DRAWITEMSTRUCT& item) {
  // One pending refresh covers any number of draws, so a burst of repaints costs one refresh, and the
  // refresh itself draws on the window, never on a button, so it cannot set off another. A button drawn
  // pressed is left alone until its release.
  if (!overlayEnabled_ || refreshPending_ || item.CtlType != ODT_BUTTON) return;
  if ((item.itemState & ODS_SELECTED) || !::IsWindowVisible(item.hwndItem)) return;
  ScheduleOverlayRefresh(kOverlayRefreshDelay);
}

}  // namespace skin
