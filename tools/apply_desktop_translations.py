#!/usr/bin/env python3
"""Writes the translations of translations/desktop.tsv into the desktop entry
(dist/pexora.desktop.in) and the AppStream metainfo (dist/pexora.metainfo.xml.in).

Run it by hand after changing either table or either file; running it again
changes nothing. The English of each file must be the table's source text: a
text that differs is reported and left untranslated. Afterwards both
validators must still pass (desktop-file-validate, appstreamcli validate).
"""
import csv
import html
import os
import re
import sys

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGUAGES = []  # the table's language columns ("de", "pt_BR", ...), read by load()


def load():
    global LANGUAGES
    with open(os.path.join(HERE, "translations", "desktop.tsv"), encoding="utf-8", newline="") as f:
        reader = csv.DictReader(f, delimiter="\t", quoting=csv.QUOTE_NONE)
        rows = list(reader)
    LANGUAGES = [c for c in reader.fieldnames if c not in ("key", "source")]
    return {row["key"]: row for row in rows}


def squeeze(text):
    return " ".join(text.split())


def desktop(path, table, problems):
    lines = [l for l in open(path, encoding="utf-8").read().splitlines() if not re.match(r"^\w+\[[^]]+\]=", l)]
    out = []
    for line in lines:
        out.append(line)
        key, _, value = line.partition("=")
        row = table.get("desktop:" + key)
        if row is None or not _:
            continue
        if value != row["source"]:
            problems.append("%s: %s is \"%s\", the table has \"%s\"" % (path, key, value, row["source"]))
            continue
        out += ["%s[%s]=%s" % (key, lang, row[lang]) for lang in LANGUAGES if row[lang] != row["source"]]
    open(path, "w", encoding="utf-8").write("\n".join(out) + "\n")


def metainfo(path, table, problems):
    text = open(path, encoding="utf-8").read()
    # What an earlier run added goes first.
    text = re.sub(r'\n[ \t]*<(\w+) xml:lang="[^"]+">.*?</\1>', "", text, flags=re.S)

    def element(tag, key):
        nonlocal text
        row = table[key]
        pattern = re.compile(r"(?P<indent>[ \t]*)<%s>(?P<body>.*?)</%s>" % (tag, tag), re.S)
        match = next((m for m in pattern.finditer(text) if squeeze(html.unescape(m.group("body"))) == squeeze(row["source"])), None)
        if match is None:
            problems.append("%s: no <%s> reads \"%s\"" % (path, tag, row["source"][:60]))
            return
        indent = match.group("indent")
        if "\n" in match.group("body"):
            inner = indent + "  "
            added = "".join('\n%s<%s xml:lang="%s">\n%s%s\n%s</%s>' % (indent, tag, lang, inner, html.escape(row[lang], quote=False),
                                                                        indent, tag) for lang in LANGUAGES if row[lang] != row["source"])
        else:
            added = "".join('\n%s<%s xml:lang="%s">%s</%s>' % (indent, tag, lang, html.escape(row[lang], quote=False), tag)
                            for lang in LANGUAGES if row[lang] != row["source"])
        text = text[:match.end()] + added + text[match.end():]

    element("name", "metainfo:name")
    element("summary", "metainfo:summary")
    element("p", "metainfo:description:1")
    element("p", "metainfo:description:2")
    element("caption", "metainfo:screenshot-caption")
    # Keywords: the translated list follows the English one.
    row = table["metainfo:keywords"]
    match = re.search(r"([ \t]*)<keywords>(.*?)\n([ \t]*)</keywords>", text, re.S)
    english = re.findall(r"<keyword>(.*?)</keyword>", match.group(2)) if match else []
    if english != row["source"].split(";"):
        problems.append("%s: the keywords are %s, the table has %s" % (path, english, row["source"]))
    else:
        indent = re.search(r"\n([ \t]*)<keyword>", match.group(2)).group(1)
        added = "".join('\n%s<keyword xml:lang="%s">%s</keyword>' % (indent, lang, html.escape(word, quote=False))
                        for lang in LANGUAGES for word in row[lang].split(";"))
        at = match.start(3) - 1
        text = text[:at] + added + text[at:]
    open(path, "w", encoding="utf-8").write(text)


def main():
    table = load()
    problems = []
    desktop(os.path.join(HERE, "dist", "pexora.desktop.in"), table, problems)
    metainfo(os.path.join(HERE, "dist", "pexora.metainfo.xml.in"), table, problems)
    for line in problems:
        print(line, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
