#!/usr/bin/env bash
# Builds Trivex.exe, the stand-in host server and the Wine benchmark driver as shipped (Release)
# and prints the figures of docs/performance.md that need Windows: start-up to a drawn window,
# memory and full plots over COM, measured under Wine on a virtual display, and the size and
# DLLs of Trivex.exe. The build is the shipping 32-bit one where Wine can run it, else the
# 64-bit one (scripts/windows-build.sh decides); the output names it.
# Usage: scripts/bench-wine.sh [BUILD_DIR]   (default build/bench-wine)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=windows-build.sh
. scripts/windows-build.sh
trivex_windows_build
case $TRIVEX_WINDOWS_PRESET in
  mingw32) triplet=i686-w64-mingw32 bits=32 ;;
  *) triplet=x86_64-w64-mingw32 bits=64 ;;
esac

build=$(realpath -m "${1:-build/bench-wine}")
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw-${triplet%%-*}.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTRIVEX_BENCH=ON >/dev/null
cmake --build "$build" --target trivex-wine-bench >/dev/null
exe=$build/apps/trivex/Trivex.exe

echo "=== Machine"
echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores, $(uname -sr)"
echo "$("$TRIVEX_WINE_LOADER" --version); $($triplet-g++ --version | head -1); Xvfb without a window manager"
echo "Build: $TRIVEX_WINDOWS_WHY"
echo
TRIVEX_EXE="$exe" tests/ui/win32/with_display.sh tests/ui/win32/wine_gui.sh "$build/wineprefix-bench" \
  "$build/bench/trivex-wine-bench.exe" "$build/apps/uiview32-standin/uiview32.exe" \
  "$build/bench/trivex-minimal-window.exe"

echo
echo "=== Trivex.exe ($bits-bit Windows, Release)"
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
$triplet-strip -o "$stripped" "$exe"
size=$(stat -c %s "$exe")
echo "$size bytes as built, $(stat -c %s "$stripped") bytes stripped"
echo "target: under 2 MB (2097152 bytes): $([ "$size" -lt 2097152 ] && echo met || echo "NOT met")"
echo "DLLs: $($triplet-objdump -p "$exe" | sed -n 's/.*DLL Name: //p' | xargs)"
