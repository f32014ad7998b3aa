#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/) and runs every test there. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
export QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHERY_SANITIZE=ON -DGLYPHERY_TESTS=ON -DGLYPHERY_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan && ctest --output-on-failure -j"$(nproc)" "$@"
