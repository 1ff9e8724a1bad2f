#include "expected_skin.h"

namespace dq::test {
namespace {

constexpr int kMainBackground = 292;
constexpr int kAdvancedBackground = 349;
constexpr int kMainMarker = 177;
constexpr int kAdvancedMarker = 350;

// A level group of the main window: five faces first, first + 2, ... at x = 206 + 50 i, each followed by its pressed
// image; with a wide first button (49 pixels at wide_x) level 0 is that button instead.
struct LevelRow {
    int first_face;
    int y;
    int wide_x; // 0: all five are 38 pixels wide
};

constexpr LevelRow kLevelRows[] = {
    {214, 237, 0},   // driving acceleration 0..4
    {228, 299, 0},   // parking acceleration
    {242, 423, 200}, // parking motion, level 0 wide
    {271, 485, 0},   // night brightness
    {252, 547, 200}, // speaker volume, level 0 wide
};

struct Pair {
    int face;
    int x;
    int y;
};

// Buttons of 108 x 34 (main window) and 97 x 34 (advanced window), each face followed by its pressed image.
constexpr Pair kMainOptions[] = {{238, 205, 366}, {240, 313, 366}, {178, 205, 614}, {180, 313, 614}};
constexpr Pair kAdvancedPills[] = {{336, 213, 293}, {338, 313, 293}, {340, 213, 365}, {342, 313, 365},
                                   {378, 213, 437}, {380, 313, 437}, {344, 213, 580}, {346, 313, 580}};

struct TileRow {
    int first_face;
    int count;
    int x0;
    int step;
    int y;
};

constexpr TileRow kWideTiles[] = {{310, 3, 190, 100, 63}, {370, 3, 190, 100, 493}};   // 70 x 61
constexpr TileRow kNarrowTiles[] = {{316, 4, 195, 67, 138}, {326, 4, 195, 67, 210}};  // 60 x 61

} // namespace

std::vector<ExpectedBitmap> expected_bitmaps() {
    std::vector<ExpectedBitmap> all = {
        {kMainBackground, 482, 783, Kind::Background},
        {kAdvancedBackground, 482, 783, Kind::Background},
        {357, 440, 222, Kind::Background},
        {359, 440, 222, Kind::Background},
        {263, 440, 222, Kind::Background},
        {402, 440, 222, Kind::Background},
        {351, 124, 8, Kind::Strip},
        {354, 532, 44, Kind::Strip},
        {377, 532, 44, Kind::Strip},
        {360, 516, 44, Kind::Strip},
        {362, 516, 44, Kind::Strip},
        {355, 31, 8, Kind::Image},
        {356, 31, 8, Kind::Image},
        {kMainMarker, 14, 14, Kind::Image},
        {kAdvancedMarker, 14, 14, Kind::Image},
    };
    auto add = [&all](int first, int count, int width, int height) {
        for (int id = first; id < first + count; ++id) all.push_back({id, width, height, Kind::Image});
    };
    add(133, 3, 37, 37);  // main close: hover, normal, pressed
    add(136, 3, 145, 60); // reset
    add(139, 3, 164, 60); // OK of both windows
    add(142, 3, 40, 36);  // system time
    add(145, 3, 41, 36);  // world time
    add(293, 3, 145, 60); // advanced
    add(165, 12, 294, 34); // three resolution rows, four looks each
    add(296, 2, 49, 46);   // driving "OFF"
    for (const LevelRow& row : kLevelRows) {
        if (row.wide_x) {
            add(row.first_face, 2, 49, 46);
            add(row.first_face + 2, 8, 38, 46);
        } else {
            add(row.first_face, 10, 38, 46);
        }
    }
    for (const Pair& option : kMainOptions) add(option.face, 2, 108, 34);
    add(301, 3, 37, 37); // advanced close
    for (const TileRow& row : kWideTiles) add(row.first_face, 2 * row.count, 70, 61);
    for (const TileRow& row : kNarrowTiles) add(row.first_face, 2 * row.count, 60, 61);
    for (const Pair& pill : kAdvancedPills) add(pill.face, 2, 97, 34);
    return all;
}

std::vector<Placement> expected_placements() {
    std::vector<Placement> all = {
        {kMainBackground, 134, 433, 11}, {kMainBackground, 141, 310, 723}, {kMainBackground, 137, 6, 723},
        {kMainBackground, 293, 152, 723}, {kMainBackground, 143, 210, 673}, {kMainBackground, 146, 439, 673},
        {kMainBackground, 296, 150, 237},
        {kAdvancedBackground, 301, 433, 11}, {kAdvancedBackground, 141, 310, 723},
    };
    for (int k = 0; k < 3; ++k) all.push_back({kMainBackground, 165 + 4 * k, 152, 110 + 35 * k});
    for (const LevelRow& row : kLevelRows) {
        for (int i = 0; i < 5; ++i) {
            const int x = (i == 0 && row.wide_x) ? row.wide_x : 206 + 50 * i;
            all.push_back({kMainBackground, row.first_face + 2 * i, x, row.y});
        }
    }
    for (const Pair& option : kMainOptions) all.push_back({kMainBackground, option.face, option.x, option.y});
    for (const Pair& pill : kAdvancedPills) all.push_back({kAdvancedBackground, pill.face, pill.x, pill.y});
    for (const auto* rows : {kWideTiles, kNarrowTiles}) {
        for (int r = 0; r < 2; ++r) {
            const TileRow& row = rows[r];
            for (int i = 0; i < row.count; ++i)
                all.push_back({kAdvancedBackground, row.first_face + 2 * i, row.x0 + row.step * i, row.y});
        }
    }
    return all;
}

std::vector<MarkedFace> expected_marked_faces() {
    std::vector<MarkedFace> all = {{296, kMainMarker, 18, 7}};
    for (const LevelRow& row : kLevelRows) {
        for (int i = 0; i < 5; ++i) {
            const bool wide = i == 0 && row.wide_x;
            all.push_back({row.first_face + 2 * i, kMainMarker, wide ? 18 : 12, 7});
        }
    }
    // The left option of a pair carries its circle 13 pixels in, the right one 5.
    all.push_back({238, kMainMarker, 13, 10});
    all.push_back({240, kMainMarker, 5, 10});
    all.push_back({178, kMainMarker, 13, 10});
    all.push_back({180, kMainMarker, 5, 10});
    for (const Pair& pill : kAdvancedPills) all.push_back({pill.face, kAdvancedMarker, 5, 10});
    for (const TileRow& row : kWideTiles)
        for (int i = 0; i < row.count; ++i) all.push_back({row.first_face + 2 * i, kAdvancedMarker, 28, 15});
    for (const TileRow& row : kNarrowTiles)
        for (int i = 0; i < row.count; ++i) all.push_back({row.first_face + 2 * i, kAdvancedMarker, 23, 12});
    return all;
}

std::vector<StripPlacement> expected_strip_placements() {
    return {
        {357, 354, 300, 177}, {263, 377, 300, 177},                        // OK of the no-card and closing boxes
        {359, 360, 174, 177}, {359, 362, 302, 177},                        // notice: Apply, Cancel
        {402, 360, 174, 177}, {402, 362, 302, 177},                        // picker: Apply, Cancel
    };
}

} // namespace dq::test
