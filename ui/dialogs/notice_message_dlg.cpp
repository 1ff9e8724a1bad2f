#include "ui/dialogs/notice_message_dlg.h"

#include "res/resource.h"
#include "ui/dialogs/button_overlap.h"
#include "ui/dialogs/dialog_layout.h"

namespace dialogs {

CNoticeMessageDlg::CNoticeMessageDlg(skin::SkinScale scale, fw::CWnd* parent)
    : CSkinnedDialog(IDD_NOTICE_MESSAGE, IDB_NOTICE_BACKGROUND, parent, scale) {}

void CNoticeMessageDlg::DoDataExchange() {
  applyButton_.SubclassDlgItem(IDOK, m_hWnd);
  cancelButton_.SubclassDlgItem(IDCANCEL, m_hWnd);
}

BOOL CNoticeMessageDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  const skin::TemplateButton buttons[] = {
      {&applyButton_, IDOK, skin::AtScale(layout::kLayouts, Scale()).apply, IDB_APPLY_STRIP},
      {&cancelButton_, IDCANCEL, skin::AtScale(layout::kLayouts, Scale()).cancel, IDB_CANCEL_STRIP},
  };
  skin::ReplaceTemplateButtons(m_hWnd, buttons, Scale());
  GiveOverlapToRightButton(applyButton_, cancelButton_);
  return TRUE;
}

}  // namespace dialogs
