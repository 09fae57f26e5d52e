#!/usr/bin/env bash
# Sets up, builds Zonalyst and runs its main job on a bundled example: the window on
# the test where a display exists, the headless report otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j"$(nproc)" --target zonalyst-cli zonalyst

example="examples/foucault2-becoulet200-moving-4sets.fdr"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/bin/zonalyst ]; then
  exec build/bin/zonalyst "$example"
fi
exec build/bin/zonalyst-cli report "$example"
