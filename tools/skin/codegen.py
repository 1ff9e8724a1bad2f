"""Writes the layout as the program reads it: res/resource.h with every identifier, and the windows' C++ tables
(buttons with their rectangles, images and values, markers, hover insets, the slider, text rectangles and font
heights, the boxes' buttons and the time zone list), one set per display scale."""
from fractions import Fraction

import identifiers
import layout
import scaling
from geometry import Rect
from layout import ADVANCED, MAIN, MARKER, SMALL_WINDOWS, Action, Choice

GENERATED = "// Written by tools/skin/generate.py from tools/skin/layout.py; do not edit by hand."
CPP_GENERATED = GENERATED + "\n// clang-format off"


def row_constant(key: str) -> str:
    """card::SettingRow's enumerator of a row: "MIC Volume" -> card::kMicVolume."""
    return "card::k" + "".join(word[0].upper() + word[1:].lower() for word in key.split())


# ---- res/resource.h ------------------------------------------------------------------------------------------------

def _settings_window_ids(window) -> tuple[list, list]:
    images, controls = [window.background, window.marker], []
    for action in window.actions:
        images += [action.normal, action.pressed, action.hover]
        controls.append(action.control)
    for choice in window.choices:
        controls.append(choice.control)
        if choice.kind != "hidden":
            images += [choice.normal, choice.pressed] + [i for i in (choice.hover, choice.selected) if i]
    if window.slider:
        s = window.slider
        images += [s.thumb_strip, s.left_channel, s.right_channel]
        controls += [s.control, s.thumb]
    return images, controls


def _unique(ids) -> list:
    """Each identifier once; a name given two numbers is a fault of the layout (two controls or bitmaps of one
    window sharing a number are caught by the resource test of the identifiers)."""
    seen: dict[str, int] = {}
    for i in ids:
        if i.name in identifiers.PLATFORM_NAMES:
            continue
        if seen.setdefault(i.name, int(i)) != int(i):
            raise ValueError(f"{i.name} is given two numbers")
    return sorted(seen.items(), key=lambda item: item[1])


def resource_header() -> str:
    main_images, main_controls = _settings_window_ids(MAIN)
    adv_images, adv_controls = _settings_window_ids(ADVANCED)
    box_images, box_controls = [], []
    for box in SMALL_WINDOWS:
        box_images += [box.background] + [b.strip for b in box.buttons]
        if box.list_control:
            box_controls.append(box.list_control)
    shared = set(i.name for i in main_images) & set(i.name for i in adv_images)
    sections = [
        ("Dialog layouts", identifiers.DIALOG_LAYOUTS),
        ("Icon, strings, system menu", identifiers.PROGRAM),
        ("Main window bitmaps", main_images),
        ("Advanced window bitmaps (those of the main window's that it shares are above)",
         [i for i in adv_images if i.name not in shared]),
        ("Message boxes and the time zone picker", box_images),
        ("Controls of the main window (layout 102)", main_controls),
        ("Controls of the advanced window (layout 298)", adv_controls),
        ("Other controls", box_controls + list(identifiers.ABOUT_CONTROLS)),
    ]
    lines = [GENERATED,
             "// Resource identifiers. The numbers are part of the program's contract with its resources.",
             "#pragma once", ""]
    everything: dict[str, int] = {}
    for title, ids in sections:
        heading = f"// ---- {title} "
        lines.append(heading + "-" * (120 - len(heading)))
        for name, number in _unique(ids):
            if everything.setdefault(name, number) != number:
                raise ValueError(f"{name} is given two numbers")
            lines.append(f"#define {name} {hex(number) if name == 'IDM_ABOUTBOX' else number}")
        lines.append("")
    return "\n".join(lines)


# ---- C++ tables ----------------------------------------------------------------------------------------------------

def _point(x: int, y: int) -> str:
    return f"{{{x}, {y}}}"


def _rect(r: Rect) -> str:
    return f"RECT{{{r.x}, {r.y}, {r.right}, {r.bottom}}}"


def _name(i) -> str:
    return i.name if i else "0"


def _button(control, r: Rect, normal, pressed, focused, hover, inset: int) -> str:
    return (f"{{{_name(control)}, {_point(r.x, r.y)}, {_point(r.w, r.h)}, {_name(normal)}, {_name(pressed)}, "
            f"{_name(focused)}, {_name(hover)}, {inset}}}")


def _action(a: Action, s: Fraction) -> str:
    return _button(a.control, scaling.rect(a.rect, s), a.normal, a.pressed, a.hover if a.focused else None, a.hover,
                   scaling.length(a.hover_inset, s))


def _choice(c: Choice, s: Fraction) -> str:
    r = scaling.rect(c.rect, s)
    if c.kind == "hidden":
        button = _button(c.control, r, None, None, None, None, 0)
        marker = _point(0, 0)
    else:
        button = _button(c.control, r, c.normal, c.pressed, None, c.hover, 0)
        marker = _point(0, 0) if c.selected else _point(scaling.edge(c.radio_rect.x, s),
                                                         scaling.edge(c.radio_rect.y, s))
    return (f"{{{button}, {row_constant(c.row)}, {c.value}, skin::Selection::{c.selection}, {marker}, "
            f"{_name(c.selected)}}}")


def _list(items: list[str], indent: str) -> str:
    return "{{\n" + "".join(f"{indent}    {item},\n" for item in items) + f"{indent}}}}}"


def _ids_array(name: str, ids) -> str:
    names = [i.name for i in ids]
    rows = [", ".join(names[k:k + 4]) for k in range(0, len(names), 4)]
    return f"inline constexpr std::array<UINT, {len(ids)}> {name}{{\n    " + ",\n    ".join(rows) + "};\n"


def _window_header(namespace: str, window, extra_fields: list[str], extra_values) -> str:
    choices = window.choices
    fields = ["SIZE window;",
              f"std::array<skin::ButtonLayout, {len(window.actions)}> actions;  // in the hover overlay's order",
              f"std::array<skin::Choice, {len(choices)}> choices;  // in creation order",
              "SIZE marker;  // the Selection marker's size"] + extra_fields
    sets = []
    for s in scaling.SCALES:
        values = [_point(scaling.edge(window.size[0], s), scaling.edge(window.size[1], s)),
                  _list([_action(a, s) for a in window.actions], "        "),
                  _list([_choice(c, s) for c in choices], "        "),
                  _point(scaling.length(MARKER, s), scaling.length(MARKER, s))] + extra_values(s)
        body = "".join(f"        {v},\n" for v in values)
        sets.append(f"    // {scaling.percent(s)} %\n    {{\n{body}    }},\n")
    return (f"{CPP_GENERATED}\n#pragma once\n\n#include <windows.h>\n\n#include <array>\n\n#include \"card/core/setting_rows.h\"\n"
            f"#include \"res/resource.h\"\n#include \"ui/skin/button_layout.h\"\n#include \"ui/skin/choice.h\"\n\n"
            f"namespace {namespace} {{\n\n"
            f"// The window's geometry at one display scale, in that scale's pixels.\nstruct Layout {{\n"
            + "".join(f"  {f}\n" for f in fields) + "};\n\n"
            + "// The Choice buttons' control identifiers: a click on one of these, and only these, is a choice.\n"
            + _ids_array("kChoiceIds", [c.control for c in choices]) + "\n"
            + f"// One per skin scale: {', '.join(f'{scaling.percent(s)} %' for s in scaling.SCALES)}.\n"
            + f"inline constexpr Layout kLayouts[] = {{\n{''.join(sets)}}};\n\n}}  // namespace {namespace}\n")


def _slot(window, name: str):
    return next(t for t in window.text_slots + window.info_fields if t.name == name)


def main_header() -> str:
    def extra(s):
        clock = _slot(MAIN, "clock")
        return [_rect(scaling.rect(_slot(MAIN, "model").rect, s)), _rect(scaling.rect(_slot(MAIN, "firmware").rect, s)),
                _rect(scaling.rect(clock.rect, s)), str(scaling.edge(layout.CLOCK_SECONDS_LEFT, s)),
                str(scaling.length(clock.font_height, s))]

    fields = ["RECT modelLine, firmwareLine;  // the Version table's lines",
              "RECT clockLine;",
              "int clockSecondsLeft;  // where the line's seconds start in its intended font",
              "int textHeight;  // of the font of the three lines"]
    return _window_header("main_window::layout", MAIN, fields, extra)


def advanced_header() -> str:
    slider = ADVANCED.slider

    def extra(s):
        return [_rect(scaling.rect(slider.rect, s)), str(scaling.edge(slider.band_right, s)),
                str(scaling.length(slider.rect.h, s))]

    fields = ["RECT slider;  // the partition slider in the window",
              "int sliderBandRight;  // its channel's band is painted up to here, in the slider's pixels",
              "int sliderBandHeight;"]
    return _window_header("advanced::layout", ADVANCED, fields, extra)


def dialogs_header() -> str:
    def button(caption: str) -> Rect:
        rects = {b.rect for box in SMALL_WINDOWS for b in box.buttons if b.caption == caption}
        if len(rects) != 1:
            raise ValueError(f"the boxes' {caption} buttons do not share one place")
        return rects.pop()

    picker = next(box for box in SMALL_WINDOWS if box.list_rect)
    fields = ["RECT ok;  // the OK of the no-card and closing boxes",
              "RECT apply, cancel;  // of the notice and the time zone picker",
              "RECT timeZoneList;  // the picker's closed list",
              "int listFontHeight;  // the list's em height in pixels (a negative LOGFONT height)"]
    sets = []
    for s in scaling.SCALES:
        values = [_rect(scaling.rect(button(c), s)) for c in ("OK", "Apply", "Cancel")]
        values += [_rect(scaling.rect(picker.list_rect, s)), str(scaling.length(layout.LIST_FONT_HEIGHT, s))]
        sets.append(f"    // {scaling.percent(s)} %\n    {{\n" + "".join(f"        {v},\n" for v in values) + "    },\n")
    return (f"{CPP_GENERATED}\n#pragma once\n\n#include <windows.h>\n\nnamespace dialogs::layout {{\n\n"
            "// The boxes' and the picker's geometry at one display scale, in that scale's pixels.\nstruct Layout {\n"
            + "".join(f"  {f}\n" for f in fields) + "};\n\n"
            + f"inline constexpr Layout kLayouts[] = {{\n{''.join(sets)}}};\n\n}}  // namespace dialogs::layout\n")


def scales_header() -> str:
    percents = ", ".join(str(scaling.percent(s)) for s in scaling.SCALES)
    types = ", ".join(f'L"{scaling.resource_type(s)}"' for s in scaling.SCALES)
    return (f"{CPP_GENERATED}\n#pragma once\n\nnamespace skin {{\n\n"
            "// The display scales the skin is drawn at; the layouts' kLayouts[] and the bitmap sets follow this order.\n"
            f"inline constexpr int kSkinScalePercents[] = {{{percents}}};\n"
            "// The resource type of each set's PNG images, which carry the same numbers in every set.\n"
            f"inline constexpr const wchar_t* kSkinResourceTypes[] = {{{types}}};\n\n}}  // namespace skin\n")


# Where each generated source goes, from the repository's root.
SOURCES = {
    "ui/skin/skin_scales.h": scales_header,
    "res/resource.h": resource_header,
    "ui/main/main_layout.h": main_header,
    "ui/advanced/advanced_layout.h": advanced_header,
    "ui/dialogs/dialog_layout.h": dialogs_header,
}
