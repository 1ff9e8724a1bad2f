// Written by tools/skin/generate.py from tools/skin/layout.py; do not edit by hand.
// clang-format off
#pragma once

namespace skin {

// The display scales the skin is drawn at; the layouts' kLayouts[] and the bitmap sets follow this order.
inline constexpr int kSkinScalePercents[] = {100, 125, 150, 175, 200};
// The resource type of each set's PNG images, which carry the same numbers in every set.
inline constexpr const wchar_t* kSkinResourceTypes[] = {L"PNG", L"PNG125", L"PNG150", L"PNG175", L"PNG200"};

}  // namespace skin
