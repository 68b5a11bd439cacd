#!/usr/bin/env bash
# Builds the headless program and plays the demo scenario on the simulated host: prints what
# the window shows and writes the host's map as build/demo-map.svg.
# Usage: scripts/run.sh [SCENARIO.json]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-debian.sh
cmake --preset native >/dev/null
cmake --build --preset native --target trivex-sim
scenario=${1:-scenarios/demo.json}
build/native/apps/trivex-sim/trivex-sim "$scenario" --summary --svg build/demo-map.svg
echo "Map written to build/demo-map.svg"
