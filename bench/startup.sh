#!/bin/bash
# Times the start of the program under Xvfb, from launch to its main window
# being shown, and its peak memory then, side by side with the floor: a Qt
# program showing an empty main window. Prints the medians of the runs and
# the ratios; judges nothing.
#   bench/startup.sh [runs]   (10 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool x11-utils bc pkg-config
runs=${1:-10}
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVAR_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
APP=$PWD/build/release/quelvar
. tests/e2e/lib.sh
FLOOR=$E2E_DIR/floor
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 -o "$FLOOR" bench/floor.cpp $(pkg-config --cflags --libs Qt6Widgets)
start_xvfb

# one BINARY TITLE: seconds to the window, then the peak resident kilobytes.
one() {
    local begin end pid kb
    begin=$(date +%s.%N)
    launch "$1"
    pid=$LAST_PID
    wait_window "$2" "$pid" >/dev/null || fail "no window: $1"
    end=$(date +%s.%N)
    sleep 0.3
    kb=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$(echo "$end - $begin" | bc -l) $kb"
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

: >"$E2E_DIR/app.times"
: >"$E2E_DIR/floor.times"
for _ in $(seq "$runs"); do
    one "$APP" "^Quelvar - ''Nueva apuesta''$" >>"$E2E_DIR/app.times"
    one "$FLOOR" '^Suelo$' >>"$E2E_DIR/floor.times"
done
app_s=$(cut -d' ' -f1 "$E2E_DIR/app.times" | median)
app_kb=$(cut -d' ' -f2 "$E2E_DIR/app.times" | median)
floor_s=$(cut -d' ' -f1 "$E2E_DIR/floor.times" | median)
floor_kb=$(cut -d' ' -f2 "$E2E_DIR/floor.times" | median)
printf 'start-up, median of %d  quelvar %.3f s  floor %.3f s  ratio %.3f\n' "$runs" "$app_s" "$floor_s" \
    "$(echo "$app_s / $floor_s" | bc -l)"
printf 'peak RSS, median of %d  quelvar %d kB  floor %d kB  ratio %.3f\n' "$runs" "$app_kb" "$floor_kb" \
    "$(echo "$app_kb / $floor_kb" | bc -l)"
