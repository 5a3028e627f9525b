"""The small markup of our document sources: {name:argument} calls, expanded from the code table.

Data calls (they give plain text, always read from data/hzlib, so no code in a document is typed
by hand):
  {full:字}       full code                       {short:的}     one- or two-key code
  {pre3:中}       first 3 (or 1, 2) digits of the full code, also {pre1:..} {pre2:..}
  {corners:的}    the digits by corner: 左上0 右上7 左下6 右下0 附角0
  {how:们}        the keys that type a character or word in article practice: "2722 / 空格"
  {d1:的} .. {d5:的}  one digit of the full code (left top, right top, left bottom, right bottom,
                  supplementary corner)
  {wcode:中国}    word code (checked: the rule gives it and the word table holds it)
  {key1:5}        the one-key character of 5         {key2:27}   the two-key character of 27
  {kword:56}      the one-key word of 56
  {cands:的}      candidates under the character's full code, {wcands:中国} under the word's code
  {candsN:6:的}, {wcandsN:6:中国}: only the first N
  {count:z1.txt}  number of items of a drill list   {key1all}  all ten one-key characters
  {cline:们}      the first candidate line of article practice under the character's full code,
                  {wcline:中国} under the word's code
  {cand:们:3}     candidate number 3 under the character's full code, {wcand:..} under a word's
  {ncands:向}     number of candidates under the character's full code
  {kwordof:说}    the one-key word under the character's one- or two-key code
  {kw:中国}       the two-digit code of a one-key word (the build stops unless it is one)
  {at:的:1:撇}    the shape that stands at a corner (1-4 corners, 5 the 附角) and its digit: "撇（0）";
                  the build stops unless the rhyme gives the table's digit for that shape, so a
                  worked example cannot explain a corner otherwise than the rhyme does. The
                  pseudo-shapes 用过 (a shape already used) and 没有 (nothing there) stand for 0.
Codes are never typed into a call: an argument is a character or a word, and its code is looked
up, so a document cannot quote a code that the table does not give. Only {kword:56} and
{key2:27} take a code, the one- or two-digit code itself.
Style calls are left to the output format (RTF: b, i, u, red, blue, green, maroon, grey, h, big,
key; HTML sources use HTML tags instead).
"""
import re

_NAME = re.compile(r"\{([A-Za-z][A-Za-z0-9]*)(?::|\})")


def parse(text):
    """Splits text into a list of str and (name, [children]) tuples."""
    out, pos = _parse(text, 0, top=True)
    return out


def _parse(text, pos, top):
    items, buf = [], []
    while pos < len(text):
        ch = text[pos]
        if ch == "\\" and pos + 1 < len(text) and text[pos + 1] in "{}\\":
            buf.append(text[pos + 1])
            pos += 2
            continue
        if ch == "{":
            m = _NAME.match(text, pos)
            if not m:
                raise ValueError("bad markup at %r" % text[pos:pos + 20])
            if buf:
                items.append("".join(buf))
                buf = []
            name = m.group(1)
            if text[m.end() - 1] == "}":
                items.append((name, []))
                pos = m.end()
                continue
            children, pos = _parse(text, m.end(), top=False)
            items.append((name, children))
            continue
        if ch == "}":
            if top:
                raise ValueError("unbalanced } in %r" % text)
            if buf:
                items.append("".join(buf))
            return items, pos + 1
        buf.append(ch)
        pos += 1
    if not top:
        raise ValueError("unclosed { in %r" % text)
    if buf:
        items.append("".join(buf))
    return items, pos


def plain(children):
    """The literal text of call arguments (no nested calls allowed there)."""
    parts = []
    for c in children:
        if not isinstance(c, str):
            raise ValueError("nested call %r inside a data argument" % (c,))
        parts.append(c)
    return "".join(parts)


# The digit of each shape, as the rhyme gives it:
# 一横二竖三点捺，叉四插五方块六，七角八八九是小，撇与左钩都是零。
RHYME_DIGITS = {"横": "1", "竖": "2", "点": "3", "捺": "3", "叉": "4", "插": "5", "方块": "6",
                "角": "7", "八": "8", "小": "9", "撇": "0", "左钩": "0", "用过": "0", "没有": "0"}
_CORNER_NAMES = ["左上", "右上", "左下", "右下", "附角"]


def shape_at(table, ch, corner, shape):
    """The text of {at:..}: the shape and its digit, checked against the table's code."""
    if shape not in RHYME_DIGITS:
        raise KeyError("%s is not a shape of the rhyme" % shape)
    digit = table.full_code(ch)[int(corner) - 1]
    if digit != RHYME_DIGITS[shape]:
        raise KeyError("%s: %s is %s in the table, but the rhyme gives %s %s" % (
            ch, _CORNER_NAMES[int(corner) - 1], digit, shape, RHYME_DIGITS[shape]))
    return "%s（%s）" % (shape, digit)


class DataCalls:
    """Evaluates the data calls against a tvmdata.CodeTable."""

    def __init__(self, table):
        self.t = table

    def has(self, name):
        return name in ("full", "short", "pre1", "pre2", "pre3", "corners", "wcode", "key1",
                        "key2", "kword", "cands", "wcands", "candsN", "wcandsN", "count",
                        "key1all", "ncands", "cline", "wcline", "cand", "wcand", "d1", "d2", "d3",
                        "d4", "d5", "how", "kwordof", "kw", "at")

    def how(self, text):
        return _how(self.t, text)

    def call(self, name, arg):
        t = self.t
        if name == "full":
            return t.full_code(arg)
        if name == "short":
            code = t.short_code(arg)
            if code is None:
                raise KeyError("%s has no short code" % arg)
            return code
        if name in ("pre1", "pre2", "pre3"):
            return t.full_code(arg)[:int(name[3])]
        if name in ("d1", "d2", "d3", "d4", "d5"):
            code = t.full_code(arg)
            i = int(name[1]) - 1
            if i >= len(code):
                raise KeyError("%s has no digit %d" % (arg, i + 1))
            return code[i]
        if name == "how":
            return self.how(arg)
        if name == "corners":
            code = t.full_code(arg)
            return " ".join(n + d for n, d in zip(_CORNER_NAMES, code))
        if name == "wcode":
            return t.word_code(arg)
        if name == "key1":
            return _only(t.candidates("z", arg), "one-key " + arg)
        if name == "key2":
            return _only(t.candidates("z", arg), "two-key " + arg)
        if name == "kword":
            return t.one_key_word(arg)
        if name == "at":
            ch, corner, shape = arg.split(":")
            return shape_at(t, ch, corner, shape)
        if name == "kw":
            code = "".join(t.full_code(ch)[0] for ch in arg)
            if len(arg) != 2 or t.one_key_word(code) != arg:
                raise KeyError("%s is not the one-key word %s" % (arg, code))
            return code
        if name == "kwordof":
            code = t.short_code(arg)
            if code is None:
                raise KeyError("%s has no short code" % arg)
            return t.one_key_word(code)
        if name in ("cands", "wcands"):
            return " ".join(_candidates_of(t, name == "cands", arg))
        if name in ("candsN", "wcandsN"):
            n, text = arg.split(":")
            found = _candidates_of(t, name == "candsN", text)
            return " ".join(found[:int(n)]) + ("……" if len(found) > int(n) else "")
        if name in ("cline", "wcline"):
            return first_page(_candidates_of(t, name == "cline", arg))
        if name in ("cand", "wcand"):
            text, index = arg.split(":")
            return _candidates_of(t, name == "cand", text)[int(index)]
        if name == "ncands":
            return str(len(_candidates_of(t, True, arg)))
        if name == "count":
            return str(len(t.lists[arg]))
        if name == "key1all":
            return "　".join(code + text for text, code in t.lists["z3.txt"])
        raise KeyError(name)


def _candidates_of(table, is_character, text):
    """The candidates under a character's full code or a word's code; the text is among them."""
    if is_character:
        scope, code = "z", table.full_code(text)
    else:
        scope, code = "c", table.word_code(text)
    return _some(table.candidates(scope, code), code)


def _how(table, text):
    """The keys that type a character (shortest code, "/") or a word ("*") in article practice."""
    if len(text) == 1:
        code, scope, end = table.short_code(text) or table.full_code(text), "z", "/"
    else:
        code, scope, end = table.word_code(text), "c", "*"
    items = table.candidates(scope, code)
    index = items.index(text)
    if len(items) == 1:
        return "%s %s" % (code, end)
    shown = first_page(items).split(" ")
    if index >= len(shown):
        raise KeyError("%s is not on the first page of %s" % (text, code))
    return "%s %s %s" % (code, end, "空格" if index == 0 else str(index))


def first_page(items):
    """The candidate line of article practice for a fresh lookup: " 0.甲 1.乙 ..." while the
    line stays under 52 bytes (GBK), as the practice window builds it."""
    line = b""
    for i, item in enumerate(items):
        word = item.encode("gbk")
        if len(line) + len(word) >= 52:
            break
        line += b" %d." % i + word
    return line.decode("gbk").strip()


def _only(items, what):
    if len(items) != 1:
        raise KeyError("%s: expected one candidate, found %r" % (what, items))
    return items[0]


def _some(items, code):
    if not items:
        raise KeyError("no candidates under %s" % code)
    return items
