#!/usr/bin/env bash
# Fails when a shipped program outgrows its ceiling; prints every size and the room left
# under its ceiling either way. The ceilings catch accidents, not bytes.
# Usage: check-sizes.sh PROGRAM.exe CEILING [PROGRAM.exe CEILING...]
set -u
status=0
while [ $# -ge 2 ]; do
  size=$(stat -c %s "$1") || exit 1
  headroom=$(($2 - size))
  verdict="under its ceiling"
  if [ "$headroom" -lt 0 ]; then verdict="OVER ITS CEILING"; status=1; fi
  printf '%s: %d bytes, ceiling %d, headroom %d: %s\n' "$(basename "$1")" "$size" "$2" "$headroom" "$verdict"
  shift 2
done
exit $status
