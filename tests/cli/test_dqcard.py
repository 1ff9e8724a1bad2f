"""dqcard end to end on real card folders: one test per command, then the faults of a card (as root)."""
import argparse
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

KEYS = ["Resolution", "Date", "Time", "Voltage", "Accelerator", "Display MISC", "Driving Mode Accelerator",
        "Parking Accelerator", "Auto Parking", "Parking Motion", "Night Bright", "Speaker Volume", "MIC Volume",
        "Video Out Standard", "Encoding Profile", "Bit rate", "Driving Mode Frame", "Parking Mode Frame",
        "Parking Black and White", "Video OUT", "GPS Speed Display", "Memory Partition", "Partition Territory",
        "Time zone"]
DEFAULTS = [0, 1, 1, 1, 1, 1, 2, 2, 1, 2, 3, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 21]
DQCARD = ""
BUILD_DIR = ""


def config_bytes(values) -> bytes:
    return "".join(f"{k}={v}\r\n" for k, v in zip(KEYS, values)).encode()


def run(*args, stdin=b""):
    return subprocess.run([DQCARD, *map(str, args)], input=stdin, capture_output=True, timeout=60)


class Card:
    """A volume root with a DQ-918LX_Parameter folder."""

    def __init__(self, root: Path, values=DEFAULTS, model=b"DQ-918LX", clock=b"RTC Time Setting=19990101000000\r\n"):
        self.root = root
        self.folder = root / "DQ-918LX_Parameter"
        self.folder.mkdir(parents=True, exist_ok=True)
        self.config.write_bytes(config_bytes(values))
        (self.folder / "ver.txt").write_bytes(b"Model=" + model + b"\r\nVersion=V1.0.3\r\n")
        self.clock.write_bytes(clock)

    @classmethod
    def existing(cls, root: Path) -> "Card":
        card = cls.__new__(cls)
        card.root, card.folder = root, root / "DQ-918LX_Parameter"
        return card

    config = property(lambda self: self.folder / "config.txt")
    clock = property(lambda self: self.folder / "RTC_time.ini")

    def files(self) -> dict:
        return {p.name: p.read_bytes() for p in sorted(self.folder.iterdir())}


class Commands(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.addCleanup(self.work.cleanup)
        self.base = Path(self.work.name)

    def card(self, name="card one", **kwargs) -> Card:
        return Card(self.base / name, **kwargs)

    def test_show_names_values_and_prints_one_json_object(self):
        values = list(DEFAULTS)
        values[10] = 7  # outside what any window offers
        card = self.card("카드 show", values=values, model=b'Q"\\\x01\xff')
        text = run("show", "--card", card.root)
        self.assertEqual(text.returncode, 0, text.stderr)
        self.assertIn(b"Resolution: 0 (1080p)\nDate: 1\n", text.stdout)
        self.assertIn(b"Night Bright: 7\nSpeaker Volume: 3 (level-3)\n", text.stdout)
        self.assertIn(b"Time zone: 21 (UTC+09:00)\n", text.stdout)
        shown = json.loads(run("show", f"--card={card.folder}", "--json").stdout.decode("utf-8"))
        self.assertEqual(shown["card"], str(card.folder))
        self.assertEqual((shown["model"], shown["firmware"]), ('Q"\\\x01\ufffd', "V1.0.3"))
        self.assertEqual([s["key"] for s in shown["settings"]], KEYS)
        self.assertEqual([s["value"] for s in shown["settings"]], values)
        self.assertEqual(shown["settings"][10]["name"], None)
        self.assertEqual(shown["settings"][12]["name"], "on")

    def test_set_prints_changes_and_writes_as_the_windows_do(self):
        card = self.card()
        before = card.files()
        dry = run("--dry-run", "set", "NIGHT_bright=normal-2", "--card", card.root, "resolution=2")
        self.assertEqual(dry.stdout, b"Resolution: 0 (1080p) -> 2 (720p-wide)\n"
                                     b"Night Bright: 3 (bright-1) -> 2 (normal-2)\n")
        self.assertEqual(card.files(), before)

        done = run("set", "--card", card.root, "time-zone=utc", "Time_Zone=UTC-03:00", "date=-5",
                   "memory-partition=0", "partition-territory=7", "--no-clock")
        self.assertEqual(done.returncode, 0, done.stderr)
        self.assertEqual(done.stdout, b"Date: 1 -> -5\nTime zone: 21 (UTC+09:00) -> 9 (UTC-03:00)\n")
        expected = list(DEFAULTS)
        expected[1], expected[23] = -5, 9  # the territory stays 4 with the default partition
        self.assertEqual(card.files(), {**before, "config.txt": config_bytes(expected)})

        run("set", "--card", card.root, "mic-volume=on")  # unchanged, still written with the clock
        self.assertRegex(card.clock.read_bytes(), rb"^RTC Time Setting=20\d{12}\r\n$")
        self.assertEqual(card.config.read_bytes(), config_bytes(expected))

        for bad, reason in [("speaker-volume=5", b"Speaker Volume: \"5\" is not offered by the windows "
                                                 b"(allowed: 0 (mute), 1 (level-1)"),
                            ("speaker-volume=loud", b"unknown value \"loud\""), ("volume=1", b"unknown setting"),
                            ("date=abc", b"not a whole number"), ("date=2147483648", b"does not fit")]:
            refused = run("set", "--card", card.root, bad)
            self.assertEqual((refused.returncode, refused.stdout), (1, b""), bad)
            self.assertIn(reason, refused.stderr, bad)
        self.assertEqual(card.config.read_bytes(), config_bytes(expected))
        self.assertEqual(run("set", "--force", "--card", card.root, "speaker-volume=5").returncode, 0)

    def test_clock_writes_only_the_clock_file(self):
        card = self.card("ñ clock")
        before = card.files()
        self.assertEqual(run("clock", "--card", card.root).returncode, 0)
        after = card.files()
        self.assertRegex(after.pop("RTC_time.ini"), rb"^RTC Time Setting=20\d{12}\r\n$")
        before.pop("RTC_time.ini")
        self.assertEqual(after, before)

    def test_export_and_apply_copy_a_setup_between_cards(self):
        values = list(DEFAULTS)
        values[0], values[10], values[21], values[22], values[2] = 1, 9, 1, 6, 77
        source, target, other = self.card("source", values=values), self.card("목표 card"), self.card("other")
        profile = self.base / "profile with space.txt"
        exported = run("export", "--card", source.root)
        self.assertEqual(exported.stdout.replace(b"\n", b"\r\n"), source.config.read_bytes())
        profile.write_bytes(b"# copied\r\n\r\n" + exported.stdout.replace(b"\n", b"\r\n"))

        refused = run("apply", profile, "--card", target.root)
        self.assertEqual(refused.returncode, 1)
        self.assertIn(f"{profile}:13: Night Bright: \"9\" is not offered".encode(), refused.stderr)
        self.assertEqual(target.config.read_bytes(), config_bytes(DEFAULTS))

        diff = run("diff", "--force", profile, "--card", target.root)
        self.assertEqual((diff.returncode, diff.stdout.count(b"\n")), (0, 5))
        self.assertIn(b"Partition Territory: 4 (50:50) -> 6 (70:30)\n", diff.stdout)

        missing = self.base / "no card"
        applied = run("apply", "--force", "--card", target.root, "--card", missing, f"--card={other.folder}", "-",
                      stdin=profile.read_bytes())
        self.assertEqual(applied.stdout.decode().splitlines(),
                         [f"{target.root}: ok", f"{missing}: failed: {missing}: no card there "
                          f"(no DQ-918LX_Parameter folder)", f"{other.folder}: ok"])
        self.assertEqual(applied.returncode, 2)
        self.assertEqual(target.config.read_bytes(), source.config.read_bytes())
        self.assertEqual(other.config.read_bytes(), source.config.read_bytes())

        bad = self.base / "bad"
        bad.write_bytes(b"Resolution=1\nResolution =1\n\x00\x1b[31m\nTime zone=UTC+09:00\n")
        fresh = self.card("fresh")
        refused = run("apply", "--card", fresh.root, "--", bad)
        self.assertEqual((refused.returncode, refused.stdout), (1, b""))
        self.assertEqual(refused.stderr.decode().splitlines(),
                         [f'dqcard: {bad}:2: unknown setting "Resolution "',
                          f'dqcard: {bad}:3: "\\x00\\x1b[31m" is not KEY=VALUE'])
        self.assertEqual(fresh.config.read_bytes(), config_bytes(DEFAULTS))

    def test_usage_help_and_version(self):
        version = re.search(rb'VALUE "ProductVersion", "([0-9.]+)"', (Path(__file__).parents[2] / "res" /
                                                                     "DQ_configure.rc").read_bytes()).group(1)
        self.assertEqual(run("--version").stdout, b"dqcard " + version + b"\n")
        for command in ["", "cards", "show", "export", "set", "clock", "diff", "apply"]:
            helped = run(*filter(None, [command, "--help"]))
            self.assertEqual(helped.returncode, 0)
            self.assertIn(b"usage: dqcard " + command.encode(), helped.stdout)
        for args in [[], ["frob"], ["show", "--frob"], ["show", "--force"], ["set"], ["show", "--card"],
                     ["show", "extra"], ["show", "--card", "a", "--card", "b"], ["apply", "p", "--all", "--card=x"]]:
            failed = run(*args)
            self.assertEqual((failed.returncode, failed.stdout, failed.stderr.count(b"\n")), (1, b"", 2), args)
        self.assertEqual(run("show", "--card", self.base / "nothing").returncode, 2)

    def test_install_puts_the_program_its_manual_and_completion_in_place(self):
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", self.base], check=True, capture_output=True)
        self.assertEqual(subprocess.run([self.base / "bin/dqcard", "--version"]).returncode, 0)
        self.assertIn(b".SH EXIT STATUS", (self.base / "share/man/man1/dqcard.1").read_bytes())
        completion = self.base / "share/bash-completion/completions/dqcard"
        script = f"source {completion}; COMP_WORDS=(dqcard set night-b); COMP_CWORD=2; _dqcard; echo $COMPREPLY"
        words = subprocess.run(["bash", "-c", script], capture_output=True, env={"PATH": f"{self.base}/bin:/usr/bin:/bin"})
        self.assertEqual(words.stdout, b"night-bright=\n")


class Faults(unittest.TestCase):
    """Full, write-protected and locked cards, an unreadable config.txt, and finding cards in the mount table."""

    def setUp(self):
        self.assertEqual(os.geteuid(), 0, "mounts and immutable files need root")
        self.base = Path(tempfile.mkdtemp(prefix="dqcard-faults-", dir="/mnt"))
        self.addCleanup(self.cleanup)

    def cleanup(self):
        subprocess.run(["chattr", "-R", "-i", self.base], capture_output=True)
        for mount in sorted(self.base.glob("*"), reverse=True):
            subprocess.run(["umount", mount], capture_output=True)
        subprocess.run(["rm", "-rf", self.base])

    def mount(self, name, *options) -> Path:
        point = self.base / name
        point.mkdir()
        subprocess.run(["mount", *options, point], check=True)
        return point

    def assert_refused(self, card: Card, status: int, reason: str, **files):
        before = {**card.files(), **files}
        result = run("set", "--card", card.root, "resolution=720p")
        self.assertEqual(result.returncode, status, result.stderr)
        self.assertRegex(result.stderr.decode(), f"^dqcard: {re.escape(str(card.folder))}/{reason}\n$")
        self.assertEqual(card.files(), before)

    def test_faults_leave_the_card_intact_and_cards_are_found(self):
        full = Card(self.mount("full", "-t", "tmpfs", "-o", "size=16k", "tmpfs"))
        subprocess.run(["dd", "if=/dev/zero", f"of={full.root}/filler", "bs=4k", "count=64"], capture_output=True)
        self.assert_refused(full, 3, "config.txt: not replaced, left as it was: No space left on device")

        readonly = self.mount("readonly", "--bind", Card(self.base / "source").root)
        subprocess.run(["mount", "-o", "remount,bind,ro", readonly], check=True)
        self.assert_refused(Card.existing(readonly), 3, "config.txt: not replaced, left as it was: Read-only file "
                                                        "system")

        locked = Card(self.base / "locked")
        subprocess.run(["chattr", "+i", locked.config], check=True)
        self.assert_refused(locked, 3, "config.txt: not replaced, left as it was: Operation not permitted")
        subprocess.run(["chattr", "-i", locked.config], check=True)
        subprocess.run(["chattr", "+i", locked.clock], check=True)
        self.assert_refused(locked, 3, r"RTC_time.ini: not written \(config.txt is already new\): Operation not "
                                       r"permitted", **{"config.txt": config_bytes([1] + DEFAULTS[1:])})

        writable_only_by_us = Card(self.base / "read-only file")
        writable_only_by_us.config.chmod(0o444)
        self.assertEqual(run("set", "--card", writable_only_by_us.root, "date=2", "--no-clock").returncode, 0)
        self.assertTrue(writable_only_by_us.config.stat().st_mode & 0o200)

        unreadable = Card(self.base / "unreadable")
        unreadable.config.unlink()
        unreadable.config.mkdir()
        shown = run("show", "--card", unreadable.root)
        self.assertEqual((shown.returncode, shown.stdout), (3, b""))
        self.assertIn(b"config.txt: cannot read", shown.stderr)

        cards = [Card(self.mount(name, "-t", "tmpfs", "tmpfs")) for name in ("cam 1", "캠 2")]
        found = run("cards").stdout.decode().splitlines()
        self.assertLessEqual({str(c.root) for c in cards}, set(found))
        several = run("show")
        self.assertEqual(several.returncode, 2)
        self.assertIn("more than one card found", several.stderr.decode().splitlines()[0])


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--dqcard", required=True)
    parser.add_argument("--build-dir", required=True)
    options, rest = parser.parse_known_args()
    DQCARD, BUILD_DIR = os.path.abspath(options.dqcard), options.build_dir
    unittest.main(argv=[sys.argv[0], *rest], verbosity=2)
