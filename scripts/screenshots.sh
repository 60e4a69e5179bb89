#!/usr/bin/env bash
# Renders the main window on the virtual mouse, offscreen, at scale 1.0 and
# 2.0 into docs/screenshots/ (one picture per tab, one per Chinese
# language). Shots are listed in bench/window/screenshots.cpp; add a row there
# for a new one. Usage: scripts/screenshots.sh [build-dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}
cmake -S "$here" -B "$build" -DMOUSECFG_BUILD_TESTS=ON -DMOUSECFG_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target bench_screenshots
out=$here/docs/screenshots
mkdir -p "$out"
for scale in 1 2; do
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.debug=false" \
        "$build/bench/bench_screenshots" "$out" --scale "$scale"
done
# The busy dialog, each message box kind (the quit question among them) and
# the on-screen display: the look tests save what they check.
cmake --build "$build" -j"$(nproc)" --target tst_profileops
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="*.debug=false" MOUSECFG_SHOTS_DIR="$out" \
    "$build/tests/tst_profileops" >/dev/null
