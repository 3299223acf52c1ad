#!/usr/bin/env bash
# Installs the Debian packages a make target needs, only those missing (a quick no-op otherwise).
#
#   scripts/install-deps.sh               what `make run` and `make test` need
#   scripts/install-deps.sh GROUP...      that, and each group's own tools: asan, bench, bench-peers,
#                                         format, fuzz, memcheck, orca, shots; `package` alone needs
#                                         only the build
#   scripts/install-deps.sh --packages P...   exactly the packages named (install-peers.sh uses it)
set -euo pipefail

# Building the game: the compiler, CMake with Ninja, Qt 6 widgets and print support with uic/moc/rcc,
# and the font-configuration headers for reading the configuration ahead at start-up.
build=(g++ make cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
       libfontconfig-dev)
# Running it: the X11 platform plugin, the font that stands in for Verdana and MS Sans Serif, and
# xdg-open, which starts the browser for the help pages.
run=(qt6-qpa-plugins fontconfig fonts-dejavu-core xdg-utils)
# The suite: GoogleTest, and for the real-window tests a virtual display, key and window tools,
# screenshots and PDF text; Qt's platform headers, with which the accessibility tests switch
# accessibility on as a screen reader would; a private D-Bus session, the AT-SPI bus and its Python
# client for the test over the accessibility bus; xclip, with which the end-to-end test puts a
# puzzle on the real clipboard.
test=(libgtest-dev libgmock-dev xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick
      poppler-utils python3 qt6-base-private-dev dbus-daemon at-spi2-core python3-pyatspi xclip)

group_packages() {
  case "$1" in
    asan) echo libasan8 libubsan1 ;;                  # the sanitizer runtimes g++ links
    bench) echo libbenchmark-dev qqwing ;;            # Google Benchmark; the peer solver
    bench-peers) echo libbenchmark-dev qqwing dbus procps ;;  # plus a D-Bus session per run
    format) echo clang-format ;;
    fuzz) echo clang libclang-rt-14-dev ;;            # libFuzzer comes with clang's runtime
    memcheck) echo valgrind ;;
    # The screen reader for the test under Orca: Orca, speech-dispatcher with its espeak-ng module
    # (sound into ALSA's null device), and a window manager, which Orca needs to follow windows.
    orca) echo orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng openbox ;;
    shots) echo faketime ;;                           # a frozen clock for docs/screenshots/compare.sh
    package) ;;
    *) echo "$(basename "$0"): unknown group '$1' (asan bench bench-peers format fuzz memcheck orca package shots)" >&2
       return 1 ;;
  esac
}

if [ "${1:-}" = "--packages" ]; then
  shift
  packages=("$@")
elif [ $# -eq 1 ] && [ "$1" = "package" ]; then
  packages=("${build[@]}")
else
  packages=("${build[@]}" "${run[@]}" "${test[@]}")
  for group in "$@"; do
    extra=$(group_packages "$group")
    # shellcheck disable=SC2206  # the names are single words
    packages+=($extra)
  done
fi

# One dpkg-query for the whole list: what it does not report as installed is missing.
installed=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${packages[@]}" 2>/dev/null |
  awk '$2 == "installed" { print $1 }') || true
missing=()
for p in "${packages[@]}"; do
  grep -qxF "$p" <<<"$installed" || missing+=("$p")
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
