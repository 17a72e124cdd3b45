#!/bin/sh
# Builds the Debian package from the build tree into a throwaway directory, unpacks it and checks
# what a player's system would get: the stripped game, its libraries as dependencies, the desktop
# entry and the metainfo (validated where they land), the icon, the manual page and the copyright.
# Usage: package_check.sh <cpack> <build dir>
set -eu
cpack=$1
build=$2
id=hu.tarolas.tarolas

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
set -- "$work"/tarolas_*_amd64.deb
[ -f "$1" ] || fail "no tarolas_<version>_amd64.deb"
deb=$1
root=$work/root
dpkg-deb -x "$deb" "$root"

for f in usr/games/tarolas usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man6/tarolas.6.gz usr/share/man/hu/man6/tarolas.6.gz \
         usr/share/doc/tarolas/copyright usr/share/doc/tarolas/changelog.gz; do
  [ -f "$root/$f" ] || fail "not in the package: /$f"
done
file "$root/usr/games/tarolas" | grep -q ', stripped' || fail "the game is not stripped"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no dependency on Qt found by dpkg-shlibdeps"
head -1 "$root/usr/share/doc/tarolas/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
# Nothing writable by group or others.
bad=$(dpkg-deb -c "$deb" | awk 'substr($1, 6, 1) == "w" || substr($1, 9, 1) == "w"')
[ -z "$bad" ] || fail "group- or world-writable entries: $bad"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error,warning "$deb"
fi
echo "package check passed: $(basename "$deb"), $(stat -c %s "$deb") bytes"
