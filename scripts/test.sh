#!/bin/sh
# Installs what is missing, builds the program and its tests, runs every test.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
sh scripts/configure.sh -DBUILD_TESTING=ON
cmake --build build
ctest --test-dir build --output-on-failure -j2

# Root reads and writes even closed files and directories, so these tests
# skip such cases for root: as root, they run once more as the ordinary user
# nobody. A test that skips cases for root belongs in this list.
as_user="tst_own_directory tst_tag_trailer tst_settings_file tst_encode_run tst_encode_faults
         tst_main_window"
[ "$(id -u)" -eq 0 ] || exit 0
nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
# The clone may lie below a folder closed to others (/root, a 0700 folder):
# nobody runs copies of the tests, and of what they run, from a folder of
# their own in /tmp (the fault matrix finds its copies through
# SONDRAKE_TEST_PROGRAMS).
home=$(mktemp -d /tmp/sondrake-nobody.XXXXXX)
trap 'rm -rf "$home"' EXIT
chmod 755 "$home"
mkdir -m 777 "$home/home"
mkdir "$home/bin"
for test in $as_user; do cp "build/bin/$test" "$home/bin/"; done
cp build/bin/encoder build/bin/L3ENC build/bin/libsondrake_ui.so tests/support/slow_writer.py \
   "$home/bin/"
if ! command -v setpriv >/dev/null || ! nobody test -x "$home/bin/tst_tag_trailer"; then
    echo "NOT RUN: the cases for an ordinary user (user nobody cannot reach $home," \
         "or setpriv is missing); run this script as an ordinary user to run them" >&2
    exit 1
fi
for test in $as_user; do
    if ! (cd "$home/home" && HOME="$home/home" QT_QPA_PLATFORM=offscreen \
            SONDRAKE_TEST_PROGRAMS="$home/bin" nobody "$home/bin/$test" >"$home/$test.log" 2>&1); then
        cat "$home/$test.log"
        echo "FAILED as user nobody: $test" >&2
        exit 1
    fi
done
echo "The cases for an ordinary user passed as user nobody: $as_user" | tr -s ' \n' ' '
echo
