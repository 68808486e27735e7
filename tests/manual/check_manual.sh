#!/bin/sh
# The manual page renders without a warning from man's formatter and
# describes every command the program lists.
#
# usage: check_manual.sh OKIT MANUAL
set -eu
OKIT=$1
MANUAL=$2
warnings=$(man --warnings -l "$MANUAL" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
  echo "$MANUAL: man warns:" >&2
  echo "$warnings" >&2
  exit 1
fi
page=$(MANWIDTH=200 man -l "$MANUAL" 2>/dev/null)
for command in $("$OKIT" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF > 1 { print $1 }'); do
  if ! echo "$page" | grep -q "okit $command"; then
    echo "$MANUAL does not describe okit $command" >&2
    exit 1
  fi
done
echo "manual page: renders without warnings and describes every command"
