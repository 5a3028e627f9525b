# Sourced by the start-up benchmarks: starts a private Xvfb on a free display number (-displayfd
# reports which one it took), exports DISPLAY for it and stops it when the script exits.
display_fd=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$display_fd" 2> /dev/null &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; rm -f "$display_fd"' EXIT
for _ in $(seq 100); do [[ -s "$display_fd" ]] && break; sleep 0.05; done
[[ -s "$display_fd" ]] || { echo "startup: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$display_fd")"
export QT_QPA_PLATFORM=xcb
