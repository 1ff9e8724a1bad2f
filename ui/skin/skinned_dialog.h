// The skinned dialog frame shared by every skinned window: the background bitmap gives the window its
// size, outline (minus the key colour) and look; the window is centred, dragged by its body, ignores
// the keyboard, and releases its background once when it closes.
#pragma once

#include <span>

#include "framework/button.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_table.h"
#include "ui/skin/overlay_draw.h"
#include "ui/skin/skin_bitmap_set.h"

namespace skin {

// The overlay's one-shot refresh timer and its delays: the first after the window opens, then after each event.
constexpr UINT_PTR kOverlayRefreshTimer = 6004;
constexpr UINT kFirstOverlayRefreshDelay = 150;
constexpr UINT kOverlayRefreshDelay = 30;

class CSkinnedDialog : public fw::CDialog {
 public:
  CSkinnedDialog(UINT templateId, UINT backgroundId, fw::CWnd* parent = nullptr)
      : CDialog(templateId, parent), backgroundId_(backgroundId) {}

  // Key filter: key-down and system-key-down messages are swallowed, so the windows are mouse-only.
  BOOL PreTranslateMessage(MSG* msg) override;

  int BackgroundWidth() const { return backgroundWidth_; }
  int BackgroundHeight() const { return backgroundHeight_; }
  bool HasBackground() const { return static_cast<bool>(background_); }

 protected:
  bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnOK() override;
  void OnCancel() override;
  LRESULT OnTimer(WPARAM id, LPARAM lParam);

  // The windows that draw more than their background load those bitmaps here, on every size change,
  // before the window is shaped.
  virtual void LoadSkinBitmaps() {}

  // Frame handlers, also called by derived windows that extend them.
  LRESULT OnSize(WPARAM wParam, LPARAM lParam);
  LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
  LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseMove(WPARAM wParam, LPARAM lParam);
  LRESULT OnClose(WPARAM wParam, LPARAM lParam);

  // The first mouse move over the window after a drag of its body. The platform's move loop takes all
  // mouse input until the release, and the window may have been repainted at its new place: the windows
  // that draw over their buttons schedule their redraw here.
  virtual void OnFirstMoveAfterDrag() {}

  // Ends an initialisation with the keyboard focus on the window itself, as a Choice click leaves it. Left
  // to the dialog manager, the focus would go to the first button created (the close button), which would
  // then show its focused look until the pointer first crossed it. Returns FALSE for OnInitDialog: the
  // focus has been set.
  BOOL KeepFocusOnWindow();

  void PaintBackground(HDC dc) const;
  void ReleaseBackground() { background_.reset(); }

  // Creates one of the window's image buttons: an owner-drawn child at (x, y) with its images by
  // resource identifier (normal, selected, focused, disabled; 0 for none), sized to its normal image.
  void CreateImageButton(fw::CBitmapButton& button, UINT id, int x, int y, UINT normal, UINT selected,
                         UINT focused = 0, UINT disabled = 0);

  // The overlay: what a window draws over its own buttons, outside the paint cycle. A window that has one
  // enables it once, in its constructor; from then on a refresh follows every draw of one of its visible
  // buttons, whatever caused it (the platform's buttons repaint for reasons the window never sees: hot
  // tracking on some systems, a window passing over, a theme change, anyone's RedrawWindow).
  void EnableOverlay() { overlayEnabled_ = true; }
  // Starts the one-shot refresh, or restarts its countdown when one is pending.
  void ScheduleOverlayRefresh(UINT milliseconds);
  // The refresh's two parts: the Marker refresh, then the hover images for the cursor (screen coordinates).
  virtual void DrawMarkers() {}
  virtual void DrawHover(POINT /*cursor*/) {}

  // Copies the top-left width x height of a bitmap onto the window at (x, y), over its child buttons,
  // outside the paint cycle. A missing bitmap draws nothing.
  void PaintOverlay(HBITMAP bitmap, int x, int y, int width, int height) const;
  // Paints a list of draws in order with the bitmaps of `bitmaps`.
  void PaintOverlay(std::span<const OverlayDraw> draws, const SkinBitmapSet& bitmaps) const;

 private:
  static const fw::MessageEntry<CSkinnedDialog> kMessages[];

  UINT backgroundId_;
  fw::UniqueBitmap background_;
  int backgroundWidth_ = 0;
  int backgroundHeight_ = 0;
  int dragFlag_ = 0;  // set by a press on the body, cleared by the next mouse move
  bool overlayEnabled_ = false;
  bool refreshPending_ = false;  // the refresh timer runs: further button draws need no refresh of their own

  void RunOverlayRefresh();
  void OnButtonDrawn(const DRAWITEMSTRUCT& item);
};

// Top-left position that centres a width x height window on a screen, each half rounded down on its own.
POINT CentredPosition(int screenWidth, int screenHeight, int width, int height);

}  // namespace skin
