#!/bin/sh
# Re-renders every golden image listed in tests/golden/goldens.txt with the
# given okit binary, then the contact sheet's goldens and the README's
# picture of it. A scenario line runs the scenario, whose closing
# snapshot writes IMAGE.actual.png, and keeps that as the new golden. Look at
# the new images before committing them.
set -e
okit=${1:-build/okit}
case "$okit" in /*) ;; *) okit="$(pwd)/$okit" ;; esac
cd "$(dirname "$0")/../tests/golden"
grep -v '^#' goldens.txt | while read -r source state scale image; do
  [ -n "$source" ] || continue
  case "$source" in
    *.scn)
      actual="${image%.png}.actual.png"
      rm -f "$actual"
      "$okit" script "$source" > /dev/null
      mv "$actual" "$image"
      echo "okit: refreshed $image from $source"
      ;;
    *)
      if [ "$state" = "-" ]; then
        "$okit" render "$source" -o "$image" --scale "$scale"
      else
        "$okit" render "$source" -o "$image" --scale "$scale" --state "$state"
      fi
      ;;
  esac
done
cd ../..
for sheet in tests/golden/sheet.png docs/images/sheet.png; do
  "$okit" sheet -o "$sheet"
done
"$okit" sheet -o tests/golden/sheet_2x.png --scale 2
