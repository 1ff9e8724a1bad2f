#include "ui/dialogs/ok_message_box.h"

namespace dialogs {

void COkMessageBox::DoDataExchange() { okButton_.SubclassDlgItem(IDOK, m_hWnd); }

BOOL COkMessageBox::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  const skin::TemplateButton buttons[] = {
      {&okButton_, IDOK, RECT{300, 177, 300 + 133, 177 + 44}, okStripId_},
  };
  skin::ReplaceTemplateButtons(m_hWnd, buttons);
  return TRUE;
}

}  // namespace dialogs
