#!/usr/bin/env bash
# Prints the Windows build whose programs this machine runs under Wine, and its Wine
# architecture: "build/win win32" (the shipped build) where 32-bit programs start, else
# "build/win64 win64".
if "$(dirname "$(readlink -f "$0")")/can-run-win32.sh"; then
  echo "build/win win32"
else
  echo "build/win64 win64"
fi
