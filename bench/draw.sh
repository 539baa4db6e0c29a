#!/bin/bash
# Times one simple-bet fill and one size-10 multiple-bet fill in the real
# program under Xvfb, against the ideal the timer intervals give, and the
# processor time the program used meanwhile, beside two floors: a bare Qt
# program running the same 10 ms precise timer alone, and one repainting two
# cells a tick as the sweep does. Prints figures only.
#   bench/draw.sh [runs] [scale]
# With a scale other than 1 it times simple bets only, at 1x and at that
# scale in turn (QT_SCALE_FACTOR), and prints the ratio of their processor
# times.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick libx11-dev libxtst-dev bc pkg-config
runs=${1:-3}
scale=${2:-1}
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVAR_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
APP=$PWD/build/release/quelvar
. tests/e2e/lib.sh
cc -O2 -o "$E2E_DIR/drawtimer" bench/drawtimer.c -lX11 -lXtst
FLOOR=$E2E_DIR/floor
# shellcheck disable=SC2046
g++ -O2 -fPIC -std=c++17 -o "$FLOOR" bench/floor.cpp $(pkg-config --cflags --libs Qt6Widgets)
start_xvfb

# Processor seconds of every thread of a process: to the nanosecond where the
# kernel keeps run times, else in clock ticks.
cpu_seconds() {
    if [ -r "/proc/$1/schedstat" ]; then
        cat "/proc/$1"/task/*/schedstat | awk '{ s += $1 } END { printf "%.6f\n", s / 1e9 }'
    else
        awk -v hz="$(getconf CLK_TCK)" '{ printf "%.6f\n", ($14 + $15) / hz }' "/proc/$1/stat"
    fi
}
# A point SCALE times as far from the client area's corner as X Y is at 1x.
scaled() { awk -v f="${F:-1}" -v cx="$CLIENT_X" -v cy="$CLIENT_Y" -v x="$1" -v y="$2" \
    'BEGIN { printf "%d %d ", cx + f * (x - cx) + f - 1, cy + f * (y - cy) + f - 1 }'; }
points() {
    local k
    for k in $(seq 50); do number_cell 1 "$k"; scaled $((CELL_X + 1)) $((CELL_Y + 1)); done
    for k in $(seq 9); do star_cell 1 "$k"; scaled $((CELL_X + 1)) $((CELL_Y + 1)); done
}
# measure NAME IDEAL: presses the button and reports wall and processor time.
measure() {
    local name=$1 ideal=$2 before after wall
    before=$(cpu_seconds "$APP_PID")
    # shellcheck disable=SC2046
    wall=$("$E2E_DIR/drawtimer" $(scaled $((CLIENT_X + BUTTON_X + 94)) $((CLIENT_Y + BUTTON_Y + 14))) $(points))
    after=$(cpu_seconds "$APP_PID")
    cpu=$(echo "$after - $before" | bc -l)
    printf '%-18s wall %6.3f s  ideal %5.2f s  ratio %.4f  cpu %6.3f s  (%.1f %% of one core)\n' \
        "$name" "$wall" "$ideal" "$(echo "$wall / $ideal" | bc -l)" "$cpu" "$(echo "100 * $cpu / $wall" | bc -l)"
}

if [ "$scale" != 1 ]; then
    total_1=0
    total_f=0
    for run in $(seq "$runs"); do
        for F in 1 "$scale"; do
            QT_SCALE_FACTOR=$F launch "$APP"
            APP_PID=$LAST_PID
            win=$(wait_window "^Quelvar - ''Nueva apuesta''$" "$APP_PID") || fail "main window did not appear"
            find_client "$win"
            sleep 0.5
            measure "simple bet ${F}x #$run" 3.55
            if [ "$F" = 1 ]; then total_1=$(echo "$total_1 + $cpu" | bc -l); else total_f=$(echo "$total_f + $cpu" | bc -l); fi
            kill "$APP_PID"
            wait "$APP_PID" 2>/dev/null || true
        done
    done
    printf 'processor time at %sx against 1x: ratio %.3f\n' "$scale" "$(echo "$total_f / $total_1" | bc -l)"
    exit 0
fi

for run in $(seq "$runs"); do
    launch "$APP"
    APP_PID=$LAST_PID
    win=$(wait_window "^Quelvar - ''Nueva apuesta''$" "$APP_PID") || fail "main window did not appear"
    find_client "$win"
    sleep 0.5
    measure "simple bet #$run" 3.55
    # A fresh multiple ticket of ten numbers.
    focus_window
    xdotool key F6
    wait_window '^Quelvar$' "$APP_PID" >/dev/null && { settle; xdotool key alt+n; wait_gone '^Quelvar$'; }
    wait_window "^Quelvar  -  ''Nueva Apuesta''$" "$APP_PID" >/dev/null || fail "no multiple ticket"
    click_size 10
    sleep 0.3
    measure "multiple of 10 #$run" 6.1
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
done

# floor CELLS: the floor program's processor time over a simple bet's 355 ticks.
floor() {
    local cpu
    cpu=$("$FLOOR" 355 "$1" 2>>"$E2E_DIR/app.log") || fail "the floor program failed"
    printf '%-18s                                    cpu %6.3f s  (%.1f %% of one core)\n' \
        "floor, $1 cells" "$cpu" "$(echo "100 * $cpu / 3.55" | bc -l)"
}
for run in $(seq "$runs"); do
    floor 0
    floor 2
done

# Idle: a started program with nothing to do should not wake up.
launch "$APP"
APP_PID=$LAST_PID
wait_window "^Quelvar - ''Nueva apuesta''$" "$APP_PID" >/dev/null
sleep 1
before=$(cpu_seconds "$APP_PID")
sw_before=$(cat "/proc/$APP_PID"/task/*/status | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s }')
sleep 5
after=$(cpu_seconds "$APP_PID")
sw_after=$(cat "/proc/$APP_PID"/task/*/status | awk '/^voluntary_ctxt_switches/ { s += $2 } END { print s }')
printf 'idle 5 s           cpu %.6f s  wake-ups %d (every thread)\n' "$(echo "$after - $before" | bc -l)" \
    $((sw_after - sw_before))
