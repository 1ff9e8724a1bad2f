#!/usr/bin/env bash
# dqcard.exe under Wine on a card folder reached through drive Z:, with a blank and a non-ASCII letter in its
# path: version, set, show --json, export, and the status of a missing card.
# Usage: wine_smoke.sh WINE_RUN DQCARD_EXE WORK_FOLDER
set -euo pipefail
wine_run=$1 exe=$2 work=$3
# Wine turns the Unix arguments into UTF-16 with the locale's character set.
export LC_ALL=C.UTF-8
rm -rf "$work"
card="$work/smoke card ü"
mkdir -p "$card/DQ-918LX_Parameter"
trap 'rm -rf "$work"' EXIT
printf 'Resolution=0\r\nNight Bright=3\r\n' >"$card/DQ-918LX_Parameter/config.txt"
printf 'Model=DQ-918LX\r\nVersion=V1.0.3\r\n' >"$card/DQ-918LX_Parameter/ver.txt"
windows_path="Z:${card//\//\\}"
fail() { echo "FAIL: $*" >&2; exit 1; }
dqcard() { "$wine_run" "$exe" "$@"; }

[[ $(dqcard --version) =~ ^dqcard\ [0-9]+(\.[0-9]+){3}$'\r'?$ ]] || fail "--version"
changes=$(dqcard set --card "$windows_path" resolution=720p-wide speaker-volume=mute) || fail "set: status $?"
[[ $changes == *"Resolution: 0 (1080p) -> 2 (720p-wide)"* ]] || fail "set printed: $changes"
printf '%s\r\n' Resolution=2 Date=0 Time=0 Voltage=0 Accelerator=0 'Display MISC=0' 'Driving Mode Accelerator=0' \
  'Parking Accelerator=0' 'Auto Parking=0' 'Parking Motion=0' 'Night Bright=3' 'Speaker Volume=0' 'MIC Volume=0' \
  'Video Out Standard=0' 'Encoding Profile=0' 'Bit rate=0' 'Driving Mode Frame=0' 'Parking Mode Frame=0' \
  'Parking Black and White=0' 'Video OUT=0' 'GPS Speed Display=0' 'Memory Partition=0' 'Partition Territory=0' \
  'Time zone=0' >"$work/expected"
cmp -s "$work/expected" "$card/DQ-918LX_Parameter/config.txt" || fail "config.txt bytes"
grep -qE '^RTC Time Setting=[0-9]{14}'$'\r''$' "$card/DQ-918LX_Parameter/RTC_time.ini" || fail "clock file"
dqcard show --json --card "$windows_path" | /usr/bin/python3 -c '
import json, sys
shown = json.load(sys.stdin)
assert shown["model"] == "DQ-918LX" and shown["settings"][0]["name"] == "720p-wide", shown' || fail "show --json"
[[ $(dqcard export --card "$windows_path" | head -1) == Resolution=2* ]] || fail "export"
status=0
dqcard show --card 'Z:\no such card' 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "missing card: status $status"
echo "dqcard.exe smoke test passed"
