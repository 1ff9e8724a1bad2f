// The main window on its real layout and bitmaps, run modally and driven with real mouse input: no GDI
// objects left behind by the overlay, the apply with and without a card, the picker, the clock line, the
// bring-to-front signal of a second start and the system menu's commands.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/configure_app.h"
#include "card/files/card_paths.h"
#include "card/tables/advanced_snapshot.h"
#include "card/tables/settings_table.h"
#include "framework/gdi.h"
#include "res/resource.h"
#include "tests/support/message_pump.h"
#include "tests/support/modal_script.h"
#include "tests/support/real_input.h"
#include "tests/support/screen_probe.h"
#include "ui/main/configure_dlg.h"
#include "ui/main/main_controls.h"

namespace {

using main_window::CConfigureDlg;
using testsupport::PumpFor;
using testsupport::PumpUntil;
using testsupport::RealInput;

// ---- Running the window --------------------------------------------------------------------------------------------

struct WindowRun {
  INT_PTR result = -1;
  bool leftOpen = false;  // the script returned with the window open: it was closed for it
};

WindowRun RunMain(const std::function<void(CConfigureDlg&)>& script) {
  CConfigureDlg dialog;
  const testsupport::ModalRun run = testsupport::RunModalScript(dialog, [&] { script(dialog); });
  return WindowRun{run.result, run.leftOpen};
}

POINT Origin(HWND window) { return testsupport::WindowOrigin(window); }

void ClickWindowAt(HWND window, int x, int y) {
  ASSERT_TRUE(testsupport::ClickInWindow(window, x, y)) << RealInput::LastError();
}

void ClickButton(HWND window, UINT id) {
  for (const main_window::ActionButton& button : main_window::ActionButtons())
    if (button.id == id)
      return ClickWindowAt(window, button.at.x + button.size.cx / 2, button.at.y + button.size.cy / 2);
  const skin::Choice* choice = skin::FindChoice(main_window::ChoiceButtons(), id);
  ASSERT_NE(choice, nullptr) << id;
  ClickWindowAt(window, choice->at.x + choice->size.cx / 2, choice->at.y + choice->size.cy / 2);
}

// Answers of popups (message boxes, the picker), counted across a test.
int g_popupsAnswered = 0;

// Clicks a button of the main window and answers the popup it opens at `answer` (popup pixels).
void ClickAndAnswer(HWND window, UINT id, POINT answer) {
  if (testsupport::ClickAndAnswerPopup(window, answer, [&] { ClickButton(window, id); })) ++g_popupsAnswered;
}

constexpr POINT kMessageBoxOk{300 + 66, 177 + 22};
constexpr POINT kPickerCancel{302 + 64, 177 + 22};

// A card folder that cannot be written: its drive holds no such folder.
constexpr char kMissingCard[] = "Z:\\dq-no-such-card\\DQ-918LX_Parameter";

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(RealInput::Available()) << RealInput::LastError(); }
  void TearDown() override { RealInput::Park(); }
};

// ---- What the screen shows ----------------------------------------------------------------------------------------

// Whether the window shows the top-left width x height of a bitmap at (x, y) of its own pixels, now.
bool ShowsNow(HWND window, int x, int y, UINT bitmap, int width, int height) {
  return testsupport::WindowShowsBitmap(window, x, y, bitmap, width, height);
}

TEST_F(MainWindow, MarkersAndHoverImagesStayWhileThePointerRestsOrLeavesAButton) {
  const WindowRun run = RunMain([&](CConfigureDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    const POINT origin = Origin(window);
    card::SetSetting(card::kResolution, 0);
    ClickButton(window, IDC_MAIN_SPEAKER_0 + 1);
    ASSERT_TRUE(RealInput::MoveTo(origin.x + 20, origin.y + 420)) << RealInput::LastError();  // the background
    PumpFor(500);
    EXPECT_TRUE(ShowsNow(window, 268, 554, IDB_MAIN_MARKER, 14, 14)) << "the marker of the button just left";

    // Resting on the second resolution choice: its hover image stays.
    ASSERT_TRUE(RealInput::MoveTo(origin.x + 300, origin.y + 160)) << RealInput::LastError();
    PumpFor(500);
    EXPECT_TRUE(ShowsNow(window, 152, 145, IDB_RES_720P_HOVER, 294, 34));
    ClickButton(window, IDCANCEL);
  });
  EXPECT_EQ(run.result, IDCANCEL);
}

// ---- Resources: nothing grows per move, click or paint ------------------------------------------------------------

// Moves the pointer back and forth across the resolution choices and the action buttons in one request.
void SweepPointer(HWND window, int rounds) {
  const POINT origin = Origin(window);
  std::vector<std::string> chain;
  for (int i = 0; i < rounds; ++i) {
    for (POINT at : {POINT{300, 127}, POINT{300, 162}, POINT{300, 197}, POINT{451, 29}, POINT{230, 691},
                     POINT{459, 691}, POINT{78, 753}, POINT{224, 753}, POINT{392, 753}, POINT{100, 600}}) {
      for (const std::string& word : {std::string("mousemove"), std::to_string(origin.x + at.x),
                                      std::to_string(origin.y + at.y), std::string("sleep"), std::string("0.01")})
        chain.push_back(word);
    }
  }
  ASSERT_TRUE(RealInput::Xdotool(chain)) << RealInput::LastError();
}

void ClickChoices(HWND window) {
  for (UINT id : {UINT{IDC_MAIN_DRIVING_ACCEL_OFF}, UINT{IDC_MAIN_DRIVING_ACCEL_0 + 3}, UINT{IDC_MAIN_RES_720P},
                  UINT{IDC_MAIN_RES_1080P}, UINT{IDC_MAIN_AUTO_PARKING_MANUAL}, UINT{IDC_MAIN_MIC_ON}})
    ClickButton(window, id);
  // The Marker refresh that the last click schedules.
  const skin::Choice& mic = *skin::FindChoice(main_window::ChoiceButtons(), IDC_MAIN_MIC_ON);
  EXPECT_TRUE(PumpUntil([&] { return ShowsNow(window, mic.marker.x, mic.marker.y, IDB_MAIN_MARKER, 14, 14); }));
}

void Repaint(HWND window, int times) {
  for (int i = 0; i < times; ++i) {
    ::InvalidateRect(window, nullptr, TRUE);
    ::UpdateWindow(window);
  }
}

TEST_F(MainWindow, HoverMarkersPaintsAndClicksLeaveNoGdiObjectBehind) {
  long before = 0, after = 0;
  const WindowRun run = RunMain([&](CConfigureDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    // One round first, so that whatever the system creates once on first use is there before counting.
    SweepPointer(window, 2);
    ClickChoices(window);
    Repaint(window, 2);
    before = testsupport::GdiObjectCount();
    SweepPointer(window, 25);
    ClickChoices(window);
    ClickChoices(window);
    Repaint(window, 50);
    after = testsupport::GdiObjectCount();
    EXPECT_EQ(card::GetSetting(card::kMicVolume), 2) << "the clicks reached the window";
    ClickButton(window, IDCANCEL);
  });
  EXPECT_GT(before, 0);
  EXPECT_EQ(after, before) << "GDI objects before and after 250 pointer moves, 12 clicks and 50 paints";
  EXPECT_EQ(run.result, IDCANCEL);
  EXPECT_FALSE(run.leftOpen);
}

// ---- Apply ---------------------------------------------------------------------------------------------------------

TEST_F(MainWindow, ApplyWithoutACardShowsTheNoCardBoxOnEveryPressAndKeepsTheWindow) {
  g_popupsAnswered = 0;
  const WindowRun run = RunMain([&](CConfigureDlg& dialog) {
    card::SetCardFolder(kMissingCard);
    ClickAndAnswer(dialog.m_hWnd, IDOK, kMessageBoxOk);
    EXPECT_EQ(g_popupsAnswered, 1);
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    ClickAndAnswer(dialog.m_hWnd, IDOK, kMessageBoxOk);
    EXPECT_EQ(g_popupsAnswered, 2) << "every press of OK starts afresh";
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    ClickButton(dialog.m_hWnd, IDCANCEL);
  });
  EXPECT_EQ(run.result, IDCANCEL);
  EXPECT_FALSE(run.leftOpen);
}

TEST_F(MainWindow, ApplyWritesTheAdvancedSnapshotAndTheClockThenEndsWithTheClosingMessage) {
  wchar_t temporary[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temporary);
  const std::filesystem::path folder =
      std::filesystem::path(temporary) / L"dq_main_window_test" / L"DQ-918LX_Parameter";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  g_popupsAnswered = 0;
  const WindowRun run = RunMain([&](CConfigureDlg& dialog) {
    card::SetCardFolder(folder.string().c_str());
    const int32_t confirmed[10] = {1, 2, 1, 3, 2, 1, 1, 2, 1, 7};  // as the advanced window stores them
    card::StoreAdvancedSnapshot(confirmed);
    ClickButton(dialog.m_hWnd, IDC_MAIN_DRIVING_ACCEL_OFF);
    // The closing message comes after the ejection attempt and the 3 s pause.
    ClickAndAnswer(dialog.m_hWnd, IDOK, kMessageBoxOk);
  });
  EXPECT_EQ(run.result, IDOK);
  EXPECT_FALSE(run.leftOpen);
  EXPECT_EQ(g_popupsAnswered, 1) << "the closing message was shown";
  const std::string settings = ReadFile(folder / L"config.txt");
  EXPECT_NE(settings.find("Driving Mode Accelerator=9\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Video Out Standard=1\r\nEncoding Profile=2\r\n"), std::string::npos) << settings;
  EXPECT_NE(settings.find("Partition Territory=7\r\n"), std::string::npos) << settings;
  EXPECT_EQ(ReadFile(folder / L"RTC_time.ini").rfind("RTC Time Setting=", 0), 0u);
  std::filesystem::remove_all(folder.parent_path());
}

// ---- Clock panel ---------------------------------------------------------------------------------------------------

TEST_F(MainWindow, ClockLineFollowsTheSecondsAndTheCancelledPickerKeepsTheTimeZone) {
  g_popupsAnswered = 0;
  const WindowRun run = RunMain([&](CConfigureDlg& dialog) {
    const std::wstring first = dialog.ClockText();
    EXPECT_EQ(first.size(), std::wstring(L"2012-11-30 PM 03: 07: 09").size()) << first;
    EXPECT_TRUE(PumpUntil([&] { return dialog.ClockText() != first; }, 2500)) << "the line changes within 2.5 s";

    card::SetSetting(card::kTimeZone, 30);
    ClickAndAnswer(dialog.m_hWnd, IDC_MAIN_WORLD_TIME, kPickerCancel);
    EXPECT_EQ(g_popupsAnswered, 1) << "the picker was shown";
    EXPECT_EQ(card::GetSetting(card::kTimeZone), 30) << "a cancelled picker leaves the stored value";
    ClickButton(dialog.m_hWnd, IDCANCEL);
  });
  EXPECT_EQ(run.result, IDCANCEL);
}

// ---- Single instance -----------------------------------------------------------------------------------------------

TEST_F(MainWindow, ASecondStartCentresTheRunningWindowAfterADrag) {
  app::AnotherInstanceRuns();
  EXPECT_TRUE(app::AnotherInstanceRuns()) << "the named mutex outlives its first creator's ownership";

  POINT centred{}, dragged{}, afterSignal{};
  const WindowRun run = RunMain([&](CConfigureDlg& dialog) {
    const HWND window = dialog.m_hWnd;
    centred = Origin(window);
    const POINT body{centred.x + 100, centred.y + 600};  // the speaker label: no button
    ASSERT_TRUE(RealInput::Drag(body, POINT{body.x - 150, body.y - 60})) << RealInput::LastError();
    PumpUntil([&] { return Origin(window).x != centred.x; });
    dragged = Origin(window);
    app::BringRunningInstanceToFront();
    afterSignal = Origin(window);
    ClickButton(window, IDCANCEL);
  });
  EXPECT_EQ(dragged.x, centred.x - 150);
  EXPECT_EQ(dragged.y, centred.y - 60);
  EXPECT_EQ(afterSignal.x, centred.x);
  EXPECT_EQ(afterSignal.y, centred.y);
  EXPECT_EQ(run.result, IDCANCEL);
}

// The about box keeps the platform's keyboard handling: its OK command ends it.
HWND g_aboutOwner = nullptr;

void CALLBACK EndAboutBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND about = testsupport::VisiblePopupOf(g_aboutOwner);
  if (!about) return;
  ::KillTimer(nullptr, id);
  ++g_popupsAnswered;
  ::PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(MainWindow, SystemCommandSixteenShowsTheAboutBoxAndOthersGetTheirUsualHandling) {
  g_popupsAnswered = 0;
  const WindowRun run = RunMain([&](CConfigureDlg& dialog) {
    const int32_t mic = card::GetSetting(card::kMicVolume);
    g_aboutOwner = dialog.m_hWnd;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &EndAboutBox);
    EXPECT_EQ(dialog.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX), 0);
    ::KillTimer(nullptr, timer);
    EXPECT_EQ(g_popupsAnswered, 1) << "the about box was shown";
    EXPECT_TRUE(::IsWindowVisible(dialog.m_hWnd));
    EXPECT_EQ(card::GetSetting(card::kMicVolume), mic);
    // The close command of the taskbar button's menu.
    dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindowVisible(dialog.m_hWnd); })) << "the close request ends it";
  });
  EXPECT_EQ(run.result, IDCANCEL);
  EXPECT_FALSE(run.leftOpen);
}

}  // namespace
