#include "framework/button.h"

#include <iterator>

#include "framework/png_bitmap.h"

namespace fw {

std::span<const MessageEntry<CButton>> CButton::MessageTable() {
  static constexpr auto kEntries = MakeMessageTable<CButton>({
      OnMessage(WM_LBUTTONDBLCLK, &CButton::OnDoubleClick),
  });
  return kEntries;
}

LRESULT CButton::OnDoubleClick(WPARAM wParam, LPARAM lParam) { return DispatchAs(WM_LBUTTONDOWN, wParam, lParam); }

std::span<const MessageEntry<CBitmapButton>> CBitmapButton::MessageTable() {
  static constexpr auto kEntries = MakeMessageTable<CBitmapButton>({
      OnMessage(WM_MOUSEHOVER, &CBitmapButton::IgnoreHotTracking),
      OnMessage(WM_MOUSELEAVE, &CBitmapButton::IgnoreHotTracking),
  });
  return kEntries;
}

LRESULT CBitmapButton::IgnoreHotTracking(WPARAM, LPARAM) { return 0; }

bool CBitmapButton::LoadBitmaps(UINT normal, UINT selected, UINT focused, UINT disabled) {
  // Sections rather than device-dependent bitmaps: they draw the same, and under Wine they load several
  // times faster, which matters with a hundred button images loaded while the main window opens.
  const PngDecoder decoder;
  const UINT ids[] = {normal, selected, focused, disabled};
  for (size_t i = 0; i < std::size(owned_); ++i) owned_[i] = ids[i] ? decoder.Section(ids[i]) : UniqueBitmap();
  images_ = {owned_[0].get(), owned_[1].get(), owned_[2].get(), owned_[3].get()};
  return static_cast<bool>(owned_[0]);
}

void CBitmapButton::UseBitmaps(HBITMAP normal, HBITMAP selected, HBITMAP focused, HBITMAP disabled) {
  for (UniqueBitmap& image : owned_) image.reset();
  images_ = {normal, selected, focused, disabled};
}

void CBitmapButton::SizeToContent() const {
  const SIZE size = BitmapSize(images_.normal);
  if (size.cx > 0) SetWindowPos(nullptr, -1, -1, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(DRAWITEMSTRUCT* item) {
  HBITMAP image = images_.normal;
  if ((item->itemState & ODS_SELECTED) && images_.selected)
    image = images_.selected;
  else if ((item->itemState & ODS_FOCUS) && images_.focused)
    image = images_.focused;
  else if ((item->itemState & ODS_DISABLED) && images_.disabled)
    image = images_.disabled;
  const RECT& rect = item->rcItem;
  DrawBitmap(item->hDC, image, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace fw
