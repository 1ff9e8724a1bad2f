// Buttons: the plain push button, the owner-drawn bitmap button, and the combo box wrapper.
#pragma once

#include <span>

#include "framework/gdi.h"
#include "framework/message_table.h"
#include "framework/wnd.h"

namespace fw {

class CButton : public WithMessageTable<CButton, CWnd> {
 public:
  bool Create(LPCWSTR caption, DWORD style, const RECT& rect, HWND parent, UINT id) {
    return CreateEx(0, L"BUTTON", caption, style, rect, parent, id);
  }

 private:
  friend WithMessageTable;
  static std::span<const MessageEntry<CButton>> MessageTable();
  // A quick second click on an owner-drawn button arrives as a double click, which the platform
  // reports as BN_DOUBLECLICKED rather than a click: treat it as the press it is.
  LRESULT OnDoubleClick(WPARAM wParam, LPARAM lParam);
};

// Owner-drawn button with up to four images: normal, selected (pressed), focused and disabled.
class CBitmapButton : public WithMessageTable<CBitmapButton, CButton> {
 public:
  // Loads the images by resource identifier (0: none); the button owns them.
  bool LoadBitmaps(UINT normal, UINT selected = 0, UINT focused = 0, UINT disabled = 0);
  // Draws with images that their owner keeps for longer than the button's window (null: none), so that a
  // window that also copies the same images elsewhere loads each of them once.
  void UseBitmaps(HBITMAP normal, HBITMAP selected = nullptr, HBITMAP focused = nullptr, HBITMAP disabled = nullptr);
  // Sizes the button to its normal image.
  void SizeToContent() const;
  // The normal image's size (0 x 0 without one); known before the window exists.
  SIZE ContentSize() const { return BitmapSize(images_.normal); }

 protected:
  void DrawItem(DRAWITEMSTRUCT* item) override;

 private:
  friend WithMessageTable;
  static std::span<const MessageEntry<CBitmapButton>> MessageTable();
  // Version 6 buttons (comctl32 by the manifest) repaint themselves when the pointer rests on them and when
  // it leaves, for a hot look that a bitmap button does not have; the repaint would wipe whatever the parent
  // draws over its buttons. Version 5 buttons never did, so these two messages stop here.
  LRESULT IgnoreHotTracking(WPARAM wParam, LPARAM lParam);

  struct Images {
    HBITMAP normal, selected, focused, disabled;
  };
  Images images_{};        // what DrawItem draws from
  UniqueBitmap owned_[4];  // the images of LoadBitmaps; empty after UseBitmaps
};

class CComboBox : public CWnd {
 public:
  int AddString(LPCWSTR text) const {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  int SetCurSel(int index) const { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
  int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
};

}  // namespace fw
