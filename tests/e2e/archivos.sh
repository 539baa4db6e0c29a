#!/bin/bash
# Saving and opening through the real file dialogs.
. "$(dirname "$0")/lib.sh"
APP=$1
DOCS="$E2E_DIR/docs"
mkdir -p "$DOCS"

# through_dialog TITLE NAME: the file dialog the last key opened (TITLE a
# pattern) takes NAME and Enter, and closes.
through_dialog() {
    wait_window "^$1\$" "$APP_PID" >/dev/null || fail "no dialog $1"
    settle
    xdotool type --delay 20 "$2"
    xdotool key Return
    wait_gone "^$1\$" || fail "dialog $1 did not close"
}

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
through_dialog 'Guardar como\.\.\.' jueves
for _ in $(seq 100); do [ -s "$DOCS/jueves.qlv" ] && break; sleep 0.05; done
printf '1\r\n7\r\n12\r\n3\r\n40\r\n25\r\n2\r\n9\r\n' >"$E2E_DIR/expected"
cmp "$DOCS/jueves.qlv" "$E2E_DIR/expected" || fail "saved bytes differ: $(od -c "$DOCS/jueves.qlv" | head -5)"
wait_window '^Quelvar - jueves$' "$APP_PID" >/dev/null || fail "caption after save-as: $(xdotool getwindowname "$win")"
pass "saved through the dialog"

# Open a file written here.
printf '2\r\n1\r\n2\r\n3\r\n4\r\n5\r\n8\r\n9\r\n50\r\n49\r\n48\r\n47\r\n46\r\n1\r\n\r\n' >"$DOCS/otra.qlv"
focus_window
xdotool key ctrl+a
through_dialog 'Abrir' otra.qlv
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

# The keyboard alone, not one mouse event: a bet chosen cell by cell, saved,
# opened again and deleted. Without a window manager nobody hands the focus
# back to the main window when a dialog closes; xdotool does what the window
# manager would.
launch "$APP"
APP_PID=$LAST_PID
win=$(wait_window "^Quelvar - ''Nueva apuesta''$" "$APP_PID") || fail "main window did not appear again"
find_client "$win"
back() { xdotool windowfocus --sync "$win"; sleep 0.2; }
# answer KEY: the box that the last key opened, answered with KEY.
answer() {
    wait_window '^Quelvar$' "$APP_PID" >/dev/null || fail "no question box"
    settle
    xdotool key "$1"
    wait_gone '^Quelvar$' || fail "question box did not close"
}
back
listen_a11y 3
xdotool key Tab Down # board 1: its first cell, then one down
sleep 0.5
heard_a11y | grep -qF "focus: | Número 2, apuesta 1, libre" || fail "the focus cell is not the screen reader's focus"
xdotool key Up space # number 1, in random mode: the question, Yes
answer Return
back
# From 1: down twice and right to 12; down, right, down to 23; right, down
# twice to 34; right, up twice, right to 50; into the stars at 7, left twice
# to 1, down twice to 3; right twice and up to 8.
xdotool key Down Down Right space Down Right Down space Right Down Down space Right Up Up Right space \
    Down Left Left Down Down space Right Right Up Return
xdotool key ctrl+g
through_dialog 'Guardar como\.\.\.' teclado
for _ in $(seq 100); do [ -s "$DOCS/teclado.qlv" ] && break; sleep 0.05; done
printf '1\r\n1\r\n12\r\n23\r\n34\r\n50\r\n3\r\n8\r\n' >"$E2E_DIR/expected"
cmp "$DOCS/teclado.qlv" "$E2E_DIR/expected" || fail "keyboard bet saved as: $(od -c "$DOCS/teclado.qlv" | head -5)"
back
xdotool key ctrl+x # the delete dialog: bet 1 checked, Enter accepts
wait_window '^Quelvar$' "$APP_PID" >/dev/null || fail "no delete dialog by keyboard"
settle
xdotool key Return
wait_gone '^Quelvar$' || fail "delete dialog did not close"
back
sleep 0.3
shot
for k in 1 12 23 34 50; do expect_eq "$(number_colour 1 "$k")" ffffff "deleted number $k"; done
expect_eq "$(star_colour 1 8)" ffffff "deleted star 8"
xdotool key ctrl+a # the emptied ticket is a change: not saved, No
answer alt+n
through_dialog 'Abrir' teclado.qlv
wait_window "^Quelvar - ''teclado''$" "$APP_PID" >/dev/null || fail "caption after reopening: $(xdotool getwindowname "$win")"
sleep 0.3
shot
for k in 1 12 23 34 50; do expect_eq "$(number_colour 1 "$k")" ff0000 "reopened number $k"; done
expect_eq "$(star_colour 1 3)" ff0000 "reopened star 3"
expect_eq "$(star_colour 1 8)" ff0000 "reopened star 8"
cmp "$DOCS/teclado.qlv" "$E2E_DIR/expected" || fail "the file changed on reopening"
pass "a bet filled, saved, deleted and reopened by keyboard alone"

# The program keeps no settings: after every dialog above, nothing of it
# lies in the home folder (the file dialog would keep its history there;
# the font library may keep its own cache).
left=$(find "$HOME" -type f | grep -v '/\.cache/fontconfig/' || true)
[ -z "$left" ] || fail "files left in the home folder: $left"
pass "nothing written in the home folder"
