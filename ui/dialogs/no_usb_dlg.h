// The no-card message box: "Cannot communicate with the black box." (painted into its background) and
// one OK button. Shown when a card file cannot be written; its result is IDOK.
#pragma once

#include "ui/dialogs/ok_message_box.h"

namespace dialogs {

class CNoUsbDlg : public COkMessageBox {
 public:
  explicit CNoUsbDlg(skin::SkinScale scale = {}, fw::CWnd* parent = nullptr);
};

}  // namespace dialogs
