#!/usr/bin/env bash
# Brings translations/pexora_LANG.ts, one for each language column of
# translations/strings.tsv, up to date with the texts in the code: run it by
# hand after changing a text a player sees, then tools/fill_translations.py,
# then translate what it reports as missing. It also brings the help
# catalogues translations/help/LANG.po up to date with the English help pages
# (po4a): a changed paragraph turns fuzzy there and the help shows it in
# English until it is translated again.
# The build never runs it.
#
#   tools/update_translations.sh          update the .ts files
#   tools/update_translations.sh --check  change nothing; fail when a .ts
#                                         file is out of date with the code,
#                                         or a help catalogue with the pages
#
# Besides tr() and QCoreApplication::translate() in the sources, the picture
# names of the catalogue are offered for translation in the context
# "PictureName", each with its resource name ("ANIMAL1") as disambiguation.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

lupdate=""
for candidate in "${LUPDATE:-}" /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" "$(command -v lupdate || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate="$candidate"; break; fi
done
lconvert="$(dirname "$lupdate")/lconvert"
[ -n "$lupdate" ] || { echo "lupdate not found (Debian package qt6-l10n-tools)" >&2; exit 1; }

check=0
[ "${1:-}" = "--check" ] && check=1

catalogue=media/catalogue/pictures.tsv
[ -f "$catalogue" ] || { echo "picture catalogue $catalogue not found" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The picture names as lupdate reads them: one QT_TRANSLATE_NOOP3 a line.
python3 - "$catalogue" "$work/PictureNames.cpp" <<'PY'
import sys
out = []
for line in open(sys.argv[1], encoding="utf-8"):
    if not line.strip() or line.startswith("#"):
        continue
    category, number, name = line.rstrip("\n").split("\t")[:3]
    quoted = name.replace("\\", "\\\\").replace('"', '\\"')
    out.append('QT_TRANSLATE_NOOP3("PictureName", "%s", "%s%s")' % (quoted, category, number))
open(sys.argv[2], "w", encoding="utf-8").write("\n".join(out) + "\n")
PY

sources=()
for dir in core choices engine store settings media layout scores helpviewer translations desktop window; do
  [ -d "$dir" ] && sources+=("$dir")
done
[ -f main.cpp ] && sources+=(main.cpp)

status=0
# The language columns of strings.tsv: de, fr, ..., pt_BR.
languages="$(head -n 1 translations/strings.tsv | tr '\t' '\n' | grep -vxE 'context|source|comment')"
for lang in $languages; do
  ts="translations/pexora_$lang.ts"
  target="$ts"
  if [ "$check" -eq 1 ]; then
    target="$work/pexora_$lang.ts"
    [ -f "$ts" ] && cp "$ts" "$target"
  fi
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
    -source-language en -target-language "$lang" \
    "${sources[@]}" "$work/PictureNames.cpp" -ts "$target"
  if [ "$check" -eq 1 ]; then
    if [ ! -f "$ts" ]; then
      echo "$ts is missing" >&2; status=1; continue
    fi
    "$lconvert" -i "$ts" -o "$work/was_$lang.ts"
    "$lconvert" -i "$target" -o "$work/now_$lang.ts"
    if ! diff -u "$work/was_$lang.ts" "$work/now_$lang.ts" >"$work/diff_$lang.txt"; then
      echo "$ts is out of date with the code; run tools/update_translations.sh:" >&2
      grep -E '^[-+] ' "$work/diff_$lang.txt" | head -40 >&2 || true
      status=1
    fi
  fi
done
# The help: the template and every catalogue of LINGUAS follow the pages.
command -v po4a >/dev/null || { echo "po4a not found (Debian package po4a)" >&2; exit 1; }
po4a_quietly() {  # po4a's page reader names each page's charset on stderr: only errors pass
  if ! po4a --no-translations --quiet translations/help/po4a.cfg >/dev/null 2>"$work/po4a.err"; then
    grep -v '^mastchar' "$work/po4a.err" >&2; exit 1
  fi
}
help_languages="$(sed 's/#.*//' translations/help/LINGUAS)"
if [ "$check" -eq 0 ]; then
  po4a_quietly
else
  mkdir -p "$work/tree/translations"
  cp -r Help "$work/tree/Help"
  cp -r translations/help "$work/tree/translations/help"
  (cd "$work/tree" && po4a_quietly)
  fresh="$work/tree/translations/help/pexora-help.pot"
  ids() { msgcat --no-location --no-wrap --sort-output "$1" 2>/dev/null | grep -v "^\"POT-Creation-Date" ; }
  if ! diff <(ids translations/help/pexora-help.pot) <(ids "$fresh") >"$work/diff_pot.txt"; then
    echo "translations/help/pexora-help.pot is out of date with the help pages; run tools/update_translations.sh:" >&2
    grep -E '^[<>] msgid' "$work/diff_pot.txt" | head -20 >&2 || true
    status=1
  fi
  for lang in $help_languages; do
    po="translations/help/$lang.po"
    if ! msgcmp "$po" "$fresh" 2>"$work/msgcmp_$lang.txt"; then
      echo "$po is out of step with the help pages (new or changed English, untranslated):" >&2
      head -20 "$work/msgcmp_$lang.txt" >&2
      status=1
    fi
    stats="$(LC_ALL=C msgfmt --statistics -o /dev/null "$po" 2>&1)"
    case "$stats" in
      *fuzzy*|*untranslated*) echo "$po: $stats" >&2; status=1 ;;
    esac
  done
fi
[ "$check" -eq 1 ] && [ "$status" -eq 0 ] && echo "translations are up to date"
exit "$status"
