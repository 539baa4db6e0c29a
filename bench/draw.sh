#!/bin/bash
# Times one simple-bet fill and one size-10 multiple-bet fill in the real
# program under Xvfb, against the ideal the timer intervals give, and the
# processor time the program used meanwhile. Prints figures only.
#   bench/draw.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
need_packages "${BUILD_PACKAGES[@]}" xvfb xauth xdotool imagemagick libx11-dev libxtst-dev bc
runs=${1:-3}
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVAR_TESTS=OFF >/dev/null
cmake --build build/release >/dev/null
APP=$PWD/build/release/quelvar
. tests/e2e/lib.sh
cc -O2 -o "$E2E_DIR/drawtimer" bench/drawtimer.c -lX11 -lXtst
start_xvfb

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
points() {
    local k
    for k in $(seq 50); do number_cell 1 "$k"; printf '%d %d ' $((CELL_X + 1)) $((CELL_Y + 1)); done
    for k in $(seq 9); do star_cell 1 "$k"; printf '%d %d ' $((CELL_X + 1)) $((CELL_Y + 1)); done
}
# measure NAME IDEAL: presses the button and reports wall and processor time.
measure() {
    local name=$1 ideal=$2 before after wall cpu hz
    hz=$(getconf CLK_TCK)
    before=$(cpu_ticks "$APP_PID")
    # shellcheck disable=SC2046
    wall=$("$E2E_DIR/drawtimer" $((CLIENT_X + BUTTON_X + 94)) $((CLIENT_Y + BUTTON_Y + 14)) $(points))
    after=$(cpu_ticks "$APP_PID")
    cpu=$(echo "($after - $before) / $hz" | bc -l)
    printf '%-18s wall %6.3f s  ideal %5.2f s  ratio %.4f  cpu %6.3f s  (%.1f %% of one core)\n' \
        "$name" "$wall" "$ideal" "$(echo "$wall / $ideal" | bc -l)" "$cpu" "$(echo "100 * $cpu / $wall" | bc -l)"
}

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

# Idle: a started program with nothing to do should not wake up.
launch "$APP"
APP_PID=$LAST_PID
wait_window "^Quelvar - ''Nueva apuesta''$" "$APP_PID" >/dev/null
sleep 1
before=$(cpu_ticks "$APP_PID")
sw_before=$(awk '/voluntary_ctxt_switches/ && !/non/ {print $2}' "/proc/$APP_PID/status")
sleep 5
after=$(cpu_ticks "$APP_PID")
sw_after=$(awk '/voluntary_ctxt_switches/ && !/non/ {print $2}' "/proc/$APP_PID/status")
printf 'idle 5 s           cpu ticks %d  wake-ups %d\n' $((after - before)) $((sw_after - sw_before))
