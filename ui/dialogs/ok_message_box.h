// A skinned message box whose message is painted into its background and whose one button (an OK
// strip at the bottom right) ends it with IDOK.
#pragma once

#include "ui/skin/skin_button.h"
#include "ui/skin/skinned_dialog.h"

namespace dialogs {

class COkMessageBox : public skin::CSkinnedDialog {
 protected:
  COkMessageBox(UINT templateId, UINT backgroundId, UINT okStripId, fw::CWnd* parent, skin::SkinScale scale)
      : CSkinnedDialog(templateId, backgroundId, parent, scale), okStripId_(okStripId) {}

  void DoDataExchange() override;
  BOOL OnInitDialog() override;

 private:
  UINT okStripId_;
  skin::CSkinButton okButton_;
};

}  // namespace dialogs
