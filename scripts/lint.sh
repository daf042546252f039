#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Static analysis of the project's own code: the .clang-format layout, clang-tidy (rules in
# .clang-tidy) and cppcheck.
# Usage: scripts/lint.sh [LINT_DIR]   (a build tree of its own, default build-lint; it is only
# configured)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-lint}
mkdir -p "$build"
build=$(cd "$build" && pwd)
"$root/scripts/deps.sh" clang-format clang-tidy cppcheck

cd "$root"
# The folders of the programs' own code: one list, so a new folder is checked by every tool. A
# folder that no longer holds a source stops the check: a moved folder would otherwise leave
# its code unchecked while the check still says clean.
folders=(core ui cli device configfile provision journal translations tools/unitsim)
for folder in "${folders[@]}"; do
    if [ -z "$(git ls-files "$folder/*.cpp")" ]; then
        echo "lint.sh: no sources in $folder; update the folder list"
        exit 1
    fi
done
sources=$(git ls-files "${folders[@]/%//*.cpp}")
# The benchmarks, the soak and the screenshot program build with warnings as errors and only
# drive the programs' code; the compiler's checks are enough for them, and they would add a
# quarter to clang-tidy's time. cppcheck, which is quick, still reads them.
drivers=$(git ls-files 'bench/*.cpp' 'tests/soak/*.cpp' 'tools/screenshots/*.cpp')
echo "== licence lines"
missing=$(git ls-files '*.cpp' '*.h' '*CMakeLists.txt' '*.sh' '.ci/run' | xargs grep -L 'SPDX-License-Identifier: GPL-3.0-or-later' || true)
if [ -n "$missing" ]; then
    echo "no SPDX licence line in:"; echo "$missing"; exit 1
fi
echo "licence lines: present"

echo "== clang-format"
clang-format --dry-run --Werror $(git ls-files '*.cpp' '*.h')
echo "clang-format: clean"

echo "== clang-tidy"
# clang-tidy spends most of its time in Qt's headers, once per translation unit. A unity tree
# joins each library's sources into a few units, so those headers are read a few dozen times
# instead of once per source: a third of the time, for the same checks on the same code. The
# tree is only configured: no source of ours includes what moc makes, and nothing is compiled.
cmake -S "$root" -B "$build" -DCMAKE_UNITY_BUILD=ON -DQX_PCH=OFF -DQX_BENCH=OFF \
    -DBUILD_TESTING=OFF >/dev/null
# The units of the listed folders, and the sources of any target built one by one.
escape() { printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g'; }
pattern=$(printf '%s|' "${folders[@]}")
pattern="(${pattern%|})"
tree=$(escape "$build")
top=$(escape "$root")
units=$(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "$build/compile_commands.json" |
    grep -E "^($tree/$pattern/.*/Unity/unity_[0-9]+_cxx\.cxx|$top/$pattern/.*\.cpp)$" || true)
if [ -z "$units" ]; then
    echo "lint.sh: the unity tree in $build lists none of the sources"
    exit 1
fi
# A unit's sources are headers to clang-tidy, so the filter names every file of the folders. The
# units include .cpp files by design, which is what bugprone-suspicious-include is for.
run-clang-tidy -quiet -j 2 -p "$build" -config="$(grep -vE '^(#|---|\.\.\.)' .clang-tidy)" \
    -checks=-bugprone-suspicious-include -header-filter="^$top/$pattern/.*\.(h|cpp)$" \
    $units >"$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u | head -50
    echo "clang-tidy found problems; see $build/clang-tidy.log"
    exit 1
}
echo "clang-tidy: clean"

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,performance,portability --inline-suppr \
    --std=c++20 --library=qt -I . \
    --suppress=missingIncludeSystem $sources $drivers
echo "cppcheck: clean"
