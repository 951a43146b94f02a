#!/usr/bin/env bash
# Adds the words to a folder being packed: ReadMe.txt in Windows' line ends, and the
# user's guide as Guide.html (converted by cmark, which gives the same bytes for the same
# text) with the pictures it shows in guide\. Writes an installer include that installs
# and removes exactly those pictures.
# Usage: add-documents.sh SOURCE_DIR PACKED_FOLDER PICTURES_NSH
set -euo pipefail
source_dir=$(readlink -f "$1")
folder=$2
nsh=$3
guide="$source_dir/docs/guide.md"
if ! command -v cmark >/dev/null; then
  echo "cmark is missing (Debian package cmark): it turns docs/guide.md into Guide.html." >&2
  exit 1
fi

sed 's/\r$//; s/$/\r/' "$source_dir/dist/ReadMe.txt" >"$folder/ReadMe.txt"

# The pictures are the ones the guide names, all in docs/guide/, so that the page finds
# them in guide\ beside it.
mapfile -t pictures < <(grep -o '](guide/[^)]*)' "$guide" | sed 's/^](//; s/)$//' | LC_ALL=C sort -u)
mkdir -p "$folder/guide"
{
  echo '!macro InstallGuidePictures'
  echo '  SetOutPath "$INSTDIR\guide"'
} >"$nsh"
remove='!macro RemoveGuidePictures'
for picture in "${pictures[@]}"; do
  name=${picture#guide/}
  case "$name" in */* | *' '* | '')
    echo "The guide's picture $picture is not a plain name in docs/guide/." >&2
    exit 1 ;;
  esac
  if [ ! -f "$source_dir/docs/$picture" ]; then
    echo "The guide shows docs/$picture, which does not exist (make pictures takes it)." >&2
    exit 1
  fi
  cp "$source_dir/docs/$picture" "$folder/guide/$name"
  echo "  File \"$folder/guide/$name\"" >>"$nsh"
  remove+=$'\n'"  Delete \"\$INSTDIR\\guide\\$name\""
done
{
  echo '!macroend'
  echo "$remove"
  echo '  RMDir "$INSTDIR\guide"'
  echo '!macroend'
} >>"$nsh"

title=$(sed -n '1s/^# //p' "$guide")
{
  printf '<!DOCTYPE html>\r\n<html lang="en">\r\n<head>\r\n<meta charset="utf-8">\r\n'
  printf '<title>%s</title>\r\n' "$title"
  printf '<style>body{font-family:Segoe UI,Tahoma,sans-serif;max-width:46em;margin:1em auto;padding:0 1em;line-height:1.45}'
  printf 'img{max-width:100%%;border:1px solid #999}code{background:#eee}</style>\r\n'
  printf '</head>\r\n<body>\r\n'
  cmark --to html "$guide" | sed 's/$/\r/'
  printf '</body>\r\n</html>\r\n'
} >"$folder/Guide.html"
