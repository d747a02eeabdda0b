#!/usr/bin/env python3
"""Writes the vendor's programme guide, server/guide.xml.gz: a week of programmes, from
yesterday on, for the TV channels of the catalogue and the demo channels, in XMLTV with
this machine's UTC offset. scripts/demo.sh runs it before serving the site, so the demo's
guide always covers today."""
import datetime
import gzip
import pathlib
import random
import re
from xml.sax.saxutils import escape, quoteattr

here = pathlib.Path(__file__).resolve().parent
top = here.parent.parent

SLOTS = {
    "News": [("Morning Headlines", "The night's news and the day ahead, with weather and traffic.", 60),
             ("World Report", "Correspondents from four continents on the stories that matter today.", 30),
             ("Business Today", "Markets, companies and the economy, explained.", 30),
             ("Evening News", "The day's main stories, in depth.", 60),
             ("Newsnight", "Interviews and analysis of the day's politics.", 45)],
    "Sports": [("Match Day Live", "Live coverage of the day's league fixtures.", 120),
               ("Sports Desk", "Results, highlights and the talking points.", 30),
               ("Classic Games", "A celebrated match replayed in full.", 90)],
    "Documentary": [("Wild Coasts", "The animals of the world's shorelines through a year.", 60),
                    ("Engineering Giants", "How the largest structures of our time were built.", 60),
                    ("History Uncovered", "Archaeologists reopen a famous site.", 45)],
    "Entertainment": [("The Quiz Hour", "Four contestants, five rounds, one champion.", 60),
                      ("Kitchen Stories", "A chef cooks a family recipe from a viewer's letter.", 30),
                      ("Late Show", "Guests, music and comedy.", 60),
                      ("Film: The Long Road", "A drama of two brothers crossing a continent.", 120)],
}
DEMO = [("Vidorra Test Card", "Entertainment"), ("Vidorra Tone Radio", "Entertainment")]


def catalogue_channels():
    text = (top / "tools" / "catalogue" / "catalogue.m3u").read_text(encoding="utf-8")
    channels = []
    for line in text.splitlines():
        if line.startswith("#EXTINF") and 'vidorra-kind="tv"' in line:
            group = re.search(r'group-title="([^"]*)"', line)
            channels.append((line.rsplit(",", 1)[1].strip(), group.group(1) if group else "Entertainment"))
    return channels


def guide(now: datetime.datetime) -> str:
    rng = random.Random(now.strftime("%Y%m%d"))
    offset = now.strftime("%z") or "+0000"
    start_day = (now - datetime.timedelta(days=1)).replace(hour=0, minute=0, second=0, microsecond=0)
    out = ['<?xml version="1.0" encoding="UTF-8"?>', '<tv generator-info-name="vidorra-site">']
    channels = DEMO + catalogue_channels()
    for number, (name, _) in enumerate(channels):
        out.append(f'  <channel id="ch{number}.vidorra.example"><display-name lang="en">{escape(name)}'
                   f'</display-name></channel>')
    for number, (name, group) in enumerate(channels):
        slots = SLOTS.get(group, SLOTS["Entertainment"])
        at = start_day
        while at < start_day + datetime.timedelta(days=8):
            title, desc, minutes = rng.choice(slots)
            stop = at + datetime.timedelta(minutes=minutes)
            episode = rng.randint(1, 24)
            out.append(f'  <programme start="{at:%Y%m%d%H%M%S} {offset}" stop="{stop:%Y%m%d%H%M%S} {offset}" '
                       f'channel="ch{number}.vidorra.example"><title lang="en">{escape(title)}</title>'
                       f'<sub-title lang="en">Episode {episode}</sub-title><desc lang="en">{escape(desc)}</desc>'
                       f'<category lang="en">{escape(group)}</category></programme>')
            at = stop
    out.append("</tv>")
    return "\n".join(out) + "\n"


def main() -> None:
    now = datetime.datetime.now().astimezone()
    data = gzip.compress(guide(now).encode("utf-8"), mtime=0)
    (top / "server" / "guide.xml.gz").write_bytes(data)


main()
