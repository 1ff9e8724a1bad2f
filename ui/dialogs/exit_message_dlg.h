// The closing message box: "Configuration has been changed." (painted into its background) and one OK
// button. Shown after the card was written and ejected; its result is IDOK.
#pragma once

#include "ui/dialogs/ok_message_box.h"

namespace dialogs {

class CExitMessageDlg : public COkMessageBox {
 public:
  explicit CExitMessageDlg(skin::SkinScale scale = {}, fw::CWnd* parent = nullptr);
};

}  // namespace dialogs
