#!/usr/bin/env bash
# Regenerates the committed teaching data under data/ (code dictionary, drill lists, record files,
# default article) with the generator built in the given build folder.
# Usage: make-data.sh [build dir]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cd "$(dirname "$0")/.."

unihan_bz2=/usr/share/unicode/Unihan_DictionaryLikeData.txt.bz2   # Debian unicode-data
word_list=/usr/lib/python3/dist-packages/jieba/dict.txt            # Debian python3-jieba
article=tools/gen_data/default_article.txt
generator="$build/tools/gen_data/gen_data"

for source in "$unihan_bz2" "$word_list"; do
  if [[ ! -r "$source" ]]; then
    echo "make-data: $source is missing (./scripts/install-deps.sh data)" >&2
    exit 1
  fi
done
[[ -x "$generator" ]] || { echo "make-data: $generator is not built" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bzip2 -dc "$unihan_bz2" > "$work/Unihan_DictionaryLikeData.txt"

echo "make-data: $generator"
"$generator" "$work/Unihan_DictionaryLikeData.txt" "$word_list" "$article" data
