#!/usr/bin/env bash
# Builds the Windows program and shows it under Wine on one of two hosts: the shipping 32-bit
# build where Wine can run it, else the 64-bit one (scripts/windows-build.sh decides).
# Usage: scripts/demo.sh [--host sim|standin] [--seconds N] [SCENARIO.json]
#   --host sim      TrivexDemo.exe: the simulated host inside the program, with a window that
#                   shows the host's map (the default). Its world is SCENARIO, else its own.
#   --host standin  Trivex.exe itself, talking COM to the stand-in UI-View32 automation server,
#                   registered in the demo's Wine prefix. The server's map, stations and objects
#                   and Trivex's settings file come from SCENARIO (scenarios/demo.json).
# With a display it runs until Trivex's window is closed. Without one (DISPLAY unset) it runs
# for N seconds (20) on a virtual display and leaves a picture of the screen in
# build/demo-<host>.png. The program's folder is build/demo-<host>, made afresh every time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
host=sim
seconds=20
scenario=
while [ $# -gt 0 ]; do
  case $1 in
    --host) host=${2:-}; shift $(($# > 1 ? 2 : 1)) ;;
    --seconds) seconds=${2:-}; shift $(($# > 1 ? 2 : 1)) ;;
    -h | --help) sed -n '2,12p' "$0"; exit 0 ;;
    -*) echo "demo.sh: unknown option $1" >&2; exit 2 ;;
    *) scenario=$(realpath "$1"); shift ;;
  esac
done
case $host in
  sim | standin) ;;
  *) echo "demo.sh: --host is sim or standin" >&2; exit 2 ;;
esac
[[ $seconds =~ ^[0-9]+$ ]] || { echo "demo.sh: --seconds takes a whole number" >&2; exit 2; }

folder="$root/build/demo-$host"
gui="$root/tests/ui/win32"

"$root/scripts/setup-debian.sh"
# shellcheck source=windows-build.sh
. "$root/scripts/windows-build.sh"
trivex_windows_build
echo "demo.sh: $TRIVEX_WINDOWS_WHY"
preset=$TRIVEX_WINDOWS_PRESET
build="$root/build/$preset"
prefix="$build/wineprefix-demo"
cd "$root"
cmake --preset "$preset" >/dev/null
rm -rf "$folder"
mkdir -p "$folder"

if [ "$host" = sim ]; then
  cmake --build --preset "$preset" --target TrivexDemo
  cp "$build/apps/trivex-demo/TrivexDemo.exe" "$build/apps/trivex-demo/TrivexDemo.html" "$folder/"
  [ -z "$scenario" ] || cp "$scenario" "$folder/TrivexDemo.json"
  program="$folder/TrivexDemo.exe"
else
  cmake --build --preset "$preset" --target Trivex uiview32_standin_exe
  scenario=${scenario:-$root/scenarios/demo.json}
  mkdir "$folder/host"
  cp "$build/apps/uiview32-standin/uiview32.exe" "$folder/host/"
  cp "$scenario" "$folder/host/uiview32-scenario.json"
  cp "$build/apps/trivex/Trivex.exe" "$build/apps/trivex/Trivex.html" "$folder/"
  jq -j '.settings // empty' "$scenario" >"$folder/Trivex.INI"
  [ -s "$folder/Trivex.INI" ] || rm "$folder/Trivex.INI"
  # The classes, the type library and the host's program folder, for Trivex to find.
  "$root/scripts/wine-run" "$prefix" "$folder/host/uiview32.exe" /RegServer
  program="$folder/Trivex.exe"
fi

if [ -n "${DISPLAY:-}" ]; then
  exec "$gui/wine_gui.sh" "$prefix" "$program"
fi

picture="$root/build/demo-$host.png"
"$gui/with_display.sh" bash -c '
  "$1" "$2" "$3" &
  sleep "$4"
  import -window root "$5"
  WINEPREFIX="$2" wineserver -k
  wait || true
' demo "$gui/wine_gui.sh" "$prefix" "$program" "$seconds" "$picture"
echo "The screen after $seconds seconds: $picture"
