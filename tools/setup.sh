#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12. Safe to run again:
# when everything is present it only checks and returns.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
          g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64
          xvfb xauth x11-apps x11-utils openbox imagemagick zip nsis osslsigncode openssl xorriso fonts-wine cmark)
# Wine's 32-bit loader runs the shipped build's tests; without it the x86-64 build's
# tests stand in, so it is installed separately and may be missing.
optional=(wine32:i386)

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_optional < <(missing_of "${optional[@]}")
# An optional package that could not be installed is tried once per build folder, not on
# every make (each try updates the package lists and, for a normal user, asks for sudo).
tried_optional="$(dirname "$(readlink -f "$0")")/../build/.optional-packages-tried"
if [ ${#missing[@]} -eq 0 ] && [ -f "$tried_optional" ]; then missing_optional=(); fi
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror in the middle of a sync fails one list; what the others brought still serves.
$sudo apt-get update -qq || echo "Some package lists could not be updated; carrying on with the rest."
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if [ ${#missing_optional[@]} -gt 0 ]; then
  echo "Installing: ${missing_optional[*]}"
  if ! $sudo apt-get install -y -qq --no-install-recommends "${missing_optional[@]}" >/dev/null; then
    echo "Could not install ${missing_optional[*]}; the x86-64 build's Windows tests will stand in for the 32-bit ones."
    echo "(Tried again after make clean.)"
    mkdir -p "$(dirname "$tried_optional")" && touch "$tried_optional"
  fi
fi
