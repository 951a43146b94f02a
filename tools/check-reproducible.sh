#!/usr/bin/env bash
# Builds the shipped programs and their packages twice, here and from a copy of the
# sources in another folder without the compiler cache, and compares them byte by byte.
# Only the programs are built a second time, never the tests.
# Usage: check-reproducible.sh BUILD_DIR PACKAGE_DIR VERSION
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
source_dir=$(readlink -f "$here/..")
build=$(readlink -m "$1")
package=$(readlink -m "$2")
version=$3
programs=(PlivoraAssistant plivora_launcher)
# Both packings take their file times from the sources' last commit. Only they: the
# linker would take its time stamp from it too and hide a build time in the programs.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}
unset SOURCE_DATE_EPOCH
# Signatures carry their signing time: both packings are unsigned.
unset PLIVORA_SIGN_PFX PLIVORA_SIGN_PASSWORD_FILE PLIVORA_TIMESTAMP_URL
pack() { SOURCE_DATE_EPOCH=$epoch "$source_dir/dist/make-package.sh" "$1" "$2" x86-unicode "$version"; }

cmake --build "$build" -j "$(nproc)" --target "${programs[@]}" >/dev/null
pack "$build/dist" "$package"

other=$(mktemp -d "${TMPDIR:-/tmp}/plivora-second-build.XXXXXX")
trap 'rm -rf "$other"' EXIT
# The sources as they stand, tracked or new, without what git ignores (the builds).
git -C "$source_dir" ls-files -z --cached --others --exclude-standard |
  tar -C "$source_dir" --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -C "$other" -xf -
cmake -S "$other" -B "$other/build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$other/tools/toolchain-i686-mingw.cmake" -DPLIVORA_COMPILER_CACHE=OFF >/dev/null
cmake --build "$other/build" -j "$(nproc)" --target "${programs[@]}" >/dev/null
pack "$other/build/dist" "$other/package"

status=0
compare() {  # FOLDER_A FOLDER_B
  local a=$1 b=$2 file
  if ! diff <(cd "$a" && find . -type f | LC_ALL=C sort) <(cd "$b" && find . -type f | LC_ALL=C sort) >/dev/null; then
    echo "Different files in $a and $b"
    status=1
    return
  fi
  while IFS= read -r file; do
    if cmp -s "$a/$file" "$b/$file"; then
      echo "same      $(sha256sum <"$a/$file" | cut -c1-64)  ${file#./}"
    else
      echo "DIFFERENT ${file#./}: $(cmp -l "$a/$file" "$b/$file" | wc -l || true) bytes differ, the first at:"
      cmp -l "$a/$file" "$b/$file" | head -5 || true
      status=1
    fi
  done < <(cd "$a" && find . -type f | LC_ALL=C sort)
}
echo "Second build in $other, without the compiler cache:"
compare "$build/dist" "$other/build/dist"
compare "$package" "$other/package"
# SHA256SUMS was compared with the rest; it must also name this packing's packages.
(cd "$package" && sha256sum --check --quiet SHA256SUMS) || { echo "SHA256SUMS does not match the packages"; status=1; }
[ $status -eq 0 ] && echo "The programs and packages are reproducible." || echo "The second build differs."
exit $status
