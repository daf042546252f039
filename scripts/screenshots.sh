#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the manual's pictures into docs/images: the windows at the normal scale, then again at
# QT_SCALE_FACTOR=2 (names ending in -scale2), each on its own Xvfb screen with the simulated
# unit. Look at every picture before committing it.
# Usage: scripts/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${1:-$root/build}
"$here/deps.sh" xvfb fonts-dejavu-core

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 --target quellix-screenshots >/dev/null
shots=$build/tools/screenshots/quellix-screenshots
images=$root/docs/images
mkdir -p "$images"

xvfb_pid=
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}
trap stop_xvfb EXIT

# Runs the camera on a fresh screen of the given size; Xvfb picks a free display number.
shoot() {
    local size=$1
    shift
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" 2>/dev/null &
    xvfb_pid=$!
    local display
    read -r display <"$fifo"
    rm -f "$fifo"
    # English texts and the platform's own look, whatever the caller's settings.
    env -u QT_QPA_PLATFORM -u QT_STYLE_OVERRIDE LANG=C.UTF-8 LC_ALL=C.UTF-8 DISPLAY=":$display" \
        "$@"
    stop_xvfb
}

shoot 1600x1000 "$shots" "$images"
# Twice the size in both directions, so a window twice as large still fits whole.
shoot 3200x2000 env QT_SCALE_FACTOR=2 "$shots" "$images" -scale2
echo "pictures in $images: look at each one before committing"
# A window that this build lacks leaves its picture out of the manual until it is taken.
for picture in $(grep -o 'images/[A-Za-z0-9_.-]*\.png' "$root/docs/manual.md" | sort -u); do
    [ -f "$root/docs/$picture" ] || echo "the manual shows $picture, which is not taken yet"
done
