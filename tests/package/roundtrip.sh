#!/usr/bin/env bash
# By hand, as root (CI does not run it): the package installed from a file with apt, used and
# removed again on a clean Debian 12 that has none of the build's packages. Makes ROOTFS with
# debootstrap when it is not there yet (keep it outside the checkout; it is reused next time),
# then runs in-chroot.sh inside it on a copy of the package.
#   tests/package/roundtrip.sh build-package/quorvale-editor_*.deb ROOTFS
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 PACKAGE.deb ROOTFS" >&2; exit 64; }
deb=$(realpath "$1")
rootfs=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ ! -f "$rootfs/etc/debian_version" ]; then
  debootstrap --variant=minbase bookworm "$rootfs" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$rootfs/etc/resolv.conf"
mount -t proc proc "$rootfs/proc"
trap 'umount "$rootfs/proc"' EXIT
mkdir -p "$rootfs/root/roundtrip"
cp "$deb" "$here/in-chroot.sh" "$rootfs/root/roundtrip/"
chroot "$rootfs" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  HOME=/root LANG=C.UTF-8 bash /root/roundtrip/in-chroot.sh "/root/roundtrip/${deb##*/}"
