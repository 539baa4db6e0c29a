#!/bin/bash
# Times the start of the program under Xvfb, from launch to its main window
# being shown, over a number of runs. Prints figures only.
#   bench/startup.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool x11-utils bc
runs=${1:-5}
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVAR_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
APP=$PWD/build/release/quelvar
. tests/e2e/lib.sh
start_xvfb
for run in $(seq "$runs"); do
    begin=$(date +%s.%N)
    launch "$APP"
    wait_window "^Quelvar - ''Nueva apuesta''$" "$LAST_PID" >/dev/null || fail "main window did not appear"
    end=$(date +%s.%N)
    printf 'start #%d  %.3f s to the main window\n' "$run" "$(echo "$end - $begin" | bc -l)"
    kill "$LAST_PID"
    wait "$LAST_PID" 2>/dev/null || true
done
