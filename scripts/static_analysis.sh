#!/bin/sh
# clang-tidy (the checks in .clang-tidy) over the code we ship, and clazy
# (levels 0 and 1) over every source file of ours, tests included; any
# finding fails. Their own build folder, build-analysis/, without the
# precompiled headers (GCC's, which clang cannot read). clang-tidy walks the
# whole of Qt's headers in every file it looks at (about 25 s a file here),
# so it looks at the libraries' unity files, a few files each, and the
# tests are left to the compiler's warnings and to clazy.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
sh scripts/install-deps.sh clang-tidy clazy
cmake -S . -B build-analysis -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
    -DSONDRAKE_PRECOMPILE_HEADERS=OFF \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
# What the files include that is generated: moc output and the About details.
cmake --build build-analysis --target $(ninja -C build-analysis -t targets all \
    | sed -n 's/^\([A-Za-z0-9_.]*_autogen\): .*/\1/p' | sort -u) >/dev/null
# Every file the build compiles of ours: the libraries' unity files (each
# includes a few of their .cpp files), the rest one by one; not moc's.
sources=$(python3 -c '
import json, sys
for entry in json.load(open(sys.argv[1])):
    if "_autogen/" not in entry["file"]:
        print(entry["file"])' build-analysis/compile_commands.json | sort -u)
ours="^$root/(src|l3enc|tests|bench|tools)/"

log=build-analysis/clang-tidy.log
echo "clang-tidy: the program, its window library and L3ENC"
run-clang-tidy -quiet -p build-analysis -j "$(nproc)" -header-filter "$ours" \
    $(echo "$sources" | grep -E "/Unity/|^$root/(l3enc|src/app)/") >"$log" 2>&1 || true
findings=$(grep -cE '(warning|error): ' "$log" || true)

log2=build-analysis/clazy.log
echo "clazy: levels 0 and 1, $(echo "$sources" | wc -l) files"
echo "$sources" | xargs -P "$(nproc)" -n 4 clazy-standalone -p build-analysis \
    --checks=level0,level1 --header-filter="$ours" --ignore-dirs="$root/build" >"$log2" 2>&1 || true
findings2=$(grep -cE '(warning|error): ' "$log2" || true)

if [ "$findings" -ne 0 ] || [ "$findings2" -ne 0 ]; then
    grep -E '(warning|error): ' "$log" "$log2" | sed 's/\x1b\[[0-9;]*m//g' | sort -u
    echo "static analysis: $findings clang-tidy and $findings2 clazy finding(s)" >&2
    exit 1
fi
echo "static analysis: no findings"
