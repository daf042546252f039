#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when any is missing.
# Usage: scripts/deps.sh [extra packages...]
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools build the translations; qt6-translations-l10n holds Qt's
# own, which the standard dialogs use.
packages=(cmake make g++ pkg-config qt6-base-dev qt6-serialport-dev libgl-dev qt6-tools-dev
    qt6-l10n-tools qt6-translations-l10n "$@")
packages+=(libqt6sql6-sqlite libqt6sql6-psql postgresql)  # the journal and its tests
# The window was laid out for Arial's widths; without a face of the same metrics (a bare Debian
# has only DejaVu, which runs wider), German captions are cut by a pixel.
packages+=(fonts-liberation2)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
