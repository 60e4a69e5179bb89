#!/usr/bin/env bash
# Installs what is missing, builds, and starts the utility. With no mouse
# attached it runs on the virtual mouse, so the whole utility can be tried.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$build"

args=()
if [ -x "$build/bin/mousecfgctl" ] && ! "$build/bin/mousecfgctl" devices >/dev/null 2>&1; then
    echo "No mouse found: starting on the virtual mouse."
    args+=(--virtual)
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting under a virtual X server."
    exec xvfb-run -a "$build/bin/mousecfg" "${args[@]}" "$@"
fi
exec "$build/bin/mousecfg" "${args[@]}" "$@"
