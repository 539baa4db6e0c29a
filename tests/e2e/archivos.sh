#!/bin/bash
# Saving and opening through the real file dialogs.
. "$(dirname "$0")/lib.sh"
APP=$1
DOCS="$E2E_DIR/docs"
mkdir -p "$DOCS"

start_xvfb
export WinDir="$DOCS"
launch "$APP"
APP_PID=$LAST_PID
win=$(wait_window "^Quelvar - ''Nueva apuesta''$" "$APP_PID") || fail "main window did not appear"
find_client "$win"

click_number 1 7
wait_window '^Quelvar$' "$APP_PID" >/dev/null || fail "no random-mode prompt"
xdotool key Return
wait_gone '^Quelvar$' || fail "prompt did not close"
for k in 12 3 40 25; do click_number 1 "$k"; done
click_star 1 2
click_star 1 9

# Save: no file yet, so the save-as dialog asks for a name. The dialog starts
# in WinDir; the name is typed without its extension.
xdotool key ctrl+g
wait_window '^Guardar como\.\.\.$' "$APP_PID" >/dev/null || fail "no save-as dialog"
settle
xdotool type --delay 20 jueves
xdotool key Return
wait_gone '^Guardar como\.\.\.$' || fail "save-as dialog did not close"
for _ in $(seq 100); do [ -s "$DOCS/jueves.qlv" ] && break; sleep 0.05; done
printf '1\r\n7\r\n12\r\n3\r\n40\r\n25\r\n2\r\n9\r\n' >"$E2E_DIR/expected"
cmp "$DOCS/jueves.qlv" "$E2E_DIR/expected" || fail "saved bytes differ: $(od -c "$DOCS/jueves.qlv" | head -5)"
wait_window '^Quelvar - jueves$' "$APP_PID" >/dev/null || fail "caption after save-as: $(xdotool getwindowname "$win")"
pass "saved through the dialog"

# Open a file written here.
printf '2\r\n1\r\n2\r\n3\r\n4\r\n5\r\n8\r\n9\r\n50\r\n49\r\n48\r\n47\r\n46\r\n1\r\n\r\n' >"$DOCS/otra.qlv"
focus_window
xdotool key ctrl+a
wait_window '^Abrir$' "$APP_PID" >/dev/null || fail "no open dialog"
settle
xdotool type --delay 20 otra.qlv
xdotool key Return
wait_gone '^Abrir$' || fail "open dialog did not close"
wait_window "^Quelvar - ''otra''$" "$APP_PID" >/dev/null || fail "caption after open: $(xdotool getwindowname "$win")"
sleep 0.3
shot
for k in 1 2 3 4 5; do expect_eq "$(number_colour 1 "$k")" ff0000 "bet 1 number $k"; done
for k in 46 47 48 49 50; do expect_eq "$(number_colour 2 "$k")" ff0000 "bet 2 number $k"; done
for k in 7 12 40; do expect_eq "$(number_colour 1 "$k")" ffffff "old number $k cleared"; done
expect_eq "$(star_colour 1 8)" ff0000 "bet 1 star 8"
expect_eq "$(star_colour 1 9)" ff0000 "bet 1 star 9"
expect_eq "$(star_colour 2 1)" ff0000 "bet 2 star 1"
expect_eq "$(star_colour 2 2)" ffffff "bet 2 star 2"
pass "opened a file"

# Exit: the question, Yes, and the program ends (nothing unsaved).
focus_window
xdotool key ctrl+s
wait_window '^Quelvar$' "$APP_PID" >/dev/null || fail "no exit question"
xdotool key Return
for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.05; done
kill -0 "$APP_PID" 2>/dev/null && fail "program still running after exit"
wait "$APP_PID" || fail "program exited with an error"
pass "exit"
