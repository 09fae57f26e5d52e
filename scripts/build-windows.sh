#!/usr/bin/env bash
# Cross-builds the Windows command line, build-windows/bin/zonalyst-cli.exe: one file that
# runs alone, without Qt (no window, no pictures). Arguments go to CMake's configure step
# (scripts/test-windows.sh adds the tests with -DZONALYST_BUILD_TESTS=ON).
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DZONALYST_BUILD_GUI=OFF -DZONALYST_BUILD_TESTS=OFF -DZONALYST_BUILD_BENCH=OFF -DZONALYST_WERROR=ON "$@" > /dev/null
cmake --build build-windows -j"$(nproc)"
echo "build-windows/bin/zonalyst-cli.exe"
