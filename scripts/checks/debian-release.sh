#!/usr/bin/env bash
# Runs a README quick-start command in a pristine Debian root of the given
# release, as a fresh machine of that release has it (debootstrap's minbase,
# as root, no display), from a clean clone of this checkout's HEAD:
#   scripts/checks/debian-release.sh RELEASE [COMMAND]
# RELEASE is a Debian suite such as bookworm (12) or trixie (13); COMMAND
# defaults to the quick start's test command, "bash scripts/test.sh". The
# base root is made once per release and cached outside the checkout, in
# ${SILTMERE_CACHE:-~/.cache/siltmere}; each run unpacks a fresh copy of it,
# with the packages earlier runs downloaded at hand.
set -euo pipefail
cd "$(dirname "$0")/../.."

release="${1:?usage: scripts/checks/debian-release.sh RELEASE [COMMAND]}"
command="${2:-bash scripts/test.sh}"
mirror="${SILTMERE_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
[[ $(id -u) -eq 0 ]] || { echo "debian-release: run as root (debootstrap and chroot need it)" >&2; exit 1; }

scripts/lib/install-deps.sh debootstrap
cache="${SILTMERE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/siltmere}"
base="$cache/debian-$release-minbase.tar"
if [[ ! -f $base ]]; then
    echo "debian-release: making a minbase root of $release (once)"
    made="$(mktemp -d)"
    debootstrap --variant=minbase "$release" "$made" "$mirror" >"$made.log" 2>&1 ||
        { tail -n 20 "$made.log" >&2; exit 1; }
    mkdir -p "$cache"
    tar -C "$made" -cf "$base.new" .
    mv "$base.new" "$base"
    rm -rf "$made" "$made.log"
fi

root="$(mktemp -d "/tmp/siltmere-$release.XXXXXX")"
cleanup() {
    for mount in var/cache/apt/archives dev/pts dev proc sys; do
        umount -l "$root/$mount" 2>/dev/null || true
    done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$base"
# A root directory as Debian's own, after the unpacking, which gives it the
# mode of the folder debootstrap filled: mktemp's 0700, which keeps every
# user but root out of the whole tree (CUPS's filters run as lp).
chmod 755 "$root"
# The packages the command installs are kept between runs, beside the base
# root: a run downloads only what is new since the last one.
archives="$cache/debian-$release-archives"
mkdir -p "$archives/partial"
git clone -q . "$root/siltmere"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind "$archives" "$root/var/cache/apt/archives"

echo "debian-release: $(cat "$root/etc/debian_version") ($release): $command"
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    CI=true bash -c "cd /siltmere && $command"
echo "debian-release: passed on $release"
