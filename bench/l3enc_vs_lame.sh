#!/bin/sh
# Times our L3ENC against the lame tool on the same 60-second 44.1 kHz stereo
# WAV at the same settings, side by side. Usage: bench/l3enc_vs_lame.sh [build-dir]
set -eu
build=${1:-build}
l3enc="$build/bin/L3ENC"
command -v lame >/dev/null || { echo "lame is not installed (apt-get install lame)" >&2; exit 1; }
[ -x "$l3enc" ] || { echo "build first: $l3enc is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$(dirname "$0")/../tests/support/make_wavs.py" music "$work/in.wav" 60

seconds() { # best of three wall-clock runs of "$@", in seconds
    best=""
    for _ in 1 2 3; do
        start=$(date +%s%N); "$@" >/dev/null 2>&1; end=$(date +%s%N)
        t=$((end - start))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    done
    echo "$best"
}

compare() { # label, L3ENC switches, lame switches
    ours=$(seconds "$l3enc" "$work/in.wav" "$work/ours.mp3" -br 128000 $2)
    theirs=$(seconds lame --quiet --cbr -b 128 $3 "$work/in.wav" "$work/theirs.mp3")
    awk -v l="$1" -v o="$ours" -v t="$theirs" 'BEGIN {
        printf "%-16s L3ENC %.3f s   lame %.3f s   speed ratio %.2f (target: at least 1.05)\n",
               l, o / 1e9, t / 1e9, t / o }'
}

compare "128 kbit/s" "" "-q 3"
compare "128 kbit/s -hq" "-hq" "-q 2"
compare "128 kbit/s -dm" "-dm" "-q 3 -m m"
