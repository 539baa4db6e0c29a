#!/bin/bash
# Times the start of the program under Xvfb, from launch to its main window
# being mapped and then painted, and its peak memory half a second later,
# side by side with the floors: a Qt program showing an empty main window,
# and the same with a menu bar of four titles (the cost of showing any text).
# Runs alternate. Prints the medians and the ratios; judges nothing.
#   bench/startup.sh [runs]   (15 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" xvfb xauth x11-utils libx11-dev bc pkg-config
runs=${1:-15}
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVAR_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
APP=$PWD/build/release/quelvar
. tests/e2e/lib.sh
FLOOR=$E2E_DIR/floor
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 -o "$FLOOR" bench/floor.cpp $(pkg-config --cflags --libs Qt6Widgets)
cc -O2 -o "$E2E_DIR/firstframe" bench/firstframe.c -lX11
start_xvfb

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# column FILE N: the median of column N.
column() { cut -d' ' -f"$2" "$1" | median; }

: >"$E2E_DIR/app.times" >"$E2E_DIR/floor.times" >"$E2E_DIR/menus.times"
# One run first, unmeasured: the file cache warms for everybody alike.
"$E2E_DIR/firstframe" "$APP" >/dev/null 2>>"$E2E_DIR/app.log" || fail "the program showed no window"
for _ in $(seq "$runs"); do
    "$E2E_DIR/firstframe" "$APP" >>"$E2E_DIR/app.times" 2>>"$E2E_DIR/app.log" || fail "the program showed no window"
    "$E2E_DIR/firstframe" "$FLOOR" >>"$E2E_DIR/floor.times" 2>>"$E2E_DIR/app.log" || fail "the floor showed no window"
    "$E2E_DIR/firstframe" "$FLOOR" menus >>"$E2E_DIR/menus.times" 2>>"$E2E_DIR/app.log" || fail "the floor showed no window"
done
# report WHAT COLUMN SCALE UNIT
report() {
    local what=$1 n=$2 scale=$3 unit=$4 app floor menus
    app=$(column "$E2E_DIR/app.times" "$n")
    floor=$(column "$E2E_DIR/floor.times" "$n")
    menus=$(column "$E2E_DIR/menus.times" "$n")
    printf '%-15s quelvar %6.1f %s   floor %6.1f %s  ratio %.3f   floor with menus %6.1f %s  ratio %.3f\n' \
        "$what" "$(echo "$app * $scale" | bc -l)" "$unit" "$(echo "$floor * $scale" | bc -l)" "$unit" \
        "$(echo "$app / $floor" | bc -l)" "$(echo "$menus * $scale" | bc -l)" "$unit" "$(echo "$app / $menus" | bc -l)"
}
echo "medians of $runs runs"
report "window mapped" 1 1000 ms
report "window painted" 2 1000 ms
report "peak RSS" 3 0.001 MB
