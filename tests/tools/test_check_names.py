#!/usr/bin/env python3
"""The name check finds prefixed and handler-style names in code, wherever on
the line they stand, and never in what the player reads or the tests.

    test_check_names.py PATH/TO/check_names.py
"""
import os
import subprocess
import sys
import tempfile

CODE = r'''char16_t space = u' '; int strAfterCharLiteral;
auto paren = U'('; int mnuAfterWideLiteral;
int thousand = 1'000'000; int lblAfterSeparator;
#error can't
int optAfterUnclosedQuote;
auto caption = "cmdApply frmMain"; auto raw = R"x(strInRaw " tabOptions)x"; // frmInComment
/* mnuInBlock
   tlbInBlock */ void Form_Load();
void cmdOk_Click(); QWidget* tabScores; int m_intCount; int gblnPlaySound; int mintFrame;
int strange; int intake; int Options; bool OnGameNew; int m_tabs; int status_Changed;
'''
EXPECTED = {
    "x.cpp:1: strAfterCharLiteral", "x.cpp:2: mnuAfterWideLiteral", "x.cpp:3: lblAfterSeparator",
    "x.cpp:5: optAfterUnclosedQuote", "x.cpp:8: Form_Load", "x.cpp:9: cmdOk_Click", "x.cpp:9: tabScores",
    "x.cpp:9: m_intCount", "x.cpp:9: gblnPlaySound", "x.cpp:9: mintFrame",
}


def main(script):
    with tempfile.TemporaryDirectory() as root:
        with open(os.path.join(root, "x.cpp"), "w") as f:
            f.write(CODE)
        os.makedirs(os.path.join(root, "tests"))
        with open(os.path.join(root, "tests", "test_x.cpp"), "w") as f:
            f.write("void cmdApply_Click();\n")  # the tests name things as the window does
        run = subprocess.run([sys.executable, script, root], capture_output=True, text=True)
        found = set(run.stdout.splitlines())
        if found != EXPECTED or run.returncode != 1:
            print("missed:", sorted(EXPECTED - found), "\nwrongly found:", sorted(found - EXPECTED),
                  "\nexit code:", run.returncode)
            return 1
        os.remove(os.path.join(root, "x.cpp"))
        clean = subprocess.run([sys.executable, script, root], capture_output=True, text=True)
        if clean.returncode != 0:
            print("a tree with prefixed names in its tests only is not clean:", clean.stdout)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
