// The dialog machinery: creation hook, message tables, the modal loop and its pre-translation walk.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <utility>
#include <vector>

#include "framework/button.h"
#include "framework/dialog.h"
#include "framework/message_table.h"

namespace {

constexpr UINT kTestLayout = 9001;
constexpr UINT kPing = WM_APP + 1;

void PumpPending() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

class RecordingDialog : public fw::WithMessageTable<RecordingDialog, fw::CDialog> {
 public:
  explicit RecordingDialog(fw::CWnd* parent = nullptr) : WithMessageTable(kTestLayout, parent) {}

  std::vector<std::string> events;
  std::vector<UINT> keysSeen;
  HWND ownerDuringRun = nullptr;
  bool ownerEnabledDuringRun = true;
  bool swallowKeys = false;
  std::vector<MSG> toPost;  // posted from OnInitDialog, handled by the modal loop

  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN) {
      keysSeen.push_back(static_cast<UINT>(msg->wParam));
      if (swallowKeys) return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
  }

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    events.push_back("init");
    ownerDuringRun = ::GetWindow(m_hWnd, GW_OWNER);
    ownerEnabledDuringRun = ownerDuringRun && ::IsWindowEnabled(ownerDuringRun);
    for (MSG msg : toPost) ::PostMessageW(msg.hwnd ? msg.hwnd : m_hWnd, msg.message, msg.wParam, msg.lParam);
    return TRUE;
  }
  void OnCancel() override {
    events.push_back("cancel");
    CDialog::OnCancel();
  }

 private:
  LRESULT OnSize(WPARAM, LPARAM) {
    events.push_back("size");
    return Default();
  }
  LRESULT OnPing(WPARAM code, LPARAM) {
    events.push_back("ping");
    EndDialog(static_cast<int>(code));
    return 7;
  }
  void OnEditCommand() { events.push_back("edit"); }
  void OnRange(UINT id) { events.push_back("range " + std::to_string(id)); }

  friend WithMessageTable;
  static std::span<const fw::MessageEntry<RecordingDialog>> MessageTable() {
    static constexpr auto kEntries = fw::MakeMessageTable<RecordingDialog>({
        fw::OnMessage(WM_SIZE, &RecordingDialog::OnSize),
        fw::OnMessage(kPing, &RecordingDialog::OnPing),
        fw::OnCommand(100, &RecordingDialog::OnEditCommand),
        fw::OnCommandRange(200, 210, &RecordingDialog::OnRange),
    });
    return kEntries;
  }
};

TEST(DialogCreation, FirstSizeMessageArrivesBeforeInitialisation) {
  RecordingDialog dialog;
  dialog.toPost.push_back(MSG{nullptr, kPing, IDOK, 0, 0, {}});
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_GE(dialog.events.size(), 2u);
  EXPECT_EQ(dialog.events.front(), "size");
  EXPECT_EQ(dialog.events.back(), "ping");
  EXPECT_EQ(dialog.m_hWnd, nullptr) << "the modal run destroys its window";
}

TEST(MessageTable, CommandsAndRangesReachTheirHandlers) {
  RecordingDialog dialog;
  dialog.toPost = {MSG{nullptr, WM_COMMAND, MAKEWPARAM(100, BN_CLICKED), 0, 0, {}},
                   MSG{nullptr, WM_COMMAND, MAKEWPARAM(205, BN_CLICKED), 0, 0, {}},
                   MSG{nullptr, WM_COMMAND, MAKEWPARAM(211, BN_CLICKED), 0, 0, {}},
                   MSG{nullptr, WM_COMMAND, MAKEWPARAM(100, EN_CHANGE), 0, 0, {}},
                   MSG{nullptr, kPing, 42, 0, 0, {}}};
  EXPECT_EQ(dialog.DoModal(), 42);
  std::vector<std::string> commands;
  for (const auto& event : dialog.events)
    if (event == "edit" || event.starts_with("range")) commands.push_back(event);
  EXPECT_EQ(commands, (std::vector<std::string>{"edit", "range 205"}));
}

// Handlers that record what reached them, for tables dispatched without a window.
struct Recorder {
  std::vector<std::string> calls;
  void OnCommand205() { calls.push_back("command 205"); }
  void OnRun(UINT id) { calls.push_back("range " + std::to_string(id)); }
  void OnTimer1() { calls.push_back("timer 1"); }
  LRESULT OnAnyTimer(WPARAM id, LPARAM) {
    calls.push_back("any timer " + std::to_string(id));
    return 0;
  }
};

std::vector<std::string> Deliver(std::span<const fw::MessageEntry<Recorder>> table) {
  Recorder recorder;
  const std::pair<UINT, WPARAM> messages[] = {{WM_COMMAND, MAKEWPARAM(205, BN_CLICKED)},
                                              {WM_COMMAND, MAKEWPARAM(206, BN_CLICKED)},
                                              {WM_TIMER, 1},
                                              {WM_TIMER, 2}};
  for (const auto& [message, wParam] : messages) {
    LRESULT result = 0;
    if (!fw::DispatchMessageTable(recorder, table, message, wParam, 0, result)) recorder.calls.push_back("none");
  }
  return recorder.calls;
}

TEST(MessageTable, TheNarrowestEntryTakesAMessageWhateverTheOrder) {
  static constexpr auto kRangeFirst = fw::MakeMessageTable<Recorder>({
      fw::OnMessage(WM_TIMER, &Recorder::OnAnyTimer),
      fw::OnCommandRange(200, 210, &Recorder::OnRun),
      fw::OnCommand(205, &Recorder::OnCommand205),
      fw::OnTimer(1, &Recorder::OnTimer1),
  });
  static constexpr auto kExactFirst = fw::MakeMessageTable<Recorder>({
      fw::OnTimer(1, &Recorder::OnTimer1),
      fw::OnCommand(205, &Recorder::OnCommand205),
      fw::OnCommandRange(200, 210, &Recorder::OnRun),
      fw::OnMessage(WM_TIMER, &Recorder::OnAnyTimer),
  });
  const std::vector<std::string> expected = {"command 205", "range 206", "timer 1", "any timer 2"};
  EXPECT_EQ(Deliver(kRangeFirst), expected);
  EXPECT_EQ(Deliver(kExactFirst), expected);
  // A timer entry takes its own timer only; the others go on to the base class.
  static constexpr auto kOneTimer = fw::MakeMessageTable<Recorder>({fw::OnTimer(1, &Recorder::OnTimer1)});
  EXPECT_EQ(Deliver(kOneTimer), (std::vector<std::string>{"none", "none", "timer 1", "none"}));
}

// A set takes exactly its members, 206 among them; 207, inside its span, goes on to the base class; 205 has an
// entry of its own, which beats membership.
constexpr UINT kSet[] = {205, 206, 209};

TEST(MessageTable, ASetTakesItsMembersOnlyAndAnOwnEntryBeatsIt) {
  static constexpr auto kTable = fw::MakeMessageTable<Recorder>({
      fw::OnCommandIn(kSet, &Recorder::OnRun),
      fw::OnCommand(205, &Recorder::OnCommand205),
  });
  EXPECT_EQ(Deliver(kTable), (std::vector<std::string>{"command 205", "range 206", "none", "none"}));
  Recorder recorder;
  LRESULT result = 0;
  EXPECT_FALSE(
      fw::DispatchMessageTable<Recorder>(recorder, kTable, WM_COMMAND, MAKEWPARAM(207, BN_CLICKED), 0, result));
}

constexpr UINT kOverlappingSet[] = {201, 209};
constexpr UINT kInterleavedSet[] = {204, 207};
static_assert(fw::detail::Collide(fw::OnCommandIn(kSet, &Recorder::OnRun),
                                  fw::OnCommandIn(kOverlappingSet, &Recorder::OnRun)));
static_assert(!fw::detail::Collide(fw::OnCommandIn(kSet, &Recorder::OnRun),
                                   fw::OnCommandIn(kInterleavedSet, &Recorder::OnRun)));

// Entries that would take one message equally do not compile (MakeMessageTable refuses them).
static_assert(fw::detail::Collide(fw::OnCommand(205, &Recorder::OnCommand205),
                                  fw::OnCommand(205, &Recorder::OnCommand205)));
static_assert(fw::detail::Collide(fw::OnCommandRange(200, 210, &Recorder::OnRun),
                                  fw::OnCommandRange(205, 215, &Recorder::OnRun)));
static_assert(fw::detail::Collide(fw::OnTimer(1, &Recorder::OnTimer1), fw::OnTimer(1, &Recorder::OnTimer1)));
static_assert(!fw::detail::Collide(fw::OnCommand(205, &Recorder::OnCommand205),
                                   fw::OnCommandRange(200, 210, &Recorder::OnRun)));

TEST(ModalLoop, CancelAndCloseEndWithCancel) {
  RecordingDialog cancelled;
  cancelled.toPost.push_back(MSG{nullptr, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0, 0, {}});
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);

  RecordingDialog closed;
  closed.toPost.push_back(MSG{nullptr, WM_CLOSE, 0, 0, 0, {}});
  EXPECT_EQ(closed.DoModal(), IDCANCEL);
  EXPECT_EQ(closed.events.back(), "cancel");
}

TEST(ModalLoop, OwnerIsDisabledWhileTheDialogRunsAndEnabledAfter) {
  RecordingDialog owner;
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  RecordingDialog child(&owner);
  child.toPost.push_back(MSG{nullptr, kPing, IDOK, 0, 0, {}});
  EXPECT_EQ(child.DoModal(), IDOK);
  EXPECT_EQ(child.ownerDuringRun, owner.m_hWnd);
  EXPECT_FALSE(child.ownerEnabledDuringRun);
  EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
  owner.DestroyWindow();
}

TEST(ModalLoop, AnOwnerDisabledBeforehandStaysDisabled) {
  RecordingDialog owner;
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  ::EnableWindow(owner.m_hWnd, FALSE);
  RecordingDialog child(&owner);
  child.toPost.push_back(MSG{nullptr, kPing, IDOK, 0, 0, {}});
  EXPECT_EQ(child.DoModal(), IDOK);
  EXPECT_FALSE(::IsWindowEnabled(owner.m_hWnd)) << "only the run that disabled the owner enables it again";
  owner.DestroyWindow();
}

TEST(ModalLoop, KeysToAChildControlPassTheDialogFilterFirst) {
  RecordingDialog dialog;
  dialog.swallowKeys = true;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND edit = dialog.GetDlgItem(100);
  MSG key{edit, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(fw::WalkPreTranslateTree(key)) << "the dialog swallows the key";
  EXPECT_EQ(dialog.keysSeen, std::vector<UINT>{VK_ESCAPE});
  dialog.DestroyWindow();
}

TEST(ModalLoop, PlainDialogKeepsEnterAndEscape) {
  RecordingDialog enter;
  enter.toPost.push_back(MSG{nullptr, WM_KEYDOWN, VK_RETURN, 0, 0, {}});
  EXPECT_EQ(enter.DoModal(), IDOK);
  RecordingDialog escape;
  escape.toPost.push_back(MSG{nullptr, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}});
  EXPECT_EQ(escape.DoModal(), IDCANCEL);
}

class CountingButton : public fw::CBitmapButton {
 public:
  int draws = 0;

 protected:
  void DrawItem(DRAWITEMSTRUCT* item) override {
    ++draws;
    CBitmapButton::DrawItem(item);
  }
};

TEST(OwnerDraw, ParentHandsDrawingBackToTheButtonAndDetachesOnDestroy) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  CountingButton button;
  ASSERT_TRUE(button.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, RECT{0, 0, 30, 20}, dialog.m_hWnd, 300));
  EXPECT_EQ(fw::CWnd::FromHandlePermanent(button.m_hWnd), &button);
  ::UpdateWindow(button.m_hWnd);
  PumpPending();
  EXPECT_GT(button.draws, 0);
  dialog.DestroyWindow();
  EXPECT_EQ(button.m_hWnd, nullptr) << "destroying the parent detaches the child's object";
}

}  // namespace
