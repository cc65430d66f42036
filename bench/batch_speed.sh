#!/bin/sh
# The whole batch, side by side in one run: 16 album-like WAVs (30 to 240 s,
# 44.1 kHz stereo) to tagged 128 kbit/s MP3s, Automatic delete off.
#   - our script with one group at a time (J = 1)
#   - our script with J = every processor this process may use
#   - the peer a Linux user would type: xargs -P J running lame, then id3v2 -1
# Prints wall-clock seconds and ratios. Targets: J-script at least 0.9 x J
# times faster than the 1-script, and at least as fast as the peer.
#   bench/batch_speed.sh [build-dir]
set -eu
build=$(cd "${1:-build}" && pwd)
for tool in lame id3v2 python3; do
    command -v $tool >/dev/null || { echo "$tool is missing (apt-get install lame id3v2 python3)" >&2; exit 1; }
done
[ -x "$build/bin/write_batch_script" ] || { echo "build first: write_batch_script is missing" >&2; exit 1; }
jobs=$(nproc)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/wav" "$work/enc" "$work/out"
cp "$build/bin/L3ENC" "$work/enc/"

# Music-like audio: chords with some noise, 30 s made once, then repeated
# to each track's length.
python3 - "$work/wav" <<'PY'
import math, random, struct, sys, wave
random.seed(7)
rate, chunk = 44100, 30
frames = bytearray()
for i in range(rate * chunk):
    t = i / rate
    base = 110 * (1 + int(t / 2) % 4 / 4)
    left = sum(0.15 * math.sin(2 * math.pi * base * k * t) for k in (1, 1.25, 1.5)) + 0.05 * (random.random() - 0.5)
    right = sum(0.15 * math.sin(2 * math.pi * base * k * t + 0.3) for k in (1, 1.5, 2)) + 0.05 * (random.random() - 0.5)
    frames += struct.pack('<hh', int(left * 32767), int(right * 32767))
frames = bytes(frames)
lengths = [30, 240, 95, 180, 60, 210, 120, 45, 150, 75, 200, 35, 165, 90, 135, 225]
for n, seconds in enumerate(lengths, 1):
    with wave.open(f"{sys.argv[1]}/track {n:02d}.wav", "wb") as w:
        w.setnchannels(2); w.setsampwidth(2); w.setframerate(rate)
        for _ in range(seconds // chunk):
            w.writeframes(frames)
        w.writeframes(frames[: (seconds % chunk) * rate * 4])
PY

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
[ "$(ls "$work/out" | wc -l)" -eq 16 ] || { echo "our script made no 16 MP3s" >&2; exit 1; }
them=$(elapsed peer)
awk -v j="$jobs" -v one="$one" -v all="$all" -v them="$them" 'BEGIN {
    printf "J = %d processors\n", j
    printf "our script, J = 1:       %6.2f s\n", one / 1e9
    printf "our script, J = %d:       %6.2f s   speed-up %.2f (target: at least %.2f)\n", j, all / 1e9, one / all, 0.9 * j
    printf "xargs -P %d lame + id3v2: %6.2f s   ours / peer time %.2f (target: at most 1.00)\n", j, them / 1e9, all / them
}'
