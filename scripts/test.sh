#!/usr/bin/env bash
# Builds everything and runs every test: natively, then the 32-bit Windows build under Wine,
# then natively under AddressSanitizer and UndefinedBehaviorSanitizer, then a short run of
# each fuzz target (scripts/fuzz.sh runs them longer).
# Installs the Debian packages it needs first. Usage: scripts/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh

passed=0
failed=0
run_preset() {
  local preset=$1
  echo "=== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "=== $preset: test"
  local log="build/$preset/ctest.log"
  if ctest --preset "$preset" 2>&1 | tee "$log"; then :; fi
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

stop_wine() {
  local prefix
  for prefix in build/*/wineprefix*; do
    [ -d "$prefix" ] && WINEPREFIX="$PWD/$prefix" wineserver -k 2>/dev/null || true
  done
}
trap stop_wine EXIT

run_preset native
run_preset mingw32
run_preset asan
run_preset fuzz

echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
