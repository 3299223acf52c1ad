#!/usr/bin/env bash
# Installs the Debian packages that building, testing and benchmarking Tessamond need, only when missing.
# With package names as arguments it installs those instead (scripts/install-peers.sh does).
set -euo pipefail

packages=(
  # toolchain
  g++ make cmake ninja-build pkg-config
  # Qt 6 widgets, print support, Qt Test, uic/moc/rcc and the X11 platform plugin
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # Qt's platform headers: the accessibility tests switch accessibility on as a screen reader would
  qt6-base-private-dev
  # unit tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the real-window tests and looking at what the game shows
  xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick poppler-utils python3
  # the accessibility test: a private D-Bus session, the AT-SPI bus and its Python client
  dbus-daemon at-spi2-core python3-pyatspi
  # fonts: the fallback for Verdana / MS Sans Serif
  fontconfig fonts-dejavu-core
  # fuzzing the engine (clang's libFuzzer runtime) and the leak check of a scripted session
  clang libclang-rt-14-dev valgrind
  # the peer solver the benchmarks compare against
  qqwing
)

if [ $# -gt 0 ]; then
  packages=("$@")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "$(basename "$0"): installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "$(basename "$0"): missing packages (${missing[*]}) and not root; install them or run as root" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
