#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window checks need,
# but only those that are missing, so a prepared machine starts at once.
set -euo pipefail
pkgs=(g++ cmake ninja-build make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
      clang libclang-rt-14-dev clang-format clang-tidy python3
      qt6-base-dev qt6-base-private-dev libpulse-dev libsystemd-dev libqt6opengl6-dev
      fonts-liberation fonts-comic-neue fonts-dejavu-core
      xvfb xauth xdotool imagemagick poppler-utils dbus-x11 dbus-daemon at-spi2-core python3-pyatspi python3-xlib
      qt6-qpa-plugins libqt6svg6 pulseaudio pulseaudio-utils)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq || true
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
