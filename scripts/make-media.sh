#!/usr/bin/env bash
# Regenerates the committed pictures, animation and sounds under data/ with the built tools, the
# course's pictures of strokes under docs/course and the tests' extract of the stroke outlines,
# then the documents. The drill pictures need the stroke data: fetched at pinned versions into a
# cache outside the repository (npm), about three minutes of drawing on one core.
# Usage: make-media.sh [build dir]   (default: build)
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
strokes=$(./scripts/fetch-stroke-data.sh)
for tool in "$build"/tools/*/make_*; do
  [[ -f "$tool" && -x "$tool" ]] || continue
  echo "make-media: $tool"
  if [[ "$(basename "$tool")" == make_drill_pictures ]]; then
    "$tool" --strokes "$strokes" --forms tools/drill_pictures/stroke_forms.tsv \
      --extract tests/drill_pictures/stroke_extract.tsv --course docs/course data
  else
    "$tool" data
  fi
done
./scripts/make-docs.sh "$build"
./scripts/make-screenshot.sh "$build"
"$build"/tools/drill_pictures/make_drill_pictures --icons packaging/icons
