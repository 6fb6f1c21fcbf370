#!/usr/bin/env bash
# Installs what is missing, builds the window program and the demo dump writer into build-run/
# (tests and benchmarks are left out; test.sh builds them in build/), writes a demo dump and
# opens it in the window. With --simulate-unit, a unit played from the demo dump stands in for
# the USB unit, so that the Read commands work without the hardware.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

# Compiler results are shared between checkouts in different folders.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-${root}}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"

bash scripts/setup.sh run
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTAL_BUILD_UI=ON \
  -DVERTAL_BUILD_TESTS=OFF -DVERTAL_BUILD_BENCH=OFF -DVERTAL_BUILD_FUZZ=OFF -DVERTAL_SANITIZE=OFF
cmake --build build-run -j2 --target vertal-analyzer vertal-demo-dump
build-run/tools/vertal-demo-dump build-run/demo.bin

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found (DISPLAY is not set); the window needs one," \
       "for example: xvfb-run -a bash scripts/run.sh" >&2
fi
if [ "${1:-}" = "--simulate-unit" ]; then
  exec build-run/src/app/vertal-analyzer --simulate-unit build-run/demo.bin build-run/demo.bin
fi
exec build-run/src/app/vertal-analyzer build-run/demo.bin
