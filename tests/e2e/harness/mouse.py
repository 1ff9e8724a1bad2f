"""Real input on the X display through xdotool: it passes Wine's message queue, so the program's filters see it.

xdotool ends with a round trip to the X server, so when a call returns, the server has sent its events to Wine.
Every call that puts the pointer somewhere comes from the pixel beside it: a window that appeared under a resting
pointer learns of the pointer only from a move, and a move to where the pointer already is would be none
(`mousemove --sync` would even wait some 15 s for it)."""
import subprocess

from . import layout, wine
from .waiting import wait_until


def _xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, stdin=subprocess.DEVNULL,
                          capture_output=True).stdout.decode()


def _approach(x, y):
    return ["mousemove", x - 1 if x > 0 else x + 1, y, "mousemove", x, y]


def move(x, y):
    _xdotool(*_approach(x, y))


def click(x, y):
    _xdotool(*_approach(x, y), "click", "1")


def wheel(x, y, notches):
    """Turns the wheel over (x, y): positive notches roll down (button 5), negative roll up (button 4)."""
    button = 5 if notches > 0 else 4
    _xdotool(*_approach(x, y), "click", "--repeat", abs(notches), "--delay", 60, button)


def press_move_release(points, window=layout.TITLE):
    """Presses at the first point, moves through the others and releases at the last. The moves wait until the
    press holds the mouse capture on the thread of `window` (a button, a Thumb, or the move loop that a press on a
    window's body starts, which takes the pointer's place at its start as its anchor); the call returns once the
    release has let the capture go."""
    (x0, y0), rest = points[0], points[1:]
    _xdotool(*_approach(x0, y0), "mousedown", "1")
    captured = wait_until(lambda: wine.capture_held(window), 10)
    _xdotool(*[word for x, y in rest for word in ("mousemove", x, y)], "mouseup", "1")
    if not captured:
        raise AssertionError(f"the press at {x0}, {y0} took no mouse capture")
    if not wait_until(lambda: not wine.capture_held(window), 10):
        raise AssertionError(f"the release at {rest[-1]} left the mouse captured")


def drag(x0, y0, x1, y1, steps=8):
    """Press at (x0, y0), move in steps to (x1, y1), release there."""
    press_move_release([(x0, y0)] + [(x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
                                     for i in range(1, steps + 1)])


def press_and_release_at(x0, y0, x1, y1):
    """Button pressed at (x0, y0) and released at (x1, y1), for a click that ends outside its button."""
    press_move_release([(x0, y0), (x1, y1)])


def keys(window, *names):
    """Key presses (xdotool names: Escape, Return, Tab, alt+F4, alt+space) with the pointer over `window` (a
    wine.Window): without a window manager the X keyboard focus follows the pointer. The pointer stays where it is
    when it is over the window already."""
    location = dict(line.split("=") for line in _xdotool("getmouselocation", "--shell").split())
    x, y = int(location["X"]), int(location["Y"])
    if not (window.left <= x < window.right and window.top <= y < window.bottom):
        move((window.left + window.right) // 2, (window.top + window.bottom) // 2)
    _xdotool("key", *names)
