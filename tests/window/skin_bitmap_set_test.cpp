// The window's bitmap set, from which both the overlay and the image buttons draw: one handle per image, kept
// for the set's life, so that a button never draws from an image that a later load has let go.
#include "ui/skin/skin_bitmap_set.h"

#include <gtest/gtest.h>

#include "framework/button.h"
#include "tests/support/screen_probe.h"
#include "tests/window/skin_test_images.h"

namespace skintest {
namespace {

TEST(SkinBitmapSet, HandsOutOneHandlePerImageKeptAcrossLoadsAndLentToButtons) {
  // The process's first image load also sets up the platform's own GDI objects; count after it.
  skin::SkinBitmapSet().Acquire(kStrip530);
  const long before = testsupport::GdiObjectCount();
  {
    skin::SkinBitmapSet set;
    const HBITMAP strip = set.Acquire(kStrip530);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(set.Acquire(kStrip530), strip);
    const UINT ids[] = {kPlainBackground, kStrip530, kMissingBitmap};
    set.Load(ids);
    set.Load(ids);  // as the window's nested size message at creation does
    EXPECT_EQ(set.Get(kStrip530), strip);
    EXPECT_NE(set.Get(kPlainBackground), nullptr);
    EXPECT_EQ(set.Get(kMissingBitmap), nullptr);
    EXPECT_EQ(set.Acquire(0), nullptr);
    {
      fw::CBitmapButton button;
      button.UseBitmaps(strip);
      EXPECT_EQ(button.ContentSize().cx, 530);
    }
    EXPECT_EQ(::GetObjectType(strip), static_cast<DWORD>(OBJ_BITMAP)) << "a button does not delete what it borrows";
    EXPECT_EQ(testsupport::GdiObjectCount(), before + 2);
  }
  EXPECT_EQ(testsupport::GdiObjectCount(), before);
}

}  // namespace
}  // namespace skintest
