#!/usr/bin/env bash
# Builds Qt for 64-bit Windows once, from Debian's own qt6-base source, with
# MinGW-w64, and caches it outside the checkout. Later runs with the same Qt
# version and options only print where it is.
#   scripts/lib/windows/build-qt.sh   prints the Qt prefix on its last line
# The cache lives in ${SILTMERE_CACHE:-${XDG_CACHE_HOME:-~/.cache}/siltmere}.
# The host tools (moc, rcc, uic) come from Debian's qt6-base-dev-tools, so the
# two must be the same Qt version: the source fetched is that package's.
set -euo pipefail
top="$(cd "$(dirname "$0")/../../.." && pwd)"

"$top/scripts/lib/install-deps.sh" windows >&2

qt_version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)"
toolchain="$top/cmake/mingw-w64-x86_64.cmake"

# Only what the program and its tests use: Core, Gui, Widgets, PrintSupport
# (printing the report through the Windows spooler) and Test, the
# windows/offscreen/minimal platforms, the windowsvista style, JPEG and ICO.
# Qt's own copies of the image, font and regex libraries, so the DLLs need
# nothing from outside but the MinGW runtime. Debian's trimmed source has no
# wintab, hence no tablet events; Direct2D stays on because qwindows.dll
# does not link without it.
configure_options=(
    -release -shared -xplatform win32-g++
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-network
    -no-feature-xml -no-feature-concurrent
    -no-feature-tabletevent -no-feature-vulkan
    -qt-zlib -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
    -feature-jpeg -feature-ico -feature-style-windowsvista
)
key="$(printf '%s\n' "$qt_version" "${configure_options[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)"
cache="${SILTMERE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/siltmere}"
prefix="$cache/qt-${qt_version%%+*}-win64-$key"

# One build at a time: a second run waits for the first and then uses what
# it built, rather than deleting its work folder under it.
mkdir -p "$cache"
exec 9>"$cache/build-qt.lock"
flock 9

if [[ -f "$prefix/.complete" ]]; then
    echo "windows-qt: using the cached Qt for Windows in $prefix" >&2
    echo "$prefix"
    exit 0
fi

work="$cache/work-$key"
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"

if ! apt-get source --print-uris "qt6-base=$qt_version" >/dev/null 2>&1; then
    # Source packages need a deb-src line for this machine's own suites.
    list=/etc/apt/sources.list.d/siltmere-deb-src.sources
    echo "windows-qt: no deb-src entry for qt6-base; adding $list" >&2
    if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
        sed -e 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$list"
    else
        grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' >"${list%.sources}.list"
    fi
    apt-get update -qq
fi
echo "windows-qt: fetching the qt6-base $qt_version source" >&2
apt-get source -qq --download-only "qt6-base=$qt_version" >&2
dpkg-source -x --skip-patches qt6-base_*.dsc src >&2
# Debian's security fixes apply to Windows too; its packaging patches do not.
for patch in src/debian/patches/cve-*; do
    patch -d src -p1 --quiet <"$patch"
done

start=$SECONDS
mkdir build
cd build
echo "windows-qt: configuring" >&2
../src/configure -prefix "$prefix" -qt-host-path /usr "${configure_options[@]}" -- \
    -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -n 40 configure.log >&2; exit 1; }
echo "windows-qt: building (about 15 minutes on 2 cores)" >&2
cmake --build . --parallel "$(nproc)" >build.log 2>&1 || { tail -n 40 build.log >&2; exit 1; }
cmake --install . >install.log 2>&1 || { tail -n 40 install.log >&2; exit 1; }
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "windows-qt: built in $((SECONDS - start)) s; $(du -sh "$prefix" | cut -f1) in $prefix" >&2
echo "$prefix"
