#include "ui/dialogs/no_usb_dlg.h"

#include "res/resource.h"

namespace dialogs {

CNoUsbDlg::CNoUsbDlg(fw::CWnd* parent) : CSkinnedDialog(IDD_NO_USB, IDB_NO_USB_BACKGROUND, parent) {}

void CNoUsbDlg::DoDataExchange() { okButton_.SubclassDlgItem(IDOK, m_hWnd); }

BOOL CNoUsbDlg::OnInitDialog() {
  CSkinnedDialog::OnInitDialog();
  const skin::TemplateButton buttons[] = {
      {&okButton_, IDOK, RECT{300, 177, 300 + 133, 177 + 44}, IDB_NO_USB_OK_STRIP},
  };
  skin::ReplaceTemplateButtons(m_hWnd, buttons);
  return TRUE;
}

}  // namespace dialogs
