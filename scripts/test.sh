#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every check, headless:
#   1. the normal build and the whole test suite,
#   2. that build installed into a scratch root and packaged as a .deb (install-check.sh),
#   3. the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer,
#   4. the fault-injection soak through the real window (tests/soak, CTest label "soak"),
#   5. the libFuzzer targets for a bounded time each,
#   6. clang-tidy and cppcheck on the project's own code.
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

suite() {
    local build=$1
    shift
    # The pty suites run the protocol at 15-30 ms to stay fast; on a busy 2-core machine (and
    # much more under the sanitizers) a reply can come late, which the tool rightly reports as
    # a failure. A suite that fails gets two more tries; one that fails three times fails the
    # stage, and each try under the sanitizers still stops at its first report.
    "$root/scripts/build.sh" "$build" "$@" &&
        (cd "$build" && ctest --output-on-failure -j2 --label-exclude soak --repeat until-pass:3)
}

# Qt keeps a few allocations alive until exit on purpose; each suppression names the call.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# The journal's PostgreSQL tests run against a real throwaway server, for every stage.
pgdir=$(mktemp -d /tmp/quellix-pg.XXXXXX)
trap '"$root/scripts/pg-test-server.sh" stop "$pgdir"' EXIT
QX_TEST_PG_URL=$("$root/scripts/pg-test-server.sh" start "$pgdir")
export QX_TEST_PG_URL QX_REQUIRE_PG=1 PGPASSFILE="$pgdir/pgpass"

# Warnings are errors here, and Qt's deprecated API is hidden, so its use fails the build.
strict=(-DQX_WERROR=ON -DQX_STRICT_QT=ON)
stage "tests" suite "$root/build" "${strict[@]}"
if [ "${QX_QUICK:-0}" != 1 ]; then
    stage "install and package" "$root/scripts/install-check.sh" "$root/build"
    stage "tests under sanitizers" suite "$root/build-asan" "${strict[@]}" -DQX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    stage "fault soak" bash -c "cd '$root/build' && ctest --output-on-failure -V --label-regex soak"
    stage "fuzzing" "$root/scripts/fuzz.sh" 30
    stage "static analysis" "$root/scripts/lint.sh" "$root/build"
fi

echo
echo "stages: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
