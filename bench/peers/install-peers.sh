#!/bin/sh
# Installs the toolkits the peer programs in this folder are built with:
# GTK 3, Qt 6 Widgets (the newest Qt Debian has) and FLTK 1.3.
# tools/install-deps.sh leaves them out on purpose: only this comparison
# needs them. (The probe's X libraries come with tools/install-deps.sh.)
set -e
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
  libgtk-3-dev qt6-base-dev libfltk1.3-dev
