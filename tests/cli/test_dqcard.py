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

CORE = Path(__file__).resolve().parents[2] / "card" / "core"


def described():
    """The rows' keys and defaults (setting_rows.h) and, by key, the values a window offers with their short
    names (settings_description.cpp, one list named after each row): the card core's one description, not a
    copy of it."""
    rows = (CORE / "setting_rows.h").read_text()
    keys = re.findall(r'"([^"]*)"', re.search(r"kSettingKeys = \{(.*?)\};", rows, re.S).group(1))
    defaults = re.sub(r"//[^\n]*", "", re.search(r"kDefaultSettingValues = \{(.*?)\};", rows, re.S).group(1))
    enum = re.findall(r"k(\w+)", re.search(r"enum SettingRow : int \{(.*?)\};", rows, re.S).group(1))
    source = (CORE / "settings_description.cpp").read_text()
    lists = {row: [(int(value), name) for value, name in re.findall(r'\{(-?\d+), "([^"]*)"', body)]
             for row, body in re.findall(r"constexpr OfferedValue k(\w+)Values\[\] = \{(.*?)\};", source, re.S)}
    return keys, [int(v) for v in re.findall(r"-?\d+", defaults)], {k: lists.get(r, []) for k, r in zip(keys, enum)}


KEYS, DEFAULTS, OFFERED = described()
DQCARD = BUILD_DIR = ""
CLOCK = rb"^RTC Time Setting=20\d{12}\r\n$"


def config_bytes(values) -> bytes:
    return "".join(f"{k}={v}\r\n" for k, v in zip(KEYS, values)).encode()


def run(*args, stdin=b""):
    return subprocess.run([DQCARD, *map(str, args)], input=stdin, capture_output=True, timeout=60)


def folder(root: Path) -> Path:
    return root / "DQ-918LX_Parameter"


def make_card(root: Path, values=DEFAULTS, model=b"DQ-918LX", config=None) -> Path:
    folder(root).mkdir(parents=True, exist_ok=True)
    (folder(root) / "config.txt").write_bytes(config_bytes(values) if config is None else config)
    (folder(root) / "ver.txt").write_bytes(b"Model=" + model + b"\r\nVersion=V1.0.3\r\n")
    (folder(root) / "RTC_time.ini").write_bytes(b"RTC Time Setting=19990101000000\r\n")
    return root


def files(root: Path) -> dict:
    return {p.name: p.read_bytes() for p in sorted(folder(root).iterdir())}


def config_of(root: Path) -> bytes:
    return (folder(root) / "config.txt").read_bytes()


class Commands(unittest.TestCase):
    def setUp(self):
        work = tempfile.TemporaryDirectory()
        self.addCleanup(work.cleanup)
        self.base = Path(work.name)

    def test_show_names_values_and_prints_one_json_object(self):
        values = DEFAULTS[:10] + [7] + DEFAULTS[11:]  # 7: no window offers it
        card = make_card(self.base / "카드 show", values, model=b'Q"\\\x01\xff')
        text = run("show", "--card", card)
        self.assertEqual(text.returncode, 0, text.stderr)
        for line in [b"Resolution: 0 (1080p)\nDate: 1\n", b"Night Bright: 7\nSpeaker Volume: 3 (level-3)\n",
                     b"Time zone: 21 (UTC+09:00)\n", b'Model: Q"\\\\x01\\xff\n']:
            self.assertIn(line, text.stdout)
        shown = json.loads(run("show", f"--card={folder(card)}", "--json").stdout.decode("utf-8"))
        self.assertEqual((shown["card"], shown["model"], shown["firmware"]),
                         (str(folder(card)), 'Q"\\\x01\ufffd', "V1.0.3"))
        self.assertEqual([(s["key"], s["value"]) for s in shown["settings"]], list(zip(KEYS, values)))
        self.assertEqual((shown["settings"][10]["name"], shown["settings"][12]["name"]), (None, "on"))

        (folder(card) / "config.txt").unlink()
        defaults = run("show", "--card", card)
        self.assertEqual(defaults.returncode, 0)
        self.assertIn(b"Night Bright: 3 (bright-1)\n", defaults.stdout)
        self.assertEqual(defaults.stderr, f"dqcard: {folder(card)}/config.txt: missing, the camera's defaults "
                                          "shown\n".encode())
        shown = json.loads(run("show", "--card", card, "--json").stdout)
        self.assertEqual([(s["key"], s["value"], s["name"]) for s in shown["settings"]],
                         [(k, v, dict(OFFERED[k]).get(v)) for k, v in zip(KEYS, DEFAULTS)])

    def test_set_prints_changes_and_writes_as_the_windows_do(self):
        card = make_card(self.base / "card one")
        before = files(card)
        dry = run("--dry-run", "set", "NIGHT_bright=normal-2", "--card", card, "resolution=2")
        self.assertEqual(dry.stdout, b"Resolution: 0 (1080p) -> 2 (720p-wide)\n"
                                     b"Night Bright: 3 (bright-1) -> 2 (normal-2)\n")
        self.assertEqual(files(card), before)

        done = run("set", "--card", card, "time-zone=utc", "Time_Zone=UTC-03:00", "date=-5", "memory-partition=0",
                   "partition-territory=7", "--no-clock")
        self.assertEqual(done.stdout, b"Date: 1 -> -5\nTime zone: 21 (UTC+09:00) -> 9 (UTC-03:00)\n", done.stderr)
        expected = config_bytes([0, -5] + DEFAULTS[2:23] + [9])  # the territory stays 4: default partition
        self.assertEqual(files(card), {**before, "config.txt": expected})
        # Any advanced change is confirmed as the advanced window confirms it: the default split keeps 4.
        self.assertEqual(run("set", "--card", card, "partition-territory=7", "--no-clock").returncode, 0)
        self.assertEqual(config_of(card), expected)
        run("set", "--card", card, "mic-volume=on")  # no change, but written with the clock as OK does
        self.assertEqual(config_of(card), expected)
        self.assertRegex((folder(card) / "RTC_time.ini").read_bytes(), CLOCK)

        for bad, reason in [("speaker-volume=5", b'Speaker Volume: "5" is not offered by the windows (allowed: '
                                                 b"0 (mute), 1 (level-1)"), ("volume=1", b"unknown setting"),
                            ("speaker-volume=loud", b'unknown value "loud"'), ("date=abc", b"not a whole number"),
                            ("date=2147483648", b"does not fit")]:
            refused = run("set", "--card", card, bad)
            self.assertEqual((refused.returncode, refused.stdout), (1, b""), bad)
            self.assertIn(reason, refused.stderr, bad)
        self.assertEqual(config_of(card), expected)
        self.assertEqual(run("set", "--force", "--card", card, "speaker-volume=5").returncode, 0)

    def test_clock_writes_only_the_clock_file(self):
        card = make_card(self.base / "ñ clock")
        before = files(card)
        self.assertEqual(run("clock", "--card", card).returncode, 0)
        after = files(card)
        self.assertRegex(after.pop("RTC_time.ini"), CLOCK)
        self.assertEqual(after, {k: v for k, v in before.items() if k != "RTC_time.ini"})

    def test_export_diff_and_apply_copy_a_setup_between_cards(self):
        values = [1, 1, 77] + DEFAULTS[3:10] + [9] + DEFAULTS[11:21] + [1, 6, 21]
        source, target = make_card(self.base / "source", values), make_card(self.base / "목표 card")
        profile = self.base / "profile with space.txt"
        exported = run("export", "--card", source).stdout.replace(b"\n", b"\r\n")
        self.assertEqual(exported, config_of(source))
        profile.write_bytes(b"# copied\r\n\r\n" + exported)

        refused = run("apply", profile, "--card", target)
        self.assertEqual(refused.returncode, 1)
        self.assertIn(f'{profile}:13: Night Bright: "9" is not offered'.encode(), refused.stderr)
        self.assertEqual(config_of(target), config_bytes(DEFAULTS))
        diff = run("diff", "--force", profile, "--card", target)
        self.assertEqual((diff.returncode, diff.stdout.count(b"\n")), (0, 5))
        self.assertIn(b"Partition Territory: 4 (50:50) -> 6 (70:30)\n", diff.stdout)

        missing, partial = self.base / "no card", make_card(self.base / "partial", config=b"Resolution=2\r\n")
        applied = run("apply", "--force", "--card", target, "--card", missing, "-", stdin=profile.read_bytes())
        self.assertEqual(applied.stdout.decode().splitlines(), [
            f"{target}: ok", f"{missing}: failed: {missing}: no card there (no DQ-918LX_Parameter folder)"])
        self.assertEqual((applied.returncode, config_of(target)), (2, config_of(source)))
        # Each card is read afresh: rows the partial card's file lacks are 0, not the card before's.
        (self.base / "date").write_bytes(b"date=5\n")
        run("apply", "--card", source, f"--card={folder(partial)}", self.base / "date")
        self.assertEqual(config_of(partial), config_bytes([2, 5] + [0] * 22))

        bad = self.base / "bad"
        bad.write_bytes(b"Resolution=1\nResolution =1\n\x00\x1b[31m\nTime zone=UTC+09:00\n")
        copied, refused = config_of(target), run("apply", "--card", target, "--", bad)
        self.assertEqual((refused.returncode, refused.stdout), (1, b""))
        self.assertEqual(refused.stderr.decode().splitlines(), [f'dqcard: {bad}:2: unknown setting "Resolution "',
                                                                f'dqcard: {bad}:3: "\\x00\\x1b[31m" is not KEY=VALUE'])
        self.assertEqual(config_of(target), copied)

    def test_usage_help_and_version(self):
        version = re.search(rb'"ProductVersion", "([0-9.]+)"', (Path(__file__).parents[2] / "res" /
                                                               "DQ_configure.rc").read_bytes()).group(1)
        self.assertEqual(run("--version").stdout, b"dqcard " + version + b"\n")
        for command in ["", "cards", "show", "export", "set", "clock", "diff", "apply"]:
            helped = run(*filter(None, [command, "--help"]))
            self.assertIn(b"usage: dqcard " + command.encode(), helped.stdout)
        for args in [[], ["frob"], ["show", "--frob"], ["show", "--force"], ["set"], ["show", "--card"],
                     ["show", "extra"], ["show", "--card", "a", "--card", "b"], ["apply", "p", "--all", "--card=x"]]:
            failed = run(*args)
            self.assertEqual((failed.returncode, failed.stdout, failed.stderr.count(b"\n")), (1, b"", 2), args)
        self.assertEqual(run("show", "--card", self.base / "nothing").returncode, 2)

    def test_install_puts_the_program_its_manual_and_completion_in_place(self):
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", self.base], check=True, capture_output=True)
        self.assertIn(b".SH EXIT STATUS", (self.base / "share/man/man1/dqcard.1").read_bytes())
        completion = self.base / "share/bash-completion/completions/dqcard"
        script = f"source '{completion}'; COMP_WORDS=(dqcard set night-b); COMP_CWORD=2; _dqcard; echo $COMPREPLY"
        words = subprocess.run(["bash", "-c", script], capture_output=True,
                               env={"PATH": f"{self.base}/bin:/usr/bin:/bin"})
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
        (self.base / name).mkdir()
        subprocess.run(["mount", *options, self.base / name], check=True)
        return self.base / name

    def assert_refused(self, card: Path, reason: str, **changed):
        before = {**files(card), **changed}
        result = run("set", "--card", card, "resolution=720p")
        self.assertEqual(result.returncode, 3, result.stderr)
        self.assertRegex(result.stderr.decode(), f"^dqcard: {re.escape(str(folder(card)))}/{reason}\n$")
        self.assertEqual(files(card), before)

    def full_card(self, name, clock=True) -> Path:
        card = make_card(self.mount(name, "-t", "tmpfs", "-o", "size=16k", "tmpfs"))
        if not clock:
            (folder(card) / "RTC_time.ini").unlink()
        subprocess.run(["dd", "if=/dev/zero", f"of={card}/filler", "bs=4k", "count=64"], capture_output=True)
        return card

    def test_a_full_card_is_saved_in_place(self):
        full = self.full_card("full")
        (folder(full) / "config.txt.99-1.tmp").write_bytes(b"")  # a save cut off earlier
        saved = run("set", "--card", full, "resolution=720p", "night-bright=4")
        self.assertEqual((saved.returncode, saved.stderr), (0, b""))
        self.assertEqual(config_of(full), config_bytes([1] + DEFAULTS[1:10] + [4] + DEFAULTS[11:]))
        self.assertRegex((folder(full) / "RTC_time.ini").read_bytes(), CLOCK)
        self.assertEqual(sorted(files(full)), ["RTC_time.ini", "config.txt", "ver.txt"])

        # An old config.txt longer than the new one is cut at the new length.
        longer = self.full_card("full longer")
        (folder(longer) / "config.txt").write_bytes(config_bytes(DEFAULTS) + b"Unknown=1\r\n")
        self.assertEqual(run("set", "--card", longer, "night-bright=4").returncode, 0)
        self.assertEqual(config_of(longer), config_bytes(DEFAULTS[:10] + [4] + DEFAULTS[11:]))

        # No room for a clock file that is not there yet: config.txt is new all the same, and the report says so.
        clockless = self.full_card("full without clock", clock=False)
        failed = run("set", "--card", clockless, "resolution=720p")
        self.assertEqual(failed.returncode, 3)
        self.assertEqual(failed.stderr.decode(), f"dqcard: {folder(clockless)}/RTC_time.ini: not written (config.txt "
                                                 "is already new): No space left on device\n")
        self.assertEqual(files(clockless), {"config.txt": config_bytes([1] + DEFAULTS[1:]),
                                            "ver.txt": b"Model=DQ-918LX\r\nVersion=V1.0.3\r\n"})

    def test_faults_leave_the_card_intact_and_cards_are_found(self):

        readonly = self.mount("readonly", "--bind", make_card(self.base / "source"))
        subprocess.run(["mount", "-o", "remount,bind,ro", readonly], check=True)
        self.assert_refused(readonly, "config.txt: not replaced, left as it was: Read-only file system")

        locked = make_card(self.base / "locked")
        subprocess.run(["chattr", "+i", folder(locked) / "config.txt"], check=True)
        self.assert_refused(locked, "config.txt: not replaced, left as it was: Operation not permitted")
        subprocess.run(["chattr", "-i", folder(locked) / "config.txt"], check=True)
        subprocess.run(["chattr", "+i", folder(locked) / "RTC_time.ini"], check=True)
        self.assert_refused(locked, r"RTC_time.ini: not written \(config.txt is already new\): Operation not "
                                    r"permitted", **{"config.txt": config_bytes([1] + DEFAULTS[1:])})

        protected = make_card(self.base / "read-only file")
        (folder(protected) / "config.txt").chmod(0o444)
        self.assertEqual(run("set", "--card", protected, "date=2", "--no-clock").returncode, 0)
        self.assertTrue((folder(protected) / "config.txt").stat().st_mode & 0o200)

        unreadable = make_card(self.base / "unreadable")
        (folder(unreadable) / "config.txt").unlink()
        (folder(unreadable) / "config.txt").mkdir()
        shown = run("show", "--card", unreadable)
        self.assertEqual((shown.returncode, shown.stdout), (3, b""))
        self.assertIn(b"config.txt: cannot read", shown.stderr)

        cards = [make_card(self.mount(name, "-t", "tmpfs", "tmpfs")) for name in ("cam 1", "캠 2")]
        self.assertLessEqual(set(map(str, cards)), set(run("cards").stdout.decode().splitlines()))
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
