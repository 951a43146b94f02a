#!/usr/bin/env bash
# Builds the program and starts it from its distribution folder under Wine. Without a
# display it starts a virtual one and says how to look at it; the window is then only
# there. Closing the program, or Ctrl+C here, ends Wine's session and the display.
set -eu
here=$(dirname "$(readlink -f "$0")")
cd "$here/.."
read -r build arch < <(tools/wine-build.sh)
[ "$arch" = win32 ] || echo "This machine cannot start 32-bit programs; running the x86-64 build instead."
make --no-print-directory "$(basename "$build")" >/dev/null
source tools/wine-env.sh "$build/runprefix" "$arch"
wine_prefix_ready || exit 1
XVFB_PID=""
finish() {
  wineserver -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  return 0
}
trap finish EXIT
trap 'exit 130' INT TERM
start_virtual_display
if [ -n "$XVFB_PID" ]; then
  echo "No display was set: started the virtual display $DISPLAY (Xvfb), which nothing shows."
  echo "  To see it:  xwd -display $DISPLAY -root -silent | convert xwd:- form.png"
  echo "  To stop:    Ctrl+C here (or close the program). To work with the form, set DISPLAY"
  echo "              to a display you can see (an X server, or ssh -X) before make run."
fi
cd "$build/dist"
echo "Starting $(pwd)/PlivoraAssistant.exe"
status=0
"$WINE" PlivoraAssistant.exe || status=$?
exit $status
