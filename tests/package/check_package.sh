#!/usr/bin/env bash
# Builds the .deb from the build tree, unpacks it into a scratch root and checks
# that the program, its desktop entry, icons and metainfo are where the entry and
# the metainfo say, and that both validate.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/vorvancalc_*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = vorvancalc ] || fail "package name $(field Package)"
[ "$(field Version)" = 1.3.0 ] || fail "version $(field Version)"
[ "$(field Section)" = science ] || fail "section $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
field Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries: $(field Depends)"
field Depends | grep -q 'fonts-liberation2' || fail "Depends lacks the font"

root=$scratch/root
dpkg -x "$deb" "$root"
[ -x "$root/usr/bin/vorvancalc" ] || fail "no /usr/bin/vorvancalc"
desktop=$root/usr/share/applications/example.vorvan.VorvanCalc.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not on PATH"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for f in scalable/apps/$icon.svg 32x32/apps/$icon.png 256x256/apps/$icon.png; do
    [ -s "$root/usr/share/icons/hicolor/$f" ] || fail "icon $f missing"
done
file "$root/usr/share/icons/hicolor/32x32/apps/$icon.png" | grep -q '32 x 32' || fail "32 px icon is not 32 x 32"
file "$root/usr/share/icons/hicolor/256x256/apps/$icon.png" | grep -q '256 x 256' || fail "256 px icon is not 256 x 256"
metainfo=$root/usr/share/metainfo/example.vorvan.VorvanCalc.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
appstreamcli validate --no-net "$metainfo" >/dev/null || { appstreamcli validate --no-net "$metainfo"; fail "metainfo does not validate"; }
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$root/usr/share/applications/$launchable" ] || fail "launchable $launchable missing"
grep -q '<release version="1.3"' "$metainfo" || fail "no 1.3 release"
grep -q '<binary>vorvancalc</binary>' "$metainfo" || fail "metainfo does not provide the binary"
echo "package ok: $(basename "$deb")"
