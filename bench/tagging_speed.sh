#!/bin/sh
# Times the windowless tagging run against id3v2's ID3v1 write, side by side,
# on the same file. Usage: bench/tagging_speed.sh [build-dir] [runs]
set -eu
build=${1:-build}
runs=${2:-500}
encoder="$build/bin/encoder"
command -v id3v2 >/dev/null || { echo "id3v2 is not installed (apt-get install id3v2)" >&2; exit 1; }
[ -x "$encoder" ] || { echo "build the program first: $encoder is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
head -c 100000 /dev/urandom >"$work/song.mp3"
block=$(printf '%-30s%-30s%-30s%-4s%-2s%-30s' Title Artist Album 1999 17 Comment)

now() { date +%s%N; }
time_loop() { # prints nanoseconds for $runs runs of "$@"
    start=$(now)
    i=0
    while [ $i -lt "$runs" ]; do "$@" >/dev/null; i=$((i + 1)); done
    echo $(( $(now) - start ))
}

# Warm the page cache, then alternate the two so machine noise hits both.
"$encoder" "$work/song.mp3" "$block"
id3v2 -1 -t Title -a Artist -A Album -y 1999 -g 17 -c Comment "$work/song.mp3" >/dev/null
ours=0; theirs=0
for round in 1 2 3; do
    ours=$((ours + $(time_loop "$encoder" "$work/song.mp3" "$block")))
    theirs=$((theirs + $(time_loop id3v2 -1 -t Title -a Artist -A Album -y 1999 -g 17 -c Comment "$work/song.mp3")))
done
total=$((runs * 3))
awk -v o="$ours" -v t="$theirs" -v n="$total" 'BEGIN {
    printf "tagging run: %.3f ms per file\n", o / n / 1e6
    printf "id3v2 -1:    %.3f ms per file\n", t / n / 1e6
    printf "ratio:       %.2f (target: at most 1.50)\n", o / t
}'
