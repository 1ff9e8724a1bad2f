#!/usr/bin/env python3
"""Draws every bitmap and the icon of DQ_configure from the skin description and writes them into res/, together
with the resource list of the bitmaps, the identifiers and the windows' C++ tables, and the preview pictures of
each window.

    /usr/bin/python3 tools/skin/generate.py           # write res/, the generated sources and tools/skin/preview
    /usr/bin/python3 tools/skin/generate.py --check   # only report whether the committed files are up to date
"""
import argparse
import sys
import tempfile
from pathlib import Path

from PIL import Image

import codegen
import icon
import output
import preview
import scaling
from skin import Skin, render

REPO = Path(__file__).resolve().parents[2]
RES = REPO / "res"
PREVIEW = Path(__file__).resolve().parent / "preview"


def write_resources(skins: list[Skin], res: Path):
    """Every set's images (100 % in res/bitmaps, the others in a folder per scale), their resource list and the
    icon; files that no set draws any more go."""
    bitmaps = res / "bitmaps"
    bitmaps.mkdir(parents=True, exist_ok=True)
    files = {f"{scaling.folder(skin.scale)}{output.png_name(name)}": image
             for skin in skins for name, image in skin.bitmaps.values()}
    for stale in bitmaps.rglob("*.*"):
        if stale.relative_to(bitmaps).as_posix() not in files and stale.name != "bitmaps.rc":
            stale.unlink()
    for relative, image in files.items():
        (bitmaps / relative).parent.mkdir(parents=True, exist_ok=True)
        (bitmaps / relative).write_bytes(output.png_bytes(image))
    listing = [(scaling.resource_type(skin.scale), number, f"{scaling.folder(skin.scale)}{output.png_name(name)}")
               for skin in skins for number, (name, _) in skin.bitmaps.items()]
    (bitmaps / "bitmaps.rc").write_text(output.resource_list(listing), encoding="utf-8")
    (res / "icon").mkdir(exist_ok=True)
    (res / "icon" / "DQ_configure.ico").write_bytes(icon.ico_bytes([icon.render(s) for s in icon.SIZES]))


def write_sources(root: Path):
    for relative, text in codegen.SOURCES.items():
        (root / relative).parent.mkdir(parents=True, exist_ok=True)
        (root / relative).write_text(text(), encoding="utf-8")


def source_differences(root: Path) -> list[str]:
    """Generated sources under root that do not match what the layout gives now."""
    return [relative for relative, text in codegen.SOURCES.items()
            if not (root / relative).is_file() or (root / relative).read_text(encoding="utf-8") != text()]


def same_content(made: Path, committed: Path) -> bool:
    """Images by their decoded pixels, so that another zlib's bytes never count as a change; text as text."""
    if made.suffix in (".png", ".ico"):
        with Image.open(made) as a, Image.open(committed) as b:
            return frames(a) == frames(b)
    if made.suffix == ".rc":
        return made.read_text(encoding="utf-8") == committed.read_text(encoding="utf-8")
    return made.read_bytes() == committed.read_bytes()


def frames(image: Image.Image) -> list[tuple]:
    """Mode, size and pixels of an image, and of each size of an icon."""
    if image.format == "ICO":
        sizes = sorted(image.ico.sizes())
        return [(size, image.ico.getimage(size).convert("RGBA").tobytes()) for size in sizes]
    return [(image.format, image.mode, image.size, image.tobytes())]


def differences(skins: list[Skin], res: Path) -> list[str]:
    """Files under res/ that do not match what the description draws now."""
    with tempfile.TemporaryDirectory() as fresh:
        write_resources(skins, Path(fresh))
        changed = []
        for made in sorted(Path(fresh).rglob("*")):
            if made.is_file():
                relative = made.relative_to(fresh)
                committed = res / relative
                if not committed.is_file() or not same_content(made, committed):
                    changed.append(str(relative))
        def listed(root: Path) -> set[str]:
            return {p.relative_to(root).as_posix() for p in (root / "bitmaps").rglob("*") if p.is_file()}

        extra = listed(res) - listed(Path(fresh))
        return changed + sorted(f"{name} (not drawn any more)" for name in extra)


def render_all() -> list[Skin]:
    """The skin at every scale, 100 % first."""
    return [render(scale) for scale in scaling.SCALES]


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="compare with the committed files, write nothing")
    args = parser.parse_args()
    skins = render_all()
    if args.check:
        changed = [f"res/{name}" for name in differences(skins, RES)] + source_differences(REPO)
        for name in changed:
            print(f"out of date: {name}")
        return 1 if changed else 0
    write_resources(skins, RES)
    write_sources(REPO)
    preview.write_previews(skins[0], PREVIEW)
    preview.write_sheets(skins[0], PREVIEW, [icon.render(s) for s in icon.SIZES])
    print(f"{len(skins[0].bitmaps)} bitmaps at {len(skins)} scales, the icon and the previews written")
    return 0


if __name__ == "__main__":
    sys.exit(main())
