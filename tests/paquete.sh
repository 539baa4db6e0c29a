#!/bin/bash
# The installable program: desktop data that validates, the hand-drawn SVG
# icon agreeing with the program's own drawing, a .deb that lintian finds no
# fault in, that lists every file and depends on what the program loads at
# run time, and that .deb unpacked into a scratch root: its window grouped
# under its desktop entry, and a bet file opened through the desktop's
# handler of the type.
. "$(dirname "$0")/e2e/lib.sh"
SRC=$1
BUILD=$2

cmake -S "$SRC" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELVAR_TESTS=OFF >/dev/null || fail "configure"
cmake --build "$BUILD" >/dev/null || fail "build"
desktop-file-validate "$SRC/data/org.example.quelvar.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$SRC/data/org.example.quelvar.metainfo.xml" || fail "AppStream data"
pass "desktop entry and AppStream data validate"

rsvg-convert -w 256 -h 256 "$SRC/data/quelvar.svg" -o "$E2E_DIR/svg.png" || fail "SVG does not render"
rmse=$( (compare -metric RMSE "$E2E_DIR/svg.png" "$BUILD/iconos/256.png" null: 2>&1 || true) | sed -E 's/.*\((.*)\).*/\1/')
awk -v e="$rmse" 'BEGIN { exit !(e < 0.01) }' || fail "the SVG icon differs from the program's: RMSE $rmse"
pass "the SVG icon is the program's icon (RMSE $rmse)"

(cd "$BUILD" && cpack -G DEB >/dev/null) || fail "cpack"
deb=$(ls "$BUILD"/quelvar_*.deb)
dpkg -c "$deb" | awk '{print $NF}' >"$E2E_DIR/contents"
files="usr/bin/quelvar usr/share/applications/org.example.quelvar.desktop
    usr/share/metainfo/org.example.quelvar.metainfo.xml usr/share/mime/packages/org.example.quelvar.xml
    usr/share/icons/hicolor/scalable/apps/quelvar.svg usr/share/icons/hicolor/scalable/mimetypes/application-x-quelvar.svg
    usr/share/doc/quelvar/copyright usr/share/doc/quelvar/changelog.gz usr/share/man/man1/quelvar.1.gz"
for size in 16 22 24 32 48 64 128 256; do
    files+=" usr/share/icons/hicolor/${size}x${size}/apps/quelvar.png"
    files+=" usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-quelvar.png"
done
for f in $files; do
    grep -qx "./$f" "$E2E_DIR/contents" || fail "not in the package: $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in qt6-qpa-plugins qt6-translations-l10n xdg-utils fonts-liberation2 shared-mime-info libqt6widgets6 libc6; do
    grep -qE "(^|, )$d( |,|$)" <<<"$depends" || fail "the package does not depend on $d: $depends"
done
expect_eq "$(dpkg-deb -f "$deb" Recommends)" qt6-wayland "recommended packages"
pass "$(basename "$deb"): $(wc -l <"$E2E_DIR/contents") entries, depends on $depends"

# Errors and warnings fail; lintian's informational notes do not.
lintian --fail-on error,warning "$deb" >"$E2E_DIR/lintian" 2>&1 || fail "lintian: $(cat "$E2E_DIR/lintian")"
pass "lintian finds no error or warning"

root="$E2E_DIR/root"
dpkg -x "$deb" "$root" || fail "dpkg -x"
update-mime-database "$root/usr/share/mime" || fail "update-mime-database"
grep -qF 'application/x-quelvar:*.qlv' "$root/usr/share/mime/globs2" || fail "*.qlv is not a Quelvar file"
pass "file managers name *.qlv files"

update-desktop-database "$root/usr/share/applications" || fail "update-desktop-database"
grep -qx 'application/x-quelvar=org.example.quelvar.desktop;' "$root/usr/share/applications/mimeinfo.cache" ||
    fail "Quelvar does not handle its bet files: $(cat "$root/usr/share/applications/mimeinfo.cache")"
pass "the desktop entry handles application/x-quelvar"

start_xvfb
export XDG_DATA_DIRS="$root/usr/share:/usr/share" PATH="$root/usr/bin:$PATH"
launch "$root/usr/bin/quelvar"
win=$(wait_window "^Quelvar - ''Nueva apuesta''$" "$LAST_PID") || fail "the unpacked program did not start"
class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/org.example.quelvar.desktop")
xprop -id "$win" WM_CLASS | grep -qF "\"$class\"" || fail "window class $(xprop -id "$win" WM_CLASS) is not $class"
pass "the unpacked package starts, its window of class $class"

# As a file manager opens a bet file: through the type's handler, here into
# the window already running.
printf '1\r\n9\r\n18\r\n27\r\n36\r\n45\r\n1\r\n9\r\n' >"$E2E_DIR/viernes.qlv"
gio open "$E2E_DIR/viernes.qlv" || fail "gio open"
wait_window "^Quelvar - ''viernes''$" "$LAST_PID" >/dev/null || fail "gio open did not show the file in the running window"
expect_eq "$(count_windows '^Quelvar')" 1 "windows after gio open"
pass "gio open shows a bet file in the running window"
