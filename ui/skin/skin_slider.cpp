#include "ui/skin/skin_slider.h"

#include <commctrl.h>
#include <windowsx.h>

#include "framework/png_bitmap.h"
#include "res/resource.h"
#include "ui/skin/nine_slice.h"

namespace skin {
namespace {

constexpr wchar_t kSliderClass[] = L"DQSkinSlider";
constexpr RECT kInitialThumbRect{10, 2, 26, 18};
constexpr int kMinimumSizeForLayout = 10;

// The Thumb's procedure before ours, and the slider whose Thumb it is. ThumbProc is a plain window procedure
// with no object of its own, so these live where it can find them: process-wide, which allows one slider at
// a time (the advanced window's); a newer slider takes the hook over.
struct ThumbHook {
  WNDPROC previousProc = nullptr;
  CSkinSlider* slider = nullptr;
};

ThumbHook& TheThumbHook() {
  static ThumbHook hook;
  return hook;
}

bool RegisterSliderClass() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(instance, kSliderClass, &existing)) return true;
  // No CS_DBLCLKS: a quick second press on the channel must arrive as a press, not as a double click.
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kSliderClass;
  return ::RegisterClassExW(&windowClass) != 0;
}

}  // namespace

std::span<const fw::MessageEntry<CSkinSlider>> CSkinSlider::MessageTable() {
  static constexpr auto kEntries = fw::MakeMessageTable<CSkinSlider>({
      fw::OnMessage(WM_CREATE, &CSkinSlider::OnCreate),
      fw::OnSize(&CSkinSlider::OnSize),
      fw::OnPaint(&CSkinSlider::OnPaint),
      fw::OnMouse(WM_LBUTTONDOWN, &CSkinSlider::OnLButtonDown),
      fw::OnMouse(WM_LBUTTONUP, &CSkinSlider::OnLButtonUp),
  });
  return kEntries;
}

CSkinSlider::~CSkinSlider() {
  // Take the Thumb procedure off before the Thumb goes, so that no message can reach a dead slider.
  if (thumb_.m_hWnd &&
      reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(thumb_.m_hWnd, GWLP_WNDPROC)) == &CSkinSlider::ThumbProc)
    ::SetWindowLongPtrW(thumb_.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TheThumbHook().previousProc));
  if (TheThumbHook().slider == this) TheThumbHook().slider = nullptr;
}

bool CSkinSlider::Create(const RECT& rect, HWND parent, UINT id) {
  if (!RegisterSliderClass()) return false;
  return CreateEx(0, kSliderClass, L"", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

LRESULT CSkinSlider::OnCreate(WPARAM, LPARAM) {
  if (Default() == -1) return -1;
  if (thumb_.Create(kInitialThumbRect, m_hWnd, IDC_SLIDER_THUMB)) {
    TheThumbHook().previousProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(thumb_.m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinSlider::ThumbProc)));
    TheThumbHook().slider = this;
  }
  return 0;
}

void CSkinSlider::OnSize(UINT, SIZE size) {
  Default();
  if (size.cx < kMinimumSizeForLayout || size.cy < kMinimumSizeForLayout) return;
  PlaceThumb(position_);
}

void CSkinSlider::OnPaint() {
  fw::PaintDC paint(m_hWnd);
  // The bands follow the position, not the Thumb's window, which a drag may have put a little apart.
  const RECT thumb = ThumbRect(position_);
  DrawNineSlice(paint.get(), channelLeft_.get(), RECT{0, 0, thumb.left, bandHeight_});
  DrawNineSlice(paint.get(), channelRight_.get(), RECT{thumb.right, 0, bandRight_, bandHeight_});
}

void CSkinSlider::OnLButtonDown(UINT, POINT at) {
  MoveThumbCentre(at.x);
  ReadPositionFromThumb();
  Notify(kSliderMoved);
  Default();
}

void CSkinSlider::OnLButtonUp(UINT, POINT at) {
  MoveThumbCentre(at.x);
  ReadPositionFromThumb();
  Notify(NM_RELEASEDCAPTURE);
  Default();
}

int CSkinSlider::LoadThumbBitmap(SkinScale scale) {
  thumb_.SetStripBitmap(IDB_SLIDER_THUMB_STRIP, scale);  // releases a strip held before; repaints with erasing
  if (!thumb_.Strip()) return 0;
  const SIZE strip = fw::BitmapSize(thumb_.Strip());
  thumbWidth_ = strip.cx / 4;
  thumbHeight_ = strip.cy;
  PlaceThumb(position_);
  return 1;
}

void CSkinSlider::LoadChannelBitmaps(UINT leftId, UINT rightId, SkinScale scale) {
  channelLeft_ = leftId ? fw::LoadDeviceBitmap(leftId, scale.ResourceType()) : fw::UniqueBitmap();
  channelRight_ = rightId ? fw::LoadDeviceBitmap(rightId, scale.ResourceType()) : fw::UniqueBitmap();
  if (m_hWnd) Invalidate(false);
}

void CSkinSlider::SetPos(int position) {
  position_ = position;
  PlaceThumb(position);
  if (m_hWnd) Invalidate(false);
}

RECT CSkinSlider::ThumbRect(int position) const {
  return ThumbRectForPosition(GetClientRect(), GetRange(), ThumbSize(), position);
}

void CSkinSlider::PlaceThumb(int position) const {
  if (!thumb_.m_hWnd) return;
  const RECT rect = ThumbRect(position);
  ::MoveWindow(thumb_.m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void CSkinSlider::MoveThumbCentre(int x) const {
  if (!thumb_.m_hWnd) return;
  x = ClampThumbCentre(GetClientRect(), thumbWidth_, x);
  RECT thumb = thumb_.GetWindowRect();
  ScreenToClient(thumb);
  const int width = thumb.right - thumb.left, height = thumb.bottom - thumb.top;
  ::MoveWindow(thumb_.m_hWnd, x - width / 2, thumb.top, width, height, TRUE);
  Invalidate(false);
}

void CSkinSlider::ReadPositionFromThumb() {
  if (!thumb_.m_hWnd) return;
  RECT thumb = thumb_.GetWindowRect();
  ScreenToClient(thumb);
  position_ = PositionFromThumb(GetClientRect(), GetRange(), thumbWidth_, thumb);
}

void CSkinSlider::Notify(int code) const {
  HWND target = owner_ ? owner_ : ::GetParent(m_hWnd);
  if (!::IsWindow(target)) return;
  const UINT id = static_cast<UINT>(::GetDlgCtrlID(m_hWnd));
  NMHDR header{m_hWnd, id, static_cast<UINT>(code)};
  ::SendMessageW(target, WM_NOTIFY, MAKEWPARAM(id, static_cast<WORD>(code)), reinterpret_cast<LPARAM>(&header));
}

void CSkinSlider::OnThumbMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool press = message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK;
  const bool drag = message == WM_MOUSEMOVE && (wParam & MK_LBUTTON);
  if (!press && !drag && message != WM_LBUTTONUP) return;
  // The pointer in the Thumb's coordinates, carried over to the slider's.
  RECT thumb = thumb_.GetWindowRect();
  ScreenToClient(thumb);
  const int x = GET_X_LPARAM(lParam) + thumb.left;
  MoveThumbCentre(x);
  if (drag) Invalidate(false);
  ReadPositionFromThumb();
  Notify(message == WM_LBUTTONUP ? NM_RELEASEDCAPTURE : kSliderMoved);
}

LRESULT CALLBACK CSkinSlider::ThumbProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A quick second press on the Thumb arrives as a double click (the button class asks for them): it is
  // a press like any other for the slider, as it is for the button behind.
  const ThumbHook& hook = TheThumbHook();
  const WNDPROC previous = hook.previousProc;
  try {
    if (hook.slider && hook.slider->thumb_.m_hWnd == window) hook.slider->OnThumbMessage(message, wParam, lParam);
  } catch (...) {
    // Exceptions never cross into the platform's dispatch.
  }
  // Then the Thumb's own button handling: pressed and hover looks, capture while held.
  return previous ? ::CallWindowProcW(previous, window, message, wParam, lParam)
                  : ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace skin
