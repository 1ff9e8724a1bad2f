#include "ui/skin/overlay.h"

#include <iterator>
#include <utility>

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

Overlay::Overlay(const fw::CWnd& window, const OverlayTables& tables, StoredValue stored, SkinScale scale)
    : window_(window),
      tables_(tables),
      stored_(std::move(stored)),
      bitmaps_(scale),
      actionButtons_(std::make_unique<fw::CBitmapButton[]>(tables.actions.size())),
      choiceButtons_(std::make_unique<fw::CBitmapButton[]>(tables.choices.size())) {}

void Overlay::CreateActionButton(size_t index) { CreateImageButton(actionButtons_[index], tables_.actions[index]); }

void Overlay::CreateChoiceButtons() {
  for (size_t i = 0; i < tables_.choices.size(); ++i)
    if (tables_.choices[i].selection != Selection::kHidden) CreateImageButton(choiceButtons_[i], tables_.choices[i]);
}

void Overlay::CreateImageButton(fw::CBitmapButton& button, const ButtonLayout& layout) {
  // The images first, so that the button is created at its final size rather than resized after. They come from
  // the overlay's bitmaps, which outlive the button and from which the overlay copies the same faces.
  button.UseBitmaps(bitmaps_.Acquire(layout.normal), bitmaps_.Acquire(layout.pressed),
                    bitmaps_.Acquire(layout.focused));
  const SIZE size = button.ContentSize();
  const RECT rect{layout.at.x, layout.at.y, layout.at.x + (size.cx > 0 ? size.cx : 1),
                  layout.at.y + (size.cy > 0 ? size.cy : 1)};
  button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, window_.m_hWnd, layout.id);
}

void Overlay::ScheduleRefresh(UINT milliseconds) {
  if (window_.SetTimer(kOverlayRefreshTimer, milliseconds)) refreshPending_ = true;
}

void Overlay::RefreshAfterChoice() {
  ScheduleRefresh();
  window_.SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window_.m_hWnd), TRUE);
}

void Overlay::LoadBitmaps() { bitmaps_.Load(ButtonBitmapIds(tables_)); }

void Overlay::Filter(const MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
      Paint(HoverPlan(tables_, stored_, msg.pt, [this](UINT id) { return ScreenRectOf(id); }));
      break;
    case WM_LBUTTONUP:
      ScheduleRefresh();
      break;
    default:
      break;
  }
}

void Overlay::Refresh() {
  window_.KillTimer(kOverlayRefreshTimer);
  refreshPending_ = false;
  if (IsButtonHeldDown(window_.m_hWnd)) return;
  if (!overlayBitmapsLoaded_) {
    bitmaps_.Load(OverlayBitmapIds(tables_));
    overlayBitmapsLoaded_ = true;
  }
  Paint(MarkerPlan(tables_, stored_));
  // The hover images too: a button that redrew itself under a resting pointer took its hover image away.
  POINT cursor;
  if (::GetCursorPos(&cursor)) Paint(HoverPlan(tables_, stored_, cursor, [this](UINT id) { return ScreenRectOf(id); }));
}

void Overlay::OnButtonDrawn(const DRAWITEMSTRUCT& item) {
  // One pending refresh covers any number of draws, so a burst of repaints costs one refresh, and the refresh
  // itself draws on the window, never on a button, so it cannot set off another. A button drawn pressed is left
  // alone until its release.
  if (refreshPending_ || item.CtlType != ODT_BUTTON) return;
  if ((item.itemState & ODS_SELECTED) || !::IsWindowVisible(item.hwndItem)) return;
  ScheduleRefresh();
}

RECT Overlay::ScreenRectOf(UINT id) const {
  // The layout's hidden placeholders carry the same identifiers, so the rectangle comes from the overlay's own
  // buttons, never from GetDlgItem.
  for (size_t i = 0; i < tables_.actions.size(); ++i)
    if (tables_.actions[i].id == id) return actionButtons_[i].GetWindowRect();
  for (size_t i = 0; i < tables_.choices.size(); ++i)
    if (tables_.choices[i].id == id) return choiceButtons_[i].GetWindowRect();
  return RECT{};
}

void Overlay::Paint(const OverlayPlan& plan) const {
  if (plan.size() == 0) return;
  // One device context for the whole plan: a mouse move draws up to nine images. Without a device or memory
  // context nothing is drawn and the next refresh tries again: the user's unsaved choices are never put at risk
  // for a picture.
  fw::WindowDC window(window_.m_hWnd);
  if (!window) return;
  for (const OverlayDraw& draw : plan) {
    HBITMAP bitmap = bitmaps_.Get(draw.bitmap);
    if (!bitmap && draw.fallback) bitmap = bitmaps_.Get(draw.fallback);
    if (bitmap) fw::DrawBitmap(window.get(), bitmap, draw.x, draw.y, draw.width, draw.height);
  }
}

}  // namespace skin
