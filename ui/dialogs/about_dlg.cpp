#include "ui/dialogs/about_dlg.h"

#include "res/resource.h"

namespace dialogs {

CAboutDlg::CAboutDlg(fw::CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

}  // namespace dialogs
