#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree into a scratch root and checks what a user would get: the desktop
# entry, the AppStream metainfo, the icons, the manual pages, the translations and the
# installed programs' --version;
# then builds the .deb and runs lintian on it (errors fail, warnings are shown).
# Usage: scripts/install-check.sh BUILD_DIR   (a tree that scripts/build.sh has built)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: install-check.sh BUILD_DIR}" && pwd)
"$here/deps.sh" desktop-file-utils appstream lintian dpkg-dev file man-db

app_id=org.quellix.Quellix
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "no project version in $build/CMakeCache.txt" >&2; exit 1; }

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The tree may be older than the packaging files; the compressed pages are built targets.
cmake --build "$build" -j2 >/dev/null

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
usr=$dest/usr
echo "installed into $dest:"
(cd "$dest" && find . -type f | sort | sed 's/^\./  /')

desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
    # The entry names its icon and program by name, so both must be what gets installed.
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$icon" = "$app_id" ] || fail "the desktop entry's icon is '$icon', installed is '$app_id'"
    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$usr/bin/$exec_name" ] || fail "the desktop entry runs '$exec_name', not in /usr/bin"
else
    fail "no desktop entry $desktop"
fi
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app_id.desktop"
    grep -q "<release version=\"$version\"" "$metainfo" ||
        fail "the metainfo has no release $version"
else
    fail "no metainfo $metainfo"
fi

hicolor=$usr/share/icons/hicolor
[ -f "$hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
    png=$hicolor/${size}x$size/apps/$app_id.png
    if [ ! -f "$png" ]; then
        fail "no ${size}x$size icon"
    # A PNG filed under the wrong size is scaled by the desktop and looks blurred.
    elif [[ "$(file -b "$png")" != "PNG image data, $size x $size,"* ]]; then
        fail "the ${size}x$size icon is $(file -b "$png")"
    fi
done

# The manual goes with its pictures. One it names that was never taken (a window newer than
# the pictures) is a note; one taken but not installed is a fault.
doc=$usr/share/doc/quellix
if [ -f "$doc/manual.md" ]; then
    for picture in $(grep -o 'images/[A-Za-z0-9_.-]*\.png' "$doc/manual.md" | sort -u); do
        if [ -f "$doc/$picture" ]; then
            continue
        elif [ -f "$here/../docs/$picture" ]; then
            fail "docs/$picture is not installed beside the manual"
        else
            echo "NOTE: the manual shows $picture, which is not taken yet: run scripts/screenshots.sh"
        fi
    done
else
    fail "no manual in $doc"
fi

# Every installed program has its page, and man renders each one without a warning.
for program in "$usr"/bin/*; do
    page=$usr/share/man/man1/$(basename "$program").1.gz
    if [ ! -f "$page" ]; then
        fail "no manual page for $(basename "$program")"
        continue
    fi
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
        fail "man cannot render $(basename "$page")"
    [ -z "$warnings" ] || fail "man warns about $(basename "$page"): $warnings"
done

# The catalogues are compiled in as well; installed ones let a corrected translation in
# without a rebuild, and the installed program must find them from its own folder.
for language in de fr; do
    [ -f "$usr/share/quellix/translations/quellix_$language.qm" ] || fail "no quellix_$language.qm"
done
if [ -x "$usr/bin/quellix" ]; then
    got=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
        "$usr/bin/quellix" --version 2>/dev/null) ||
        fail "the installed quellix --version fails"
    grep -q '^Lizenz GPL-3.0-or-later' <<<"$got" || fail "quellix --version in German says '$got'"
fi

targets=$(cmake --build "$build" --target help)
if [ -x "$usr/bin/quellix-cli" ]; then
    got=$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG=C "$usr/bin/quellix-cli" --version) ||
        fail "the installed quellix-cli --version fails"
    [ "$(head -n 1 <<<"$got")" = "quellix-cli $version" ] || fail "quellix-cli --version says '$got'"
    grep -q '^License GPL-3.0-or-later' <<<"$got" || fail "quellix-cli --version names no licence"
# "... quellix-cli" (Makefiles) or "quellix-cli: phony" (Ninja) when the target exists.
elif grep -Eq '(^|\s)quellix-cli(:.*)?$' <<<"$targets"; then
    fail "quellix-cli is built but not installed"
else
    echo "SKIP: quellix-cli --version: the build has no quellix-cli target yet"
fi

(cd "$build" && cpack -G DEB >/dev/null)
deb=$build/quellix_${version}_$(dpkg --print-architecture).deb
if [ -f "$deb" ]; then
    echo "$(basename "$deb"):"
    dpkg-deb --field "$deb" Package Version Section Depends | sed 's/^/  /'
    # Computed by dpkg-shlibdeps; without it the package would install without Qt.
    [[ "$(dpkg-deb --field "$deb" Depends)" == *libqt6widgets6* ]] ||
        fail "the package does not depend on the Qt libraries it links"
    lintian_rc=0
    report=$(lintian "$deb" 2>&1) || lintian_rc=$?
    # CI runs as root, which lintian mentions on every run.
    report=$(grep -v 'running with root privileges' <<<"$report" || true)
    [ -z "$report" ] || echo "$report"
    if grep -q '^E:' <<<"$report" || [ "$lintian_rc" -ne 0 ]; then
        fail "lintian reports errors (exit status $lintian_rc)"
    fi
else
    fail "cpack made no $deb"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures install check(s) failed" >&2
    exit 1
fi
echo "install and package checks passed"
