#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the tool, starts a simulated unit on a pseudo-terminal and opens the tool beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
# Only the tool and the simulated unit; the test command builds the rest.
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j2 --target quellix quellix-unitsim

sim_out=$(mktemp)
"$root/build/tools/unitsim/quellix-unitsim" >"$sim_out" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null || true; rm -f "$sim_out"' EXIT
for _ in $(seq 50); do [ -s "$sim_out" ] && break; sleep 0.1; done
device=$(head -n 1 "$sim_out")
echo
echo "Simulated unit ready on $device; it is in the port box: click Connect, then Read from Device."
echo

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found; starting the tool under Xvfb instead."
    "$root/scripts/deps.sh" xvfb xauth
    xvfb-run -a "$root/build/ui/quellix" --port "$device"
else
    "$root/build/ui/quellix" --port "$device"
fi
