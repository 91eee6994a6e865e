#!/usr/bin/env python3
"""Writes the help topics that list every tile picture by name, one topic per
picture category, from the picture catalogue media/catalogue/pictures.tsv and
the category captions of settings/OptionCatalogue.h.

Run from anywhere:  python3 tools/make_picture_help.py
The topics are written to Help/html/pics_<category>.htm; the contents and
index files refer to them by those names. Run it again whenever a picture's
name changes, and commit the result."""

import html
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
CATALOGUE = ROOT / "media" / "catalogue" / "pictures.tsv"
OPTIONS = ROOT / "settings" / "OptionCatalogue.h"
OUT = ROOT / "Help" / "html"


def categories():
    """(prefix, caption) in the order of the Images tab."""
    text = OPTIONS.read_text(encoding="utf-8")
    block = re.search(r"ImageCategories\{\{(.*?)\}\};", text, re.S)
    if not block:
        sys.exit("ImageCategories not found in " + str(OPTIONS))
    found = re.findall(r'\{"([A-Z]+)",\s*(?:QT_TRANSLATE_NOOP\("\w+",\s*)?"([^"]+)"\)?\}', block.group(1))
    if len(found) != 17:
        sys.exit("expected 17 picture categories, found %d" % len(found))
    return found


def pictures():
    """prefix -> {number: name}"""
    names = {}
    for line in CATALOGUE.read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        prefix, number, name = fields[0], int(fields[1]), fields[2]
        names.setdefault(prefix, {})[number] = name
    return names


def text(s):
    """HTML text in plain ASCII: the help is read as windows-1252."""
    return html.escape(s, quote=True).encode("ascii", "xmlcharrefreplace").decode("ascii")


def topic_name(prefix):
    return "pics_%s.htm" % prefix.lower()


def write_topic(prefix, caption, names, others):
    rows = "\n".join('<tr><td>%d</td><td>%s</td></tr>' % (n, text(names[n])) for n in range(1, 31))
    links = ", ".join('<a href="%s">%s</a>' % (topic_name(p), text(c)) for p, c in others if p != prefix)
    page = f"""<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>Pictures: {text(caption)}</title>
<link rel="stylesheet" type="text/css" href="help.css">
</head>
<body>
<h1>Pictures: {text(caption)}</h1>

<p>The thirty pictures of the category {text(caption)}. A screen reader names a tile that is
face up by these names.</p>
<table>
<tr><th>No.</th><th>Picture</th></tr>
{rows}
</table>
<p class="see">See also: <a href="categories.htm">Picture Categories</a>; the other categories: {links}.</p>
</body>
</html>
"""
    # Line ends as in the other help sources.
    (OUT / topic_name(prefix)).write_bytes(page.replace("\n", "\r\n").encode("ascii"))


def main():
    cats = categories()
    names = pictures()
    for prefix, caption in cats:
        got = names.get(prefix, {})
        if sorted(got) != list(range(1, 31)):
            sys.exit("category %s does not have pictures 1..30 in %s" % (prefix, CATALOGUE))
        write_topic(prefix, caption, got, cats)
    print("wrote %d topics to %s" % (len(cats), OUT))


if __name__ == "__main__":
    main()
