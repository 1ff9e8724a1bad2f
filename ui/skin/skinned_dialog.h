// The skinned dialog frame shared by every skinned window: the background bitmap gives the window its
// size, outline (minus the key colour) and look; the window is centred, dragged by its body, ignores
// the keyboard, and releases its background once when it closes.
#pragma once

#include <span>

#include "framework/button.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_table.h"
#include "ui/skin/button_layout.h"
#include "ui/skin/overlay_plan.h"
#include "ui/skin/skin_bitmap_set.h"

namespace skin {

// The overlay's one-shot refresh timer and its delays: the first after the window opens, then after each event.
constexpr UINT_PTR kOverlayRefreshTimer = 6004;
constexpr UINT kFirstOverlayRefreshDelay = 150;
constexpr UINT kOverlayRefreshDelay = 30;

class CSkinnedDialog : public fw::WithMessageTable<CSkinnedDialog, fw::CDialog> {
 public:
  CSkinnedDialog(UINT templateId, UINT backgroundId, fw::CWnd* parent = nullptr)
      : WithMessageTable(templateId, parent), backgroundId_(backgroundId) {}

  // Key filter: key-down and system-key-down messages are swallowed, so the windows are mouse-only. With an
  // overlay, every mouse move over the window or its buttons also redraws the hover images, and every
  // left-button release (a button's own drawing on release covers the overlay, even when the release lands
  // outside the pressed button and reports no click) schedules a refresh.
  BOOL PreTranslateMessage(MSG* msg) override;

  int BackgroundWidth() const { return backgroundWidth_; }
  int BackgroundHeight() const { return backgroundHeight_; }
  bool HasBackground() const { return static_cast<bool>(background_); }

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

  // Creates one of the window's image buttons: an owner-drawn child at its place with its images by
  // resource identifier, taken from the window's bitmap set, sized to its normal image.
  void CreateImageButton(fw::CBitmapButton& button, const ButtonLayout& layout);

  // The overlay: what a window copies over its own buttons, outside the paint cycle (Selection markers,
  // hover images). A window that has one enables it once, in its constructor, and supplies the bitmaps
  // and the two plans below; the frame draws them, and refreshes them after every event that may have
  // covered them: the window's first paint, a Choice click, a release, the first move after a drag, and
  // every draw of one of its visible buttons, whatever caused it (the platform's buttons repaint for
  // reasons the window never sees: hot tracking on some systems, a window passing over, a theme change,
  // anyone's RedrawWindow).
  void EnableOverlay() { overlayEnabled_ = true; }
  // Starts the one-shot refresh, or restarts its countdown when one is pending.
  void ScheduleOverlayRefresh(UINT milliseconds = kOverlayRefreshDelay);
  // After a Choice click: schedules the refresh and takes the keyboard focus from the clicked button to the
  // window itself, so that no button shows its focused look.
  void RefreshAfterChoice();

  // What the overlay copies: loaded into the window's bitmap set before the window is first shaped.
  virtual std::span<const UINT> OverlayBitmapIds() const { return {}; }
  // The Marker refresh: which look each choice shows now.
  virtual OverlayPlan PlanMarkers() const { return {}; }
  // The hover images for a cursor in screen coordinates.
  virtual OverlayPlan PlanHover(POINT /*cursor*/) const { return {}; }

 private:
  friend WithMessageTable;
  static std::span<const fw::MessageEntry<CSkinnedDialog>> MessageTable();

  UINT backgroundId_;
  fw::UniqueBitmap background_;
  int backgroundWidth_ = 0;
  int backgroundHeight_ = 0;
  int dragFlag_ = 0;  // set by a press on the body, cleared by the next mouse move
  bool overlayEnabled_ = false;
  bool refreshPending_ = false;  // the refresh timer runs: further button draws need no refresh of their own
  SkinBitmapSet overlayBitmaps_;

  void FilterForOverlay(const MSG& msg);
  void RunOverlayRefresh();
  void OnButtonDrawn(const DRAWITEMSTRUCT& item);
  // Copies the draws in order, each bitmap at its place over the child buttons; a missing bitmap draws its
  // fallback or nothing.
  void PaintOverlay(const OverlayPlan& plan) const;
};

// Top-left position that centres a width x height window on a screen, each half rounded down on its own.
POINT CentredPosition(int screenWidth, int screenHeight, int width, int height);

}  // namespace skin
