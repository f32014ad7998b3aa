#!/usr/bin/env bash
# The long soak: every game the factory makes, 20 hand numbers x 5,000 random
# events each (100,000 events per game), as many games at a time as there are
# cores. Must pass before an issue that adds a game is resolved.
#   tools/soak.sh                      # every game
#   tools/soak.sh 2 5                  # only games 2 and 5
#   GLYPHERY_SOAK_EVENTS=20000 tools/soak.sh 2
# Each game's log goes to build-test/soak/game<ID>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${GLYPHERY_BUILD_DIR:-build-test}
if [ ! -x "$build/glyphery_system_tests" ]; then
    cmake -S . -B "$build" -DGLYPHERY_TESTS=ON -DGLYPHERY_BENCH=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" --target glyphery_system_tests
fi
export QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null
export GLYPHERY_SOAK_HANDS=${GLYPHERY_SOAK_HANDS:-20} GLYPHERY_SOAK_EVENTS=${GLYPHERY_SOAK_EVENTS:-5000}
# Hands saved, read back and played on beside the original (Soak.ASavedHandPlaysOnAlike).
export GLYPHERY_SAVE_HANDS=${GLYPHERY_SAVE_HANDS:-5} GLYPHERY_SAVE_EVENTS=${GLYPHERY_SAVE_EVENTS:-300}
# The picture painted afresh is compared after every fifth event (the suite: every one).
export GLYPHERY_SOAK_FRESH=${GLYPHERY_SOAK_FRESH:-5}
mkdir -p "$build/soak"
if [ $# -gt 0 ]; then
    games=("$@")
else
    mapfile -t games < <("$build/glyphery_system_tests" --gtest_list_tests --gtest_filter='Games/Soak.RandomInputKeepsEveryInvariant/*' |
                         sed -n 's/^  .*\/Game\([0-9]*\) .*/\1/p')
fi
echo "soak: ${#games[@]} games, $GLYPHERY_SOAK_HANDS hands x $GLYPHERY_SOAK_EVENTS events each"
status=0
printf '%s\n' "${games[@]}" |
    xargs -P "$(nproc)" -I{} sh -c '"$0" --gtest_filter="Games/Soak.*/Game{}" >"$1/game{}.log" 2>&1 &&
                                    grep "^game {}:" "$1/game{}.log" || { echo "game {}: FAILED, see $1/game{}.log"; exit 1; }' \
        "$build/glyphery_system_tests" "$build/soak" || status=1
exit $status
