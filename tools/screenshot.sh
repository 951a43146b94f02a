#!/usr/bin/env bash
# Starts the program on a private virtual display with a small window manager (so the
# title bar shows) and saves a picture of its form.
# Usage: screenshot.sh OUTPUT.png
set -eu
out=$(readlink -m "${1:-docs/form.png}")
here=$(dirname "$(readlink -f "$0")")
cd "$here/.."
if tools/can-run-win32.sh; then build=build/win arch=win32; else build=build/win64 arch=win64; fi
make --no-print-directory "$(basename "$build")" >/dev/null
source tools/wine-env.sh "$build/runprefix" "$arch"
wine_prefix_ready
unset DISPLAY
XVFB_PID=""
start_virtual_display
source tools/window-manager.sh
start_window_manager
# The form's title carries the version that the build generated.
title="Plivora Assistant $(sed -n 's/^#define PLIVORA_VERSION "\(.*\)"$/\1/p' "$build/generated/plivora_version.h")"
(cd "$build/dist" && "$WINE" PlivoraAssistant.exe) &
for _ in $(seq 300); do
  xwininfo -root -tree 2>/dev/null | grep -qF "\"$title\"" && break
  sleep 0.1
done
# The window manager's frame around the form: its title bar above, a border of the
# same width as the left one on the other sides.
geometry=$(xwininfo -name "$title" | awk '
  /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
  /Relative upper-left X/ {rx = $NF} /Relative upper-left Y/ {ry = $NF}
  /Width/ {w = $NF} /Height/ {h = $NF}
  END {print w + 2 * rx "x" h + ry + rx "+" x - rx "+" y - ry}')
# Let the form finish its first paint before the picture is taken.
sleep 1
mkdir -p "$(dirname "$out")"
xwd -root -silent | convert xwd:- -crop "$geometry" +repage "$out"
wineserver -k 2>/dev/null || true
[ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
kill "$XVFB_PID" 2>/dev/null || true
echo "Saved $out"
