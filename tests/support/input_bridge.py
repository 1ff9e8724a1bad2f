#!/usr/bin/python3
"""Runs real input for window tests: Windows programs under Wine cannot start Unix programs, so they
drop requests into a directory and this daemon carries them out on the X display.

A request is a file NAME.req holding one argument per line and a last line "end" (until that line is
there, the file is still being written); the first line names the program:
  xdotool ARG...        runs xdotool with those arguments (mousemove, mousedown 1, key Escape, ...)
  screenshot PATH       saves the whole screen as PNG (ImageMagick's import)
When it is done the daemon writes NAME.rep: the exit code on the first line, then the program's error
output; it writes the reply under a temporary name and renames it, so the reader never sees half of it.

Usage: input_bridge.py DIRECTORY   (DISPLAY must name the X display; stops on SIGTERM)
"""
import os
import signal
import subprocess
import sys
import time

POLL_SECONDS = 0.003
COMMAND_TIMEOUT_SECONDS = 30


def command_for(lines):
    if not lines:
        return None
    if lines[0] == "xdotool":
        return ["xdotool"] + lines[1:]
    if lines[0] == "screenshot" and len(lines) == 2:
        return ["import", "-display", os.environ["DISPLAY"], "-window", "root", lines[1]]
    return None


def run(lines):
    command = command_for(lines)
    if command is None:
        return 2, "unknown request: %r\n" % (lines[:1],)
    try:
        done = subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.PIPE, timeout=COMMAND_TIMEOUT_SECONDS)
        return done.returncode, done.stderr.decode(errors="replace")
    except (OSError, subprocess.TimeoutExpired) as error:
        return 3, "%s\n" % error


def serve(directory):
    while True:
        names = sorted(n for n in os.listdir(directory) if n.endswith(".req"))
        if not names:
            time.sleep(POLL_SECONDS)
            continue
        for name in names:
            request = os.path.join(directory, name)
            with open(request, encoding="utf-8", errors="replace") as f:
                lines = [line.rstrip("\r\n") for line in f if line.strip()]
            if not lines or lines[-1] != "end":
                time.sleep(POLL_SECONDS)
                continue
            os.remove(request)
            lines.pop()
            code, errors = run(lines)
            base = request[: -len(".req")]
            with open(base + ".tmp-rep", "w", encoding="utf-8") as f:
                f.write("%d\n%s" % (code, errors))
            os.replace(base + ".tmp-rep", base + ".rep")


def main():
    if len(sys.argv) != 2 or "DISPLAY" not in os.environ:
        sys.stderr.write("usage: DISPLAY=:N input_bridge.py DIRECTORY\n")
        return 2
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    os.makedirs(sys.argv[1], exist_ok=True)
    serve(sys.argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main())
