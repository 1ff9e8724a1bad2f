#include "loaded_bitmap.h"

#include "framework/png_bitmap.h"

namespace dq::test {

LoadedBitmap::LoadedBitmap(int id) {
    bitmap_ = fw::LoadSectionBitmap(static_cast<UINT>(id)).release();
    if (bitmap_ && GetObjectW(bitmap_, sizeof section_, &section_) != sizeof section_) {
        DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }
}

LoadedBitmap::~LoadedBitmap() {
    if (bitmap_) DeleteObject(bitmap_);
}

Rgb LoadedBitmap::pixel(int x, int y) const {
    // A bottom-up DIB (positive height) keeps its last row first in memory; rows are padded to four bytes.
    const auto* bits = static_cast<const std::uint8_t*>(section_.dsBm.bmBits);
    const int stride = section_.dsBm.bmWidthBytes;
    const bool bottom_up = section_.dsBmih.biHeight > 0;
    const std::uint8_t* p = bits + (bottom_up ? height() - 1 - y : y) * stride + 3 * x;
    return Rgb{p[2], p[1], p[0]};
}

} // namespace dq::test
