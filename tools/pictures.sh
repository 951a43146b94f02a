#!/usr/bin/env bash
# Retakes every picture of the README and the user's guide from the real program under
# Wine, on a private virtual display with a small window manager (so title bars show).
# tools/pictures/picture_driver walks the program through the states below by messages
# and waits at each one for its picture.
# Usage: pictures.sh [DOCS_FOLDER]   (default: docs)
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
cd "$here/.."
docs=$(readlink -m "${1:-docs}")

# The pictures, in the order the program reaches them: state, file, what it shows.
pictures=(
  "start       form.png               the form as it opens, the welcome in the panel"
  "ready       guide/ready.png        folder, target and icon chosen, Hide Plivora Dialog ticked"
  "help        guide/help.png         the panel explaining a switch after its help button"
  "problem     guide/problem.png      Create refused: Splash Screen ticked without a file"
  "created     guide/created.png      after Create: Test usable"
  "image       guide/image.png        after Make Disc Image"
  "system-menu guide/system-menu.png  the system menu with Make Disc Image and Open a Disc"
)
# The same walk at 150% (144 DPI), in a prefix of its own; only these are kept.
pictures_150=(
  "start       guide/form-150.png     the form as it opens on a display at 150%"
)

read -r build arch < <(tools/wine-build.sh)
make --no-print-directory "$(basename "$build")" >/dev/null
cmake --build "$build" --target picture_driver >/dev/null
# One walk of the program in one prefix: PREFIX, then the pictures to keep.
walk() {
source tools/wine-env.sh "$1" "$arch"
shift
local -a keep=("$@")
wine_prefix_ready || exit 1

# Windows' name of a path on this machine: Wine shows the root file system as drive Z.
windows_path() { printf 'Z:%s' "$(readlink -m "$1" | tr / '\\')"; }

# A small disc to make: a start page, a page beside it, and an icon.
disc="$WINEPREFIX/drive_c/My Disc"
image="$WINEPREFIX/drive_c/My Disc.iso"
rm -rf "$disc" "$image"
mkdir -p "$disc/pages"
printf '<html><body><h1>My Disc</h1></body></html>\n' >"$disc/index.html"
printf '<html><body><p>More</p></body></html>\n' >"$disc/pages/more.html"
cp res/icons/logo.ico "$disc/logo.ico"
signals="$build/picture-signals"
rm -rf "$signals"
mkdir -p "$signals"

unset DISPLAY
XVFB_PID="" WM_PID="" DRIVER_PID=""
finish() {
  [ -n "$DRIVER_PID" ] && kill "$DRIVER_PID" 2>/dev/null
  wineserver -k 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  # Gone before the next walk starts its own display and window manager.
  wait $WM_PID $XVFB_PID 2>/dev/null
  return 0
}
trap finish EXIT
start_virtual_display
source tools/window-manager.sh
start_window_manager
# Without it the form has no title bar; a busy machine may take a while to start it.
for _ in $(seq 600); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  echo "The window manager (openbox) did not start on $DISPLAY: no pictures." >&2
  exit 1
fi

"$WINE" "$build/tools/pictures/picture_driver.exe" "$(windows_path "$build/dist")" 'C:\My Disc' \
  'C:\My Disc\logo.ico' 'C:\My Disc.iso' "$(windows_path "$signals")" >"$signals/driver.log" 2>&1 &
DRIVER_PID=$!

# The form's title carries the version that the build generated.
title="Plivora Assistant $(sed -n 's/^#define PLIVORA_VERSION "\(.*\)"$/\1/p' "$build/generated/plivora_version.h")"
# The window manager's frame around the form (its title bar above, a border as wide as
# the left one on the other sides), widened to the popups the driver names.
crop_geometry() {  # READY_FILE
  {
    xwininfo -name "$title" | awk '
      /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
      /Relative upper-left X/ {rx = $NF} /Relative upper-left Y/ {ry = $NF}
      /Width/ {w = $NF} /Height/ {h = $NF}
      END {print x - rx, y - ry, w + 2 * rx, h + ry + rx}'
    cat "$1"
  } | awk 'NF == 4 {
      if (n++ == 0 || $1 < l) l = $1; if (n == 1 || $2 < t) t = $2
      if (n == 1 || $1 + $3 > r) r = $1 + $3; if (n == 1 || $2 + $4 > b) b = $2 + $4 }
    END {print r - l "x" b - t "+" l "+" t}'
}

for entry in "${pictures[@]}"; do
  read -r state _ <<<"$entry"
  file=""
  for wanted in "${keep[@]}"; do
    read -r keepState keepFile _ <<<"$wanted"
    [ "$keepState" = "$state" ] && file=$keepFile
  done
  ready="$signals/$state.ready"
  for _ in $(seq 1200); do
    [ -f "$ready" ] && break
    kill -0 "$DRIVER_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -f "$ready" ]; then
    echo "No picture of \"$state\": the program never reached it." >&2
    cat "$signals/driver.log" >&2
    exit 1
  fi
  # The driver has seen every message handled; this lets the last paints reach the screen.
  sleep 0.5
  if xwininfo -name "$title" | grep -q 'Relative upper-left Y:  *0$'; then
    echo "The form has no title bar: the window manager did not frame it." >&2
    exit 1
  fi
  if [ -n "$file" ]; then
    mkdir -p "$(dirname "$docs/$file")"
    xwd -root -silent | convert xwd:- -crop "$(crop_geometry "$ready")" +repage "$docs/$file"
    echo "Saved $docs/$file ($state)"
  fi
  touch "$signals/$state.taken"
done
status=0
wait "$DRIVER_PID" || status=$?
DRIVER_PID=""
if [ $status -ne 0 ]; then
  cat "$signals/driver.log" >&2
  exit $status
fi
finish
XVFB_PID="" WM_PID=""
}

walk "$build/runprefix" "${pictures[@]}"
PLIVORA_WINE_SETTINGS=tools/scale-150.reg walk "$build/runprefix-150" "${pictures_150[@]}"
