#!/usr/bin/env bash
# gui_tests.sh PREFIX TEST_PROGRAM TRIVEX_EXE SHOTS_DIR [TEST_ARGS...]: runs the GUI tests under Wine on a
# virtual display of their own, then turns the pictures they took into PNG files.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$1 tests=$2 trivex=$3 shots=$4
shift 4
mkdir -p "$shots"
rm -f "$shots"/*.bmp
status=0
TRIVEX_EXE="$trivex" TRIVEX_SHOTS="$shots" "$here/with_display.sh" "$here/wine_gui.sh" "$prefix" "$tests" --gtest_brief=1 "$@" || status=$?
for picture in "$shots"/*.bmp; do
  [ -e "$picture" ] || continue
  convert "$picture" "${picture%.bmp}.png" && rm -f "$picture"
done
exit "$status"
