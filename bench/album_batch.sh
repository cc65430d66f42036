# Sourced by the batch benchmarks: with $build set, makes a work folder
# ($work, removed at exit) with our L3ENC in $work/enc, an empty $work/out
# and $work/wav, holding the album's WAVs $albums times where $albums is set,
# and sets $jobs to the processors this process may use.
[ -x "$build/bin/write_batch_script" ] || { echo "build first: write_batch_script is missing" >&2; exit 1; }
jobs=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/wav" "$work/enc" "$work/out"
cp "$build/bin/L3ENC" "$work/enc/"
[ -z "${albums:-}" ] || python3 "$(dirname "$0")/../tests/support/make_wavs.py" album "$work/wav" "$albums"
