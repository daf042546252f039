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
    -DQX_FUZZ=ON -DQX_WERROR=OFF -DBUILD_TESTING=OFF -DCMAKE_UNITY_BUILD=ON >/dev/null
targets=(fuzz_configfile fuzz_replies fuzz_framer fuzz_document fuzz_sheet)
cmake --build "$build" -j2 --target "${targets[@]}"

# Each target is one process on one core; as many run at once as there are cores.
run() {
    local target=$1 corpus="$build/corpus-run/${1#fuzz_}"
    rm -rf "$corpus" && mkdir -p "$corpus"
    cp "$root/fuzz/corpus/${target#fuzz_}/"* "$corpus/"
    (cd "$build" && "./fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus" >"$build/$target.log" 2>&1 || true)
}
running=0
for target in "${targets[@]}"; do
    if [ "$running" -ge "$(nproc)" ]; then
        wait -n
        running=$((running - 1))
    fi
    run "$target" &
    running=$((running + 1))
done
wait

failed=0
for target in "${targets[@]}"; do
    echo "== $target: ${seconds}s"
    # The last "#N DONE" line carries the number of executions.
    grep -E '^#[0-9]+\s+DONE|ERROR|SUMMARY' "$build/$target.log" || true
    if grep -qE 'ERROR: (libFuzzer|AddressSanitizer|LeakSanitizer)|SUMMARY: UndefinedBehaviorSanitizer' "$build/$target.log" \
        || ! grep -q 'DONE' "$build/$target.log"; then
        echo "$target FAILED; see $build/$target.log"
        failed=1
    fi
done
exit "$failed"
