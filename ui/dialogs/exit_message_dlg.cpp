#include "ui/dialogs/exit_message_dlg.h"

#include "res/resource.h"

namespace dialogs {

CExitMessageDlg::CExitMessageDlg(fw::CWnd* parent) : CSkinnedDialog(IDD_EXIT_MESSAGE, IDB_EXIT_BACKGROUND, parent) {}

void CExitMessageDlg::DoDataExchange() { okButton_.SubclassDlgItem(IDOK, m_hWnd); }

BOOL CExitMessageDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  const skin::TemplateButton buttons[] = {
      {&okButton_, IDOK, RECT{300, 177, 300 + 133, 177 + 44}, IDB_EXIT_OK_STRIP},
  };
  skin::ReplaceTemplateButtons(m_hWnd, buttons);
  return TRUE;
}

}  // namespace dialogs
