# Sourced by with-wine.sh: drive E: of the Wine session is a 1 MB tmpfs, so that tests
# can fill it and see what a full disk does to the programs. Wine calls it removable, as
# a USB stick is, so that tests see that too. Mounting needs root: with-wine.sh runs a
# normal user's session in a user namespace where the user is root; where that is
# forbidden, the tests that need the drive fail and say why.
# Usage: mount_fault_drive BUILD_DIR (after the prefix exists, before wineserver starts);
#        unmount_fault_drive (after wineserver has ended).
FAULT_DRIVE_DIR=""

mount_fault_drive() {
  local dir="$1/fault-drive" reason
  mkdir -p "$dir"
  mountpoint -q "$dir" && umount "$dir" 2>/dev/null
  if reason=$(mount -t tmpfs -o size=1m,mode=0777 plivora-fault "$dir" 2>&1); then
    FAULT_DRIVE_DIR="$dir"
    export PLIVORA_FAULT_DRIVE="E:"
    unset PLIVORA_FAULT_DRIVE_UNAVAILABLE
  else
    export PLIVORA_FAULT_DRIVE_UNAVAILABLE="a 1 MB tmpfs could not be mounted at $dir: ${reason:-mount failed}${PLIVORA_NO_ROOT_WHY:+ ($PLIVORA_NO_ROOT_WHY)}"
  fi
  ln -sfn "$dir" "$WINEPREFIX/dosdevices/e:"
  # Once per prefix; Wine reads drive types when its session starts.
  if ! grep -qs '^"e:"="floppy"' "$WINEPREFIX/system.reg"; then
    "$WINE" reg add 'HKLM\Software\Wine\Drives' /v e: /d floppy /f >/dev/null 2>&1
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
}

unmount_fault_drive() {
  # Lazily: a program Wine ended a moment ago may still hold a file there.
  [ -n "$FAULT_DRIVE_DIR" ] && umount -l "$FAULT_DRIVE_DIR" 2>/dev/null
  FAULT_DRIVE_DIR=""
}
