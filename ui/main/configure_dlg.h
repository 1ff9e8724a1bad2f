// CConfigureDlg: the main window. The camera's main settings as groups of bitmap Choice buttons on the
// skinned background, the model and firmware lines, the Clock panel, and the way out: Apply (write the card,
// eject it, say goodbye), Cancel and Reset. Selected choices and hovered buttons are shown by an overlay
// copied over the buttons outside the paint cycle and restored by the one-shot Refresh timer.
#pragma once

#include <cstdint>
#include <span>

#include "card/eject/real_volume_platform.h"
#include "card/eject/volume_ejector.h"
#include "card/tables/card_write_failure.h"
#include "card/tables/settings_table.h"
#include "framework/message_table.h"
#include "ui/main/clock_panel.h"
#include "ui/skin/overlay.h"
#include "ui/skin/skinned_dialog.h"

namespace main_window {

// A second start of the program sends this to the running main window, which centres itself.
constexpr UINT kBringToFrontMessage = WM_USER + 32;
// The title by which a second start and the foreground check find the main window.
constexpr wchar_t kMainWindowTitle[] = L"DQ-918LX";

constexpr UINT_PTR kClockTimer = 1001;
constexpr UINT kClockPeriod = 1000;

class CConfigureDlg : public fw::WithMessageTable<CConfigureDlg, skin::CSkinnedDialog>,
                      private card::CardWriteFailureSink,
                      private card::VolumeOpenErrorSink {
 public:
  // Shows the skin's set at `scale`, as do the windows it opens.
  explicit CConfigureDlg(skin::SkinScale scale = {});

  const wchar_t* ClockText() const { return clockText_; }

 protected:
  BOOL OnInitDialog() override;
  // The Apply operation.
  void OnOK() override;

 private:
  // card::CardWriteFailureSink: the no-card box.
  void OnCardNotWritable() override;
  // card::VolumeOpenErrorSink: the ejector's plain error box.
  void OnVolumeNotOpened(const wchar_t* text) override;

  void ApplySmallScreenRule();

  // Painting (configure_dlg.cpp).
  void OnPaint();
  void PaintTexts(HDC dc);

  // Messages and commands (configure_dlg.cpp).
  LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
  LRESULT OnBringToFront(WPARAM wParam, LPARAM lParam);
  void OnClockTimer();
  void OnChoice(UINT id);
  void OnAdvanced();

  // Overlay (configure_overlay.cpp).
  void CheckForeground();

  // Clock panel (configure_clock.cpp).
  int CompareClockStep();
  void FormatClockStep();
  void OnSystemTime();
  void OnWorldTime();

  // Apply, Reset (configure_apply.cpp).
  void OnReset();
  void CopyAdvancedValuesToSettings();

  friend WithMessageTable;
  static std::span<const fw::MessageEntry<CConfigureDlg>> MessageTable();

  const layout::Layout& layout_;  // the geometry of the window's set
  skin::Overlay overlay_;         // the buttons and what is drawn over them
  HICON icon_;
  int32_t advancedValues_[card::kAdvancedCount] = {};
  ClockFields clock_;
  int32_t saveOk_ = 1;
  card::RealVolumePlatform volumePlatform_;
  card::VolumeEjector ejector_{volumePlatform_, static_cast<card::VolumeOpenErrorSink&>(*this)};
  int32_t timeZoneIndex_ = -1;
  wchar_t clockText_[kClockTextCapacity] = {};
  int32_t refreshArmed_ = 1;
  int32_t dateChanged_ = 1;
  int clockSecondsDrawnAt_;  // measured by each paint
};

}  // namespace main_window
