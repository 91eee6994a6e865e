#!/usr/bin/env python3
"""Fills translations/pexora_LANG.ts from the two tables of texts, one for
each language column of strings.tsv.

  translations/strings.tsv   context, source, a column a language, comment:
                             every text of the windows and messages ("\\n" is
                             a line break)
  translations/pictures.tsv  category, number, source, a column a language:
                             the picture names and, with no number, the
                             category names

A text with a count (%n) has the plural forms of its language, in the order
Qt numbers them, separated by " | " ("%n point pour %1 | %n points pour %1");
a single form serves every count.

A message of the context "PictureName" is found by its disambiguation, the
resource name ("ANIMAL1"). Any other message is found by its context and
source; when the code uses a context the table does not name, by its source
alone. The tables win over what the .ts file holds; a message the tables do
not know keeps its translation. Afterwards it lists the messages still
without a translation and the rows of the tables that no .ts file asks for
(texts not yet marked for translation in the code). Run it after
tools/update_translations.sh.

  tools/fill_translations.py [--strict] [--quiet] [LANG ...]

--strict fails when a message is left without a translation.
"""
import argparse
import csv
import os
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TRANSLATIONS = os.path.join(HERE, "translations")
FORMS = " | "


def read_table(path):
    with open(path, encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f, delimiter="\t", quoting=csv.QUOTE_NONE))
    header, body = rows[0], [r for r in rows[1:] if r and any(c.strip() for c in r)]
    return [dict(zip(header, r + [""] * (len(header) - len(r)))) for r in body]


def languages():
    """The language columns of strings.tsv ("de", "pt_BR", ...)."""
    with open(os.path.join(TRANSLATIONS, "strings.tsv"), encoding="utf-8") as f:
        return [c for c in f.readline().rstrip("\n").split("\t") if c not in ("context", "source", "comment")]


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def load_tables():
    strings = read_table(os.path.join(TRANSLATIONS, "strings.tsv"))
    pictures = read_table(os.path.join(TRANSLATIONS, "pictures.tsv"))
    by_context = {}   # (context, source) -> row
    by_source = {}    # source -> [rows]
    for row in strings:
        source = unescape(row["source"])
        by_context[(row["context"], source)] = row
        by_source.setdefault(source, []).append(row)
    by_picture = {}   # "ANIMAL1" -> row
    for row in pictures:
        if row["number"]:
            by_picture[row["category"] + row["number"]] = row
        else:
            source = row["source"]
            by_context.setdefault(("Options", source), row)
            by_source.setdefault(source, []).append(row)
    return strings, pictures, by_context, by_source, by_picture


def find_row(context, source, comment, tables, notes):
    _, _, by_context, by_source, by_picture = tables
    if context == "PictureName":
        row = by_picture.get(comment)
        if row is not None and row["source"] != source:
            notes.append("picture %s is \"%s\" in the code but \"%s\" in pictures.tsv" % (comment, source, row["source"]))
            return None
        return row
    row = by_context.get((context, source))
    if row is not None:
        return row
    rows = by_source.get(source, [])
    if not rows:
        return None
    # A context of the table that the code's context contains ("Options" for
    # "OptionsDialog::Options", say) is the better guess among several.
    for candidate in rows:
        if candidate.get("context") and candidate["context"] in context:
            return candidate
    return rows[0]


def fill(lang, tables, quiet):
    path = os.path.join(TRANSLATIONS, "pexora_%s.ts" % lang)
    tree = ET.parse(path)
    used, missing, notes = set(), [], []
    filled = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("obsolete", "vanished"):
                continue
            source = message.findtext("source", "")
            comment = message.findtext("comment", "")
            row = find_row(name, source, comment, tables, notes)
            text = unescape(row.get(lang, "")) if row is not None else ""
            if row is not None:
                used.add(id(row))
            forms = translation.findall("numerusform")
            if text and message.get("numerus") == "yes":
                texts = text.split(FORMS)
                if len(texts) == 1:
                    texts *= len(forms)
                if len(texts) != len(forms):
                    notes.append("%s: \"%s\" has %d forms in the table, %s counts %d" % (name, source, len(texts), lang, len(forms)))
                    text = ""
                else:
                    for form, form_text in zip(forms, texts):
                        form.text = form_text
            elif text:
                translation.text = text
            if text:
                translation.attrib.pop("type", None)
                filled += 1
            elif translation.get("type") == "unfinished" or not translation.text:
                missing.append("%s: %s%s" % (name, source.replace("\n", "\\n"), " (%s)" % comment if comment else ""))
    tree.write(path, encoding="utf-8", xml_declaration=True)
    # Written again in lupdate's own layout, so the next lupdate changes nothing.
    lconvert = shutil.which("lconvert", path="/usr/lib/qt6/bin:" + os.environ.get("PATH", ""))
    if lconvert:
        subprocess.run([lconvert, "-i", path, "-o", path], check=True)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if "<!DOCTYPE TS>" not in text:
        text = text.replace("?>\n", "?>\n<!DOCTYPE TS>\n", 1)
        with open(path, "w", encoding="utf-8") as f:
            f.write(text)
    if not quiet:
        print("%s: %d messages translated, %d without a translation" % (path, filled, len(missing)))
        for line in notes:
            print("  note: " + line)
        for line in missing:
            print("  missing: " + line)
    return used, missing


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("languages", nargs="*", default=languages())
    parser.add_argument("--strict", action="store_true")
    parser.add_argument("--quiet", action="store_true")
    args = parser.parse_args()
    tables = load_tables()
    strings, pictures = tables[0], tables[1]
    used, all_missing = set(), 0
    for lang in args.languages:
        u, missing = fill(lang, tables, args.quiet)
        used |= u
        all_missing += len(missing)
    # The category names stand in both tables; strings.tsv is the one used.
    for row in pictures:
        if not row["number"]:
            twin = tables[2].get(("Options", row["source"]))
            if twin is not row and any(twin.get(lang) != row.get(lang) for lang in languages()):
                print("note: category \"%s\" is translated differently in the two tables" % row["source"])
    unused = [r for r in strings + [p for p in pictures if p["number"]] if id(r) not in used]
    if unused and not args.quiet:
        print("%d rows of the tables are not asked for by the code yet:" % len(unused))
        for row in unused:
            print("  unused: %s: %s" % (row.get("context") or row.get("category"), row["source"]))
    return 1 if args.strict and all_missing else 0


if __name__ == "__main__":
    sys.exit(main())
