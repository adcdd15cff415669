# Shared by scripts/test and scripts/run: package installation, builds, the virtual screen and Wine.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=$ROOT/out
export WINEPREFIX=$OUT/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# What the scripts and tests call, named directly: apt runs with --no-install-recommends, so
# nothing arrives by recommendation (cmake's make, for one). x11-utils is for xdpyinfo,
# x11-xkb-utils for setxkbmap, x11-xserver-utils for xrandr, imagemagick for import and
# display, ninja-build for the check of the MSYS2 preset; only the posix-thread MinGW compilers
# are used.
PACKAGES=(cmake make ninja-build g++ googletest libgtest-dev python3
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xdotool xclip imagemagick x11-utils x11-xkb-utils x11-xserver-utils
  python3-fonttools fonts-liberation2)

# Installs the Debian packages that are missing, or names them and stops when not root.
install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

# Starts Xvfb on display $1 with size $2 (e.g. 800x600) unless one runs there; sets DISPLAY.
# VIRTUAL_SCREEN_PID names the server when this call started it, for stop_virtual_screen.
VIRTUAL_SCREEN_PID=""
start_virtual_screen() {
  local display=$1 size=$2
  if ! xdpyinfo -display ":$display" >/dev/null 2>&1; then
    Xvfb ":$display" -screen 0 "${size}x24" -noreset -nolisten tcp >/dev/null 2>&1 &
    VIRTUAL_SCREEN_PID=$!
    for _ in $(seq 50); do
      xdpyinfo -display ":$display" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
  export DISPLAY=":$display"
}

# Ends the Xvfb that start_virtual_screen started, if it started one; a server found running is kept.
stop_virtual_screen() {
  [ -n "$VIRTUAL_SCREEN_PID" ] || return 0
  kill "$VIRTUAL_SCREEN_PID" 2>/dev/null || true
  wait "$VIRTUAL_SCREEN_PID" 2>/dev/null || true
  VIRTUAL_SCREEN_PID=""
}

# Creates the Wine prefix on first use and keeps the Wine server alive for fast starts.
prepare_wine() {
  mkdir -p "$OUT"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
  fi
  wineserver -p 2>/dev/null || true  # exits 2 when a server already runs
  wine wineboot >/dev/null 2>&1 || true
  unmanaged_windows
}

# With no window manager, Wine waits about 2 s for one whenever a window it lets a manager
# handle is shown; the tests' prefixes let none handle them (Managed=N), so showing is at once.
unmanaged_windows() {
  grep -qx '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

# --- tarvok.exe on a virtual screen showing a made-up desktop (scripts/run, scripts/pictures) ---

EXE=$ROOT/build/windows/tarvok.exe
# A prefix apart from the tests': a Wine server serves one display only, and the tests keep the
# main prefix's server on their virtual screen. Not used by two scripts at once for that reason.
# shellcheck disable=SC2034 # read by the scripts that source this file
RUN_PREFIX=$OUT/wineprefix-run
tool_pid=""

# Creates $WINEPREFIX on first use. Not copied from the tests' prefix: its server may be running,
# with the registry on disk not yet written out.
prepare_private_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "Creating the Wine prefix $WINEPREFIX (once, about ten seconds)..."
  mkdir -p "$OUT"
  local tmp
  tmp=$(mktemp -d "$WINEPREFIX.XXXXXX")
  WINEPREFIX=$tmp env -u DISPLAY wineboot -i >/dev/null 2>&1 || true
  # The registry reaches the disk when the server ends.
  WINEPREFIX=$tmp wineserver -k 2>/dev/null || true
  WINEPREFIX=$tmp wineserver -w
  mv "$tmp" "$WINEPREFIX"
}

# A display number for a virtual screen: TARVOK_RUN_DISPLAY if set, else the first free of :80-:89.
free_display() {
  if [ -n "${TARVOK_RUN_DISPLAY:-}" ]; then
    echo "$TARVOK_RUN_DISPLAY"
    return 0
  fi
  local n
  for n in $(seq 80 89); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; return 0; }
  done
  echo "no free X display in :80-:89" >&2
  return 1
}

# Shows the made-up desktop on the root window of $DISPLAY, WIDTH x HEIGHT.
show_sample_desktop() {
  local picture
  picture=$(mktemp --suffix=.ppm)
  python3 "$ROOT/scripts/sample-desktop.py" "$1" "$2" "$picture"
  /usr/bin/display -window root "$picture" >/dev/null 2>&1 || true # exits 1 even on success
  rm -f "$picture"
}

# Starts tarvok.exe in the background (tool_pid) and returns once its window shows.
start_tool() {
  wine "$EXE" >/dev/null 2>&1 &
  tool_pid=$!
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name '^Tarvok!$' >/dev/null 2>&1 && return 0
    if ! kill -0 "$tool_pid" 2>/dev/null; then
      echo "tarvok.exe ended before its window showed" >&2
      return 1
    fi
    sleep 0.1
  done
  echo "no Tarvok! window after 30 s" >&2
  return 1
}

# Presses Escape and returns the tool's exit code; fails if it still runs 10 s later.
quit_tool() {
  xdotool key Escape
  for _ in $(seq 100); do kill -0 "$tool_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$tool_pid" 2>/dev/null; then
    echo "tarvok.exe still runs 10 s after Escape" >&2
    return 1
  fi
  local status=0
  wait "$tool_pid" || status=$?
  return "$status"
}

# Ends the Wine server and then the virtual screen; for an EXIT trap.
end_virtual_desktop() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  stop_virtual_screen
}
