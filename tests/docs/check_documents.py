#!/usr/bin/env python3
"""Checks the document sources against the shipped code table and the rhyme.

- every source expands against data/hzlib: a code the table does not give, or a worked example
  whose corner digit is not the rhyme's digit for the shape it names, stops the expansion;
- the committed .rtf files are what the sources and the table give today, byte for byte;
- no expanded text tells the learner that the table departs from the rhyme;
- the checker itself refuses a wrong example and a code the table does not hold.
Usage: check_documents.py REPOSITORY
"""
import glob
import os
import re
import sys
import unittest

ROOT = sys.argv.pop(1) if len(sys.argv) > 1 else os.getcwd()
sys.path.insert(0, os.path.join(ROOT, "docs", "tools"))
import build_chm  # noqa: E402
import docmarkup  # noqa: E402
import make_rtf  # noqa: E402
import tvmdata  # noqa: E402

HZLIB = os.path.join(ROOT, "data", "hzlib")
TABLE = tvmdata.CodeTable(HZLIB)

# Sentences that would teach another rule than the rhyme's.
CONTRADICTIONS = [
    r"撇[^。；]*记\s*2", r"左钩[^。；]*记\s*2", r"竖[^。；]*包括[^。；]*撇", r"亠[^。；]*记\s*0",
    r"0\s*头", r"以码表为准", r"口诀[^。；]*(不同|不符|不一样)", r"四位(全)?码", r"无附角",
]


def pages():
    return sorted(glob.glob(os.path.join(ROOT, "docs", "course", "*.html"))
                  + glob.glob(os.path.join(ROOT, "docs", "readme", "*.html")))


def rtf_sources():
    return sorted(glob.glob(os.path.join(ROOT, "docs", "src", "*.txt")))


def expanded_html(path):
    with open(path, encoding="utf-8") as f:
        text = build_chm.expand(build_chm.HtmlCalls(TABLE), f.read(), path)
    return re.sub(r"<[^>]*>", "", text)


def expanded_rtf_source(path):
    calls = docmarkup.DataCalls(TABLE)
    out = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith(("#", "@")):
                continue
            out.append(_plain(calls, docmarkup.parse(line)))
    return "".join(out)


def _plain(calls, items):
    parts = []
    for item in items:
        if isinstance(item, str):
            parts.append(item)
        elif calls.has(item[0]):
            parts.append(calls.call(item[0], docmarkup.plain(item[1])))
        else:
            parts.append(_plain(calls, item[1]))
    return "".join(parts)


class Documents(unittest.TestCase):
    def test_every_page_expands_from_the_table(self):
        self.assertGreaterEqual(len(pages()), 15)
        for path in pages():
            with self.subTest(page=os.path.basename(path)):
                expanded_html(path)  # raises SystemExit on a code or example the table refutes

    def test_committed_rtf_files_are_the_sources_expanded_today(self):
        for path in rtf_sources():
            name = os.path.splitext(os.path.basename(path))[0]
            with self.subTest(document=name):
                with open(path, encoding="utf-8") as f:
                    fresh = make_rtf.RtfWriter(TABLE).convert(f.read()).encode("ascii")
                with open(os.path.join(ROOT, "data", "files", name + ".rtf"), "rb") as f:
                    self.assertEqual(f.read(), fresh, "run scripts/make-docs.sh")

    def test_no_text_departs_from_the_rhyme(self):
        texts = {os.path.basename(p): expanded_html(p) for p in pages()}
        texts.update({os.path.basename(p): expanded_rtf_source(p) for p in rtf_sources()})
        for name, text in texts.items():
            for pattern in CONTRADICTIONS:
                with self.subTest(document=name, pattern=pattern):
                    self.assertIsNone(re.search(pattern, text))
        rhyme = "一横二竖三点捺，叉四插五方块六，七角八八九是小，撇与左钩都是零。"
        flat = re.sub(r"\s", "", texts["shapes.html"])
        self.assertIn(rhyme, flat)

    def test_no_code_is_typed_into_a_source(self):
        # Codes reach a document only through a call; a digit run of four or more in the text a
        # source writes itself would be a typed code that the table does not keep current.
        for path in pages() + rtf_sources():
            with open(path, encoding="utf-8") as f:
                literal = _literal_text(docmarkup.parse(f.read()))
            literal = re.sub(r"<[^>]*>", "", literal)
            with self.subTest(source=os.path.basename(path)):
                self.assertEqual(re.findall(r"(?<![A-Z])[0-9]{4,}", literal), [])


def _literal_text(items):
    parts = []
    for item in items:
        if isinstance(item, str):
            parts.append(item)
        elif not docmarkup.DataCalls(TABLE).has(item[0]) and item[0] not in ("key1table",
                                                                              "key2table",
                                                                              "kwordtable",
                                                                              "firstpct"):
            parts.append(_literal_text(item[1]))
    return "".join(parts)


class Checker(unittest.TestCase):
    def call(self, name, arg):
        return docmarkup.DataCalls(TABLE).call(name, arg)

    def test_refuses_an_example_the_rhyme_does_not_give(self):
        code = TABLE.full_code("一")
        self.assertEqual(self.call("at", "一:1:横"), "横（%s）" % code[0])
        for wrong in ("一:1:竖", "一:1:撇", "一:1:方框"):
            with self.subTest(call=wrong), self.assertRaises(KeyError):
                self.call("at", wrong)

    def test_candidate_calls_take_the_characters_own_code(self):
        ch = TABLE.lists["z1.txt"][0][0]
        self.assertIn(ch, self.call("cands", ch).split(" "))
        self.assertIn(ch, self.call("cline", ch))
        with self.assertRaises(KeyError):
            self.call("cands", "A")

    def test_one_key_word_call_checks_the_word(self):
        word, code = TABLE.lists["c1.txt"][0]
        self.assertEqual(self.call("kw", word), code)
        other = TABLE.lists["c2.txt"][0][0]
        if other not in [w for w, _ in TABLE.lists["c1.txt"]]:
            with self.assertRaises(KeyError):
                self.call("kw", other)


if __name__ == "__main__":
    unittest.main(verbosity=1)
