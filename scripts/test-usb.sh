#!/usr/bin/env bash
# Runs the real-stack tests: the virtual mouse presented as USB devices by
# mousecfg-gadget, seen by the programs of BUILD_DIR through the kernel's own
# USB, HID and hidraw drivers and udev, in a virtual machine. The machine runs
# a stock Debian kernel (fetched once into a cache, never installed) on this
# system's own files, mounted read-only, so nothing is built for it.
# Usage: test-usb.sh BUILD_DIR
# Environment: MOUSECFG_USB_CACHE (cache folder), MOUSECFG_USB_ACCEL (tcg or
# kvm; kvm guests hang at boot on some hosts), MOUSECFG_USB_TIMEOUT (seconds).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 1 ] || { echo "usage: test-usb.sh BUILD_DIR" >&2; exit 64; }
build=$(cd "$1" && pwd)
cache=${MOUSECFG_USB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mousecfg/usb-vm}
accel=${MOUSECFG_USB_ACCEL:-tcg}
timeout_s=${MOUSECFG_USB_TIMEOUT:-1800}
started=$(date +%s)

for program in mousecfgctl mousecfg mousecfg-gadget; do
    [ -x "$build/bin/$program" ] || { echo "test-usb: $build/bin/$program is missing; build first" >&2; exit 66; }
done
[ -x "$build/tests/tst_usbstack" ] || { echo "test-usb: $build/tests/tst_usbstack is missing" >&2; exit 66; }

# What the machine needs from this system: QEMU, a static shell for the
# first steps, udev (the guest runs this system's udev) and setpriv.
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "test-usb: run as root or install sudo" >&2; exit 1; }
        as_root=(sudo)
    fi
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
install_missing qemu-system-x86 busybox-static udev util-linux

# The kernel: the package that linux-image-amd64 points at, unpacked.
kernel_package=$(apt-cache depends linux-image-amd64 2>/dev/null | awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
if [ -z "$kernel_package" ]; then
    apt-get update -qq >/dev/null 2>&1 || true
    kernel_package=$(apt-cache depends linux-image-amd64 | awk '/Depends: linux-image-[0-9]/ {print $2; exit}')
fi
kernel_dir=$cache/$kernel_package
if [ ! -f "$kernel_dir/.unpacked" ]; then
    echo "test-usb: fetching $kernel_package into $cache"
    rm -rf "$kernel_dir" && mkdir -p "$kernel_dir"
    (cd "$kernel_dir" && apt-get download "$kernel_package" 2>&1 | grep -v '^W: Download is performed unsandboxed' || true)
    dpkg -x "$kernel_dir"/*.deb "$kernel_dir/root"
    rm -f "$kernel_dir"/*.deb
    touch "$kernel_dir/.unpacked"
fi
vmlinuz=$(ls "$kernel_dir"/root/boot/vmlinuz-* | head -1)
modules=$(ls -d "$kernel_dir"/root/lib/modules/* | head -1)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/initramfs"/{bin,dev,proc,sys,host,modules} "$work/results"

# The modules the guest loads, in dependency order: the virtio 9p file
# system for the shares, then USB with two dummy controllers, the gadget HID
# and loopback
# function, and the host side's HID drivers.
order="virtio_ring virtio virtio_pci_legacy_dev virtio_pci_modern_dev virtio_pci 9pnet 9pnet_virtio
netfs fscache 9p configfs hid usb-common usbcore udc-core dummy_hcd libcomposite usb_f_hid usb_f_ss_lb usbhid
hid-generic uhid"
for module in $order; do
    file=$(find "$modules/kernel" -name "$module.ko*" | head -1)
    [ -n "$file" ] || { echo "test-usb: module $module not in $kernel_package" >&2; exit 1; }
    case $file in
    *.xz) xz -dc "$file" >"$work/initramfs/modules/$module.ko" ;;
    *.zst) zstd -qdc "$file" >"$work/initramfs/modules/$module.ko" ;;
    *) cp "$file" "$work/initramfs/modules/$module.ko" ;;
    esac
    echo "$module" >>"$work/initramfs/modules/order"
done
cp /bin/busybox "$work/initramfs/bin/busybox"
cat >"$work/initramfs/init" <<'EOF'
#!/bin/busybox sh
/bin/busybox --install -s /bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
for module in $(cat /modules/order); do
    args=
    # Two controllers: the receiver and the cable.
    [ "$module" = dummy_hcd ] && args="num=2"
    insmod /modules/$module.ko $args || echo "init: insmod $module failed"
done
mount -t 9p -o trans=virtio,version=9p2000.L,msize=512000,cache=loose,ro host /host
# /run is the guest's own; /tmp stays the host's (read-only, a build may
# live there) and the guest's programs write below /run instead.
mount -t tmpfs tmpfs /host/run
mkdir -p -m 1777 /host/run/tmp
mkdir -p -m 0700 /host/run/home /host/run/user
mount -t proc proc /host/proc
mount -t sysfs sys /host/sys
mount -t devtmpfs dev /host/dev
mkdir -p /host/dev/pts /host/dev/shm /host/run/results
mount -t devpts devpts /host/dev/pts
mount -t tmpfs tmpfs /host/dev/shm
mount -t configfs configfs /host/sys/kernel/config
mount -t 9p -o trans=virtio,version=9p2000.L results /host/run/results
. /host/run/results/guest.env
chroot /host /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/run/home TMPDIR=/run/tmp \
    XDG_RUNTIME_DIR=/run/user LANG=C.UTF-8 \
    /bin/bash "$GUEST_SCRIPT" "$GUEST_BUILD" /run/results
echo "init: guest script ended with $?"
sync
poweroff -f
EOF
chmod +x "$work/initramfs/init"
(cd "$work/initramfs" && find . | busybox cpio -o -H newc 2>/dev/null | gzip -1 >"$work/initramfs.cpio.gz")

cat >"$work/results/guest.env" <<EOF
GUEST_SCRIPT=$here/tests/usbstack/guest.sh
GUEST_BUILD=$build
EOF

echo "test-usb: booting $kernel_package (accelerator $accel)"
qemu_status=0
timeout "$timeout_s" qemu-system-x86_64 -accel "$accel" -cpu max -smp 2 -m 2048 -nographic -no-reboot \
    -nic none -kernel "$vmlinuz" -initrd "$work/initramfs.cpio.gz" \
    -append "console=ttyS0 panic=-1 quiet loglevel=3" \
    -virtfs local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap \
    -virtfs local,path="$work/results",mount_tag=results,security_model=none,multidevs=remap \
    </dev/null || qemu_status=$?

elapsed=$(($(date +%s) - started))
if [ ! -f "$work/results/status" ]; then
    echo "test-usb: the machine ended (status $qemu_status) before the tests did, after ${elapsed} s" >&2
    exit 1
fi
passed=0
failed=0
echo "== real USB stack: results =="
if [ -f "$work/results/tests.txt" ]; then
    while IFS= read -r line; do
        case $line in
        PASS*) passed=$((passed + 1)); echo "PASS ${line#PASS   : }" ;;
        FAIL!*) failed=$((failed + 1)); echo "FAIL ${line#FAIL!  : }" ;;
        esac
    done <"$work/results/tests.txt"
fi
status=$(cat "$work/results/status")
if [ "$status" != 0 ] && [ "$failed" -eq 0 ]; then
    failed=1
    echo "FAIL the test program ended with status $status"
    sed -n '1,200p' "$work/results/gadget.log" 2>/dev/null
fi
echo "test-usb: whole run took ${elapsed} s"
echo "usb: $passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
