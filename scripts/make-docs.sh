#!/usr/bin/env bash
# Regenerates the documents under data/ from docs/: the explanation texts of the drill window
# (files/base.rtf, single.rtf, word.rtf), its help (files/tvmsm.rtf), the input method's keys
# (files/tvm.rtf), and the compiled help files course.chm and readme.chm. Every code quoted in
# them is read from data/hzlib. The three panel texts must fit the 473 x 353 explanation panel.
# Usage: make-docs.sh [--preview DIR] [build dir]   (DIR gets a picture of each .rtf as the
# program shows it; the build folder, default build, gets the checker and the picture tool)
set -euo pipefail
cd "$(dirname "$0")/.."

preview=""
if [[ "${1:-}" == "--preview" ]]; then
  preview=${2:?make-docs: --preview needs a folder}
  mkdir -p "$preview"
  shift 2
fi
build=${1:-build}

./scripts/install-deps.sh media
for tool in python3 chmcmd; do
  command -v "$tool" >/dev/null || { echo "make-docs: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen PYTHONDONTWRITEBYTECODE=1

# The checker reads the documents with the program's own RTF reader and text box set-up.
echo "make-docs: building the checker and the picture tool in $build"
cmake --build "$build" --target rtf_check doc_pictures > /dev/null
cp "$build/docs/tools/rtf_check" "$build/docs/tools/doc_pictures" "$work/"

mkdir -p "$work/files"
for name in base single word tvmsm tvm; do
  python3 docs/tools/make_rtf.py data/hzlib "docs/src/$name.txt" "$work/files/$name.rtf"
  case "$name" in
    base|single|word) kind=--panel ;;
    *) kind=--help ;;
  esac
  png=()
  [[ -n "$preview" ]] && png=(--png "$preview/$name.png")
  "$work/rtf_check" "$kind" --quiet "${png[@]}" "$work/files/$name.rtf" 2>/dev/null \
    || { echo "make-docs: files/$name.rtf does not fit the explanation panel" >&2; exit 1; }
done

python3 docs/tools/build_chm.py data/hzlib docs/course "$work/doc_pictures" "$work/course" \
  "$work/course.chm"
python3 docs/tools/build_chm.py data/hzlib docs/readme "$work/doc_pictures" "$work/readme" \
  "$work/readme.chm"

# Only complete, checked output reaches data/.
mkdir -p data/files
cp "$work"/files/*.rtf data/files/
cp "$work/course.chm" "$work/readme.chm" data/
echo "make-docs: wrote data/files/{base,single,word,tvmsm,tvm}.rtf, data/course.chm, data/readme.chm"
