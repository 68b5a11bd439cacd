#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config git python3
  googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  clang libclang-rt-14-dev valgrind
  mingw-w64 mingw-w64-tools libwine-dev
  wine wine64 wine32:i386
  xvfb x11-utils imagemagick fonts-wine jq zip unzip gdal-bin
)

missing() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
fi

todo=$(missing)
if [ -n "$todo" ]; then
  echo "Installing: $todo"
  sudo_if_needed apt-get update -q
  # shellcheck disable=SC2086
  sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $todo
fi
