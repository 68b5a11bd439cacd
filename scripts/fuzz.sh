#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, with AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each for longer than the test command's smoke run, one after the other.
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET (default 300)] [TARGET...]
# Targets: settings plot scenario. New inputs collect in
# build/fuzz/tests/fuzz/corpus/<target>; a failing input is written to
# build/fuzz/tests/fuzz/artifacts/<target>-crash-... (or -timeout-, -oom-). To keep one as a
# regression input, copy it into tests/fuzz/corpus/<target>/ under a name that says what it
# found: every test build replays that folder.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-300}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(settings plot scenario)

scripts/setup-debian.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"

dir=build/fuzz/tests/fuzz
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
  echo "=== $target: ${seconds} s"
  mkdir -p "$dir/corpus/$target" "$dir/artifacts"
  options=()
  [ "$target" = scenario ] && options+=(-dict=tests/fuzz/scenario.dict)
  if ! "$dir/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$dir/artifacts/$target-" "${options[@]}" "$dir/corpus/$target" "tests/fuzz/corpus/$target" \
      2>"$dir/$target.log"; then
    failed+=("$target")
    grep -E 'ERROR|property broken|runtime error|Test unit written' "$dir/$target.log" | head -5
  fi
  grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$dir/$target.log" | tail -2 || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed: ${failed[*]} (logs in $dir/<target>.log)"
  exit 1
fi
echo "All fuzz targets ran clean."
