#!/bin/sh
# The program on an X display of its own with the accessibility bus a screen
# reader uses (AT-SPI under dbus-run-session), walked by atspi_walk.py.
#   atspi_session.sh BUILD-DIR
# Exits 77 (skipped) where Xvfb, dbus or python3-pyatspi is missing.
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3 # the system's, which has the AT-SPI bindings
for tool in Xvfb dbus-run-session "$python"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

if [ -z "${ATSPI_SESSION_INNER:-}" ]; then
    ATSPI_SESSION_INNER=1 exec dbus-run-session -- sh "$here/on_xvfb.sh" sh "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "$program_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/program" && chmod 700 "$XDG_RUNTIME_DIR"
cp "$build/bin/encoder" "$build/bin/libsondrake_ui.so" "$work/program/"
printf '[Directories]\r\nEncoderPath = %s\r\nLastPath = %s\r\nDestination = %s/\r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n' \
    "$work/program" "$work" "$work" >"$work/program/encoder.ini"
# As a screen reader does when it starts: accessibility on for the session.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null
"$work/program/encoder" >"$work/program.log" 2>&1 &
program_pid=$!
"$python" "$here/atspi_walk.py"
