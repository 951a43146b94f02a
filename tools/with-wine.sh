#!/usr/bin/env bash
# Runs a command (usually ctest) inside one Wine session of a build folder: a private
# prefix, a virtual display when none is set, and a persistent wineserver that has run
# one program already, so each test program starts in a fraction of a second.
# Usage: with-wine.sh BUILD_DIR ARCH COMMAND [ARGS...]
#
# The session's fault drive is a tmpfs mount, which needs root. Anyone else gets the
# whole session (the mount, the display, wineserver, the command, the unmount) inside a
# user and mount namespace of their own, where they are root and the mount exists; Wine
# runs as uid 0 there, and the files it writes belong to the user outside. Where user
# namespaces are forbidden, the session runs as it is and the tests that need the drive
# fail and say why.
set -u
here=$(dirname "$(readlink -f "$0")")
if [ "$(id -u)" -ne 0 ] && [ -z "${PLIVORA_WINE_NAMESPACE:-}" ]; then
  if refusal=$(unshare --user --map-root-user --mount true 2>&1); then
    exec env PLIVORA_WINE_NAMESPACE=1 unshare --user --map-root-user --mount "$0" "$@"
  fi
  export PLIVORA_NO_ROOT_WHY="not root, and no user namespace to be root in (${refusal:-unshare failed})"
fi
if [ -n "${PLIVORA_WINE_NAMESPACE:-}" ]; then
  # Wine keeps its server's socket in /tmp/.wine-<uid>: as uid 0 here it would take the
  # real root's, so this session gets a /tmp of its own.
  mount -t tmpfs -o mode=1777 plivora-tmp /tmp
fi
build=$(readlink -f "$1")
source "$here/wine-env.sh" "$build/wineprefix" "$2"
source "$here/fault-drive.sh"
shift 2
wine_prefix_ready || exit 1
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
