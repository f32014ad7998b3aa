#!/usr/bin/env bash
# Builds Glyphery (installing what is missing) and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/deps.sh
export QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHERY_TESTS=ON -DGLYPHERY_BENCH=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test && ctest --output-on-failure -j"$(nproc)" "$@"
