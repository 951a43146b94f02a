#!/usr/bin/env bash
# Packs a distribution folder: a zip of it and a Windows installer made with makensis.
# Usage: make-package.sh DIST_DIR OUT_DIR NSIS_TARGET VERSION
#   NSIS_TARGET: x86-unicode for the shipped 32-bit program, amd64-unicode for x86-64.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
dist=$(readlink -f "$1")
out=$(readlink -m "$2")
target=$3
version=$4
name="PlivoraAssistant-$version"
[ "$target" = amd64-unicode ] && name="$name-x64"
mkdir -p "$out"
rm -f "$out/$name.zip" "$out/$name-setup.exe"
# The zip holds the folder itself, so it unpacks into one folder of its own.
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp -r "$dist" "$staging/$name"
(cd "$staging" && cmake -E tar cf "$out/$name.zip" --format=zip "$name")
makensis -V2 -NOCD -DDIST="$dist" -DOUTFILE="$out/$name-setup.exe" -DTARGET="$target" \
  -DVERSION="$version" "$here/plivora.nsi"
