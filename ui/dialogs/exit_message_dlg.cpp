#include "ui/dialogs/exit_message_dlg.h"

#include "res/resource.h"

namespace dialogs {

CExitMessageDlg::CExitMessageDlg(skin::SkinScale scale, fw::CWnd* parent)
    : COkMessageBox(IDD_EXIT_MESSAGE, IDB_EXIT_BACKGROUND, IDB_EXIT_OK_STRIP, parent, scale) {}

}  // namespace dialogs
