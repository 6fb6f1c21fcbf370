#!/usr/bin/env bash
# Builds the benchmarks into build-bench/ and runs them: the core passes (vertal-bench) and the
# window, reports and lists (vertal-bench-ui, offscreen). Every figure is a median with its
# spread beside the floor measured in the same run (reading the same bytes and checking every
# record's checksum). Extra arguments go to both programs, e.g. --benchmark_filter=Open.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-${root}}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"

bash scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTAL_BUILD_UI=ON \
  -DVERTAL_BUILD_TESTS=OFF -DVERTAL_BUILD_BENCH=ON -DVERTAL_BUILD_FUZZ=OFF -DVERTAL_SANITIZE=OFF
cmake --build build-bench -j2 --target vertal-bench vertal-bench-ui vertal-cli

echo "=== $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
build-bench/bench/vertal-bench "$@"
QT_QPA_PLATFORM=offscreen build-bench/bench/vertal-bench-ui "$@"
