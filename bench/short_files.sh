#!/bin/sh
# Thousands of short files: 2,000 WAVs of 10 ms each (a sample library, sound
# effects) to tagged 128 kbit/s MP3s on every processor, Automatic delete
# off, as the program makes them (ID3v2 tag and ReplayGain on), against
# xargs -P running lame and id3v2 -1; ROUNDS rounds (5) taken in turns, ours
# without ReplayGain too. Prints the best of each in milliseconds a file,
# and the ratio (target: at most 0.95).
#   bench/short_files.sh [build-dir] [files] [rounds]
set -eu
build=$(cd "${1:-build}" && pwd)
files=${2:-2000}
rounds=${3:-5}
for tool in lame id3v2 python3; do
    command -v $tool >/dev/null || { echo "$tool is missing (apt-get install lame id3v2 python3)" >&2; exit 1; }
done
. "$(dirname "$0")/album_batch.sh"
python3 "$(dirname "$0")/../tests/support/make_wavs.py" music "$work/one.wav" 0.01
i=1
while [ $i -le "$files" ]; do ln "$work/one.wav" "$work/wav/sound $i.wav"; i=$((i + 1)); done

elapsed() { # nanoseconds "$@" takes, wall clock
    start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
    echo $((end - start))
}
ours() { # REPLAYGAIN=on or off
    rm -rf "$work/out"; mkdir "$work/out"
    env "$1" "$build/bin/write_batch_script" "$work/enc" "$work/wav" "$work/out" "$build/bin" "$jobs"
    (cd "$work/enc" && sh TEMP.BAT)
    [ "$(ls "$work/out" | wc -l)" -eq "$files" ] || { echo "our script made no $files MP3s" >&2; exit 1; }
}
peer() {
    rm -rf "$work/out"; mkdir "$work/out"
    find "$work/wav" -name '*.wav' -print0 | xargs -0 -P "$jobs" -I{} sh -c '
        name=$(basename "$1" .wav)
        lame --quiet --cbr -b 128 "$1" "$2/$name.mp3" &&
        id3v2 -1 -t "$name" -a "The Band" -A "The Album" -y 2026 -g 17 -c bench "$2/$name.mp3"' \
        _ {} "$work/out"
}
best() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }

us= plain= them=
i=0
while [ $i -lt "$rounds" ]; do
    us=$(best "$us" "$(elapsed ours REPLAYGAIN=on)")
    plain=$(best "$plain" "$(elapsed ours REPLAYGAIN=off)")
    them=$(best "$them" "$(elapsed peer)")
    i=$((i + 1))
done
awk -v j="$jobs" -v n="$files" -v us="$us" -v plain="$plain" -v them="$them" -v r="$rounds" 'BEGIN {
    printf "J = %d processors, %d WAVs of 10 ms, best of %d rounds taken in turns\n", j, n, r
    printf "our script:               %6.2f s   %.2f ms a file\n", us / 1e9, us / n / 1e6
    printf "  without ReplayGain:     %6.2f s   %.2f ms a file\n", plain / 1e9, plain / n / 1e6
    printf "xargs -P %d lame + id3v2:  %6.2f s   %.2f ms a file   ours / peer %.3f (target: at most 0.95)\n", j, them / 1e9, them / n / 1e6, us / them
}'
