#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, address and undefined-behaviour
# sanitizers) and runs each for SECONDS on a copy of its seeds in
# fuzz/corpus/<target>/. Prints executions and findings per target; exits 1
# when any target found a crash, a leak, undefined behaviour or a hang that is
# not listed in fuzz/known-findings.tsv. Findings (the inputs that cause them)
# are kept in BUILD_DIR/findings/.
# Usage: fuzz.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
build=${2:-$here/build-fuzz}

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOUSECFG_FUZZ=ON \
    -DMOUSECFG_BUILD_TESTS=OFF -DMOUSECFG_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target mousecfg_fuzz -j"$(nproc)" >/dev/null

# Leaks are looked for once, when a target ends, not after every input (which
# would cost most of the time); a small quarantine and no fill of fresh memory
# keep the allocator from dominating readers that allocate a lot.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:quarantine_size_mb=8:max_malloc_fill_size=0:malloc_context_size=8
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$build/findings"
mkdir -p "$build/findings"

# The name of the known finding (fuzz/known-findings.tsv: name, and two
# expressions that must both match the finding's log), or nothing.
known_as() {
    local log=$1 name first second
    while IFS=$'\t' read -r name first second; do
        [[ -z "$name" || "$name" == \#* ]] && continue
        if grep -qE -- "$first" "$log" && grep -qE -- "$second" "$log"; then
            echo "$name"
            return
        fi
    done <"$here/fuzz/known-findings.tsv"
}

status=0
printf '%-14s %12s %10s %9s %s\n' target executions per-second findings known
for binary in "$build"/fuzz-targets/fuzz_*; do
    target=${binary##*/fuzz_}
    corpus=$work/corpus/$target
    mkdir -p "$corpus" "$build/findings/$target"
    cp "$here/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
    log=$build/findings/$target.log
    # A hang of 10 s on one input counts as a finding, and so does a run past
    # 512 MB. Inputs reach 1 MB: enough to cross every limit of the readers
    # (line, key and section lengths, key count).
    if "$binary" -max_total_time="$seconds" -timeout=10 -max_len=1048576 -rss_limit_mb=512 -detect_leaks=0 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$target/" "$corpus" >"$log" 2>&1; then
        result=0
    else
        result=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n1)
    findings=$(find "$build/findings/$target" -type f | wc -l)
    [ "$result" -ne 0 ] && [ "$findings" -eq 0 ] && findings=1
    known=
    for artifact in "$build/findings/$target"/*; do
        [ -f "$artifact" ] || continue
        # Once more with whole stacks, to tell the finding by where it lies.
        ASAN_OPTIONS=fast_unwind_on_malloc=0:malloc_context_size=30 "$binary" "$artifact" >>"$log" 2>&1 || true
        known=$(known_as "$log")
    done
    printf '%-14s %12s %10s %9s %s\n' "$target" "${executions:-0}" "${rate:-0}" "$findings" "$known"
    if [ "$findings" -ne 0 ]; then
        grep -E 'ERROR|runtime error|SUMMARY' "$log" | head -n 5 >&2 || true
        [ -n "$known" ] || status=1
    fi
done
exit $status
