#!/bin/sh
# Installs what OpalineKit needs to build, test and run on Debian.
set -e
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
  cmake g++ clang make pkg-config \
  libfreetype-dev fonts-wine libpng-dev \
  libgtest-dev libgmock-dev libbenchmark-dev help2man man-db \
  libsdl2-dev libx11-dev libpixman-1-dev xvfb xauth xdotool imagemagick \
  libxtst-dev libxdamage-dev \
  libharfbuzz-dev libfribidi-dev libicu-dev libfontconfig-dev \
  fonts-droid-fallback fonts-wqy-microhei fonts-noto-core fonts-dejavu-core \
  libatk1.0-dev libatk-bridge2.0-dev at-spi2-core dbus python3-pyatspi \
  emscripten chromium chromium-driver python3-selenium
