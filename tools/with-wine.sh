#!/usr/bin/env bash
# Runs a command (usually ctest) inside one Wine session of a build folder: a private
# prefix, a virtual display when none is set, and a persistent wineserver that has run
# one program already, so each test program starts in a fraction of a second.
# Usage: with-wine.sh BUILD_DIR ARCH COMMAND [ARGS...]
set -u
here=$(dirname "$(readlink -f "$0")")
build=$(readlink -f "$1")
source "$here/wine-env.sh" "$build/wineprefix" "$2"
source "$here/fault-drive.sh"
shift 2
wine_prefix_ready
mount_fault_drive "$build"
XVFB_PID=""
start_virtual_display
[ -n "$XVFB_PID" ] && echo "Started virtual display $DISPLAY for Wine."
wineserver -p
"$WINE" cmd /c exit 0 >/dev/null 2>&1
"$@"
status=$?
wineserver -k 2>/dev/null
unmount_fault_drive
[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
exit $status
