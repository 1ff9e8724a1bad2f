// CWnd: a C++ object attached to a window handle. The object sees every message of its window through
// its own window procedure (installed when it creates or subclasses the window) and hands unhandled
// messages to the window's previous procedure.
#pragma once

#include <windows.h>

#include <span>

namespace fw {

template <class T>
struct MessageEntry;

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object attached to a window, or null for a window that no CWnd owns.
  static CWnd* FromHandlePermanent(HWND window);

  // Creates a window attached to this object from its first message on (WM_NCCREATE).
  bool CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR text, DWORD style, const RECT& rect, HWND parent, UINT id);
  // Attaches this object to an existing window (for example a control of a dialog layout).
  bool SubclassWindow(HWND window);
  bool SubclassDlgItem(UINT id, HWND parent);
  HWND UnsubclassWindow();
  bool DestroyWindow();

  // Called for every message that the modal loop delivers to this window or its children, before
  // dispatch; returning TRUE swallows the message.
  virtual BOOL PreTranslateMessage(MSG* msg);

  // Thin conveniences over the platform's calls.
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  RECT GetWindowRect() const;
  RECT GetClientRect() const;
  void ScreenToClient(RECT& rect) const;
  void Invalidate(bool erase = true) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(const RECT& rect, bool erase) const { ::InvalidateRect(m_hWnd, &rect, erase); }
  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) const { return ::SetTimer(m_hWnd, id, milliseconds, nullptr); }
  void KillTimer(UINT_PTR id) const { ::KillTimer(m_hWnd, id); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL EnableWindow(bool enable) const { return ::EnableWindow(m_hWnd, enable); }
  bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
  BOOL SetWindowPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const {
    return ::SetWindowPos(m_hWnd, insertAfter, x, y, width, height, flags);
  }
  void ModifyStyle(DWORD remove, DWORD add) const;
  // Centres a window on its owner, or without one on the work area of its monitor.
  void CenterWindow() const;

 protected:
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The message table hook: derived classes dispatch their table here and fall back to their base.
  virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // The platform's handling of a message: the previous window procedure or DefWindowProcW.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The platform's handling of the message being handled now.
  LRESULT Default();
  // Handles a message as if the window had received it instead of the current one, so that handlers
  // and their Default() see the substitute (a double click handled as a press, for example).
  LRESULT DispatchAs(UINT message, WPARAM wParam, LPARAM lParam);
  // Runs when the object is attached, before the window's procedure is replaced.
  virtual void PreSubclassWindow() {}
  // Owner-drawn controls draw themselves: the parent hands WM_DRAWITEM back to the control's object.
  virtual void DrawItem(DRAWITEMSTRUCT* item);
  // Hands a WM_DRAWITEM to the drawn control's object; false for a menu item or a control no CWnd owns.
  static bool ReflectDrawItem(DRAWITEMSTRUCT& item);
  virtual void PostNcDestroy() {}

 private:
  friend class CreationHook;
  static std::span<const MessageEntry<CWnd>> MessageTable();
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);

  void Attach(HWND window);
  static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  WNDPROC previousProc_ = nullptr;
  const MSG* currentMessage_ = nullptr;
};

// Attaches the next window created on this thread to `window` as it is created, so that even the
// first messages (WM_NCCREATE, WM_CREATE, the first WM_SIZE) reach the object.
class CreationHook {
 public:
  explicit CreationHook(CWnd* window);
  CreationHook(const CreationHook&) = delete;
  CreationHook& operator=(const CreationHook&) = delete;
  ~CreationHook();

 private:
  struct Access;
  CWnd* previousPending_;
};

}  // namespace fw
