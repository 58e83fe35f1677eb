#!/bin/bash
# Every picture in the source tree has its origin and licence in debian/copyright, in a
# stanza of its own: the catch-all "*" of the code says nothing about where a picture came from.
# $1: the source folder.
set -euo pipefail
cd "$1"

# The file patterns of the "Files:" fields, one a line, without the catch-all.
muster=$(awk '/^Files:/ { feld = 1; sub(/^Files:/, ""); print; next }
              /^[^ ]/   { feld = 0 }
              feld      { print }' debian/copyright | tr -s ' \t' '\n' | sed -e '/^$/d' -e '/^\*$/d')

fehlt=0
while IFS= read -r bild; do
    bild=${bild#./}
    gefunden=0
    while IFS= read -r m; do
        # shellcheck disable=SC2053 # the pattern is a glob on purpose
        [[ $bild == $m ]] && gefunden=1 && break
    done <<<"$muster"
    [ $gefunden = 1 ] || { echo "FEHLER: $bild fehlt in debian/copyright" >&2; fehlt=1; }
done < <(find . \( -name .git -o -name 'build*' \) -prune -o -type f \
    \( -iname '*.png' -o -iname '*.svg' -o -iname '*.jpg' -o -iname '*.jpeg' -o -iname '*.gif' \
       -o -iname '*.ico' -o -iname '*.xpm' -o -iname '*.bmp' \) -print)
exit $fehlt
