"""A display of its own for runs at a DPI: Wine's server and desktop take the screen's size from the display they
start on; each program reads the LogPixels DPI when it starts, so a new DPI needs no restart."""
import contextlib
import os
import subprocess

from . import wine


@contextlib.contextmanager
def own_display(size="2900x1700"):   # by default room for both 200 % windows side by side
    shared, (read, write) = os.environ["DISPLAY"], os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24", "-nolisten", "tcp"],
                            pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as number:
        os.environ["DISPLAY"] = ":" + number.readline().strip()
    try:
        wine.restart_server()
        yield tuple(map(int, size.split("x")))
    finally:
        set_dpi(None)
        os.environ["DISPLAY"] = shared
        wine.restart_server()
        xvfb.terminate()
        xvfb.wait(10)


def set_dpi(dpi):
    """LogPixels for the programs started from now on; None: the default, 96."""
    value = ["/t", "REG_DWORD", "/d", str(dpi)] if dpi else []
    wine.run("reg", "add" if dpi else "delete", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", *value, "/f")
