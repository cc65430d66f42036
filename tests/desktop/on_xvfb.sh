#!/bin/sh
# Runs a command on an X display of its own (Xvfb, no window manager), for a
# test that needs the real X11 platform and the desktop's platform theme.
#   on_xvfb.sh COMMAND [ARGUMENTS...]
# Exits 77 (skipped) only where no X server can start here.
set -eu
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "SKIP: Xvfb cannot start here"; cat "$work/xvfb.log"; exit 77; }
export DISPLAY=":$(cat "$work/display")"
unset WAYLAND_DISPLAY
"$@"
