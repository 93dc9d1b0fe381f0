#!/usr/bin/env bash
# Builds Siltmere's Windows Installer package from a Windows build, with
# Debian's wixl (msitools) from packaging/windows/siltmere.wxs:
#   packaging/windows/msi.sh BUILD_DIR [OUT_DIR]
# It writes OUT_DIR/Siltmere-<version>-win64.msi (OUT_DIR is BUILD_DIR unless
# given) and prints its path on its last line. The folder it packs is the
# one the installer and the ZIP carry: what the install rules put under a
# prefix, stripped (`cmake --install --strip`). The version is the
# project's, as CMake wrote it into BUILD_DIR's CPack configuration, unless
#   SILTMERE_MSI_VERSION   names another (the MSI check's older package), and
#   SILTMERE_MSI_EXTRA     names a folder whose files are packed as well.
# With SILTMERE_SIGN_CERT and SILTMERE_SIGN_KEY (packaging/windows/sign.sh
# says how), siltmere.exe is signed by its install rule and the package once
# built, with the same certificate as the installer; unsigned otherwise.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
build="$(realpath "${1:?usage: packaging/windows/msi.sh BUILD_DIR [OUT_DIR]}")"
out="$(realpath -m "${2:-$build}")"

version="${SILTMERE_MSI_VERSION:-$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake" 2>/dev/null)}"
# Windows Installer compares major.minor.build, each a number.
if [[ ! "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    echo "msi: no version of the form major.minor.patch in $build/CPackConfig.cmake (got '$version')" >&2
    exit 1
fi

work="$(mktemp -d /tmp/siltmere-msi.XXXXXX)"
trap 'rm -rf "$work"' EXIT

echo "msi: installing $build into a staging folder" >&2
cmake --install "$build" --strip --prefix "$work/Siltmere" >"$work/install.log" 2>&1 ||
    { tail -n 30 "$work/install.log" >&2; exit 1; }
if [[ -n "${SILTMERE_MSI_EXTRA:-}" ]]; then
    cp -R "$SILTMERE_MSI_EXTRA"/. "$work/Siltmere/"
fi

# One component a file, under INSTALLDIR, each with Guid="*": a GUID that
# wixl derives from the file's path, so the same in every build.
# The folder's own files first, then each subfolder's.
(cd "$work" && { find Siltmere -maxdepth 1 -type f | LC_ALL=C sort
    find Siltmere -mindepth 2 -type f | LC_ALL=C sort; } |
    wixl-heat --var var.SourceDir -p Siltmere/ --directory-ref INSTALLDIR \
        --component-group SiltmereFiles --win64) >"$work/files.wxs"

mkdir -p "$out"
msi="$out/Siltmere-$version-win64.msi"
echo "msi: building $(basename "$msi") with wixl" >&2
# wixl finds files by paths relative to the folders of its sources.
cp "$here/../../assets/siltmere.ico" "$work/siltmere.ico"
(cd "$work" && wixl -a x64 -D Version="$version" -D SourceDir=Siltmere -D Win64=yes -D Icon=siltmere.ico \
    -o package.msi "$here/siltmere.wxs" files.wxs)
if [[ -n "${SILTMERE_SIGN_CERT:-}" && -n "${SILTMERE_SIGN_KEY:-}" ]]; then
    "$here/sign.sh" "$work/package.msi"
fi
mv -f "$work/package.msi" "$msi"
echo "$msi"
