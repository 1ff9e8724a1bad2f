"""Real input on the X display through xdotool: it passes Wine's message queue, so the program's filters see it."""
import subprocess
import time


def _xdotool(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True, stdin=subprocess.DEVNULL, capture_output=True)


def move(x, y):
    _xdotool("mousemove", "--sync", x, y)


def click(x, y):
    _xdotool("mousemove", "--sync", x, y, "click", "1")


def wheel(x, y, notches):
    """Turns the wheel over (x, y): positive notches roll down (button 5), negative roll up (button 4)."""
    button = 5 if notches > 0 else 4
    _xdotool("mousemove", "--sync", x, y, "click", "--repeat", abs(notches), "--delay", 60, button)


def drag(x0, y0, x1, y1, steps=8):
    """Press at (x0, y0), move in steps to (x1, y1), release there."""
    _xdotool("mousemove", "--sync", x0, y0, "mousedown", "1")
    time.sleep(0.1)  # the press starts the window's move loop, which then follows the moves
    for i in range(1, steps + 1):
        _xdotool("mousemove", "--sync", x0 + (x1 - x0) * i // steps, y0 + (y1 - y0) * i // steps)
        time.sleep(0.02)
    _xdotool("mouseup", "1")


def press_and_release_at(x0, y0, x1, y1):
    """Button pressed at (x0, y0) and released at (x1, y1), for a click that ends outside its button."""
    _xdotool("mousemove", "--sync", x0, y0, "mousedown", "1")
    time.sleep(0.05)
    _xdotool("mousemove", "--sync", x1, y1)
    time.sleep(0.05)
    _xdotool("mouseup", "1")


def keys(*names):
    """Key presses (xdotool names: Escape, Return, Tab, alt+F4, alt+space) to the window with the input focus."""
    for name in names:
        _xdotool("key", "--delay", 40, name)
        time.sleep(0.05)


def focus(x_window_id):
    _xdotool("windowfocus", "--sync", x_window_id)
