#!/usr/bin/env bash
# run-demo.sh [SECONDS]: builds TrivexDemo.exe (the 32-bit Windows build) and starts it under
# Wine. With a display it runs until its window is closed. Without one (DISPLAY unset) it
# runs for SECONDS (20) on a virtual display and leaves a picture of the screen in
# build/trivex-demo.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-20}
gui="$root/tests/ui/win32"
build="$root/build/mingw32"

"$root/scripts/setup-debian.sh"
cd "$root"
cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target TrivexDemo
demo="$build/apps/trivex-demo/TrivexDemo.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec "$gui/wine_gui.sh" "$build/wineprefix-gui" "$demo"
fi

picture="$root/build/trivex-demo.png"
"$gui/with_display.sh" bash -c '
  "$1" "$2" "$3" &
  sleep "$4"
  import -window root "$5"
  WINEPREFIX="$2" wineserver -k
  wait || true
' run-demo "$gui/wine_gui.sh" "$build/wineprefix-gui" "$demo" "$seconds" "$picture"
echo "The screen after $seconds seconds: $picture"
