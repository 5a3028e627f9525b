#!/usr/bin/env python3
"""Prints the typing examples of the course, as the course shows them: for every {how:...} call
of the pages in COURSE_DIR, in page order, the text and its keys, tab-separated (UTF-8).
The window test of the course types these keys in article practice.
Usage: course_examples.py HZLIB COURSE_DIR
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import docmarkup  # noqa: E402
import tvmdata  # noqa: E402


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    hzlib, course = sys.argv[1:]
    calls = docmarkup.DataCalls(tvmdata.CodeTable(hzlib))
    for name in sorted(os.listdir(course)):
        if not name.endswith(".html"):
            continue
        with open(os.path.join(course, name), encoding="utf-8") as f:
            page = f.read()
        for found in re.finditer(r"\{how:([^}]+)\}", page):
            text = found.group(1)
            sys.stdout.write("%s\t%s\n" % (text, calls.how(text)))


if __name__ == "__main__":
    main()
