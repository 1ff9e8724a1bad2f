// CAdvanceDlg: the advanced settings window. It edits a Working copy of the ten advanced settings, loaded
// from the Advanced snapshot when it is made and stored back only after the user confirms OK in the notice
// box; the Choice buttons, the partition slider and the markers all work on that copy.
//
// Usage (the main window's advanced button):
//   advanced::CAdvanceDlg dialog;           // loads the snapshot
//   advanced::TheAdvancedWindowRect() = {main.left, main.top, main.right, main.bottom};
//   dialog.DoModal();                       // result not needed: the snapshot carries what was confirmed
#pragma once

#include <cstdint>
#include <span>

#include "framework/wnd.h"
#include "ui/advanced/choice_buttons.h"
#include "ui/skin/overlay.h"
#include "ui/skin/skin_slider.h"
#include "ui/skin/skinned_dialog.h"

namespace advanced {

class CAdvanceDlg : public fw::WithMessageTable<CAdvanceDlg, skin::CSkinnedDialog> {
 public:
  // Shows the skin's set at `scale`, the main window's.
  explicit CAdvanceDlg(skin::SkinScale scale = {});

  // Besides the frame's filter (keys, and the overlay's hover images and refresh on release): a left-button
  // release also schedules the slider snap.
  BOOL PreTranslateMessage(MSG* msg) override;

  std::span<const int32_t, card::kAdvancedCount> Working() const { return working_; }
  const skin::CSkinSlider& Slider() const { return slider_; }

  static constexpr UINT_PTR kSnapTimer = 6005;

 protected:
  void DoDataExchange() override;
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  void OnSnapTimer();
  void OnChoice(UINT id);
  // The Memory Allocation buttons store their value as any choice does, and switch the slider too.
  void OnPartitionDefault();
  void OnPartitionCustom();
  LRESULT OnSliderMoved(NMHDR* header);

  void PlaceBesideMainWindow();
  void SetUpPartitionSlider();
  void EnableSlider(bool enable);

  friend WithMessageTable;
  static std::span<const fw::MessageEntry<CAdvanceDlg>> MessageTable();

  int32_t working_[card::kAdvancedCount] = {};
  int snappedSliderPosition_ = 0;  // ten times the territory last taken from the slider

  skin::Overlay overlay_;       // the buttons and what is drawn over them
  fw::CWnd sliderPlaceholder_;  // the layout's trackbar, replaced by the skinned slider
  skin::CSkinSlider slider_;
};

}  // namespace advanced
