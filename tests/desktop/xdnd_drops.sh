#!/bin/sh
# Drops through the real X11 drag-and-drop protocol (XDND) under openbox: a
# second Qt program drags a text/uri-list as a file manager does, the pointer
# moved by xdotool. A dropped folder is shown, dropped WAV files show their
# folder, a file that is no WAV is named in a message; Exit keeps the folder
# shown as the last directory.
#   xdnd_drops.sh BUILD-DIR
# Exits 77 (skipped) only where no X server can start here.
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)

for tool in Xvfb openbox xdotool xwininfo python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

. "$source/tests/desktop/scratch_work.sh"
fail() { echo "FAIL: $*"; cat "$work/program.log" 2>/dev/null; exit 1; }

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
. "$source/tests/desktop/x_session.sh"
x_session_start || case $? in
1) echo "SKIP: Xvfb cannot start here"; exit 77 ;;
*) fail "openbox did not start" ;;
esac

program="$work/program"
mkdir -p "$program" "$work/wavs" "$work/album" "$work/takes" "$work/mp3"
cp "$build/bin/encoder" "$build/bin/L3ENC" "$build/bin/libsondrake_ui.so" "$program/"
for wav in album/one.wav album/two.wav takes/take.wav; do
    python3 "$source/tests/support/make_wavs.py" tone "$work/$wav" 1
done
echo "not a WAV" >"$work/takes/notes.txt"

windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
window_named() { # waits for the $2-th (1st) visible window titled exactly $1
    for _ in $(seq 100); do
        id=$(windows_named "$1" | sed -n "${2:-1}p")
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled \"$1\" appeared"
}
start() {
    printf '[Directories]\r\nEncoderPath = %s\r\nLastPath = %s\r\nDestination = %s/\r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n' \
        "$program" "$work/wavs" "$work/mp3" >"$program/encoder.ini"
    (cd "$work" && exec "$program/encoder") >"$work/program.log" 2>&1 &
    program_pid=$!
    pids="$pids $program_pid"
    main=$(window_named "Trelvin Sondrake 1.41")
}
drag() { # drags the URLs given from a drag source onto the main window
    "$build/bin/drag_source" "$@" &
    source_pid=$!
    pids="$pids $source_pid"
    from=$(window_named "drag source")
    xdotool windowmove --sync "$from" 850 650
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --sync 900 690 mousedown 1
    sleep 0.3
    for step in 1 2 3 4 5 6; do # the target sees the pointer move in
        xdotool mousemove --sync $((X + WIDTH * step / 12)) $((Y + HEIGHT / 2))
        sleep 0.1
    done
    xdotool mouseup 1
    wait "$source_pid" || fail "the drop of $* was not taken"
}
leave() { # E&xit; the last directory saved must be $1
    xdotool windowactivate --sync "$main"
    xdotool key --clearmodifiers alt+f x
    wait "$program_pid" || fail "the program ended with status $?"
    grep -q "LastPath = $1" "$program/encoder.ini" || fail "the last directory is not $1"
}

start
drag "file://$work/album"
leave "$work/album"

start
drag "file://$work/takes/notes.txt"
message=$(window_named "Trelvin Sondrake 1.41" 2) # the message about it
xdotool windowactivate --sync "$message" key --clearmodifiers Return
sleep 0.5
[ -z "$(windows_named "Trelvin Sondrake 1.41" | sed -n 2p)" ] || fail "the message stayed open"
drag "file://$work/takes/take.wav"
leave "$work/takes"
echo "drops through XDND work"
