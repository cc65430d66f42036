#!/bin/sh
# Installs the Debian 12 packages the program needs to build, test and run,
# and any given as arguments: only those missing, without upgrading anything
# already installed. With everything there it needs no root and no network.
set -eu

# ---- The packages, with what needs them. Add new ones to this list. ----
packages=$(sed 's/#.*//' <<'END'
cmake ninja-build g++ pkg-config                         # the build
qt6-base-dev libgl-dev                                   # Qt
libmp3lame-dev libsndfile1-dev libebur128-dev            # L3ENC, its loudness meter
libtag1-dev                                              # the MP3s' ID3v2 tags, the WAVs' tags
libcue-dev                                               # the cue sheets beside CD images
libbenchmark-dev                                         # the benchmarks
xterm xfonts-base                                        # the encoding window, its fonts
python3                                                  # tests: WAVs, fuzzing
sox ffmpeg                                               # tests: WAVs written by real tools
lame loudgain                                            # tests: VBR against lame -V, ReplayGain against loudgain
python3-mutagen gstreamer1.0-plugins-base-apps gstreamer1.0-plugins-good # tests: other readers of the tags
cuetools                                                 # tests: cue sheets' track starts
exfatprogs exfat-fuse fuse3 mount util-linux bsdutils    # tests: USB-stick file systems, a terminal
acl                                                      # tests: a retag keeps the ACLs
xvfb openbox xdotool x11-utils imagemagick               # tests on a real X desktop
qt6ct qt6-gtk-platformtheme                              # tests: themed fonts, GNOME's theme
qt6-wayland weston xwayland                              # tests: a Wayland session
python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus-daemon # tests: what a screen reader finds
dpkg-dev file lintian desktop-file-utils appstream man-db # the package and its check
qt6-l10n-tools qt6-translations-l10n                     # the translations, Qt's own texts in them
fonts-ipafont-gothic                                     # tests: the windows in Japanese
END
)
# ---------------------------------------------------------------------------
# More, for one script's own needs (static analysis: clang-tidy clazy).
# (fuzzing: clang-14 libclang-rt-14-dev llvm-14, libFuzzer and its symbolizer).
packages="$packages $*"

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null) || status=""
    [ "$status" = installed ] || missing="$missing $package"
done
[ -n "$missing" ] || exit 0

install="apt-get install -y --no-install-recommends --no-upgrade$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null; then
    sudo="sudo"
else
    echo "These packages are missing:$missing" >&2
    echo "Neither root nor sudo is at hand to install them: run, as root," >&2
    echo "    apt-get update && $install" >&2
    echo "then start this script again." >&2
    exit 1
fi
echo "Installing the missing packages:$missing"
$sudo apt-get update
# shellcheck disable=SC2086 # the packages are words
$sudo env DEBIAN_FRONTEND=noninteractive $install
