#!/bin/bash
# The toolbar, the about box and the delete-bets dialog in the real window.
. "$(dirname "$0")/lib.sh"
APP=$1
MAIN="^Quelvar - ''Nueva apuesta''$"

# toolbar_point K: a point inside toolbar position K, on screen.
toolbar_point() { TB_X=$((CLIENT_X + (215 + 750 * ($1 - 1)) / 15 + 24)); TB_Y=$((CLIENT_Y + 20)); }
# The colour just inside the top-left corner of position K's picture.
toolbar_corner() { pixel $((CLIENT_X + (215 + 750 * ($1 - 1)) / 15 + 3)) $((CLIENT_Y + 4)); }

start_xvfb
launch "$APP"
APP_PID=$LAST_PID
win=$(wait_window "$MAIN" "$APP_PID") || fail "main window did not appear"
find_client "$win"

# Hover: position 3 shows its raised picture, and loses it to position 4.
shot
flat=$(toolbar_corner 3)
toolbar_point 3
xdotool mousemove "$TB_X" "$TB_Y"
sleep 0.3
shot
[ "$(toolbar_corner 3)" != "$flat" ] || fail "position 3 not raised"
raised=$(toolbar_corner 3)
toolbar_point 4
xdotool mousemove "$TB_X" "$TB_Y"
sleep 0.3
shot
expect_eq "$(toolbar_corner 3)" "$flat" "position 3 after leaving it"
expect_eq "$(toolbar_corner 4)" "$raised" "position 4 raised"
pass "raised picture follows the mouse"

# Position 12 opens the about box; Escape closes it.
toolbar_point 12
click_at "$TB_X" "$TB_Y"
wait_window '^Acerca de Quelvar$' "$APP_PID" >/dev/null || fail "no about box"
settle
expect_a11y "link | Contactar al autor |" "link | https://quelvar.example.org/ |"
xdotool key Escape
wait_gone '^Acerca de Quelvar$' || fail "Escape did not close the about box"
pass "about box"

# Two bets by hand, then "Borrar" with the second box unchecked.
click_number 1 7
wait_window '^Quelvar$' "$APP_PID" >/dev/null || fail "no random-mode prompt"
xdotool key Return
wait_gone '^Quelvar$'
for k in 12 3 40 25; do click_number 1 "$k"; done
for k in 1 2 3 4 5; do click_number 2 "$k"; done
toolbar_point 10
click_at "$TB_X" "$TB_Y"
dialog=$(wait_window '^Quelvar$' "$APP_PID") || fail "no delete dialog"
settle
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# Check2's box: frame (405, 195) + small frame (480, 1155) + check box (135, 150).
click_at $((X + (405 + 480 + 135) / 15 + 7)) $((Y + (195 + 1155 + 150) / 15 + 9))
sleep 0.3
xdotool key Return
wait_gone '^Quelvar$' || fail "delete dialog did not close"
sleep 0.3
shot
for k in 7 12 3 40 25; do expect_eq "$(number_colour 1 "$k")" ffffff "bet 1 number $k cleared"; done
for k in 1 2 3 4 5; do expect_eq "$(number_colour 2 "$k")" ff0000 "bet 2 number $k kept"; done
pass "delete dialog clears the checked bet only"
