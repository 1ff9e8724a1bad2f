// The notice message box: "Do you want to change the Advanced Settings?" (painted into its background)
// with Apply (IDOK) and Cancel (IDCANCEL). The advanced window confirms its values only on IDOK.
#pragma once

#include "ui/skin/skin_button.h"
#include "ui/skin/skinned_dialog.h"

namespace dialogs {

class CNoticeMessageDlg : public skin::CSkinnedDialog {
 public:
  explicit CNoticeMessageDlg(skin::SkinScale scale = {}, fw::CWnd* parent = nullptr);

 protected:
  void DoDataExchange() override;
  BOOL OnInitDialog() override;

 private:
  skin::CSkinButton applyButton_;
  skin::CSkinButton cancelButton_;
};

}  // namespace dialogs
