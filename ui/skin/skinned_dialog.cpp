#include "ui/skin/skinned_dialog.h"

#include "framework/win_app.h"
#include "ui/skin/window_region.h"

namespace skin {

const fw::MessageEntry<CSkinnedDialog> CSkinnedDialog::kMessages[] = {
    fw::OnMessage(WM_SIZE, &CSkinnedDialog::OnSize),
    fw::OnMessage(WM_PAINT, &CSkinnedDialog::OnPaint),
    fw::OnMessage(WM_LBUTTONDOWN, &CSkinnedDialog::OnLButtonDown),
    fw::OnMessage(WM_MOUSEMOVE, &CSkinnedDialog::OnMouseMove),
    fw::OnMessage(WM_CLOSE, &CSkinnedDialog::OnClose),
    fw::OnMessage(WM_TIMER, &CSkinnedDialog::OnTimer),
};

POINT CentredPosition(int screenWidth, int screenHeight, int width, int height) {
  return POINT{screenWidth / 2 - width / 2, screenHeight / 2 - height / 2};
}

BOOL CSkinnedDialog::PreTranslateMessage(MSG* msg) {
  if (overlayEnabled_) FilterForOverlay(*msg);
  if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) return TRUE;
  return CDialog::PreTranslateMessage(msg);
}

bool CSkinnedDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const bool handled = fw::DispatchMessageTable(*this, kMessages, message, wParam, lParam, result) ||
                       CDialog::OnWndMsg(message, wParam, lParam, result);
  // After the button has drawn itself: the refresh goes back over what it drew.
  if (message == WM_DRAWITEM) OnButtonDrawn(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  return handled;
}

void CSkinnedDialog::OnOK() {
  ReleaseBackground();
  CDialog::OnOK();
}

void CSkinnedDialog::OnCancel() {
  ReleaseBackground();
  CDialog::OnCancel();
}

LRESULT CSkinnedDialog::OnSize(WPARAM, LPARAM) {
  const LRESULT result = Default();
  if (overlayEnabled_) overlayBitmaps_.Load(OverlayBitmapIds());
  // The window holds one background at a time: let go of the earlier one before loading, which also keeps
  // the nested run at creation from holding two copies at once.
  background_.reset();
  background_ = fw::LoadSectionBitmap(backgroundId_);
  if (!background_) {
    fw::AfxMessageBox(L"Error loading bitmap", MB_OK);
    return result;
  }
  const SIZE size = fw::BitmapSize(background_.get());
  backgroundWidth_ = size.cx;
  backgroundHeight_ = size.cy;
  fw::UniqueRegion region = RegionFromBitmap(background_.get());
  // The window owns the region from here on.
  if (::SetWindowRgn(m_hWnd, region.get(), TRUE)) region.release();
  const POINT at = CentredPosition(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                                   backgroundWidth_, backgroundHeight_);
  // May run this handler again (nested) for the new size; nothing below reads the background.
  SetWindowPos(nullptr, at.x, at.y, backgroundWidth_, backgroundHeight_, 0);
  return result;
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

LRESULT CSkinnedDialog::OnPaint(WPARAM, LPARAM) {
  fw::PaintDC paint(m_hWnd);
  PaintBackground(paint.get());
  return 0;
}

LRESULT CSkinnedDialog::OnLButtonDown(WPARAM, LPARAM lParam) {
  // Pressing the body moves the window as if its caption had been pressed.
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
  dragFlag_ = 1;
  return Default();
}

LRESULT CSkinnedDialog::OnMouseMove(WPARAM, LPARAM) {
  if (dragFlag_) {
    dragFlag_ = 0;
    // The platform's move loop took all mouse input until the release, and the window may have been
    // repainted at its new place.
    if (overlayEnabled_) ScheduleOverlayRefresh();
  }
  return Default();
}

LRESULT CSkinnedDialog::OnClose(WPARAM, LPARAM) {
  ReleaseBackground();
  return Default();
}

void CSkinnedDialog::CreateImageButton(fw::CBitmapButton& button, const ButtonSpec& spec) {
  // The images first, so that the button is created at its final size rather than resized after.
  button.LoadBitmaps(spec.normal, spec.pressed, spec.focused);
  const SIZE size = button.ContentSize();
  const RECT rect{spec.at.x, spec.at.y, spec.at.x + (size.cx > 0 ? size.cx : 1),
                  spec.at.y + (size.cy > 0 ? size.cy : 1)};
  button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, m_hWnd, spec.id);
}

}  // namespace skin
