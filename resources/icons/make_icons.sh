#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the desktop icon sizes from quellix.svg with rsvg-convert (Debian: librsvg2-bin).
# The PNGs are committed, so the build needs no rasteriser; run this only after changing the
# SVG. rsvg-convert writes no timestamps, so the output is byte-stable.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --format png --output "quellix-$size.png" quellix.svg
done
