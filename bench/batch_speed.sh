#!/bin/sh
# The whole batch, side by side in one run: 16 album-like WAVs (30 to 240 s,
# 44.1 kHz stereo; --albums N repeats the album N times) to tagged 128 kbit/s
# MP3s, Automatic delete off.
#   - our script with one group at a time (J = 1)
#   - our script with J = every processor this process may use
#   - the peer a Linux user would type: xargs -P J running lame, then id3v2 -1
# Prints wall-clock seconds and ratios. Targets: the J-script within 1.08 of
# the ideal (the 1-script's time over J), and at least as fast as the peer.
#   bench/batch_speed.sh [--albums N] [build-dir]
set -eu
albums=1
if [ "${1:-}" = --albums ]; then albums=$2; shift 2; fi
build=$(cd "${1:-build}" && pwd)
for tool in lame id3v2 python3; do
    command -v $tool >/dev/null || { echo "$tool is missing (apt-get install lame id3v2 python3)" >&2; exit 1; }
done
. "$(dirname "$0")/album_batch.sh"

elapsed() { # seconds "$@" takes, wall clock, in nanoseconds
    start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
    echo $((end - start))
}
our_script() { # $1 = groups at once
    rm -rf "$work/out"/*
    "$build/bin/write_batch_script" "$work/enc" "$work/wav" "$work/out" "$build/bin" "$1"
    (cd "$work/enc" && sh TEMP.BAT)
}
peer() {
    rm -rf "$work/out"/*
    find "$work/wav" -name '*.wav' -print0 | sort -z | xargs -0 -P "$jobs" -I{} sh -c '
        name=$(basename "$1" .wav)
        lame --quiet --cbr -b 128 "$1" "$2/$name.mp3" &&
        id3v2 -1 -t "$name" -a "The Band" -A "The Album" -y 2026 -g 17 -c bench "$2/$name.mp3"' \
        _ {} "$work/out"
}

one=$(elapsed our_script 1)
all=$(elapsed our_script "$jobs")
tracks=$((16 * albums))
[ "$(ls "$work/out" | wc -l)" -eq "$tracks" ] || { echo "our script made no $tracks MP3s" >&2; exit 1; }
them=$(elapsed peer)
awk -v j="$jobs" -v tracks="$tracks" -v one="$one" -v all="$all" -v them="$them" 'BEGIN {
    printf "J = %d processors, %d tracks\n", j, tracks
    printf "our script, J = 1:       %6.2f s\n", one / 1e9
    printf "ideal, J = 1 time / %d:   %6.2f s\n", j, one / j / 1e9
    printf "our script, J = %d:       %6.2f s   speed-up %.2f, %.3f of the ideal (target: at most 1.08)\n", j, all / 1e9, one / all, all * j / one
    printf "xargs -P %d lame + id3v2: %6.2f s   ours / peer time %.2f (target: at most 1.00)\n", j, them / 1e9, all / them
}'
