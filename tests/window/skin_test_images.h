// The images of the skin window tests. skin_test.rc names them by identifier; skin_test_bitmaps.py draws
// them, reading the colours from this file (one `constexpr COLORREF kName = RGB(r, g, b);` per line);
// the tests expect these colours on the screen.
#pragma once

#include <windows.h>

#include "res/resource.h"

namespace skintest {

constexpr UINT kLayout = 9001;  // popup, visible; push buttons IDOK and IDCANCEL

// Backgrounds. 440 x 222 with the supplied backgrounds' corners cut (5, 3, 2, 1, 1 pixels) and two near-key
// pixels at (300, 40) and (301, 40).
constexpr UINT kCornerBackground = 9101;
constexpr UINT kPlainBackground = 9102;    // 441 x 221: no key pixel
constexpr UINT kHoleBackground = 9103;     // 200 x 150: one key pixel at (100, 75), a row of key pixels at y = 30
constexpr UINT kMissingBitmap = 9999;      // not in the resources
constexpr UINT kUndecodableBitmap = 9104;  // the corner background's PNG cut off halfway
constexpr POINT kNearKeyRedAt{300, 40};
constexpr POINT kNearKeyGreenAt{301, 40};
constexpr POINT kHoleAt{100, 75};
constexpr int kKeyRow = 30;

constexpr COLORREF kBackground = RGB(40, 90, 160);
constexpr COLORREF kNearKeyRed = RGB(254, 0, 255);
constexpr COLORREF kNearKeyGreen = RGB(255, 1, 255);

// State strips: frame k (k = 0..3, frame width = strip width / 4) is kFrameK with kMarkerK in its first column;
// the columns after the fourth frame are kStripTail.
constexpr UINT kStrip530 = 9201;                    // 530 x 44: frames of 132, 2 columns of tail
constexpr UINT kStrip516 = IDB_APPLY_STRIP;         // 516 x 44: frames of 129
constexpr UINT kStrip516Second = IDB_CANCEL_STRIP;  // the same picture
constexpr UINT kStrip532 = IDB_EXIT_OK_STRIP;       // 532 x 44: frames of 133
// IDB_SLIDER_THUMB_STRIP (351), which the slider loads itself: 124 x 8, frames of 31.
constexpr COLORREF kFrame0 = RGB(30, 160, 60);
constexpr COLORREF kFrame1 = RGB(250, 200, 20);
constexpr COLORREF kFrame2 = RGB(120, 20, 20);
constexpr COLORREF kFrame3 = RGB(128, 128, 128);
constexpr COLORREF kMarker0 = RGB(0, 0, 0);
constexpr COLORREF kMarker1 = RGB(0, 0, 255);
constexpr COLORREF kMarker2 = RGB(255, 255, 255);
constexpr COLORREF kMarker3 = RGB(0, 255, 255);
constexpr COLORREF kStripTail = RGB(255, 0, 0);
constexpr COLORREF kFrames[4] = {kFrame0, kFrame1, kFrame2, kFrame3};
constexpr COLORREF kMarkers[4] = {kMarker0, kMarker1, kMarker2, kMarker3};

// Channel images, 31 x 8: the middle (columns 10..20, rows 2..5) in one colour, corners and edges in another.
constexpr UINT kChannelLeft = IDB_SLIDER_CHANNEL_LEFT;
constexpr UINT kChannelRight = IDB_SLIDER_CHANNEL_RIGHT;
constexpr COLORREF kChannelLeftEdge = RGB(10, 40, 120);
constexpr COLORREF kChannelLeftMiddle = RGB(60, 110, 230);
constexpr COLORREF kChannelRightEdge = RGB(150, 120, 0);
constexpr COLORREF kChannelRightMiddle = RGB(240, 220, 60);

}  // namespace skintest
