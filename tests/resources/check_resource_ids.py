#!/usr/bin/env python3
"""Checks that the resource identifiers are unique where the platform needs them to be: every name defined once,
no two dialog layouts, bitmaps or controls of one window sharing a number, and the resource list of the bitmaps
naming each bitmap once and every named bitmap.

    check_resource_ids.py RES_FOLDER
"""
import re
import sys
from collections import Counter
from pathlib import Path

DEFINE = re.compile(r"^\s*#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+)\b")
BITMAP = re.compile(r'^\s*(\d+)\s+PNG\s+"([^"]+)"')

# Families whose numbers must not repeat: one resource type each, or the controls of one window.
FAMILIES = ("IDD_", "IDB_", "IDC_MAIN_", "IDC_ADV_")


def duplicates(values) -> list:
    return sorted(v for v, n in Counter(values).items() if n > 1)


def main(res: Path) -> list[str]:
    problems = []
    defines = [(m.group(1), int(m.group(2), 0))
               for m in map(DEFINE.match, (res / "resource.h").read_text(encoding="utf-8").splitlines()) if m]
    for name in duplicates(name for name, _ in defines):
        problems.append(f"{name} is defined more than once")
    for family in FAMILIES:
        members = [(name, value) for name, value in defines if name.startswith(family)]
        for value in duplicates(value for _, value in members):
            names = ", ".join(name for name, v in members if v == value)
            problems.append(f"{names} share the number {value}")
    listed = [int(m.group(1)) for m in map(BITMAP.match, (res / "bitmaps" / "bitmaps.rc").read_text(
        encoding="utf-8").splitlines()) if m]
    for value in duplicates(listed):
        problems.append(f"bitmap {value} is listed more than once")
    for name, value in defines:
        if name.startswith("IDB_") and value not in listed:
            problems.append(f"{name} ({value}) has no bitmap in the resource list")
    return problems


if __name__ == "__main__":
    found = main(Path(sys.argv[1]))
    for problem in found:
        print(problem)
    sys.exit(1 if found else 0)
