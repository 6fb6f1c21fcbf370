#!/usr/bin/env bash
# The readout soak: many simulated readouts with random faults, stops and full disks, every
# outcome checked. usage: scripts/soak.sh [RUNS] [SEED]   (default 1000 runs, seed 1)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target vertal-readout-soak -j2 >/dev/null
time "$build/tools/vertal-readout-soak" "${1:-1000}" "${2:-1}"
