#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Static analysis of the project's own code: the .clang-format layout, clang-tidy (rules in
# .clang-tidy) and cppcheck.
# Usage: scripts/lint.sh BUILD_DIR   (a configured build tree with compile_commands.json)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
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
# GCC's precompiled headers are no use to clang, which would stop at them: the compile
# commands go to clang without them (each source includes what it uses anyway).
database=$(mktemp -d)
trap 'rm -rf "$database"' EXIT
sed -E 's/ -Winvalid-pch//g; s/ -include [^ ]*cmake_pch\.hxx//g' "$build/compile_commands.json" \
    >"$database/compile_commands.json"
# Files moc generates are not ours; the file list keeps them out.
run-clang-tidy -quiet -j 2 -p "$database" $sources >"$build/clang-tidy.log" 2>&1 || {
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
