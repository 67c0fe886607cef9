#!/usr/bin/env bash
# Builds the .deb from the build tree, unpacks it into a scratch root and checks
# that the program, its desktop entry, icons and metainfo are where the entry and
# the metainfo say, and that both validate; that lintian finds no error or
# warning, the manual page renders without warnings, the copyright file parses
# and covers the source, and the changelog is for this version.
set -euo pipefail
build=$1
src=$(cd "$(dirname "$0")/../.." && pwd)
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
# Liberation 2 is fonts-liberation from Debian 13 on, fonts-liberation2 on Debian 12.
field Depends | grep -qF 'fonts-liberation (>= 1:2) | fonts-liberation2' || fail "Depends lacks the font: $(field Depends)"
field Recommends | grep -qw 'xdg-utils' || fail "Recommends lacks xdg-utils (the web-site line needs xdg-open)"
lint=$(lintian --fail-on error,warning "$deb" 2>&1) || { echo "$lint"; fail "lintian reports errors or warnings"; }

root=$scratch/root
dpkg -x "$deb" "$root"
[ -x "$root/usr/bin/vorvancalc" ] || fail "no /usr/bin/vorvancalc"
desktop=$root/usr/share/applications/example.vorvan.VorvanCalc.desktop
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop" || fail "desktop entry does not validate"
# Docks tie the running windows to the entry by their class, which the program sets to the entry's name.
grep -qx 'StartupWMClass=example.vorvan.VorvanCalc' "$desktop" || fail "StartupWMClass is not the entry's name"
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
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "metainfo does not name the MIT licence"

man=$root/usr/share/man/man1/vorvancalc.1.gz
[ -f "$man" ] || fail "no manual page"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 "$man" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "$warnings"; fail "manual page renders with warnings"; }
lexgrog "$man" | grep -q '"vorvancalc - ' || fail "manual page has no NAME line for vorvancalc"

doc=$root/usr/share/doc/vorvancalc
[ -f "$doc/changelog.gz" ] || fail "no changelog.gz"
[ "$(zcat "$doc/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$(field Version)" ] ||
    fail "latest changelog entry is not for $(field Version)"
# Machine-readable copyright: strict parse, every Files pattern matches a file
# of the source tree, every licence has its text, and the MIT text is LICENSE's.
/usr/bin/python3 - "$doc/copyright" "$src" <<'PY' || fail "copyright file"
import glob, os, sys
from debian.copyright import Copyright
c = Copyright(open(sys.argv[1]), strict=True)
texts = {p.license.synopsis: p.license.text for p in c.all_license_paragraphs()}
for p in c.all_files_paragraphs():
    for pattern in p.files:
        assert glob.glob(os.path.join(sys.argv[2], pattern)), f"Files: {pattern} matches nothing"
    assert p.license.text or texts.get(p.license.synopsis), f"no text for licence {p.license.synopsis}"
words = lambda t: " ".join(t.split())
assert words(texts["MIT"]) in words(open(os.path.join(sys.argv[2], "LICENSE")).read()), "MIT text differs from LICENSE"
PY
echo "package ok: $(basename "$deb")"
