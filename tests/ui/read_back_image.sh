#!/usr/bin/env bash
# The image the real Save As dialog wrote under Wine, read back on the host by xorriso:
# the Joliet tree must give back the source folder's names and bytes exactly, the
# primary tree the same files' bytes under their short names.
# Usage: read_back_image.sh FOLDER (holding real_dialog.iso and source/)
set -eu
folder=$1
image=$folder/real_dialog.iso source=$folder/source
[ -f "$image" ] || { echo "no image at $image: the Wine test did not write one"; exit 1; }
out=$(mktemp -d)
# The extracted folders keep the disc's read-only modes, which only root may ignore.
trap 'chmod -R u+w "$out" 2>/dev/null; rm -rf "$out"' EXIT

extract() {  # tree folder [xorriso options]
  local tree=$1
  shift
  xorriso -report_about WARNING -local_charset UTF-8 -return_with WARNING 32 "$@" -indev "$image" \
    -osirrox on -extract / "$out/$tree" >"$out/$tree.log" 2>&1 || { cat "$out/$tree.log"; exit 1; }
}
contents() { (cd "$1" && find . -type f -exec sha256sum {} + | cut -d' ' -f1 | sort); }

extract joliet
diff -r "$source" "$out/joliet"
extract primary -read_fs ecma119 -ecma119_map stripped
diff <(contents "$source") <(contents "$out/primary")
echo "xorriso read back $(find "$source" | wc -l) names and their bytes from $image"
