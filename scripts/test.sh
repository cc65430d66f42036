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
if ! command -v setpriv >/dev/null || ! nobody test -x build/bin/tst_tag_trailer; then
    echo "NOT RUN: the cases for an ordinary user (user nobody cannot reach $(pwd)/build," \
         "or setpriv is missing); run this script as an ordinary user to run them" >&2
    exit 1
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
chmod 777 "$home"
for test in $as_user; do
    if ! (cd "$home" && HOME="$home" QT_QPA_PLATFORM=offscreen nobody "$OLDPWD/build/bin/$test" \
            >"$home/$test.log" 2>&1); then
        cat "$home/$test.log"
        echo "FAILED as user nobody: $test" >&2
        exit 1
    fi
done
echo "The cases for an ordinary user passed as user nobody: $as_user" | tr -s ' \n' ' '
echo
