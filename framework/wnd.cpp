#include "framework/wnd.h"

#include <utility>

#include "framework/message_table.h"

namespace fw {
namespace {

constexpr wchar_t kObjectProperty[] = L"DQ.CWnd";

thread_local CWnd* t_pendingWindow = nullptr;
thread_local HHOOK t_creationHook = nullptr;
thread_local int t_creationHookUsers = 0;

}  // namespace

struct CreationHook::Access {
  static LRESULT CALLBACK Proc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && t_pendingWindow) {
      CWnd* window = std::exchange(t_pendingWindow, nullptr);
      window->Attach(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

CreationHook::CreationHook(CWnd* window) {
  previousPending_ = std::exchange(t_pendingWindow, window);
  if (t_creationHookUsers++ == 0)
    t_creationHook = ::SetWindowsHookExW(WH_CBT, &Access::Proc, nullptr, ::GetCurrentThreadId());
}

CreationHook::~CreationHook() {
  t_pendingWindow = previousPending_;
  if (--t_creationHookUsers == 0) {
    ::UnhookWindowsHookEx(t_creationHook);
    t_creationHook = nullptr;
  }
}

CWnd::~CWnd() {
  if (!m_hWnd) return;
  // The object goes first: give the window back its own procedure so no message reaches a dead object.
  HWND window = UnsubclassWindow();
  if (::IsWindow(window)) ::DestroyWindow(window);
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
  return window ? static_cast<CWnd*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND window) {
  m_hWnd = window;
  ::SetPropW(window, kObjectProperty, this);
  PreSubclassWindow();
  previousProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
}

bool CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR text, DWORD style, const RECT& rect, HWND parent,
                    UINT id) {
  CreationHook hook(this);
  HWND window = ::CreateWindowExW(exStyle, className, text, style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent,
                                  (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
  if (window != nullptr && m_hWnd == window) return true;
  // Refused after the hook had attached this object (by a hook, WM_NCCREATE or WM_CREATE): forget the dead
  // handle, so that the object can be created again or attached to another window.
  if (m_hWnd && !::IsWindow(m_hWnd)) {
    m_hWnd = nullptr;
    previousProc_ = nullptr;
  }
  return false;
}

bool CWnd::SubclassWindow(HWND window) {
  if (!window || m_hWnd || FromHandlePermanent(window)) return false;
  Attach(window);
  return true;
}

bool CWnd::SubclassDlgItem(UINT id, HWND parent) { return SubclassWindow(::GetDlgItem(parent, static_cast<int>(id))); }

HWND CWnd::UnsubclassWindow() {
  HWND window = std::exchange(m_hWnd, nullptr);
  if (!window) return nullptr;
  if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) == &CWnd::StaticWindowProc)
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
  ::RemovePropW(window, kObjectProperty);
  previousProc_ = nullptr;
  return window;
}

bool CWnd::DestroyWindow() { return m_hWnd && ::DestroyWindow(m_hWnd); }

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

RECT CWnd::GetWindowRect() const {
  RECT rect{};
  ::GetWindowRect(m_hWnd, &rect);
  return rect;
}

RECT CWnd::GetClientRect() const {
  RECT rect{};
  ::GetClientRect(m_hWnd, &rect);
  return rect;
}

void CWnd::ScreenToClient(RECT& rect) const { ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rect), 2); }

void CWnd::ModifyStyle(DWORD remove, DWORD add) const {
  const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
}

void CWnd::CenterWindow() const {
  const RECT window = GetWindowRect();
  const int width = window.right - window.left, height = window.bottom - window.top;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT area = monitor.rcWork;
  RECT centre = area;
  if (HWND owner = ::GetWindow(m_hWnd, GW_OWNER); owner && ::IsWindowVisible(owner)) ::GetWindowRect(owner, &centre);
  int left = (centre.left + centre.right) / 2 - width / 2;
  int top = (centre.top + centre.bottom) / 2 - height / 2;
  // Keep the window on the work area.
  if (left + width > area.right) left = area.right - width;
  if (left < area.left) left = area.left;
  if (top + height > area.bottom) top = area.bottom - height;
  if (top < area.top) top = area.top;
  ::SetWindowPos(m_hWnd, nullptr, left, top, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

std::span<const MessageEntry<CWnd>> CWnd::MessageTable() {
  static constexpr auto kEntries = MakeMessageTable<CWnd>({
      OnMessage(WM_DRAWITEM, &CWnd::OnDrawItem),
  });
  return kEntries;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  return DispatchMessageTable(*this, MessageTable(), message, wParam, lParam, result);
}

bool CWnd::ReflectDrawItem(DRAWITEMSTRUCT& item) {
  if (item.CtlType == ODT_MENU) return false;
  CWnd* control = FromHandlePermanent(item.hwndItem);
  if (!control) return false;
  control->DrawItem(&item);
  return true;
}

LRESULT CWnd::OnDrawItem(WPARAM, LPARAM lParam) {
  return ReflectDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam)) ? TRUE : Default();
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (previousProc_) return ::CallWindowProcW(previousProc_, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  if (!currentMessage_) return 0;
  return DefWindowProc(currentMessage_->message, currentMessage_->wParam, currentMessage_->lParam);
}

LRESULT CWnd::DispatchAs(UINT message, WPARAM wParam, LPARAM lParam) {
  MSG substitute{m_hWnd, message, wParam, lParam, 0, {}};
  const MSG* outer = std::exchange(currentMessage_, &substitute);
  const LRESULT result = WindowProc(message, wParam, lParam);
  currentMessage_ = outer;
  return result;
}

void CWnd::DrawItem(DRAWITEMSTRUCT*) {}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* self = FromHandlePermanent(window);
  if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
  MSG current{window, message, wParam, lParam, 0, {}};
  const MSG* outer = std::exchange(self->currentMessage_, &current);
  LRESULT result = 0;
  try {
    result = self->WindowProc(message, wParam, lParam);
  } catch (...) {
    // Exceptions never cross into the platform's dispatch.
    result = 0;
  }
  self->currentMessage_ = outer;
  if (message == WM_NCDESTROY) {
    self->UnsubclassWindow();
    self->PostNcDestroy();
  }
  return result;
}

}  // namespace fw
