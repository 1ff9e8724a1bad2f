// Reads an extended dialog template (DLGTEMPLATEEX) from the program's resources, so that a test sees exactly
// what the resource compiler wrote: styles, sizes in dialog units, font, title and every item.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace dq::test {

struct DialogItem {
    int id = 0;
    DWORD style = 0;
    DWORD ex_style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring class_name; // predefined classes by name: "Button", "Static", "ComboBox", ...
    std::wstring title;
    int title_ordinal = 0;   // a resource number given as the title (the about box's icon)
};

struct DialogTemplate {
    DWORD style = 0;
    DWORD ex_style = 0;
    short cx = 0, cy = 0;
    std::wstring title;
    int font_points = 0;
    std::wstring font_face;
    std::vector<DialogItem> items;

    const DialogItem* item(int id) const;
};

// Empty when the layout is missing or is not an extended template.
std::optional<DialogTemplate> read_dialog_template(int id);

} // namespace dq::test
