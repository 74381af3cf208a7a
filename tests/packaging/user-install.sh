#!/usr/bin/env bash
# Does what a user does with the archive: unpacks it into a fresh folder whose path holds blanks,
# accents and shell characters, adds the menu entry, starts the program through that entry from
# another working directory on an own X server, saves the form through the menu and the password
# box, and removes the menu entry again. Checks that every window carries the program's icon and
# that the save lands beside the unpacked executable.
#   user-install.sh <archive>
set -euo pipefail
archive=$1
source "$(dirname "$0")/helpers.sh"
for tool in Xvfb xdotool xprop gio desktop-file-validate; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
xvfb=
program=
cleanup() {
    end_session
    rm -rf "$work"
}
trap cleanup EXIT
# The icon sizes in a window's _NET_WM_ICON: each picture is width, height, then its pixels.
icon_sizes() {
    xprop -id "$1" -notype 32c _NET_WM_ICON | sed 's/^[^=]*= *//' | tr -d ' ' | tr ',' '\n' | {
        sizes=
        while read -r width && read -r height; do
            sizes="$sizes ${width}x$height"
            for ((i = 0; i < width * height; i++)); do read -r _; done
        done
        echo "$sizes"
    }
}
expect_icon() {
    local sizes
    sizes=$(icon_sizes "$1")
    [ "$sizes" = " 16x16 22x22 24x24 32x32 48x48 64x64" ] || fail "window \"$2\" carries the icon sizes:$sizes"
}

tar tzf "$archive" | grep -qv '^ktv3815/' && fail "the archive holds more than the folder ktv3815/"

home=$work/home
unpacked="$home/Letöltött programok \$HOME \"1\" \\"
mkdir -p "$unpacked" "$work/elsewhere" "$work/runtime"
tar xzf "$archive" -C "$unpacked"
export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb
# Under the sanitizers: libxkbcommon-x11 copies the X server's unterminated atom names with
# strndup, which AddressSanitizer's strict string checks read one byte too far; the last value
# of an option wins.
export ASAN_OPTIONS=${ASAN_OPTIONS:-}:strict_string_checks=0
chmod 700 "$XDG_RUNTIME_DIR"

"$unpacked/ktv3815/menubejegyzes.sh" felvesz
entry=$XDG_DATA_HOME/applications/ktv3815.desktop
desktop-file-validate "$entry"

start_xvfb "$work"

(cd "$work/elsewhere" && gio launch "$entry")
main=$(wait_for_window "Elektronikus nyomtatvány")
program=$(xprop -id "$main" -notype 32c _NET_WM_PID | sed 's/.*= //')
expect_icon "$main" "Elektronikus nyomtatvány"

click_menu_save "$main"
password_box=$(wait_for_window "Kérek egy jelszót!")
expect_icon "$password_box" "Kérek egy jelszót!"
LC_ALL=C.UTF-8 xdotool type --delay 20 "titok123"
xdotool key Return
saved="$unpacked/ktv3815/KTV3815.txt"
wait_for_file "$saved" || fail "no saved form beside the executable"
grep -qE '^[A-Za-z0-9+/]+=*$' "$saved" || fail "the saved form is not one Base64 line"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the save wrote into the working directory"

"$unpacked/ktv3815/menubejegyzes.sh" torol
[ ! -e "$entry" ] || fail "the menu entry is still there"
echo "user install ok"
