// The yardstick for the start-up benchmark: the least a Win32 program does to show one painted window of the
// main window's size, centred, filled with one colour that the benchmark looks for on the screen.
#include <windows.h>

namespace {

constexpr wchar_t kTitle[] = L"DQ-bench-minimal";
constexpr int kWidth = 482;
constexpr int kHeight = 783;
constexpr COLORREF kFill = RGB(12, 34, 56);

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(window, &paint);
      HBRUSH brush = ::CreateSolidBrush(kFill);
      ::FillRect(dc, &paint.rcPaint, brush);
      ::DeleteObject(brush);
      ::EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"DQBenchMinimal";
  ::RegisterClassW(&windowClass);
  int left = ::GetSystemMetrics(SM_CXSCREEN) / 2 - kWidth / 2;
  int top = ::GetSystemMetrics(SM_CYSCREEN) / 2 - kHeight / 2;
  HWND window = ::CreateWindowExW(WS_EX_APPWINDOW, windowClass.lpszClassName, kTitle, WS_POPUP, left, top, kWidth,
                                  kHeight, nullptr, nullptr, instance, nullptr);
  ::ShowWindow(window, show);
  ::UpdateWindow(window);
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
