"""Reads the named identifiers of res/resource.h, so the skin table refers to bitmaps and controls by name."""
import re
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
RESOURCE_H = REPO / "res" / "resource.h"

_DEFINE = re.compile(r"^\s*#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+)\b")

# Identifiers of the platform that the layouts use without defining them.
_PLATFORM = {"IDOK": 1, "IDCANCEL": 2}


def read_ids(path: Path = RESOURCE_H) -> dict[str, int]:
    ids = dict(_PLATFORM)
    for line in path.read_text(encoding="utf-8").splitlines():
        match = _DEFINE.match(line)
        if match:
            ids[match.group(1)] = int(match.group(2), 0)
    return ids


IDS = read_ids()
