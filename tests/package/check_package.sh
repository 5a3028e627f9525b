#!/usr/bin/env bash
# Builds the Debian package from a build folder, extracts it into a scratch root and checks the
# installed layout, the menu entry, the metainfo and lintian's verdict.
# Usage: check_package.sh BUILD_DIR   (exit 77: a packaging tool is not installed)
set -euo pipefail
build=$(cd "$1" && pwd)

for tool in cpack dpkg-deb dpkg-architecture nm desktop-file-validate appstreamcli lintian; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/tavrel_*.deb)
root="$scratch/root"
dpkg -x "$deb" "$root"
echo "package: $(basename "$deb"), $(du -sh "$deb" | cut -f1)"

# Programs on the PATH, the data tree and the record blanks beside nothing else.
for program in tavrel tavrel-tool; do
  [[ -x "$root/usr/bin/$program" ]] || fail "usr/bin/$program missing or not executable"
done
data="$root/usr/share/tavrel"
for entry in hzlib/zh1 hzlib/zh1.hz hzlib/z1.txt exercise/bixing statement files/base.rtf \
             sound/start.wav images/face.jpg course.chm readme.chm test.tvm; do
  [[ -e "$data/$entry" ]] || fail "usr/share/tavrel/$entry missing"
done
[[ $(stat -c %s "$data/files/phb.txt") == 180 ]] || fail "files/phb.txt is not twelve blank records"
[[ -f "$data/files/record.dat" ]] || fail "files/record.dat missing"
[[ -z $(find "$data" -name README.md) ]] || fail "a maintainer's README.md is in the data tree"
[[ -z $(find "$root/usr/share" -type f -perm /111) ]] || fail "executable files under usr/share"
[[ -z $(find "$root" -perm /002) ]] || fail "files writable by everyone"

# The window library the program loads late, where the installed program looks for it, and
# fitting the installed (stripped) program.
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
window_library="$root/usr/lib/$multiarch/tavrel/libtavrel_history_view.so"
if [[ -f "$window_library" ]]; then
  "$(dirname "$0")/../history/check_window_library.sh" "$root/usr/bin/tavrel" "$window_library" ||
    fail "the history window's library does not fit the installed program"
else
  fail "usr/lib/$multiarch/tavrel/libtavrel_history_view.so missing"
fi

# What the program opens at run time without linking it, dpkg-shlibdeps cannot see: the package
# must name it, or a clean machine runs without sound or without a learning history.
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }')
for needed in libsdl2-mixer-2.0-0 libsqlite3-0; do
  grep -qx -- "$needed" <<< "$depends" || fail "the package does not depend on $needed"
done

# The menu entry, its icon at every size and the metainfo.
desktop="$root/usr/share/applications/org.example.tavrel.desktop"
metainfo="$root/usr/share/metainfo/org.example.tavrel.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli validate"
grep -q '^Name\[zh_CN\]=Tavrel码' "$desktop" || fail "no Chinese name in the menu entry"
grep -q '^Categories=Education;' "$desktop" || fail "menu entry not under Education"
exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[[ -x "$root/usr/bin/$exec_program" ]] || fail "the menu entry starts '$exec_program', not on the PATH"
for size in 16 22 24 32 48 64 128 256; do
  icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/tavrel.png"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  dims=$(od -An -tu1 -j16 -N8 "$icon" 2> /dev/null | awk '{print $3*256+$4 "x" $7*256+$8}')
  [[ "$dims" == "${size}x${size}" ]] || fail "icon ${size}x${size} is '$dims'"
done
[[ -f "$data/screenshots/launcher.png" ]] || fail "the launcher screenshot is not shipped"

# The installed program finds its data tree from any folder.
(cd "$scratch" && "$root/usr/bin/tavrel-tool" lookup 1 > /dev/null) ||
  fail "tavrel-tool lookup does not find the installed data tree"

# Lintian: no errors (warnings are listed for the reader).
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"

[[ $failures -eq 0 ]] || { echo "$failures check(s) failed"; exit 1; }
echo "package checks passed"
