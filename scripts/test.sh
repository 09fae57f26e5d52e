#!/usr/bin/env bash
# Sets up, builds Zonalyst with warnings as errors and the address and undefined-behaviour
# sanitizers, and runs every test (the window's under the offscreen platform); then builds
# the part without Qt for Windows and runs its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
./scripts/check-format.sh
./scripts/check-includes.sh
# Line tables are all a sanitizer's report needs, and lld links faster: the build then takes
# about a sixth less time.
cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DZONALYST_WERROR=ON -DZONALYST_SANITIZE=ON \
  -DZONALYST_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld \
  -DCMAKE_SHARED_LINKER_FLAGS=-fuse-ld=lld > /dev/null
cmake --build build-check -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-check --output-on-failure -j"$(nproc)"
./scripts/test-windows.sh
