#!/usr/bin/env python3
"""Finds C++ names that carry a type, scope or control-kind prefix, or an
event-handler suffix, outside string literals, comments and the tests.

    tools/check_names.py [SOURCE_ROOT]

Prints each offending name with the file and line where it appears and
exits 1 if there is one; exits 0 when the code is clean. The texts the
player reads, the store's keys and the controls' object names are string
literals, so they are left alone.
"""
import os
import re
import subprocess
import sys

PREFIXED = re.compile(
    r"\b[gm]?_?(str|lng|int|bln|udt|sng|dbl|obj|frm|bas|mnu|tlb|cmd|opt|lbl|img|lvw|tmr|txt|stb|fra|iml)[A-Z]\w*"
    r"|\btab(Options|Scores)\b"
    r"|\b\w+_(Click|Load|Unload|Activate|Resize|Timer|Change)\b")

SOURCE_SUFFIXES = (".cpp", ".h", ".hpp", ".cc", ".cxx", ".hxx", ".inl")


def in_number(text, i):
    """Whether the quote at i stands inside a number, as a digit separator:
    the token before it starts with a digit (a character literal's prefix,
    u8, u, U or L, does not)."""
    j = i
    while j > 0 and (text[j - 1].isalnum() or text[j - 1] in "_.'"):
        j -= 1
    return j < i and text[j].isdigit()


def strip_code(text):
    """Blanks comments and string and character literals (raw strings
    included), keeping the line breaks so that line numbers still hold."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("\n" * text.count("\n", i, j))
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")) \
                or (c in "uUL8" and re.match(r'(u8|u|U|L)R"', text[i:i + 4])
                    and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_"))):
            start = text.find('R"', i) + 2
            paren = text.find("(", start)
            if paren < 0:
                out.append(c)
                i += 1
                continue
            delim = ")" + text[start:paren] + '"'
            j = text.find(delim, paren)
            j = n if j < 0 else j + len(delim)
            out.append('""' + "\n" * text.count("\n", i, j))
            i = j
        elif c in "\"'":
            if c == "'" and in_number(text, i):
                # a digit separator (1'000, 0xFF'FF)
                out.append(" ")
                i += 1
                continue
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            # An unclosed literal ends at the line's end, which stays.
            i = j + 1 if j < n and text[j] == c else j
        else:
            out.append(c)
            i += 1
    return "".join(out)


def source_files(root):
    try:
        listed = subprocess.run(
            ["git", "-C", root, "ls-files", "--cached", "--others", "--exclude-standard"],
            check=True, capture_output=True, text=True).stdout.splitlines()
    except (OSError, subprocess.CalledProcessError):
        listed = []
        for folder, dirs, files in os.walk(root):
            dirs[:] = [d for d in dirs if not d.startswith(".") and not d.startswith("build")]
            listed += [os.path.relpath(os.path.join(folder, f), root) for f in files]
    for path in sorted(listed):
        if path.startswith("tests/") or not path.endswith(SOURCE_SUFFIXES):
            continue
        if os.path.isfile(os.path.join(root, path)):
            yield path


def offences(root):
    for path in source_files(root):
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as f:
            code = strip_code(f.read())
        for number, line in enumerate(code.split("\n"), 1):
            for match in PREFIXED.finditer(line):
                yield path, number, match.group(0)


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    found = list(offences(root))
    for path, number, name in found:
        print(f"{path}:{number}: {name}")
    if found:
        print(f"{len(found)} prefixed or handler-style names "
              f"({len({name for _, _, name in found})} distinct)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
