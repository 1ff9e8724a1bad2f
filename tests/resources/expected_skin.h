// What the program's bitmaps must be, written down from the window descriptions independently of the skin
// generator's own table, so that the two check each other.
#pragma once

#include <vector>

namespace dq::test {

enum class Kind { Background, Image, Strip };

struct ExpectedBitmap {
    int id;
    int width;
    int height;
    Kind kind;
};

// A normal image at its place on a background: the background must show exactly that image there.
struct Placement {
    int background;
    int image;
    int x;
    int y;
};

// A choice face and the marker that is drawn over its radio circle at (dx, dy) from the face's corner.
struct MarkedFace {
    int face;
    int marker;
    int dx;
    int dy;
};

// A four-frame strip whose first frame shows at (x, y) on a background.
struct StripPlacement {
    int background;
    int strip;
    int x;
    int y;
};

std::vector<ExpectedBitmap> expected_bitmaps();
std::vector<Placement> expected_placements();
std::vector<MarkedFace> expected_marked_faces();
std::vector<StripPlacement> expected_strip_placements();

} // namespace dq::test
