#!/usr/bin/env bash
# Packs a distribution folder: a zip of it and a Windows installer made with makensis.
# Both carry, beside the programs, a short ReadMe.txt and the user's guide as Guide.html
# with its pictures in guide\, made here from docs/guide.md.
# Usage: make-package.sh DIST_DIR OUT_DIR NSIS_TARGET VERSION
#   NSIS_TARGET: x86-unicode for the shipped 32-bit program, amd64-unicode for x86-64.
# Both packages are reproducible: the same folder gives the same bytes wherever and
# whenever it is packed. File times are SOURCE_DATE_EPOCH, by default the time of the
# sources' last commit. SHA256SUMS beside them holds their sums, as sha256sum -c reads them.
# With PLIVORA_SIGN_PFX and PLIVORA_SIGN_PASSWORD_FILE set (see sign-file.sh), the
# programs, the uninstaller and the installer are signed; DIST_DIR itself stays as it is.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
dist=$(readlink -f "$1")
out=$(readlink -m "$2")
target=$3
version=$4
name="PlivoraAssistant-$version"
[ "$target" = amd64-unicode ] && name="$name-x64"
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 315532800)}
sign=""
[ -z "${PLIVORA_SIGN_PFX:-}${PLIVORA_SIGN_PASSWORD_FILE:-}" ] || sign="$here/sign-file.sh"
mkdir -p "$out"
# SHA256SUMS keeps the lines of other packages in the folder.
sums="$out/SHA256SUMS"
other_sums=$([ ! -f "$sums" ] || awk -v a="$name.zip" -v b="$name-setup.exe" '$2 != a && $2 != b' "$sums")
rm -f "$out/$name.zip" "$out/$name-setup.exe" "$sums"
[ -z "$other_sums" ] || printf '%s\n' "$other_sums" >"$sums"
# A packing that fails leaves no package: a failed signature of the installer leaves a
# whole-looking one, and the zip is made before the installer.
staging=$(mktemp -d)
trap 'status=$?; rm -rf "$staging"
  if [ $status -ne 0 ]; then rm -f "$out/$name.zip" "$out/$name-setup.exe"; echo "Packing failed: no package made." >&2; fi' EXIT
# The packed folder gets fixed times and modes: the zip and the installer keep both.
cp -r "$dist" "$staging/$name"
"$here/add-documents.sh" "$here/.." "$staging/$name" "$staging/guide-pictures.nsh"
# Signed once here, so that every copy in both packages carries the signature.
if [ -n "$sign" ]; then
  "$sign" "$staging/$name/PlivoraAssistant.exe"
  "$sign" "$staging/$name/Plivora.exe"
  cp "$staging/$name/Plivora.exe" "$staging/$name/Backup/Plivora.exe"
fi
chmod -R u=rwX,go=rX "$staging/$name"
find "$staging/$name" -exec touch -h -d "@$epoch" {} +
# The zip holds the folder itself, so it unpacks into one folder of its own. Sorted
# names, no owner or extra time fields, times in UTC.
(cd "$staging" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -@ "$out/$name.zip")
makensis -V2 -NOCD -DDIST="$staging/$name" -DOUTFILE="$out/$name-setup.exe" -DTARGET="$target" \
  -DVERSION="$version" -DGUIDE_PICTURES="$staging/guide-pictures.nsh" ${sign:+-DSIGN="$sign"} \
  "$here/plivora.nsi"
# Taken last, so that they are the sums of the signed packages.
(cd "$out" && sha256sum "$name.zip" "$name-setup.exe") >>"$sums"
