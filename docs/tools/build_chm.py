#!/usr/bin/env python3
"""Builds one compiled help file from a project folder (docs/course or docs/readme).

The folder holds the HTML pages (UTF-8), the .hhp/.hhc/.hhk project files and, optionally,
pictures.txt, the list of pictures to draw. Every page is expanded (the data calls of
docmarkup.py, plus the table calls below), written in GB2312 (characters outside it as numeric
references) into a staging folder with the drawn pictures, and compiled there with chmcmd.
chmcmd stamps the compile time into two fields; they are set to a fixed value so that the same
sources always give the same file (see also the note on setarch below).

Table calls (HTML only):  {key1table}  the ten one-key characters
                          {key2table}  the hundred two-key characters, 10 x 10
                          {kwordtable} the hundred one-key words, 10 x 10
pictures.txt lines:  keypad FILE: drawn here by doc_pictures;
                     shape FILE DIGIT | char FILE CHARACTER | corners FILE CHARACTER |
                     word FILE WORD: drawn from the stroke data by make_drill_pictures (make media)
                     into the project folder and committed there; here their characters and words
                     are checked against the table and they are copied like every other picture
Usage: build_chm.py HZLIB PROJECT_DIR DOC_PICTURES_BINARY STAGING_DIR OUTPUT.chm
"""
import os
import re
import shutil
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import docmarkup  # noqa: E402
import tvmdata  # noqa: E402

FIXED_TIME = 0  # what the compile-time fields hold


class HtmlCalls(docmarkup.DataCalls):
    def has(self, name):
        return name in ("key1table", "key2table", "kwordtable", "firstpct") or super().has(name)

    def call(self, name, arg):
        t = self.t
        if name == "key1table":
            items = {code: text for text, code in t.lists["z3.txt"]}
            head = "".join("<td align=center bgcolor=\"#e8f0fa\"><b>%d</b></td>" % d for d in range(10))
            body = "".join("<td align=center><font size=\"+1\">%s</font></td>" % items[str(d)]
                           for d in range(10))
            return ("<table border=1 cellspacing=0 cellpadding=6><tr><td bgcolor=\"#e8f0fa\">编码</td>"
                    + head + "</tr><tr><td bgcolor=\"#e8f0fa\">字</td>" + body + "</tr></table>")
        if name in ("key2table", "kwordtable"):
            source = t.lists["z4.txt" if name == "key2table" else "c1.txt"]
            items = {code: text for text, code in source}
            if sorted(items) != ["%02d" % i for i in range(100)]:
                raise KeyError("%s: not the hundred codes 00-99" % name)
            rows = ["<tr><td bgcolor=\"#e8f0fa\" align=center>首位＼次位</td>"
                    + "".join("<td bgcolor=\"#e8f0fa\" align=center><b>%d</b></td>" % d
                              for d in range(10)) + "</tr>"]
            for a in range(10):
                cells = "".join("<td align=center>%s</td>" % items["%d%d" % (a, b)] for b in range(10))
                rows.append("<tr><td bgcolor=\"#e8f0fa\" align=center><b>%d</b></td>%s</tr>" % (a, cells))
            return "<table border=1 cellspacing=0 cellpadding=4>" + "".join(rows) + "</table>"
        if name == "firstpct":
            total = first = 0
            for (scope, code), texts in t.by_code.items():
                if scope != "z" or len(code) < 4:
                    continue
                total += len(texts)
                first += 1
            return "%.0f%%" % (100.0 * first / total)
        return super().call(name, arg)


def expand(calls, text, where):
    def render(items):
        out = []
        for item in items:
            if isinstance(item, str):
                out.append(item)
                continue
            name, children = item
            if not calls.has(name):
                raise SystemExit("%s: unknown call {%s:...}" % (where, name))
            try:
                out.append(calls.call(name, docmarkup.plain(children)))
            except (KeyError, ValueError) as e:
                raise SystemExit("%s: {%s:%s}: %s" % (where, name, docmarkup.plain(children), e))
        return "".join(out)
    # Only {name...} forms are calls; other braces (none in our pages) would be an error.
    return render(docmarkup.parse(text))


_BREAK_AFTER = "，。；：、！？"


def add_break_points(html):
    """Puts a blank after Chinese punctuation in the text (not inside tags). wxWidgets' HTML
    viewer (xchm) breaks lines only at blanks, so a long Chinese sentence would otherwise run
    off the right edge; with these it wraps clause by clause."""
    parts = re.split(r"(<[^>]*>)", html)
    for i in range(0, len(parts), 2):
        text = parts[i]
        for mark in _BREAK_AFTER:
            text = text.replace(mark, mark + " ")
        # A line break between two Chinese characters of the source is no blank on the page.
        text = re.sub(r"(?<=[^\x00-\x7f])\n(?=[^\x00-\x7f])", "", text)
        parts[i] = re.sub(r" +\n", "\n", text)
    return "".join(parts)


def picture_jobs(table, path):
    jobs = []
    with open(path, encoding="utf-8") as f:
        for lineno, raw in enumerate(f, 1):
            parts = raw.split()
            if not parts or parts[0].startswith("#"):
                continue
            kind, out = parts[0], parts[1]
            try:
                if kind == "keypad":
                    jobs.append(" ".join(parts))
                elif kind in ("shape", "char", "corners", "word"):
                    # drawn from the stroke data by make_drill_pictures, committed beside
                    if not os.path.exists(os.path.join(os.path.dirname(path), out)):
                        raise KeyError("%s is missing: make media draws it from the strokes" % out)
                    if kind == "word":
                        table.word_code(parts[2])  # the word is in the table under its code
                    elif kind != "shape":
                        table.full_code(parts[2])  # the character is coded
                else:
                    raise KeyError("unknown picture kind " + kind)
            except KeyError as e:
                raise SystemExit("%s:%d: %s" % (path, lineno, e))
    return jobs


def fix_times(chm_path):
    """Sets the ITSF header time and the #SYSTEM time entry (code 10) to FIXED_TIME."""
    with open(chm_path, "rb") as f:
        data = bytearray(f.read())
    if data[:4] != b"ITSF":
        raise SystemExit("%s: not a compiled help file" % chm_path)
    struct.pack_into(">I", data, 0x10, FIXED_TIME)
    header_len = struct.unpack_from("<I", data, 8)[0]
    dir_offset = struct.unpack_from("<Q", data, 0x48)[0]
    content_offset = struct.unpack_from("<Q", data, 0x58)[0] if header_len >= 0x60 else None
    # The directory: an ITSP header, then chunks of PMGL listing entries.
    if data[dir_offset:dir_offset + 4] != b"ITSP":
        raise SystemExit("%s: no directory header" % chm_path)
    itsp_len = struct.unpack_from("<I", data, dir_offset + 8)[0]
    chunk_size = struct.unpack_from("<I", data, dir_offset + 0x10)[0]
    n_chunks = struct.unpack_from("<I", data, dir_offset + 0x2C)[0]
    if content_offset is None:
        content_offset = dir_offset + itsp_len + chunk_size * n_chunks
    system = None
    for c in range(n_chunks):
        base = dir_offset + itsp_len + c * chunk_size
        if data[base:base + 4] != b"PMGL":
            continue
        free = struct.unpack_from("<I", data, base + 4)[0]
        pos, end = base + 20, base + chunk_size - free
        while pos < end:
            name_len, pos = _encint(data, pos)
            name = bytes(data[pos:pos + name_len])
            pos += name_len
            section, pos = _encint(data, pos)
            offset, pos = _encint(data, pos)
            length, pos = _encint(data, pos)
            if name == b"/#SYSTEM":
                if section != 0:
                    raise SystemExit("%s: #SYSTEM is compressed" % chm_path)
                system = (content_offset + offset, length)
    if system is None:
        raise SystemExit("%s: no #SYSTEM file" % chm_path)
    start, length = system
    pos, end, found = start + 4, start + length, False
    while pos + 4 <= end:
        code, size = struct.unpack_from("<HH", data, pos)
        if code == 10 and size == 4:
            struct.pack_into("<I", data, pos + 4, FIXED_TIME)
            found = True
        pos += 4 + size
    if not found:
        raise SystemExit("%s: no time entry in #SYSTEM" % chm_path)
    with open(chm_path, "wb") as f:
        f.write(data)


def _encint(data, pos):
    value = 0
    while True:
        b = data[pos]
        pos += 1
        value = (value << 7) | (b & 0x7F)
        if b < 0x80:
            return value, pos


def main():
    if len(sys.argv) != 6:
        raise SystemExit(__doc__)
    hzlib, project, pictures_bin, stage, output = sys.argv[1:]
    table = tvmdata.CodeTable(hzlib)
    calls = HtmlCalls(table)
    if os.path.isdir(stage):
        shutil.rmtree(stage)
    os.makedirs(os.path.join(stage, "img"))

    hhp = None
    for name in sorted(os.listdir(project)):
        src = os.path.join(project, name)
        low = name.lower()
        if low.endswith(".hhp"):
            hhp = name
        elif low.endswith((".html", ".htm", ".hhc", ".hhk")):
            with open(src, encoding="utf-8") as f:
                text = expand(calls, f.read(), src)
            text = re.sub(r"charset=utf-8", "charset=gb2312", text, flags=re.I)
            if low.endswith((".html", ".htm")):
                text = add_break_points(text)
            with open(os.path.join(stage, name), "wb") as f:
                f.write(text.encode("gb2312", errors="xmlcharrefreplace"))
        elif low.endswith(".png"):
            shutil.copyfile(src, os.path.join(stage, "img", name))
    if hhp is None:
        raise SystemExit("%s: no .hhp project" % project)

    jobs_path = os.path.join(project, "pictures.txt")
    if os.path.exists(jobs_path):
        jobs_file = os.path.join(stage, "pictures.jobs")
        with open(jobs_file, "w", encoding="utf-8") as f:
            f.write("\n".join(picture_jobs(table, jobs_path)) + "\n")
        subprocess.run([pictures_bin, jobs_file, os.path.join(stage, "img")], check=True,
                       env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        os.remove(jobs_file)

    # Every staged page and picture goes into the project's file list.
    files = sorted(n for n in os.listdir(stage) if n.lower().endswith((".html", ".htm")))
    files += sorted("img/" + n for n in os.listdir(os.path.join(stage, "img")))
    with open(os.path.join(project, hhp), encoding="utf-8") as f:
        project_text = f.read()
    project_text = project_text.rstrip("\n") + "\n\n[FILES]\n" + "\n".join(files) + "\n"
    with open(os.path.join(stage, hhp), "w", encoding="gb2312", newline="\r\n") as f:
        f.write(project_text)

    # chmcmd leaves two bytes of the keyword index map ($WWKeywordLinks/Map) uninitialised; with
    # address randomisation off they come out the same on every run.
    command = ["chmcmd", "--no-html-scan", hhp]
    if shutil.which("setarch"):
        command = ["setarch", os.uname().machine, "-R"] + command
    result = subprocess.run(command, cwd=stage, capture_output=True, text=True)
    compiled = re.search(r"^Compiled file=(.+)$", project_text, re.M).group(1).strip()
    if result.returncode != 0 or not os.path.exists(os.path.join(stage, compiled)):
        sys.stderr.write(result.stdout + result.stderr)
        raise SystemExit("chmcmd failed for %s" % project)
    for line in (result.stdout + result.stderr).splitlines():
        if re.search(r"error|warning|not found|missing", line, re.I):
            sys.stderr.write("chmcmd: %s\n" % line)
    fix_times(os.path.join(stage, compiled))
    shutil.copyfile(os.path.join(stage, compiled), output)


if __name__ == "__main__":
    main()
