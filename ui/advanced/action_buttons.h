// The advanced window's two action buttons and their hover images.
#pragma once

#include <windows.h>

#include <cstddef>

#include "res/resource.h"
#include "ui/skin/button_layout.h"

namespace advanced {

using ActionButton = skin::ButtonLayout;

// The close cross at the top right: its hover area keeps 5 pixels off the cross's round edge.
constexpr ActionButton kCancelButton{IDCANCEL,           {433, 11},           {37, 37},
                                     IDB_ADV_CANCEL,     IDB_ADV_CANCEL_PRESSED, IDB_ADV_CANCEL_HOVER,
                                     IDB_ADV_CANCEL_HOVER, 5};
constexpr ActionButton kOkButton{IDOK, {310, 723}, {164, 60}, IDB_OK, IDB_OK_PRESSED, IDB_OK_HOVER, IDB_OK_HOVER, 0};

// In the order the hover overlay draws them.
inline constexpr ActionButton kActionButtons[] = {kCancelButton, kOkButton};
constexpr size_t kCancelIndex = 0, kOkIndex = 1;

}  // namespace advanced
