// The skinned dialog frame shared by every skinned window: the background bitmap gives the window its
// size, outline (minus the key colour) and look; the window is centred, dragged by its body, ignores
// the keyboard, and releases its background once when it closes. A window with an overlay attaches it, and
// the frame hands it the events that may cover it.
#pragma once

#include <span>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_table.h"
#include "ui/skin/skin_scale.h"

namespace skin {

class Overlay;

class CSkinnedDialog : public fw::WithMessageTable<CSkinnedDialog, fw::CDialog> {
 public:
  // The window shows the skin's set at `scale`: its background, its bitmaps and its geometry.
  CSkinnedDialog(UINT templateId, UINT backgroundId, fw::CWnd* parent = nullptr, SkinScale scale = {})
      : WithMessageTable(templateId, parent), backgroundId_(backgroundId), scale_(scale) {}

  // Key filter: key-down and system-key-down messages are swallowed, so the windows are mouse-only. An attached
  // overlay sees every message first (hover images on moves, a refresh after releases).
  BOOL PreTranslateMessage(MSG* msg) override;

  int BackgroundWidth() const { return backgroundWidth_; }
  int BackgroundHeight() const { return backgroundHeight_; }
  bool HasBackground() const { return static_cast<bool>(background_); }
  SkinScale Scale() const { return scale_; }

 protected:
  void OnOK() override;
  void OnCancel() override;

  // Frame handlers, also called by derived windows that extend them.
  void OnSize(UINT type, SIZE size);
  void OnPaint();
  void OnLButtonDown(UINT keys, POINT at);
  void OnMouseMove(UINT keys, POINT at);
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);
  // A button has drawn itself (the platform's handling hands WM_DRAWITEM to the button's object).
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);

  // Ends an initialisation with the keyboard focus on the window itself, as a Choice click leaves it. Left
  // to the dialog manager, the focus would go to the first button created (the close button), which would
  // then show its focused look until the pointer first crossed it. Returns FALSE for OnInitDialog: the
  // focus has been set.
  BOOL KeepFocusOnWindow();

  void PaintBackground(HDC dc) const;
  void ReleaseBackground() { background_.reset(); }

  // A window with an overlay attaches it once, in its constructor; the frame then loads its bitmaps before the
  // window is first shaped, hands it every message before dispatch, runs its Refresh timer, and tells it of
  // every button draw and of the first move after a drag.
  void AttachOverlay(Overlay& overlay) { overlay_ = &overlay; }

 private:
  friend WithMessageTable;
  static std::span<const fw::MessageEntry<CSkinnedDialog>> MessageTable();
  void OnOverlayRefreshTimer();

  UINT backgroundId_;
  SkinScale scale_;
  fw::UniqueBitmap background_;
  int backgroundWidth_ = 0;
  int backgroundHeight_ = 0;
  int dragFlag_ = 0;  // set by a press on the body, cleared by the next mouse move
  Overlay* overlay_ = nullptr;
};

// Top-left position that centres a width x height window on a screen, each half rounded down on its own.
POINT CentredPosition(int screenWidth, int screenHeight, int width, int height);

}  // namespace skin
