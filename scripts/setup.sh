#!/usr/bin/env bash
# Installs what building, running and testing the analyser needs on a Debian 12 machine.
# Only what is missing is installed; running it again changes nothing.
# `setup.sh run` installs only what building and running the window needs (run.sh); without
# an argument the test tools are installed too (test.sh).
set -euo pipefail

packages=(
  g++ cmake ninja-build pkgconf ccache lld
  qt6-base-dev libqcustomplot-dev qt6-translations-l10n
  libftdi1-dev libcli11-dev nlohmann-json3-dev
  fonts-dejavu-core fonts-liberation2 locales
  xvfb xauth
)
if [ "${1:-}" != run ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev libcsv-dev poppler-utils libusb-1.0-0-dev
    clang libclang-rt-14-dev
    help2man file dpkg-dev lintian desktop-file-utils appstream man-db
  )
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  as_root=(sudo)
fi

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The Russian locale, so that numbers can be checked with the decimal comma the users see.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
  echo "setup: generating the ru_RU.UTF-8 locale"
  "${as_root[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8 ||
    echo "setup: could not generate ru_RU.UTF-8; tests that need it are skipped" >&2
fi
