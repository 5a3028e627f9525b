#!/usr/bin/env python3
"""Turns a document source (docs/src/*.txt) into RTF as WordPad writes it (GBK, code page 936).

Source lines, one paragraph each:
  # ...           a comment, not written
  @body N         body font size in half points (24 = 16 px on screen), before the first paragraph
  ^text           a centred paragraph
  -               a low spacer line (a blank in a 6 px font), for breathing room
  (empty line)    an empty paragraph
  text            a left-aligned paragraph
Inline calls: the data calls of docmarkup.py, and the styles
  {b:..} bold  {i:..} italic  {u:..} underline  {red:..} {blue:..} {green:..} {maroon:..}
  {grey:..} colours  {h:..} heading (黑体, larger, maroon)  {key:..} a key name (bold blue).
Usage: make_rtf.py HZLIB SOURCE OUTPUT
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import docmarkup  # noqa: E402
import tvmdata  # noqa: E402

COLORS = [  # \cf1 .. \cfN
    ("red", (192, 0, 0)),
    ("blue", (0, 0, 192)),
    ("green", (0, 112, 0)),
    ("maroon", (128, 0, 0)),
    ("grey", (96, 96, 96)),
]
COLOR_INDEX = {name: i + 1 for i, (name, _) in enumerate(COLORS)}


def rtf_text(s):
    out = []
    for ch in s:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif " " <= ch <= "~":
            out.append(ch)
        elif ch == "\t":
            out.append("\\tab ")
        else:
            try:
                b = ch.encode("gbk")
            except UnicodeEncodeError:
                raise ValueError("character %r is not in GBK" % ch)
            out.append("".join("\\'%02x" % x for x in b))
    return "".join(out)


class RtfWriter:
    def __init__(self, table):
        self.data = docmarkup.DataCalls(table)
        self.body = 24

    def inline(self, items):
        out = []
        for item in items:
            if isinstance(item, str):
                out.append(rtf_text(item))
                continue
            name, children = item
            if self.data.has(name):
                out.append(rtf_text(self.data.call(name, docmarkup.plain(children))))
                continue
            inner = self.inline(children)
            if name == "b":
                out.append("{\\b " + inner + "}")
            elif name == "i":
                out.append("{\\i " + inner + "}")
            elif name == "u":
                out.append("{\\ul " + inner + "}")
            elif name in COLOR_INDEX:
                out.append("{\\cf%d " % COLOR_INDEX[name] + inner + "}")
            elif name == "h":
                out.append("{\\f1\\fs%d\\cf%d " % (self.body + 4, COLOR_INDEX["maroon"]) + inner + "}")
            elif name == "key":
                out.append("{\\b\\cf%d " % COLOR_INDEX["blue"] + inner + "}")
            else:
                raise ValueError("unknown call {%s:...}" % name)
        return "".join(out)

    def convert(self, source):
        paras = []
        for lineno, raw in enumerate(source.splitlines(), 1):
            line = raw.rstrip()
            try:
                if line.startswith("#"):
                    continue
                if line.startswith("@body "):
                    self.body = int(line.split()[1])
                    continue
                if line == "-":
                    paras.append("\\pard{\\fs9  }\\par")
                    continue
                align = ""
                if line.startswith("^"):
                    align, line = "\\qc", line[1:]
                paras.append("\\pard%s " % align + self.inline(docmarkup.parse(line)) + "\\par")
            except (ValueError, KeyError) as e:
                raise SystemExit("line %d: %s" % (lineno, e))
        colortbl = "".join("\\red%d\\green%d\\blue%d;" % rgb for _, rgb in COLORS)
        head = ("{\\rtf1\\ansi\\ansicpg936\\deff0"
                "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"
                "{\\f1\\fnil\\fcharset134 \\'ba\\'da\\'cc\\'e5;}}\r\n"
                "{\\colortbl ;" + colortbl + "}\r\n"
                "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs%d\r\n" % self.body)
        # The first paragraph continues the \pard of the header line.
        return head + "\r\n".join(paras) + "\r\n}\r\n"


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    hzlib, src, out = sys.argv[1:]
    table = tvmdata.CodeTable(hzlib)
    with open(src, encoding="utf-8") as f:
        text = RtfWriter(table).convert(f.read())
    data = text.encode("ascii")
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
