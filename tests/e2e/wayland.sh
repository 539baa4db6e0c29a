#!/bin/bash
# The program on Qt's Wayland platform, in a weston nested on the Xvfb
# server: the window shows, and over a cell the pointer is the outlined plus
# sign with its hot spot in the middle, with nothing said on stderr.
. "$(dirname "$0")/lib.sh"
APP=$1

start_xvfb
weston --backend=x11-backend.so --width=1000 --height=700 --socket=wayland-e2e --shell=desktop-shell.so \
    --idle-time=0 >"$E2E_DIR/weston.log" 2>&1 &
E2E_PIDS+=("$!")
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/wayland-e2e" ] || fail "weston did not start: $(tail -n 3 "$E2E_DIR/weston.log")"
WAYLAND_DISPLAY=wayland-e2e QT_QPA_PLATFORM=wayland launch "$APP"

# The compositor places the window: the toolbar's blue says where.
found=""
for _ in $(seq 100); do
    shot
    box=$(convert "$E2E_DIR/shot.png" -fill black +opaque '#1d4a96' -fill white -opaque '#1d4a96' -format '%@' info:)
    # WIDTHxHEIGHT+X+Y of the blue: the toolbar, the bottom bar and the
    # icon in the title; the toolbar is the first blue down the middle.
    if [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] && [ "${BASH_REMATCH[1]}" -ge 600 ]; then
        CLIENT_X=${BASH_REMATCH[3]}
        column=$(convert "$E2E_DIR/shot.png" -crop "1x${BASH_REMATCH[2]}+$((CLIENT_X + BASH_REMATCH[1] / 2))+${BASH_REMATCH[4]}" \
            -depth 8 txt:- | tail -n +2 | grep -n -i '#1d4a96' | head -n1 | cut -d: -f1 || true)
        if [ -n "$column" ]; then
            CLIENT_Y=$((BASH_REMATCH[4] + column - 1))
            found=1
            break
        fi
    fi
    sleep 0.1
done
[ -n "$found" ] || fail "no Quelvar window in weston"
pass "the window on Wayland, its client area at $CLIENT_X,$CLIENT_Y"

# The pointer over number 10 of board 1: the compositor draws the cursor
# into its output, where the screenshot finds it.
number_cell 1 10
px=$((CELL_X + 6))
py=$((CELL_Y + 7))
# Weston follows the pointer from the moment it enters its window: it comes
# in from outside, as it would on a desk.
xdotool mousemove 1015 750
sleep 0.3
xdotool mousemove "$px" "$py"
sleep 0.3
xdotool mousemove $((px + 1)) "$py"
sleep 0.3
xdotool mousemove "$px" "$py"
sleep 0.5
shot
# The plus: white at the hot spot and along its arms, black just outside
# them, eight pixels from the centre.
expect_eq "$(pixel "$px" "$py")" ffffff "the cursor's centre"
expect_eq "$(pixel $((px + 8)) "$py")" ffffff "the cursor's right arm"
expect_eq "$(pixel "$px" $((py - 8)))" ffffff "the cursor's upper arm"
expect_eq "$(pixel $((px + 8)) $((py + 2)))" 000000 "the outline under the right arm"
expect_eq "$(pixel $((px - 2)) $((py - 8)))" 000000 "the outline beside the upper arm"
! grep -q . "$E2E_DIR/app.log" || fail "the program wrote on stderr: $(head -n 3 "$E2E_DIR/app.log")"
pass "the plus-sign cursor over a cell, and nothing on stderr"
