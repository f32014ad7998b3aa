#!/usr/bin/env bash
# Builds Glyphery (installing what is missing) and runs every test headless,
# three times over: the whole suite in the normal build (build-test/), the
# whole suite again with AddressSanitizer and UBSan (build-asan/, as
# tools/sanitize.sh), and a short run of every fuzz target built with clang
# (build-fuzz/, GLYPHERY_FUZZ_RUNS inputs from a fixed seed each). Extra arguments go to every ctest
# run. GLYPHERY_QUICK=1 stops after the normal build's tests.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/deps.sh
export QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null
jobs=$(nproc)
step() { printf '\n== %s (%s)\n' "$1" "$(date +%T)"; }

step "normal build and tests"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHERY_TESTS=ON -DGLYPHERY_BENCH=ON >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs" "$@")

step "installed files and the Debian package"
prefix=$(mktemp -d)
cmake --install build-test --prefix "$prefix" >/dev/null
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml
desktop-file-validate "$prefix"/share/applications/*.desktop
rm -rf "$prefix"
(cd build-test && rm -f glyphery_*.deb && cpack -G DEB >/dev/null && dpkg-deb --field glyphery_*.deb Package Version Depends)
[ "${GLYPHERY_QUICK:-0}" = 1 ] && exit 0

step "AddressSanitizer and UBSan build and tests"
# Line tables are all a sanitizer's report needs, and -O1 compiles faster.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
      -DGLYPHERY_SANITIZE=ON -DGLYPHERY_TESTS=ON -DGLYPHERY_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
# The sanitizers look at the same code paths three or four times slower: the
# soak plays one hand of 500 random events per game here (the normal pass:
# three of 1,000), and what only checks the layout at many window sizes, a
# saved hand played on beside the original, and the program killed and
# started again run in the normal pass only.
(cd build-asan && GLYPHERY_SOAK_HANDS="${GLYPHERY_SOAK_HANDS:-1}" GLYPHERY_SOAK_EVENTS="${GLYPHERY_SOAK_EVENTS:-500}" \
     ctest --output-on-failure -j"$jobs" \
     -E 'GameContract\.(Every|ALong)|Soak\.ASavedHandPlaysOnAlike|ResumeAfterKill' "$@")

step "fuzz targets (clang), short run"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DGLYPHERY_FUZZ=ON \
      -DGLYPHERY_TESTS=OFF -DGLYPHERY_BENCH=OFF -DGLYPHERY_FUZZ_SECONDS="${GLYPHERY_FUZZ_SECONDS:-120}" -DGLYPHERY_FUZZ_RUNS="${GLYPHERY_FUZZ_RUNS:-800}" >/dev/null
cmake --build build-fuzz -j"$jobs" --target glyphery-fuzz
(cd build-fuzz && ctest -L fuzz --output-on-failure -j"$jobs" "$@")
step "done"
