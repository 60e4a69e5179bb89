#!/usr/bin/env bash
# Collects every tr() text of the sources into lang/*.ts and fills the
# Chinese translations from lang/texts/*.json. Prints the texts that have no
# translation yet.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
lupdate=$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)
"$lupdate" -no-obsolete -locations none src -ts lang/en.ts lang/sc.ts lang/tc.ts >/dev/null
python3 lang/translate.py
