#!/bin/sh
# Installs the build into a scratch prefix and uses the installed program:
# the tagging run through the link on the PATH, and an interactive start that
# must find its window library beside the real program file.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

program="$prefix/bin/trelvin-sondrake"
for file in lib/trelvin-sondrake/L3ENC lib/trelvin-sondrake/libsondrake_ui.so \
            share/applications/org.trelvinsondrake.TrelvinSondrake.desktop \
            share/icons/hicolor/256x256/apps/trelvin-sondrake.png; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

# Every binary finds libraries beside itself or in the system's places, never
# in the working directory (an empty RUNPATH entry, or a relative one).
for binary in "$build"/bin/encoder "$build"/bin/L3ENC "$build"/bin/libsondrake_ui.so \
              "$prefix"/lib/trelvin-sondrake/*; do
    runpath=$(readelf -d "$binary" | sed -n 's/.*R.*PATH.*\[\(.*\)\]/\1/p')
    [ -n "$runpath" ] || continue
    case ":$runpath:" in
    *::*) echo "$binary: RUNPATH has an empty entry: [$runpath]"; exit 1 ;;
    esac
    for entry in $(printf '%s' "$runpath" | tr ':' ' '); do
        case $entry in
        '$ORIGIN'|'$ORIGIN'/*|/*) ;;
        *) echo "$binary: RUNPATH entry relative to the working directory: $entry"; exit 1 ;;
        esac
    done
done

{ printf '\377\373\220\144'; head -c 996 /dev/zero; } >"$prefix/song.mp3" # an MPEG frame header first
block=$(printf '%-30s%-30s%-30s%-4s%-2s%-30s' Title Artist Album 2001 8 Comment)
"$program" "$prefix/song.mp3" "$block"
[ "$(wc -c <"$prefix/song.mp3")" -eq 1128 ] || { echo "installed tagging run wrote no tag"; exit 1; }

# Started interactively it keeps running (its Setup dialog waits for the
# user) until the time-out ends it; a missing window library ends it at once.
status=0
HOME="$prefix" QT_QPA_PLATFORM=offscreen timeout 3 "$program" 2>"$prefix/errors" || status=$?
if [ "$status" -ne 124 ]; then
    echo "installed program ended with status $status:"; cat "$prefix/errors"; exit 1
fi
echo "installed program works"
