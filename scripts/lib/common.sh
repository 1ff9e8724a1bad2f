# Shared by the project's scripts: paths, Debian packages, the Wine prefix and the virtual display.
# shellcheck shell=bash

DQ_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
DQ_BUILD_DIR=${DQ_BUILD_DIR:-$DQ_ROOT/build/windows}
export WINEPREFIX=$DQ_BUILD_DIR/wineprefix
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

DQ_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine xvfb xdotool x11-utils
             imagemagick googletest fonts-nanum fonts-dejavu-core fonts-dejavu-extra e2fsprogs procps python3-pil
             g++ clang libclang-rt-14-dev time)

# The browser page: Clang's WebAssembly target with the WASI C and C++ libraries, Debian's Chromium and Firefox
# ESR for its tests, and what the native dqcard they compare with is configured with (GoogleTest's sources,
# Debian's Python).
DQ_WEB_PACKAGES=(cmake make g++ clang-14 lld-14 wasi-libc libc++-14-dev-wasm32 libc++abi-14-dev-wasm32
                 libclang-rt-14-dev-wasm32 chromium firefox-esr googletest python3)

# The native sanitizer build (Clang, AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer targets) sits
# beside the Windows build folder.
if [ "$DQ_BUILD_DIR" = "$DQ_ROOT/build/windows" ]; then
  DQ_NATIVE_BUILD_DIR=${DQ_NATIVE_BUILD_DIR:-$DQ_ROOT/build/native-asan}
  DQ_NATIVE_BENCH_DIR=${DQ_NATIVE_BENCH_DIR:-$DQ_ROOT/build/native}
  DQ_WEB_BUILD_DIR=${DQ_WEB_BUILD_DIR:-$DQ_ROOT/build/web}
else
  DQ_NATIVE_BUILD_DIR=${DQ_NATIVE_BUILD_DIR:-$DQ_BUILD_DIR-native-asan}
  DQ_NATIVE_BENCH_DIR=${DQ_NATIVE_BENCH_DIR:-$DQ_BUILD_DIR-native}
  DQ_WEB_BUILD_DIR=${DQ_WEB_BUILD_DIR:-$DQ_BUILD_DIR-web}
fi

say() { printf '[%s] %s\n' "$(basename "$0")" "$*" >&2; }

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# ensure_packages [PACKAGE...]: installs those of the packages (by default DQ_PACKAGES) that are missing.
ensure_packages() {
  local wanted=("$@") missing=() p
  [ $# -gt 0 ] || wanted=("${DQ_PACKAGES[@]}")
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing Debian packages: ${missing[*]}"
  as_root apt-get update -q >/dev/null
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

# Configures and builds with the windows presets; another build folder (DQ_BUILD_DIR) keeps the preset's settings.
build_project() {
  if [ "$DQ_BUILD_DIR" = "$DQ_ROOT/build/windows" ]; then
    cmake --preset windows -S "$DQ_ROOT" >/dev/null
    cmake --build --preset windows
  else
    (cd "$DQ_ROOT" && cmake --preset windows -B "$DQ_BUILD_DIR" >/dev/null)
    cmake --build "$DQ_BUILD_DIR" -j 2
  fi
}

# Configures and builds the release build that the native benchmarks measure (the sanitizers would change
# both their time and their memory), in DQ_NATIVE_BENCH_DIR.
build_native_bench() {
  (cd "$DQ_ROOT" && cmake --preset native -B "$DQ_NATIVE_BENCH_DIR" >/dev/null) || return
  cmake --build "$DQ_NATIVE_BENCH_DIR" -j 2
}

# Configures and builds with the native-asan preset, in DQ_NATIVE_BUILD_DIR.
build_native() {
  (cd "$DQ_ROOT" && cmake --preset native-asan -B "$DQ_NATIVE_BUILD_DIR" \
                    -DDQ_FUZZ_SECONDS="${DQ_FUZZ_SECONDS:-15}" >/dev/null) || return
  cmake --build "$DQ_NATIVE_BUILD_DIR" -j 2
}

# Installs the page's bundler, type checker and test drivers from the lockfile (npm ci downloads no browser: the
# tests drive Debian's Chromium and Firefox ESR), then builds the page with the web preset in DQ_WEB_BUILD_DIR,
# its tests comparing with the dqcard of the native release build. Node.js and npm come with the machine; where
# they do not, from Debian.
build_web() {
  command -v npm >/dev/null || ensure_packages nodejs npm || return
  say "installing the page's bundler and the browser tests' drivers (npm ci)"
  (cd "$DQ_ROOT" && npm ci --no-audit --no-fund --loglevel=error >/dev/null) || return
  (cd "$DQ_ROOT" && cmake --preset native -B "$DQ_NATIVE_BENCH_DIR" >/dev/null) || return
  cmake --build "$DQ_NATIVE_BENCH_DIR" -j 2 --target dqcard || return
  (cd "$DQ_ROOT" && cmake --preset web -B "$DQ_WEB_BUILD_DIR" -DDQ_DQCARD="$DQ_NATIVE_BENCH_DIR/dqcard" >/dev/null) ||
    return
  cmake --build "$DQ_WEB_BUILD_DIR" -j 2
}

# Starts Xvfb on a free display unless a working one is already set.
DQ_XVFB_PID=
ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  # Xvfb picks a free display itself and names it when it is ready: two runs that start at once (several
  # people on one machine) cannot take the same display and move each other's pointer.
  local number_file="$DQ_BUILD_DIR/xvfb-display" i
  mkdir -p "$DQ_BUILD_DIR"
  : >"$number_file"
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
  DQ_XVFB_PID=$!
  for i in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(tr -dc 0-9 <"$number_file")"
  say "started Xvfb on $DISPLAY"
  xdpyinfo >/dev/null 2>&1 && return 0
  say "Xvfb did not start"; return 1
}

# Creates the project's Wine prefix on first use and keeps one wineserver alive for the run.
# WINDOWS_MANAGED=N (the default, for tests on Xvfb) makes Wine place its windows itself: without a window
# manager, hiding a managed window waits two seconds for a state change that never comes.
start_wine() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating the Wine prefix $WINEPREFIX (once, 10-30 s)"
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
  fi
  # A server left from an earlier run (or a short-lived one a fixture restarted) would refuse -p.
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -w </dev/null >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "${WINDOWS_MANAGED:-N}" /f \
    </dev/null >/dev/null 2>&1
  # Wine's services start with the first process; start them here so that no test's output pipe is inherited.
  wineboot </dev/null >/dev/null 2>&1
}

stop_all() {
  stop_input_bridge
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "$DQ_XVFB_PID" ]; then kill "$DQ_XVFB_PID" 2>/dev/null || true; fi
}

# map_drive LETTER DIR TYPE: makes DIR drive LETTER of the prefix; TYPE is floppy, cdrom, hd or none (unmapped).
map_drive() {
  local letter=${1,,} dir=$2 type=$3
  letter=${letter%:}
  rm -f "$WINEPREFIX/dosdevices/$letter:"
  if [ "$type" = none ]; then
    wine reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f >/dev/null 2>&1 || true
    return 0
  fi
  ln -s "$dir" "$WINEPREFIX/dosdevices/$letter:"
  wine reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /t REG_SZ /d "$type" /f >/dev/null 2>&1
}

# Real input for window tests: Windows programs under Wine cannot start xdotool, so they drop requests into the
# folder $DQ_INPUT_BRIDGE and tests/support/input_bridge.py carries them out on $DISPLAY (call ensure_display first).
DQ_INPUT_BRIDGE_PID=
start_input_bridge() {
  export DQ_INPUT_BRIDGE=$DQ_BUILD_DIR/input-bridge
  rm -rf "$DQ_INPUT_BRIDGE"
  mkdir -p "$DQ_INPUT_BRIDGE"
  /usr/bin/python3 "$DQ_ROOT/tests/support/input_bridge.py" "$DQ_INPUT_BRIDGE" \
    </dev/null >/dev/null 2>"$DQ_BUILD_DIR/input-bridge.log" &
  DQ_INPUT_BRIDGE_PID=$!
}

stop_input_bridge() {
  if [ -n "$DQ_INPUT_BRIDGE_PID" ]; then
    kill "$DQ_INPUT_BRIDGE_PID" 2>/dev/null || true
    wait "$DQ_INPUT_BRIDGE_PID" 2>/dev/null || true
    DQ_INPUT_BRIDGE_PID=
  fi
}
