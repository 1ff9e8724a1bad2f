// The about box: a plain dialog on its layout (icon, "Configure, 버전 1.0", OK). Unlike the skinned
// windows it keeps the platform's keyboard handling, so Enter ends it with IDOK and Escape with IDCANCEL.
#pragma once

#include "framework/dialog.h"

namespace dialogs {

class CAboutDlg : public fw::CDialog {
 public:
  explicit CAboutDlg(fw::CWnd* parent = nullptr);
};

}  // namespace dialogs
