// The seven dialog layouts as the resource compiler wrote them, and as the platform creates them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstring>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dialog_template.h"

namespace dq::test {
namespace {

struct Layout {
    int id;
    DWORD style;
    DWORD ex_style;
    short cx, cy;
    int font_points;
    const wchar_t* font_face; // nullptr: either of the two dialog fonts
};

constexpr DWORD kSkinned = WS_POPUP | WS_VISIBLE | DS_SETFONT;

const Layout kLayouts[] = {
    {100, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 170, 62, 9, L"MS Shell Dlg"},
    {102, kSkinned, WS_EX_APPWINDOW, 321, 422, 8, L"MS Sans Serif"},
    {298, kSkinned, WS_EX_APPWINDOW, 312, 330, 8, L"MS Shell Dlg"},
    {262, kSkinned, WS_EX_APPWINDOW, 186, 90, 8, nullptr},
    {353, kSkinned | WS_SYSMENU, 0, 186, 90, 8, nullptr},
    {358, kSkinned, WS_EX_APPWINDOW, 186, 90, 8, nullptr},
    {400, WS_POPUP | DS_SETFONT, 0, 440, 222, 8, L"MS Shell Dlg"},
};

std::vector<int> range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

// Captions that name the placeholders; the program never shows them.
std::map<int, std::wstring> main_captions() {
    std::map<int, std::wstring> c = {
        {1, L"확인"}, {2, L"Cancel"},
        {1034, L"1920*1080 1080p Full-HD 녹화"}, {1035, L"1280*720 720p HD 녹화"},
        {1036, L"1280*720 720p HD 초광각 녹화 (비닝모드)"}, {1059, L"OFF"},
        {1021, L"수동+자동"}, {1022, L"수동"},
        {1077, L"기본"}, {1078, L"보통1"}, {1079, L"보통2"}, {1080, L"밝게1"}, {1081, L"밝게2"},
        {1023, L"사용"}, {1024, L"사용안함"}, {1037, L"고급설정"}, {1025, L"시스템 시간"}, {1026, L"월드타임"},
        {1007, L"설정 초기화"},
    };
    for (int first : {1054, 1060, 1072, 1067})
        for (int i = 0; i < 5; ++i) c[first + i] = std::to_wstring(i);
    return c;
}

std::map<int, std::wstring> advanced_captions() {
    std::map<int, std::wstring> c = {
        {1083, L"초고화질"}, {1084, L"고화질"}, {1085, L"보통화질"},
        {1066, L"사용"}, {1067, L"사용안함"}, {1064, L"좌/우 반전"}, {1065, L"기본값"},
        {1068, L"NTSC"}, {1069, L"PAL"}, {1097, L"표시안함"}, {1098, L"Km/h"}, {1099, L"Mile/h"},
        {1073, L"기본값 (50:50)"}, {1074, L"사용자 설정"}, {1080, L"High"}, {1081, L"Main"}, {1082, L"Baseline"},
    };
    const wchar_t* fps[] = {L"30 fps", L"24 fps", L"15 fps", L"5 fps"};
    for (int i = 0; i < 4; ++i) c[1087 + i] = c[1092 + i] = fps[i];
    return c;
}

std::vector<int> main_buttons() {
    std::vector<int> ids = {1, 2, 1007, 1021, 1022, 1023, 1024, 1025, 1026, 1034, 1035, 1036, 1037};
    for (const auto& part : {range(1054, 1064), range(1067, 1081)}) ids.insert(ids.end(), part.begin(), part.end());
    return ids; // 1054..1064 and 1067..1081 hold the level groups
}

std::vector<int> advanced_buttons() {
    std::vector<int> ids = {1, 2, 1073, 1074};
    for (const auto& part : {range(1064, 1069), range(1080, 1085), range(1087, 1090), range(1092, 1095),
                             range(1097, 1099)})
        ids.insert(ids.end(), part.begin(), part.end());
    return ids;
}

// Every control of each layout: what must be there, nothing else.
std::map<int, std::set<int>> expected_controls() {
    auto main = main_buttons();
    auto advanced = advanced_buttons();
    advanced.push_back(1086);
    return {
        {100, {1000, 1001, 1}},
        {102, std::set<int>(main.begin(), main.end())},
        {298, std::set<int>(advanced.begin(), advanced.end())},
        {262, {1}},
        {353, {1}},
        {358, {1, 2}},
        {400, {1, 2, 401}},
    };
}

std::wstring lower(std::wstring s) {
    for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
    return s;
}

TEST(DialogLayouts, EachHasItsStylesSizeAndFont) {
    for (const Layout& expected : kLayouts) {
        SCOPED_TRACE(expected.id);
        auto dialog = read_dialog_template(expected.id);
        ASSERT_TRUE(dialog.has_value());
        EXPECT_EQ(dialog->style, expected.style);
        EXPECT_EQ(dialog->ex_style, expected.ex_style);
        EXPECT_EQ(dialog->cx, expected.cx);
        EXPECT_EQ(dialog->cy, expected.cy);
        EXPECT_EQ(dialog->font_points, expected.font_points);
        if (expected.font_face) EXPECT_EQ(dialog->font_face, expected.font_face);
        else EXPECT_TRUE(dialog->font_face == L"MS Shell Dlg" || dialog->font_face == L"MS Sans Serif");
    }
}

TEST(DialogLayouts, HoldExactlyTheirControls) {
    for (const auto& [id, controls] : expected_controls()) {
        auto dialog = read_dialog_template(id);
        ASSERT_TRUE(dialog.has_value()) << id;
        std::multiset<int> found;
        for (const DialogItem& item : dialog->items) found.insert(item.id);
        EXPECT_EQ(found, std::multiset<int>(controls.begin(), controls.end())) << "layout " << id;
    }
}

TEST(DialogLayouts, PlaceholdersOfTheMainAndAdvancedWindowsAreHiddenButtons) {
    for (int id : {102, 298}) {
        auto dialog = read_dialog_template(id);
        ASSERT_TRUE(dialog.has_value()) << id;
        for (const DialogItem& item : dialog->items) {
            if (item.id == 1086) continue;
            EXPECT_EQ(item.class_name, L"Button") << id << ":" << item.id;
            EXPECT_EQ(item.style & WS_VISIBLE, 0u) << id << ":" << item.id;
        }
    }
}

TEST(DialogLayouts, AdvancedWindowHasAVisibleTrackbarAsTheSlidersPlaceholder) {
    auto dialog = read_dialog_template(298);
    ASSERT_TRUE(dialog.has_value());
    const DialogItem* trackbar = dialog->item(1086);
    ASSERT_NE(trackbar, nullptr);
    EXPECT_EQ(lower(trackbar->class_name), L"msctls_trackbar32");
    EXPECT_EQ(trackbar->style & (WS_CHILD | WS_VISIBLE), DWORD{WS_CHILD | WS_VISIBLE});
}

TEST(DialogLayouts, CaptionsNameTheChoicesInKorean) {
    for (const auto& [id, captions] : {std::pair{102, main_captions()}, std::pair{298, advanced_captions()}}) {
        auto dialog = read_dialog_template(id);
        ASSERT_TRUE(dialog.has_value()) << id;
        for (const auto& [control, caption] : captions) {
            const DialogItem* item = dialog->item(control);
            ASSERT_NE(item, nullptr) << id << ":" << control;
            EXPECT_EQ(item->title, caption) << id << ":" << control;
        }
    }
}

TEST(DialogLayouts, MessageBoxesAndPickerHaveTheirButtons) {
    const std::map<int, std::map<int, std::wstring>> buttons = {
        {262, {{1, L"확인"}}}, {353, {{1, L"확인"}}}, {358, {{1, L"적용"}, {2, L"Cancel"}}},
        {400, {{1, L"OK"}, {2, L"Cancel"}}}};
    for (const auto& [id, expected] : buttons) {
        auto dialog = read_dialog_template(id);
        ASSERT_TRUE(dialog.has_value()) << id;
        for (const auto& [control, caption] : expected) {
            const DialogItem* item = dialog->item(control);
            ASSERT_NE(item, nullptr) << id << ":" << control;
            EXPECT_EQ(item->class_name, L"Button");
            EXPECT_EQ(item->title, caption) << id << ":" << control;
            EXPECT_NE(item->style & WS_VISIBLE, 0u) << id << ":" << control;
        }
    }
}

TEST(DialogLayouts, PickerListIsAnUnsortedDropDownListAtItsPlace) {
    auto dialog = read_dialog_template(400);
    ASSERT_TRUE(dialog.has_value());
    const DialogItem* list = dialog->item(401);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->class_name, L"ComboBox");
    EXPECT_EQ(list->style & 3u, DWORD{CBS_DROPDOWNLIST});
    EXPECT_EQ(list->style & CBS_SORT, 0u);
    EXPECT_EQ(list->style & (WS_CHILD | WS_VISIBLE), DWORD{WS_CHILD | WS_VISIBLE});
    EXPECT_EQ(list->x, 7);
    EXPECT_EQ(list->y, 62);
    EXPECT_EQ(list->cx, 275);
    EXPECT_EQ(list->cy, 26);
}

TEST(DialogLayouts, AboutBoxShowsIconTextAndDefaultButton) {
    auto dialog = read_dialog_template(100);
    ASSERT_TRUE(dialog.has_value());
    EXPECT_EQ(dialog->title, L"Configure 정보");
    const DialogItem* icon = dialog->item(1000);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->class_name, L"Static");
    EXPECT_EQ(icon->style & SS_TYPEMASK, DWORD{SS_ICON});
    EXPECT_EQ(icon->title_ordinal, 128);
    EXPECT_EQ(icon->x, 14);
    EXPECT_EQ(icon->y, 14);
    const DialogItem* text = dialog->item(1001);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->title, L"Configure, 버전 1.0");
    EXPECT_EQ(text->x, 42);
    EXPECT_EQ(text->y, 14);
    const DialogItem* ok = dialog->item(1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->title, L"확인");
    EXPECT_EQ(ok->style & BS_TYPEMASK, DWORD{BS_DEFPUSHBUTTON});
    EXPECT_EQ((std::vector<short>{ok->x, ok->y, ok->cx, ok->cy}), (std::vector<short>{113, 41, 50, 14}));
}

INT_PTR CALLBACK quiet_dialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Creates a layout as the program's dialogs do, but hidden: Wine without a window manager waits two seconds for
// every visible top-level window it is asked to withdraw, and being seen adds nothing to this check.
HWND create_hidden(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found) return nullptr;
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    std::vector<std::uint8_t> copy(data, data + SizeofResource(module, found));
    constexpr std::size_t kStyleOffset = 12; // after version, signature, help id and extended style
    DWORD style;
    std::memcpy(&style, copy.data() + kStyleOffset, sizeof style);
    style &= ~DWORD{WS_VISIBLE};
    std::memcpy(copy.data() + kStyleOffset, &style, sizeof style);
    return CreateDialogIndirectParamW(module, reinterpret_cast<const DLGTEMPLATE*>(copy.data()), nullptr,
                                      quiet_dialog, 0);
}

std::set<int> child_ids(HWND dialog) {
    std::set<int> ids;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ids.insert(GetDlgCtrlID(child));
    return ids;
}

int child_count(HWND dialog) {
    int count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
    return count;
}

TEST(DialogLayouts, EveryLayoutCreatesAWindowWithAllItsControls) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ASSERT_TRUE(InitCommonControlsEx(&controls));
    for (const auto& [id, expected] : expected_controls()) {
        SCOPED_TRACE(id);
        HWND dialog = create_hidden(id);
        ASSERT_NE(dialog, nullptr) << GetLastError();
        EXPECT_EQ(child_ids(dialog), expected);
        EXPECT_EQ(child_count(dialog), static_cast<int>(expected.size()));
        DestroyWindow(dialog);
    }
}

TEST(DialogLayouts, AboutBoxShowsTheProgramIcon) {
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(100), nullptr, quiet_dialog, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(SendDlgItemMessageW(dialog, 1000, STM_GETICON, 0, 0), 0);
    wchar_t text[64] = {};
    GetDlgItemTextW(dialog, 1001, text, 64);
    EXPECT_STREQ(text, L"Configure, 버전 1.0");
    DestroyWindow(dialog);
}

} // namespace
} // namespace dq::test
