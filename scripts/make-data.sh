#!/usr/bin/env bash
# Regenerates the committed teaching data under data/ (code dictionary, drill lists, record files,
# default article) with the generator built in the given build folder, and writes its figures to
# tools/gen_data/report.txt.
# Usage: make-data.sh [build dir]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cd "$(dirname "$0")/.."

unihan_bz2=/usr/share/unicode/Unihan_DictionaryLikeData.txt.bz2   # Debian unicode-data
readings_bz2=/usr/share/unicode/Unihan_Readings.txt.bz2            # Debian unicode-data
word_list=/usr/lib/python3/dist-packages/jieba/dict.txt            # Debian python3-jieba
essay=/usr/share/rime-data/essay.txt                                # Debian rime-essay
overrides=tools/gen_data/code_overrides.tsv
article=tools/gen_data/default_article.txt
generator="$build/tools/gen_data/gen_data"

for source in "$unihan_bz2" "$readings_bz2" "$word_list" "$essay"; do
  if [[ ! -r "$source" ]]; then
    echo "make-data: $source is missing (./scripts/install-deps.sh data)" >&2
    exit 1
  fi
done
[[ -x "$generator" ]] || { echo "make-data: $generator is not built" >&2; exit 1; }
strokes=$(./scripts/fetch-stroke-data.sh)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bzip2 -dc "$unihan_bz2" > "$work/Unihan_DictionaryLikeData.txt"
bzip2 -dc "$readings_bz2" > "$work/Unihan_Readings.txt"
# The second word list, in simplified characters: a drill word must be in both lists.
opencc -c t2s.json -i "$essay" -o "$work/essay.txt"

echo "make-data: $generator"
"$generator" "$work/Unihan_DictionaryLikeData.txt" "$work/Unihan_Readings.txt" "$strokes" \
  "$overrides" "$word_list" "$work/essay.txt" "$article" data > "$work/report.txt"
# Keys per character of a modern technical text that is not ours (Debian Reference, Simplified
# Chinese, GPL-2+), typed through the new table by the article window's rules.
reference=(/usr/share/debian-reference/*.zh-cn.html)
if [[ -r "${reference[0]}" && -x "$build/tavrel-tool" ]]; then
  mkdir -p "$work/tree"
  cp -r data/hzlib "$work/tree/"
  cp "$build/tavrel-tool" "$work/tree/"
  python3 -c 'import html, re, sys
for name in sorted(sys.argv[1:]):
    page = open(name, encoding="utf-8").read()
    page = re.sub(r"<(script|style).*?</\1>", "", page, flags=re.S)
    sys.stdout.write(html.unescape(re.sub(r"<[^>]+>", "", page)))' "${reference[@]}" \
    > "$work/reference.txt"
  echo "keys per character, Debian Reference (debian-reference-zh-cn):" >> "$work/report.txt"
  "$work/tree/tavrel-tool" keys "$work/reference.txt" >> "$work/report.txt"
fi
cp "$work/report.txt" tools/gen_data/report.txt
cat tools/gen_data/report.txt
