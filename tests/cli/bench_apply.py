"""dqcard apply of one profile to 100 card folders in one run: total time and peak memory, printed, on a disk
(where the fsyncs of the safe replace dominate) and on tmpfs (the program's own cost). It fails only when it
cannot measure."""
import argparse
import statistics
import subprocess
import tempfile
import time
from pathlib import Path

CARDS, RUNS = 100, 5


def make_cards(base: Path) -> list:
    roots = [base / f"card {i:03}" for i in range(CARDS)]
    for root in roots:
        (root / "DQ-918LX_Parameter").mkdir(parents=True)
        (root / "DQ-918LX_Parameter" / "config.txt").write_bytes(b"Resolution=0\r\nNight Bright=3\r\n")
        (root / "DQ-918LX_Parameter" / "ver.txt").write_bytes(b"Model=DQ-918LX\r\nVersion=V1.0.3\r\n")
    return roots


def measure(dqcard: str, place: str) -> None:
    with tempfile.TemporaryDirectory(prefix="dqcard-bench-", dir=place) as work:
        base = Path(work)
        roots = make_cards(base)
        profile = base / "profile.txt"
        profile.write_bytes(subprocess.run([dqcard, "export", "--card", roots[0]], capture_output=True,
                                           check=True).stdout.replace(b"Resolution=0", b"Resolution=2"))
        # GNU time reports the peak of dqcard itself; a child of this Python would count Python's pages too.
        peak = base / "peak"
        command = ["/usr/bin/time", "-f", "%M", "-o", peak, dqcard, "apply", profile]
        command += [f"--card={root}" for root in roots]
        seconds, peaks_kib = [], []
        for _ in range(RUNS):
            start = time.perf_counter()
            result = subprocess.run(command, capture_output=True)
            seconds.append(time.perf_counter() - start)
            if result.returncode != 0 or result.stdout.count(b": ok\n") != CARDS:
                raise SystemExit(f"apply failed: {result.stderr.decode(errors='replace')}")
            peaks_kib.append(int(peak.read_text().split()[-1]))
        filesystem = subprocess.run(["stat", "-f", "-c", "%T", work], capture_output=True, text=True).stdout.strip()
    print(f"{place} ({filesystem}): total median {statistics.median(seconds) * 1000:.0f} ms "
          f"(best {min(seconds) * 1000:.0f}, worst {max(seconds) * 1000:.0f}), "
          f"{statistics.median(seconds) / CARDS * 1000:.2f} ms a card, peak memory {max(peaks_kib) / 1024:.1f} MiB")


parser = argparse.ArgumentParser()
parser.add_argument("--dqcard", required=True)
parser.add_argument("--build", default="", help="how dqcard was built: sanitizers change both figures")
options = parser.parse_args()
dqcard = options.dqcard
print(f"dqcard apply, one profile to {CARDS} card folders in one run, {RUNS} runs; every card gets the safe replace")
print(f"of config.txt, the read-back check and the clock file. Build: {options.build.strip()}")
for place in (tempfile.gettempdir(), "/dev/shm"):
    measure(dqcard, place)
