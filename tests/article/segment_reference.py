#!/usr/bin/env python3
"""Checks `tavrel-tool segment` against a second, separately written scan.

This scan knows the word lists as sets read whole from the text-ordered dictionary files
(the tool bisects them one probe at a time), and walks each article line by the marking rules:
at every character the longest listed word of nine characters down to two wins, a word may run
over the line end into the next article line, and the colours alternate from fuchsia.

Usage: segment_reference.py TOOL DEFAULT_ARTICLE
Practice files checked: the shipped one, a 10,000-character article made by repeating the default
article, and articles of random dictionary words (many of them running over line ends).
"""
import os
import random
import subprocess
import sys
import tempfile

LINE_BYTES = 60
LONGEST = 9
TEXT_BYTES = {2: 4, 3: 6, 4: 8, 5: 26}  # text field of "hzlib/zhN.hz"; 3 code bytes before it


def fold(text):
    """Dictionary comparison ignores ASCII letter case, byte by byte."""
    return bytes(b + 32 if 0x41 <= b <= 0x5A else b for b in text)


def read_word_lists(data_dir):
    """For each file number, the set of its texts (up to the first 0xFF filler byte)."""
    lists = {}
    for number, size in TEXT_BYTES.items():
        with open(os.path.join(data_dir, "hzlib", f"zh{number}.hz"), "rb") as f:
            raw = f.read()
        record = 3 + size
        texts = set()
        for at in range(0, len(raw) - record + 1, record):
            field = raw[at + 3:at + record]
            texts.add(fold(field.split(b"\xff", 1)[0]))
        lists[number] = texts
    return lists


def is_word(lists, n, word):
    return fold(word) in lists[min(n, 5)]


def article_lines(practice_bytes):
    """Article lines are every other box line from the first, up to the first empty one."""
    box = practice_bytes.replace(b"\r\n", b"\n").replace(b"\r", b"\n").split(b"\n")
    lines = []
    for k in range(0, len(box), 2):
        if not box[k]:
            break
        lines.append(box[k])
    return lines


def reference_segment(lists, lines):
    found = []
    fuchsia = True
    start = 0  # byte in the current line where the scan begins (after a carried-over word)
    for k, line in enumerate(lines):
        following = lines[k + 1] if k + 1 < len(lines) else b""
        next_start = 0
        at = start
        while at <= LINE_BYTES:
            step = 2
            for n in range(LONGEST, 1, -1):
                end = at + 2 * n
                if end > LINE_BYTES and following:
                    word = line[at:LINE_BYTES] + following[:end - LINE_BYTES]
                else:
                    word = line[at:end]
                if len(word) == 2 * n and is_word(lists, n, word):
                    crosses = end > LINE_BYTES and bool(following)
                    found.append((word, "fuchsia" if fuchsia else "blue", crosses))
                    fuchsia = not fuchsia
                    if crosses:
                        next_start = end - LINE_BYTES
                    step = 2 * n
                    break
            at += step
        start = next_start
    return found


def tool_segment(tool, practice_file):
    out = subprocess.run([tool, "segment", practice_file], check=True, capture_output=True).stdout
    return [tuple(line.split("\t")) for line in out.decode("utf-8").splitlines()]


def convert(tool, text_gbk, directory, name):
    source = os.path.join(directory, name + ".txt")
    with open(source, "wb") as f:
        f.write(text_gbk)
    subprocess.run([tool, "convert", source], check=True, capture_output=True)
    return os.path.join(directory, name + ".tvm")


def random_article(lists, seed, words):
    """Listed words of every length (up to thirteen characters) with single characters between."""
    generator = random.Random(seed)
    pools = {n: sorted(t for t in lists[n] if len(t) % 2 == 0 and t) for n in lists}
    singles = sorted({w[i:i + 2] for w in pools[2] for i in (0, 2)})
    parts = []
    for _ in range(words):
        roll = generator.random()
        if roll < 0.25:
            parts.append(generator.choice(singles))
        else:
            parts.append(generator.choice(pools[generator.choice([2, 2, 3, 4, 5])]))
    return b"".join(parts)


def check(tool, lists, practice_file, label):
    with open(practice_file, "rb") as f:
        reference = reference_segment(lists, article_lines(f.read()))
    expected = [(w.decode("gbk"), c) for w, c, _ in reference]
    got = tool_segment(tool, practice_file)
    if got != expected:
        first = next((i for i, (a, b) in enumerate(zip(got, expected)) if a != b),
                     min(len(got), len(expected)))
        print(f"{label}: the tool marks {len(got)} words, the reference {len(expected)}; "
              f"first difference at word {first}: tool {got[first:first + 3]}, "
              f"reference {expected[first:first + 3]}")
        return False
    crossing = sum(1 for _, _, crosses in reference if crosses)
    longest = sum(1 for w, _ in expected if len(w) == LONGEST)
    print(f"{label}: {len(got)} words agree ({crossing} across a line end, "
          f"{longest} of {LONGEST} characters)")
    if not got:
        print(f"{label}: no word marked; the check would be empty")
        return False
    return True


def main():
    tool, default_article = sys.argv[1], sys.argv[2]
    data_dir = os.path.dirname(os.path.abspath(tool))
    lists = read_word_lists(data_dir)
    ok = check(tool, lists, os.path.join(data_dir, "test.tvm"), "shipped article")
    with tempfile.TemporaryDirectory() as directory:
        with open(default_article, encoding="utf-8") as f:
            once = f.read()
        characters = sum(1 for c in once if "\u4e00" <= c <= "\u9fff")
        repeats = -(-10000 // characters)
        long_article = convert(tool, once.encode("gbk") * repeats, directory, "long")
        ok &= check(tool, lists, long_article, "10,000 characters")
        for seed in range(3):
            text = random_article(lists, seed, 600)
            ok &= check(tool, lists, convert(tool, text, directory, f"random{seed}"),
                        f"random words {seed}")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
