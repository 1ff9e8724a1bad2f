// The window outline of a skinned window: every pixel of its background except those of the key colour.
#pragma once

#include <windows.h>

#include "framework/gdi.h"

namespace skin {

// The key colour that is cut out of every background: exactly RGB(255, 0, 255), no tolerance.
constexpr COLORREF kKeyColour = RGB(255, 0, 255);

// How a region is made from its rectangles: ExtCreateRegion, or a stand-in that tests make fail.
using RegionFromDataFn = HRGN(WINAPI*)(const XFORM*, DWORD, const RGNDATA*);

// Copies the bitmap's pixel rows out in one call (GetDIBits, top-down) and builds the region in one
// call; a bitmap whose rows cannot be read, or whose region cannot be made so, goes through
// RegionByPixelQuery. Each maximal run of non-key pixels in a row becomes one rectangle one pixel high.
fw::UniqueRegion RegionFromBitmap(HBITMAP bitmap, RegionFromDataFn makeRegion = &::ExtCreateRegion);

// The same region, one GetPixel per pixel and one union per run: the reference that RegionFromBitmap
// must match, and the fallback for bitmaps whose rows cannot be read.
fw::UniqueRegion RegionByPixelQuery(HBITMAP bitmap);

}  // namespace skin
