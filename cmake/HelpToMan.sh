#!/usr/bin/env bash
# Writes the manual page of a program from its own --help and --version output.
#   HelpToMan.sh PROGRAM OUTPUT [SEE_ALSO]
set -euo pipefail
program=$1
output=$2
see_also=${3:-}
version=$("$program" --version)
"$program" --help |
  awk -v name="${version% *}" -v version="$version" -v see_also="$see_also" -f "$(dirname "$0")/HelpToMan.awk" \
  >"$output.tmp"
mv "$output.tmp" "$output"
