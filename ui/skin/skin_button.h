// CSkinButton: an owner-drawn push button that draws itself from a State strip of four equal frames
// (normal, hover, pressed, disabled) and tracks the pointer itself to know when it is hovered.
#pragma once

#include <span>

#include "framework/button.h"
#include "framework/gdi.h"
#include "framework/message_table.h"
#include "ui/skin/skin_scale.h"

namespace skin {

class CSkinButton : public fw::WithMessageTable<CSkinButton, fw::CButton> {
 public:
  // No caption, WS_CHILD | WS_VISIBLE; the attach hook makes it owner-drawn.
  bool Create(const RECT& rect, HWND parent, UINT id);
  // Releases the strip held, loads the new one (a device-dependent bitmap) from the skin's set at `scale` and
  // repaints with erasing; a strip that cannot be loaded leaves the button blank.
  void SetStripBitmap(UINT id, SkinScale scale = {});

  // Which frame DrawItem shows now: 3 disabled, 2 pressed, 1 hovered, 0 normal.
  int FrameIndex() const;
  bool IsPressed() const { return pressed_ != 0; }
  bool IsHovered() const { return hovered_ != 0; }
  HBITMAP Strip() const { return strip_.get(); }

 protected:
  void PreSubclassWindow() override;
  void DrawItem(DRAWITEMSTRUCT* item) override;

 private:
  void OnLButtonDown(UINT keys, POINT at);
  void OnLButtonUp(UINT keys, POINT at);
  LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
  LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  void OnMouseMove(UINT keys, POINT at);

  friend WithMessageTable;
  static std::span<const fw::MessageEntry<CSkinButton>> MessageTable();

  fw::UniqueBitmap strip_;
  int pressed_ = 0;
  int hovered_ = 0;
};

// One layout push button to be replaced by a skinned button at a fixed rectangle of client pixels.
struct TemplateButton {
  CSkinButton* button;  // bound to the layout's control by the dialog's data exchange
  UINT id;
  RECT rect;  // left, top, right, bottom in the dialog's client pixels
  UINT strip;
};

// The replacement of a dialog's layout buttons: move each bound button to its rectangle, read the
// rectangles back in client coordinates, then in the given order create each skinned button anew and
// destroy its layout window, and finally give each its strip from the skin's set at `scale`. A skinned button
// that cannot be created keeps the layout's window, bound to it and shown, so the dialog keeps a button to end it.
void ReplaceTemplateButtons(HWND dialog, std::span<const TemplateButton> buttons, SkinScale scale = {});

}  // namespace skin
