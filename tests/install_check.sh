#!/bin/sh
# Installs the program into a throwaway prefix and checks that the desktop integration is complete
# and consistent: the entry starts the installed binary, names the installed icon, and the
# software-centre description launches that entry.
# Usage: install_check.sh <cmake> <build dir>
set -eu
cmake=$1
build=$2
id=hu.tarolas.tarolas

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "install check: $*" >&2; exit 1; }

desktop=$prefix/share/applications/$id.desktop
icon=$prefix/share/icons/hicolor/scalable/apps/$id.svg
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for f in "$desktop" "$icon" "$metainfo"; do
  [ -f "$f" ] || fail "not installed: ${f#"$prefix"/}"
done

exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/games/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
grep -qx "Icon=$id" "$desktop" || fail "the entry does not name the icon $id"
grep -qx 'Name=Tarolás' "$desktop" || fail "the entry is not called Tarolás"
grep -q '<svg' "$icon" || fail "the icon is not an SVG image"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"

if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$desktop"
else
  echo "desktop-file-validate not found, entry not validated"
fi
if command -v appstreamcli >/dev/null 2>&1; then
  appstreamcli validate --no-net "$metainfo"
else
  echo "appstreamcli not found, metainfo not validated"
fi
echo "install check passed"
