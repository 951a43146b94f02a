#!/usr/bin/env bash
# Fails unless a Windows program carries its application manifest: a resource of type
# RT_MANIFEST (24) that asks for the user's own rights and the version 6 common controls,
# and declares the program aware of each display's scale (per monitor, and system-wide for
# Windows 7 to 8.1).
# Usage: check-manifest.sh OBJDUMP PROGRAM.exe
set -u
objdump=$1 program=$2
name=$(basename "$program")
types=$("$objdump" -p "$program" |
  awk '/The .rsrc Resource Directory section/ {on = 1} on && /^[0-9a-f]+   Entry: ID:/ {sub(",", "", $4); print $4}')
grep -qx '0x000018' <<<"$types" || { echo "$name has no manifest resource"; exit 1; }
for needed in 'level="asInvoker"' 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
              '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' \
              '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true</dpiAware>' \
              '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>'; do
  grep -aqF "$needed" "$program" || { echo "$name's manifest lacks $needed"; exit 1; }
done
echo "$name carries its manifest"
