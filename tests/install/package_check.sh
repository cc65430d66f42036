#!/bin/sh
# Installs the Debian package on this machine (root), uses what it installed
# and validates it, then removes it again. Any failure fails.
#   package_check.sh PACKAGE.deb
set -eu
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
id=org.trelvinsondrake.TrelvinSondrake
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

lintian --fail-on error "$deb"

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get cannot install $deb"; }

# The tagging mode through the command on the PATH, on a file.
head -c 1000 /dev/zero >"$work/song.mp3"
block=$(python3 -c 'import sys; print("%-30s%-30s%-30s%-4s%-2s%-30s" % tuple(sys.argv[1:]), end="")' \
    "Ágætis byrjun" "Sigur Rós" "Ágætis byrjun" 1999 17 "")
trelvin-sondrake "$work/song.mp3" "$block"
[ "$(tail -c 128 "$work/song.mp3" | head -c 3)" = TAG ] || fail "the installed tagging mode wrote no tag"
[ "$(tail -c 35 "$work/song.mp3" | head -c 4)" = 1999 ] || fail "the tag's fields are shifted"

# L3ENC from its installed place, on a generated WAV.
python3 - "$work/in.wav" <<'PY'
import math, struct, sys, wave
with wave.open(sys.argv[1], "wb") as w:
    w.setnchannels(2); w.setsampwidth(2); w.setframerate(44100)
    w.writeframes(b"".join(struct.pack("<hh", int(9000 * math.sin(i / 9)), 0) for i in range(44100)))
PY
/usr/lib/trelvin-sondrake/L3ENC "$work/in.wav" "$work/out.mp3" -br 128000 2>/dev/null
[ -s "$work/out.mp3" ] || fail "the installed L3ENC made no MP3"

# The menu entry starts the program (it waits in its first Setup dialog).
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/$id.desktop)
status=0
HOME="$work" QT_QPA_PLATFORM=offscreen timeout 3 $exec_line 2>"$work/errors" || status=$?
[ "$status" -eq 124 ] || { cat "$work/errors"; fail "the menu entry's command ended with $status"; }

desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net --explain /usr/share/metainfo/$id.metainfo.xml
for page in trelvin-sondrake L3ENC; do
    if [ -e /usr/share/man/man1/$page.1.gz ]; then
        man -w "$page" >/dev/null || fail "man $page finds no page"
    else # a minimal image that keeps no manual pages (dpkg path-exclude)
        dpkg-deb -c "$deb" | grep -q "usr/share/man/man1/$page.1.gz" || fail "no page for $page"
    fi
done

DEBIAN_FRONTEND=noninteractive apt-get remove -y -q trelvin-sondrake >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get cannot remove the package"; }
[ ! -e /usr/bin/trelvin-sondrake ] && [ ! -e /usr/lib/trelvin-sondrake ] \
    || fail "files are left after removal"
echo "the package installs, works, validates and removes cleanly"
