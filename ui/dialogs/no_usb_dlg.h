// The no-card message box: "Cannot communicate with the black box." (painted into its background) and
// one OK button. Shown when a card file cannot be written; its result is IDOK.
#pragma once

#include "ui/skin/skin_button.h"
#include "ui/skin/skinned_dialog.h"

namespace dialogs {

class CNoUsbDlg : public skin::CSkinnedDialog {
 public:
  explicit CNoUsbDlg(fw::CWnd* parent = nullptr);

 protected:
  void DoDataExchange() override;
  BOOL OnInitDialog() override;

 private:
  skin::CSkinButton okButton_;
};

}  // namespace dialogs
