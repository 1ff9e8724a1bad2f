#!/usr/bin/python3
"""Start-up benchmark: DQ_configure.exe beside its floor and a minimal Win32 program, in the same run under Wine.

The floor opens the main window's own layout with as many plain owner-drawn buttons as the tool, at the tool's
places, and no images: what this design cannot go below. The minimal program shows one bare window: Wine's own
share. The three start in turn, RUNS times each; for each the median time from process start to the first
painted window (found by its pixels on the screen) and the median peak working set (VmHWM of the Wine process,
and PeakWorkingSetSize as Wine reports it) are printed, then the tool's start-up against the floor's as a ratio
and its peak working set above the floor's; then the GDI objects, windows and kernel handles of the tool before
and after a thousand mouse moves and clicks. With --baseline, another build of the tool (the main branch's, say)
starts in turn with them from the same card, and the tool is compared with it as well. The size of each program
file comes first.
Speed and size are printed, never asserted. The run fails only when it cannot measure, or when the tool's GDI
objects or handles grow with the input (a leak per paint or per click).

Usage: startup.py --build-dir DIR --exe DQ_configure.exe --minimal startup_minimal.exe --floor startup_floor.exe
                  --wininfo wininfo.exe [--baseline OTHER_DQ_configure.exe]
"""
import argparse
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))

from harness import card as card_module  # noqa: E402
from harness import case, config, display, layout, screen, skin, wine  # noqa: E402
from harness.waiting import wait_until  # noqa: E402

RUNS = 9
BASELINE_NAME = "DQ_configure_baseline.exe"   # beside the tool on the card, so that it finds the card too
MINIMAL_TITLE = "DQ-bench-minimal"
MINIMAL_FILL = (12, 34, 56)
FLOOR_TITLE = "DQ-bench-floor"
FLOOR_FILL = (56, 34, 12)
TARGET_TIME_RATIO = 1.25   # the tool's start-up over the floor's
TARGET_EXTRA_MIB = 5       # the tool's peak working set above the floor's
# Both programs centre a 482 x 783 window on the 1920 x 1080 screen; at another DPI (--dpi) the tool and the floor
# centre the main window of the set drawn for it (PERCENT) on a display of its own, without the minimal program.
WINDOW_LEFT, WINDOW_TOP = 1920 // 2 - 482 // 2, 1080 // 2 - 783 // 2
PERCENT = 100
LEAK_TOLERANCE = 10   # Wine's own caches may add a few objects once; a leak per event adds hundreds


def first_paint_seconds(command, painted, timeout=60):
    """Starts `command` under Wine and returns (process, seconds until painted() holds, the process's CPU
    seconds by then)."""
    started = time.monotonic()
    process = subprocess.Popen(["wine", *command], env=wine.env(), stdin=subprocess.DEVNULL,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    if not wait_until(painted, timeout, 0.005):
        process.kill()
        raise SystemExit(f"no painted window from {command} after {timeout} s")
    return process, time.monotonic() - started, cpu_seconds(process.pid)


def cpu_seconds(pid):
    """CPU time of all threads of the process: on a machine shared with builds the wall time to the first
    paint varies with the load, the work done for it far less (Wine's server is not counted)."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (OSError, ValueError, IndexError):
            pass   # a thread that has just ended
    return total / 1e9


def minimal_painted():
    shot = screen.grab(WINDOW_LEFT + 100, WINDOW_TOP + 100, 8, 8)
    return all(pixel == MINIMAL_FILL for pixel in shot.getdata())


def floor_painted():
    box = layout.scaled(layout.BACKGROUND_PROBE, PERCENT)
    shot = screen.grab(WINDOW_LEFT + box.x, WINDOW_TOP + box.y, box.w, box.h)
    return all(pixel == FLOOR_FILL for pixel in shot.getdata())


def floor_arguments():
    """The tool's buttons as the floor takes them: id, left, top, width and height of each."""
    boxes = [(0, layout.Box(0, 0, *layout.SIZE))] + [(b.id, b.box) for b in (*layout.ACTIONS.values(), *layout.CHOICES)]
    return [str(n) for i, box in boxes for b in [layout.scaled(box, PERCENT)] for n in (i, b.x, b.y, b.w, b.h)]


def tool_painted():
    box = layout.scaled(layout.BACKGROUND_PROBE, PERCENT)
    shot = screen.grab(WINDOW_LEFT + box.x, WINDOW_TOP + box.y, box.w, box.h)
    return list(shot.getdata()) == list(skin.bitmap(layout.BACKGROUND, PERCENT).crop(
        (box.x, box.y, box.x + box.w, box.y + box.h)).getdata())


def vm_hwm_kib(pid):
    for line in Path(f"/proc/{pid}/status").read_text().splitlines():
        if line.startswith("VmHWM:"):
            return int(line.split()[1])
    return 0


def end(process):
    process.kill()
    process.wait(timeout=10)


def measure_start(label, command, painted, title):
    """One start: seconds to the first paint, VmHWM and Wine's peak working set once the window has settled."""
    process, seconds, cpu = first_paint_seconds(command, painted)
    time.sleep(1.0)
    figures = wine.process_figures(title) or {}
    hwm = vm_hwm_kib(process.pid)
    end(process)
    wait_until(lambda: not any(w.title == title for w in wine.windows()), 10, 0.1)
    return {"program": label, "seconds": seconds, "cpu_seconds": cpu, "vm_hwm_kib": hwm,
            "peak_working_set_kib": figures.get("peak_working_set", 0) // 1024,
            "gdi_objects": figures.get("gdi_objects", -1)}


def input_storm(events):
    """`events` mouse moves and clicks over the main window, two moves (over an action button's hover area, then
    the background) for each click on a choice: nothing that opens a window or ends the program. One xdotool
    process per batch keeps the storm fast; press and release are separate events, without click's delays."""
    hovers = [button.box.centre for button in layout.ACTIONS.values()]
    plan = []
    while len(plan) < events:
        for i, choice in enumerate(layout.CHOICES):
            plan += [("move", hovers[i % len(hovers)]), ("move", layout.NEUTRAL_POINT), ("click", choice.box.centre)]
    plan = plan[:events]
    for first in range(0, len(plan), 60):
        args = []
        for kind, (x, y) in plan[first:first + 60]:
            args += ["mousemove", WINDOW_LEFT + x, WINDOW_TOP + y, "sleep", "0.01"]
            if kind == "click":
                args += ["mousedown", "1", "mouseup", "1", "sleep", "0.05"]
        subprocess.run(["xdotool", *map(str, args)], check=True, stdin=subprocess.DEVNULL, capture_output=True)


def resource_figures():
    time.sleep(1.0)   # let the last refresh timers fire
    return wine.process_figures(layout.TITLE)


def main():
    global WINDOW_LEFT, WINDOW_TOP, PERCENT
    parser = argparse.ArgumentParser()
    parser.add_argument("--minimal", required=True, type=Path)
    parser.add_argument("--floor", required=True, type=Path)
    parser.add_argument("--events", type=int, default=1000)
    parser.add_argument("--baseline", type=Path)
    parser.add_argument("--dpi", type=int, default=96)
    rest = config.parse(sys.argv[1:])
    args = parser.parse_args(rest)
    if args.dpi != 96:
        with display.own_display() as (width, height):
            display.set_dpi(args.dpi)
            PERCENT = args.dpi * 100 // 96
            size = layout.scaled(layout.Box(0, 0, *layout.SIZE), PERCENT)
            WINDOW_LEFT, WINDOW_TOP = width // 2 - size.w // 2, height // 2 - size.h // 2
            print(f"at {args.dpi} DPI on a {width} x {height} display: the {PERCENT} % set")
            return measure(args)
    measure(args)


def measure(args):
    for label, path in (("DQ_configure", config.exe()), ("baseline", args.baseline)):
        if path:
            print(f"{label} program file: {path.stat().st_size / 1e6:.2f} MB ({path.stat().st_size} bytes)")
    case.prepare_session()
    if wine.wininfo("selfcheck")[0] != 0:
        raise SystemExit("this Wine does not let wininfo count GDI objects")

    card = card_module.Card(settings=card_module.DEFAULTS)
    wine.link_drive(case.REMOVABLE, card.root)
    tool_command = [f"{case.REMOVABLE}:\\{card_module.PARAMETER_FOLDER}\\{card_module.EXE_NAME}"]
    programs = [("DQ_configure", tool_command, tool_painted, layout.TITLE),
                ("floor", [str(args.floor.resolve()), *floor_arguments()], floor_painted, FLOOR_TITLE),
                ("minimal", [str(args.minimal.resolve())], minimal_painted, MINIMAL_TITLE)][:3 if PERCENT == 100 else 2]
    if args.baseline:
        shutil.copyfile(args.baseline, card.folder / BASELINE_NAME)
        programs.append(("baseline", [f"{case.REMOVABLE}:\\{card_module.PARAMETER_FOLDER}\\{BASELINE_NAME}"],
                         tool_painted, layout.TITLE))
    try:
        # One start of each first, so that all find Wine's files in the page cache.
        for program in programs:
            measure_start("warm-up", *program[1:])
        # In turn, so that a slow spell of the shared machine falls on all three alike.
        results = [measure_start(*program) for _ in range(RUNS) for program in programs]
        report_starts(results, [label for label, *_ in programs])
        leaks = measure_input(tool_command, args.events) if PERCENT == 100 else []
    finally:
        wine.link_drive(case.REMOVABLE, None)
        card.cleanup()
    if leaks:
        raise SystemExit("resources grow with input: " + ", ".join(leaks))


def report_starts(results, labels):
    print(f"{'program':<14}{'start-up ms':>12}{'CPU ms':>8}{'VmHWM MiB':>11}{'peak WS MiB':>13}{'GDI objects':>13}"
          f"   (medians of {RUNS} starts; then each start-up in ms)")
    medians = {}
    for label in labels:
        runs = [r for r in results if r["program"] == label]
        m = {key: statistics.median(r[key] for r in runs)
             for key in ("seconds", "cpu_seconds", "vm_hwm_kib", "peak_working_set_kib", "gdi_objects")}
        medians[label] = m
        print(f"{label:<14}{m['seconds'] * 1000:>12.0f}{m['cpu_seconds'] * 1000:>8.0f}{m['vm_hwm_kib'] / 1024:>11.1f}"
              f"{m['peak_working_set_kib'] / 1024:>13.1f}{m['gdi_objects']:>13.0f}   "
              + " ".join(f"{r['seconds'] * 1000:.0f}" for r in runs))
    tool, floor = medians["DQ_configure"], medians["floor"]
    print(f"start-up: DQ_configure / floor = {tool['seconds'] / floor['seconds']:.2f} "
          f"(target {TARGET_TIME_RATIO} or less; CPU {tool['cpu_seconds'] / floor['cpu_seconds']:.2f})"
          + (f"; DQ_configure / minimal = {tool['seconds'] / medians['minimal']['seconds']:.2f}"
             if "minimal" in medians else ""))
    print(f"peak working set: DQ_configure - floor = {(tool['vm_hwm_kib'] - floor['vm_hwm_kib']) / 1024:+.1f} MiB "
          f"VmHWM, {(tool['peak_working_set_kib'] - floor['peak_working_set_kib']) / 1024:+.1f} MiB as Wine "
          f"reports it (target {TARGET_EXTRA_MIB} MiB or less)")
    if "baseline" in medians:
        base = medians["baseline"]
        ratios = {key: tool[key] / base[key] if base[key] else float("nan")
                  for key in ("seconds", "cpu_seconds", "vm_hwm_kib", "peak_working_set_kib")}
        print(f"DQ_configure / baseline: start-up {ratios['seconds']:.3f} (CPU {ratios['cpu_seconds']:.3f}), "
              f"VmHWM {ratios['vm_hwm_kib']:.3f}, peak working set {ratios['peak_working_set_kib']:.3f}")


def measure_input(tool_command, events):
    """GDI objects, windows and handles of the running tool before and after `events` moves and clicks."""
    process, _, _ = first_paint_seconds(tool_command, tool_painted)
    try:
        input_storm(100)   # warm-up: every bitmap, DC cache and hover path used once
        before = resource_figures()
        started = time.monotonic()
        input_storm(events)
        seconds = time.monotonic() - started
        after = resource_figures()
        hwm = vm_hwm_kib(process.pid)
    finally:
        end(process)
    if not before or not after:
        raise SystemExit("the tool's window went away during the input")
    print(f"{events} mouse moves and clicks in {seconds:.1f} s; peak VmHWM afterwards {hwm / 1024:.1f} MiB")
    leaks = []
    for key in ("gdi_objects", "windows", "handles"):
        growth = after[key] - before[key]
        print(f"  {key:<12} before {before[key]:>5}  after {after[key]:>5}  growth {growth:+d}")
        if growth > LEAK_TOLERANCE:
            leaks.append(f"{key} {growth:+d}")
    return leaks


if __name__ == "__main__":
    main()
