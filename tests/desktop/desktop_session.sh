#!/bin/sh
# A whole session on a real X desktop with a window manager (Xvfb + openbox),
# driven only by keyboard and mouse through xdotool: what the window manager
# shows (titles, allowed actions), tagging two files in the Properties dialog,
# encoding them in the script's terminal, and leaving with "E&xit".
#   desktop_session.sh BUILD-DIR [SCREENSHOT-DIR]
# The desktop comes from the environment as a session sets it:
# XDG_CURRENT_DESKTOP=GNOME (Qt's GNOME theme and keyboard, as on GNOME, Xfce,
# MATE, Cinnamon), GTK_THEME=Adwaita:dark, or QT6CT_FONT_POINTS=14 for qt6ct
# with that font, set after the windows are built, as qt6ct does.
# LANGUAGE=de or ja shows the windows in that language: titles and menu keys
# are looked up in its catalogue.
# Exits 77 (skipped) only where no X server can start here.
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
shots=${2:-}

for tool in Xvfb openbox xdotool xprop xwininfo xterm python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

. "$source/tests/desktop/scratch_work.sh"
fail() { echo "FAIL: $*"; [ -n "$shots" ] && import -window root "$shots/failure.png" 2>/dev/null; exit 1; }

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
if [ -n "${QT6CT_FONT_POINTS:-}" ]; then
    command -v qt6ct >/dev/null || { echo "SKIP: qt6ct is not installed"; exit 77; }
    mkdir -p "$HOME/.config/qt6ct"
    font="DejaVu Sans,$QT6CT_FONT_POINTS,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
    printf '[Appearance]\nstyle=Fusion\ncustom_palette=false\n[Fonts]\ngeneral="%s"\nfixed="%s"\n' \
        "$font" "$font" >"$HOME/.config/qt6ct/qt6ct.conf"
    export QT_QPA_PLATFORMTHEME=qt6ct
fi
. "$source/tests/desktop/x_session.sh"
x_session_start || case $? in
1) echo "SKIP: Xvfb cannot start here"; exit 77 ;;
*) fail "openbox did not start" ;;
esac

# The program beside its encoder, its settings, two WAVs.
program="$work/program"
mkdir -p "$program" "$work/wavs" "$work/mp3"
cp "$build/bin/encoder" "$build/bin/L3ENC" "$build/bin/libsondrake_ui.so" "$program/"
printf '[Directories]\r\nEncoderPath = %s\r\nLastPath = %s\r\nDestination = %s/\r\nSafeMode = 1\r\n[Switches]\r\nLoadMode = 0\r\n' \
    "$program" "$work/wavs" "$work/mp3" >"$program/encoder.ini"
for name in first second; do
    python3 "$source/tests/support/make_wavs.py" tone "$work/wavs/$name.wav" 1
done

window_named() { # waits for a visible window titled exactly $1
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window titled \"$1\" appeared"
}
gone() { # waits for window $1 to close
    for _ in $(seq 100); do xwininfo -id "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done
    fail "window $1 did not close"
}
exact_title() { # window $1 carries exactly $2 in both title properties
    net=$(xprop -id "$1" _NET_WM_NAME | sed 's/^[^"]*"\(.*\)"$/\1/')
    old=$(xprop -id "$1" WM_NAME | sed 's/^[^"]*"\(.*\)"$/\1/')
    [ "$net" = "$2" ] && [ "$old" = "$2" ] || fail "title of \"$2\" reads \"$net\" / \"$old\""
}
text() { python3 "$source/tests/desktop/ui_text.py" "$source/translations" "$@"; }
menu() { # alt+ the menu's key, then the entry's: menu CONTEXT MENU ENTRY
    key "alt+$(text "$1" "$2" --key)" "$(text "$1" "$3" --key)"
}
actions() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS; }
no_action() { ! actions "$1" | grep -q "$2" || fail "$3 offers $2"; }
has_action() { actions "$1" | grep -q "$2" || fail "$3 lacks $2"; }
shot() { [ -z "$shots" ] || import -window root -trim +repage "$shots/$1.png"; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
active_is() { [ "$(xdotool getactivewindow)" = "$1" ] || fail "$2 is not the active window"; }

(cd "$work" && exec "$program/encoder") >"$work/program.log" 2>&1 &
program_pid=$!
pids="$pids $program_pid"

main=$(window_named "Trelvin Sondrake 1.41")
exact_title "$main" "Trelvin Sondrake 1.41"
has_action "$main" _NET_WM_ACTION_MINIMIZE "the main window"
no_action "$main" _NET_WM_ACTION_MAXIMIZE_HORZ "the main window"
no_action "$main" _NET_WM_ACTION_RESIZE "the main window"
active_is "$main" "the main window at start"
# The desktop ties the window to its entry by the window class.
entry_class=$(sed -n 's/^StartupWMClass=//p' "$source/data/org.trelvinsondrake.TrelvinSondrake.desktop")
window_class=$(xprop -id "$main" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
[ -n "$entry_class" ] && [ "$window_class" = "$entry_class" ] \
    || fail "the window class \"$window_class\" is not the desktop entry's \"$entry_class\""
shot main-window

# Tab goes from the chosen bitrate past the check boxes and both lists to
# the file list: the unchosen bitrates are no tab stops.
key Tab Tab Tab Tab Tab Tab Tab
tag_current() { # $1 title: File > Properties on the current file
    menu Form1 "&File" "&Properties"
    properties=$(window_named "$(text Form4 "MP3 Properties")")
    exact_title "$properties" "$(text Form4 "MP3 Properties")"
    no_action "$properties" _NET_WM_ACTION_MAXIMIZE_HORZ "the Properties dialog"
    xdotool type --delay 20 "$1"; key Tab
    xdotool type --delay 20 "The Band"; key Tab
    xdotool type --delay 20 "Live"; key Tab
    xdotool type --delay 20 "2026"; key Tab
    xdotool type --delay 50 Rock; sleep 0.3 # keyboard search in the genre list
    [ -z "$shots" ] || [ "$1" != "First" ] || shot properties-dialog
    key Return
    gone "$properties"
}
key Down
tag_current First
key Down
tag_current Second
key shift+Up # both files selected

# The whole album at once: the dialog opens for both, Return presses Okay,
# and with nothing ticked each file keeps its own tags.
menu Form1 "&File" "&Tag selected..."
album=$(window_named "$(text Form6 "Tag Selected Files")")
exact_title "$album" "$(text Form6 "Tag Selected Files")"
no_action "$album" _NET_WM_ACTION_MAXIMIZE_HORZ "the Tag Selected Files dialog"
shot tag-selected-dialog
key Return
gone "$album"

# Automatic delete (back past both lists), with its warning, then Encode.
key shift+Tab shift+Tab shift+Tab
key space
warning=$(window_named "$(text Form1 "Warning")")
exact_title "$warning" "$(text Form1 "Warning")"
no_action "$warning" _NET_WM_ACTION_MAXIMIZE_HORZ "the warning"
shot warning-message
key Return
gone "$warning"
key Tab Tab Tab Tab Tab space # both lists, the file list, Destination, Encode
script=$(window_named "TEMP.BAT")
sleep 0.5
active_is "$main" "the main window after Encode"

for _ in $(seq 300); do
    [ -f "$work/mp3/second.mp3" ] && [ ! -f "$work/wavs/second.wav" ] && break
    sleep 0.1
done
for name in first second; do
    mp3="$work/mp3/$name.mp3"
    [ -s "$mp3" ] || fail "$name.mp3 was not made"
    [ ! -e "$work/wavs/$name.wav" ] || fail "$name.wav was kept although its MP3 was made"
    title=$(tail -c 128 "$mp3" | head -c 33 | tr -d '\0')
    case $name in first) want="TAGFirst" ;; *) want="TAGSecond" ;; esac
    [ "$(printf '%s' "$title" | sed 's/ *$//')" = "$want" ] || fail "$name.mp3 has the trailer \"$title\""
    [ "$(tail -c 1 "$mp3" | od -An -tu1 | tr -d ' ')" = 17 ] || fail "$name.mp3 is not Rock"
done
shot script-window
xdotool windowactivate --sync "$script"
key Return # the terminal waits for it after the last line
gone "$script"

# Setup: Enter in the directory list opens a directory and nothing else.
xdotool windowactivate --sync "$main"
menu Form1 "&Options" "&Setup"
setup=$(window_named "$(text Form2 "Setup")")
exact_title "$setup" "$(text Form2 "Setup")"
no_action "$setup" _NET_WM_ACTION_MAXIMIZE_HORZ "the Setup dialog"
shot setup-dialog
key Tab Tab Tab Tab # from the chosen window mode past Okay, Cancel, drives to directories
key Home Return
xwininfo -id "$setup" >/dev/null 2>&1 || fail "Enter in the directory list closed Setup"
key Escape
gone "$setup"

# Minimising a modal dialog must not hide the program.
menu Form1 "&Options" "&Destination"
destination=$(window_named "$(text Form5 "Output Destination")")
exact_title "$destination" "$(text Form5 "Output Destination")"
shot destination-dialog
xdotool windowminimize "$destination"
sleep 1
xwininfo -id "$destination" | grep -q IsViewable || fail "a minimised dialog stayed hidden"
key Escape
gone "$destination"

menu Form1 "&Help" "&About"
about=$(window_named "$(text Form3 "About Sondrake")")
exact_title "$about" "$(text Form3 "About Sondrake")"
shot about-window
key Return
gone "$about"

menu Form1 "&File" "E&xit"
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$program_pid" 2>/dev/null || fail "E&xit did not end the program"
wait "$program_pid" || fail "the program ended with status $?"
grep -q "LastPath = $work/wavs" "$program/encoder.ini" || fail "the settings were not written"

# A CD image with its cue sheet: Encode asks what it becomes. Escape
# cancels, and nothing runs; Return encodes its tracks, one MP3 each.
python3 "$source/tests/support/make_wavs.py" tone "$work/wavs/cd.wav" 2
printf 'TITLE "Live"\nPERFORMER "The Band"\nFILE "cd.wav" WAVE\n  TRACK 01 AUDIO\n    TITLE "One"\n    INDEX 01 00:00:00\n  TRACK 02 AUDIO\n    TITLE "Two"\n    INDEX 01 00:01:00\n' \
    >"$work/wavs/cd.cue"
(cd "$work" && exec "$program/encoder") >"$work/program.log" 2>&1 &
program_pid=$!
pids="$pids $program_pid"
main=$(window_named "Trelvin Sondrake 1.41")
key Tab Tab Tab Tab Tab Tab Tab Down # the file list, and in it cd.wav
key Tab Tab space # Destination, Encode
tracks_title=$(text Form7 "Tracks of %1" | sed 's/%1/cd.wav/')
tracks=$(window_named "$tracks_title")
exact_title "$tracks" "$tracks_title"
no_action "$tracks" _NET_WM_ACTION_MAXIMIZE_HORZ "the Tracks dialog"
shot tracks-dialog
key Escape
gone "$tracks"
! xdotool search --onlyvisible --name "^TEMP.BAT\$" >/dev/null 2>&1 || fail "a cancelled Encode ran the script"
key space # Encode keeps the focus
tracks=$(window_named "$tracks_title")
key Return
gone "$tracks"
script=$(window_named "TEMP.BAT")
for _ in $(seq 300); do [ -s "$work/mp3/02 - Two.mp3" ] && break; sleep 0.1; done
[ -s "$work/mp3/01 - One.mp3" ] && [ -s "$work/mp3/02 - Two.mp3" ] || fail "the image's tracks were not made"
[ -e "$work/wavs/cd.cue" ] || fail "the cue sheet was deleted"
xdotool windowactivate --sync "$script"
key Return
gone "$script"
xdotool windowactivate --sync "$main"
menu Form1 "&File" "E&xit"
wait "$program_pid" || fail "the program ended with status $?"

# The first start: Setup opens before the main window, centred on the screen.
rm "$program/encoder.ini"
(cd "$work" && exec "$program/encoder") >"$work/program.log" 2>&1 &
program_pid=$!
pids="$pids $program_pid"
setup=$(window_named "$(text Form2 "Setup")")
sleep 0.3
eval "$(xwininfo -id "$setup" | sed -n 's/^ *Absolute upper-left X: *\(-*[0-9]*\)/x=\1/p; s/^ *Absolute upper-left Y: *\(-*[0-9]*\)/y=\1/p; s/^ *Width: *\([0-9]*\)/w=\1/p; s/^ *Height: *\([0-9]*\)/h=\1/p')"
dx=$((x + w / 2 - 512)) dy=$((y + h / 2 - 384))
[ "${dx#-}" -le 40 ] && [ "${dy#-}" -le 40 ] || fail "the first Setup is not centred (at $x,$y)"
key Escape
main=$(window_named "Trelvin Sondrake 1.41")
menu Form1 "&File" "E&xit"
wait "$program_pid" || fail "the program ended with status $?"
echo "desktop session works"
