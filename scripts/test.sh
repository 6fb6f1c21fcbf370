#!/usr/bin/env bash
# Builds and runs every test of the analyser, each once:
#   1. build-asan/  clang with AddressSanitizer and UndefinedBehaviorSanitizer: every test
#                   suite, and the libFuzzer targets, which link the same libraries (clang is
#                   the compiler that has libFuzzer); then each fuzz target for a short while,
#                   one per core at a time;
#   2. build/       the normal build (GCC) of what is not tested under the sanitizers: the
#                   programs the Debian package ships and the benchmarks, run once as a smoke
#                   test (VERTAL_BENCH_SMOKE=1: one iteration of each);
#   3. the Debian package made of build/'s binaries, installed, tried as installed and purged
#      (needs root or sudo; VERTAL_SKIP_PACKAGE=1 leaves it out), beside the smoke run.
# Both compilers build with warnings as errors, so a warning of either stops the run.
# Ends with the line "N passed, N failed": the test results summed, the package step and the
# benchmarks' smoke run as one test each (a build, the package step, the smoke run or a fuzz
# target that fails counts as one failure). Exits non-zero when anything failed.
# Extra CMake arguments for both builds can be given in VERTAL_CMAKE_ARGS, e.g.
# VERTAL_CMAKE_ARGS=-DVERTAL_BUILD_UI=OFF to leave the window out.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$(pwd)

jobs=2
# Compiler results are shared between checkouts in different folders (CI builds a fresh clone).
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-${root}}"
export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-true}"
fuzz_total_seconds=${VERTAL_FUZZ_SECONDS:-40}
read -r -a extra_args <<<"${VERTAL_CMAKE_ARGS:-}"

passed=0
failed=0
status=0
timings=()
phase_name=""
phase_start=0

begin_phase() {
  phase_name=$1
  phase_start=$SECONDS
  echo
  echo "=== ${phase_name}"
}

end_phase() {
  timings+=("$(printf '%-34s %4d s' "${phase_name}" $((SECONDS - phase_start)))")
}

failure() {
  echo "test: $*" >&2
  failed=$((failed + 1))
  status=1
}

# Runs ctest in a build folder and adds its counts to the totals.
run_ctest() {
  local dir=$1
  local log="${dir}/ctest.log"
  (cd "${dir}" && ctest --output-on-failure --no-tests=error -j"${jobs}") 2>&1 | tee "${log}"
  local rc=${PIPESTATUS[0]}
  local line
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "${log}" | tail -n 1)
  if [ -z "${line}" ]; then
    failure "ctest in ${dir} gave no results"
    return
  fi
  local fails total
  fails=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"${line}")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"${line}")
  passed=$((passed + total - fails))
  failed=$((failed + fails))
  if [ "${rc}" -ne 0 ]; then
    status=1
    [ "${fails}" -gt 0 ] || failure "ctest in ${dir} ended with status ${rc}"
  fi
}

# Configures and builds a folder; false (and one failure counted) when either step fails.
build() {
  local dir=$1
  shift
  if ! cmake -S . -B "${dir}" -G Ninja "$@"; then
    failure "configuring ${dir} failed"
    return 1
  fi
  if ! cmake --build "${dir}" -j"${jobs}"; then
    failure "building ${dir} failed"
    return 1
  fi
}

# The benchmarks' smoke run: every benchmark of build/ once (one iteration, one timed run of
# its floor), so that a benchmark that crashes or no longer finds what it measures is noticed.
# The figures of such a run mean nothing. False at the first program that fails.
bench_smoke() {
  local program log
  for program in build/bench/vertal-bench build/bench/vertal-bench-usb build/bench/vertal-bench-ui; do
    [ -x "${program}" ] || continue
    log="${program}.smoke.log"
    echo "running ${program##*/}"
    if ! VERTAL_BENCH_SMOKE=1 QT_QPA_PLATFORM=offscreen "${program}" >"${log}" 2>&1; then
      tail -n 40 "${log}"
      echo "test: ${program} failed (log: ${log})" >&2
      return 1
    fi
  done
}

# The package step: builds the .deb from build/ (scripts/package.sh also runs lintian and the
# validators), installs it with apt-get as a user would, runs the installed programs, checks
# that the system finds the udev rule, menu entry, icon and manual pages, and purges it again.
# Returns non-zero at the first fault, with its reason on standard error.
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
package_step() {
  local log=build/package.log
  bash scripts/package.sh build 2>&1 | tee "${log}"
  [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "test: making the package failed" >&2; return 1; }
  local deb
  deb="${root}/$(tail -n 1 "${log}")"
  local name
  name=$(dpkg-deb -f "${deb}" Package)
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${deb}" ||
    { echo "test: apt-get install ${deb} failed" >&2; return 1; }
  local files
  files=$(dpkg -L "${name}")
  local ok=0
  package_installed_checks "${deb}" || ok=1
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y "${name}" ||
    { echo "test: apt-get purge ${name} failed" >&2; return 1; }
  if dpkg-query -W -f='${Status}' "${name}" 2>/dev/null | grep -qv 'not-installed'; then
    echo "test: ${name} is still known to dpkg after the purge" >&2
    ok=1
  fi
  local file
  while IFS= read -r file; do
    if [ -f "${file}" ] || [ -L "${file}" ]; then
      echo "test: ${file} was left behind by the purge" >&2
      ok=1
    fi
  done <<<"${files}"
  return "${ok}"
}

package_installed_checks() {
  local deb=$1
  local version
  version=$(dpkg-deb -f "${deb}" Version)
  local tmp
  tmp=$(mktemp -d)
  local ok=0
  local expect
  for expect in /usr/bin/vertal-cli /usr/bin/vertal-analyzer /usr/bin/vertal-demo-dump; do
    [ "$(command -v "${expect##*/}")" = "${expect}" ] || { echo "test: ${expect##*/} is not on PATH" >&2; ok=1; }
  done
  vertal-cli --version | grep -qx "vertal-cli ${version}\( (commit .*)\)\?" ||
    { echo "test: installed vertal-cli --version does not give ${version}" >&2; ok=1; }
  if vertal-demo-dump "${tmp}/demo.bin"; then
    vertal-cli info "${tmp}/demo.bin" >"${tmp}/info.json" &&
      grep -q '"RecorderVersion": 31' "${tmp}/info.json" ||
      { echo "test: installed vertal-cli info failed on the demo dump" >&2; ok=1; }
    # The card is painted by the painting program that vertal-cli hands the command to.
    vertal-cli report "${tmp}/demo.bin" --kind card --pdf "${tmp}/card.pdf" >/dev/null &&
      [ -s "${tmp}/card.pdf" ] ||
      { echo "test: installed vertal-cli report did not write the card" >&2; ok=1; }
  else
    echo "test: the installed vertal-demo-dump failed" >&2
    ok=1
  fi
  QT_QPA_PLATFORM=offscreen vertal-analyzer --version | grep -qx "vertal-analyzer ${version}.*" ||
    { echo "test: installed vertal-analyzer --version failed" >&2; ok=1; }
  # Where udev, the desktop menus and man look for them.
  for expect in /usr/lib/udev/rules.d/70-vertal-unit.rules \
      /usr/share/applications/ru.vertal.analyzer.desktop \
      /usr/share/metainfo/ru.vertal.analyzer.metainfo.xml \
      /usr/share/icons/hicolor/scalable/apps/vertal-analyzer.svg \
      /usr/share/icons/hicolor/48x48/apps/vertal-analyzer.png \
      /usr/share/doc/vertal-analyzer/copyright; do
    [ -s "${expect}" ] || { echo "test: ${expect} is not installed" >&2; ok=1; }
  done
  grep -qx 'Exec=vertal-analyzer %f' /usr/share/applications/ru.vertal.analyzer.desktop ||
    { echo "test: the menu entry does not start vertal-analyzer with a file" >&2; ok=1; }
  for expect in vertal-cli vertal-analyzer vertal-demo-dump; do
    [ "$(man -w "${expect}" 2>/dev/null)" = "/usr/share/man/man1/${expect}.1.gz" ] ||
      { echo "test: man does not find ${expect}(1)" >&2; ok=1; }
  done
  rm -rf "${tmp}"
  return "${ok}"
}

# Starts a fuzz target in the background for `seconds` on its corpus and seeds.
declare -A fuzz_pid
start_fuzz_target() {
  local target=$1 seconds=$2
  local name
  name=$(basename "${target}")
  mkdir -p "build-asan/corpus/${name}" "build-asan/seeds/${name}"
  "${target}" -max_total_time="${seconds}" -print_final_stats=1 \
    -artifact_prefix="build-asan/artifacts/${name}-" "build-asan/corpus/${name}" \
    "build-asan/seeds/${name}" >"build-asan/${name}.log" 2>&1 &
  fuzz_pid[${name}]=$!
}

# Waits for the given fuzz targets and reports each: its last statistic, or its log's end and a
# failure.
finish_fuzz_targets() {
  local target name log
  for target in "$@"; do
    name=$(basename "${target}")
    log="build-asan/${name}.log"
    if wait "${fuzz_pid[${name}]}"; then
      echo "${name}: $(grep -E '^(stat::number_of_executed_units|Done)' "${log}" | tail -n 1)"
    else
      tail -n 60 "${log}"
      failure "fuzz target ${name} failed (input kept in build-asan/artifacts/)"
    fi
  done
}

begin_phase "setup"
if ! bash scripts/setup.sh; then
  echo "test: setup failed" >&2
  echo "0 passed, 1 failed"
  exit 1
fi
end_phase

# Sanitizers: leaks are reported except inside the system libraries under the toolkit.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=${root}/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

begin_phase "sanitizer build (build-asan/)"
build_ok=0
build build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DVERTAL_SANITIZE=ON -DVERTAL_BUILD_TESTS=ON \
  -DVERTAL_PCH=OFF -DVERTAL_UNITY=ON \
  -DVERTAL_BUILD_UI=ON -DVERTAL_BUILD_BENCH=OFF -DVERTAL_BUILD_FUZZ=ON "${extra_args[@]}" &&
  build_ok=1
end_phase
if [ "${build_ok}" -eq 1 ]; then
  begin_phase "tests (build-asan/)"
  run_ctest build-asan
  end_phase
fi

if [ "${build_ok}" -eq 1 ]; then
  begin_phase "fuzzing"
  # Seeds: the sound records of the demo dump, so that the fuzzers start past the checksums.
  seeds=build-asan/seeds
  rm -rf "${seeds}"
  mkdir -p "${seeds}/fuzz_long_term" "${seeds}/fuzz_frames" build-asan/artifacts
  if build-asan/tools/vertal-demo-dump build-asan/demo.bin; then
    head -c 1800 build-asan/demo.bin >"${seeds}/fuzz_long_term/head"
    { head -c 32768 build-asan/demo.bin; tail -c 134 build-asan/demo.bin; } \
      >"${seeds}/fuzz_long_term/area-and-trailer"
    tail -c +32769 build-asan/demo.bin | head -c 64 >"${seeds}/fuzz_frames/two-frames"
  fi
  printf '10.09.08' >"${seeds}/fuzz_frames/date"
  # fuzz_open patches a demo dump of its own: version 30, lengthened, cut, empty, records rewritten.
  mkdir -p "${seeds}/fuzz_open"
  printf '\x04' >"${seeds}/fuzz_open/version-30"
  printf '\x02\x00\x00\x08' >"${seeds}/fuzz_open/lengthened"
  printf '\x01\x00\x10\x00' >"${seeds}/fuzz_open/cut"
  printf '\x03' >"${seeds}/fuzz_open/empty-file"
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\xcb\x00\x00\x84\xff\xff\xff\x7f\x6a\x6d\x00\x84\xff\xff\xff\xff' >"${seeds}/fuzz_open/records"
  printf '\x4a\x73\x00\x83\xff\x7f\x07\xe0\x7f\x84\x83\x12\x09\x08\x03\x80\x84\x82\xc0\xff' >>"${seeds}/fuzz_open/records"
  # fuzz_transact: an error reply after a write, and a damaged full block with more queued.
  mkdir -p "${seeds}/fuzz_transact"
  printf '\x04\x00\x00\x00\x00\x00\x00\x00\x00\x80\x7f\x05\xfb' >"${seeds}/fuzz_transact/error-reply"
  printf '\x01\x00\x40\x20\x01\x00\x00\x00\x00\x01\x01\x01' >"${seeds}/fuzz_transact/full-block"

  mapfile -t targets < <(find build-asan/fuzz -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
  if [ "${#targets[@]}" -eq 0 ]; then
    failure "no fuzz targets were built"
  else
    seconds=$((fuzz_total_seconds / ${#targets[@]}))
    [ "${seconds}" -ge 10 ] || seconds=10
    # One target per core at a time; each writes its own log, read when it has ended.
    echo "fuzzing ${#targets[@]} targets for ${seconds} s each, ${jobs} at a time"
    running=()
    for target in "${targets[@]}"; do
      start_fuzz_target "${target}" "${seconds}"
      running+=("${target}")
      if [ "${#running[@]}" -eq "${jobs}" ]; then
        finish_fuzz_targets "${running[@]}"
        running=()
      fi
    done
    [ "${#running[@]}" -eq 0 ] || finish_fuzz_targets "${running[@]}"
  fi
  end_phase
fi

unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS

begin_phase "build (build/)"
build_ok=0
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERTAL_BUILD_TESTS=OFF -DVERTAL_BUILD_UI=ON \
  -DVERTAL_PCH=OFF -DVERTAL_UNITY=ON -DVERTAL_BUILD_BENCH=ON -DVERTAL_BUILD_FUZZ=OFF -DVERTAL_SANITIZE=OFF "${extra_args[@]}" &&
  build_ok=1
end_phase
if [ "${build_ok}" -eq 1 ]; then
  # The smoke run and the package step only read build/, and neither keeps both cores busy: the
  # smoke run goes on beside the package step (its figures mean nothing), and its report is
  # printed when both have ended.
  begin_phase "benchmarks' smoke run, package (build/)"
  smoke_log=build/bench-smoke.log
  bench_smoke >"${smoke_log}" 2>&1 &
  smoke_pid=$!
  if [ "${VERTAL_SKIP_PACKAGE:-0}" = 1 ]; then
    echo "package: left out (VERTAL_SKIP_PACKAGE=1)"
  elif [[ " ${extra_args[*]} " == *" -DVERTAL_BUILD_UI=OFF "* ]]; then
    echo "package: left out (the package holds the window, which this build leaves out)"
  elif package_step; then
    passed=$((passed + 1))
  else
    failure "the package step failed"
  fi
  echo "--- the benchmarks' smoke run"
  if wait "${smoke_pid}"; then
    cat "${smoke_log}"
    passed=$((passed + 1))
  else
    cat "${smoke_log}"
    failure "the benchmarks' smoke run failed"
  fi
  end_phase
fi

echo
echo "=== time per phase"
printf '%s\n' "${timings[@]}"
echo
echo "${passed} passed, ${failed} failed"
exit "${status}"
