#include "tests/window/skin_test_host.h"

namespace skintest {
namespace {

constexpr wchar_t kHostClass[] = L"DQSkinTestHost";

bool RegisterHostClass() {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(::GetModuleHandleW(nullptr), kHostClass, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  windowClass.lpszClassName = kHostClass;
  return ::RegisterClassExW(&windowClass) != 0;
}

}  // namespace

bool TestHost::Create(const RECT& screen) {
  return RegisterHostClass() && CreateEx(0, kHostClass, L"skin test host", WS_POPUP | WS_VISIBLE, screen, nullptr, 0);
}

bool TestHost::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) clicks.push_back(LOWORD(wParam));
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    notifications.push_back(Notification{static_cast<UINT>(header->idFrom), static_cast<int>(header->code), wParam,
                                         slider ? slider->GetPos() : 0});
  }
  if (message == WM_LBUTTONDOWN)
    presses.push_back(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

bool TestHost::ClickAndWait(POINT at) {
  const POINT screen = ScreenPoint(m_hWnd, at.x, at.y);
  return testsupport::RealInput::Click(screen.x, screen.y) && testsupport::PumpUntil([&] {
           return !presses.empty() && presses.back().x == at.x && presses.back().y == at.y;
         });
}

void RealInputTest::SetUp() {
  ASSERT_TRUE(testsupport::RealInput::Available()) << testsupport::RealInput::LastError();
  ASSERT_TRUE(testsupport::RealInput::Park()) << testsupport::RealInput::LastError();
}

void RealInputTest::TearDown() {
  testsupport::RealInput::Park();
}

POINT ScreenPoint(HWND window, int x, int y) {
  POINT point{x, y};
  ::ClientToScreen(window, &point);
  return point;
}

}  // namespace skintest
