// CDialog: a dialog created from its layout resource and run modally by our own loop, so that every
// message passes PreTranslateMessage of its target and the target's parents before dispatch.
#pragma once

#include <span>

#include "framework/message_table.h"
#include "framework/wnd.h"

namespace fw {

class CDialog : public WithMessageTable<CDialog, CWnd> {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr) : templateId_(templateId), parent_(parent) {}

  // Creates the dialog, disables its owner, runs the modal loop and returns the result of EndDialog
  // (-1 when the dialog could not be created).
  virtual INT_PTR DoModal();
  // Creates the dialog without running it (for tests and tools); the caller destroys it.
  bool CreateModeless(HWND owner);
  void EndDialog(int result);

  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  // Binds layout controls to member objects; runs from the base OnInitDialog.
  virtual void DoDataExchange() {}
  virtual BOOL OnInitDialog();
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

 private:
  friend WithMessageTable;
  static std::span<const MessageEntry<CDialog>> MessageTable();
  LRESULT OnInitDialogMessage(WPARAM wParam, LPARAM lParam);

  HWND ResolveOwner() const;
  bool Create(HWND owner);
  void RunModalLoop();

  UINT templateId_;
  CWnd* parent_;
  HWND owner_ = nullptr;
  bool ownerDisabled_ = false;  // by this modal run, which gives it back its input when it ends
  bool modalEnded_ = false;
  INT_PTR modalResult_ = -1;
};

// Offers a message to PreTranslateMessage of its target window and the target's parents up to the
// top-level window; true when one of them swallowed it.
bool WalkPreTranslateTree(MSG& msg);

}  // namespace fw
