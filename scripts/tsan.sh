#!/usr/bin/env bash
# Builds the test programs that run threads (status poll, process worker,
# hot-plug racing a download, the transfer and the virtual mouse under
# concurrent use) with the thread sanitizer and runs them. Reports in Qt's
# own libraries are suppressed as .ci/tsan.supp explains.
# Usage: tsan.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-tsan}
areas=(threads hotplug transport sim devicetable)

targets=()
for area in "${areas[@]}"; do
    [ -d "$here/tests/$area" ] && targets+=("tst_$area")
done
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOUSECFG_SANITIZE=thread \
    -DMOUSECFG_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
# Qt is not built with the sanitizer: accesses inside its libraries are not
# checked (see .ci/tsan.supp).
export TSAN_OPTIONS="suppressions=$here/.ci/tsan.supp:ignore_noninstrumented_modules=1:halt_on_error=1:second_deadlock_stack=1"
cd "$build"
regex=$(IFS='|'; echo "^(${targets[*]})\$")
ctest --output-on-failure -j"$(nproc)" -R "$regex"
