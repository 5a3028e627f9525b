"""Reads the shipped code table (data/hzlib) so the documents quote codes from the real data.

The dictionary files zh1-zh5 hold records of a 3-byte packed code (six nibbles, 0xF after the
last digit) and a GBK text filled with 0xFF; the drill lists z1-z4, c1-c5 hold a 6-byte code
field and a fixed-width GBK text field, one record per CR LF line.
"""
import os

_DICT_SIZES = {1: 5, 2: 7, 3: 9, 4: 11, 5: 29}
_LISTS = {  # file: text bytes
    "z1.txt": 2, "z2.txt": 2, "z3.txt": 2, "z4.txt": 2,
    "c1.txt": 4, "c2.txt": 4, "c3.txt": 6, "c4.txt": 8, "c5.txt": 16,
}


def _unpack_code(b):
    digits = []
    for byte in b:
        for nib in (byte >> 4, byte & 0xF):
            if nib > 9:
                return "".join(digits)
            digits.append(str(nib))
    return "".join(digits)


class CodeTable:
    def __init__(self, hzlib):
        self.hzlib = hzlib
        self.by_code = {}      # (scope, code) -> [text, ...] in candidate order; scope 'z' or 'c'
        self.codes_of = {}     # text -> [code, ...] in file order
        for n, size in _DICT_SIZES.items():
            scope = "z" if n == 1 else "c"
            with open(os.path.join(hzlib, "zh%d" % n), "rb") as f:
                data = f.read()
            for i in range(len(data) // size):
                rec = data[i * size:(i + 1) * size]
                code = _unpack_code(rec[:3])
                text = rec[3:].split(b"\xff", 1)[0].decode("gbk")
                self.by_code.setdefault((scope, code), []).append(text)
                self.codes_of.setdefault(text, []).append(code)
        self.lists = {}
        for name, width in _LISTS.items():
            with open(os.path.join(hzlib, name), "rb") as f:
                data = f.read()
            size = 6 + width + 2
            items = []
            for i in range((len(data) + 1) // size):
                rec = data[i * size:(i + 1) * size]
                code = rec[:6].decode("ascii").strip()
                text = rec[6:6 + width].decode("gbk").strip()
                items.append((text, code))
            self.lists[name] = items

    def full_code(self, ch):
        """The character's full code: its five-digit code in the character table."""
        codes = [c for c in self.codes_of.get(ch, []) if len(c) == 5 and len(ch) == 1]
        if not codes:
            raise KeyError("no full code for %r" % ch)
        return max(codes, key=len)

    def short_code(self, ch):
        """The character's one- or two-key code, or None."""
        codes = [c for c in self.codes_of.get(ch, []) if len(c) <= 2 and len(ch) == 1]
        return codes[0] if codes else None

    def rule_word_code(self, word):
        """The word code by our rule, from the characters' full codes."""
        full = [self.full_code(ch) for ch in word]
        n = len(word)
        if n == 2:
            return full[0][:3] + full[1][:3]
        if n == 3:
            return "".join(f[:2] for f in full)
        if n == 4:
            return full[0][:2] + full[1][:2] + full[2][:1] + full[3][:1]
        if 5 <= n <= 13:
            return "".join(f[:1] for f in full[:4]) + full[-1][:2]
        raise ValueError("word length %d" % n)

    def word_code(self, word):
        """The word's six-digit code, checked against the word table."""
        code = self.rule_word_code(word)
        if word not in self.by_code.get(("c", code), []):
            raise KeyError("word %r not under %s in the word table" % (word, code))
        return code

    def one_key_word(self, ab):
        words = self.by_code.get(("c", ab), [])
        if not words:
            raise KeyError("no one-key word %s" % ab)
        return words[0]

    def candidates(self, scope, code):
        return list(self.by_code.get((scope, code), []))

    def char_at(self, code, index=0):
        return self.by_code[("z", code)][index]
