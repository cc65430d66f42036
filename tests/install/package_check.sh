#!/bin/sh
# Installs the Debian package on this machine (root), uses what it installed
# and validates it, then purges it again. Any failure fails.
#   package_check.sh PACKAGE.deb
set -eu
deb=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
support=$(cd "$(dirname "$0")/../support" && pwd)
id=org.trelvinsondrake.TrelvinSondrake
private=/usr/lib/trelvin-sondrake
. "$(dirname "$0")/../desktop/scratch_work.sh"
fail() { echo "FAIL: $*"; exit 1; }

lintian --fail-on error "$deb" >"$work/lintian.log" || { cat "$work/lintian.log"; fail "lintian"; }
cat "$work/lintian.log"
# Every manual page belongs to a command on the PATH.
! grep -q spare-manual-page "$work/lintian.log" || fail "a manual page has no command"

DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get cannot install $deb"; }

# The tagging mode through the command on the PATH, on a file.
{ printf '\377\373\220\144'; head -c 996 /dev/zero; } >"$work/song.mp3" # an MPEG frame header first
block=$(python3 -c 'import sys; print("%-30s%-30s%-30s%-4s%-2s%-30s" % tuple(sys.argv[1:]), end="")' \
    "Ágætis byrjun" "Sigur Rós" "Ágætis byrjun" 1999 17 "")
trelvin-sondrake "$work/song.mp3" "$block"
[ "$(tail -c 128 "$work/song.mp3" | head -c 3)" = TAG ] || fail "the installed tagging mode wrote no tag"
[ "$(tail -c 35 "$work/song.mp3" | head -c 4)" = 1999 ] || fail "the tag's fields are shifted"

python3 "$support/make_wavs.py" tone "$work/in.wav" 1
# L3ENC through the command on the PATH, on a generated WAV.
L3ENC "$work/in.wav" "$work/out.mp3" -br 128000 2>/dev/null
[ -s "$work/out.mp3" ] || fail "the installed L3ENC made no MP3"

# The menu entry starts the program (it waits in its first Setup dialog),
# its field codes given no files, as a menu does.
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/$id.desktop | sed 's/ %[fFuU]//g')
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

# Root may write the program's directory, yet the program keeps its settings
# in root's XDG directory: it reads them from there (no Setup dialog) and
# writes them back there (with CRLF line ends) when E&xit ends it.
home="$work/home"
settings="$home/.config/trelvin-sondrake/encoder.ini"
mkdir -p "${settings%/*}"
printf '[Directories]\nEncoderPath = %s\nLastPath = %s\nDestination = %s/\nSafeMode = 1\n[Switches]\nLoadMode = 0\n' \
    "$private" "$work" "$work" >"$settings"
for tool in Xvfb openbox xdotool xwininfo; do
    command -v "$tool" >/dev/null || fail "$tool is missing: run sh scripts/install-deps.sh"
done
unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_CACHE_HOME
. "$(dirname "$0")/../desktop/x_session.sh"
x_session_start || fail "no X session: Xvfb or openbox did not start"
(cd "$work" && HOME="$home" exec trelvin-sondrake) >"$work/program.log" 2>&1 &
program=$!
pids="$pids $program"
shown=""
for _ in $(seq 100); do
    shown=$(xdotool search --onlyvisible --name '^(Setup|Trelvin Sondrake .*)$' getwindowname \
        2>/dev/null) && break
    sleep 0.1
done
case $shown in
"") cat "$work/program.log"; xwininfo -root -tree | grep '"' | head -5
    fail "the installed program showed no window to root" ;;
Setup) fail "the installed program did not read root's settings from $settings" ;;
esac
sleep 0.5
xdotool key --clearmodifiers alt+f x
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$program" 2>/dev/null || fail "E&xit did not end the installed program"
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || { cat "$work/program.log"; fail "the installed program ended with status $status"; }
grep -q "$(printf '\r')" "$settings" || fail "root's settings were not written back to $settings"
dpkg -L trelvin-sondrake | sort >"$work/packaged"
find "$private" | sort | comm -13 "$work/packaged" - >"$work/extra"
[ ! -s "$work/extra" ] || fail "the program wrote into $private: $(cat "$work/extra")"

DEBIAN_FRONTEND=noninteractive apt-get purge -y -q trelvin-sondrake >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get cannot purge the package"; }
for path in /usr/bin/trelvin-sondrake /usr/bin/L3ENC "$private"; do
    if [ -e "$path" ] || [ -L "$path" ]; then fail "$path is left after purge"; fi
done
echo "the package installs, works, validates and purges cleanly"
