#!/usr/bin/env bash
# Renders the icon's PNG sizes for the hicolor theme from vertal-analyzer.svg (run after
# changing the drawing; the PNGs are kept in the repository so that building needs no
# renderer). Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "${size}" -h "${size}" vertal-analyzer.svg -o "hicolor/${size}x${size}/apps/vertal-analyzer.png"
done
