#!/bin/sh
# With no fallback fonts installed, a form in many scripts still renders:
# what no face has shows as boxes, and each script that fell back to boxes
# is named once on standard error.
# Usage: missing_fonts.sh OKIT FORM
set -eu
okit=$1 form=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
FONTCONFIG_FILE=$(cd "$(dirname "$0")" && pwd)/no-fonts.conf "$okit" render "$form" -o "$work/boxes.png" 2>"$work/stderr"
[ -s "$work/boxes.png" ] || { echo "no image rendered" >&2; exit 1; }
for script in Han Hangul Arabic Hebrew Devanagari; do
  count=$(grep -c "^okit: warning: no installed font has $script characters (U+[0-9A-F]*); they show as boxes$" "$work/stderr" || true)
  [ "$count" = 1 ] || { echo "expected one warning for $script, got $count:" >&2; cat "$work/stderr" >&2; exit 1; }
done
