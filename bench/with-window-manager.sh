#!/usr/bin/env bash
# Runs a command with a window manager on the current display, starting openbox when
# none runs: without one, Wine waits 2 s for it whenever a window is hidden, and a
# benchmark that closes a dialog would time that wait.
# Usage: with-window-manager.sh COMMAND [ARGS...]
set -u
WM_PID=""
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
fi
"$@"
status=$?
[ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
exit $status
