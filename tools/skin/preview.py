"""Pictures of each window as the program will compose it from the bitmaps: the background with every button's
normal image at its place, and a second picture with selection markers, selected and hover looks. The texts that
the program draws itself (model, firmware, clock) and the picker's list are imitated so that their places can be
judged."""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

from layout import SETTINGS_WINDOWS, SMALL_WINDOWS, SettingsWindow, SmallWindow
from output import KEY
from skin import Skin

# Stand-in for the program's bold 12-pixel text font.
_TEXT_FONT = ImageFont.truetype("/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf", 12)
_LIST_FONT = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 11)
_DESKTOP = (92, 104, 120)

# Settings shown in the second picture: choice index per group, in the order of the layout's groups.
_MAIN_SELECTION = (0, 3, 2, 0, 0, 0, 3, 0)  # resolution 1080p, driving level 2, ... (index into group.choices)
_ADVANCED_SELECTION = (0, 0, 3, 1, 1, 0, 1, 1)
_HOVERED_ROW = 1


def _on_desktop(window: Image.Image) -> Image.Image:
    """Shows the cut corners as the desktop would."""
    shown = window.copy()
    pixels = shown.load()
    for y in range(shown.height):
        for x in range(shown.width):
            if pixels[x, y] == KEY:
                pixels[x, y] = _DESKTOP
    framed = Image.new("RGB", (shown.width + 24, shown.height + 24), _DESKTOP)
    framed.paste(shown, (12, 12))
    return framed


def _text(image: Image.Image, slots):
    draw = ImageDraw.Draw(image)
    for slot in slots:
        r = slot.rect
        draw.text((r.x, r.y + r.h / 2), slot.sample, font=_TEXT_FONT, fill=slot.colour, anchor="lm")


def _slider(image: Image.Image, skin: Skin, window: SettingsWindow, position: int, frame: int):
    slider = window.slider
    left = slider.thumb_left(position)
    w, h = slider.thumb_size
    blue = skin.image(slider.left_channel)
    yellow = skin.image(slider.right_channel)
    if left > slider.rect.x:
        image.paste(blue.resize((left - slider.rect.x, h)), (slider.rect.x, slider.rect.y))
    if slider.rect.right > left + w:
        image.paste(yellow.resize((slider.rect.right - left - w, h)), (left + w, slider.rect.y))
    thumb = skin.image(slider.thumb_strip).crop((frame * w, 0, frame * w + w, h))
    image.paste(thumb, (left, slider.rect.y))


def _settings_pictures(skin: Skin, window: SettingsWindow, selection) -> tuple[Image.Image, Image.Image]:
    plain = skin.image(window.background).copy()
    for group in window.groups:
        for choice in group.choices:
            plain.paste(skin.image(choice.normal), choice.rect.box[:2])
    for action in window.actions:
        plain.paste(skin.image(action.normal), action.rect.box[:2])
    live = plain.copy()
    if window.slider:
        _slider(plain, skin, window, 40, 3)   # default split: Thumb in the middle, disabled
        _slider(live, skin, window, 70, 1)    # custom split, Thumb under the mouse
    marker = skin.image(window.marker)
    for group, index in zip(window.groups, selection):
        for i, choice in enumerate(group.choices):
            if choice.kind == "row":
                look = choice.selected if i == index else choice.hover if i == _HOVERED_ROW else choice.normal
                live.paste(skin.image(look), choice.rect.box[:2])
            elif i == index:
                live.paste(marker, choice.radio_rect.box[:2])
    for action in window.actions:  # every action button in its hover look
        live.paste(skin.image(action.hover), action.rect.box[:2])
    for picture in (plain, live):
        _text(picture, window.info_fields + window.text_slots)
    return plain, live


def _mock_list(image: Image.Image, box: SmallWindow):
    r = box.list_rect
    draw = ImageDraw.Draw(image)
    draw.rectangle([r.x, r.y, r.right - 1, r.bottom - 1], fill=(255, 255, 255), outline=(122, 138, 153))
    draw.text((r.x + 4, r.y + r.h / 2), box.list_sample, font=_LIST_FONT, fill=(0, 0, 0), anchor="lm")
    ax, ay = r.right - 11, r.y + r.h / 2
    draw.polygon([(ax - 4, ay - 2), (ax + 4, ay - 2), (ax, ay + 2)], fill=(60, 60, 60))


def _small_pictures(skin: Skin, box: SmallWindow) -> tuple[Image.Image, Image.Image]:
    plain = skin.image(box.background).copy()
    live = plain.copy()
    for i, button in enumerate(box.buttons):
        f = button.frame
        strip = skin.image(button.strip)
        plain.paste(strip.crop((0, 0, f.w, f.h)), f.box[:2])
        frame = 1 if i == 0 else 0  # the first button under the mouse
        live.paste(strip.crop((frame * f.w, 0, frame * f.w + f.w, f.h)), f.box[:2])
    if box.list_rect:
        for picture in (plain, live):
            _mock_list(picture, box)
    return plain, live


def write_previews(skin: Skin, folder: Path):
    folder.mkdir(parents=True, exist_ok=True)
    pictures = {}
    for window, selection in zip(SETTINGS_WINDOWS, (_MAIN_SELECTION, _ADVANCED_SELECTION)):
        pictures[window.name] = _settings_pictures(skin, window, selection)
    for box in SMALL_WINDOWS:
        pictures[box.name] = _small_pictures(skin, box)
    for name, (plain, live) in pictures.items():
        _on_desktop(plain).save(folder / f"{name}.png", optimize=True)
        _on_desktop(live).save(folder / f"{name}_selected_hover.png", optimize=True)


def _states_sheet(skin: Skin) -> Image.Image:
    """Every look of every kind of button side by side, with the state strips, the slider pieces and the markers."""
    rows: list[tuple[str, list[Image.Image]]] = []
    for window in SETTINGS_WINDOWS:
        for action in window.actions:
            rows.append((f"{window.name} {action.caption or action.icon or action.kind}: normal, hover, pressed",
                         [skin.image(n) for n in (action.normal, action.hover, action.pressed)]))
        kinds_seen = set()
        for group in window.groups:
            for choice in group.choices:
                if choice.kind in kinds_seen:
                    continue
                kinds_seen.add(choice.kind)
                looks = [skin.image(choice.normal)]
                if choice.kind == "row":
                    looks += [skin.image(choice.hover), skin.image(choice.selected), skin.image(choice.pressed)]
                    label = "normal, hover, selected, pressed"
                else:
                    marked = skin.image(choice.normal).copy()
                    marked.paste(skin.image(window.marker), choice.radio)
                    looks += [marked, skin.image(choice.pressed)]
                    label = "normal, with marker, pressed"
                rows.append((f"{window.name} {choice.kind}: {label}", looks))
        if window.slider:
            s = window.slider
            rows.append(("slider Thumb: normal, hover, pressed, disabled; channels", [
                skin.image(s.thumb_strip).resize((s.thumb_size[0] * 12, s.thumb_size[1] * 3), Image.NEAREST),
                skin.image(s.left_channel).resize((s.thumb_size[0] * 3, s.thumb_size[1] * 3), Image.NEAREST),
                skin.image(s.right_channel).resize((s.thumb_size[0] * 3, s.thumb_size[1] * 3), Image.NEAREST)]))
    strips = {}
    for box in SMALL_WINDOWS:
        for button in box.buttons:
            strips.setdefault(button.strip, button.caption)
    for number, caption in strips.items():
        rows.append((f"strip {number} {caption}: normal, hover, pressed, disabled", [skin.image(number)]))
    width = 24 + max(sum(i.width + 12 for i in images) for _, images in rows)
    height = sum(max(i.height for i in images) + 30 for _, images in rows) + 12
    sheet = Image.new("RGB", (max(width, 560), height), (250, 251, 253))
    draw = ImageDraw.Draw(sheet)
    y = 10
    for label, images in rows:
        draw.text((12, y), label, font=_LIST_FONT, fill=(60, 60, 60))
        y += 16
        x = 12
        for image in images:
            sheet.paste(image, (x, y))
            x += image.width + 12
        y += max(i.height for i in images) + 14
    return sheet


def write_sheets(skin: Skin, folder: Path, icons: list[Image.Image]):
    _states_sheet(skin).save(folder / "button_states.png", optimize=True)
    sheet = Image.new("RGBA", (sum(i.width + 16 for i in icons) + 16, max(i.height for i in icons) + 32),
                      (255, 255, 255, 255))
    x = 16
    for image in icons:
        sheet.alpha_composite(image, (x, 16))
        x += image.width + 16
    sheet.convert("RGB").save(folder / "icon.png", optimize=True)
