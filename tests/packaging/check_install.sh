#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The discone developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the program into a temporary prefix and builds and unpacks the
# Debian package into a temporary root, then checks what a desktop needs:
# the program, a valid desktop entry, valid AppStream metadata, the icon at
# every hicolor size, the manual page, the copyright file and changelog, and
# the package's relations; lintian too, when LINTIAN names it.
# Usage: check_install.sh <build dir> <version> <icon size>...
set -euo pipefail
build=$1
version=$2
shift 2
icon_sizes=("$@")
[ ${#icon_sizes[@]} -gt 0 ] || { echo "usage: check_install.sh <build dir> <version> <icon size>..." >&2; exit 2; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

check_tree() { # root prefix
    local root=$1
    [ -x "$root/bin/discone" ] || fail "$root/bin/discone missing or not executable"
    desktop-file-validate "$root/share/applications/discone.desktop" || fail "desktop entry"
    grep -qx 'Exec=discone' "$root/share/applications/discone.desktop" || fail "Exec line"
    grep -qx 'Icon=discone' "$root/share/applications/discone.desktop" || fail "Icon line"
    appstreamcli validate --no-net --pedantic "$root/share/metainfo/example.zorval.discone.metainfo.xml" \
        >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log"; fail "metainfo"; }
    grep -qx 'StartupWMClass=discone' "$root/share/applications/discone.desktop" || fail "StartupWMClass line"
    local meta="$root/share/metainfo/example.zorval.discone.metainfo.xml"
    grep -q '<screenshot' "$meta" || fail "screenshot entry"
    grep -q '<project_license>GPL-3.0-or-later</project_license>' "$meta" || fail "metainfo licence"
    grep -q "<release version=\"$version\"" "$meta" || fail "metainfo release $version"
    local man="$root/share/man/man1/discone.1.gz"
    [ -f "$man" ] || fail "manual page missing"
    zcat "$man" | grep -q 'inches.* FREQ' || fail "manual page lacks the command line"
    zcat "$man" | grep -q "discone $version" || fail "manual page lacks version $version"
    local doc="$root/share/doc/discone"
    grep -q '^License: GPL-3.0-or-later' "$doc/copyright" || fail "copyright file"
    zcat "$doc/changelog.gz" | head -n 1 | grep -q "^discone ($version)" || fail "changelog"
    for size in "${icon_sizes[@]}"; do
        local icon="$root/share/icons/hicolor/${size}x${size}/apps/discone.png"
        [ -f "$icon" ] || fail "icon $icon missing"
        file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $icon is not $size x $size: $(file "$icon")"
    done
}

# 1. cmake --install into a prefix.
cmake --install "$build" --prefix "$tmp/prefix" >/dev/null
check_tree "$tmp/prefix"

# 2. The Debian package, unpacked into a root of its own.
(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/pkg" >/dev/null)
deb=$(ls "$tmp"/pkg/discone_*.deb)
dpkg-deb -x "$deb" "$tmp/root"
check_tree "$tmp/root/usr"
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-wine libstdc++6; do
    grep -q "$need" <<<"$depends" || fail "Depends lacks $need: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = discone ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
recommends=$(dpkg-deb -f "$deb" Recommends)
for want in qt6-wayland xdg-utils nec2c; do
    grep -q "$want" <<<"$recommends" || fail "Recommends lacks $want: $recommends"
done
if [ -n "${LINTIAN:-}" ]; then
    "$LINTIAN" --fail-on error,warning "$deb" || fail "lintian"
fi
echo "install and package: ok"
