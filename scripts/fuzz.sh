#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time on a copy of its
# seed corpus. Fails on any crash, leak, timeout or out-of-memory.
# Usage: scripts/fuzz.sh [seconds per target, default 30]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build="$root/build-fuzz"
"$root/scripts/deps.sh" clang libclang-rt-14-dev

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQX_FUZZ=ON -DQX_WERROR=OFF -DBUILD_TESTING=OFF >/dev/null
targets=(fuzz_configfile fuzz_replies fuzz_framer fuzz_document fuzz_sheet)
cmake --build "$build" -j2 --target "${targets[@]}"

for target in "${targets[@]}"; do
    corpus="$build/corpus-run/${target#fuzz_}"
    rm -rf "$corpus" && mkdir -p "$corpus"
    cp "$root/fuzz/corpus/${target#fuzz_}/"* "$corpus/"
    echo "== $target: ${seconds}s"
    # The last "#N DONE" line carries the number of executions.
    (cd "$build" && "./fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus" 2>&1 | tee "$build/$target.log" | grep -E '^#[0-9]+\s+DONE|ERROR|SUMMARY' || true)
    if grep -qE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|SUMMARY: UndefinedBehaviorSanitizer' "$build/$target.log" \
        || ! grep -q 'DONE' "$build/$target.log"; then
        echo "$target FAILED; see $build/$target.log"
        exit 1
    fi
done
