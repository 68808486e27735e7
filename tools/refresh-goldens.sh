#!/bin/sh
# Re-renders every golden image listed in tests/golden/goldens.txt with the
# given okit binary. Look at the new images before committing them.
set -e
okit=${1:-build/okit}
cd "$(dirname "$0")/../tests/golden"
grep -v '^#' goldens.txt | while read -r form state scale image; do
  [ -n "$form" ] || continue
  if [ "$state" = "-" ]; then
    "../../$okit" render "$form" -o "$image" --scale "$scale"
  else
    "../../$okit" render "$form" -o "$image" --scale "$scale" --state "$state"
  fi
done
