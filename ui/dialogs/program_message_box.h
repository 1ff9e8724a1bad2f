// The platform's plain message box with the program's name as its caption, as the dialog framework's own
// message box shows it: for the one message that is not skinned, the ejector's volume-open error.
#pragma once

namespace dialogs {

// Modal, OK only, owned by the active window.
void ShowProgramMessageBox(const wchar_t* text);

}  // namespace dialogs
