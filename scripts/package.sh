#!/usr/bin/env bash
# Builds the Debian package of the analyser and checks it the way Debian checks packages:
#   bash scripts/package.sh [BUILD_DIR]
# BUILD_DIR is a configured build folder whose binaries are packed (test.sh passes build/);
# without it a Release build is made in build-package/. The package is written into
# BUILD_DIR/package/; its path is the last line printed. Then: lintian (no errors allowed),
# desktop-file-validate, appstreamcli validate and man -l on every manual page.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-${root}}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"

dir=${1:-build-package}
if [ ! -f "${dir}/CMakeCache.txt" ]; then
  cmake -S . -B "${dir}" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVERTAL_BUILD_UI=ON \
    -DVERTAL_BUILD_TESTS=OFF -DVERTAL_BUILD_BENCH=OFF -DVERTAL_BUILD_FUZZ=OFF \
    -DVERTAL_SANITIZE=OFF
fi
# Builds nothing more in a folder whose targets are built already.
cmake --build "${dir}" -j2

rm -rf "${dir}/package"
(cd "${dir}" && cpack -G DEB)
debs=("${dir}"/package/*.deb)
deb=${debs[0]}

echo "package: checking ${deb}"
lintian --fail-on error --display-info "${deb}"
check=$(mktemp -d)
trap 'rm -rf "${check}"' EXIT
dpkg-deb -x "${deb}" "${check}"
desktop-file-validate "${check}"/usr/share/applications/*.desktop
appstreamcli validate --no-net "${check}"/usr/share/metainfo/*.metainfo.xml
for page in "${check}"/usr/share/man/man1/*.1.gz; do
  # Warnings of the formatter (a line too long, a wrong request) fail the check.
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "${page}" 2>&1 >/dev/null)
  if [ -n "${warnings}" ]; then
    echo "package: ${page##*/} does not render cleanly:" >&2
    echo "${warnings}" >&2
    exit 1
  fi
done
echo "package: $(du -k "${deb}" | cut -f1) KiB, installed $(dpkg-deb -f "${deb}" Installed-Size) KiB"
echo "${deb}"
