#!/usr/bin/env python3
"""Fills the Chinese translations of lang/*.ts from the tables in lang/texts/.

Run after `lupdate -no-obsolete -locations none src -ts lang/en.ts lang/sc.ts lang/tc.ts`:
every source text found in the table gets its translation; English keeps the
source text. Texts missing from the table stay unfinished and show in English.
"""
import html
import json
import re
import sys
from pathlib import Path

# The translations, one JSON file per area of the program (so that work on
# different areas never edits the same file): {"source": ["simplified", "traditional"]}.
def load_table(folder: Path) -> dict:
    table = {}
    for path in sorted(folder.glob("*.json")):
        for source, texts in json.loads(path.read_text(encoding="utf-8")).items():
            table[source] = tuple(texts)
    return table


TABLE = load_table(Path(__file__).resolve().parent / "texts")

MESSAGE = re.compile(r"(<source>(.*?)</source>\s*)<translation[^>]*?(?:/>|>.*?</translation>)", re.S)


def fill(path: Path, column: int) -> list:
    missing = []

    def replace(match):
        source = html.unescape(match.group(2))
        if column < 0:
            text = source
        elif source in TABLE:
            text = TABLE[source][column]
        else:
            missing.append(source)
            return match.group(1) + '<translation type="unfinished"></translation>'
        return match.group(1) + "<translation>" + html.escape(text, quote=False) + "</translation>"

    path.write_text(MESSAGE.sub(replace, path.read_text(encoding="utf-8")), encoding="utf-8")
    return missing


def main() -> int:
    here = Path(__file__).resolve().parent
    fill(here / "en.ts", -1)
    missing = fill(here / "sc.ts", 0) + fill(here / "tc.ts", 1)
    for text in sorted(set(missing)):
        print("untranslated:", text, file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
