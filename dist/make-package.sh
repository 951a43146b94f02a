#!/usr/bin/env bash
# Packs a distribution folder: a zip of it and a Windows installer made with makensis.
# Both carry, beside the programs, a short ReadMe.txt and the user's guide as Guide.html
# with its pictures in guide\, made here from docs/guide.md.
# Usage: make-package.sh DIST_DIR OUT_DIR NSIS_TARGET VERSION
#   NSIS_TARGET: x86-unicode for the shipped 32-bit program, amd64-unicode for x86-64.
# Both packages are reproducible: the same folder gives the same bytes wherever and
# whenever it is packed. File times are SOURCE_DATE_EPOCH, by default the time of the
# sources' last commit.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
dist=$(readlink -f "$1")
out=$(readlink -m "$2")
target=$3
version=$4
name="PlivoraAssistant-$version"
[ "$target" = amd64-unicode ] && name="$name-x64"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 315532800)}
mkdir -p "$out"
rm -f "$out/$name.zip" "$out/$name-setup.exe"
# The packed folder gets fixed times and modes: the zip and the installer keep both.
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp -r "$dist" "$staging/$name"
"$here/add-documents.sh" "$here/.." "$staging/$name" "$staging/guide-pictures.nsh"
chmod -R u=rwX,go=rX "$staging/$name"
find "$staging/$name" -exec touch -h -d "@$epoch" {} +
# The zip holds the folder itself, so it unpacks into one folder of its own. Sorted
# names, no owner or extra time fields, times in UTC.
(cd "$staging" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$out/$name.zip")
makensis -V2 -NOCD -DDIST="$staging/$name" -DOUTFILE="$out/$name-setup.exe" -DTARGET="$target" \
  -DVERSION="$version" -DGUIDE_PICTURES="$staging/guide-pictures.nsh" "$here/plivora.nsi"
