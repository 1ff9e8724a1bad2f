// CSkinSlider: a horizontal slider drawn from bitmaps. The channel is two images, one stretched left of
// the knob and one right of it; the knob (the Thumb) is a CSkinButton moved along the channel. Presses on
// the channel and drags of the Thumb set the position (0..80) and are reported to the owner, or the
// parent, as WM_NOTIFY: kSliderMoved for every press and dragging move, NM_RELEASEDCAPTURE on release.
//
// The Thumb's messages pass a window procedure of the slider's before the button's own (see ThumbHook in
// skin_slider.cpp): only one slider may exist at a time.
#pragma once

#include <span>

#include <windows.h>

#include <commctrl.h>

#include "framework/gdi.h"
#include "framework/message_table.h"
#include "framework/wnd.h"
#include "ui/skin/skin_button.h"
#include "ui/skin/slider_geometry.h"

namespace skin {

// The notification of every press and dragging move. It carries the code that the layout's trackbar sends
// while it tracks, so that the window that owns the slider handles both the same way.
constexpr int kSliderMoved = NM_CUSTOMDRAW;

class CSkinSlider : public fw::WithMessageTable<CSkinSlider, fw::CWnd> {
 public:
  CSkinSlider() = default;
  ~CSkinSlider() override;

  // A visible child at `rect` of the parent's client area; creates the Thumb and installs its procedure.
  bool Create(const RECT& rect, HWND parent, UINT id);

  // Gives the Thumb its strip (four frames: normal, hover, pressed, disabled) from the skin's set at `scale` and
  // its size from the strip, and puts it at the current position. Returns 1, or 0 when the strip cannot be loaded
  // (the Thumb then stays blank, 16 x 16).
  int LoadThumbBitmap(SkinScale scale = {});

  // Where the channel images are painted: from x = 0 up to `right` and `height` high, whatever the slider's
  // size (on the advanced window the right image's end piece lies outside the slider and is clipped).
  void SetChannelBand(int right, int height) {
    bandRight_ = right;
    bandHeight_ = height;
  }

  // Loads the channel images drawn left and right of the Thumb (0 leaves a slot empty) and repaints.
  void LoadChannelBitmaps(UINT leftId, UINT rightId, SkinScale scale = {});

  // Stores the position as given, without clamping to the range, and moves the Thumb there.
  void SetPos(int position);
  int GetPos() const { return position_; }
  SliderRange GetRange() const { return {minimum_, maximum_}; }

  // The window that receives the notifications instead of the parent (none by default).
  void SetOwner(HWND owner) { owner_ = owner; }

  CSkinButton& Thumb() { return thumb_; }
  SIZE ThumbSize() const { return {thumbWidth_, thumbHeight_}; }

 protected:
 private:
  LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
  void OnSize(UINT type, SIZE size);
  void OnPaint();
  void OnLButtonDown(UINT keys, POINT at);
  void OnLButtonUp(UINT keys, POINT at);

  static LRESULT CALLBACK ThumbProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnThumbMessage(UINT message, WPARAM wParam, LPARAM lParam);

  RECT ThumbRect(int position) const;
  void PlaceThumb(int position) const;
  void MoveThumbCentre(int x) const;
  void ReadPositionFromThumb();
  void Notify(int code) const;

  friend WithMessageTable;
  static std::span<const fw::MessageEntry<CSkinSlider>> MessageTable();

  int minimum_ = 0;
  int maximum_ = 80;
  int position_ = 10;
  int thumbWidth_ = 16;
  int thumbHeight_ = 16;
  int bandRight_ = 0, bandHeight_ = 0;
  fw::UniqueBitmap channelLeft_;
  fw::UniqueBitmap channelRight_;
  HWND owner_ = nullptr;
  // Declared last so that it goes first when the slider is destroyed.
  CSkinButton thumb_;
};

}  // namespace skin
