#!/bin/bash
# The real window under Xvfb: choosing cells by mouse with the random-mode
# prompt answered from the keyboard, and the single-instance rule.
. "$(dirname "$0")/lib.sh"
APP=$1
CURSOR_TOOL=$2
MAIN="^Quelvar - ''Nueva apuesta''$"
BOX='^Quelvar$'

start_xvfb
# Another user holding the socket name that once was the lock, listening
# with no room left, stops nothing: the lock now lies in the user's own
# runtime folder.
if [ "$(id -u)" = 0 ]; then
    python3 - "$(id -u)" <<'PY' &
import os, socket, sys, time
name = "\0quelvar-" + sys.argv[1]
os.setuid(65534)
s = socket.socket(socket.AF_UNIX)
s.bind(name)
s.listen(0)
socket.socket(socket.AF_UNIX).connect(name)
time.sleep(600)
PY
    E2E_PIDS+=($!)
    for _ in $(seq 100); do grep -q "@quelvar-0$" /proc/net/unix && break; sleep 0.05; done
fi
launch "$APP"
FIRST=$LAST_PID
win=$(wait_window "$MAIN" "$FIRST") || fail "main window did not appear"
find_client "$win"
pass "main window at $CLIENT_X,$CLIENT_Y"
expect_a11y "frame | Quelvar - ''Nueva apuesta'' |" \
    "menu item | Abrir apuesta | enabled |" "menu item | Guardar apuesta |  |" \
    "menu item | Guardar apuesta como |  |" "menu item | Cerrar |  |" "menu item | Salir | enabled |" \
    "menu item | Apuestas sencillas | enabled,checked |" "menu item | Apuesta múltiple | enabled |" \
    "menu item | Apuesta aleatoria | enabled,checked |" "menu item | Apuesta manual | enabled |" \
    "menu item | Borrar apuestas |  |" "menu item | Imprimir boleto |  |" "menu item | Acerca de... | enabled |" \
    "push button | APUESTAS SENCILLAS | enabled,showing |"
pass "start-up menus"

# The window manager is offered the program icon in six sizes, each drawn
# for its size: the 48-pixel one is the installed 48-pixel picture.
xprop -id "$win" -notype 32c _NET_WM_ICON >"$E2E_DIR/icon.txt"
convert "$(dirname "$APP")/iconos/48.png" -depth 8 rgba:"$E2E_DIR/48.rgba"
python3 - "$E2E_DIR/icon.txt" "$E2E_DIR/48.rgba" <<'PY' || fail "window icon"
import sys
data = [int(v) for v in open(sys.argv[1]).read().split("=", 1)[1].split(",")]
sizes, pictures, i = [], {}, 0
while i < len(data):
    w, h = data[i], data[i + 1]
    sizes.append(w)
    pictures[w] = data[i + 2:i + 2 + w * h]
    i += 2 + w * h
assert sizes == [16, 24, 32, 48, 64, 128], sizes
png = open(sys.argv[2], "rb").read()
for k, argb in enumerate(pictures[48]):
    r, g, b, a = png[4 * k:4 * k + 4]
    shown = (argb >> 24, (argb >> 16) & 255, (argb >> 8) & 255, argb & 255)
    assert shown[0] == a, (k, shown, (a, r, g, b))
    if a >= 16:
        assert all(abs(x - y) <= 2 for x, y in zip(shown[1:], (r, g, b))), (k, shown, (a, r, g, b))
PY
pass "window icon"

# Random filling is on: the first click asks to switch to manual filling.
click_number 1 7
wait_window "$BOX" "$FIRST" >/dev/null || fail "no random-mode prompt"
settle
expect_a11y "label | Desea habilitar la modalidad\nApuesta manual? |" "push button | Sí |" "push button | No |" \
    "push button | Cancelar |"
xdotool key Return
wait_gone "$BOX" || fail "prompt did not close"
click_number 1 12
click_number 1 3
click_number 2 20 # bet 1 is not full yet: ignored
click_star 1 2
sleep 0.3
[ "$(count_windows "$BOX")" = 0 ] || fail "unexpected message box"
shot
expect_eq "$(number_colour 1 7)" ff0000 "cell 7 after Yes"
expect_eq "$(number_colour 1 12)" ff0000 "cell 12"
expect_eq "$(number_colour 1 3)" ff0000 "cell 3"
expect_eq "$(number_colour 1 8)" ffffff "cell 8"
expect_eq "$(number_colour 2 20)" ffffff "board 2 before bet 1 is full"
expect_eq "$(star_colour 1 2)" ff0000 "star 2"
expect_eq "$(star_colour 1 3)" ffffff "star 3"
pass "cells chosen by mouse"

# A screen reader sees every cell by name and state, and presses one as a
# click would.
expect_a11y "check box | Número 7, apuesta 1, seleccionado |" "check box | Número 8, apuesta 1, libre |" \
    "check box | Estrella 2, apuesta 1, seleccionado |" "check box | Número 20, apuesta 2, libre |" \
    "radio button | Cantidad 8, libre |" "push button | Abrir |" "push button | Acerca de |"
a11y_press "Número 30, apuesta 1, libre"
sleep 0.3
shot
expect_eq "$(number_colour 1 30)" ff0000 "cell 30 pressed through the accessibility bus"
expect_a11y "check box | Número 30, apuesta 1, seleccionado | enabled,checked"
a11y_press "Número 30, apuesta 1, seleccionado"
sleep 0.3
shot
expect_eq "$(number_colour 1 30)" ffffff "cell 30 pressed again"
pass "cells named and pressed through the accessibility bus"

# A press through the bus that opens a dialog returns while the dialog is up:
# the screen reader must not wait for the user to close it. A press that
# blocked would return only after the dialog closed, never within the bound.
timeout 10 /usr/bin/python3 "$(dirname "$0")/a11y_press.py" "Acerca de" || fail "the press waited for its dialog"
wait_window "^Acerca de Quelvar$" "$FIRST" >/dev/null || fail "no about box"
settle
xdotool key Escape
wait_gone "^Acerca de Quelvar$" || fail "about box did not close"
pass "a press through the bus returns while its dialog is up"

# Deselecting gives the white look back.
click_number 1 12
sleep 0.3
shot
expect_eq "$(number_colour 1 12)" ffffff "cell 12 deselected"
pass "cell deselected"

# A second start shows the message and ends without a window of its own.
launch "$APP"
SECOND=$LAST_PID
wait_window "$BOX" "$SECOND" >/dev/null || fail "second start showed no message"
settle
expect_a11y "label | Ya se esta ejecutando una instancia de Quelvar |" "push button | Aceptar |"
[ -z "$(xdotool search --all --onlyvisible --pid "$SECOND" --name "$MAIN" 2>/dev/null || true)" ] ||
    fail "second start showed a main window"
xdotool key Return
for _ in $(seq 100); do kill -0 "$SECOND" 2>/dev/null || break; sleep 0.05; done
kill -0 "$SECOND" 2>/dev/null && fail "second instance still running"
wait "$SECOND" || fail "second instance exited with an error"
expect_eq "$(count_windows "$MAIN")" 1 "main windows"
pass "second instance refused"

# A second start with a file hands it to the first window, which asks about
# its unsaved changes and then shows the file; the second start ends at once
# and quietly.
mkdir -p "$E2E_DIR/docs"
printf '1\r\n3\r\n14\r\n25\r\n36\r\n47\r\n4\r\n9\r\n' >"$E2E_DIR/docs/martes.qlv"
printf '1\r\n1\r\n2\r\n3\r\n4\r\n5\r\n1\r\n2\r\n' >"$E2E_DIR/docs/lunes.qlv"
(cd "$E2E_DIR/docs" && "$APP" martes.qlv >>"$E2E_DIR/app.log" 2>&1) || fail "the start that handed over a file failed"
wait_window "$BOX" "$FIRST" >/dev/null || fail "no save question in the first window"
settle
expect_a11y "label | Desea guardar los cambios realizados \n\nen ''Nueva apuesta'' |"
xdotool key alt+n
wait_window "^Quelvar - ''martes''$" "$FIRST" >/dev/null || fail "the first window did not open the file handed over"
expect_eq "$(count_windows "$BOX")" 0 "message boxes after the hand-over"
sleep 0.3
shot
for k in 3 14 25 36 47; do expect_eq "$(number_colour 1 "$k")" ff0000 "handed-over number $k"; done
expect_eq "$(star_colour 1 9)" ff0000 "handed-over star 9"
expect_eq "$(count_windows "^Quelvar - ")" 1 "main windows"
pass "a second start hands its file to the first window"

# A killed instance leaves its lock behind; the next start is not blocked.
kill -9 "$FIRST"
wait "$FIRST" 2>/dev/null || true
launch "$APP" "$E2E_DIR/docs/lunes.qlv"
THIRD=$LAST_PID
wait_window "^Quelvar - ''lunes''$" "$THIRD" >/dev/null || fail "start with a file after a crash: no window showing it"
[ -z "$(xdotool search --all --onlyvisible --pid "$THIRD" --name "$BOX" 2>/dev/null || true)" ] ||
    fail "start after a crash showed a message"
sleep 0.3
shot
for k in 1 2 3 4 5; do expect_eq "$(number_colour 1 "$k")" ff0000 "number $k of the file given at start"; done
pass "stale lock ignored; a start with a file shows it"

# The cell cursor as the server shows it, and the raised toolbar picture,
# at 1x and at 2x: every offset inside the client area scales.
# looks_at SCALE: over number cell 7 of board 1, then over toolbar position
# 4, which starts at 215 + 3 x 750 twips (164.33 pixels at 1x).
looks_at() {
    local f=$1
    find_client "$win"
    number_cell 1 7
    xdotool mousemove $((CLIENT_X + f * (CELL_X - CLIENT_X) + 6 * f)) $((CLIENT_Y + f * (CELL_Y - CLIENT_Y) + 7 * f))
    sleep 0.3
    check_cursor "$CURSOR_TOOL" "${f}x" "$f"
    xdotool mousemove $((CLIENT_X + 184 * f)) $((CLIENT_Y + 20 * f))
    sleep 0.3
    shot
    # The bevel's first device column: 164 at 1x, 329 at 2x.
    crisp_bevel $((CLIENT_X + (16433 * f + 50) / 100)) $((CLIENT_Y + 21 * f + f - 1)) "$f" "${f}x"
    pass "cursor and raised picture at ${f}x"
}
win=$(wait_window "^Quelvar - ''lunes''$" "$THIRD")
looks_at 1
kill -9 "$THIRD"
wait "$THIRD" 2>/dev/null || true
QT_SCALE_FACTOR=2 launch "$APP"
win=$(wait_window "$MAIN" "$LAST_PID") || fail "no window at 2x"
looks_at 2

# At 1.25x and 1.5x the boards' artwork is whole: between the frames and the
# star panels only the light background shows, no seam or outline where a
# board ends inside a device pixel.
for f in 1.25 1.5; do
    kill -9 "$LAST_PID"
    wait "$LAST_PID" 2>/dev/null || true
    QT_SCALE_FACTOR=$f launch "$APP"
    win=$(wait_window "$MAIN" "$LAST_PID") || fail "no window at ${f}x"
    find_client "$win"
    sleep 0.3
    shot
    # From board 1's left to board 5's right, just below the frames.
    read -r x y w h < <(awk -v f="$f" -v cx="$CLIENT_X" -v cy="$CLIENT_Y" \
        'BEGIN { printf "%d %d %d %d\n", cx + 27 * f, cy + 317 * f, 545 * f, 8 * f }')
    darkest=$(convert "$E2E_DIR/shot.png" -crop "${w}x${h}+${x}+${y}" -colorspace gray -format '%[fx:int(255*minima)]' info:)
    [ "$darkest" -ge 200 ] || fail "a seam between the boards' panels at ${f}x (gray $darkest)"
    pass "no seam at ${f}x (darkest gray $darkest)"
done
