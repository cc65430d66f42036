#!/bin/sh
# A newcomer's first build, timed: a fresh clone into a temporary folder, then
#   1. configure and build the program alone (what scripts/run.sh builds),
#   2. add the tests (what scripts/test.sh adds) and build them,
#   3. run the tests (ctest).
# For each: the wall time, the processor time of everything it started, and
# ninja's steps. Fails if any file is compiled twice. The packages must be
# installed (scripts/install-deps.sh).
#   first_build.sh [REPOSITORY]   (default: the one this script is in; its
#                                  committed state, as a clone sees it)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
repository=${1:-$here}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }
# User plus system seconds of all finished children of this shell, as
# `times` wrote them into file $1 (it must run in this shell, not in $(...)).
children_cpu() { awk 'NR == 2 { gsub(/[ms]/, " "); print $1 * 60 + $2 + $3 * 60 + $4 }' "$1"; }
minus() { awk -v a="$1" -v b="$2" 'BEGIN { print a - b }'; }
steps() { grep -Ec '^\[[0-9]+/[0-9]+\]' "$1" || true; }
compiled() { sed -n 's/^\[[0-9]*\/[0-9]*\] Building CXX object //p' "$1" | sort; }

git clone -q "$repository" "$work/clone"
cd "$work/clone"
echo "$(git log -1 --format='%h %s'), $(nproc) processors, load $(cut -d' ' -f1-3 /proc/loadavg)"

phase() { # name, log, command...
    name=$1 log=$2
    shift 2
    times >"$work/before"
    start=$(now)
    "$@" >"$log" 2>&1 || { cat "$log"; echo "FAIL: $name"; exit 1; }
    end=$(now)
    times >"$work/after"
    printf '%-22s %7.1f s wall %7.1f s processor %4s ninja steps\n' "$name:" "$(minus "$end" "$start")" \
        "$(minus "$(children_cpu "$work/after")" "$(children_cpu "$work/before")")" "$(steps "$log")"
}
program() { sh scripts/configure.sh && cmake --build build --target encoder; }
tests() { sh scripts/configure.sh -DBUILD_TESTING=ON && cmake --build build; }
phase "program alone" "$work/program.log" program
phase "tests added" "$work/tests.log" tests
compiled "$work/program.log" >"$work/program.objects"
compiled "$work/tests.log" >"$work/tests.objects"
twice=$(comm -12 "$work/program.objects" "$work/tests.objects")
[ -z "$twice" ] || { echo "FAIL: compiled twice:"; echo "$twice"; exit 1; }
echo "compiled twice: nothing ($(wc -l <"$work/program.objects") objects, then" \
     "$(wc -l <"$work/tests.objects") more)"

phase "ctest" "$work/ctest.log" ctest --test-dir build -j2 --output-on-failure
grep -E 'tests passed|tests failed' "$work/ctest.log"
