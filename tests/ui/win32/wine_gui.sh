#!/usr/bin/env bash
# wine_gui.sh PREFIX PROGRAM [ARGS...]: runs a Windows GUI program under Wine in PREFIX on
# the current display, and ends the prefix's Wine processes afterwards. With no window
# manager on a virtual display, Wine draws the window frames itself; it gets its own fonts
# (Marlett for the frame buttons, MS Sans Serif, Tahoma) in the prefix.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
wine_run="$here/../../../scripts/wine-run"
prefix=$1
shift
# Wine processes left in the prefix from another display would not reach this one.
stop_wine() { WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; }
stop_wine
trap stop_wine EXIT

"$wine_run" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
# Wine waits up to two seconds for a window manager to confirm each window it hides (every
# message box closed); there is none, so Wine manages the windows itself.
"$wine_run" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fonts="$prefix/drive_c/windows/Fonts"
if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ]; then
  cp -u /usr/share/wine/fonts/* "$fonts/"
fi
"$wine_run" "$prefix" "$@"
