#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every check, headless:
#   1. the normal build and the whole test suite,
#   2. that build installed into a scratch root and packaged as a .deb (install-check.sh),
#   3. the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer,
#   4. the fault-injection soak through the real window (tests/soak, CTest label "soak"),
#   5. the libFuzzer targets for a bounded time each,
#   6. clang-tidy and cppcheck on the project's own code.
# Everything runs headless. The suites mostly wait on pseudo-terminals, so the stages that need
# only processor time run beside them: the sanitizer build from the start, a little below the
# normal build; clang-tidy and the fuzzing at the lowest priority, in whatever time is left;
# the soak beside the install check and the sanitizer suites. Each stage still reports on its
# own, in this order.
# Set QX_QUICK=1 to run only stage 1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" clang libclang-rt-14-dev clang-format clang-tidy cppcheck
export QT_QPA_PLATFORM=offscreen
passed=0
failed=0

stage() {
    local name=$1
    shift
    echo
    echo "######## $name"
    local start=$SECONDS
    if "$@"; then
        passed=$((passed + 1))
        echo "######## $name: passed in $((SECONDS - start)) s"
    else
        failed=$((failed + 1))
        echo "######## $name: FAILED after $((SECONDS - start)) s"
    fi
}

# The pty suites run the protocol at 15-30 ms to stay fast; on a busy 2-core machine (and
# much more under the sanitizers) a reply can come late, which the tool rightly reports as
# a failure. A suite that fails gets two more tries; one that fails three times fails the
# stage, and each try under the sanitizers still stops at its first report. The soak is a
# stage of its own.
# The suites spend nearly all their time waiting for replies (about 20 s of processor time
# in 350 s), so four run at once on two cores.
run_suites() {
    (cd "$1" && ctest --output-on-failure -j4 --label-exclude soak --repeat until-pass:3)
}

# Work started in the background: its output goes to a log, shown when its stage comes.
jobs_dir=$(mktemp -d /tmp/quellix-checks.XXXXXX)
pids=()
# in_background NAME NICENESS [--after JOB] COMMAND...: runs COMMAND at that priority (once JOB
# has ended), in a process group of its own so the cleanup can stop all of it.
in_background() {
    local name=$1 niceness=$2 after=
    shift 2
    if [ "$1" = --after ]; then
        after=$2
        shift 2
    fi
    set -m
    (
        while [ -n "$after" ] && [ ! -s "$jobs_dir/$after.rc" ]; do sleep 1; done
        rc=0 start=$SECONDS
        nice -n "$niceness" "$@" >"$jobs_dir/$name.log" 2>&1 || rc=$?
        echo "($name ran $((SECONDS - start)) s in the background)" >>"$jobs_dir/$name.log"
        echo "$rc" >"$jobs_dir/$name.rc"
    ) &
    pids+=($!)
    set +m
}
# Waits for a background job, shows its output and returns its status.
finished() {
    while [ ! -s "$jobs_dir/$1.rc" ]; do
        if ! kill -0 "${pids[@]}" 2>/dev/null && [ ! -s "$jobs_dir/$1.rc" ]; then
            echo "not run"
            return 1
        fi
        sleep 1
    done
    cat "$jobs_dir/$1.log"
    return "$(cat "$jobs_dir/$1.rc")"
}

# Qt keeps a few allocations alive until exit on purpose; each suppression names the call.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# The journal's PostgreSQL tests run against a real throwaway server, for every stage.
pgdir=$(mktemp -d /tmp/quellix-pg.XXXXXX)
cleanup() {
    # A stage that failed early leaves the background work running; it is of no use now.
    for pid in "${pids[@]}"; do kill -- -"$pid" 2>/dev/null || true; done
    "$root/scripts/pg-test-server.sh" stop "$pgdir"
    rm -rf "$jobs_dir"
}
trap cleanup EXIT
QX_TEST_PG_URL=$("$root/scripts/pg-test-server.sh" start "$pgdir")
export QX_TEST_PG_URL QX_REQUIRE_PG=1 PGPASSFILE="$pgdir/pgpass"

# Warnings are errors here, and Qt's deprecated API is hidden, so its use fails the build.
strict=(-DQX_WERROR=ON -DQX_STRICT_QT=ON)
# The normal build joins each library's sources (a unity build: Qt's headers are read once per
# batch, not once per source); the sanitizer build compiles them one by one, so both ways are
# built and tested. Its stack traces need line tables only, and gold links its many test
# programs faster; it leaves out the benchmarks and the soak, which it never runs.
asan=(-DQX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DQX_BENCH=OFF)
if command -v ld.gold >/dev/null; then asan+=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold); fi

if [ "${QX_QUICK:-0}" != 1 ]; then
    in_background asan-build 5 "$root/scripts/build.sh" "$root/build-asan" "${strict[@]}" "${asan[@]}"
    # Five fuzz targets, two at a time: three rounds. Each replays its seed corpus in a few
    # seconds; more time only looks further for new paths, which a longer run (scripts/fuzz.sh
    # SECONDS) is for.
    in_background lint 19 "$root/scripts/lint.sh"
    in_background fuzz 19 --after lint "$root/scripts/fuzz.sh" 20
fi
tests() {
    "$root/scripts/build.sh" "$root/build" "${strict[@]}" -DCMAKE_UNITY_BUILD=ON &&
        run_suites "$root/build"
}
stage "tests" tests
if [ "${QX_QUICK:-0}" != 1 ]; then
    in_background soak 0 bash -c "cd '$root/build' && ctest --output-on-failure -V --label-regex soak"
    stage "install and package" "$root/scripts/install-check.sh" "$root/build"
    sanitizers() { finished asan-build && run_suites "$root/build-asan"; }
    stage "tests under sanitizers" sanitizers
    stage "fault soak" finished soak
    stage "fuzzing" finished fuzz
    stage "static analysis" finished lint
fi

echo
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
