#!/bin/bash
# The random draw in the real window: one press fills a simple bet; one press
# fills a whole multiple bet of ten.
. "$(dirname "$0")/lib.sh"
APP=$1
MAIN="^Quelvar - ''Nueva apuesta''$"

# wait_stars BOARD: until exactly two star cells of the board are red, which
# happens only once the star step has drawn.
wait_stars() {
    for _ in $(seq 150); do
        shot
        [ "$(count_stars "$1" ff0000)" = 2 ] && [ "$(count_numbers "$1" ff8080)" = 0 ] && return 0
        sleep 0.1
    done
    return 1
}

# F6 on a changed ticket asks to save it; answer No.
new_multiple_ticket() {
    focus_window
    xdotool key F6
    wait_window '^Quelvar$' "$APP_PID" >/dev/null || fail "no save question"
    settle
    xdotool key alt+n
    wait_gone '^Quelvar$' || fail "save question did not close"
}

start_xvfb
launch "$APP"
APP_PID=$LAST_PID
win=$(wait_window "$MAIN" "$APP_PID") || fail "main window did not appear"
find_client "$win"

listen_a11y 7
click_button
sleep 0.3
shot
button_enabled && fail "button enabled during the draw"
[ "$(count_numbers 1 ff8080)" = 1 ] || fail "no running highlight"
wait_stars 1 || fail "the bet was not completed"
expect_eq "$(count_numbers 1 ff0000)" 5 "red numbers on board 1"
expect_eq "$(count_numbers 2 ff0000)" 0 "red numbers on board 2"
expect_eq "$(count_stars 1 ff0000)" 2 "red stars on board 1"
button_enabled || fail "button still disabled after the draw"
expect_eq "$(xdotool getwindowname "$win")" "Quelvar - ''Nueva apuesta''" "caption"
expect_a11y "menu item | Guardar apuesta | enabled |" "menu item | Guardar apuesta como | enabled |" \
    "menu item | Cerrar | enabled |" "menu item | Borrar apuestas | enabled |"
pass "one press fills bet 1"

# All that draw told a screen reader: seven values joined the bet, the button
# and the menus turned off and on, the focus went to the window and back to
# the button; not each lit cell of the sweep.
heard_a11y >"$E2E_DIR/draw_events"
told=$(wc -l <"$E2E_DIR/draw_events")
cells=$(grep -c 'apuesta 1, seleccionado' "$E2E_DIR/draw_events" || true)
[ "$cells" -ge 7 ] || fail "the draw told only $cells cell changes: $(head -n 20 "$E2E_DIR/draw_events")"
! grep -q '^focus: | Número' "$E2E_DIR/draw_events" || fail "a board took the focus from the disabled button"
[ "$told" -le 48 ] || fail "one draw sent $told accessibility events: $(sort "$E2E_DIR/draw_events" | uniq -c | sort -rn | head)"
pass "one draw sent $told accessibility events"

# "Guardar apuesta" is enabled now: its shortcut opens the save-as dialog.
focus_window
xdotool key ctrl+g
wait_window '^Guardar como\.\.\.$' "$APP_PID" >/dev/null || fail "save is not enabled after the draw"
settle
xdotool key Escape
wait_gone '^Guardar como\.\.\.$' || fail "dialog did not close"
pass "save enabled"

# The multiple bet.
new_multiple_ticket
wait_window "^Quelvar  -  ''Nueva Apuesta''$" "$APP_PID" >/dev/null || fail "no new multiple ticket"
click_size 10
click_button
wait_stars 1 || fail "the multiple bet was not completed"
expect_eq "$(count_numbers 1 ff0000)" 10 "red numbers of the multiple bet"
expect_eq "$(count_stars 1 ff0000)" 2 "red stars of the multiple bet"
button_enabled && fail "button enabled after a multiple bet"
pass "one press fills a multiple bet of ten"

# A smaller size chosen mid-pass, when the numbers drawn already fill it:
# the sweep ends, the stars are drawn, no cell stays lit and the idle
# program sleeps.
new_multiple_ticket
click_size 10
click_button
for _ in $(seq 100); do
    shot
    [ "$(count_numbers 1 ff0000)" -ge 8 ] && break
    sleep 0.05
done
[ "$(count_numbers 1 ff0000)" -lt 10 ] || fail "missed the moment: ten numbers drawn"
click_size 6
wait_window '^Quelvar$' "$APP_PID" >/dev/null || fail "no reduction question"
settle
xdotool key Return
wait_gone '^Quelvar$' || fail "reduction question did not close"
wait_stars 1 || fail "the draw did not end after the size was reduced"
sleep 0.3
shot
expect_eq "$(count_numbers 1 ff8080)" 0 "lit cells after the draw"
expect_eq "$(count_numbers 1 ff0000)" 6 "red numbers after the reduction"
woken=$(wakeups "$APP_PID" 2)
[ "$woken" -lt 40 ] || fail "the idle program woke $woken times in 2 s"
pass "a reduced size ends the sweep ($woken wake-ups in 2 s idle)"
