#!/usr/bin/env bash
# Installs what is missing, builds the analyser into build/, writes a demo dump and opens it in
# the window.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
build/tools/vertal-demo-dump build/demo.bin

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no display found (DISPLAY is not set); the window needs one," \
       "for example: xvfb-run -a bash scripts/run.sh" >&2
fi
exec build/src/app/vertal-analyzer build/demo.bin
