// The closing message box: "Configuration has been changed." (painted into its background) and one OK
// button. Shown after the card was written and ejected; its result is IDOK.
#pragma once

#include "ui/skin/skin_button.h"
#include "ui/skin/skinned_dialog.h"

namespace dialogs {

class CExitMessageDlg : public skin::CSkinnedDialog {
 public:
  explicit CExitMessageDlg(fw::CWnd* parent = nullptr);

 protected:
  void DoDataExchange() override;
  BOOL OnInitDialog() override;

 private:
  skin::CSkinButton okButton_;
};

}  // namespace dialogs
