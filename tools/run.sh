#!/usr/bin/env bash
# Builds the program and starts it from its distribution folder under Wine. Without a
# display it starts a virtual one and says so; the window is then only on that display.
set -eu
here=$(dirname "$(readlink -f "$0")")
cd "$here/.."
if tools/can-run-win32.sh; then
  build=build/win arch=win32
else
  echo "This machine cannot start 32-bit programs; running the x86-64 build instead."
  make --no-print-directory win64 >/dev/null
  build=build/win64 arch=win64
fi
source tools/wine-env.sh "$build/runprefix" "$arch"
wine_prefix_ready
XVFB_PID=""
start_virtual_display
[ -n "$XVFB_PID" ] && echo "No display was set: started the virtual display $DISPLAY (Xvfb)."
cd "$build/dist"
echo "Starting $(pwd)/PlivoraAssistant.exe"
status=0
"$WINE" PlivoraAssistant.exe || status=$?
wineserver -k 2>/dev/null || true
[ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
exit $status
