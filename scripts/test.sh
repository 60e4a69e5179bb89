#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
# Usage: test.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" "$build" "$@"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cd "$build"
ctest --output-on-failure -j"$(nproc)"
