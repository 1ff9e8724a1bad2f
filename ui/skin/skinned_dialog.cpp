#include "ui/skin/skinned_dialog.h"

#include "framework/png_bitmap.h"
#include "framework/win_app.h"
#include "ui/skin/overlay.h"
#include "ui/skin/window_region.h"

namespace skin {

std::span<const fw::MessageEntry<CSkinnedDialog>> CSkinnedDialog::MessageTable() {
  static constexpr auto kEntries = fw::MakeMessageTable<CSkinnedDialog>({
      fw::OnSize(&CSkinnedDialog::OnSize),
      fw::OnPaint(&CSkinnedDialog::OnPaint),
      fw::OnMouse(WM_LBUTTONDOWN, &CSkinnedDialog::OnLButtonDown),
      fw::OnMouse(WM_MOUSEMOVE, &CSkinnedDialog::OnMouseMove),
      fw::OnMessage(WM_CLOSE, &CSkinnedDialog::OnClose),
      fw::OnTimer(kOverlayRefreshTimer, &CSkinnedDialog::OnOverlayRefreshTimer),
      fw::OnMessage(WM_DRAWITEM, &CSkinnedDialog::OnDrawItem),
  });
  return kEntries;
}

POINT CentredPosition(int screenWidth, int screenHeight, int width, int height) {
  return POINT{screenWidth / 2 - width / 2, screenHeight / 2 - height / 2};
}

BOOL CSkinnedDialog::PreTranslateMessage(MSG* msg) {
  if (overlay_) overlay_->Filter(*msg);
  if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) return TRUE;
  return CDialog::PreTranslateMessage(msg);
}

LRESULT CSkinnedDialog::OnDrawItem(WPARAM, LPARAM lParam) {
  auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
  const LRESULT result = ReflectDrawItem(item) ? TRUE : Default();
  // After the button has drawn itself: the refresh goes back over what it drew.
  if (overlay_) overlay_->OnButtonDrawn(item);
  return result;
}

void CSkinnedDialog::OnOK() {
  ReleaseBackground();
  CDialog::OnOK();
}

void CSkinnedDialog::OnCancel() {
  ReleaseBackground();
  CDialog::OnCancel();
}

void CSkinnedDialog::OnSize(UINT, SIZE) {
  Default();
  if (overlay_) overlay_->LoadBitmaps();
  // The background is loaded and the window shaped once: the region stays with the window through later
  // size changes (the nested one at creation among them), which only centre it again.
  if (!background_) {
    background_ = fw::LoadSectionBitmap(backgroundId_, scale_.ResourceType());
    if (!background_) {
      fw::AfxMessageBox(L"Error loading bitmap", MB_OK);
      return;
    }
    const SIZE size = fw::BitmapSize(background_.get());
    backgroundWidth_ = size.cx;
    backgroundHeight_ = size.cy;
    fw::UniqueRegion region = RegionFromBitmap(background_.get());
    // The window owns the region from here on.
    if (::SetWindowRgn(m_hWnd, region.get(), TRUE)) region.release();
  }
  const POINT at = CentredPosition(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), backgroundWidth_,
                                   backgroundHeight_);
  // May run this handler again (nested) for the new size; nothing below reads the background.
  SetWindowPos(nullptr, at.x, at.y, backgroundWidth_, backgroundHeight_, 0);
}

BOOL CSkinnedDialog::KeepFocusOnWindow() {
  ::SetFocus(m_hWnd);
  return FALSE;
}

void CSkinnedDialog::PaintBackground(HDC dc) const {
  if (!background_) return;
  fw::MemoryDC memory(dc);
  if (!memory) return;
  fw::ScopedSelect select(memory.get(), background_.get());
  ::BitBlt(dc, 0, 0, backgroundWidth_, backgroundHeight_, memory.get(), 0, 0, SRCCOPY);
}

void CSkinnedDialog::OnPaint() {
  fw::PaintDC paint(m_hWnd);
  PaintBackground(paint.get());
}

void CSkinnedDialog::OnLButtonDown(UINT, POINT at) {
  // Pressing the body moves the window as if its caption had been pressed.
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
  dragFlag_ = 1;
  Default();
}

void CSkinnedDialog::OnMouseMove(UINT, POINT) {
  if (dragFlag_) {
    dragFlag_ = 0;
    // The platform's move loop took all mouse input until the release, and the window may have been
    // repainted at its new place.
    if (overlay_) overlay_->ScheduleRefresh();
  }
  Default();
}

LRESULT CSkinnedDialog::OnClose(WPARAM, LPARAM) {
  ReleaseBackground();
  return Default();
}

void CSkinnedDialog::OnOverlayRefreshTimer() {
  if (overlay_)
    overlay_->Refresh();
  else
    Default();
}

}  // namespace skin
