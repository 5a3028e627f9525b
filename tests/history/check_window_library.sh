#!/usr/bin/env bash
# The history window's library takes what it uses of the program from the program that loads it:
# every symbol it leaves undefined must be exported by the program or defined by a library it
# needs, or loading it fails at the learner's first opening (tests load it into test programs,
# which export other things).
# Usage: check_window_library.sh PROGRAM LIBRARY
set -euo pipefail
program=$1 library=$2
command -v nm > /dev/null || { echo "SKIP: nm is not installed"; exit 77; }

defined() { nm -D --defined-only "$1" | awk '{ print $NF }' | sed 's/@.*//'; }
provided=$( { defined "$program"; for dep in $(ldd "$library" | awk '/=> \// { print $3 }'); do
                defined "$dep"; done; } | sort -u)
# Weak references ("w", "v") may stay unresolved; only strong ones ("U") must be found.
missing=$(comm -23 <(nm -D --undefined-only "$library" | awk '$1 == "U" { print $2 }' |
                       sed 's/@.*//' | sort -u) <(echo "$provided"))
if [[ -n "$missing" ]]; then
  echo "FAIL: $(basename "$library") needs what $(basename "$program") does not export:"
  c++filt <<< "$missing"
  exit 1
fi
echo "every symbol of $(basename "$library") is found in $(basename "$program") or its libraries"
