#!/bin/sh
# Installs the Debian 12 packages the program needs to build, test and run.
set -eu
packages="cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev
          libmp3lame-dev libsndfile1-dev libbenchmark-dev xterm python3
          xvfb openbox xdotool x11-utils
          dpkg-dev file lintian desktop-file-utils appstream man-db"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update
# shellcheck disable=SC2086
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $packages
