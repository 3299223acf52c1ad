#!/usr/bin/env bash
# Installs the other Sudoku programs that bench/peers compares Tessamond with, only when missing.
# They are large (KSudoku brings much of KDE), so only benchmarking needs them: install-deps.sh
# leaves them out on purpose.
set -euo pipefail

packages=(
  # the peers a player would pick instead
  gnome-sudoku ksudoku sgt-puzzles
  # what the measuring scripts use: virtual display, window events, key presses, timing
  xvfb xauth xdotool x11-utils procps python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-peers: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
    echo "install-peers: missing packages (${missing[*]}) and not root; install them or run as root" >&2
    exit 1
  fi
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
