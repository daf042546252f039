#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every check, headless:
#   1. the normal build and the whole test suite,
#   2. that build installed into a scratch root and packaged as a .deb (install-check.sh),
#   3. the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer,
#   4. the fault-injection soak through the real window (tests/soak, CTest label "soak"),
#   5. the libFuzzer targets for a bounded time each,
#   6. clang-tidy and cppcheck on the project's own code.
# The suites mostly wait on pseudo-terminals, so the stages that only need processor time (the
# sanitizer build, then the static analysis and the fuzzing) run beside them at low priority,
# once the normal build is there; each stage still reports on its own, in this order.
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
in_background() {
    local name=$1
    shift
    local rc=0 start=$SECONDS
    nice -n 19 "$@" >"$jobs_dir/$name.log" 2>&1 || rc=$?
    echo "($name ran $((SECONDS - start)) s in the background)" >>"$jobs_dir/$name.log"
    echo "$rc" >"$jobs_dir/$name.rc"
}
# Waits for a background job, shows its output and returns its status.
finished() {
    while [ ! -s "$jobs_dir/$1.rc" ]; do
        if [ -z "$background" ] || ! kill -0 "$background" 2>/dev/null; then
            [ -s "$jobs_dir/$1.rc" ] && break
            echo "not run: the normal build failed"
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
background=
cleanup() {
    # A stage that failed early leaves the background work running; it is of no use now.
    [ -z "$background" ] || kill -- -"$background" 2>/dev/null || true
    "$root/scripts/pg-test-server.sh" stop "$pgdir"
    rm -rf "$jobs_dir"
}
trap cleanup EXIT
QX_TEST_PG_URL=$("$root/scripts/pg-test-server.sh" start "$pgdir")
export QX_TEST_PG_URL QX_REQUIRE_PG=1 PGPASSFILE="$pgdir/pgpass"

# Warnings are errors here, and Qt's deprecated API is hidden, so its use fails the build.
strict=(-DQX_WERROR=ON -DQX_STRICT_QT=ON)

tests() {
    "$root/scripts/build.sh" "$root/build" "${strict[@]}" || return 1
    if [ "${QX_QUICK:-0}" != 1 ]; then
        # Its own process group, so the cleanup can stop all of it.
        set -m
        {
            # The sanitizer build leaves out the benchmarks and the soak, which it never runs.
            in_background asan-build "$root/scripts/build.sh" "$root/build-asan" "${strict[@]}" \
                -DQX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DQX_BENCH=OFF
            in_background lint "$root/scripts/lint.sh" "$root/build"
            # Five targets, two at a time: three rounds. Each replays its seed corpus in a few
            # seconds; more time only looks further for new paths, which a longer run
            # (scripts/fuzz.sh SECONDS) is for.
            in_background fuzz "$root/scripts/fuzz.sh" 20
        } &
        background=$!
        set +m
    fi
    run_suites "$root/build"
}

stage "tests" tests
if [ "${QX_QUICK:-0}" != 1 ]; then
    stage "install and package" "$root/scripts/install-check.sh" "$root/build"
    sanitizers() { finished asan-build && run_suites "$root/build-asan"; }
    stage "tests under sanitizers" sanitizers
    stage "fault soak" bash -c "cd '$root/build' && ctest --output-on-failure -V --label-regex soak"
    stage "fuzzing" finished fuzz
    stage "static analysis" finished lint
fi

echo
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
