"""DQ_configure.exe as a running process: started from a drive of the prefix, its windows found, its pixels checked."""
import subprocess
import time

from PIL import ImageChops

from . import config, layout, mouse, screen, skin, wine
from .waiting import wait_until


class Tool:
    """One run of the tool. `windows_path` is the program as Wine sees it, e.g. E:\\DQ-918LX_Parameter\\..."""

    def __init__(self, windows_path, name="tool"):
        self.stdout_path = config.work_dir() / f"{name}.stdout"
        self._stdout = open(self.stdout_path, "wb")
        self.started_at = time.time()
        self.process = subprocess.Popen(["wine", windows_path], env=wine.env(), stdin=subprocess.DEVNULL,
                                        stdout=self._stdout, stderr=subprocess.DEVNULL)
        self.window = None   # the main window as last located

    # ---- process ---------------------------------------------------------------------------------------------------
    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stdout(self):
        if not self._stdout.closed:
            self._stdout.flush()
        return self.stdout_path.read_bytes().decode("ascii", "replace")

    def stop(self):
        """Ends the process if the test left it running (never by name: only this process)."""
        if self.running():
            self.process.kill()
            self.process.wait(timeout=10)
        self._stdout.close()

    # ---- windows ---------------------------------------------------------------------------------------------------
    def main_window(self):
        """The visible main window, or None."""
        for window in wine.windows():
            if window.title == layout.TITLE and window.visible:
                return window
        return None

    def main_window_exists(self):
        """The main window exists, shown or hidden (it is hidden while the closing message shows)."""
        return any(w.title == layout.TITLE for w in wine.windows())

    def wait_main_window(self, timeout=30):
        """Waits until the main window is shown, painted and its first Marker refresh has run."""
        self.window = wait_until(self.main_window, timeout, 0.1)
        if not self.window:
            raise AssertionError(f"no main window after {timeout} s; stdout: {self.stdout()!r}")
        painted = wait_until(lambda: self.background_matches(layout.BACKGROUND_PROBE), 10)
        if not painted:
            raise AssertionError("the main window's background never showed")
        return self.window

    def refresh_position(self):
        self.window = self.main_window()
        return self.window

    def dialogs(self, pid=None):
        """Visible untitled windows of the message-box size: message boxes and the time zone picker."""
        pid = pid if pid is not None else (self.window.pid if self.window else None)
        return [w for w in wine.windows()
                if w.visible and (pid is None or w.pid == pid) and (w.width, w.height) == layout.MESSAGE_BOX_SIZE]

    def wait_dialog(self, background, timeout=15, rows=170):
        """Waits for a box whose top `rows` show the bitmap `background` and returns its window. The message
        boxes carry their whole message above their buttons; the picker only its title bar above its list."""
        def found():
            for box in self.dialogs():
                if self.box_shows(box, background, rows):
                    return box
            return None
        return wait_until(found, timeout, 0.1)

    def box_shows(self, box, background, rows):
        shot = screen.grab(box.left, box.top, layout.MESSAGE_BOX_SIZE[0], rows)
        expected = skin.bitmap(background).crop((0, 0, layout.MESSAGE_BOX_SIZE[0], rows))
        return _same_ignoring_key(shot, expected)

    def click_in(self, box, point):
        mouse.click(box.left + point[0], box.top + point[1])

    # ---- main window input -----------------------------------------------------------------------------------------
    def at(self, x, y):
        """Screen point of window pixel (x, y)."""
        return self.window.left + x, self.window.top + y

    def click(self, x, y):
        mouse.click(*self.at(x, y))

    def click_button(self, button_or_choice):
        self.click(*button_or_choice.box.centre)

    def move(self, x, y):
        mouse.move(*self.at(x, y))

    def rest_mouse(self):
        """Parks the cursor on the background, where it hovers over nothing."""
        self.move(*layout.NEUTRAL_POINT)

    # ---- pixels ----------------------------------------------------------------------------------------------------
    def grab_window(self):
        return screen.grab(self.window.left, self.window.top, *layout.SIZE)

    def region_matches(self, bitmap, box, shot=None):
        shot = shot if shot is not None else self.grab_window()
        actual = shot.crop((box.x, box.y, box.x + box.w, box.y + box.h))
        expected = skin.bitmap(bitmap).crop((0, 0, box.w, box.h))
        return ImageChops.difference(actual, expected).getbbox() is None

    def background_matches(self, box, shot=None):
        """The window shows its background bitmap 292 unchanged in `box`."""
        shot = shot if shot is not None else self.grab_window()
        region = (box.x, box.y, box.x + box.w, box.y + box.h)
        return ImageChops.difference(shot.crop(region), skin.bitmap(layout.BACKGROUND).crop(region)).getbbox() is None

    def mismatches(self, expects, shot=None):
        """The descriptions of the expectations that the window does not show."""
        shot = shot if shot is not None else self.grab_window()
        return [e.what for e in expects if not self.region_matches(e.bitmap, e.box, shot)]

    def wait_overlay(self, expects, timeout=5):
        """Waits until every expectation shows; returns the ones still missing (empty on success)."""
        missing = wait_until(lambda: not self.mismatches(expects), timeout)
        return [] if missing else self.mismatches(expects)


def _same_ignoring_key(shot, expected):
    """Equal pixels, except where the bitmap holds the key colour (cut out of the window's region)."""
    diff = ImageChops.difference(shot, expected)
    if diff.getbbox() is None:
        return True
    key = (255, 0, 255)
    width, height = expected.size
    expected_px, shot_px = expected.load(), shot.load()
    return all(expected_px[x, y] == key or expected_px[x, y] == shot_px[x, y]
               for y in range(height) for x in range(width))
