#include "ui/dialogs/no_usb_dlg.h"

#include "res/resource.h"

namespace dialogs {

CNoUsbDlg::CNoUsbDlg(skin::SkinScale scale, fw::CWnd* parent)
    : COkMessageBox(IDD_NO_USB, IDB_NO_USB_BACKGROUND, IDB_NO_USB_OK_STRIP, parent, scale) {}

}  // namespace dialogs
