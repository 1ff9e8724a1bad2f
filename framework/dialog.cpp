#include "framework/dialog.h"

#include "framework/win_app.h"

namespace fw {
namespace {

// Our window procedure does all the work; the dialog manager only needs a procedure to call.
INT_PTR CALLBACK NullDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

bool WalkPreTranslateTree(MSG& msg) {
  for (HWND window = msg.hwnd; window;) {
    if (CWnd* object = CWnd::FromHandlePermanent(window); object && object->PreTranslateMessage(&msg)) return true;
    if (!(::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) break;
    window = ::GetParent(window);
  }
  return false;
}

HWND CDialog::ResolveOwner() const {
  HWND owner = parent_ ? parent_->m_hWnd : nullptr;
  if (!owner) {
    CWinApp* app = CWinApp::Current();
    if (app && app->m_pMainWnd && app->m_pMainWnd != this) owner = app->m_pMainWnd->m_hWnd;
  }
  if (owner && !::IsWindow(owner)) owner = nullptr;
  // A popup is owned by a top-level window, never by a child control.
  return owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
}

bool CDialog::Create(HWND owner) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(templateId_), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
  HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
  auto* layout = loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
  if (!layout) return false;
  owner_ = owner;
  CreationHook hook(this);
  HWND window = ::CreateDialogIndirectParamW(instance, layout, owner, &NullDialogProc, 0);
  return window != nullptr;
}

bool CDialog::CreateModeless(HWND owner) { return Create(owner); }

INT_PTR CDialog::DoModal() {
  const HWND owner = ResolveOwner();
  ownerDisabled_ = owner && ::IsWindowEnabled(owner);
  if (ownerDisabled_) ::EnableWindow(owner, FALSE);
  modalEnded_ = false;
  modalResult_ = -1;
  if (Create(owner) && !modalEnded_) {
    if (!::IsWindowVisible(m_hWnd)) ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    RunModalLoop();
  }
  if (m_hWnd) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (ownerDisabled_) ::EnableWindow(owner, TRUE);
  ownerDisabled_ = false;
  if (m_hWnd) {
    if (owner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
    DestroyWindow();
  }
  return modalResult_;
}

void CDialog::RunModalLoop() {
  MSG msg{};
  while (!modalEnded_) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // Leave the quit request in place so that every enclosing loop ends too.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    if (!WalkPreTranslateTree(msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

void CDialog::EndDialog(int result) {
  modalResult_ = result;
  modalEnded_ = true;
  if (!m_hWnd) return;
  // As the platform's EndDialog does: give the owner back its input, then hide, so that activation
  // returns to the owner rather than to some other program.
  const bool wasActive = ::GetActiveWindow() == m_hWnd;
  if (ownerDisabled_) ::EnableWindow(owner_, TRUE);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  if (wasActive && owner_) ::SetActiveWindow(owner_);
  ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  // Keyboard navigation (Enter, Escape, Tab) through the platform's dialog handling.
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) return ::IsDialogMessageW(m_hWnd, msg);
  return FALSE;
}

BOOL CDialog::OnInitDialog() {
  DoDataExchange();
  return TRUE;
}

// OK and Cancel run the virtual OnOK and OnCancel, which a derived dialog overrides or replaces by entries of
// its own.
std::span<const MessageEntry<CDialog>> CDialog::MessageTable() {
  static constexpr auto kEntries = MakeMessageTable<CDialog>({
      OnMessage(WM_INITDIALOG, &CDialog::OnInitDialogMessage),
      OnCommand(IDOK, &CDialog::OnOK),
      OnCommand(IDCANCEL, &CDialog::OnCancel),
  });
  return kEntries;
}

LRESULT CDialog::OnInitDialogMessage(WPARAM, LPARAM) { return OnInitDialog(); }

}  // namespace fw
