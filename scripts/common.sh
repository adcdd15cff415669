# Shared by scripts/test and scripts/run: package installation, builds, the virtual screen and Wine.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT=$ROOT/out
export WINEPREFIX=$OUT/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

PACKAGES=(cmake ninja-build g++ googletest libgtest-dev python3
  g++-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 xvfb xdotool xclip imagemagick x11-utils x11-xserver-utils)

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
start_virtual_screen() {
  local display=$1 size=$2
  if ! xdpyinfo -display ":$display" >/dev/null 2>&1; then
    Xvfb ":$display" -screen 0 "${size}x24" -noreset -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do
      xdpyinfo -display ":$display" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
  export DISPLAY=":$display"
}

# Creates the Wine prefix on first use and keeps the Wine server alive for fast starts.
prepare_wine() {
  mkdir -p "$OUT"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
  fi
  wineserver -p 2>/dev/null || true  # exits 2 when a server already runs
  wine wineboot >/dev/null 2>&1 || true
}
