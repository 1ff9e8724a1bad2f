// The time zone picker: a drop-down list of the 25 time zones with Apply (IDOK) and Cancel (IDCANCEL).
// The caller reads ChosenIndex() after the run: the entry chosen with Apply, or -1 for none.
#pragma once

#include <span>

#include "framework/button.h"
#include "framework/gdi.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/skinned_dialog.h"

namespace dialogs {

class CWorldTimeDlg : public fw::WithMessageTable<CWorldTimeDlg, skin::CSkinnedDialog> {
 public:
  // The entry to select when the list opens; -1 selects the default zone (" UTC+09:00").
  explicit CWorldTimeDlg(int initialIndex, skin::SkinScale scale = {}, fw::CWnd* parent = nullptr);

  // Before the run the entry to select, during the run -1, after it the entry chosen with Apply or -1.
  int ChosenIndex() const { return chosenIndex_; }

 protected:
  void DoDataExchange() override;
  BOOL OnInitDialog() override;

 private:
  void OnApply();
  void FitListToSkin();

  friend WithMessageTable;
  static std::span<const fw::MessageEntry<CWorldTimeDlg>> MessageTable();

  int chosenIndex_;
  fw::UniqueFont listFont_;  // outlives the list, which only borrows it
  skin::CSkinButton applyButton_;
  skin::CSkinButton cancelButton_;
  fw::CComboBox list_;
};

}  // namespace dialogs
