#!/usr/bin/env bash
# Builds everything and runs every test: natively, then the Windows build under Wine, then
# the release package's checks, then natively under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of each fuzz target (scripts/fuzz.sh runs
# them longer).
# The Windows build tested is the shipping 32-bit one where Wine can run 32-bit programs.
# Elsewhere, or with TRIVEX_WINE64=1, the 32-bit build is only built and checked without
# running it, and the 64-bit build runs the whole Windows suite (scripts/windows-build.sh).
# Installs the Debian packages it needs first. Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
# shellcheck source=windows-build.sh
. scripts/windows-build.sh
trivex_windows_build
echo "=== Windows tests: $TRIVEX_WINDOWS_WHY"

passed=0
failed=0
build_preset() {
  echo "=== $1: configure and build"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}
# test_preset PRESET [CTEST_ARGS...]: adds the preset's ctest counts to the summary.
test_preset() {
  local preset=$1
  shift
  echo "=== $preset: test $*"
  local log="build/$preset/ctest.log"
  if ctest --preset "$preset" "$@" 2>&1 | tee "$log"; then :; fi
  local summary
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$summary" ]; then
    failed=$((failed + 1))
    echo "=== $preset: no test summary"
    return
  fi
  local total fails
  fails=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
  total=$(sed -E 's/.* tests failed out of ([0-9]+).*/\1/' <<<"$summary")
  passed=$((passed + total - fails))
  failed=$((failed + fails))
}
run_preset() {
  build_preset "$1"
  test_preset "$1"
}

stop_wine() {
  local prefix
  for prefix in build/*/wineprefix*; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true
  done
}
trap stop_wine EXIT

run_preset native
if [ "$TRIVEX_WINDOWS_PRESET" = mingw32 ]; then
  run_preset mingw32
else
  build_preset mingw32
  test_preset mingw32 -L static
  run_preset mingw64
fi
echo "=== release package: tests/release/check_package.sh"
if tests/release/check_package.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
run_preset asan
run_preset fuzz

echo "=== Windows tests: $TRIVEX_WINDOWS_WHY"
echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
