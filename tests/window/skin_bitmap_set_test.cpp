// The bitmap set that a window's overlay and image buttons share: a handle it has handed out stays valid
// through later loads (the nested size message at creation), a bitmap that is missing or does not decode stays
// null, and a button that borrows one leaves it alone.
#include "ui/skin/skin_bitmap_set.h"

#include <gtest/gtest.h>

#include "framework/button.h"
#include "tests/window/skin_test_images.h"

TEST(SkinBitmapSet, KeepsWhatItHandedOutThroughLoadsAndBorrowingButtons) {
  skin::SkinBitmapSet set;
  const HBITMAP strip = set.Acquire(skintest::kStrip530);
  const UINT ids[] = {skintest::kPlainBackground, skintest::kStrip530, skintest::kMissingBitmap,
                      skintest::kUndecodableBitmap};
  set.Load(ids);
  EXPECT_EQ(set.Get(skintest::kStrip530), strip);
  EXPECT_EQ(set.Get(skintest::kMissingBitmap), nullptr);
  EXPECT_EQ(set.Get(skintest::kUndecodableBitmap), nullptr);
  fw::CBitmapButton().UseBitmaps(strip);
  EXPECT_EQ(::GetObjectType(strip), static_cast<DWORD>(OBJ_BITMAP));
}
