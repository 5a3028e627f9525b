#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Usage: install-deps.sh [build|run|data|media|fuzz|bench]...  (default: build)
set -euo pipefail

build_pkgs=(g++ cmake make pkg-config qt6-base-dev qt6-image-formats-plugins libgl-dev
            libsdl2-mixer-dev timgm6mb-soundfont fonts-arphic-uming fonts-wqy-zenhei
            qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev unicode-data bzip2
            python3-jieba libsqlite3-dev qt6-charts-dev libqt6opengl6-dev fonts-noto-cjk
            desktop-file-utils appstream lintian dpkg-dev)
run_pkgs=(xdg-utils xchm)
data_pkgs=(unicode-data python3-jieba bzip2 nodejs rime-essay opencc debian-reference-zh-cn)  # the sources of the teaching data; npm (in nodejs) fetches the stroke data; the reference is a text to count keys on
media_pkgs=(imagemagick espeak-ng sox fp-utils xvfb xauth xdotool)  # xvfb, xdotool: the launcher screenshot
fuzz_pkgs=(clang libclang-rt-14-dev cmake make)  # libFuzzer and the sanitizers of clang 14
bench_pkgs=(xvfb libxcb1-dev valgrind)  # the start-up benchmarks: private X server, their timer, callgrind

wanted=()
for group in "${@:-build}"; do
  case "$group" in
    build) wanted+=("${build_pkgs[@]}") ;;
    run)   wanted+=("${build_pkgs[@]}" "${run_pkgs[@]}") ;;
    data)  wanted+=("${build_pkgs[@]}" "${data_pkgs[@]}") ;;
    media) wanted+=("${build_pkgs[@]}" "${media_pkgs[@]}") ;;
    fuzz)  wanted+=("${fuzz_pkgs[@]}") ;;
    bench) wanted+=("${build_pkgs[@]}" "${bench_pkgs[@]}") ;;
    *) echo "install-deps: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
