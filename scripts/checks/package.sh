#!/usr/bin/env bash
# Builds the Debian package and checks it as a distribution would:
#  - lintian --pedantic on the .deb: no error, no warning;
#  - desktop-file-validate on the menu entry, appstreamcli validate on the
#    AppStream metainfo;
#  - appstreamcli compose on the tree the package installs: the catalogue
#    has Siltmere's entry;
#  - as root: installs the package, starts the program from its menu entry's
#    Exec line on a virtual display, removes the package and checks that no
#    file of it is left.
#   scripts/checks/package.sh [--no-install]
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/lib/install-deps.sh build package release-check display
bash scripts/package.sh
deb="$(ls -1 build/package/siltmere_*.deb | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
# The application id, as the build wrote it into the package's file names.
desktop="$(ls "$work"/root/usr/share/applications/*.desktop)"
id="$(basename "$desktop" .desktop)"

echo "=== lintian --pedantic $deb"
lintian --pedantic --display-info --fail-on error,warning "$deb"
echo "lintian: no errors, no warnings"

echo "=== desktop-file-validate, appstreamcli validate"
desktop-file-validate "$desktop"
appstreamcli validate --pedantic --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml"

echo "=== appstreamcli compose"
appstreamcli compose --no-color --origin siltmere --result-root="$work/out" "$work/root"
catalogue="$(find "$work/out" -path '*/swcatalog/*' \( -name '*.xml.gz' -o -name '*.yml.gz' \) | head -n 1)"
if [[ -z $catalogue ]] || ! zcat "$catalogue" | grep -Eq "<id>$id</id>|^ID: $id$"; then
    echo "compose: no catalogue entry for $id" >&2
    exit 1
fi
echo "compose: ${catalogue#"$work/out"} has the entry $id:"
zcat "$catalogue" | grep -E "<(id|name|summary|launchable|icon|project_license)[ >]" | sed 's/^ */  /'

if [[ ${1:-} == --no-install || $(id -u) -ne 0 ]]; then
    echo "(install, start and removal skipped)"
    exit 0
fi

echo "=== apt-get install, start from the menu entry, apt-get remove"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "./$deb" >/dev/null
files="$(dpkg -L siltmere)"
exec_line="$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")"
# The program must still be running after a few seconds: it started and
# showed its window instead of ending with an error.
export exec_line
scripts/lib/with-display.sh bash -c '
    (cd / && env -u QT_QPA_PLATFORM $exec_line) &
    program=$!
    sleep 3
    if ! kill -0 "$program" 2>/dev/null; then
        echo "the program started from \"Exec=$exec_line\" did not keep running" >&2
        exit 1
    fi
    kill "$program"
    wait "$program" 2>/dev/null || true
'
echo "started from Exec=$exec_line and ran until ended"
apt-get remove -y -qq siltmere >/dev/null
left=0
while read -r path; do
    if [[ -f $path || -L $path ]]; then
        echo "left behind: $path" >&2
        left=1
    fi
done <<<"$files"
dpkg -s siltmere >/dev/null 2>&1 && dpkg -s siltmere | grep -q '^Status: .*installed$' && { echo "still installed" >&2; exit 1; }
((left == 0)) || exit 1
echo "removed: no file of the package is left"
