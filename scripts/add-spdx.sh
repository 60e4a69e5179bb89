#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence identifier on the first line of every C++ source and
# header under src/, tests/, bench/ and fuzz/ that lacks it. Running it again
# changes nothing. With --check it changes nothing and fails, naming the
# files, when one lacks it.
# Usage: add-spdx.sh [--check]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
header='// SPDX-License-Identifier: GPL-3.0-or-later'
check=${1:-}

missing=()
while IFS= read -r -d '' f; do
    grep -qxF "$header" <(head -n 3 "$f") || missing+=("$f")
done < <(find src tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | sort -z)

if [ "$check" = "--check" ]; then
    [ ${#missing[@]} -eq 0 ] && { echo "add-spdx: every source file carries the licence identifier"; exit 0; }
    printf 'add-spdx: no licence identifier in %s\n' "${missing[@]}" >&2
    echo "add-spdx: run scripts/add-spdx.sh to add it" >&2
    exit 1
fi
for f in "${missing[@]}"; do
    { echo "$header"; cat "$f"; } >"$f.spdx" && mv "$f.spdx" "$f"
done
echo "add-spdx: added the licence identifier to ${#missing[@]} files"
