#!/usr/bin/env bash
# Regenerates the committed pictures, animation and sounds under data/ with the built tools.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
for tool in "$build"/tools/*/make_*; do
  [[ -f "$tool" && -x "$tool" ]] || continue
  echo "make-media: $tool"
  "$tool" data
done
./scripts/make-docs.sh
./scripts/make-screenshot.sh "$build"
"$build"/tools/drill_pictures/make_drill_pictures --icons packaging/icons
