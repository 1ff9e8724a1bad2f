// The program's icon, its one string, its version and its manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <regex>
#include <set>
#include <string>

namespace dq::test {
namespace {

HMODULE self() { return GetModuleHandleW(nullptr); }

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bits_per_pixel;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(ProgramResources, IconGroupHoldsSixteenThirtyTwoFortyEightAndTwoHundredFiftySixPixels) {
    HRSRC found = FindResourceW(self(), MAKEINTRESOURCEW(128), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(self(), found)));
    ASSERT_NE(data, nullptr);
    const WORD count = *reinterpret_cast<const WORD*>(data + 4);
    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const auto* entry = reinterpret_cast<const GroupIconEntry*>(data + 6 + i * sizeof(GroupIconEntry));
        EXPECT_EQ(entry->width, entry->height);
        sizes.insert(entry->width == 0 ? 256 : entry->width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
}

TEST(ProgramResources, IconLoadsAtEachSize) {
    for (int size : {16, 32, 48, 256}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(self(), MAKEINTRESOURCEW(128), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(ProgramResources, AboutMenuString) {
    wchar_t text[64] = {};
    ASSERT_GT(LoadStringW(self(), 101, text, 64), 0);
    EXPECT_STREQ(text, L"Configure 정보(&A)...");
}

TEST(ProgramResources, VersionResourceCarriesAFixedFileInfo) {
    HRSRC found = FindResourceW(self(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16) /* RT_VERSION */);
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(self(), found)));
    const DWORD size = SizeofResource(self(), found);
    // VS_VERSIONINFO: lengths, type, L"VS_VERSION_INFO", padding, then the fixed info with its signature.
    bool signed_info = false;
    for (DWORD offset = 0; offset + 4 <= size; offset += 4)
        signed_info |= *reinterpret_cast<const DWORD*>(data + offset) == 0xFEEF04BD;
    EXPECT_TRUE(signed_info);
}

std::string manifest() {
    HRSRC found = FindResourceW(self(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    if (!found) return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(self(), found)));
    return std::string(data, SizeofResource(self(), found));
}

TEST(ProgramResources, ManifestAsksForCommonControlsSixWithoutElevation) {
    const std::string text = manifest();
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(text.find("name=\"Microsoft.Windows.Common-Controls\""), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
}

TEST(ProgramResources, ManifestNamesWindowsSevenToElevenAndDeclaresSystemDpiAwareness) {
    const std::string text = manifest();
    for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        EXPECT_NE(text.find(os), std::string::npos) << os;
    // Windows 7 to 11 read dpiAware in the 2005 windowsSettings namespace. Per-monitor awareness would ask for a
    // move to every monitor's scale, which the program lacks.
    EXPECT_TRUE(std::regex_search(text, std::regex(R"(<asmv3:windowsSettings xmlns="http://schemas.microsoft.com/SMI/)"
                                                   R"(2005/WindowsSettings">\s*<dpiAware>true</dpiAware>\s*</)")));
    EXPECT_EQ(text.find("<dpiAwareness"), std::string::npos);
}

} // namespace
} // namespace dq::test
