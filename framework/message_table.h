// Message tables: one static table per window class maps messages, commands and notifications to member
// functions; DispatchMessageTable is the one place that walks them, and WithMessageTable gives a class the
// OnWndMsg that consults its table before its base's handling.
//
// Usage:
//   class CMyDlg : public fw::WithMessageTable<CMyDlg, fw::CDialog> {
//     friend WithMessageTable;
//     static std::span<const fw::MessageEntry<CMyDlg>> MessageTable();  // defined beside the handlers
//     void OnTimer(UINT_PTR id);
//     void OnApply();
//   };
//   std::span<const fw::MessageEntry<CMyDlg>> CMyDlg::MessageTable() {
//     static constexpr fw::MessageEntry<CMyDlg> kEntries[] = {fw::OnTimer(&CMyDlg::OnTimer),
//                                                             fw::OnCommand(IDOK, &CMyDlg::OnApply)};
//     return kEntries;
//   }
#pragma once

#include <windows.h>

#include <span>

namespace fw {

template <class T>
struct MessageEntry {
  enum class Kind { Message, Command, CommandRange, Notify, Timer, Paint, Size, Mouse };
  Kind kind;
  UINT message = 0;                                // Kind::Message and Kind::Mouse
  UINT firstId = 0, lastId = 0;                    // commands and notifications
  int code = 0;                                    // Kind::Notify
  LRESULT (T::*onMessage)(WPARAM, LPARAM) = nullptr;
  void (T::*onCommand)() = nullptr;
  void (T::*onCommandId)(UINT) = nullptr;
  LRESULT (T::*onNotify)(NMHDR*) = nullptr;
  void (T::*onTimer)(UINT_PTR) = nullptr;
  void (T::*onPaint)() = nullptr;
  void (T::*onSize)(UINT, SIZE) = nullptr;
  void (T::*onMouse)(UINT, POINT) = nullptr;
};

// Any window message; the handler returns the message's result and calls Default() itself where the
// platform's own handling should run too.
template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Message};
  entry.message = message;
  entry.onMessage = handler;
  return entry;
}

// The typed entries below are for messages whose result is always 0; their handlers call Default() where
// the platform's own handling should run too.

// WM_TIMER, with the timer's identifier.
template <class T>
constexpr MessageEntry<T> OnTimer(void (T::*handler)(UINT_PTR id)) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Timer};
  entry.onTimer = handler;
  return entry;
}

// WM_PAINT.
template <class T>
constexpr MessageEntry<T> OnPaint(void (T::*handler)()) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Paint};
  entry.onPaint = handler;
  return entry;
}

// WM_SIZE, with the kind of change (SIZE_RESTORED, ...) and the new client size.
template <class T>
constexpr MessageEntry<T> OnSize(void (T::*handler)(UINT type, SIZE size)) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Size};
  entry.onSize = handler;
  return entry;
}

// A client-area mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...), with the keys held (MK_...) and the
// pointer in client coordinates.
template <class T>
constexpr MessageEntry<T> OnMouse(UINT message, void (T::*handler)(UINT keys, POINT at)) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Mouse};
  entry.message = message;
  entry.onMouse = handler;
  return entry;
}

// A click (BN_CLICKED, code 0) or menu command from one control.
template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, void (T::*handler)()) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Command};
  entry.firstId = entry.lastId = id;
  entry.onCommand = handler;
  return entry;
}

// Clicks from a run of controls; the handler receives the control ID.
template <class T>
constexpr MessageEntry<T> OnCommandRange(UINT firstId, UINT lastId, void (T::*handler)(UINT)) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::CommandRange};
  entry.firstId = firstId;
  entry.lastId = lastId;
  entry.onCommandId = handler;
  return entry;
}

// A WM_NOTIFY with one code from one control.
template <class T>
constexpr MessageEntry<T> OnNotify(UINT id, int code, LRESULT (T::*handler)(NMHDR*)) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Notify};
  entry.firstId = entry.lastId = id;
  entry.code = code;
  entry.onNotify = handler;
  return entry;
}

namespace detail {

// The signed client coordinates of a mouse message (as GET_X_LPARAM and GET_Y_LPARAM take them).
inline POINT MousePoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace detail

// Finds the first entry that matches and runs it; false when the table does not handle the message.
template <class T>
bool DispatchMessageTable(T& window, std::span<const MessageEntry<T>> table, UINT message, WPARAM wParam,
                          LPARAM lParam, LRESULT& result) {
  using Kind = typename MessageEntry<T>::Kind;
  for (const MessageEntry<T>& entry : table) {
    switch (entry.kind) {
      case Kind::Message:
        if (entry.message != message) break;
        result = (window.*entry.onMessage)(wParam, lParam);
        return true;
      case Kind::Timer:
        if (message != WM_TIMER) break;
        (window.*entry.onTimer)(static_cast<UINT_PTR>(wParam));
        result = 0;
        return true;
      case Kind::Paint:
        if (message != WM_PAINT) break;
        (window.*entry.onPaint)();
        result = 0;
        return true;
      case Kind::Size:
        if (message != WM_SIZE) break;
        (window.*entry.onSize)(static_cast<UINT>(wParam), SIZE{LOWORD(lParam), HIWORD(lParam)});
        result = 0;
        return true;
      case Kind::Mouse:
        if (entry.message != message) break;
        (window.*entry.onMouse)(static_cast<UINT>(wParam), detail::MousePoint(lParam));
        result = 0;
        return true;
      case Kind::Command:
      case Kind::CommandRange: {
        if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) break;
        const UINT id = LOWORD(wParam);
        if (id < entry.firstId || id > entry.lastId) break;
        if (entry.kind == Kind::Command)
          (window.*entry.onCommand)();
        else
          (window.*entry.onCommandId)(id);
        result = 0;
        return true;
      }
      case Kind::Notify: {
        if (message != WM_NOTIFY) break;
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->idFrom != entry.firstId || static_cast<int>(header->code) != entry.code) break;
        result = (window.*entry.onNotify)(header);
        return true;
      }
    }
  }
  return false;
}

// The base of a window class T with a message table: its OnWndMsg runs T's table, then Base's handling.
// T declares `friend WithMessageTable;` and a static MessageTable() that returns its entries.
template <class T, class Base>
class WithMessageTable : public Base {
 public:
  using Base::Base;

 protected:
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    return DispatchMessageTable(static_cast<T&>(*this), T::MessageTable(), message, wParam, lParam, result) ||
           Base::OnWndMsg(message, wParam, lParam, result);
  }
};

}  // namespace fw
