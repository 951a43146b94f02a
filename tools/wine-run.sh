#!/usr/bin/env bash
# CTest's emulator for the Windows builds: runs one program under Wine.
# Usage: wine-run.sh PREFIX_DIR ARCH PROGRAM.exe [ARGS...]
set -u
here=$(dirname "$(readlink -f "$0")")
source "$here/wine-env.sh" "$1" "$2"
shift 2
wine_prefix_ready || exit 1
XVFB_PID=""
start_virtual_display
"$WINE" "$@"
status=$?
if [ -n "$XVFB_PID" ]; then
  wineserver -k 2>/dev/null
  kill "$XVFB_PID" 2>/dev/null
fi
exit $status
