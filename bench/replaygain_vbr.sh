#!/bin/sh
# ReplayGain's cost and the variable bitrate's speed, taking turns in one run
# on the 16-track album (30 to 240 s each, 44.1 kHz stereo), every processor
# busy, Automatic delete off:
#   - our script at 128 kbit/s with ReplayGain (the default) against without
#     it: the loudness adds under 3 %
#   - our script at -V 2, with ReplayGain and without, against xargs -P
#     running lame -V 2 (which analyses ReplayGain by default) and id3v2 -1:
#     ours at most 0.95 of the peer's time
# Prints the best of three rounds of each, and the ratios.
#   bench/replaygain_vbr.sh [build-dir]
set -eu
albums=1
build=$(cd "${1:-build}" && pwd)
for tool in lame id3v2 python3; do
    command -v $tool >/dev/null || { echo "$tool is missing (apt-get install lame id3v2 python3)" >&2; exit 1; }
done
. "$(dirname "$0")/album_batch.sh"

elapsed() { # nanoseconds "$@" takes, wall clock
    start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
    echo $((end - start))
}
our_script() { # environment words for write_batch_script
    rm -rf "$work/out"/*
    env "$@" "$build/bin/write_batch_script" "$work/enc" "$work/wav" "$work/out" "$build/bin" "$jobs"
    (cd "$work/enc" && sh TEMP.BAT)
    [ "$(ls "$work/out" | wc -l)" -eq 16 ] || { echo "our script made no 16 MP3s" >&2; exit 1; }
}
peer() {
    rm -rf "$work/out"/*
    find "$work/wav" -name '*.wav' -print0 | sort -z | xargs -0 -P "$jobs" -I{} sh -c '
        name=$(basename "$1" .wav)
        lame --quiet -V 2 "$1" "$2/$name.mp3" &&
        id3v2 -1 -t "$name" -a "The Band" -A "The Album" -y 2026 -g 17 -c bench "$2/$name.mp3"' \
        _ {} "$work/out"
}
best() { # the smaller of $1 and $2 (empty: none yet)
    if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi
}

on= off= vbr= vbroff= them=
for _ in 1 2 3; do
    on=$(best "$on" "$(elapsed our_script REPLAYGAIN=on)")
    off=$(best "$off" "$(elapsed our_script REPLAYGAIN=off)")
    vbr=$(best "$vbr" "$(elapsed our_script REPLAYGAIN=on VBR=2)")
    vbroff=$(best "$vbroff" "$(elapsed our_script REPLAYGAIN=off VBR=2)")
    them=$(best "$them" "$(elapsed peer)")
done
awk -v j="$jobs" -v on="$on" -v off="$off" -v vbr="$vbr" -v vbroff="$vbroff" -v them="$them" 'BEGIN {
    printf "J = %d processors, 16 tracks, best of 3 rounds taken in turns\n", j
    printf "ours 128 kbit/s, ReplayGain on:   %6.2f s\n", on / 1e9
    printf "ours 128 kbit/s, ReplayGain off:  %6.2f s   on / off %.3f (target: below 1.03)\n", off / 1e9, on / off
    printf "ours -V 2, ReplayGain on:         %6.2f s\n", vbr / 1e9
    printf "ours -V 2, ReplayGain off:        %6.2f s\n", vbroff / 1e9
    printf "xargs -P %d lame -V 2 + id3v2 -1:  %6.2f s   ours / peer %.3f with ReplayGain (lame too analyses it), %.3f without (target: at most 0.95)\n", j, them / 1e9, vbr / them, vbroff / them
}'
