#!/usr/bin/env bash
# Fetches the stroke data at pinned versions into a cache outside the repository and extracts the
# generator's input from it; prints the path of the extracted file.
# Usage: fetch-stroke-data.sh   (cache: ${XDG_CACHE_HOME:-~/.cache}/tavrel-data)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tavrel-data
writer=hanzi-writer-data@2.0.1   # outlines and medians, Arphic Public License
order=cnchar-order@3.2.6         # stroke names, MIT
mkdir -p "$cache"
cd "$cache"
for package in "$writer" "$order"; do
  name=${package%@*}
  version=${package#*@}
  if [[ ! -f "$name/$version/package.json" ]]; then
    rm -rf "$name/$version"
    mkdir -p "$name/$version"
    tarball=$(npm pack --silent "$package")
    tar -xzf "$tarball" -C "$name/$version" --strip-components=1
    rm -f "$tarball"
  fi
done
# The name says which columns the file holds: an older extract without the outlines stays apart.
out="$cache/strokes-${writer#*@}-${order#*@}-outlines.tsv"
node "$repo/tools/gen_data/extract_strokes.js" "hanzi-writer-data/${writer#*@}" \
  "cnchar-order/${order#*@}" > "$out.tmp"
mv "$out.tmp" "$out"
echo "$out"
