"""Wine of the build's prefix: its environment, the wininfo helper and the drive letters of the prefix."""
import os
import subprocess
import tempfile
from dataclasses import dataclass

from . import config


def env():
    """The environment of every Wine process of the tests (the prefix of the build folder, no Wine chatter)."""
    result = dict(os.environ)
    result["WINEPREFIX"] = str(config.build_dir() / "wineprefix")
    result["WINEDEBUG"] = "-all"
    result["WINEDLLOVERRIDES"] = "mscoree,mshtml="
    return result


def prefix():
    return config.build_dir() / "wineprefix"


def run(*args, timeout=60):
    """Runs a Wine program to its end and returns its exit code and standard output.

    The output goes through a file, not a pipe: the first program that needs the desktop starts Wine's
    explorer.exe, which inherits the output handles and lives on, so a pipe would never reach its end."""
    with tempfile.TemporaryFile() as out:
        done = subprocess.run(["wine", *map(str, args)], env=env(), stdin=subprocess.DEVNULL, stdout=out,
                              stderr=subprocess.DEVNULL, timeout=timeout, check=False)
        out.seek(0)
        return done.returncode, out.read().decode("utf-8", "replace")


def wininfo(*args):
    code, out = run(config.wininfo(), *args)
    return code, out


@dataclass
class Window:
    hwnd: str
    pid: int
    visible: bool
    left: int
    top: int
    right: int
    bottom: int
    class_name: str
    title: str

    @property
    def width(self):
        return self.right - self.left

    @property
    def height(self):
        return self.bottom - self.top


@dataclass
class Control:
    id: int
    class_name: str
    visible: bool
    left: int
    top: int
    right: int
    bottom: int


def windows():
    """Every top-level window of the Wine session."""
    _, out = wininfo("list")
    result = []
    for line in out.splitlines():
        parts = line.split("\t")
        if len(parts) < 9:
            continue
        hwnd, pid, visible, left, top, right, bottom, class_name, title = parts[:9]
        result.append(Window(hwnd, int(pid), visible == "1", int(left), int(top), int(right), int(bottom),
                             class_name, title))
    return result


def children(window):
    """Direct child controls of a window given by title or 0x handle; empty when the window is gone."""
    code, out = wininfo("children", window)
    if code != 0:
        return []
    result = []
    for line in out.splitlines():
        cid, class_name, visible, left, top, right, bottom = line.split("\t")[:7]
        result.append(Control(int(cid), class_name, visible == "1", int(left), int(top), int(right), int(bottom)))
    return result


def process_figures(window):
    """pid, gdi_objects, windows, handles, peak_working_set, working_set of the process owning `window`."""
    code, out = wininfo("process", window)
    if code != 0:
        return None
    return {key: int(value) for key, value in (line.split("=", 1) for line in out.splitlines() if "=" in line)}


def foreground_title():
    _, out = wininfo("foreground")
    parts = out.rstrip("\n").split("\t")
    return parts[1] if len(parts) > 1 else ""


def capture_held(window):
    """Whether a window holds the mouse capture on the thread of `window` (given by title or 0x handle)."""
    code, out = wininfo("capture", window)
    return code == 0 and int(out.strip() or "0", 16) != 0


def post_close(window):
    """The close command of the taskbar button's menu (WM_SYSCOMMAND SC_CLOSE)."""
    return wininfo("sysclose", window)[0] == 0


def post_syscommand(window, command):
    return wininfo("syscommand", window, str(command))[0] == 0


def drive_type(letter):
    """GetDriveTypeW of the letter as the programs of the prefix see it."""
    _, out = wininfo("drivetype", letter)
    return int(out.strip() or 0)


# Drive types as the registry of the prefix names them, and GetDriveTypeW's answer for each.
DRIVE_TYPES = {"floppy": 2, "hd": 3, "cdrom": 5}


def link_drive(letter, folder):
    """Makes `folder` drive `letter` (None unmaps it). Wine follows a changed link at once."""
    link = prefix() / "dosdevices" / f"{letter.lower()}:"
    if link.is_symlink() or link.exists():
        link.unlink()
    if folder is not None:
        link.symlink_to(folder)


def ensure_drive_types(types):
    """Gives each letter of `types` ({"E": "floppy"}) its registry type. The mount manager reads the types only
    when Wine's services start, so the wineserver is restarted when any letter reports another type."""
    def wrong():
        return [letter for letter, kind in types.items() if drive_type(letter) != DRIVE_TYPES[kind]]

    for letter in types:
        if not (prefix() / "dosdevices" / f"{letter.lower()}:").exists():
            link_drive(letter, config.work_dir())
    if not wrong():
        return
    for letter, kind in types.items():
        run("reg", "add", r"HKLM\Software\Wine\Drives", "/v", f"{letter.lower()}:", "/t", "REG_SZ", "/d", kind, "/f")
    restart_server()
    still_wrong = wrong()
    if still_wrong:
        raise RuntimeError(f"drive types not taken by Wine for {still_wrong}")


def restart_server():
    """Ends the wineserver of the prefix and starts a persistent one with Wine's services again."""
    quiet = dict(stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env())
    subprocess.run(["wineserver", "-k"], check=False, **quiet)
    subprocess.run(["wineserver", "-w"], check=False, **quiet)
    subprocess.run(["wineserver", "-p"], check=False, **quiet)
    subprocess.run(["wine", "wineboot"], check=False, timeout=120, **quiet)
