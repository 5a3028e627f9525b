#!/usr/bin/env bash
# The program maps no database library at start-up: the learning history loads SQLite when it is
# first opened, so neither SQLite nor Qt SQL may be among the libraries the program needs.
# Usage: check_program_links.sh PROGRAM
set -euo pipefail
program=$1
command -v readelf > /dev/null || { echo "SKIP: readelf is not installed"; exit 77; }

needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[[ -n "$needed" ]] || { echo "FAIL: readelf lists no needed library of $program"; exit 1; }
if unwanted=$(grep -E '^lib(Qt6Sql|sqlite3)\.' <<< "$needed"); then
  echo "FAIL: $(basename "$program") links what start-up should not load:"
  echo "$unwanted"
  exit 1
fi
echo "$(basename "$program") needs no database library: $(tr '\n' ' ' <<< "$needed")"
