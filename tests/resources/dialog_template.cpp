#include "dialog_template.h"

#include <cstdint>
#include <cstring>

namespace dq::test {
namespace {

class Reader {
public:
    explicit Reader(const std::uint8_t* data) : start_(data), p_(data) {}

    template <typename T> T take() {
        T value;
        std::memcpy(&value, p_, sizeof value);
        p_ += sizeof value;
        return value;
    }

    std::wstring text() {
        std::wstring s;
        for (wchar_t c; (c = static_cast<wchar_t>(take<std::uint16_t>())) != 0;) s += c;
        return s;
    }

    // A "string or ordinal" field: 0 (nothing), 0xFFFF followed by a number, or a zero-terminated text.
    void text_or_ordinal(std::wstring& text_out, int& ordinal_out) {
        const auto first = take<std::uint16_t>();
        if (first == 0) return;
        if (first == 0xFFFF) {
            ordinal_out = take<std::uint16_t>();
            return;
        }
        text_out = static_cast<wchar_t>(first) + text();
    }

    void align_to_dword() {
        while ((p_ - start_) % 4) ++p_;
    }

    void skip(std::size_t bytes) { p_ += bytes; }

private:
    const std::uint8_t* start_;
    const std::uint8_t* p_;
};

std::wstring predefined_class(int atom) {
    switch (atom) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"#" + std::to_wstring(atom);
    }
}

} // namespace

const DialogItem* DialogTemplate::item(int id) const {
    for (const DialogItem& it : items)
        if (it.id == id) return &it;
    return nullptr;
}

std::optional<DialogTemplate> read_dialog_template(int id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!found) return std::nullopt;
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
    if (!data) return std::nullopt;

    Reader in(data);
    DialogTemplate dialog;
    if (in.take<std::uint16_t>() != 1 || in.take<std::uint16_t>() != 0xFFFF) return std::nullopt;
    in.take<DWORD>(); // help id
    dialog.ex_style = in.take<DWORD>();
    dialog.style = in.take<DWORD>();
    const int count = in.take<std::uint16_t>();
    in.take<short>(); // x
    in.take<short>(); // y
    dialog.cx = in.take<short>();
    dialog.cy = in.take<short>();
    std::wstring unused_text;
    int unused_ordinal = 0;
    in.text_or_ordinal(unused_text, unused_ordinal); // menu
    in.text_or_ordinal(unused_text, unused_ordinal); // window class
    dialog.title = in.text();
    if (dialog.style & DS_SETFONT) {
        dialog.font_points = in.take<std::uint16_t>();
        in.take<std::uint16_t>(); // weight
        in.take<std::uint8_t>();  // italic
        in.take<std::uint8_t>();  // character set
        dialog.font_face = in.text();
    }
    for (int i = 0; i < count; ++i) {
        in.align_to_dword();
        DialogItem item;
        in.take<DWORD>(); // help id
        item.ex_style = in.take<DWORD>();
        item.style = in.take<DWORD>();
        item.x = in.take<short>();
        item.y = in.take<short>();
        item.cx = in.take<short>();
        item.cy = in.take<short>();
        item.id = static_cast<int>(in.take<DWORD>());
        int class_atom = 0;
        in.text_or_ordinal(item.class_name, class_atom);
        if (class_atom) item.class_name = predefined_class(class_atom);
        in.text_or_ordinal(item.title, item.title_ordinal);
        in.skip(in.take<std::uint16_t>()); // creation data
        dialog.items.push_back(item);
    }
    return dialog;
}

} // namespace dq::test
