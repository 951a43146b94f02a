# Sourced by scripts that show windows on a virtual display.
# start_window_manager: starts openbox on $DISPLAY unless a window manager runs there, and
# waits until it does; WM_PID is openbox's id, or empty when another was running. Without
# one, Wine waits 2 s for it whenever a window is hidden, and title bars are missing.
start_window_manager() {
  WM_PID=""
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
}
