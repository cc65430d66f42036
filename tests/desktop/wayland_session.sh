#!/bin/sh
# A Wayland session (weston's headless compositor with XWayland), as GNOME
# and KDE users have it: the program opens its windows through XWayland,
# where the window manager keeps dialogs over the main window, gives a
# minimised one back and leaves the keyboard with the main window when the
# script's terminal opens, as on an X11 desktop (desktop_session.sh drives
# those). Here: the windows open on XWayland, and the first-start Setup
# asks to open centred on the screen (and weston puts it there).
#   wayland_session.sh BUILD-DIR
# Exits 77 (skipped) where weston, XWayland or xdotool is missing.
set -eu
build=$(cd "$1" && pwd)
for tool in weston Xwayland xdotool xwininfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

. "$(dirname "$0")/scratch_work.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_SESSION_TYPE=wayland
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM DISPLAY
weston --backend=headless-backend.so --xwayland --socket=wayland-sondrake \
    --log="$work/weston.log" >/dev/null 2>&1 &
pids="$!"
for _ in $(seq 50); do grep -q "xserver listening" "$work/weston.log" 2>/dev/null && break; sleep 0.1; done
display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log")
[ -n "$display" ] || { echo "SKIP: weston cannot start XWayland here"; cat "$work/weston.log"; exit 77; }
export WAYLAND_DISPLAY=wayland-sondrake DISPLAY="$display"

program="$work/program"
mkdir -p "$program"
cp "$build/bin/encoder" "$build/bin/libsondrake_ui.so" "$program/"
printf '[Directories]\r\nEncoderPath = %s\r\nLastPath = %s\r\nDestination = %s/\r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n' \
    "$program" "$work" "$work" >"$program/encoder.ini"

window_named() { # waits for a visible window titled exactly $1
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled \"$1\" appeared on XWayland"
}
start() {
    (cd "$work" && exec "$program/encoder") >"$work/program.log" 2>&1 &
    program_pid=$!
    pids="$pids $program_pid"
}

# Neither QT_QPA_PLATFORM nor anything else chose: the windows are X11 ones.
start
window_named "Trelvin Sondrake 1.41" >/dev/null
kill "$program_pid"

# The first start: Setup, with no window under it, centred on the screen.
rm "$program/encoder.ini"
start
setup=$(window_named "Setup")
sleep 0.5
eval "$(xwininfo -root | sed -n 's/^ *Width: *\([0-9]*\)/screen_w=\1/p; s/^ *Height: *\([0-9]*\)/screen_h=\1/p')"
eval "$(xwininfo -id "$setup" | sed -n 's/^ *Absolute upper-left X: *\(-*[0-9]*\)/x=\1/p; s/^ *Absolute upper-left Y: *\(-*[0-9]*\)/y=\1/p; s/^ *Width: *\([0-9]*\)/w=\1/p; s/^ *Height: *\([0-9]*\)/h=\1/p')"
centred() { # x y: the window's centre within 40 pixels of the screen's
    dx=$(($1 + w / 2 - screen_w / 2)) dy=$(($2 + h / 2 - screen_h / 2))
    [ "${dx#-}" -le 40 ] && [ "${dy#-}" -le 40 ]
}
# The program asks for the centre; weston 10's XWayland, under load, now and
# then maps a toplevel before it has read that hint and places it itself.
eval "$(xprop -id "$setup" WM_NORMAL_HINTS | sed -n 's/^.*specified location: *\(-*[0-9]*\), *\(-*[0-9]*\).*$/asked_x=\1 asked_y=\2/p')"
centred "${asked_x:-99999}" "${asked_y:-99999}" ||
    fail "the first Setup does not ask to be centred (asks for ${asked_x:-no place},${asked_y:-} on $screen_w x $screen_h)"
centred "$x" "$y" || echo "note: weston placed the first Setup itself, at $x,$y (it asked for $asked_x,$asked_y)"
echo "wayland session works"
