# Sourced by the Wine scripts: the private prefix of one build folder.
# Usage: source wine-env.sh PREFIX_DIR ARCH   (ARCH: win32 or win64)
export WINEPREFIX="$(readlink -m "$1")"
export WINEARCH="$2"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs; and no menu builder, which would put the prefix's
# Start-menu entries and file types into the user's own desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine names Linux files in the locale's character set: in a plain "C" locale (a fresh
# account, a job without a login) a name outside ASCII cannot be written at all.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
  export LC_ALL=C.UTF-8
fi
if [ "$WINEARCH" = win64 ]; then
  # Call the 64-bit loader directly: the wrapper prefers the 32-bit one, which
  # kernels without 32-bit support cannot start.
  WINE=/usr/lib/wine/wine64
  export WINELOADER=$WINE
else
  WINE=wine
fi

# Wine's own fonts (Debian's fonts-wine): "MS Sans Serif", which the forms are drawn in,
# System, which a device context draws in by default (the guidance band's title), and
# Marlett, the system menu's glyphs. Wine does not look in the package's folder and falls
# back to wider fonts that clip the captions and titles; a copy in the prefix's Fonts
# folder is found, by new and older prefixes.
wine_fonts_installed() {
  local from=/usr/share/wine/fonts to="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$to/sserife.fon" ] && [ -f "$to/vgasys.fon" ] && [ -f "$to/marlett.ttf" ] && return 0
  if [ ! -f "$from/sserife.fon" ]; then
    echo "Wine's own fonts are missing (Debian package fonts-wine): captions will clip." >&2
    return 0
  fi
  mkdir -p "$to"
  cp "$from"/ss*.fon "$from/ms_sans_serif.ttf" "$from/vgasys.fon" "$from/system.ttf" "$from/marlett.ttf" "$to/"
}

# Creates the prefix once; concurrent callers wait for the first.
wine_prefix_ready() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.plivora-ready" ]; then
      # A half-made prefix is made anew; a build folder given by mistake is never removed.
      if [ -f "$WINEPREFIX/CMakeCache.txt" ]; then
        echo "$WINEPREFIX is not a Wine prefix; not touching it." >&2
        exit 1
      fi
      rm -rf "$WINEPREFIX"
      "$WINE" wineboot --init >/dev/null 2>&1
      wineserver -w
      # Settings a prefix of its own starts with (a display scale, a colour scheme), read
      # by Wine's server and programs when they start.
      if [ -n "${PLIVORA_WINE_SETTINGS:-}" ]; then
        "$WINE" regedit /S "Z:$(readlink -f "$PLIVORA_WINE_SETTINGS")" >/dev/null 2>&1
        wineserver -w
      fi
      [ -d "$WINEPREFIX/drive_c" ] && touch "$WINEPREFIX/.plivora-ready"
    fi
    [ -f "$WINEPREFIX/.plivora-ready" ] && wine_fonts_installed
  ) 9>"$WINEPREFIX.lock"
}

# Starts Xvfb when no display is set.
start_virtual_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}
