// The skin's bitmaps as the program carries them: PNG files of 8-bit RGB, present, the right size and depth once
// decoded, the key colour only where the window outline is cut, and every image matching the background it is drawn
// on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "expected_skin.h"
#include "loaded_bitmap.h"
#include "ui/skin/skin_scales.h"

namespace dq::test {
namespace {

// Corner pixels of a background: the first and last 5, 3, 2, 1, 1 pixels of the first five rows, mirrored below.
bool is_corner_pixel(int x, int y, int width, int height) {
    constexpr int kRuns[] = {5, 3, 2, 1, 1};
    const int row = std::min(y, height - 1 - y);
    if (row >= 5) return false;
    return std::min(x, width - 1 - x) < kRuns[row];
}

BOOL CALLBACK collect_bitmap_id(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name)) reinterpret_cast<std::set<int>*>(ids)->insert(static_cast<int>(LOWORD(name)));
    return TRUE;
}

std::set<int> carried_ids(LPCWSTR type) {
    std::set<int> carried;
    EnumResourceNamesW(GetModuleHandleW(nullptr), type, collect_bitmap_id, reinterpret_cast<LONG_PTR>(&carried));
    return carried;
}

constexpr wchar_t kPng[] = L"PNG";

std::span<const std::uint8_t> resource_bytes(int id, LPCWSTR type) {
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    const void* bytes = found ? LockResource(LoadResource(module, found)) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, found)};
}

std::uint32_t big_endian(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

TEST(BitmapResources, EveryBitmapIsPresentWithItsSizeAt24BitsPerPixel) {
    for (const ExpectedBitmap& expected : expected_bitmaps()) {
        SCOPED_TRACE(expected.id);
        LoadedBitmap bitmap(expected.id);
        ASSERT_TRUE(bitmap.loaded());
        EXPECT_EQ(bitmap.width(), expected.width);
        EXPECT_EQ(bitmap.height(), expected.height);
        EXPECT_EQ(bitmap.bits_per_pixel(), 24);
    }
}

TEST(BitmapResources, TheProgramCarriesNoOtherBitmaps) {
    std::set<int> expected;
    for (const ExpectedBitmap& bitmap : expected_bitmaps()) expected.insert(bitmap.id);
    EXPECT_EQ(carried_ids(kPng), expected);
    EXPECT_EQ(carried_ids(MAKEINTRESOURCEW(2) /* RT_BITMAP */), std::set<int>{});
    for (LPCWSTR scaled : skin::kSkinResourceTypes) EXPECT_EQ(carried_ids(scaled), expected) << "every scale's set";
}

// 8-bit RGB and nothing a decoder could apply on top: no gamma or colour profile, palette or transparency chunk.
TEST(BitmapResources, EveryImageIsAnEightBitRgbPngOfOnlyIhdrIdatAndIend) {
    constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (LPCWSTR set : skin::kSkinResourceTypes) {
        for (int id : carried_ids(set)) {
            SCOPED_TRACE(id);
            const std::span<const std::uint8_t> png = resource_bytes(id, set);
            ASSERT_GT(png.size(), sizeof kSignature + 12 + 13);
            ASSERT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), png.begin()));
            std::vector<std::string> chunks; // consecutive IDAT chunks counted once
            size_t at = sizeof kSignature;
            while (at + 12 <= png.size()) {
                const std::string type(reinterpret_cast<const char*>(&png[at + 4]), 4);
                if (chunks.empty() || type != "IDAT" || chunks.back() != "IDAT") chunks.push_back(type);
                at += 12 + big_endian(&png[at]);
            }
            EXPECT_EQ(at, png.size());
            EXPECT_EQ(chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
            const std::uint8_t* header = &png[sizeof kSignature + 8];
            EXPECT_EQ(header[8], 8) << "bit depth";
            EXPECT_EQ(header[9], 2) << "colour type";
        }
    }
}

TEST(BitmapResources, StripsHoldFourWholeFrames) {
    for (const ExpectedBitmap& expected : expected_bitmaps()) {
        if (expected.kind != Kind::Strip) continue;
        LoadedBitmap bitmap(expected.id);
        ASSERT_TRUE(bitmap.loaded()) << expected.id;
        EXPECT_EQ(bitmap.width() % 4, 0) << expected.id;
    }
}

TEST(BitmapResources, BackgroundsCarryTheKeyColourInExactlyTheFortyEightCornerPixels) {
    for (const ExpectedBitmap& expected : expected_bitmaps()) {
        if (expected.kind != Kind::Background) continue;
        SCOPED_TRACE(expected.id);
        LoadedBitmap bitmap(expected.id);
        ASSERT_TRUE(bitmap.loaded());
        int keyed = 0, misplaced = 0;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                const bool key = bitmap.pixel(x, y) == kKeyColour;
                keyed += key;
                misplaced += key != is_corner_pixel(x, y, bitmap.width(), bitmap.height());
            }
        }
        EXPECT_EQ(keyed, 48);
        EXPECT_EQ(misplaced, 0);
    }
}

TEST(BitmapResources, NoOtherImageCarriesTheKeyColour) {
    for (const ExpectedBitmap& expected : expected_bitmaps()) {
        if (expected.kind == Kind::Background) continue;
        LoadedBitmap bitmap(expected.id);
        ASSERT_TRUE(bitmap.loaded()) << expected.id;
        int keyed = 0;
        for (int y = 0; y < bitmap.height(); ++y)
            for (int x = 0; x < bitmap.width(); ++x) keyed += bitmap.pixel(x, y) == kKeyColour;
        EXPECT_EQ(keyed, 0) << expected.id;
    }
}

// Before the buttons exist, and wherever a button is redrawn from its normal image, the window must look the same.
TEST(BitmapResources, NormalImagesAreWhatTheBackgroundShowsAtTheirPlace) {
    for (const Placement& place : expected_placements()) {
        SCOPED_TRACE(testing::Message() << "image " << place.image << " on " << place.background);
        LoadedBitmap background(place.background), image(place.image);
        ASSERT_TRUE(background.loaded() && image.loaded());
        ASSERT_LE(place.x + image.width(), background.width());
        ASSERT_LE(place.y + image.height(), background.height());
        int different = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                different += !(image.pixel(x, y) == background.pixel(place.x + x, place.y + y));
        EXPECT_EQ(different, 0);
    }
}

TEST(BitmapResources, FirstStripFramesAreWhatTheBackgroundShowsUnderTheButtons) {
    for (const StripPlacement& place : expected_strip_placements()) {
        SCOPED_TRACE(testing::Message() << "strip " << place.strip << " on " << place.background);
        LoadedBitmap background(place.background), strip(place.strip);
        ASSERT_TRUE(background.loaded() && strip.loaded());
        const int frame_width = strip.width() / 4;
        int different = 0;
        for (int y = 0; y < strip.height(); ++y)
            for (int x = 0; x < frame_width; ++x)
                different += !(strip.pixel(x, y) == background.pixel(place.x + x, place.y + y));
        EXPECT_EQ(different, 0);
    }
}

TEST(BitmapResources, StripFramesDifferFromEachOther) {
    for (int id : {351, 354, 360, 362, 377}) {
        LoadedBitmap strip(id);
        ASSERT_TRUE(strip.loaded()) << id;
        const int frame_width = strip.width() / 4;
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                int different = 0;
                for (int y = 0; y < strip.height(); ++y)
                    for (int x = 0; x < frame_width; ++x)
                        different += !(strip.pixel(a * frame_width + x, y) == strip.pixel(b * frame_width + x, y));
                EXPECT_GT(different, 0) << "strip " << id << " frames " << a << " and " << b;
            }
        }
    }
}

// The marker is copied as a plain 14 x 14 square over the face: its ground must be the face's ground there, and the
// face must have a radio circle for it to cover.
TEST(BitmapResources, MarkersFitTheRadioCircleOfEveryChoice) {
    for (const MarkedFace& marked : expected_marked_faces()) {
        SCOPED_TRACE(testing::Message() << "face " << marked.face);
        LoadedBitmap face(marked.face), marker(marked.marker);
        ASSERT_TRUE(face.loaded() && marker.loaded());
        const Rgb ground = marker.pixel(0, 0);
        int ground_mismatches = 0, circle_pixels = 0, dot_pixels = 0;
        for (int y = 0; y < marker.height(); ++y) {
            for (int x = 0; x < marker.width(); ++x) {
                const Rgb under = face.pixel(marked.dx + x, marked.dy + y);
                if (marker.pixel(x, y) == ground) ground_mismatches += !(under == ground);
                else ++dot_pixels;
                circle_pixels += !(under == ground);
            }
        }
        EXPECT_EQ(ground_mismatches, 0);
        EXPECT_GT(circle_pixels, 20);
        EXPECT_GT(dot_pixels, 80);
    }
}

TEST(BitmapResources, MarkersAreOrange) {
    for (int id : {177, 350}) {
        LoadedBitmap marker(id);
        ASSERT_TRUE(marker.loaded()) << id;
        const Rgb centre_ring = marker.pixel(3, 7);
        EXPECT_GT(centre_ring.r, 200) << id;
        EXPECT_GT(centre_ring.g, 90) << id;
        EXPECT_LT(centre_ring.g, 180) << id;
        EXPECT_LT(centre_ring.b, 90) << id;
    }
}

} // namespace
} // namespace dq::test
