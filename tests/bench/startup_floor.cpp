// The floor for the start-up benchmark: the least this design can do to open its main window. It creates
// the main window's own layout from the project's resources and the same number of buttons as the tool, at
// the tool's places, but owner-drawn in plain colours: no images are loaded, no region is made. The window
// is centred at the background's size and filled with one colour that the benchmark looks for.
//
// Command line: the buttons as groups of five numbers, "id left top width height ..."; a first group of id 0 gives
// the window's size instead (the main window at another display scale).
#include <windows.h>

#include <cwchar>
#include <vector>

#include "res/resource.h"

namespace {

constexpr wchar_t kTitle[] = L"DQ-bench-floor";
SIZE g_size{482, 783};
constexpr COLORREF kFill = RGB(56, 34, 12);
constexpr COLORREF kButtonFill = RGB(90, 90, 90);

struct ButtonPlace {
  int id, left, top, width, height;
};

std::vector<ButtonPlace> g_buttons;

// The numbers after the program's name, in groups of five; an incomplete last group is dropped.
std::vector<ButtonPlace> ParseButtons(const wchar_t* commandLine) {
  const wchar_t* p = commandLine;
  // The program's name, quoted or not.
  if (*p == L'"') {
    p = std::wcschr(p + 1, L'"');
    p = p ? p + 1 : commandLine + std::wcslen(commandLine);
  } else {
    while (*p && *p != L' ' && *p != L'\t') ++p;
  }
  std::vector<int> numbers;
  for (;;) {
    wchar_t* end = nullptr;
    const long value = std::wcstol(p, &end, 10);
    if (end == p) break;
    numbers.push_back(static_cast<int>(value));
    p = end;
  }
  std::vector<ButtonPlace> places;
  for (size_t i = 0; i + 5 <= numbers.size(); i += 5)
    places.push_back({numbers[i], numbers[i + 1], numbers[i + 2], numbers[i + 3], numbers[i + 4]});
  return places;
}

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = ::CreateSolidBrush(colour);
  ::FillRect(dc, &rect, brush);
  ::DeleteObject(brush);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      ::SetWindowTextW(dialog, kTitle);
      const int left = ::GetSystemMetrics(SM_CXSCREEN) / 2 - g_size.cx / 2;
      const int top = ::GetSystemMetrics(SM_CYSCREEN) / 2 - g_size.cy / 2;
      ::SetWindowPos(dialog, nullptr, left, top, g_size.cx, g_size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
      const HINSTANCE instance = ::GetModuleHandleW(nullptr);
      for (const ButtonPlace& b : g_buttons) {
        ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, b.left, b.top, b.width, b.height,
                          dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), instance, nullptr);
      }
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = ::BeginPaint(dialog, &paint);
      Fill(dc, paint.rcPaint, kFill);
      ::EndPaint(dialog, &paint);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      Fill(item->hDC, item->rcItem, kButtonFill);
      return TRUE;
    }
    case WM_CLOSE:
      ::DestroyWindow(dialog);
      return TRUE;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  g_buttons = ParseButtons(::GetCommandLineW());
  if (!g_buttons.empty() && g_buttons.front().id == 0) {
    g_size = {g_buttons.front().width, g_buttons.front().height};
    g_buttons.erase(g_buttons.begin());
  }
  HWND dialog = ::CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, &DialogProc, 0);
  if (!dialog) return 1;
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (::IsDialogMessageW(dialog, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
