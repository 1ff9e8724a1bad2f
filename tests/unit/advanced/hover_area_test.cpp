// The hover areas of the close cross (shrunk by 5 pixels) and of OK (the whole button).
#include <gtest/gtest.h>

#include "ui/advanced/action_buttons.h"
#include "ui/skin/overlay_draw.h"

namespace advanced {
namespace {

using skin::IsInHoverArea;

const ActionButton& kCancelButton = ActionButtons()[kCancelIndex];
const ActionButton& kOkButton = ActionButtons()[kOkIndex];

RECT ScreenRect(const ActionButton& button, POINT window) {
  return RECT{window.x + button.at.x, window.y + button.at.y, window.x + button.at.x + button.size.cx,
              window.y + button.at.y + button.size.cy};
}

TEST(HoverArea, CloseCrossNeedsTheCursorMoreThanFivePixelsInside) {
  const RECT cancel = ScreenRect(kCancelButton, POINT{582, 50});  // (1015, 61) - (1052, 98)
  EXPECT_FALSE(IsInHoverArea(cancel, POINT{1015 + 3, 61 + 18}, kCancelButton.hoverInset));
  EXPECT_FALSE(IsInHoverArea(cancel, POINT{1015 + 5, 61 + 18}, kCancelButton.hoverInset));
  EXPECT_TRUE(IsInHoverArea(cancel, POINT{1015 + 6, 61 + 18}, kCancelButton.hoverInset));
  EXPECT_TRUE(IsInHoverArea(cancel, POINT{1052 - 6, 98 - 6}, kCancelButton.hoverInset));
  EXPECT_FALSE(IsInHoverArea(cancel, POINT{1052 - 5, 98 - 6}, kCancelButton.hoverInset));
  EXPECT_FALSE(IsInHoverArea(cancel, POINT{1052 - 6, 98 - 5}, kCancelButton.hoverInset));
}

TEST(HoverArea, OkReactsRightInsideItsEdge) {
  const RECT ok = ScreenRect(kOkButton, POINT{0, 0});  // (310, 723) - (474, 783)
  EXPECT_TRUE(IsInHoverArea(ok, POINT{310 + 3, 723 + 3}, kOkButton.hoverInset));
  EXPECT_TRUE(IsInHoverArea(ok, POINT{311, 724}, kOkButton.hoverInset));
  EXPECT_FALSE(IsInHoverArea(ok, POINT{310, 750}, kOkButton.hoverInset)) << "the edge itself is outside";
  EXPECT_TRUE(IsInHoverArea(ok, POINT{473, 782}, kOkButton.hoverInset));
  EXPECT_FALSE(IsInHoverArea(ok, POINT{474, 750}, kOkButton.hoverInset));
}

}  // namespace
}  // namespace advanced
