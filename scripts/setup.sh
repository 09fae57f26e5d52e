#!/usr/bin/env bash
# Installs every Debian package that building, testing and looking at Zonalyst needs.
# Idempotent: packages already present are left alone, so it is safe to run twice.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  lld  # links the tests' sanitizer build several times faster than the default linker
  qt6-base-dev
  qt6-image-formats-plugins  # TIFF photographs
  qt6-multimedia-dev qt6-serialport-dev  # the live tester: camera and dial indicator
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good  # Qt Multimedia's backend and USB cameras (v4l2src)
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fontconfig
  xvfb xauth imagemagick x11-apps xdotool
  xdg-utils desktop-file-utils shared-mime-info libglib2.0-bin
  libgif-dev
  dpkg-dev
  clang clang-format  # clang-format: the format check of scripts/test.sh
  # the Windows command line: the cross-compiler, GoogleTest's sources, Wine to run the tests
  g++-mingw-w64-x86-64-posix wine64 googletest
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "setup: installing ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
