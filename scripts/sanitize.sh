#!/bin/sh
# The test suite (all but the whole-desktop sessions, below) built with
# AddressSanitizer and UndefinedBehaviorSanitizer (GCC's) in its own folder,
# build-sanitize/. Every program the tests start (the encoder, L3ENC,
# through the script too) is built so as well, and its first report ends it
# with status 86 and writes the report to build-sanitize/sanitizer-reports/:
# any report there fails the run, even one from a program whose status a
# test does not look at. Leaks are looked for too; the system libraries' own
# are named in tests/sanitizers/lsan.supp.
#   sh scripts/sanitize.sh [CTEST ARGUMENTS...]
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
sh scripts/install-deps.sh
# -O1, as the sanitizers' makers advise: it builds faster than -O3 and keeps
# the reports' stacks whole.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" -DBUILD_TESTING=ON -DSONDRAKE_SANITIZE=ON >/dev/null
# What the tests run (the install test the compressed manual pages too); not
# the benchmarks and tools.
cmake --build build-sanitize --target src/all l3enc/all tests/all compressed_documents
reports="$root/build-sanitize/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
common="halt_on_error=1:exitcode=86:log_path=$reports/report:print_stacktrace=1"
# The fault matrix kills L3ENC with SIGSEGV on purpose, which AddressSanitizer
# would report as a fault of its own: a real one still ends the program by
# that signal, which the tests see.
export ASAN_OPTIONS="$common:detect_leaks=1:handle_segv=0"
export UBSAN_OPTIONS="$common:suppressions=$root/tests/sanitizers/ubsan.supp"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
# Left out, to keep CI within its time: the whole-desktop sessions (X11 with
# openbox, Wayland, AT-SPI, drag and drop), a minute and more each here, whose
# program code the offscreen window tests run too; and the Python fuzz loop
# over tagging arguments, which fuzz.sh's tagging target covers in-process.
slow='^(desktop_session.*|wayland_session|atspi_session|xdnd_drops|fuzz_tagging)$'
status=0
ctest --test-dir build-sanitize --output-on-failure -j2 -E "$slow" "$@" || status=$?
# The leak checker writes a lone note, "Unable to get registers from thread
# N", for a thread that was ending as it looked (it then counts all of that
# thread's stack as reachable): shown, it fails nothing. Anything else does.
benign='^==[0-9]*==Unable to get registers from thread [0-9]*\.$'
found=
for report in "$reports"/*; do
    [ -e "$report" ] || continue
    if grep -qv "$benign" "$report"; then
        found="$found $report"
    else
        sed 's/^/sanitizer note: /' "$report"
    fi
done
if [ -n "$found" ]; then
    # shellcheck disable=SC2086 # the names are words
    cat $found
    echo "sanitizers: $(echo $found | wc -w) report(s), above" >&2
    exit 1
fi
[ "$status" -eq 0 ] || exit "$status"
echo "sanitizers: the tests pass with no report"
