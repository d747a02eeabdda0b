#!/usr/bin/env python3
"""Writes the vendor's web site in server/ from readable sources.

- battc.dll: tools/site/announcements.txt (one announcement a line; an address or markup),
  with the count as its first line, scrambled with the announcement key.
- dot.dll: the manifest; each stamp changes when its file's content changes.
- 1.txt (the banner's probe), a.html (a sample announcement), Ann.gif.
- help/*.htm: the manual of each language, from tools/site/help/*.txt.
The three lists are written by the list tool (see server/README.md).
"""
import hashlib
import html
import pathlib
import re
import shutil

KEY = b"OrvesaKt"
VERSION = "1.0.0"
here = pathlib.Path(__file__).resolve().parent
top = here.parent.parent
site = top / "server"

HELP_LANGUAGES = ["en", "ge", "fr", "es", "it", "po", "du", "gr", "ru", "ar"]
HELP_MIN_TEXT = 1500  # characters of text a help page has at least


def scrambled(text: str) -> bytes:
    data = text.encode("utf-8")
    return bytes(b ^ KEY[i % len(KEY)] for i, b in enumerate(data))


def stamp(prefix: str, data: bytes) -> str:
    return f"{prefix}-{hashlib.sha256(data).hexdigest()[:12]}"


def help_sections(body: list[str]) -> str:
    """The manual's source: "# Heading {#id}" lines, paragraphs, and "- " list items."""
    out, items = [], []

    def close_list():
        if items:
            out.append("<ul>\n" + "\n".join(f"<li>{i}</li>" for i in items) + "\n</ul>")
            items.clear()

    for line in body:
        line = line.strip()
        if not line:
            close_list()
        elif line.startswith("# "):
            close_list()
            heading = line[2:]
            anchor = re.search(r"\s*\{#([a-z-]+)\}$", heading)
            if anchor:
                heading = heading[:anchor.start()]
            ident = f' id="{anchor.group(1)}"' if anchor else ""
            out.append(f"<h2{ident}>{html.escape(heading)}</h2>")
        elif line.startswith("- "):
            items.append(html.escape(line[2:]))
        else:
            close_list()
            out.append(f"<p>{html.escape(line)}</p>")
    close_list()
    return "\n".join(out)


def help_page(code: str) -> str:
    title, direction, *body = (here / "help" / f"{code}.txt").read_text(encoding="utf-8").splitlines()
    page = (f"<!DOCTYPE html>\n<html lang=\"{code}\" dir=\"{direction}\">\n<head><meta charset=\"utf-8\">"
            f"<title>{html.escape(title)}</title>\n<style>body{{font:15px sans-serif;max-width:44em;margin:2em auto;"
            f"line-height:1.5;padding:0 1em}}h1{{color:#1b2a44}}h2{{color:#2b6cc4;font-size:1.1em;margin-top:1.6em}}"
            f"li{{margin:.3em 0}}</style></head>\n<body>\n<h1>{html.escape(title)}</h1>\n{help_sections(body)}\n"
            f"</body>\n</html>\n")
    text = re.sub(r"<[^>]+>", "", page[page.index("<body>"):])
    if len(html.unescape(text).strip()) < HELP_MIN_TEXT:
        raise SystemExit(f"help page {code} is too short")
    return page


def main() -> None:
    lines = (here / "announcements.txt").read_text(encoding="utf-8").splitlines()
    battc = scrambled(str(len(lines)) + "\r\n" + "\r\n".join(lines) + "\r\n")
    (site / "battc.dll").write_bytes(battc)
    stamps = [stamp("announcements", battc)]
    for prefix, name in (("tv", "avtapit.dll"), ("radio", "atlr.dll"), ("store", "apcupm.dll")):
        stamps.append(stamp(prefix, (site / name).read_bytes()))
    (site / "dot.dll").write_bytes(("\r\n".join(stamps + [VERSION]) + "\r\n").encode())
    (site / "1.txt").write_text("online\n")
    (site / "a.html").write_text(lines[2] + "\n", encoding="utf-8")
    shutil.copyfile(top / "data" / "Ann.gif", site / "Ann.gif")
    (site / "help").mkdir(exist_ok=True)
    for code in HELP_LANGUAGES:
        (site / "help" / f"{code}.htm").write_text(help_page(code), encoding="utf-8")


main()
