#!/bin/bash
# The real-stack tests' side inside the test machine (see scripts/test-usb.sh):
# runs as root on the host's files, read-only, with /run and /tmp its own.
# Starts udev, the gadget server, then the tests; leaves their output and
# exit status in the results folder.
# Usage: guest.sh BUILD_DIR RESULTS_DIR
set -u
build=$1
results=$2
# udev's tools refuse to act inside a chroot unless told that it is meant.
export SYSTEMD_IGNORE_CHROOT=1 QT_QPA_PLATFORM=offscreen
stamp() { echo "guest: $* ($(cut -d' ' -f1 /proc/uptime) s after boot)"; }

stamp "started"
# A writable rules folder, so that a test can install the project's rule.
mkdir -p /run/rules.d
cp -a /etc/udev/rules.d/. /run/rules.d/ 2>/dev/null
rm -f /run/rules.d/70-mousecfg.rules
mount --bind /run/rules.d /etc/udev/rules.d
udevd=/usr/lib/systemd/systemd-udevd
[ -x "$udevd" ] || udevd=/lib/systemd/systemd-udevd
"$udevd" --daemon
udevadm trigger --action=add
udevadm settle --timeout=60
stamp "udev ready"

"$build/bin/mousecfg-gadget" serve --plugged receiver --other 1209:0009 >"$results/gadget.log" 2>&1 &
gadget=$!
for _ in $(seq 300); do
    grep -q 'mousecfg-gadget: ready' "$results/gadget.log" && break
    kill -0 "$gadget" 2>/dev/null || break
    sleep 0.1
done
if ! grep -q 'mousecfg-gadget: ready' "$results/gadget.log"; then
    cat "$results/gadget.log"
    echo 1 >"$results/status"
    exit 1
fi
udevadm settle --timeout=60
stamp "gadgets plugged"

timeout 1200 "$build/tests/tst_usbstack" 2>&1 | tee "$results/tests.txt"
echo "${PIPESTATUS[0]}" >"$results/status"
stamp "tests done"
"$build/bin/mousecfg-gadget" ctl quit >/dev/null
wait "$gadget"
