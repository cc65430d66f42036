#!/bin/sh
# A CD image of 60 minutes, 12 tracks, with its cue sheet, to tagged 128 kbit/s
# MP3s, side by side in one run:
#   - our script: one group a track, on every processor this process may use
#   - the pipeline a user would write: shnsplit (shntool), then xargs -P lame
#     with id3v2 -1
#   - lame on the whole image, one MP3 on one processor
# Prints wall-clock seconds and ratios. Targets on two processors: ours at
# most 0.95 of the pipeline and 0.55 of the whole image.
#   bench/cue_split.sh [build-dir]
set -eu
build=$(cd "${1:-build}" && pwd)
for tool in lame id3v2 shnsplit sox; do
    command -v $tool >/dev/null || { echo "$tool is missing (apt-get install lame id3v2 shntool sox)" >&2; exit 1; }
done
[ -x "$build/bin/write_batch_script" ] || { echo "build first: write_batch_script is missing" >&2; exit 1; }
jobs=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/wav" "$work/enc" "$work/out" "$work/split"
cp "$build/bin/L3ENC" "$work/enc/"
# Music-like: two tones under pink noise, so LAME works as on a record.
sox -n -r 44100 -c 2 -b 16 "$work/wav/Album.wav" synth 3600 pinknoise synth 3600 sine mix 440 \
    synth 3600 sine mix 660 vol 0.3 2>/dev/null
{
    echo 'PERFORMER "The Band"'
    echo 'TITLE "The Album"'
    echo 'FILE "Album.wav" WAVE'
    i=1
    while [ $i -le 12 ]; do
        printf '  TRACK %02d AUDIO\n    TITLE "Song %d"\n    INDEX 01 %02d:00:00\n' $i $i $(((i - 1) * 5))
        i=$((i + 1))
    done
} >"$work/wav/Album.cue"

elapsed() { # seconds "$@" takes, wall clock, in nanoseconds
    start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
    echo $((end - start))
}
ours() {
    rm -rf "$work/out"/*
    "$build/bin/write_batch_script" "$work/enc" "$work/wav" "$work/out" "$build/bin" "$jobs"
    (cd "$work/enc" && sh TEMP.BAT)
}
pipeline() {
    rm -rf "$work/out"/* "$work/split"/*
    shnsplit -q -f "$work/wav/Album.cue" -d "$work/split" -o wav -t '%n - %t' "$work/wav/Album.wav"
    find "$work/split" -name '*.wav' -print0 | sort -z | xargs -0 -P "$jobs" -I{} sh -c '
        name=$(basename "$1" .wav)
        lame --quiet --cbr -b 128 "$1" "$2/$name.mp3" &&
        id3v2 -1 -t "${name#* - }" -a "The Band" -A "The Album" -T "${name%% - *}" "$2/$name.mp3"' \
        _ {} "$work/out"
}
whole() {
    rm -rf "$work/out"/*
    lame --quiet --cbr -b 128 "$work/wav/Album.wav" "$work/out/Album.mp3"
}

ours_time=$(elapsed ours)
[ "$(ls "$work/out" | wc -l)" -eq 12 ] || { echo "our script made no 12 MP3s" >&2; exit 1; }
pipeline_time=$(elapsed pipeline)
[ "$(ls "$work/out" | wc -l)" -eq 12 ] || { echo "the pipeline made no 12 MP3s" >&2; exit 1; }
whole_time=$(elapsed whole)
awk -v j="$jobs" -v ours="$ours_time" -v pipe="$pipeline_time" -v whole="$whole_time" 'BEGIN {
    printf "J = %d processors, a 60-minute image of 12 tracks\n", j
    printf "our script:                     %6.2f s\n", ours / 1e9
    printf "shnsplit, xargs -P %d lame+id3v2: %6.2f s   ours / pipeline %.3f (target: at most 0.95)\n", j, pipe / 1e9, ours / pipe
    printf "lame on the whole image:        %6.2f s   ours / whole %.3f (target: at most 0.55)\n", whole / 1e9, ours / whole
}'
