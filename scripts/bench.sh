#!/usr/bin/env bash
# Builds the benchmarks optimised as shipped (preset bench) and prints the figures of
# docs/performance.md: Google Benchmark timings and the callgrind instruction count of one
# full plot; then scripts/bench-wine.sh adds those of Trivex.exe under Wine.
# Usage: scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --target trivex-bench trivex-plot-count >/dev/null
bin=build/bench/bench
verdict() { if [ "$1" -lt "$2" ]; then echo "met"; else echo "NOT met"; fi; }

echo "=== Machine"
echo "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), $(nproc) cores, $(uname -sr)"
echo "$(g++ --version | head -1); $(valgrind --version)"

echo
echo "=== Google Benchmark: median of 5 repetitions"
figures=$("$bin/trivex-bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
  grep -E '^Benchmark|_median')
echo "$figures"
plot_us=$(awk '/^BM_FullPlotOnCannedHost_median/ {
  v = $2; if ($3 == "ns") v /= 1000; else if ($3 == "ms") v *= 1000; printf "%.1f", v }' <<<"$figures")
echo "target: program's own work in a full plot under 20 us: ${plot_us} us, $(awk -v t="$plot_us" \
  'BEGIN { print (t < 20 ? "met" : "NOT met") }')"

echo
echo "=== Instructions of one full plot (callgrind, the plot function only)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
count() {
  valgrind --tool=callgrind --toggle-collect='*MeasuredPlot*' --callgrind-out-file="$work/$1.out" \
    "$bin/trivex-plot-count" "$1" 2>&1 | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
canned=$(count canned)
sim=$(count sim)
printf '%-52s %9s\n' "program + canned host (the program's own work)" "$canned" \
  "program + simulated host" "$sim" "simulated host's own share (difference)" "$((sim - canned))"
echo "target: program's own work under 100000 instructions: $(verdict "$canned" 100000)"

echo
scripts/bench-wine.sh
