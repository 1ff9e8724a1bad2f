"""Polling with a deadline: the program draws its overlay from timers, so tests wait for a state, not a time."""
import time


def wait_until(condition, timeout=5.0, interval=0.05):
    """Returns the first truthy value of condition(), or the last falsy one once `timeout` seconds have passed."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)
