// Message tables: one static table per window class maps messages, commands, notifications and timers to
// member functions; DispatchMessageTable is the one place that walks them, and WithMessageTable gives a class the
// OnWndMsg that consults its table before its base's handling.
//
// A table cannot be wrong by its order: of the entries that take a message the narrowest runs (a command's own
// entry before a range or a set that contains it, a timer's entry before a plain WM_TIMER entry), and
// MakeMessageTable refuses to compile a table in which two entries would take the same message equally (the same
// message, timer or command twice, ranges that overlap without one lying inside the other, a command in two sets).
// A message that no entry takes goes to the base class.
//
// Usage:
//   class CMyDlg : public fw::WithMessageTable<CMyDlg, fw::CDialog> {
//     friend WithMessageTable;
//     static std::span<const fw::MessageEntry<CMyDlg>> MessageTable();  // defined beside the handlers
//     void OnClockTimer();
//     void OnApply();
//   };
//   std::span<const fw::MessageEntry<CMyDlg>> CMyDlg::MessageTable() {
//     static constexpr auto kEntries = fw::MakeMessageTable<CMyDlg>({
//         fw::OnTimer(kClockTimer, &CMyDlg::OnClockTimer),
//         fw::OnCommand(IDOK, &CMyDlg::OnApply),
//     });
//     return kEntries;
//   }
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <span>

namespace fw {

template <class T>
struct MessageEntry {
  enum class Kind { Message, Command, CommandRange, CommandSet, Notify, Timer, Paint, Size, Mouse };
  Kind kind;
  UINT message = 0;                  // the window message every kind stands for
  UINT_PTR firstId = 0, lastId = 0;  // the controls or timers it takes; a plain message: all
  int code = 0;                      // the notification code (BN_CLICKED for commands)
  std::span<const UINT> members{};   // Kind::CommandSet: exactly the controls it takes, within firstId..lastId
  LRESULT (T::*onMessage)(WPARAM, LPARAM) = nullptr;
  void (T::*onCommand)() = nullptr;  // Kind::Command and Kind::Timer
  void (T::*onCommandId)(UINT) = nullptr;
  LRESULT (T::*onNotify)(NMHDR*) = nullptr;
  void (T::*onPaint)() = nullptr;
  void (T::*onSize)(UINT, SIZE) = nullptr;
  void (T::*onMouse)(UINT, POINT) = nullptr;

  // Whether the entry tells its message apart by control, timer and code, or takes every one of them.
  constexpr bool TakesEveryId() const {
    return kind == Kind::Message || kind == Kind::Paint || kind == Kind::Size || kind == Kind::Mouse;
  }
};

namespace detail {

inline constexpr UINT_PTR kLastId = ~UINT_PTR{0};

template <class T>
constexpr MessageEntry<T> Entry(typename MessageEntry<T>::Kind kind, UINT message, UINT_PTR firstId = 0,
                                UINT_PTR lastId = kLastId, int code = 0) {
  MessageEntry<T> entry{};
  entry.kind = kind;
  entry.message = message;
  entry.firstId = firstId;
  entry.lastId = lastId;
  entry.code = code;
  return entry;
}

}  // namespace detail

// Any window message; the handler returns the message's result and calls Default() itself where the
// platform's own handling should run too.
template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::Message, message);
  entry.onMessage = handler;
  return entry;
}

// The typed entries below are for messages whose result is always 0; their handlers call Default() where
// the platform's own handling should run too.

// WM_TIMER of one timer: each window names the timers it runs, and its base keeps its own.
template <class T>
constexpr MessageEntry<T> OnTimer(UINT_PTR id, void (T::*handler)()) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::Timer, WM_TIMER, id, id);
  entry.onCommand = handler;
  return entry;
}

// WM_PAINT.
template <class T>
constexpr MessageEntry<T> OnPaint(void (T::*handler)()) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::Paint, WM_PAINT);
  entry.onPaint = handler;
  return entry;
}

// WM_SIZE, with the kind of change (SIZE_RESTORED, ...) and the new client size.
template <class T>
constexpr MessageEntry<T> OnSize(void (T::*handler)(UINT type, SIZE size)) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::Size, WM_SIZE);
  entry.onSize = handler;
  return entry;
}

// A client-area mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN, ...), with the keys held (MK_...) and the
// pointer in client coordinates.
template <class T>
constexpr MessageEntry<T> OnMouse(UINT message, void (T::*handler)(UINT keys, POINT at)) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::Mouse, message);
  entry.onMouse = handler;
  return entry;
}

// A click (BN_CLICKED, code 0) or menu command from one control.
template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, void (T::*handler)()) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::Command, WM_COMMAND, id, id, BN_CLICKED);
  entry.onCommand = handler;
  return entry;
}

// Clicks from a run of controls; the handler receives the control ID. A control of the run that has an
// OnCommand entry of its own goes there instead.
template <class T>
constexpr MessageEntry<T> OnCommandRange(UINT firstId, UINT lastId, void (T::*handler)(UINT)) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::CommandRange, WM_COMMAND, firstId, lastId, BN_CLICKED);
  entry.onCommandId = handler;
  return entry;
}

// Clicks from the controls of a set (a window's Choice buttons); the handler receives the control ID. The set
// must be a constant of static storage. A control of the set that has an OnCommand entry of its own goes there.
template <class T>
constexpr MessageEntry<T> OnCommandIn(std::span<const UINT> ids, void (T::*handler)(UINT)) {
  UINT first = ids.empty() ? 1 : ids.front(), last = ids.empty() ? 0 : ids.front();
  for (UINT id : ids) {
    first = id < first ? id : first;
    last = id > last ? id : last;
  }
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::CommandSet, WM_COMMAND, first, last, BN_CLICKED);
  entry.members = ids;
  entry.onCommandId = handler;
  return entry;
}

// A WM_NOTIFY with one code from one control.
template <class T>
constexpr MessageEntry<T> OnNotify(UINT id, int code, LRESULT (T::*handler)(NMHDR*)) {
  auto entry = detail::Entry<T>(MessageEntry<T>::Kind::Notify, WM_NOTIFY, id, id, code);
  entry.onNotify = handler;
  return entry;
}

namespace detail {

// The signed client coordinates of a mouse message (as GET_X_LPARAM and GET_Y_LPARAM take them).
inline POINT MousePoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

template <class T>
constexpr bool IsSet(const MessageEntry<T>& entry) {
  return entry.kind == MessageEntry<T>::Kind::CommandSet;
}

// Whether a set entry takes the control: the set lists it.
template <class T>
constexpr bool InSet(const MessageEntry<T>& entry, UINT_PTR id) {
  for (UINT member : entry.members)
    if (member == id) return true;
  return false;
}

// Two entries that could both take one message, with neither of them narrower than the other.
template <class T>
constexpr bool Collide(const MessageEntry<T>& a, const MessageEntry<T>& b) {
  if (a.message != b.message) return false;
  if (!a.TakesEveryId() && !b.TakesEveryId() && a.code != b.code) return false;
  if (a.lastId < b.firstId || b.lastId < a.firstId) return false;
  if (IsSet(a) && IsSet(b)) {
    for (UINT id : a.members)
      if (InSet(b, id)) return true;
    return false;
  }
  const bool aInsideB = b.firstId <= a.firstId && a.lastId <= b.lastId;
  const bool bInsideA = a.firstId <= b.firstId && b.lastId <= a.lastId;
  return aInsideB == bInsideA;  // the same ids, or an overlap where neither lies inside the other
}

// Whether the entry takes the message, and if so which control or timer it is about.
template <class T>
bool Takes(const MessageEntry<T>& entry, UINT message, WPARAM wParam, LPARAM lParam) {
  if (entry.message != message) return false;
  if (entry.TakesEveryId()) return true;
  UINT_PTR id = 0;
  int code = 0;
  switch (message) {
    case WM_TIMER:
      id = wParam;
      code = entry.code;
      break;
    case WM_COMMAND:
      id = LOWORD(wParam);
      code = HIWORD(wParam);
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      id = header->idFrom;
      code = static_cast<int>(header->code);
      break;
    }
    default:
      return false;
  }
  return code == entry.code && entry.firstId <= id && id <= entry.lastId && (!IsSet(entry) || InSet(entry, id));
}

template <class T>
LRESULT Run(T& window, const MessageEntry<T>& entry, WPARAM wParam, LPARAM lParam) {
  using Kind = typename MessageEntry<T>::Kind;
  switch (entry.kind) {
    case Kind::Message:
      return (window.*entry.onMessage)(wParam, lParam);
    case Kind::Notify:
      return (window.*entry.onNotify)(reinterpret_cast<NMHDR*>(lParam));
    case Kind::Command:
    case Kind::Timer:
      (window.*entry.onCommand)();
      break;
    case Kind::CommandRange:
    case Kind::CommandSet:
      (window.*entry.onCommandId)(LOWORD(wParam));
      break;
    case Kind::Paint:
      (window.*entry.onPaint)();
      break;
    case Kind::Size:
      (window.*entry.onSize)(static_cast<UINT>(wParam), SIZE{LOWORD(lParam), HIWORD(lParam)});
      break;
    case Kind::Mouse:
      (window.*entry.onMouse)(static_cast<UINT>(wParam), MousePoint(lParam));
      break;
  }
  return 0;
}

}  // namespace detail

// A window class's table, checked while it compiles: two entries that would take the same message equally
// make the build fail here.
template <class T, size_t N>
consteval std::array<MessageEntry<T>, N> MakeMessageTable(const MessageEntry<T> (&entries)[N]) {
  std::array<MessageEntry<T>, N> table{};
  for (size_t i = 0; i < N; ++i) {
    for (size_t j = 0; j < i; ++j)
      if (detail::Collide(entries[i], entries[j])) throw "two entries of a message table take the same message";
    table[i] = entries[i];
  }
  return table;
}

// Runs the narrowest entry that takes the message; false when no entry does.
template <class T>
bool DispatchMessageTable(T& window, std::span<const MessageEntry<T>> table, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  const MessageEntry<T>* chosen = nullptr;
  for (const MessageEntry<T>& entry : table) {
    if (!detail::Takes(entry, message, wParam, lParam)) continue;
    if (!chosen || entry.lastId - entry.firstId < chosen->lastId - chosen->firstId) chosen = &entry;
  }
  if (!chosen) return false;
  result = detail::Run(window, *chosen, wParam, lParam);
  return true;
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
