#!/usr/bin/env bash
# Runs every vertal-cli command with two builds of the tool on the same inputs and compares
# what they print, their exit status and the files they write (a report by its text, as
# pdftotext lays it out). Inputs: the demo dump, a later reading of the same crane, a file of
# recorder version 30, and bad files (empty, truncated, random bytes, a folder, a missing file).
#
#   scripts/compare-cli.sh OLD/vertal-cli NEW/vertal-cli DEMO_DUMP_TOOL [WORK_DIR] [-- COMMAND...]
#
# Commands named after "--" (e.g. "-- days") are expected to differ: their differences are
# shown but not counted. The last line says how many runs differed.
set -u
old=$(realpath "$1") new=$(realpath "$2") demo=$(realpath "$3")
work=${4:-$(mktemp -d)}
shift 3; [ $# -gt 0 ] && [ "$1" != "--" ] && shift
allowed=()
if [ "${1:-}" = "--" ]; then shift; allowed=("$@"); fi

mkdir -p "$work/in"
in=$work/in
"$demo" "$in/demo.bin" >/dev/null
"$demo" "$in/later.bin" --later-days 30 >/dev/null
: > "$in/empty.bin"
head -c 100000 "$in/demo.bin" > "$in/truncated.bin"
python3 -c 'import random,sys; r=random.Random(7); sys.stdout.buffer.write(bytes(r.randrange(256) for _ in range(65536)))' > "$in/random.bin"
mkdir -p "$in/folder.bin"
# The recorder version is byte 12 of the long-term memory.
cp "$in/demo.bin" "$in/v30.bin"
printf '\x1e' | dd of="$in/v30.bin" bs=1 seek=12 conv=notrunc status=none

files=(demo later v30 empty truncated random folder missing)
runs=()
for f in "${files[@]}"; do
  p=$in/$f.bin
  runs+=("check $p" "info $p" "scan $p" "audit $p" "days $p"
         "frames $p --at 0" "frames $p --at 270000" "frames $p --at 99999999"
         "overloads $p --at 0" "overloads $p --at 2595" "kds $p --at 0" "kds $p --at 145"
         "search-frames $p --threshold 100" "search-frames $p --threshold 50 --limits --faults"
         "search-overloads $p" "search-overloads $p --threshold 120 --from 01.01.08 --to 31.12.09"
         "search-overloads $p --threshold x"
         "search-kds $p --parameter 3" "search-kds $p --parameter 1 --from 01.01.08 --to 31.12.09"
         "graph $p --kind param --at 0" "graph $p --kind relay --at 100000"
         "report $p --kind card --pdf OUT.pdf" "report $p --kind oper --first 10 --last 60 --pdf OUT.pdf"
         "report $p --kind per --pdf OUT.pdf" "report $p --kind per --threshold 120 --pdf OUT.pdf"
         "report $p --kind per --threshold x --pdf OUT.pdf"
         "report $p --kind kds --parameter 2 --pdf OUT.pdf" "report $p --kind graph-param --at 0 --pdf OUT.pdf"
         "report $p --kind graph-relay --at 5000 --pdf OUT.pdf"
         "export $p --what frames --first 0 --last 50 --csv OUT.csv"
         "export $p --what overloads --threshold 120 --csv OUT.csv"
         "export $p --what overloads --excel --csv OUT.csv"
         "export $p --what kds --parameter 4 --csv OUT.csv" "export $p --what episodes --csv OUT.csv"
         "export $p --what spectrum --csv OUT.csv" "export $p --what service --excel --csv OUT.csv"
         "export $p --what overloads --threshold x --csv OUT.csv"
         "diff $in/demo.bin $p" "diff $p $in/later.bin")
done
runs+=("decode 13 1" "decode 20 17" "decode 99 x" "--help" "nosuch")
runs+=("read OUTDIR/read.bin --simulate $in/demo.bin --date 19.09.08"
       "read OUTDIR/read.bin --simulate $in/demo.bin --date 19.09.08 --fault no-unit"
       "read OUTDIR/read.bin --simulate $in/demo.bin --date 19.09.08 --fault error-page:100:5"
       "read OUTDIR/read.bin --simulate $in/demo.bin --date 19.09.08 --fault silent-ident --operator-cancel"
       "read OUTDIR/no/such/folder/read.bin --simulate $in/demo.bin --date 19.09.08"
       "read OUTDIR/read.bin --simulate $in/empty.bin --date 19.09.08"
       "read OUTDIR/read.bin --simulate $in/missing.bin --date 19.09.08")

differing=0 expected=0 n=0
for run in "${runs[@]}"; do
  n=$((n + 1))
  for side in old new; do
    tool=$old; [ $side = new ] && tool=$new
    dir=$work/$side/$n; rm -rf "$dir"; mkdir -p "$dir"
    # shellcheck disable=SC2086
    args=${run//OUT.pdf/$dir/out.pdf}; args=${args//OUT.csv/$dir/out.csv}; args=${args//OUTDIR/$dir}
    # shellcheck disable=SC2086
    (cd "$dir" && LC_ALL=C timeout 600 "$tool" $args > stdout 2> stderr; echo $? > status)
    sed -i "s#$work/$side/$n#DIR#g" "$dir/stdout" "$dir/stderr"
    [ -f "$dir/out.pdf" ] && pdftotext -layout "$dir/out.pdf" "$dir/out.txt" && rm "$dir/out.pdf"
    [ -f "$dir/read.bin" ] && sha256sum < "$dir/read.bin" > "$dir/read.sha" && rm "$dir/read.bin"
  done
  if ! diff -r "$work/old/$n" "$work/new/$n" > "$work/diff-$n.txt"; then
    cmd=${run%% *}
    if printf '%s\n' "${allowed[@]}" | grep -qx -- "$cmd"; then
      expected=$((expected + 1)); echo "expected difference: $run"
    else
      differing=$((differing + 1)); echo "DIFFERS: $run"; head -20 "$work/diff-$n.txt"
    fi
  fi
done
echo "$n runs, $differing differ, $expected differ as expected (work folder: $work)"
[ $differing -eq 0 ]
