#!/usr/bin/env python3
"""The vendor site's help pages: one per language, each a manual of at least 1,500
characters of text with a troubleshooting section, laid out in its language's direction."""
import html
import pathlib
import re
import sys

site = pathlib.Path(sys.argv[1])
expected = {"en": "ltr", "ge": "ltr", "fr": "ltr", "es": "ltr", "it": "ltr", "po": "ltr",
            "du": "ltr", "gr": "ltr", "ru": "ltr", "ar": "rtl"}
# Each manual names these, whatever its language.
named_everywhere = ["M3U", "http_proxy", "systemd-logind", "vidorra", "Check Channels", "PipeWire"]
failures = []
for code, direction in expected.items():
    page = (site / "help" / f"{code}.htm").read_text(encoding="utf-8")
    if f'<html lang="{code}" dir="{direction}">' not in page:
        failures.append(f"{code}: not marked as {code}, {direction}")
    text = html.unescape(re.sub(r"<[^>]+>", "", page[page.index("<body>"):])).strip()
    if len(text) < 1500:
        failures.append(f"{code}: {len(text)} characters of text")
    if '<h2 id="troubleshooting">' not in page:
        failures.append(f"{code}: no troubleshooting section")
    if page.count("<h2") < 12:
        failures.append(f"{code}: only {page.count('<h2')} sections")
    for word in named_everywhere:
        if word not in text:
            failures.append(f"{code}: does not mention {word}")
    if re.search(r"&(?![a-z]+;|#\d+;|#x[0-9a-f]+;)", page):
        failures.append(f"{code}: a raw ampersand")
print("\n".join(failures) or f"{len(expected)} help pages checked")
sys.exit(1 if failures else 0)
