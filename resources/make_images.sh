#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the window icon (32x32, 16 colours) and the logo (583x238, 24-bit) with ImageMagick.
# The PNGs are committed; run this only to change them. Output is byte-stable: no timestamps.
set -euo pipefail
cd "$(dirname "$0")"
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
png_opts=(-strip -define png:exclude-chunks=date,time)

# Icon: a navy tile with a white signal lamp and two arcs, the tool's "unit talks" motif.
convert -size 32x32 xc:none \
    -fill '#10306a' -stroke '#0a1c40' -strokewidth 1 -draw 'roundrectangle 1,1 30,30 6,6' \
    -fill none -stroke '#9fd3ff' -strokewidth 2 \
    -draw 'arc 6,6 26,26 200,340' -draw 'arc 11,11 21,21 200,340' \
    -fill '#ffd23f' -stroke '#ffffff' -strokewidth 1 -draw 'circle 16,21 16,25' \
    -background none -colors 16 "${png_opts[@]}" PNG8:quellix.png

# Logo: a soft two-tone panel, the project's name and a wave line under it.
# Drawn as short separate segments: some ImageMagick builds close a stroked path or polyline.
wave=$(awk 'function y(x) { return int(160 + 22 * sin((x - 30) / 523 * 6.2832 * 2)) }
    BEGIN { for (x = 30; x < 553; x += 4) printf "line %d,%d %d,%d ", x, y(x), x + 4, y(x + 4) }')
convert -size 583x238 gradient:'#e8f0fb-#b9cde8' \
    -fill '#1d3f7a' -draw 'rectangle 0,200 583,238' \
    -fill none -stroke '#2f6fd0' -strokewidth 5 -draw "stroke-linecap round $wave" \
    -stroke none -fill '#1d3f7a' -font "$font" -pointsize 72 -gravity north \
    -annotate +0+20 'Quellix' \
    -fill '#ffffff' -pointsize 20 -gravity south -annotate +0+8 'alarm modem configuration' \
    -type TrueColor "${png_opts[@]}" PNG24:logo.png
