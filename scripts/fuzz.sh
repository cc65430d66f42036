#!/bin/sh
# Coverage-guided fuzzing (clang's libFuzzer) of the parsers of input from
# outside, under AddressSanitizer and UndefinedBehaviorSanitizer: the WAV
# chunk walker, the WAV tag reader, the settings file, the tagging command
# line. Each target runs SECONDS (default 60), all side by side, from the
# seeds in fuzz/corpus/<target> (written by real tools, never changed here) and what
# earlier runs found (build-fuzz/corpus/<target>). A crash, a hang or a leak
# fails, and leaves its input in build-fuzz/findings/.
#   sh scripts/fuzz.sh [SECONDS]
# After a run, which lines of each parser its corpus reaches (clang's
# source-based coverage, built in build-fuzz/coverage/):
#   sh scripts/fuzz.sh --coverage
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
sh scripts/install-deps.sh clang-14 libclang-rt-14-dev llvm-14
targets="wav_layout wav_tags settings_file tag_command_line cue_sheet"
fuzzers=$(for target in $targets; do printf 'fuzz_%s ' "$target"; done)

if [ "$seconds" = --coverage ]; then
    # One file a compile, so the report names each source file.
    cmake -S . -B build-fuzz/coverage -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_COMPILER=clang++-14 -DSONDRAKE_FUZZ=ON -DSONDRAKE_FUZZ_COVERAGE=ON \
        -DSONDRAKE_PRECOMPILE_HEADERS=OFF -DSONDRAKE_UNITY_BUILD=OFF >/dev/null
    cmake --build build-fuzz/coverage --target $fuzzers
    for target in $targets; do
        case $target in
        wav_layout) sources=l3enc/wav_layout.cpp ;;
        wav_tags) sources="src/tag/wav_tags.cpp src/tag/wav_tag_text.cpp" ;;
        settings_file) sources="src/settings/settings_file.cpp src/base/read_number.cpp" ;;
        tag_command_line) sources="src/app/tag_command_line.cpp src/tag/field_block.cpp" ;;
        cue_sheet) sources="src/tag/cue_sheet.cpp src/tag/sheet_text.cpp" ;;
        esac
        profile=build-fuzz/coverage/$target
        mkdir -p "build-fuzz/corpus/$target"
        LLVM_PROFILE_FILE="$profile.profraw" "build-fuzz/coverage/bin/fuzz_$target" -runs=0 \
            "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"$profile.log" 2>&1
        llvm-profdata-14 merge -o "$profile.profdata" "$profile.profraw"
        echo "fuzz_$target: $(find "build-fuzz/corpus/$target" "fuzz/corpus/$target" -type f | wc -l) inputs"
        # shellcheck disable=SC2086 # the sources are words
        llvm-cov-14 report "build-fuzz/coverage/bin/fuzz_$target" -instr-profile="$profile.profdata" \
            $sources
    done
    exit 0
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 -DSONDRAKE_FUZZ=ON -DSONDRAKE_PRECOMPILE_HEADERS=OFF >/dev/null
cmake --build build-fuzz --target $fuzzers
mkdir -p build-fuzz/findings
export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
# No allocation stacks while fuzzing: AddressSanitizer unwinds them by frame
# pointers, which Qt and TagLib are built without, so each run adds stacks of
# stack garbage to a store that is never freed, and an hour's run would die of
# its own memory (2 GiB by 600,000 runs of the tag reader). A finding's input
# run alone (build-fuzz/bin/fuzz_TARGET INPUT) shows the whole report.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}malloc_context_size=0"
# The targets run side by side, each for SECONDS of the clock.
for target in $targets; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "fuzz_$target: $seconds s"
    "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"build-fuzz/$target.log" 2>&1 &
    eval "pid_$target=\$!"
done
failed=0
for target in $targets; do
    if ! eval "wait \$pid_$target"; then
        tail -n 60 "build-fuzz/$target.log"
        echo "fuzz_$target found a fault: its input is in build-fuzz/findings/;" \
            "run it alone for the whole report: build-fuzz/bin/fuzz_$target INPUT" >&2
        failed=1
        continue
    fi
    echo "fuzz_$target:"
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE)' \
        "build-fuzz/$target.log" || true
done
[ "$failed" -eq 0 ] || exit 1
echo "fuzzing: no findings"
