#!/usr/bin/env bash
# Signs one Windows program with Authenticode (SHA-256) through osslsigncode, in place.
# Usage: sign-file.sh FILE
#   PLIVORA_SIGN_PFX            the PKCS#12 file of the code-signing certificate
#   PLIVORA_SIGN_PASSWORD_FILE  a file holding its password
#   PLIVORA_TIMESTAMP_URL       optional: an RFC 3161 time-stamp server
# The password reaches osslsigncode as a file name only, so neither `ps` nor the build's
# log shows it. make-package.sh runs this on the staged programs, makensis on the
# uninstaller and the installer it writes.
set -euo pipefail
file=$1
pfx=${PLIVORA_SIGN_PFX:-}
password=${PLIVORA_SIGN_PASSWORD_FILE:-}
stop() { echo "Cannot sign $(basename "$file"): $*" >&2; exit 1; }
[ -n "$pfx" ] && [ -n "$password" ] || stop "set both PLIVORA_SIGN_PFX and PLIVORA_SIGN_PASSWORD_FILE."
[ -r "$pfx" ] && [ -f "$pfx" ] || stop "cannot read the certificate file $pfx."
[ -r "$password" ] && [ -f "$password" ] || stop "cannot read the password file $password."

# osslsigncode writes only a new file, never over its input: the signed copy is made
# beside the file and then takes its place.
scratch=$(mktemp -d "$file.signing.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
signed="$scratch/signed"
options=(sign -pkcs12 "$pfx" -readpass "$password" -h sha256 -n "Plivora Assistant")
[ -z "${PLIVORA_TIMESTAMP_URL:-}" ] || options+=(-ts "$PLIVORA_TIMESTAMP_URL")
if ! said=$(osslsigncode "${options[@]}" -in "$file" -out "$signed" 2>&1); then
  # Say why in words: openssl reads the certificate file the same way.
  if openssl pkcs12 -in "$pfx" -passin "file:$password" -nokeys -noout 2>/dev/null; then
    reason="the certificate opens, but osslsigncode failed"
    [ -z "${PLIVORA_TIMESTAMP_URL:-}" ] || reason="$reason (is the time-stamp server $PLIVORA_TIMESTAMP_URL reachable?)"
  elif openssl pkcs12 -legacy -in "$pfx" -passin "file:$password" -nokeys -noout 2>/dev/null; then
    reason="$pfx uses the old RC2-40 cipher; export it again with AES (see Releasing in the README)"
  else
    reason="wrong password in $password, or $pfx is not a PKCS#12 file"
  fi
  printf '%s\n' "$said" >&2
  stop "$reason."
fi
chmod --reference="$file" "$signed"
mv -f "$signed" "$file"
