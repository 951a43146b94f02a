#!/usr/bin/env bash
# Packs signed with a throwaway certificate, verifies every signature with it as the
# trusted root, and runs the package tests on the signed packages under Wine.
# Usage: signed_package_test.sh DIST NSIS_TARGET VERSION NAME SCRATCH WINE_RUN... PACKAGE_TESTS.exe
set -euo pipefail
source_dir=$(readlink -f "$(dirname "$0")/../..")
dist=$1 target=$2 version=$3 name=$4 scratch=$5
fail() { echo "FAILED: $*"; exit 1; }
rm -rf "$scratch" && mkdir -p "$scratch/refused" "$scratch/installed" && cd "$scratch"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Plivora Test Signer" \
  -addext extendedKeyUsage=codeSigning -keyout key.pem -out root.pem 2>/dev/null
echo "throwaway secret" >password && echo wrong >wrong
openssl pkcs12 -export -inkey key.pem -in root.pem -passout file:password -out signer.pfx
pack() {  # PASSWORD_FILE OUT_DIR
  PLIVORA_SIGN_PFX=$scratch/signer.pfx PLIVORA_SIGN_PASSWORD_FILE=$scratch/$1 \
    "$source_dir/dist/make-package.sh" "$dist" "$2" "$target" "$version" >"$2.log" 2>&1
}
verify() { for f in "$@"; do osslsigncode verify -CAfile root.pem -in "$f" >/dev/null || fail "$f unsigned"; done; }

touch "refused/$name.zip" "refused/$name-setup.exe"
! pack wrong refused || fail "a wrong password packed"
grep -q "Cannot sign PlivoraAssistant.exe: wrong password" refused.log || fail "no word of the wrong password"
[ -z "$(ls -A refused)" ] || fail "a refused packing left $(ls -A refused), made before or now"

pack password signed || { cat signed.log; fail "the signed packing failed"; }
! grep -q "throwaway secret" signed.log || fail "the password is in the log"
(cd signed && [ "$(wc -l <SHA256SUMS)" -eq 2 ] && sha256sum -c SHA256SUMS) || fail "SHA256SUMS"
! osslsigncode verify -in "$dist/Plivora.exe" >/dev/null 2>&1 || fail "the distribution folder was signed"
cmake -DPACKAGE_DIR="$scratch/signed" -DNAME="$name" -DDIST="$dist" -DINTO="$scratch/unzipped" \
  -P "$source_dir/dist/unpack-zip.cmake"
PLIVORA_PACKAGE_DIR=$scratch/signed PLIVORA_UNZIPPED_DIR=$scratch/unzipped PLIVORA_INSTALLED_COPY_DIR=$scratch/installed \
  "${@:6}" --gtest_brief=1 --gtest_filter='PackageTest.TheUnpacked*:PackageTest.Installs*'
mapfile -t programs < <(find unzipped installed -name '*.exe')
[ ${#programs[@]} -eq 7 ] || fail "found ${#programs[@]} of the 7 programs"
verify "signed/$name-setup.exe" "${programs[@]}"
