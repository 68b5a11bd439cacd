#!/usr/bin/env bash
# with_display.sh COMMAND [ARGS...]: runs a command on a virtual X display of its own
# (1024 x 768, 96 DPI) and stops the display afterwards.
set -euo pipefail
log=$(mktemp)
# Xvfb picks a free display number itself and writes it to its output once it serves.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 2>"$log")
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$log"' EXIT
if ! read -r -t 10 display <&3; then
  echo "Xvfb did not start:" >&2
  cat "$log" >&2
  exit 1
fi
DISPLAY=":$display" "$@" 3<&-
