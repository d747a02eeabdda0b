#!/usr/bin/env python3
"""Writes the program's language files from their readable UTF-8 sources.

Each source tools/language/<name>.txt holds one language text a line, 138 lines.
The result data/Language/<name> is UTF-16LE with a byte-order mark and CR LF line
ends, the form the program reads.
"""
import pathlib
import sys

TEXT_COUNT = 138
here = pathlib.Path(__file__).resolve().parent
target = here.parent.parent / "data" / "Language"


def build(source: pathlib.Path) -> None:
    lines = source.read_text(encoding="utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) != TEXT_COUNT:
        sys.exit(f"{source.name}: {len(lines)} lines, {TEXT_COUNT} expected")
    text = "\ufeff" + "\r\n".join(lines) + "\r\n"
    target.mkdir(parents=True, exist_ok=True)
    (target / source.stem).write_bytes(text.encode("utf-16-le"))


for source in sorted(here.glob("*.txt")):
    build(source)
