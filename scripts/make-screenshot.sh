#!/usr/bin/env bash
# Takes the launcher screenshot that the package's metainfo shows (packaging/screenshots).
# Usage: make-screenshot.sh [build dir]   (needs xvfb, xdotool and imagemagick)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
cd "$(dirname "$0")/.."
out=packaging/screenshots/launcher.png
# The program must map a real window on the private server, whatever platform the caller set
# (make-media.sh draws offscreen); a launcher that never maps fails after 30 s instead of hanging.
xvfb-run -a -s '-screen 0 1280x1024x24' bash -c '
  cd "$1" && QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy ./tavrel & pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "Tavrel码输入法教学训练软件" | head -1)
  [ -n "$window" ] || { kill $pid; echo "make-screenshot: the launcher did not map" >&2; exit 1; }
  sleep 1
  import -window "$window" "$2"
  kill $pid' _ "$build" "$PWD/$out"
echo "make-screenshot: $out"
