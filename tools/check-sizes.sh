#!/usr/bin/env bash
# Fails when a shipped program outgrows its budget; prints every size either way.
# Usage: check-sizes.sh PROGRAM.exe BUDGET [PROGRAM.exe BUDGET...]
set -u
status=0
while [ $# -ge 2 ]; do
  size=$(stat -c %s "$1") || exit 1
  verdict="within budget"
  if [ "$size" -gt "$2" ]; then verdict="OVER BUDGET"; status=1; fi
  printf '%s: %d bytes, budget %d: %s\n' "$(basename "$1")" "$size" "$2" "$verdict"
  shift 2
done
exit $status
