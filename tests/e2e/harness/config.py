"""Where the build, the sources, the program and the helper are; set once by the entry script."""
import argparse
from pathlib import Path

_paths = {}


def parse(argv):
    """Reads --build-dir, --source-dir, --exe and --wininfo; returns the arguments it did not know."""
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--build-dir", required=True, type=Path)
    parser.add_argument("--source-dir", type=Path, default=Path(__file__).resolve().parents[3])
    parser.add_argument("--exe", required=True, type=Path)
    parser.add_argument("--wininfo", required=True, type=Path)
    known, rest = parser.parse_known_args(argv)
    _paths.update({key: value.resolve() for key, value in vars(known).items()})
    return rest


def build_dir():
    return _paths["build_dir"]


def source_dir():
    return _paths["source_dir"]


def exe():
    return _paths["exe"]


def wininfo():
    return _paths["wininfo"]


def work_dir():
    """Scratch space of the end-to-end runs, inside the build folder."""
    path = build_dir() / "e2e-work"
    path.mkdir(parents=True, exist_ok=True)
    return path
