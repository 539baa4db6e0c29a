# Helpers for driving the real program under Xvfb. Sourced by the e2e tests.
# Every wait polls with a deadline; nothing here measures time.

set -euo pipefail

E2E_DIR=$(mktemp -d)
E2E_PIDS=()
cleanup() {
    for p in "${E2E_PIDS[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    # The accessibility bus leaves daemons whose addresses lie in our folder.
    pkill -f "$E2E_DIR" 2>/dev/null || true
    # Wait for the server to go: a next one must not find its socket vanish.
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    [ -n "${E2E_KEEP:-}" ] && cp "$E2E_DIR/app.log" "/tmp/e2e_app.$(basename "$0").log"; rm -rf "$E2E_DIR"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "display $DISPLAY; server $(kill -0 "${XVFB_PID:-0}" 2>/dev/null && echo running || echo gone)" >&2
    tail -n 5 "$E2E_DIR/xvfb.log" "$E2E_DIR/app.log" >&2 2>/dev/null || true
    exit 1
}
pass() { echo "ok: $*"; }

start_xvfb() {
    exec 3>"$E2E_DIR/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$E2E_DIR/xvfb.log" 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$E2E_DIR/display" ] && break
        sleep 0.1
    done
    exec 3>&-
    export DISPLAY=":$(head -n1 "$E2E_DIR/display")"
    # Ready means a client gets through; on a busy machine the server may
    # take seconds to build its keymap.
    local ready=""
    for _ in $(seq 600); do
        xdpyinfo >/dev/null 2>&1 && { ready=1; break; }
        sleep 0.05
    done
    [ -n "$ready" ] || fail "the X server did not come up"
    mkdir -m 700 -p "$E2E_DIR/run" "$E2E_DIR/home"
    export XDG_RUNTIME_DIR="$E2E_DIR/run" HOME="$E2E_DIR/home" QT_QPA_PLATFORM=xcb
    unset QT_SCALE_FACTOR
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && start_a11y
    return 0
}

# launch BINARY: starts the program, sets LAST_PID. Now and then, on a busy
# machine, a client finds the fresh server unable to take it and Qt gives up
# at once; such a start is tried once more, and says so in the log.
launch() {
    local mark
    mark=$(wc -l 2>/dev/null <"$E2E_DIR/app.log" || echo 0)
    "$@" >>"$E2E_DIR/app.log" 2>&1 &
    LAST_PID=$!
    E2E_PIDS+=("$LAST_PID")
    sleep 0.3
    if ! kill -0 "$LAST_PID" 2>/dev/null &&
        tail -n +"$((mark + 1))" "$E2E_DIR/app.log" | grep -q 'Could not load the Qt platform plugin'; then
        echo "launch: the platform plugin failed to start; trying once more" >>"$E2E_DIR/app.log"
        "$@" >>"$E2E_DIR/app.log" 2>&1 &
        LAST_PID=$!
        E2E_PIDS+=("$LAST_PID")
    fi
}

# wait_window REGEX [PID]: prints the id of a visible window whose name matches.
wait_window() {
    local regex=$1 pid=${2:-} id
    for _ in $(seq 200); do
        if [ -n "$pid" ]; then
            id=$(xdotool search --all --onlyvisible --pid "$pid" --name "$regex" 2>/dev/null | head -n1 || true)
        else
            id=$(xdotool search --onlyvisible --name "$regex" 2>/dev/null | head -n1 || true)
        fi
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

# wait_gone REGEX: waits until no visible window matches.
wait_gone() {
    for _ in $(seq 200); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    return 1
}

# A dialog is mapped before its first control takes the keyboard focus.
settle() { sleep 0.5; }

# The accessibility bus, so that texts and menu states can be read back. The
# test runs inside its own session bus (dbus-run-session).
start_a11y() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    E2E_PIDS+=("$!")
    # A program started before the bus answers waits on it at start-up.
    for _ in $(seq 100); do
        dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
            >/dev/null 2>&1 && break
        sleep 0.05
    done
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
# expect_a11y LINE...: each line stands in the accessibility tree, as
# "role | name | states |" (states: enabled, checked, showing).
expect_a11y() {
    local line
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y.py" >"$E2E_DIR/tree" 2>/dev/null
    for line in "$@"; do
        grep -qF -- "$line" "$E2E_DIR/tree" || fail "not in the accessibility tree: $line"
    done
}

# a11y_press NAME: presses the named node through the accessibility bus.
a11y_press() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_press.py" "$1" || fail "no node to press: $1"; }

# listen_a11y SECONDS: records the accessibility events of the next seconds
# in $E2E_DIR/events (see a11y_events.py); returns once the listener hears.
listen_a11y() {
    : >"$E2E_DIR/events"
    /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/a11y_events.py" "$1" >"$E2E_DIR/events" 2>/dev/null &
    LISTENER=$!
    for _ in $(seq 100); do
        grep -q '^listening' "$E2E_DIR/events" && return 0
        sleep 0.05
    done
    fail "the accessibility listener did not start"
}
heard_a11y() { wait "$LISTENER" || true; grep -v '^listening' "$E2E_DIR/events" || true; }

count_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }

shot() { import -window root "$E2E_DIR/shot.png"; }

# pixel X Y: the colour of a screen pixel in the last screenshot, as rrggbb.
pixel() { convert "$E2E_DIR/shot.png" -format "%[hex:p{$1,$2}]" info: | tr 'A-F' 'a-f' | cut -c1-6; }

# The client area starts where the toolbar's blue starts, below the menu bar.
find_client() {
    local win=$1 x y
    local column
    eval "$(xdotool getwindowgeometry --shell "$win")"
    # The window may be mapped a moment before it is painted.
    for _ in $(seq 50); do
        shot
        column=$(convert "$E2E_DIR/shot.png" -crop "1x80+$((X + 3))+$Y" -depth 8 txt:- | tail -n +2 |
            grep -n -i '#1d4a96' | head -n1 | cut -d: -f1 || true)
        if [ -n "$column" ]; then
            CLIENT_X=$X
            CLIENT_Y=$((Y + column - 1))
            return 0
        fi
        sleep 0.1
    done
    fail "toolbar not found in window $win"
}

# Layout in twips, as the window lays it out (15 twips a pixel).
FRAME_LEFT=(0 420 2070 3750 5430 7125)
NUM_COL=(0 240 495 735 975 1215)
NUM_ROW=(285 600 930 1245 1560 1875 2205 2520 2835)
STAR_ROW=(4425 4755 5100)
STAR_COL=("" "555 1035 1515" "2220 2700 3180" "3915 4395 4875" "5610 6090 6570" "7245 7725 8205")
PICTURE2_LEFT=-15
PICTURE2_TOP=630
FRAME_TOP=1020

# number_cell BOARD K / star_cell BOARD S: screen position of the cell's
# top-left pixel, in CELL_X CELL_Y.
number_cell() {
    local b=$1 k=$2
    CELL_X=$((CLIENT_X + (PICTURE2_LEFT + FRAME_LEFT[b] + NUM_COL[(k - 1) / 9]) / 15))
    CELL_Y=$((CLIENT_Y + (PICTURE2_TOP + FRAME_TOP + NUM_ROW[(k - 1) % 9]) / 15))
}
star_cell() {
    local b=$1 s=$2 cols
    read -r -a cols <<<"${STAR_COL[b]}"
    CELL_X=$((CLIENT_X + (PICTURE2_LEFT + cols[(s - 1) / 3]) / 15))
    CELL_Y=$((CLIENT_Y + (PICTURE2_TOP + STAR_ROW[(s - 1) % 3]) / 15))
}

click_at() { xdotool mousemove "$1" "$2" click 1; }
# Without a window manager the keyboard focus follows clicks: click the
# bottom bar, away from the button, before a shortcut.
focus_window() { click_at $((CLIENT_X + 20)) $((CLIENT_Y + 440)); }
click_number() { number_cell "$1" "$2"; click_at $((CELL_X + 6)) $((CELL_Y + 7)); }
click_star() { star_cell "$1" "$2"; click_at $((CELL_X + 6)) $((CELL_Y + 7)); }

# The background of a cell, read one pixel inside its corner.
number_colour() { number_cell "$1" "$2"; pixel $((CELL_X + 1)) $((CELL_Y + 1)); }
star_colour() { star_cell "$1" "$2"; pixel $((CELL_X + 1)) $((CELL_Y + 1)); }

# board_colours BOARD: the backgrounds of its 50 number cells, then its 9
# star cells, from the last screenshot, in one pass.
board_colours() {
    local b=$1 k fmt=""
    for k in $(seq 50); do number_cell "$b" "$k"; fmt+="%[hex:p{$((CELL_X + 1)),$((CELL_Y + 1))}] "; done
    for k in $(seq 9); do star_cell "$b" "$k"; fmt+="%[hex:p{$((CELL_X + 1)),$((CELL_Y + 1))}] "; done
    convert "$E2E_DIR/shot.png" -format "$fmt" info: | tr 'A-F' 'a-f' | sed -E 's/([0-9a-f]{6})[0-9a-f]{2}/\1/g'
}
# count_numbers BOARD COLOUR / count_stars BOARD COLOUR: how many of the
# board's number (star) cells have that background in the last screenshot.
count_numbers() { board_colours "$1" | tr ' ' '\n' | sed -n '1,50p' | grep -c "^$2\$" || true; }
count_stars() { board_colours "$1" | tr ' ' '\n' | sed -n '51,59p' | grep -c "^$2\$" || true; }

# Button geometry in the window: Picture1 at (-15, 6210), the button at
# (3337, 150) in it, 2820 x 435.
BUTTON_X=$(((-15 + 3337) / 15))
BUTTON_Y=$(((6210 + 150) / 15))
click_button() { click_at $((CLIENT_X + BUTTON_X + 94)) $((CLIENT_Y + BUTTON_Y + 14)); }
# An enabled button has black text; a disabled one only grey.
button_enabled() {
    local min
    min=$(convert "$E2E_DIR/shot.png" -crop "150x16+$((CLIENT_X + BUTTON_X + 19))+$((CLIENT_Y + BUTTON_Y + 7))" \
        -colorspace gray -format '%[fx:int(minima*255)]' info:)
    [ "$min" -lt 60 ]
}
APMUL_TOP=(75 405 720 1050 1380)
click_size() {
    click_at $((CLIENT_X + (PICTURE2_LEFT + 8820 + 90) / 15 + 6)) \
        $((CLIENT_Y + (PICTURE2_TOP + 1200 + APMUL_TOP[$1 - 6]) / 15 + 7))
}

expect_eq() { [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"; }

# wakeups PID SECONDS: how often the process was woken in that many seconds
# (voluntary context switches); an idle program sleeps through.
wakeups() {
    local before after
    before=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/status")
    sleep "$2"
    after=$(awk '/^voluntary_ctxt_switches/ {print $2}' "/proc/$1/status")
    echo $((after - before))
}

# check_cursor TOOL LABEL [SCALE]: the server's current cursor is the outlined
# plus at that scale: 32 x 32 pixels a scale, hot spot at 15,15 of those,
# white inside, black outline, clear elsewhere.
check_cursor() {
    local f=${3:-1}
    "$1" >"$E2E_DIR/cursor" || fail "no cursor image ($2)"
    local size clear
    size=$(head -n1 "$E2E_DIR/cursor")
    expect_eq "$size" "$((32 * f)) $((32 * f)) $((15 * f)) $((15 * f))" "cursor size and hot spot ($2)"
    cursor_px() { sed -n "$(($2 * f + 2))p" "$E2E_DIR/cursor" | cut -c$(($1 * f + 1)); }
    expect_eq "$(cursor_px 15 15)" o "cursor centre ($2)"
    expect_eq "$(cursor_px 15 5)" "#" "cursor outline at an arm's end ($2)"
    expect_eq "$(cursor_px 17 10)" "#" "cursor outline beside an arm ($2)"
    expect_eq "$(cursor_px 0 0)" . "cursor corner ($2)"
    clear=$(tail -n +2 "$E2E_DIR/cursor" | tr -cd . | wc -c)
    [ "$clear" -gt $((800 * f * f)) ] || fail "cursor hides its neighbours ($2): only $clear clear pixels"
}

# crisp_bevel X Y N LABEL: in the last screenshot, pixels X..X+N-1 of row Y
# are the raised picture's light left bevel, sharp against both neighbours.
crisp_bevel() {
    local x=$1 y=$2 n=$3 i red
    red_at() { convert "$E2E_DIR/shot.png" -format "%[fx:int(255*p{$1,$y}.r)]" info:; }
    red=$(red_at $((x - 1)))
    [ "$red" -lt 150 ] || fail "bevel smeared to the left ($4): red $red"
    for i in $(seq 0 $((n - 1))); do
        red=$(red_at $((x + i)))
        [ "$red" -ge 220 ] || fail "bevel column $i not sharp ($4): red $red"
    done
    red=$(red_at $((x + n)))
    [ "$red" -lt 150 ] || fail "bevel smeared to the right ($4): red $red"
}
