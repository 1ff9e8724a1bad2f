#include "ui/skin/skin_button.h"

#include <vector>

#include "framework/png_bitmap.h"

namespace skin {
namespace {

constexpr int kFrameNormal = 0;
constexpr int kFrameHover = 1;
constexpr int kFramePressed = 2;
constexpr int kFrameDisabled = 3;
constexpr DWORD kHoverMilliseconds = 10;

}  // namespace

std::span<const fw::MessageEntry<CSkinButton>> CSkinButton::MessageTable() {
  static constexpr auto kEntries = fw::MakeMessageTable<CSkinButton>({
      fw::OnMouse(WM_LBUTTONDOWN, &CSkinButton::OnLButtonDown),
      fw::OnMouse(WM_LBUTTONUP, &CSkinButton::OnLButtonUp),
      fw::OnMessage(WM_MOUSEHOVER, &CSkinButton::OnMouseHover),
      fw::OnMessage(WM_MOUSELEAVE, &CSkinButton::OnMouseLeave),
      fw::OnMouse(WM_MOUSEMOVE, &CSkinButton::OnMouseMove),
  });
  return kEntries;
}

bool CSkinButton::Create(const RECT& rect, HWND parent, UINT id) {
  return CButton::Create(L"", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

void CSkinButton::SetStripBitmap(UINT id, SkinScale scale) {
  strip_.reset();
  strip_ = fw::LoadDeviceBitmap(id, scale.ResourceType());
  if (strip_ && m_hWnd) Invalidate(true);
}

int CSkinButton::FrameIndex() const {
  if (m_hWnd && !IsWindowEnabled()) return kFrameDisabled;
  if (pressed_) return kFramePressed;
  if (hovered_) return kFrameHover;
  return kFrameNormal;
}

void CSkinButton::PreSubclassWindow() {
  // Owner-drawn from here on: the platform hands every paint to DrawItem.
  ModifyStyle(0, BS_OWNERDRAW);
  CButton::PreSubclassWindow();
}

void CSkinButton::DrawItem(DRAWITEMSTRUCT* item) {
  // The item-state flags are not consulted: the frame follows our own flags, and focus is never drawn.
  const int index = FrameIndex();
  if (!strip_) return;
  const SIZE strip = fw::BitmapSize(strip_.get());
  const int frameWidth = strip.cx / 4;
  fw::MemoryDC memory(item->hDC);
  if (!memory) return;
  fw::ScopedSelect select(memory.get(), strip_.get());
  ::BitBlt(item->hDC, item->rcItem.left, item->rcItem.top, frameWidth, strip.cy, memory.get(), index * frameWidth, 0,
           SRCCOPY);
}

void CSkinButton::OnLButtonDown(UINT, POINT) {
  pressed_ = 1;
  Invalidate(false);
  Default();
}

void CSkinButton::OnLButtonUp(UINT, POINT) {
  pressed_ = 0;
  Invalidate(false);
  Default();
}

LRESULT CSkinButton::OnMouseHover(WPARAM, LPARAM) {
  hovered_ = 1;
  Invalidate(false);
  return 0;
}

LRESULT CSkinButton::OnMouseLeave(WPARAM, LPARAM) {
  hovered_ = 0;
  Invalidate(false);
  return 0;
}

void CSkinButton::OnMouseMove(UINT, POINT) {
  if (IsWindowEnabled()) {
    // Every move renews the request, so each pause of 10 ms over the button brings a new hover report.
    // Hover and leave go in one request: Wine 8 replaces the tracking on every call, so a separate
    // leave request would cancel the hover request made just before it.
    TRACKMOUSEEVENT tracking{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, m_hWnd, kHoverMilliseconds};
    ::TrackMouseEvent(&tracking);
  }
  Default();
}

void ReplaceTemplateButtons(HWND dialog, std::span<const TemplateButton> buttons, SkinScale scale) {
  // The layout's own window for each entry: the bound one, or the layout control by its ID.
  auto layoutWindow = [dialog](const TemplateButton& entry) {
    return entry.button->m_hWnd ? entry.button->m_hWnd : ::GetDlgItem(dialog, static_cast<int>(entry.id));
  };
  std::vector<RECT> rects;
  rects.reserve(buttons.size());
  for (const TemplateButton& entry : buttons) {
    RECT rect = entry.rect;
    if (HWND window = layoutWindow(entry)) {
      ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0);
      ::GetWindowRect(window, &rect);
      ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    }
    rects.push_back(rect);
  }
  // Each layout window goes only once its skinned button exists: a button that cannot be created leaves the
  // layout's own in its place, bound again and visible, so that the box can still be answered and closed.
  for (size_t i = 0; i < buttons.size(); ++i) {
    const TemplateButton& entry = buttons[i];
    HWND layout = layoutWindow(entry);
    entry.button->UnsubclassWindow();
    if (entry.button->Create(rects[i], dialog, entry.id)) {
      if (layout) ::DestroyWindow(layout);
    } else if (layout) {
      entry.button->SubclassWindow(layout);
      ::ShowWindow(layout, SW_SHOWNA);
    }
  }
  for (const TemplateButton& entry : buttons) entry.button->SetStripBitmap(entry.strip, scale);
}

}  // namespace skin
