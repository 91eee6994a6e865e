#!/usr/bin/env python3
"""Lays out the sources of one language's help file, ready for chmcmd.

    make_help.py LANG STAGE [TRANSLATED]

LANG is "en" or a language of translations/help/LINGUAS. STAGE receives
html/ (every page, picture and style sheet), Pexora.hhp, Pexora.hhc and
Pexora.hhk. For a translation, TRANSLATED is the folder where po4a wrote the
translated pages (TRANSLATED/LANG/html/*.htm and TRANSLATED/LANG/contents.htm);
pages po4a does not translate are copied as they are, the picture topics are
written from the translated picture names of translations/pictures.tsv, and
the licence text stays English behind a translated note.

Every page, the contents and the index are written in the language's
Windows code page and declare it, and the project file names the language,
so that the compiler's title and search records and the reader agree.
"""

import html
import pathlib
import re
import shutil
import sys
import unicodedata
from html.parser import HTMLParser

ROOT = pathlib.Path(__file__).resolve().parent.parent
HELP = ROOT / "Help"
sys.path.insert(0, str(ROOT / "tools"))
import make_picture_help  # noqa: E402

# Language -> (locale id as the project file writes it, code page).
LANGUAGES = {
    "en": ("0x409 English (United States)", "windows-1252"),
    "de": ("0x407 German (Germany)", "windows-1252"),
    "fr": ("0x40c French (France)", "windows-1252"),
    "es": ("0xc0a Spanish (Spain)", "windows-1252"),
    "it": ("0x410 Italian (Italy)", "windows-1252"),
    "pt_BR": ("0x416 Portuguese (Brazil)", "windows-1252"),
    "nl": ("0x413 Dutch (Netherlands)", "windows-1252"),
    "pl": ("0x415 Polish", "windows-1250"),
}


def help_file_name(lang):
    """English keeps the name the game has always had."""
    return "Pexora.chm" if lang == "en" else "Pexora_%s.chm" % lang


class ListReader(HTMLParser):
    """The nested lists of one <div id=...> of the contents page:
    [(depth, name, local)], local "" for a heading without a page."""

    def __init__(self, div):
        super().__init__(convert_charrefs=True)
        self.div, self.inside, self.depth, self.entries = div, 0, 0, []
        self.texts = {}  # <p id=...> -> inner HTML
        self.current = None
        self.para = None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if self.para is not None:
            self.para[1].append(self.get_starttag_text())
            return
        if tag == "div":
            if self.inside or attrs.get("id") == self.div:
                self.inside += 1
        elif not self.inside:
            if tag == "p" and attrs.get("id"):
                self.para = (attrs["id"], [])
        elif tag == "ul":
            self.depth += 1
        elif tag == "li":
            self.current = [self.depth - 1, "", ""]
            self.entries.append(self.current)
        elif tag == "a" and self.current is not None:
            self.current[2] = attrs.get("href", "")

    def handle_endtag(self, tag):
        if self.para is not None:
            if tag == "p":
                self.texts[self.para[0]] = "".join(self.para[1]).strip()
                self.para = None
            else:
                self.para[1].append("</%s>" % tag)
            return
        if not self.inside:
            return
        if tag == "div":
            self.inside -= 1
        elif tag == "ul":
            self.depth -= 1
        elif tag == "li":
            self.current = None

    def handle_data(self, data):
        if self.para is not None:
            self.para[1].append(html.escape(data, quote=False))
        elif self.inside and self.current is not None:
            self.current[1] = (self.current[1] + " " + " ".join(data.split())).strip()


def read_contents(path, div):
    reader = ListReader(div)
    reader.feed(path.read_text(encoding="utf-8"))
    return reader.entries, reader.texts


def page_title(text):
    m = re.search(r"<title>(.*?)</title>", text, re.S | re.I)
    return html.unescape(" ".join(m.group(1).split())) if m else ""


def sort_key(name):
    """Index order as a reader of the language expects it: letters before
    their accents, case folded."""
    plain = "".join(c for c in unicodedata.normalize("NFD", name) if not unicodedata.combining(c))
    plain = plain.translate(str.maketrans({"ł": "l", "Ł": "L", "ø": "o", "Ø": "O", "đ": "d", "Đ": "D"}))
    return (plain.casefold(), name)


def sorted_index(entries):
    """Sorts the top-level index terms, each with its sub-entries."""
    groups = []
    for entry in entries:
        if entry[0] == 0 or not groups:
            groups.append([entry])
        else:
            groups[-1].append(entry)
    groups.sort(key=lambda g: sort_key(g[0][1]))
    return [e for g in groups for e in g]


def sitemap(entries, charset):
    lines = ['<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">', "<HTML>", "<HEAD>",
             '<meta http-equiv="Content-Type" content="text/html; charset=%s">' % charset,
             '<meta name="GENERATOR" content="Pexora help sources">', "</HEAD>", "<BODY>",
             '<OBJECT type="text/site properties">', '\t<param name="Window Styles" value="0x800025">',
             "</OBJECT>", "<UL>"]
    depth = 0
    for level, name, local in entries:
        while depth < level:
            lines.append("\t" * (depth + 1) + "<UL>")
            depth += 1
        while depth > level:
            lines.append("\t" * depth + "</UL>")
            depth -= 1
        tab = "\t" * (depth + 1)
        lines.append(tab + '<LI> <OBJECT type="text/sitemap">')
        lines.append(tab + '\t<param name="Name" value="%s">' % html.escape(name, quote=True))
        if local:
            lines.append(tab + '\t<param name="Local" value="%s">' % local)
        lines.append(tab + "\t</OBJECT>")
    while depth > 0:
        lines.append("\t" * depth + "</UL>")
        depth -= 1
    lines += ["</UL>", "</BODY>", "</HTML>", ""]
    return "\r\n".join(lines)


def encode(text, charset):
    """The text in the code page, what it cannot hold as character references."""
    return text.replace("\r\n", "\n").replace("\n", "\r\n").encode(charset, "xmlcharrefreplace")


def declare(text, charset):
    return re.sub(r"charset=[\w-]+", "charset=" + charset, text, count=1)


def category_names(lang):
    """prefix -> (caption, {number: name}) in the language; English from the
    picture catalogue the game draws from."""
    if lang == "en":
        return {p: (c, make_picture_help.pictures()[p]) for p, c in make_picture_help.categories()}
    rows = (ROOT / "translations" / "pictures.tsv").read_text(encoding="utf-8").splitlines()
    header = rows[0].split("\t")
    column = header.index(lang)
    names = {}
    for row in rows[1:]:
        if not row or row.startswith("#"):
            continue
        fields = row.split("\t")
        prefix, number, text = fields[0], fields[1], fields[column]
        entry = names.setdefault(prefix, ["", {}])
        if number:
            entry[1][int(number)] = text
        else:
            entry[0] = text
    return {p: tuple(v) for p, v in names.items()}


def picture_topics(lang, texts):
    """name -> page text of the seventeen picture topics."""
    names = category_names(lang)
    order = [p for p, _ in make_picture_help.categories()]
    pages = {}
    for prefix in order:
        caption, pictures = names[prefix]
        if sorted(pictures) != list(range(1, 31)):
            sys.exit("category %s lacks pictures for %s" % (prefix, lang))
        cap = html.escape(caption, quote=False)
        others = ", ".join('<a href="%s">%s</a>' % (make_picture_help.topic_name(p), html.escape(names[p][0], quote=False))
                           for p in order if p != prefix)
        title = texts["pics-title"].replace("{category}", cap)
        rows = "\n".join("<tr><td>%d</td><td>%s</td></tr>" % (n, html.escape(pictures[n], quote=False))
                         for n in range(1, 31))
        pages[make_picture_help.topic_name(prefix)] = f"""<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>{title}</title>
<link rel="stylesheet" type="text/css" href="help.css">
</head>
<body>
<h1>{title}</h1>

<p>{texts["pics-intro"].replace("{category}", cap)}</p>
<table>
<tr><th>{texts["pics-number"]}</th><th>{texts["pics-picture"]}</th></tr>
{rows}
</table>
<p class="see">{texts["pics-see"].replace("{others}", others)}</p>
</body>
</html>
"""
    return pages, {make_picture_help.topic_name(p): names[p][0] for p in order}


def project(lang, title):
    locale_id = LANGUAGES[lang][0]
    text = (HELP / "Pexora.hhp").read_text(encoding="windows-1252")
    text = re.sub(r"(?m)^Compiled file=.*$", "Compiled file=" + help_file_name(lang), text)
    text = re.sub(r"(?m)^Language=.*$", "Language=" + locale_id, text)
    text = re.sub(r"(?m)^Title=.*$", lambda m: "Title=" + title, text)
    text = re.sub(r'(?m)^Main="[^"]*"', lambda m: 'Main="%s"' % title, text)
    return text


def main():
    if len(sys.argv) < 3 or sys.argv[1] not in LANGUAGES:
        sys.exit(__doc__)
    lang, stage = sys.argv[1], pathlib.Path(sys.argv[2])
    charset = LANGUAGES[lang][1]
    source = pathlib.Path(sys.argv[3]) / lang if lang != "en" else None
    if lang != "en" and len(sys.argv) < 4:
        sys.exit("the folder of the translated pages is missing")

    if stage.exists():
        shutil.rmtree(stage)
    (stage / "html").mkdir(parents=True)
    contents_page = (source / "contents.htm") if source else (HELP / "contents.htm")
    contents, texts = read_contents(contents_page, "contents")
    index, _ = read_contents(contents_page, "index")
    help_title = page_title(contents_page.read_text(encoding="utf-8"))

    pages = {}
    for page in sorted((HELP / "html").iterdir()):
        if page.suffix != ".htm":
            shutil.copyfile(page, stage / "html" / page.name)
            continue
        translated = source / "html" / page.name if source else None
        if translated and translated.exists():
            pages[page.name] = translated.read_text(encoding="utf-8")
        else:
            pages[page.name] = page.read_text(encoding="windows-1252")
    if source:
        topics, captions = picture_topics(lang, texts)
        pages.update(topics)
        note = '<p class="note">%s</p>\n' % texts["gpl-note"]
        pages["gpl-3.0.htm"] = re.sub(r"(<body[^>]*>\s*)", lambda m: m.group(1) + note, pages["gpl-3.0.htm"], count=1)
    else:
        captions = {make_picture_help.topic_name(p): c for p, c in make_picture_help.categories()}

    for name, text in pages.items():
        (stage / "html" / name).write_bytes(encode(declare(text, charset), charset))

    def named(entries):
        """A link without text names a picture category."""
        out = []
        for depth, name, local in entries:
            if not name and local.startswith("html/pics_"):
                name = captions[local[len("html/"):]]
            if not name:
                sys.exit("an entry of the contents or index of %s has no text" % lang)
            out.append((depth, name, local))
        return out

    (stage / "Pexora.hhc").write_bytes(encode(sitemap(named(contents), charset), charset))
    index = named(index)
    (stage / "Pexora.hhk").write_bytes(encode(sitemap(index if lang == "en" else sorted_index(index), charset), charset))
    (stage / "Pexora.hhp").write_bytes(encode(project(lang, help_title), charset))


if __name__ == "__main__":
    main()
