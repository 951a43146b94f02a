#!/usr/bin/env bash
# Runs a command with a window manager on the current display: a benchmark that closes a
# dialog would otherwise time Wine's wait for one.
# Usage: with-window-manager.sh COMMAND [ARGS...]
set -u
source "$(dirname "$(readlink -f "$0")")/../tools/window-manager.sh"
start_window_manager
"$@"
status=$?
[ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
exit $status
