#include "ui/dialogs/ok_message_box.h"

#include "ui/dialogs/dialog_layout.h"

namespace dialogs {

void COkMessageBox::DoDataExchange() { okButton_.SubclassDlgItem(IDOK, m_hWnd); }

BOOL COkMessageBox::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  const skin::TemplateButton buttons[] = {
      {&okButton_, IDOK, skin::AtScale(layout::kLayouts, Scale()).ok, okStripId_},
  };
  skin::ReplaceTemplateButtons(m_hWnd, buttons, Scale());
  return TRUE;
}

}  // namespace dialogs
