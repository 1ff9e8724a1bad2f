// The frame's overlay: the markers and hover images that a window copies over its buttons, drawn from the
// window's plans, and the one one-shot timer that brings them back after whatever may have covered them.
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

void CSkinnedDialog::RefreshAfterChoice() {
  ScheduleOverlayRefresh();
  SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_hWnd), TRUE);
}

void CSkinnedDialog::FilterForOverlay(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
      PaintOverlay(PlanHover(msg.pt));
      break;
    case WM_LBUTTONUP:
      ScheduleOverlayRefresh();
      break;
    default:
      break;
  }
}

void CSkinnedDialog::RunOverlayRefresh() {
  KillTimer(kOverlayRefreshTimer);
  refreshPending_ = false;
  if (IsButtonHeldDown(m_hWnd)) return;
  PaintOverlay(PlanMarkers());
  // The hover images too: a button that redrew itself under a resting pointer took its hover image away.
  POINT cursor;
  if (::GetCursorPos(&cursor)) PaintOverlay(PlanHover(cursor));
}

void CSkinnedDialog::OnButtonDrawn(const DRAWITEMSTRUCT& item) {
  // One pending refresh covers any number of draws, so a burst of repaints costs one refresh, and the
  // refresh itself draws on the window, never on a button, so it cannot set off another. A button drawn
  // pressed is left alone until its release.
  if (!overlayEnabled_ || refreshPending_ || item.CtlType != ODT_BUTTON) return;
  if ((item.itemState & ODS_SELECTED) || !::IsWindowVisible(item.hwndItem)) return;
  ScheduleOverlayRefresh();
}

void CSkinnedDialog::PaintOverlay(const OverlayPlan& plan) const {
  if (plan.size() == 0) return;
  // One device context for the whole plan: a mouse move draws up to nine images. Without a device or memory
  // context nothing is drawn and the next refresh tries again: the user's unsaved choices are never put at
  // risk for a picture.
  fw::WindowDC window(m_hWnd);
  if (!window) return;
  for (const OverlayDraw& draw : plan) {
    HBITMAP bitmap = overlayBitmaps_.Get(draw.bitmap);
    if (!bitmap && draw.fallback) bitmap = overlayBitmaps_.Get(draw.fallback);
    if (bitmap) fw::DrawBitmap(window.get(), bitmap, draw.x, draw.y, draw.width, draw.height);
  }
}

}  // namespace skin
