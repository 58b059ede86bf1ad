#!/usr/bin/env bash
# Runs the concurrent-writer and killed-writer figures of the archives over real network shares:
# SMB 3, NFSv3 and NFSv4.2, each mounted twice (two "workstations") on one file. This machine's
# kernel has no SMB or NFS client, so the test runs in Debian's own kernel under qemu (software
# emulation is enough). The guest sees this machine's root file system read-only over 9p, and
# runs the Samba and NFS servers and clients installed here. About 20 minutes.
#
# Environment: NETSHARE_WORK (scratch folder, default /var/tmp/quadrivo-netshares; not under /tmp,
# which the guest covers with its own), NETSHARE_WRITERS
# (per run, split over the two mounts, default 8), NETSHARE_OPS (appends or stock updates per
# writer, default 500), NETSHARE_ROUNDS (kill rounds, two writers killed each, default 75),
# NETSHARE_FS (default "smb3 nfs3 nfs4.2"; also smb3-closetimeo0 and smb3-cachenone, SMB mounted
# without deferred close or without client caching), NETSHARE_MEMORY (MiB, default 2048), NETSHARE_DEADLINE
# (the writers' lock deadline in ms, default 60000: emulation is slow), NETSHARE_PARTS (default
# "appends stock kills": which of the three figures to run).
# Results: printed, and kept in $NETSHARE_WORK/results/results.txt.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=${NETSHARE_WORK:-/var/tmp/quadrivo-netshares}
mkdir -p "$work/results"
rm -f "$work/results/"*

sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo

# Host packages: the emulator, a static shell for the first boot stage, and the servers and clients
# the guest runs from this root file system.
need=(qemu-system-x86 busybox-static kmod cpio samba nfs-kernel-server nfs-common rpcbind cifs-utils)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
  # The servers are started inside the guest only; their package scripts may fail to start them here.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || true
  for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
      { echo "could not install $p" >&2; exit 1; }
  done
fi

# Debian's kernel, unpacked into the scratch folder (nothing is installed into /boot).
if [ ! -f "$work/kernel/.ready" ]; then
  kpkg=$(apt-cache depends linux-image-amd64 | awk '/Depends: linux-image-/ {print $2; exit}')
  rm -rf "$work/kernel" "$work"/linux-image-*.deb
  (cd "$work" && apt-get download "$kpkg")
  dpkg-deb -x "$work"/linux-image-*.deb "$work/kernel"
  kver=$(ls "$work/kernel/lib/modules")
  depmod -b "$work/kernel" "$kver"
  touch "$work/kernel/.ready"
fi
kver=$(ls "$work/kernel/lib/modules")
vmlinuz="$work/kernel/boot/vmlinuz-$kver"

# The helper program that plays the writers.
build=${NETSHARE_BUILD:-$root/build-netshares}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target archive_helper
helper="$build/tests/reliability/archive_helper"

# First boot stage: load the 9p modules, mount this machine's root and continue in guest.sh there.
init="$work/initramfs"
rm -rf "$init"
mkdir -p "$init"/{bin,proc,sys,dev,host,modules}
cp /bin/busybox "$init/bin/busybox"
modules=()
while read -r kind path _; do
  [ "$kind" = insmod ] || continue
  cp "$path" "$init/modules/"
  modules+=("$(basename "$path")")
done < <(for m in virtio_pci 9pnet_virtio 9p; do
  modprobe -d "$work/kernel" -S "$kver" --show-depends "$m"
done)
{
  echo '#!/bin/busybox sh'
  echo '/bin/busybox --install -s /bin'
  echo 'mount -t proc proc /proc; mount -t sysfs sys /sys; mount -t devtmpfs dev /dev'
  for m in "${modules[@]}"; do echo "insmod /modules/$m 2>/dev/null"; done
  echo 'mount -t 9p -o trans=virtio,version=9p2000.L,ro,msize=512000 hostroot /host || { echo "no host root"; poweroff -f; }'
  echo 'for d in proc sys dev; do mount --move /$d /host/$d; done'
  echo "exec chroot /host /bin/bash '$here/guest.sh'"
} > "$init/init"
chmod +x "$init/init"
(cd "$init" && find . | cpio -o -H newc --quiet | gzip -1) > "$work/initramfs.cpio.gz"

# The guest reads its settings from the kernel command line.
cmdline="console=ttyS0 panic=-1 quiet netshare.kver=$kver netshare.kernel=$work/kernel"
cmdline+=" netshare.helper=$helper netshare.writers=${NETSHARE_WRITERS:-8} netshare.ops=${NETSHARE_OPS:-500}"
cmdline+=" netshare.deadline=${NETSHARE_DEADLINE:-60000} netshare.rounds=${NETSHARE_ROUNDS:-75} netshare.fs=$(echo "${NETSHARE_FS:-smb3 nfs3 nfs4.2}" | tr ' ' ,)"
cmdline+=" netshare.parts=$(echo "${NETSHARE_PARTS:-appends stock kills}" | tr ' ' ,)"

echo "booting $kver under qemu (software emulation); this takes a while"
start=$(date +%s)
qemu-system-x86_64 -machine q35 -accel tcg,thread=multi -cpu max -smp 2 -m "${NETSHARE_MEMORY:-2048}" \
  -nographic -no-reboot -nic none \
  -kernel "$vmlinuz" -initrd "$work/initramfs.cpio.gz" -append "$cmdline" \
  -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
  -virtfs local,path="$work/results",mount_tag=results,security_model=none \
  | tee "$work/console.log"
echo "qemu ran $(( $(date +%s) - start )) s"

[ -f "$work/results/results.txt" ] || { echo "the guest left no results" >&2; exit 1; }
echo
cat "$work/results/results.txt"
grep -q '^RESULT FAIL' "$work/results/results.txt" && exit 1
grep -q '^RESULT PASS' "$work/results/results.txt"
