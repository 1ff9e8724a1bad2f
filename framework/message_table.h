// Message tables: one static array per window class maps messages, commands and notifications to member
// functions; DispatchMessageTable is the one place that walks them.
#pragma once

#include <windows.h>

#include <span>

namespace fw {

template <class T>
struct MessageEntry {
  enum class Kind { Message, Command, CommandRange, Notify };
  Kind kind;
  UINT message = 0;                                // Kind::Message
  UINT firstId = 0, lastId = 0;                    // commands and notifications
  int code = 0;                                    // Kind::Notify
  LRESULT (T::*onMessage)(WPARAM, LPARAM) = nullptr;
  void (T::*onCommand)() = nullptr;
  void (T::*onCommandId)(UINT) = nullptr;
  LRESULT (T::*onNotify)(NMHDR*) = nullptr;
};

// A window message; the handler returns the message's result and calls Default() itself where the
// platform's own handling should run too.
template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  MessageEntry<T> entry{MessageEntry<T>::Kind::Message};
  entry.message = message;
  entry.onMessage = handler;
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

// Finds the first entry that matches and runs it; false when the table does not handle the message.
template <class T, size_t N>
bool DispatchMessageTable(T& window, const MessageEntry<T> (&table)[N], UINT message, WPARAM wParam,
                          LPARAM lParam, LRESULT& result) {
  using Kind = typename MessageEntry<T>::Kind;
  for (const MessageEntry<T>& entry : std::span(table)) {
    switch (entry.kind) {
      case Kind::Message:
        if (entry.message != message) break;
        result = (window.*entry.onMessage)(wParam, lParam);
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

}  // namespace fw
