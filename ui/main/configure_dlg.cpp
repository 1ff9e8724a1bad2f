#include "ui/main/configure_dlg.h"

#include <cwchar>

#include "card/files/card_paths.h"
#include "card/tables/advanced_snapshot.h"
#include "card/tables/settings_file.h"
#include "card/tables/version_table.h"
#include "framework/gdi.h"
#include "res/resource.h"
#include "ui/advanced/advance_dlg.h"
#include "ui/advanced/advanced_window_rect.h"
#include "ui/dialogs/about_dlg.h"
#include "ui/main/main_controls.h"
#include "ui/main/version_line.h"
#include "ui/main/window_placement.h"

namespace main_window {
namespace {

constexpr COLORREF kVersionTextColour = RGB(0, 0, 0);
constexpr COLORREF kClockTextColour = RGB(204, 204, 204);

fw::UniqueFont CreateTextFont(int height) {
  return fw::UniqueFont(::CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, L"굴림"));
}

void DrawLine(HDC dc, const wchar_t* text, const RECT& rect) {
  RECT clip = rect;
  ::DrawTextW(dc, text, -1, &clip, DT_SINGLELINE | DT_VCENTER);
}

// The main window shows the Settings table's values.
int32_t StoredSetting(card::SettingRow row) { return card::GetSetting(row); }

int TextWidth(HDC dc, const wchar_t* text, size_t length) {
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text, static_cast<int>(length), &extent);
  return extent.cx;
}

// "Model: ..." or "Firmware: ..." with a Version table value.
void DrawVersionLine(HDC dc, const wchar_t* label, const char* value, const RECT& rect) {
  DrawLine(dc, VersionLineText(label, value).c_str(), rect);
}

}  // namespace

std::span<const fw::MessageEntry<CConfigureDlg>> CConfigureDlg::MessageTable() {
  static constexpr auto kEntries = fw::MakeMessageTable<CConfigureDlg>({
      fw::OnMessage(WM_SYSCOMMAND, &CConfigureDlg::OnSysCommand),
      fw::OnPaint(&CConfigureDlg::OnPaint),
      fw::OnMessage(WM_QUERYDRAGICON, &CConfigureDlg::OnQueryDragIcon),
      fw::OnTimer(kClockTimer, &CConfigureDlg::OnClockTimer),
      fw::OnMessage(kBringToFrontMessage, &CConfigureDlg::OnBringToFront),
      fw::OnCommand(IDC_MAIN_ADVANCED, &CConfigureDlg::OnAdvanced),
      fw::OnCommand(IDC_MAIN_SYSTEM_TIME, &CConfigureDlg::OnSystemTime),
      fw::OnCommand(IDC_MAIN_WORLD_TIME, &CConfigureDlg::OnWorldTime),
      fw::OnCommand(IDC_MAIN_RESET, &CConfigureDlg::OnReset),
      fw::OnCommandIn(layout::kChoiceIds, &CConfigureDlg::OnChoice),
  });
  return kEntries;
}

CConfigureDlg::CConfigureDlg(skin::SkinScale scale)
    : WithMessageTable(IDD_MAIN, IDB_MAIN_BACKGROUND, nullptr, scale),
      layout_(LayoutAt(scale)),
      overlay_(*this, OverlayTables(scale), &StoredSetting, scale),
      icon_(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      clockSecondsDrawnAt_(layout_.clockSecondsLeft) {
  AttachOverlay(overlay_);
}

BOOL CConfigureDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  ::SetWindowTextW(m_hWnd, kMainWindowTitle);

  if (HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE)) {
    wchar_t about[128] = {};
    if (::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, static_cast<int>(std::size(about))) > 0) {
      ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
      ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
    }
  }
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  ApplySmallScreenRule();

  card::LocateCard();
  card::ReadSettings();

  overlay_.CreateActionButton(0);  // Cancel
  overlay_.CreateChoiceButtons();
  for (int i = 0; i < card::kAdvancedCount; ++i) advancedValues_[i] = card::GetSetting(card::kAdvancedRows[i]);
  card::StoreAdvancedSnapshot(advancedValues_);
  for (size_t i = 1; i < kActionCount; ++i) overlay_.CreateActionButton(i);

  CompareClockStep();
  FormatClockStep();
  SetTimer(kClockTimer, kClockPeriod);
  overlay_.ScheduleRefresh(skin::kFirstOverlayRefreshDelay);
  timeZoneIndex_ = -1;
  return KeepFocusOnWindow();
}

void CConfigureDlg::ApplySmallScreenRule() {
  const auto position =
      SmallScreenPosition(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), GetWindowRect(), Scale());
  if (position) SetWindowPos(nullptr, position->x, position->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CConfigureDlg::OnPaint() {
  fw::PaintDC paint(m_hWnd);
  PaintBackground(paint.get());
  PaintTexts(paint.get());
  CheckForeground();
}

void CConfigureDlg::PaintTexts(HDC dc) {
  fw::UniqueFont font = CreateTextFont(layout_.textHeight);
  fw::ScopedSelect selectFont(dc, font.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, kVersionTextColour);
  DrawVersionLine(dc, L"Model", card::ModelText(), layout_.modelLine);
  DrawVersionLine(dc, L"Firmware", card::FirmwareText(), layout_.firmwareLine);
  ::SetTextColor(dc, kClockTextColour);
  DrawLine(dc, clockText_, layout_.clockLine);
  const size_t length = std::wcslen(clockText_);
  const size_t beforeSeconds = length > kClockSecondsLength ? length - kClockSecondsLength : 0;
  clockSecondsDrawnAt_ = layout_.clockLine.left + TextWidth(dc, clockText_, beforeSeconds);
}

LRESULT CConfigureDlg::OnSysCommand(WPARAM command, LPARAM) {
  if ((command & 0xFFF0) == IDM_ABOUTBOX) {
    dialogs::CAboutDlg about(this);
    about.DoModal();
    return 0;
  }
  return Default();
}

LRESULT CConfigureDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(icon_); }

LRESULT CConfigureDlg::OnBringToFront(WPARAM, LPARAM) {
  CenterWindow();
  return 0;
}

void CConfigureDlg::OnClockTimer() {
  if (CompareClockStep() == 0) FormatClockStep();
  Default();
}

void CConfigureDlg::OnChoice(UINT id) {
  const skin::Choice* choice = skin::FindChoice(ChoiceButtons(Scale()), id);
  if (!choice) return;
  card::SetSetting(choice->row, choice->value);
  overlay_.RefreshAfterChoice();
}

void CConfigureDlg::OnAdvanced() {
  advanced::CAdvanceDlg advancedWindow(Scale());
  // The advanced window opens at this window's top-right corner.
  const RECT rect = GetWindowRect();
  advanced::TheAdvancedWindowRect() = {rect.left, rect.top, rect.right, rect.bottom};
  advancedWindow.DoModal();
}

}  // namespace main_window
