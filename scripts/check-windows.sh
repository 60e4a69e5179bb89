#!/usr/bin/env bash
# Compiles every Windows-only source with the MinGW-w64 cross compiler
# (syntax and type check against the Windows headers; the Qt headers are the
# Linux ones, with Qt 5 and with Qt 6). Windows-only: everything under
# src/platform/windows/ and any other source that includes <windows.h>.
# Usage: check-windows.sh   (needs Debian's g++-mingw-w64-x86-64)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
cxx=x86_64-w64-mingw32-g++-posix
command -v "$cxx" >/dev/null || { echo "check-windows: $cxx is missing (g++-mingw-w64-x86-64)" >&2; exit 1; }

mapfile -t files < <({ find src/platform/windows -name '*.cpp'; grep -rl --include='*.cpp' '<windows.h>' src; } | sort -u)
[ ${#files[@]} -gt 0 ] || { echo "check-windows: no Windows sources found" >&2; exit 1; }

qt_flags() {
    local root=/usr/include/x86_64-linux-gnu/$1
    [ -d "$root" ] || return 1
    echo "-isystem $root -isystem $root/QtCore -isystem $root/QtGui"
}

failed=0
for qt in qt5 qt6; do
    flags=$(qt_flags "$qt") || continue
    for f in "${files[@]}"; do
        # shellcheck disable=SC2086
        if ! "$cxx" -std=c++17 -fsyntax-only -Wall -Wextra -DUNICODE -D_UNICODE -Isrc $flags "$f"; then
            echo "check-windows: $f does not compile with $qt headers" >&2
            failed=1
        fi
    done
done
[ $failed -eq 0 ] && echo "check-windows: ${#files[@]} Windows sources compile"
exit $failed
