// The overlay of a window with Choice buttons: what the window copies over its own buttons outside the paint
// cycle (Selection markers, hover images), planned from the window's tables; the bitmaps it copies, from which
// the window's image buttons draw too; and the one-shot Refresh timer that brings it back after whatever may
// have covered it. The window owns its overlay and creates its buttons through it; the skinned frame hands it
// the events that cover it (see CSkinnedDialog::AttachOverlay).
#pragma once

#include <windows.h>

#include <memory>

#include "framework/button.h"
#include "framework/wnd.h"
#include "ui/skin/overlay_plan.h"
#include "ui/skin/skin_bitmap_set.h"

namespace skin {

// The Refresh timer and its delays: the first after the window opens, then after each event.
constexpr UINT_PTR kOverlayRefreshTimer = 6004;
constexpr UINT kFirstOverlayRefreshDelay = 150;
constexpr UINT kOverlayRefreshDelay = 30;

class Overlay {
 public:
  // `window` is the owner, `tables` outlive the overlay, `stored` reads the values the choices show; the images
  // come from the skin's set at `scale`, which the tables' geometry belongs to.
  Overlay(const fw::CWnd& window, const OverlayTables& tables, StoredValue stored, SkinScale scale = {});
  Overlay(const Overlay&) = delete;
  Overlay& operator=(const Overlay&) = delete;

  // The window's image buttons, each an owner-drawn child at its place with its images from the overlay's
  // bitmaps, sized to its normal image. The window creates them in its own order; hidden choices never are.
  void CreateActionButton(size_t index);
  void CreateChoiceButtons();

  // Starts the one-shot refresh, or restarts its countdown when one is pending.
  void ScheduleRefresh(UINT milliseconds = kOverlayRefreshDelay);
  // After a Choice click: schedules the refresh and takes the keyboard focus from the clicked button to the
  // window itself, so that no button shows its focused look.
  void RefreshAfterChoice();

  // Called by the skinned frame.
  // Loads the images the buttons are created with, before the window is first shaped; what only the overlay
  // copies (hover and selected images, the marker) follows at the first refresh, after the first paint.
  void LoadBitmaps();
  // Every message of the window or its buttons before dispatch: a mouse move redraws the hover images, a
  // left-button release (a button's own drawing on release covers the overlay, even when the release lands
  // outside the pressed button and reports no click) schedules a refresh.
  void Filter(const MSG& msg);
  // The Refresh timer has fired: the Marker refresh, then the hover images.
  void Refresh();
  // A button has drawn itself, for whatever reason (the platform's buttons repaint for reasons the window never
  // sees: hot tracking on some systems, a window passing over, a theme change, anyone's RedrawWindow).
  void OnButtonDrawn(const DRAWITEMSTRUCT& item);

 private:
  // Copies the draws in order, each bitmap at its place over the child buttons; a missing bitmap draws its
  // fallback or nothing.
  void Paint(const OverlayPlan& plan) const;
  RECT ScreenRectOf(UINT id) const;
  void CreateImageButton(fw::CBitmapButton& button, const ButtonLayout& layout);

  const fw::CWnd& window_;
  OverlayTables tables_;
  StoredValue stored_;
  bool refreshPending_ = false;  // the refresh timer runs: further button draws need no refresh of their own
  SkinBitmapSet bitmaps_;        // before the buttons, which draw from it until their end
  bool overlayBitmapsLoaded_ = false;
  std::unique_ptr<fw::CBitmapButton[]> actionButtons_;  // by position in the tables
  std::unique_ptr<fw::CBitmapButton[]> choiceButtons_;
};

}  // namespace skin
