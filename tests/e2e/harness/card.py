"""A camera card for the tests: a folder with the parameter folder, the camera's files and the tool as the marker.

Writes that must really fail do so even for root: `chattr +i` (immutable file), a read-only bind mount (a
write-protected card) and a small tmpfs (a full card). Every such change is undone by cleanup().
"""
import shutil
import subprocess
import tempfile
from pathlib import Path

from . import config

PARAMETER_FOLDER = "DQ-918LX_Parameter"
EXE_NAME = "DQ_configure.exe"

# The 24 keys in the order of the settings file.
KEYS = ["Resolution", "Date", "Time", "Voltage", "Accelerator", "Display MISC", "Driving Mode Accelerator",
        "Parking Accelerator", "Auto Parking", "Parking Motion", "Night Bright", "Speaker Volume", "MIC Volume",
        "Video Out Standard", "Encoding Profile", "Bit rate", "Driving Mode Frame", "Parking Mode Frame",
        "Parking Black and White", "Video OUT", "GPS Speed Display", "Memory Partition", "Partition Territory",
        "Time zone"]

DEFAULTS = dict(zip(KEYS, [0, 1, 1, 1, 1, 1, 2, 2, 1, 2, 3, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 21]))

VERSION_TEXT = b"Model=DQ-918LX\r\nVersion=v1.02.15\r\n"


def settings_bytes(values):
    """config.txt as the tool writes it: one key=value line per setting in table order, CR LF line ends."""
    return "".join(f"{key}={values[key]}\r\n" for key in KEYS).encode("ascii")


def parse_settings(data):
    """{key: value} of a config.txt written by the tool."""
    result = {}
    for line in data.decode("ascii").split("\r\n"):
        if line:
            key, value = line.split("=", 1)
            result[key] = int(value)
    return result


def _run(*args):
    subprocess.run(list(map(str, args)), check=True, stdin=subprocess.DEVNULL, capture_output=True)


class Card:
    """One card. `root` is what a drive letter maps to; the tool's files are in root/DQ-918LX_Parameter."""

    def __init__(self, settings=None, version=VERSION_TEXT, marker=True):
        self._base = Path(tempfile.mkdtemp(prefix="card-", dir=config.work_dir()))
        self.root = self._base / "card"
        self.folder.mkdir(parents=True)
        self._immutable = []
        self._mounts = []
        if settings is not None:
            self.write("config.txt", settings if isinstance(settings, bytes) else settings_bytes(settings))
        if version is not None:
            self.write("ver.txt", version)
        if marker:
            shutil.copyfile(config.exe(), self.folder / EXE_NAME)

    @property
    def folder(self):
        return self.root / PARAMETER_FOLDER

    def path(self, name):
        return self.folder / name

    def write(self, name, data):
        self.path(name).write_bytes(data)

    def read(self, name):
        return self.path(name).read_bytes()

    def exists(self, name):
        return self.path(name).exists()

    def snapshot(self):
        """Name -> (bytes, mtime) of every file in the parameter folder."""
        return {p.name: (p.read_bytes(), p.stat().st_mtime_ns) for p in sorted(self.folder.iterdir()) if p.is_file()}

    def make_immutable(self, name):
        """No write, no delete, no rename over it, even for root."""
        path = self.path(name)
        if not path.exists():
            path.write_bytes(b"")
        _run("chattr", "+i", path)
        self._immutable.append(path)

    def make_mutable(self, name):
        path = self.path(name)
        _run("chattr", "-i", path)
        self._immutable.remove(path)

    def write_protect(self):
        """Shows the card through a read-only bind mount, as a card with its lock switch set."""
        mount_point = self._base / "write-protected"
        mount_point.mkdir()
        _run("mount", "--bind", self.root, mount_point)
        self._mounts.append(mount_point)
        _run("mount", "-o", "remount,bind,ro", mount_point)
        self.root = mount_point

    def fill_up(self):
        """Moves the card onto a tmpfs just big enough for its files and fills the rest, as a full card."""
        needed = sum(p.stat().st_size for p in self.folder.iterdir()) + 64 * 1024
        mount_point = self._base / "full"
        mount_point.mkdir()
        _run("mount", "-t", "tmpfs", "-o", f"size={needed}", "tmpfs", mount_point)
        self._mounts.append(mount_point)
        shutil.copytree(self.root, mount_point, dirs_exist_ok=True)
        self.root = mount_point
        with open(mount_point / "filler.bin", "wb", buffering=0) as filler:
            try:
                while True:
                    filler.write(b"\0" * 4096)
            except OSError:
                pass

    def cleanup(self):
        for path in list(self._immutable):
            subprocess.run(["chattr", "-i", str(path)], check=False, capture_output=True)
        self._immutable.clear()
        for mount_point in reversed(self._mounts):
            subprocess.run(["umount", "-l", str(mount_point)], check=False, capture_output=True)
        self._mounts.clear()
        shutil.rmtree(self._base, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.cleanup()
