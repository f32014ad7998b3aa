#!/usr/bin/env bash
# Builds Glyphery (installing what is missing) and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHERY_TESTS=OFF -DGLYPHERY_BENCH=OFF >/dev/null
cmake --build build --target glyphery -j"$(nproc)"
cd build && exec ./glyphery "$@"
